#pragma once

#include "cli/JsonValue.h"

#include <string>
#include <vector>

// Rows of a report as JSON objects, with the columns that the semicolon-separated form shows.
// Nested arrays and objects stay out of the CSV form.
struct CCliTable
{
    std::vector<std::string> Columns;
    CJsonArray Rows;

    // Header line and one line per row; numbers in the program's number text (15 significant
    // digits, decimal comma), texts quoted when they hold ";", a quote or a line break.
    std::string ToCsv() const;
};
