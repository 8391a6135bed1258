#pragma once

#include <string>

class CData;

// The reference writer of the benchmark: the data file layout written the plain way, one
// fprintf per tag and value into a buffered stdio file. Returns false when writing fails.
bool WritePlain(const CData& data, const std::string& path);
