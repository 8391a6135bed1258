#include "RecipeFigures.h"

#include "catalogue/CostMemo.h"
#include "catalogue/Recipe.h"

#include <cmath>

CRecipeFigures CRecipeFigures::Of(const CRecipe& recipe, double portions, CCostMemo* memo)
{
    CCostMemo own;
    if (!memo)
        memo = &own;
    CRecipeFigures figures;
    figures.PriceBuy = recipe.GetPriceBuyPerPortion(memo) * portions;
    figures.ContributionMargin = recipe.GetContributionMargin(memo) * portions;
    figures.CostRatio = recipe.GetCostRatio(memo);
    figures.PriceSellCurrency2 = recipe.GetPriceSellCurrency2() * portions;
    figures.PriceSellCalculatedTax = recipe.GetPriceSellCalculatedTax(memo) * portions;
    figures.PriceSellCalculatedNoTax = recipe.GetPriceSellCalculatedNoTax(memo) * portions;
    figures.PriceSell = recipe.GetPriceSell() * portions;
    figures.PriceSellNoTax = recipe.GetPriceSellNoTax() * portions;
    return figures;
}

bool CRecipeFigures::LineFactor(const CRecipe& recipe, double portions, double& factor)
{
    if (recipe.NbPortion == 0.0 || !std::isfinite(recipe.NbPortion))
        return false;
    factor = portions / recipe.NbPortion;
    return std::isfinite(factor);
}
