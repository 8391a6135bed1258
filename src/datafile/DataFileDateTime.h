#pragma once

#include "catalogue/DateTime.h"

#include <string>
#include <string_view>

// A sale's date and time in the data file: "%04d.%02d.%02d %02d:%02d" of year, month, day, hour
// and minute (seconds dropped). A value that is not valid writes -1 for every part, which gives
// "-001.-1.-1 -1:-1".
void AppendSaleDateTime(std::string& out, const CDateTime& dateTime);
// The same text written at `out` (at most kMaxSaleDateTime bytes); returns its end.
constexpr int kMaxSaleDateTime = 64;
char* PutSaleDateTime(char* out, const CDateTime& dateTime);

// Reads the parts at their fixed positions (year 0-3, month 5-6, day 8-9, hour 11-12, minute
// 14-15), each as an integer; seconds are 0. Parts that form no valid date and time, or a text
// too short to hold them, give an invalid value.
CDateTime ParseSaleDateTime(std::string_view text);
