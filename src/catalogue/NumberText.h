#pragma once

#include <string>

// The one conversion between numbers and the text the program shows and reads: decimal comma,
// "." between groups of three digits. Every field, list cell and printout goes through it.
namespace NumberText {

// Precision -1: 15 significant digits; -2: six significant digits ("%g" style); -3: the value
// truncated toward zero as a whole number (saturated at the 32-bit range); p >= 0: p decimals,
// raised for magnitudes between 1e-6 and 0.1 so that small amounts keep their leading digits
// (0.05 with 2 decimals reads "0,050").
std::string Format(double value, int precision);

// The value truncated toward zero as a whole number, held at the 32-bit range; NaN gives 0.
// Every number shown or drawn "as a whole number" goes through it.
int TruncateToInt(double value);

// Reads a number as the user typed it: at most 31 characters, "." ignored, "," as decimal
// separator, blanks and tabs around it allowed. Returns false (value unchanged) when the text
// is not a plain decimal number, or reads as 0 without starting with "0".
bool Parse(const std::string& text, double& value);

} // namespace NumberText
