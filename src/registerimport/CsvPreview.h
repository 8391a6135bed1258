#pragma once

#include "CsvColumns.h"

#include <cstddef>
#include <string>
#include <vector>

class CCsvJournal;

// One row of a journal as the column dialog shows it: the texts of what will be read, or why
// the row cannot be read. Texts are Windows-1252; numbers in the program's number text.
struct CCsvPreviewRow
{
    std::size_t FileLine = 0;
    bool Readable = false;   // a sale
    bool Unreadable = false; // neither a sale nor blank
    std::string Date, Item, Quantity, Gross, Group;
    std::string Note; // empty for a readable row
};

// What the column dialog shows, without a window.
namespace CsvPreview {

// The first `count` rows after the heading (when the journal has one), blank rows included
// and marked as left out.
std::vector<CCsvPreviewRow> Rows(const CCsvJournal& journal, const CCsvColumns& columns, std::size_t count);
// The entry of a column in the choice boxes: "1: Datum" with a heading, else "1: 01.03.2026"
// (its first value, shortened).
std::string ColumnChoice(const CCsvJournal& journal, int column, bool hasHeading);

} // namespace CsvPreview
