#include "RecipeFigures.h"

#include "catalogue/Recipe.h"

#include <cmath>

CRecipeFigures CRecipeFigures::Of(const CRecipe& recipe, double portions)
{
    CRecipeFigures figures;
    figures.PriceBuy = recipe.GetPriceBuyPerPortion() * portions;
    figures.ContributionMargin = recipe.GetContributionMargin() * portions;
    figures.CostRatio = recipe.GetCostRatio();
    figures.PriceSellCurrency2 = recipe.GetPriceSellCurrency2() * portions;
    figures.PriceSellCalculatedTax = recipe.GetPriceSellCalculatedTax() * portions;
    figures.PriceSellCalculatedNoTax = recipe.GetPriceSellCalculatedNoTax() * portions;
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
