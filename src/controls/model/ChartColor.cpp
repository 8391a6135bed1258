#include "ChartColor.h"

#include <algorithm>

namespace {

constexpr int kShadeStep = 35;

std::uint8_t Shade(std::uint8_t channel, int step)
{
    return static_cast<std::uint8_t>(std::clamp(channel + step, 0, 255));
}

} // namespace

CChartColor CChartColor::Darker() const
{
    return {SeriesIndex, Shade(Red, -kShadeStep), Shade(Green, -kShadeStep), Shade(Blue, -kShadeStep)};
}

CChartColor CChartColor::Lighter() const
{
    return {SeriesIndex, Shade(Red, kShadeStep), Shade(Green, kShadeStep), Shade(Blue, kShadeStep)};
}
