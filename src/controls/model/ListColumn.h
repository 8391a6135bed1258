#pragma once

#include <cstdint>
#include <string>

// A column of a list model: its model index, header (text, and the string id it came from or
// 0), alignment, and what the layout record keeps: visibility, width, width to restore when a
// hidden column is shown again, and position on screen.
class CListColumn
{
public:
    enum EFormat : std::uint32_t { FormatLeft = 0, FormatRight = 1 };

    int Index = -1;
    std::uint32_t HeaderId = 0;
    std::string Header;
    std::uint32_t Format = FormatLeft;
    bool Hideable = true;
    bool Visible = true;
    // The shown width; 0 while hidden.
    int Width = 0;
    int HiddenWidth = 0;
    std::uint32_t DisplayOrder = 0;
};
