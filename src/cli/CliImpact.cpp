#include "CliImpact.h"

#include "catalogue/Data.h"
#include "platform/Windows1252.h"
#include "priceimpact/PriceImpact.h"
#include "priceimpact/PriceScenario.h"

#include <memory>

namespace {

std::string Text(const std::string& windows1252)
{
    return Windows1252ToUtf8(windows1252);
}

CJsonObject FiguresObject(const CImpactFigures& figures)
{
    return CJsonObject{{"priceBuyPerPortion", figures.PriceBuyPerPortion},
                       {"costRatio", figures.CostRatio},
                       {"contributionMargin", figures.ContributionMargin},
                       {"priceSellCalculatedTax", figures.PriceSellCalculatedTax}};
}

CJsonObject RecipeObject(const CData& data, const CImpactRow& row, SellPriceRounding::ERounding rounding)
{
    return CJsonObject{
        {"name", Text(row.Name)},
        {"group", CData::IsValidGroup(row.NameGroupIndex)
                      ? CJsonValue(Text(data.GetGroupName(row.NameGroupIndex)))
                      : CJsonValue()},
        {"useForSale", row.UseForSale},
        {"priceSell", row.PriceSell},
        {"before", FiguresObject(row.Before)},
        {"after", FiguresObject(row.After)},
        {"marginLoss", row.MarginLoss()},
        {"newPriceSell", SellPriceRounding::Round(row.After.PriceSellCalculatedTax, rounding)}};
}

CJsonArray IngredientRows(const CPriceScenario& scenario)
{
    CJsonArray rows;
    for (const CPriceScenario::CIngredientPair& pair : scenario.Ingredients()) {
        rows.push_back(CJsonObject{{"name", Text(pair.Original->Name)},
                                   {"supplier", Text(pair.Original->GetSupplierName())},
                                   {"amount", pair.Original->GetAmount()},
                                   {"priceBefore", pair.Original->GetPrice()},
                                   {"priceAfter", pair.Copy->GetPrice()}});
    }
    return rows;
}

} // namespace

namespace CliImpact {

namespace {

// The scenario of the request and its rows, or none when memory ran out.
std::unique_ptr<CPriceScenario> Simulate(const CData& data, const CRequest& request,
                                         std::vector<CImpactRow>& rows)
{
    auto scenario = std::make_unique<CPriceScenario>(data);
    if (!PriceChange::Fill(*scenario, request.Change))
        return nullptr;
    rows = PriceImpact::Rows(*scenario, !request.AllRecipes);
    return scenario;
}

} // namespace

bool Report(const CData& data, const CRequest& request, CJsonObject& report)
{
    std::vector<CImpactRow> rows;
    const auto scenario = Simulate(data, request, rows);
    if (!scenario)
        return false;
    CJsonArray recipes;
    for (const CImpactRow& row : rows)
        recipes.push_back(RecipeObject(data, row, request.Rounding));
    report = CJsonObject{{"ingredients", IngredientRows(*scenario)}, {"recipes", std::move(recipes)}};
    return true;
}

bool Table(const CData& data, const CRequest& request, CCliTable& table)
{
    std::vector<CImpactRow> impact;
    if (!Simulate(data, request, impact))
        return false;
    auto rows = std::make_shared<std::vector<CJsonValue>>();
    for (const CImpactRow& row : impact) {
        rows->push_back(CJsonObject{
            {"name", Text(row.Name)},
            {"priceSell", row.PriceSell},
            {"costBefore", row.Before.PriceBuyPerPortion},
            {"costAfter", row.After.PriceBuyPerPortion},
            {"costRatioBefore", row.Before.CostRatio},
            {"costRatioAfter", row.After.CostRatio},
            {"marginBefore", row.Before.ContributionMargin},
            {"marginAfter", row.After.ContributionMargin},
            {"marginLoss", row.MarginLoss()},
            {"targetPriceAfter", row.After.PriceSellCalculatedTax},
            {"newPriceSell", SellPriceRounding::Round(row.After.PriceSellCalculatedTax, request.Rounding)}});
    }
    table.Columns = {"name",           "priceSell",    "costBefore",  "costAfter",  "costRatioBefore",
                     "costRatioAfter", "marginBefore", "marginAfter", "marginLoss", "targetPriceAfter",
                     "newPriceSell"};
    table.Rows = [rows](const CJsonRowSink& sink) {
        for (const CJsonValue& row : *rows)
            sink(row);
    };
    return true;
}

} // namespace CliImpact
