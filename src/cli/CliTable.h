#pragma once

#include "cli/JsonObject.h"
#include "cli/JsonValue.h"

#include <string>
#include <vector>

// Rows of a report as JSON objects, with the columns that the semicolon-separated form shows.
// Nested arrays and objects stay out of the CSV form.
struct CCliTable
{
    std::vector<std::string> Columns;
    // Makes the rows one by one, in order, and hands each over; a report of many rows is never
    // held as a whole.
    CJsonRowSource Rows;

    // Header line and one line per row; numbers in the program's number text (15 significant
    // digits, decimal comma), texts quoted when they hold ";", a quote or a line break.
    std::string ToCsv() const;
};
