#include "controls/model/ChartLayout.h"

#include "controls/model/ChartGraph.h"

#include <gtest/gtest.h>

namespace {

TEST(ChartLayout, TitleFontStepsDownUntilTheTitleFits)
{
    struct Case
    {
        int length, width, height;
    };
    // 40 characters in a 300-pixel window (drawing width 295): 24, 22, ... 14.
    const Case cases[] = {{40, 295, 14}, {12, 295, 24}, {0, 295, 24}, {25, 295, 22}, {1000, 100, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(CChartLayout::TitleFontHeight(c.length, c.width), c.height) << c.length;
}

TEST(ChartLayout, AxisTitleFontFitsTheValueTitleWhenWideAndTheCategoryTitleWhenTall)
{
    struct Case
    {
        int valueLength, categoryLength, width, height, font;
    };
    const Case cases[] = {
        {40, 100, 600, 300, 14},                          // wide: the value title against the height
        {10, 100, 600, 300, 16}, {100, 30, 200, 400, 12}, // tall: the category title against the width
        {100, 5, 200, 400, 16},  {100, 5, 300, 300, 16},  // square counts as tall
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CChartLayout::AxisTitleFontHeight(c.valueLength, c.categoryLength, c.width, c.height),
                  c.font)
            << c.width << "x" << c.height;
    }
}

TEST(ChartLayout, DepthFactorPointOneOnAnAxisOf300GivesDepth30)
{
    CChartGraph graph;
    graph.SetDepthFactor(0.1);
    graph.SetValueTitle("EUR");
    graph.SetCategoryTitle("Monat");
    graph.SetTitle("Umsatz netto");
    const CChartLayout layout(graph, 800, 410); // axis height 410 - 20 - 50 - 40 = 300
    EXPECT_EQ(layout.GetDrawingWidth(), 795);
    EXPECT_EQ(layout.GetDepth(), 30);
    // The height gives up the depth twice: the back wall's top stays at 40, below the title.
    EXPECT_EQ(layout.GetAxisHeight(), 240);
    EXPECT_EQ(layout.GetOriginY() - layout.GetDepth() - layout.GetAxisHeight(), 40);
    EXPECT_EQ(layout.GetAxisWidth(), 692);
    EXPECT_EQ(layout.GetOriginX(), 98);
    EXPECT_EQ(layout.GetOriginY(), 310);
    EXPECT_EQ(layout.GetValueTitleY(8), 310 - 120 + 12);
    EXPECT_EQ(layout.GetCategoryTitleX(8), 428);
    EXPECT_EQ(layout.GetCategoryTitleY(), 379);
    EXPECT_EQ(layout.GetTitleX(10), 340);
}

TEST(ChartLayout, LegendBoxTakesItsWidthFromTheLongestName)
{
    CChartGraph graph;
    graph.AddColor(0, 0, 192, 0);
    graph.AddColor(1, 142, 255, 255);
    graph.AddSeriesName(0, "Alle");
    graph.AddSeriesName(1, "Alle Getr\xE4nke");
    graph.AddSeriesName(2, "Bier");
    CChartGroup group("Jan.");
    for (int series = 0; series < 3; ++series)
        group.AddValue(series, 10);
    graph.AddGroup(group);
    const CChartLayout layout(graph, 800, 600);

    ASSERT_TRUE(layout.HasLegend());
    EXPECT_EQ(layout.GetLegendTop(), 290 - 28);
    EXPECT_EQ(layout.GetLegendBottom(), 262 + 57);
    EXPECT_EQ(layout.GetLegendRight(), 790);
    EXPECT_EQ(layout.GetLegendLeft(), 790 - 13 * 7 - 25);
    EXPECT_EQ(layout.GetLegendWidth(), 116);
    // The front gives up the depth twice: the back wall ends 10 pixels left of the legend.
    EXPECT_EQ(layout.GetAxisWidth(), 674 - 68 - 10 - 24 - 24);
    EXPECT_EQ(layout.GetOriginX() + layout.GetAxisWidth() + layout.GetDepth(), layout.GetLegendLeft() - 10);

    ASSERT_EQ(layout.GetLegendEntryCount(), 3);
    const CChartLayout::CLegendEntry second = layout.GetLegendEntry(1);
    EXPECT_EQ(second.Name, "Alle Getr\xE4nke");
    EXPECT_EQ(second.NameX, 679);
    EXPECT_EQ(second.NameY, 262 + 5 + 18);
    EXPECT_EQ(second.SwatchLeft, 674 + 10 + 6 * 13);
    EXPECT_EQ(second.SwatchRight, 785);
    EXPECT_EQ(second.SwatchBottom, second.NameY + 12);
    EXPECT_EQ(second.Color, CChartColor(1, 142, 255, 255));
    EXPECT_EQ(layout.GetLegendEntry(2).Color, CChartColor(2, 0, 0, 0)); // no colour: black
}

// Three series in 12 groups on a plot 600 wide and 500 high, no depth, axis 0..100.
class TwelveGroups : public testing::Test
{
protected:
    void SetUp() override
    {
        graph.SetDepthFactor(0.0);
        graph.AddColor(0, 0, 192, 0);
        for (int month = 0; month < 12; ++month) {
            CChartGroup group(month == 0 ? "Jan." : "");
            group.AddValue(0, month == 0 ? 37 : 0);
            group.AddValue(1, month == 0 ? -5 : 100);
            if (month != 0)
                group.AddValue(2, 150);
            graph.AddGroup(group);
        }
    }
    CChartLayout Layout() const { return CChartLayout(graph, 678, 610); }

    CChartGraph graph;
};

TEST_F(TwelveGroups, GroupAndBarWidthsFollowThePlotWidth)
{
    const CChartLayout layout = Layout();
    EXPECT_EQ(layout.GetAxisWidth(), 600);
    EXPECT_EQ(layout.GetAxisHeight(), 500);
    EXPECT_EQ(layout.GetGroupWidth(), 50);
    EXPECT_EQ(layout.GetBarWidth(), 13);
    EXPECT_EQ(layout.GetClusterWidth(), 39);
    const CChartLayout::CCategory first = layout.GetCategory(0);
    EXPECT_EQ(first.BoundaryX, 68 + 50);
    EXPECT_EQ(first.LabelX, 118 - 25 - 16);
    EXPECT_EQ(first.LabelY, 548);
    EXPECT_EQ(layout.GetCategory(11).BoundaryX, 68 + 600);
}

TEST_F(TwelveGroups, BarsRiseFromTheValueMinimumAndStopAtTheAxisHeight)
{
    const CChartLayout layout = Layout();
    struct Case
    {
        int group, series;
        bool drawn;
        int left, top;
    };
    const Case cases[] = {
        {0, 0, true, 93 - 19, 540 - 185}, // 37 at scale 5
        {0, 1, false, 0, 0},              // negative: no bar
        {0, 2, true, 93 - 19 + 26, 540},  // no value for the series: 0, height 0
        {1, 0, true, 143 - 19, 540},      // the value minimum: height 0
        {1, 1, true, 143 - 19 + 13, 40},  // the maximum: the full axis
        {1, 2, true, 143 - 19 + 26, 40},  // above the maximum: capped
        {12, 0, false, 0, 0},
        {0, 3, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "group " << c.group << " series " << c.series);
        const auto bar = layout.GetBar(c.group, c.series);
        ASSERT_EQ(bar.has_value(), c.drawn);
        if (!c.drawn)
            continue;
        EXPECT_EQ(bar->Left, c.left);
        EXPECT_EQ(bar->Right, c.left + 13);
        EXPECT_EQ(bar->Top, c.top);
        EXPECT_EQ(bar->Bottom, 540);
    }
    const auto bar = layout.GetBar(0, 0);
    EXPECT_EQ(bar->Front, CChartColor(0, 0, 192, 0));
    EXPECT_EQ(bar->Side, CChartColor(0, 0, 157, 0));
    EXPECT_EQ(bar->TopFace, CChartColor(0, 35, 227, 35));
    EXPECT_EQ(layout.GetBar(0, 2)->Front, CChartColor(2, 0, 0, 0));
}

TEST_F(TwelveGroups, ValueBelowAPositiveAxisMinimumDrawsNoDownwardBar)
{
    graph.SetValueRange(100, 500, 100);
    const CChartLayout layout = Layout();
    EXPECT_EQ(layout.GetBar(0, 0)->Top, 540); // 37 < 100: height 0, not below the floor
    EXPECT_EQ(layout.GetBar(1, 2)->Top, 540 - 62);
}

TEST_F(TwelveGroups, ValueScaleRunsFromTheMinimumInTickSteps)
{
    graph.SetValueRange(-50, 110, 10);
    const CChartLayout layout = Layout();
    ASSERT_EQ(layout.GetTickLineCount(), 17);
    const CChartLayout::CTick bottom = layout.GetTick(0);
    EXPECT_EQ(bottom.Y, 540);
    EXPECT_EQ(bottom.Label, "-50");
    EXPECT_EQ(bottom.LabelX, 68 - 6 * 3 - 10);
    EXPECT_EQ(bottom.LabelY, 534);
    const CChartLayout::CTick top = layout.GetTick(16);
    EXPECT_EQ(top.Y, 540 - 16 * 31); // spacing 500 / 16
    EXPECT_EQ(top.Label, "110");
    EXPECT_EQ(layout.GetBar(0, 0)->Top, 540 - 271); // (37 + 50) * 500 / 160
}

// Two years of months, every second one labelled as the evaluation labels them: on a narrow
// chart the labels thin out instead of running into each other; a wide chart shows them all.
TEST(ChartLayout, MonthLabelsNeverOverlap)
{
    CChartGraph graph;
    graph.AddColor(0, 0, 192, 0);
    for (int month = 0; month < 24; ++month) {
        CChartGroup group(month % 2 == 0 ? "M 22" : "");
        group.AddValue(0, 100);
        graph.AddGroup(group);
    }
    for (const int width : {360, 450, 3000}) {
        SCOPED_TRACE(width);
        const CChartLayout layout(graph, width, 500);
        int shown = 0;
        int lastRight = -1000000;
        for (int index = 0; index < 24; ++index) {
            const CChartLayout::CCategory category = layout.GetCategory(index);
            if (!category.LabelShown)
                continue;
            EXPECT_EQ(index % 2, 0) << "an empty label is never shown";
            EXPECT_GT(category.LabelX, lastRight) << "month " << index;
            lastRight = category.LabelX + 8 * 4;
            ++shown;
        }
        EXPECT_TRUE(layout.GetCategory(0).LabelShown);
        if (width == 3000)
            EXPECT_EQ(shown, 12);
        else
            EXPECT_LT(shown, 12);
    }
}

TEST(ChartLayout, DegenerateModelsDrawNoBarsInsteadOfDividingByZero)
{
    CChartGraph graph;
    EXPECT_FALSE(CChartLayout(graph, 400, 300).GetBar(0, 0)); // no groups
    graph.AddGroup(CChartGroup("Jan."));
    graph.SetValueRange(0, 0, 0);
    const CChartLayout noSeries(graph, 400, 300);
    EXPECT_FALSE(noSeries.GetBar(0, 0));
    ASSERT_EQ(noSeries.GetTickLineCount(), 1);
    EXPECT_EQ(noSeries.GetTick(0).Y, noSeries.GetOriginY());

    CChartGroup group("Feb.");
    group.AddValue(0, 5);
    graph.AddGroup(group);
    graph.SetValueRange(5, 5, 2); // an empty value range: bars of height 0
    const CChartLayout flat(graph, 400, 300);
    EXPECT_EQ(flat.GetBar(1, 0)->Top, flat.GetOriginY());
}

} // namespace
