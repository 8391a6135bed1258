#include "PriceImpact.h"

#include "PriceScenario.h"
#include "catalogue/CostMemo.h"

#include <algorithm>

namespace {

CImpactFigures Figures(const CRecipe& recipe, CCostMemo& memo)
{
    CImpactFigures figures;
    figures.PriceBuyPerPortion = recipe.GetPriceBuyPerPortion(&memo);
    figures.CostRatio = recipe.GetCostRatio(&memo);
    figures.ContributionMargin = recipe.GetContributionMargin(&memo);
    figures.PriceSellCalculatedTax = recipe.GetPriceSellCalculatedTax(&memo);
    return figures;
}

} // namespace

namespace PriceImpact {

std::vector<CImpactRow> Rows(const CPriceScenario& scenario, bool dishesOnly)
{
    // One memo per side: a sub-recipe shared by many dishes is costed once on each.
    CCostMemo before;
    CCostMemo after;
    std::vector<CImpactRow> rows;
    rows.reserve(scenario.Recipes().size());
    for (const CPriceScenario::CRecipePair& pair : scenario.Recipes()) {
        const CRecipe& recipe = *pair.Original;
        if (dishesOnly && !recipe.UseForSale)
            continue;
        CImpactRow row;
        row.Recipe = &recipe;
        row.RecipeId = recipe.Id;
        row.Name = recipe.Name;
        row.NameGroupIndex = recipe.NameGroupIndex;
        row.UseForSale = recipe.UseForSale != 0;
        row.PriceSell = recipe.GetPriceSell();
        row.Before = Figures(recipe, before);
        row.After = Figures(*pair.Copy, after);
        rows.push_back(std::move(row));
    }
    std::stable_sort(rows.begin(), rows.end(), [](const CImpactRow& a, const CImpactRow& b) {
        if (a.MarginLoss() != b.MarginLoss())
            return a.MarginLoss() > b.MarginLoss();
        return a.Name < b.Name;
    });
    return rows;
}

} // namespace PriceImpact
