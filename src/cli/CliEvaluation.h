#pragma once

#include "cli/CliTable.h"
#include "cli/JsonObject.h"

class CData;
class CEvaluationSettings;

// The evaluation of kostenkoch-cli: builds the chart and table models as the evaluation page
// does and reports them.
namespace CliEvaluation {

// Measure, divisor, titles, the table (columns, rows in shown order with their shown texts and
// values) and the chart (series, groups, axis).
CJsonObject Report(const CData& data, const CEvaluationSettings& settings);
// The table as the page shows it: name, then one column per month with the shown texts.
CCliTable Table(const CData& data, const CEvaluationSettings& settings);

} // namespace CliEvaluation
