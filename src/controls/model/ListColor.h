#pragma once

#include <cstdint>

// A colour of the list as red, green and blue channels, and the shading rule for the cells of
// the sorted column.
class CListColor
{
public:
    // The shading of the sorted column on this background: when any channel is below 241,
    // every channel below 232 grows by a tenth and every other one becomes 255 (a lighter
    // tint); when all are 241 or more, every channel is lowered by 8 (a light grey on white).
    CListColor SortShade() const;

    bool operator==(const CListColor&) const = default;

    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};
