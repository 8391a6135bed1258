#pragma once

#include <string>
#include <vector>

class CData;
class CIngredient;
class CPriceScenario;

// A simulated purchase price change: which ingredients (chosen one by one, by goods group or by
// supplier) and what happens to the price of their supplier in use (a percentage or a new price
// for the supplier's amount).
struct CPriceChange
{
    enum ESelection { ByIngredients, ByGroup, BySupplier };
    enum EMode { Percent, NewPrice };

    ESelection Selection = ByIngredients;
    // Record Ids, for ByIngredients.
    std::vector<int> IngredientIds;
    // The goods group text (ByGroup) or the supplier name (BySupplier), compared exactly.
    std::string Key;
    EMode Mode = Percent;
    double Value = 0.0;
};

namespace PriceChange {

// The names of the suppliers in use, each once, in catalogue order: what "by supplier" offers.
std::vector<std::string> SupplierNamesInUse(const CData& data);
// The chosen ingredients in catalogue order. Only ingredients with a supplier in use count:
// without one there is no price to change. By supplier means the supplier in use.
std::vector<const CIngredient*> Select(const CData& data, const CPriceChange& change);
// The supplier price after the change: raised or lowered by the percentage, or the new price.
double NewPrice(double price, const CPriceChange& change);
// Replaces every chosen ingredient in `scenario` with the changed price and builds it; false
// when memory ran out.
[[nodiscard]] bool Fill(CPriceScenario& scenario, const CPriceChange& change);

} // namespace PriceChange
