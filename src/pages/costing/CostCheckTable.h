#pragma once

#include "controls/model/ListColumnSetup.h"
#include "costcheck/CostFinding.h"

#include <array>
#include <string>

class CListCtrlData;

// The list of the costing check without a window: its columns, the cells of a finding, and the
// list as the spreadsheet file "Als CSV speichern" writes.
namespace CostCheckTable {

enum EColumn { Severity, Record, Name, Problem, Advice, NbColumns };

const std::array<CListColumnSetup, NbColumns>& Columns();

// The shown text of each column for `finding`; the severity sorts by its rank, not its text.
std::array<std::string, NbColumns> Cells(const CCostFinding& finding);

// Semicolon-separated text: a header line, then the rows in the order shown, the shown columns
// in screen order, cells as the list shows them; lines end in CR LF. Windows-1252, like the
// list's texts.
std::string ToCsv(const CListCtrlData& list);

} // namespace CostCheckTable
