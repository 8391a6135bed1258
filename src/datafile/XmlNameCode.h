#pragma once

#include <cstdint>
#include <string_view>

// The element and attribute names of the data file. The reader tells them apart by their name
// code, not by their text.
enum class EXmlName : std::uint8_t {
    Index,
    Version,
    MainUserdata,
    Company,
    Firstname,
    Lastname,
    Street,
    PLZ,
    City,
    Country,
    CurrencyUnit,
    CurrencyUnit2,
    CurrencyFactor2,
    MainNames,
    NameGroup,
    Taxes,
    Quotes,
    Ingredients,
    Ingredient,
    Name,
    Group,
    Unit,
    StockActive,
    StockAmount,
    IngredientSuppliers,
    IngredientSupplierUseIndex,
    IngredientSupplier,
    Price,
    Amount,
    Recipes,
    Recipe,
    NbPortion,
    UseAsIngredient,
    UseForSale,
    Comment,
    PictureFilename,
    PriceSell,
    NameGroupIndex,
    RecipeIngredients,
    RecipeIngredient,
    WeightLoss,
    IngredientIndex,
    RecipeIndex,
    SortNum,
    Sales,
    Sale,
    PriceBuyPerPortion,
    PriceSellPerPortionNoTax,
    PriceSellPerPortionTax,
    DateTime,
    Unknown
};

// Sum over the name's bytes of (byte as signed 8-bit value × its position from 0), wrapping in
// 32 bits. The first byte weighs nothing.
constexpr std::int32_t XmlNameCode(std::string_view name)
{
    std::uint32_t sum = 0;
    std::uint32_t position = 0;
    for (const char c : name) {
        sum += static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c))) * position;
        ++position;
    }
    return static_cast<std::int32_t>(sum);
}

// The name whose code `name` has; Unknown when no name of the data file has that code.
EXmlName FindXmlName(std::string_view name);
// The text of a data file name (empty for Unknown).
std::string_view XmlNameText(EXmlName name);
