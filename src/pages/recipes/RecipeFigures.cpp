#include "RecipeFigures.h"

#include "catalogue/CostMemo.h"
#include "catalogue/Recipe.h"

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
