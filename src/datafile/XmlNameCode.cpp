#include "XmlNameCode.h"

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
    std::int32_t Code = 0;
    EXmlName Name = EXmlName::Unknown;
};

// The names by code in an open-addressed table four times as large as the names: a lookup
// mostly finds its slot at the first try.
constexpr std::size_t kSlots = 256;

constexpr std::size_t SlotOf(std::int32_t code)
{
    return (static_cast<std::uint32_t>(code) * 2654435761u >> 24) & (kSlots - 1);
}

constexpr std::array<CCodeEntry, kSlots> MakeCodeTable()
{
    std::array<CCodeEntry, kSlots> table{};
    for (std::size_t i = 0; i < kNameCount; ++i) {
        const std::int32_t code = XmlNameCode(kNames[i]);
        std::size_t slot = SlotOf(code);
        while (table[slot].Name != EXmlName::Unknown)
            slot = (slot + 1) & (kSlots - 1);
        table[slot] = {code, static_cast<EXmlName>(i)};
    }
    return table;
}

constexpr std::array<CCodeEntry, kSlots> kCodeTable = MakeCodeTable();

constexpr bool CodesAreDistinct()
{
    for (std::size_t i = 0; i < kNameCount; ++i) {
        for (std::size_t j = i + 1; j < kNameCount; ++j) {
            if (XmlNameCode(kNames[i]) == XmlNameCode(kNames[j]))
                return false;
        }
    }
    return true;
}
static_assert(CodesAreDistinct(), "every name of the data file needs a code of its own");

} // namespace

EXmlName FindXmlName(std::string_view name)
{
    const std::int32_t code = XmlNameCode(name);
    for (std::size_t slot = SlotOf(code);; slot = (slot + 1) & (kSlots - 1)) {
        const CCodeEntry& entry = kCodeTable[slot];
        if (entry.Name == EXmlName::Unknown || entry.Code == code)
            return entry.Name;
    }
}

std::string_view XmlNameText(EXmlName name)
{
    const auto index = static_cast<std::size_t>(name);
    return index < kNameCount ? kNames[index] : std::string_view();
}
