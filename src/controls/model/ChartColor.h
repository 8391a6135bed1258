#pragma once

#include <cstdint>

// The bar colour of one chart series (red, green, blue bytes) and the shades of a bar's side and
// top faces. The default is black, the colour of a series without one.
class CChartColor
{
public:
    CChartColor() = default;
    CChartColor(int seriesIndex, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
        : SeriesIndex(seriesIndex), Red(red), Green(green), Blue(blue)
    {}

    // Every channel 35 darker, at least 0: the side face of a bar.
    CChartColor Darker() const;
    // Every channel 35 lighter, at most 255: the top face of a bar.
    CChartColor Lighter() const;

    bool operator==(const CChartColor&) const = default;

    int SeriesIndex = 0;
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
};
