#pragma once

#include <string_view>

class CData;

// What the catalogue remembers of the text last read or written, to tell whether a fresh
// rendering differs: the weighted checksum, the length and a 64-bit hash.
void RememberDataFileText(CData& data, std::string_view text);
// Whether `text` is the text last read or written; false before the first read or write.
bool IsRememberedDataFileText(const CData& data, std::string_view text);
