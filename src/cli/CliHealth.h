#pragma once

#include "catalogue/DateTime.h"
#include "cli/JsonObject.h"

class CData;

// The report of "health": the findings of the costing check, errors first, with the counts by
// severity and, when there are none, the text that says so.
namespace CliHealth {

CJsonObject Report(const CData& data, const CDateTime& today);

} // namespace CliHealth
