#include "controls/model/ChartGraph.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

CChartGroup Group(const std::string& label, std::initializer_list<std::pair<int, int>> values)
{
    CChartGroup group(label);
    for (const auto& [series, value] : values)
        group.AddValue(series, value);
    return group;
}

TEST(ChartGraph, TickCountIsTheSpanOverTheStepRoundedUp)
{
    struct Case
    {
        int minimum, maximum, step, ticks;
    };
    const Case cases[] = {
        {0, 38, 2, 19},     {100, 500, 100, 4},
        {-50, 110, 10, 16}, {0, 5, 2, 3},
        {0, 2, 2, 1},       {10, 10, 2, 0},
        {10, 0, 2, 0},      {0, 100, 0, 0},
        {0, 100, -5, 0},    {INT_MIN, INT_MAX, 1, INT_MAX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.minimum << ".." << c.maximum << " step " << c.step);
        CChartGraph graph;
        graph.SetValueRange(c.minimum, c.maximum, c.step);
        EXPECT_EQ(graph.GetTickCount(), c.ticks);
        EXPECT_EQ(graph.GetValueMinimum(), c.minimum);
        EXPECT_EQ(graph.GetValueMaximum(), c.maximum);
        EXPECT_EQ(graph.GetTickStep(), c.step);
    }
}

TEST(ChartGraph, SeriesCountIsTheLargestGroupAndResetEmptiesTheModelButKeepsTitles)
{
    CChartGraph graph;
    graph.SetTitle("Umsatz netto");
    graph.SetValueTitle("1000 EUR");
    graph.SetCategoryTitle("Monat");
    graph.AddColor(0, 0, 192, 0);
    graph.AddSeriesName(0, "Alle");
    graph.AddSeriesName(1, "Alle Speisen");
    graph.AddGroup(Group("Jan.", {{0, 1}, {1, 2}, {2, 3}}));
    graph.AddGroup(Group("Feb.", {{0, 4}}));
    EXPECT_EQ(graph.GetSeriesCount(), 3);
    EXPECT_EQ(graph.GetGroupCount(), 2);
    EXPECT_TRUE(graph.IsLegendShown());
    EXPECT_EQ(graph.GetLegend().GetLongestName(), 12);
    EXPECT_EQ(graph.GetValueTitleLength(), 8);
    EXPECT_EQ(graph.GetCategoryTitleLength(), 5);

    graph.Reset();
    EXPECT_EQ(graph.GetSeriesCount(), 0);
    EXPECT_EQ(graph.GetGroupCount(), 0);
    EXPECT_TRUE(graph.GetColors().empty());
    EXPECT_EQ(graph.GetLegend().GetCount(), 0);
    EXPECT_EQ(graph.GetLegend().GetLongestName(), 0);
    EXPECT_FALSE(graph.IsLegendShown());
    EXPECT_EQ(graph.GetTitle(), "Umsatz netto");
}

TEST(ChartGraph, LookupsGiveZeroOrBlackWhenNothingIsThere)
{
    const CChartGroup group = Group("Jan.", {{2, 7}, {0, -3}, {2, 9}});
    EXPECT_EQ(group.GetValue(0), -3);
    EXPECT_EQ(group.GetValue(2), 7);
    EXPECT_EQ(group.GetValue(1), 0);

    CChartGraph graph;
    graph.AddColor(5, 142, 255, 255);
    EXPECT_EQ(graph.GetColor(0), CChartColor(5, 142, 255, 255)); // by position, not by index
    EXPECT_EQ(graph.GetColor(1), CChartColor(1, 0, 0, 0));
    EXPECT_EQ(graph.GetColor(-1), CChartColor(-1, 0, 0, 0));
    EXPECT_EQ(graph.GetLegend().GetName(0), "");
}

TEST(ChartColor, FacesAreShadedBy35WithinTheByteRange)
{
    const CChartColor green(0, 0, 192, 0);
    EXPECT_EQ(green.Darker(), CChartColor(0, 0, 157, 0));
    EXPECT_EQ(green.Lighter(), CChartColor(0, 35, 227, 35));
    const CChartColor cream(4, 255, 226, 177);
    EXPECT_EQ(cream.Darker(), CChartColor(4, 220, 191, 142));
    EXPECT_EQ(cream.Lighter(), CChartColor(4, 255, 255, 212));
}

TEST(ChartValue, TruncatesTowardZeroAndSaturates)
{
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<double, int> cases[] = {
        {33.333, 33},
        {-57.9, -57},
        {0.99, 0},
        {-0.99, 0},
        {3e9, INT_MAX},
        {-3e9, INT_MIN},
        {kInfinity, INT_MAX},
        {-kInfinity, INT_MIN},
        {std::nan(""), 0},
        {2147483646.5, 2147483646},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(CChartValue::Truncate(value), expected) << value;
}

} // namespace
