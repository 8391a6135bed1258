#pragma once

#include "catalogue/DateTime.h"
#include "costcheck/CostFinding.h"

#include <vector>

class CData;

// The health check of a whole catalogue's costing: every ingredient and recipe is looked at
// once, and every figure comes from the getters the pages show (the cost calculation), never
// from a formula of its own. A catalogue without faults gives no findings.
//
// Findings come errors first, then warnings, then hints; within a severity ingredients in ring
// order, then recipes in ring order (a recipe's lines in the order the recipe lists them).
namespace CostCheck {

// Half a cent: a selling price short of the calculated price by less reads the same as it with
// two decimals, and is not reported.
constexpr double kPriceTolerance = 0.005;
// A dish counts as sold lately with a sale in the six months before today.
constexpr int kMonthsSold = 6;

// Checks `data`; `today` is the day the "not sold lately" window ends (the sales checks run
// only when the catalogue holds sales).
std::vector<CCostFinding> Run(const CData& data, const CDateTime& today);

// The same day `months` months before `day` (the last day of the month where that month is
// shorter), at midnight.
CDateTime MonthsBefore(const CDateTime& day, int months);

} // namespace CostCheck
