#include "SalesList.h"

#include "catalogue/Data.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <cstdio>

std::vector<CSale*> CSalesList::Select(CData& data, const CRecipe* recipe)
{
    std::vector<CSale*> sales;
    sales.reserve(recipe ? 0 : static_cast<std::size_t>(data.Sales.Count()));
    for (CSale& sale : data.Sales) {
        if (recipe == nullptr || sale.Recipe == recipe)
            sales.push_back(&sale);
    }
    return sales;
}

std::string CSalesList::Caption(const CRecipe* recipe)
{
    return "Verkaufsliste : " + (recipe ? recipe->Name : CStringTables::Load(StringId::kAllSales));
}

std::string CSalesList::DateText(const CDateTime& date)
{
    if (date.GetStatus() == CDateTime::Null)
        return {};
    if (!date.IsValid())
        return "Invalid DateTime";
    const CDateTime::CDateAndTime parts = date.GetDateAndTime();
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", parts.Day, parts.Month, parts.Year);
    return text;
}

double CSalesList::Price(const CSale& sale)
{
    return sale.PriceSellPerPortionTax * sale.NbPortion;
}
