#pragma once

class CCostMemo;
class CRecipe;

// The computed fields of the recipe dialog and of its quantity calculation, taken from the
// catalogue's getters: per portion, or for a number of portions.
struct CRecipeFigures
{
    double PriceBuy = 0.0;
    double ContributionMargin = 0.0;
    double CostRatio = 0.0;
    double PriceSellCurrency2 = 0.0;
    double PriceSellCalculatedTax = 0.0;
    double PriceSellCalculatedNoTax = 0.0;
    double PriceSell = 0.0;
    double PriceSellNoTax = 0.0;

    // Every per-portion value of `recipe` times `portions`; the cost ratio as it is. `memo`
    // keeps recipe costs across calls of one pass (a list fill); without one the figures still
    // cost the recipe once, not once per figure.
    static CRecipeFigures Of(const CRecipe& recipe, double portions = 1.0, CCostMemo* memo = nullptr);
};
