#include "controls/model/ChartGraph.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(ChartGraph, TickCountIsTheSpanOverTheStepRoundedUp)
{
    struct Case
    {
        int minimum, maximum, step, ticks;
    };
    const Case cases[] = {
        {0, 38, 2, 19}, {-50, 110, 10, 16}, {0, 5, 2, 3},    {10, 10, 2, 0},
        {10, 0, 2, 0},  {0, 100, 0, 0},     {0, 100, -5, 0}, {INT_MIN, INT_MAX, 1, INT_MAX},
    };
    for (const Case& c : cases) {
        CChartGraph graph;
        graph.SetValueRange(c.minimum, c.maximum, c.step);
        EXPECT_EQ(graph.GetTickCount(), c.ticks) << c.minimum << ".." << c.maximum << " step " << c.step;
    }
}

TEST(ChartGraph, SeriesCountIsTheLargestGroupAndResetEmptiesTheModelButKeepsTitles)
{
    CChartGraph graph;
    graph.SetTitle("Umsatz netto");
    graph.AddColor(0, 0, 192, 0);
    graph.AddSeriesName(0, "Alle");
    graph.AddSeriesName(1, "Alle Speisen");
    CChartGroup january("Jan.");
    for (int series : {0, 1, 2})
        january.AddValue(series, series);
    graph.AddGroup(january);
    graph.AddGroup(CChartGroup("Feb."));
    EXPECT_EQ(graph.GetSeriesCount(), 3);
    EXPECT_TRUE(graph.IsLegendShown());
    EXPECT_EQ(graph.GetLegend().GetLongestName(), 12);

    graph.Reset();
    EXPECT_EQ(graph.GetSeriesCount(), 0);
    EXPECT_EQ(graph.GetGroupCount(), 0);
    EXPECT_TRUE(graph.GetColors().empty());
    EXPECT_EQ(graph.GetLegend().GetLongestName(), 0);
    EXPECT_FALSE(graph.IsLegendShown());
    EXPECT_EQ(graph.GetTitle(), "Umsatz netto");
}

TEST(ChartGraph, LookupsGiveZeroOrBlackWhenNothingIsThere)
{
    CChartGroup group("Jan.");
    group.AddValue(2, 7);
    group.AddValue(0, -3);
    group.AddValue(2, 9);
    EXPECT_EQ(group.GetValue(0), -3);
    EXPECT_EQ(group.GetValue(2), 7);
    EXPECT_EQ(group.GetValue(1), 0);

    CChartGraph graph;
    graph.AddColor(5, 142, 255, 255);
    EXPECT_EQ(graph.GetColor(0), CChartColor(5, 142, 255, 255)); // by position, not by index
    EXPECT_EQ(graph.GetColor(1), CChartColor(1, 0, 0, 0));
}

TEST(ChartValue, TruncatesTowardZeroAndSaturates)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, int> cases[] = {{33.333, 33},   {-57.9, -57},         {-0.99, 0},
                                            {3e9, INT_MAX}, {-infinity, INT_MIN}, {std::nan(""), 0}};
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(CChartValue::Truncate(value), expected) << value;
}

} // namespace
