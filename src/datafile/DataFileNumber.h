#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Numbers as the data file writes and reads them, independent of the C locale: doubles with
// six decimals and a point ("%f"), integers in decimal ("%d"). Reading converts the longest
// valid prefix after leading white space and gives 0 when there is none.
void AppendFileDouble(std::string& out, double value);
void AppendFileInt(std::string& out, int value);
// `value` as "%0*d": zero-padded to `width` characters, a minus sign counting as one of them.
void AppendPaddedInt(std::string& out, int value, int width);
// The same texts written at `out`, which has room for them (kMaxFileNumber bytes for a double,
// 16 for an integer); each returns the end of what it wrote.
constexpr std::size_t kMaxFileNumber = 400;
char* PutFileDouble(char* out, double value);
char* PutFileInt(char* out, int value);
char* PutPaddedInt(char* out, int value, int width);

// Sign, digits, point, fraction and exponent; a value outside the range of double gives 0, and
// so do "inf" and "nan", which are no numbers of the file.
double ParseFileDouble(std::string_view text);
// Sign and digits; the value is clamped to the range of int.
int ParseFileInt(std::string_view text);
