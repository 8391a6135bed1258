#pragma once

#include "cli/CliTable.h"
#include "cli/JsonObject.h"

class CData;

// The reports of kostenkoch-cli, built from a catalogue. Texts are converted to UTF-8. The
// tables make their rows from the catalogue as they are written, so it must outlive them.
namespace CliReports {

// Counts of a catalogue right after reading it.
CJsonObject Check(const CData& data, int readResult, bool unchanged);
// Ingredients in ring order with their suppliers.
CCliTable Ingredients(const CData& data);
// Recipes in ring order with their lines and every price figure.
CCliTable Recipes(const CData& data);
// Sales in ring order with their stored prices.
CCliTable Sales(const CData& data);

} // namespace CliReports
