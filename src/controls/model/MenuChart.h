#pragma once

#include "controls/model/ChartColor.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One dish on the menu chart: its share in percent (x), its margin per portion (y), its
// quadrant, its name and what a tooltip tells about it. Texts are Windows-1252.
struct CMenuChartPoint
{
    double X = 0.0;
    double Y = 0.0;
    // 0 popular and high margin (top right), 1 popular and low margin (bottom right), 2 rare
    // and high margin (top left), 3 rare and low margin (bottom left); -1 none.
    int Quadrant = -1;
    std::string Label;
    std::string Details;
    std::uint32_t Id = 0;
};

// The model of the menu chart: a scatter of the dishes over share and margin, cut into four
// quadrants by the two thresholds. The menu analysis fills it; CMenuChartLayout places it and
// a painter draws it. Points come in the order their labels are placed: the first ones keep
// theirs when labels would collide. A chart with an empty text shows only that text.
struct CMenuChart
{
    static constexpr int kQuadrants = 4;

    std::string Title;
    std::string XTitle;
    std::string YTitle;
    std::string EmptyText;
    double XThreshold = 0.0;
    double YThreshold = 0.0;
    std::string XThresholdLabel;
    std::string YThresholdLabel;
    std::array<std::string, kQuadrants> QuadrantLabels;
    std::array<CChartColor, kQuadrants> QuadrantColors;
    std::vector<CMenuChartPoint> Points;

    // The colour of a quadrant's points; grey for none.
    CChartColor ColorOf(int quadrant) const
    {
        return quadrant >= 0 && quadrant < kQuadrants ? QuadrantColors[quadrant]
                                                      : CChartColor(0, 128, 128, 128);
    }
};
