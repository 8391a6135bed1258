#include "PageTable.h"

#include <array>

namespace {

struct CPageRow
{
    const char* Anchor;
    const char* ObjectName;
};

constexpr std::array<CPageRow, kNbPages> kRows = {{
    {"MainUserdata", "pageUserData"},
    {"MainNameMeal", "pageFoodGroupNames"},
    {"MainNameDrink", "pageDrinkGroupNames"},
    {"MainTaxesMeal", "pageFoodTaxes"},
    {"MainTaxesDrink", "pageDrinkTaxes"},
    {"MainQuotesMeal", "pageFoodQuotes"},
    {"MainQuotesDrink", "pageDrinkQuotes"},
    {"MainSettings", "pageCurrencies"},
    {"Ingredient", "pageIngredients"},
    {"Recipe", "pageRecipes"},
    {"Sale", "pageSales"},
    {"Chart", "pageEvaluation"},
}};

} // namespace

const char* PageTable::HelpAnchor(EPage page)
{
    return kRows[IndexOf(page)].Anchor;
}

const char* PageTable::ObjectName(EPage page)
{
    return kRows[IndexOf(page)].ObjectName;
}
