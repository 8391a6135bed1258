#pragma once

#include <string>

class CListCtrlData;

// The evaluation table as semicolon-separated text for a spreadsheet: a header line, then the
// rows in the order shown, the shown columns in screen order without the sort key column 0.
// Cells hold the text the table shows, numbers in the program's number text ("1.234",
// "33,33"); a cell with ";", a quote or a line break is quoted. Lines end in CR LF. The text
// is Windows-1252 like the catalogue's.
class CEvaluationTableText
{
public:
    static std::string ToCsv(const CListCtrlData& table);
    // The cell quoted when it has to be.
    static std::string CsvField(const std::string& text);
};
