#pragma once

#include "costcheck/CostFinding.h"

#include <string>

// The shown texts of the costing check's findings, from the string tables in the current
// language (Windows-1252, like every text the core holds).
namespace CostFindingText {

// "Fehler", "Warnung", "Hinweis".
std::string Severity(ECostSeverity severity);
// "Zutat" or "Rezeptur".
std::string Record(CCostFinding::ERecord record);
// What is wrong, and what to do about it, with the finding's values in their places.
std::string Problem(const CCostFinding& finding);
std::string Advice(const CCostFinding& finding);
// The fault's name in reports for scripts ("priceBelowTarget"); never translated.
const char* Key(ECostFault fault);
// "error", "warning", "hint".
const char* SeverityKey(ECostSeverity severity);

} // namespace CostFindingText
