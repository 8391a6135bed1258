#pragma once

#include "StrongPugiLoader.h"

#include <memory>
#include <string_view>

// The reference renderer of the benchmark: the data file text of a StrongPugi catalogue, built
// in one buffer sized from the records, every field as a constant opening line, its value and a
// constant closing line, numbers with to_chars.
struct CStrongText
{
    std::unique_ptr<char[]> Bytes;
    std::size_t Length = 0;

    std::string_view View() const { return {Bytes.get(), Length}; }
};

CStrongText RenderStrong(const StrongPugi::CCatalogue& catalogue);
