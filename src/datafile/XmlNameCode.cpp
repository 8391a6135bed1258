#include "XmlNameCode.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

constexpr std::size_t kNameCount = static_cast<std::size_t>(EXmlName::Unknown);

// In the order of EXmlName.
constexpr std::array<std::string_view, kNameCount> kNames = {
    "Index",
    "Version",
    "MainUserdata",
    "Company",
    "Firstname",
    "Lastname",
    "Street",
    "PLZ",
    "City",
    "Country",
    "CurrencyUnit",
    "CurrencyUnit2",
    "CurrencyFactor2",
    "MainNames",
    "NameGroup",
    "Taxes",
    "Quotes",
    "Ingredients",
    "Ingredient",
    "Name",
    "Group",
    "Unit",
    "StockActive",
    "StockAmount",
    "IngredientSuppliers",
    "IngredientSupplierUseIndex",
    "IngredientSupplier",
    "Price",
    "Amount",
    "Recipes",
    "Recipe",
    "NbPortion",
    "UseAsIngredient",
    "UseForSale",
    "Comment",
    "PictureFilename",
    "PriceSell",
    "NameGroupIndex",
    "RecipeIngredients",
    "RecipeIngredient",
    "WeightLoss",
    "IngredientIndex",
    "RecipeIndex",
    "SortNum",
    "Sales",
    "Sale",
    "PriceBuyPerPortion",
    "PriceSellPerPortionNoTax",
    "PriceSellPerPortionTax",
    "DateTime",
};

struct CCodeEntry
{
    std::int32_t Code;
    EXmlName Name;
};

// The names ordered by code, for a binary search.
constexpr std::array<CCodeEntry, kNameCount> MakeCodeTable()
{
    std::array<CCodeEntry, kNameCount> table{};
    for (std::size_t i = 0; i < kNameCount; ++i)
        table[i] = {XmlNameCode(kNames[i]), static_cast<EXmlName>(i)};
    std::sort(table.begin(), table.end(),
              [](const CCodeEntry& a, const CCodeEntry& b) { return a.Code < b.Code; });
    return table;
}

constexpr std::array<CCodeEntry, kNameCount> kCodeTable = MakeCodeTable();

constexpr bool CodesAreDistinct()
{
    for (std::size_t i = 1; i < kNameCount; ++i) {
        if (kCodeTable[i - 1].Code == kCodeTable[i].Code)
            return false;
    }
    return true;
}
static_assert(CodesAreDistinct(), "every name of the data file needs a code of its own");

} // namespace

EXmlName FindXmlName(std::string_view name)
{
    const std::int32_t code = XmlNameCode(name);
    const auto it =
        std::lower_bound(kCodeTable.begin(), kCodeTable.end(), code,
                         [](const CCodeEntry& entry, std::int32_t value) { return entry.Code < value; });
    return it != kCodeTable.end() && it->Code == code ? it->Name : EXmlName::Unknown;
}

std::string_view XmlNameText(EXmlName name)
{
    const auto index = static_cast<std::size_t>(name);
    return index < kNameCount ? kNames[index] : std::string_view();
}
