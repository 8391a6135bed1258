#pragma once

#include "RegisterText.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// One table of an export as its index.xml describes it.
struct CGdpduTable
{
    std::string Url;                  // the file, relative to the index
    std::string Name;                 // e.g. "Bonpos"
    std::vector<std::string> Columns; // primary key columns and columns, in file order
    char ColumnDelimiter = ';';
    char TextEncapsulator = '"'; // 0: none
    char DecimalSymbol = ',';
    char DigitGroupingSymbol = 0; // 0: none
    RegisterText::EEncoding Encoding = RegisterText::EEncoding::Utf8;
    bool EncodingGiven = false;  // the index names the encoding; else it is detected
    std::string UnknownEncoding; // the index names an encoding the readers do not read
    std::size_t FirstRecord = 0; // records to skip at the start (Range From - 1)

    // The column's index, or -1.
    int Find(std::string_view column) const;
};

// Reads the table descriptions of an index.xml (the description standard of the tax audit
// data: DataSet, Media, Table with URL, Name, the encoding element, DecimalSymbol,
// DigitGroupingSymbol, Range, VariableLength with ColumnDelimiter, TextEncapsulator,
// VariablePrimaryKey and VariableColumn). A small reader of its own: the file is short and
// its shape fixed; comments, a DOCTYPE, CDATA sections and character references are handled.
namespace GdpduIndex {

[[nodiscard]] bool Parse(std::string_view xml, std::vector<CGdpduTable>& tables, std::string& message);
// The table whose file name (URL without folders) equals `file`, case-insensitively; or none.
const CGdpduTable* FindByFile(const std::vector<CGdpduTable>& tables, std::string_view file);

} // namespace GdpduIndex
