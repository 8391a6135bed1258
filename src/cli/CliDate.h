#pragma once

#include "catalogue/DateTime.h"

#include <optional>
#include <string>

// Reads a date of the command line: YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS], local time. None when
// the text has another shape or names no real date.
std::optional<CDateTime> ParseCliDate(const std::string& text);
