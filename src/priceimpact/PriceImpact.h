#pragma once

#include <string>
#include <vector>

class CPriceScenario;
class CRecipe;

// The figures of one recipe that a purchase price change moves, per portion, as the recipe
// page shows them.
struct CImpactFigures
{
    double PriceBuyPerPortion = 0.0;
    double CostRatio = 0.0;
    double ContributionMargin = 0.0;
    // The gross price that holds the group's target cost ratio.
    double PriceSellCalculatedTax = 0.0;
};

// One recipe a change reaches: its figures with the catalogue's prices and with the changed ones.
struct CImpactRow
{
    const CRecipe* Recipe = nullptr;
    int RecipeId = 0;
    std::string Name;
    int NameGroupIndex = -1;
    bool UseForSale = false;
    double PriceSell = 0.0;
    CImpactFigures Before;
    CImpactFigures After;

    // What the change takes from the margin of one portion (negative: the margin grows).
    double MarginLoss() const { return Before.ContributionMargin - After.ContributionMargin; }
};

namespace PriceImpact {

// Every recipe of the scenario, largest loss of margin first, equal losses by name, then in
// catalogue order. `dishesOnly` keeps the recipes that are sold.
std::vector<CImpactRow> Rows(const CPriceScenario& scenario, bool dishesOnly = false);

} // namespace PriceImpact
