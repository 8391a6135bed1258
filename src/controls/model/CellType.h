#pragma once

#include <cstdint>

// How a list cell shows its content: as text, or as a number in one of the number formats.
// `None` is no cell type at all (a column whose cells differ in type).
enum class ECellType : std::uint8_t {
    None = 0,
    Text = 1,
    General = 2,        // shortest general notation
    Truncated = 3,      // whole number, truncated toward zero
    TwoDecimals = 4,    // two decimals, more for small magnitudes
    OneDecimal = 5,     // one decimal, more for small magnitudes
    TwoDecimalsAlt = 6, // shown like TwoDecimals
    Integer = 7,        // whole number
};
