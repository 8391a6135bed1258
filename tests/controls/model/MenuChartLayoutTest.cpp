#include "controls/model/MenuChartLayout.h"

#include "controls/model/MenuChart.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Every character 7 pixels wide, whatever the font.
int FixedWidth(const std::string& text, int)
{
    return static_cast<int>(text.size()) * 7;
}
const CMenuChartLayout::CTextMeasure kMeasure = FixedWidth;

// Shares 5, 10, 30 and 35 % against 17,5 %; margins -2, 4, 8 and 12 against 6.
CMenuChart FourDishes()
{
    CMenuChart chart;
    chart.Title = "Menüanalyse";
    chart.XTitle = "Anteil (%)";
    chart.YTitle = "DB je Portion";
    chart.XThreshold = 17.5;
    chart.YThreshold = 6.0;
    chart.QuadrantLabels = {"Star", "Zugpferd", "Raetsel", "Ladenhueter"};
    const struct
    {
        double x, y;
        int quadrant;
        const char* name;
    } points[] = {
        {35, 12, 0, "Schnitzel"}, {30, 4, 1, "Gulasch"}, {10, 8, 2, "Forelle"}, {5, -2, 3, "Braten"}};
    std::uint32_t id = 0;
    for (const auto& point : points)
        chart.Points.push_back({point.x, point.y, point.quadrant, point.name, "", ++id});
    return chart;
}

// Share axis: 0..35 padded by 8 % of the span to 37,8, step 10 (a sixth of 40,6 is 6,8), so
// 0..40. Margin axis: -2..12 padded by 1,12 each side, step 5 (a sixth of 16,24 is 2,7), so
// -5..15.
TEST(MenuChartLayout, ScalesRunInNiceStepsAroundDataAndThresholds)
{
    const CMenuChart chart = FourDishes();
    const CMenuChartLayout layout(chart, 800, 500, kMeasure);
    std::string xLabels, yLabels;
    for (const auto& tick : layout.GetXTicks())
        xLabels += tick.Label + " ";
    for (const auto& tick : layout.GetYTicks())
        yLabels += tick.Label + " ";
    EXPECT_EQ(xLabels, "0 10 20 30 40 ");
    EXPECT_EQ(yLabels, "-5 0 5 10 15 ");
    const auto& plot = layout.GetPlot();
    EXPECT_EQ(layout.MapX(0.0), plot.Left);
    EXPECT_EQ(layout.MapX(40.0), plot.Right());
    EXPECT_EQ(layout.MapY(-5.0), plot.Bottom());
    EXPECT_EQ(layout.MapY(15.0), plot.Top);
    EXPECT_NEAR(layout.GetThresholdX(), plot.Left + plot.Width * 17.5 / 40.0, 1.0);
    EXPECT_NEAR(layout.GetThresholdY(), plot.Bottom() - plot.Height * 11.0 / 20.0, 1.0);
}

TEST(MenuChartLayout, EveryTextLiesInThePlotAndMeetsNoOther)
{
    for (const int count : {4, 40, 250}) {
        CMenuChart chart = FourDishes();
        for (int index = 4; index < count; ++index)
            chart.Points.push_back({(index % 37) * 1.0, (index % 13) - 2.0, index % 4,
                                    "Gericht Nr. " + std::to_string(index), "",
                                    static_cast<std::uint32_t>(index)});
        const CMenuChartLayout layout(chart, 800, 500, kMeasure);
        const auto& texts = layout.GetTexts();
        int names = 0;
        for (std::size_t a = 0; a < texts.size(); ++a) {
            EXPECT_TRUE(layout.GetPlot().Contains(texts[a].Box)) << texts[a].Text;
            names += texts[a].Point >= 0 ? 1 : 0;
            for (std::size_t b = a + 1; b < texts.size(); ++b)
                EXPECT_FALSE(texts[a].Box.Intersects(texts[b].Box))
                    << texts[a].Text << " / " << texts[b].Text;
        }
        if (count == 4) {
            EXPECT_EQ(texts.size(), 8u); // four quadrants, four names; no threshold labels given
            EXPECT_EQ(layout.GetPointRadius(), 5);
        } else if (count == 250) {
            EXPECT_LT(names, count); // a crowded chart leaves names out
            EXPECT_GT(names, 0);
            EXPECT_EQ(layout.GetPointRadius(), 3);
        }
    }
}

TEST(MenuChartLayout, FindsThePointWithinReach)
{
    const CMenuChart chart = FourDishes();
    const CMenuChartLayout layout(chart, 800, 500, kMeasure);
    const int x = layout.GetPointX(2), y = layout.GetPointY(2);
    EXPECT_EQ(layout.FindPoint(x, y), 2);
    EXPECT_EQ(layout.FindPoint(x + 7, y), 2); // radius 5 and 3 pixels around it
    EXPECT_EQ(layout.FindPoint(x + 9, y), -1);
    EXPECT_EQ(layout.FindPoint(0, 0), -1);
}

TEST(MenuChartLayout, EmptyChartPlacesItsTextOnly)
{
    CMenuChart chart = FourDishes();
    chart.EmptyText = "Nichts verkauft.";
    const CMenuChartLayout layout(chart, 800, 500, kMeasure);
    EXPECT_TRUE(layout.IsEmpty());
    EXPECT_TRUE(layout.GetTexts().empty());
    EXPECT_EQ(layout.GetEmptyText().Box.Left, (800 - 16 * 7) / 2);
    EXPECT_EQ(layout.FindPoint(400, 250), -1);
}

// One dish, all at the threshold: the axes still have a span.
TEST(MenuChartLayout, SinglePointAtTheThresholdsGetsAScale)
{
    CMenuChart chart;
    chart.XThreshold = 70.0;
    chart.YThreshold = 10.0;
    chart.Points.push_back({100.0, 10.0, 0, "Allein", "", 1});
    const CMenuChartLayout layout(chart, 400, 300, kMeasure);
    EXPECT_GE(layout.GetYTicks().size(), 2u);
    EXPECT_GT(layout.GetPointY(0), layout.GetPlot().Top);
    EXPECT_LT(layout.GetPointY(0), layout.GetPlot().Bottom());
    EXPECT_LT(layout.GetPointX(0), layout.GetPlot().Right());
}

} // namespace
