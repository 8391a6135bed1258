#pragma once

#include <cstdint>
#include <string>

// How a column aligns its header and cells.
enum class EColumnFormat : std::uint8_t { Left = 0, Right = 1 };

// A column of a list model: its model index, header (text, and the string id it came from or
// 0), alignment, and what the layout record keeps: visibility, width, width to restore when a
// hidden column is shown again, and position on screen.
class CListColumn
{
public:
    int Index = -1;
    std::uint32_t HeaderId = 0;
    std::string Header;
    EColumnFormat Format = EColumnFormat::Left;
    bool Hideable = true;
    bool Visible = true;
    // The shown width; 0 while hidden.
    int Width = 0;
    int HiddenWidth = 0;
    std::uint32_t DisplayOrder = 0;
};
