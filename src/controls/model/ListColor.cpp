#include "ListColor.h"

namespace {

constexpr int kLightThreshold = 241;
constexpr int kBrightenLimit = 232;
constexpr int kDarkenStep = 8;

std::uint8_t Brightened(std::uint8_t channel)
{
    return channel < kBrightenLimit ? static_cast<std::uint8_t>(channel + channel / 10) : 255;
}

} // namespace

CListColor CListColor::SortShade() const
{
    const bool light = Red >= kLightThreshold && Green >= kLightThreshold && Blue >= kLightThreshold;
    if (light) {
        return {static_cast<std::uint8_t>(Red - kDarkenStep), static_cast<std::uint8_t>(Green - kDarkenStep),
                static_cast<std::uint8_t>(Blue - kDarkenStep)};
    }
    return {Brightened(Red), Brightened(Green), Brightened(Blue)};
}
