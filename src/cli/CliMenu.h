#pragma once

#include "cli/CliTable.h"
#include "cli/JsonObject.h"

class CData;
class CMenuAnalysis;

// The menu analysis of kostenkoch-cli: the dishes with their figures and classes, and the
// thresholds they were placed by.
namespace CliMenu {

// Title, selection, prices, whether anything sold, the totals and both thresholds (the
// popularity threshold as a share, 0..1).
CJsonObject Summary(const CData& data, const CMenuAnalysis& analysis);
// One row per dish in the analysis's order: name, group, portions, menuMix (0..1), netPrice,
// cost, margin, marginTotal, costRatio (percent), class ("star", "workhorse", "puzzle", "dog"
// or null), className and advice as the page shows them, and whether a recipe stands behind it.
CCliTable Dishes(const CData& data, const CMenuAnalysis& analysis);

} // namespace CliMenu
