#pragma once

#include <string>

class CListCtrlData;

// A table of the program as semicolon-separated text for a spreadsheet: a header line, then the
// rows in the order shown, the shown columns in screen order. Cells hold the text the table
// shows, numbers in the program's number text ("1.234", "33,33"); a cell with ";", a quote or a
// line break is quoted. Lines end in CR LF. The text is Windows-1252 like the catalogue's.
class CEvaluationTableText
{
public:
    // Column 0 of the evaluation table is its sort key and is left out; other lists keep it.
    enum class EFirstColumn { Skipped, Kept };
    static std::string ToCsv(const CListCtrlData& table, EFirstColumn first = EFirstColumn::Skipped);
    // The cell quoted when it has to be.
    static std::string CsvField(const std::string& text);
};
