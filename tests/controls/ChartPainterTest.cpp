#include "controls/ChartPainter.h"

#include "controls/ChartWnd.h"
#include "controls/model/ChartGraph.h"
#include "controls/model/ChartLayout.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 420;
const QColor kGreen(0, 192, 0);
const QColor kPink(255, 51, 153);

// Two months, three series: green 60 and 90, pink -20 (no bar) and 40, the third series without
// a colour (black) 30 and 0; axis 0..100, depth a tenth of the axis height.
CChartGraph MakeGraph()
{
    CChartGraph graph;
    graph.SetTitle("Umsatz netto");
    graph.SetCategoryTitle("Monat");
    graph.SetValueTitle("EUR");
    graph.SetDepthFactor(0.1);
    graph.AddColor(0, 0, 192, 0);
    graph.AddColor(1, 255, 51, 153);
    graph.AddSeriesName(0, "Alle");
    graph.AddSeriesName(1, "Alle Speisen");
    graph.AddSeriesName(2, "Bier");
    const int values[2][3] = {{60, -20, 30}, {90, 40, 0}};
    for (int month = 0; month < 2; ++month) {
        CChartGroup group(month == 0 ? "Jan." : "Feb.");
        for (int series = 0; series < 3; ++series)
            group.AddValue(series, values[month][series]);
        graph.AddGroup(group);
    }
    graph.SetValueRange(0, 100, 10);
    return graph;
}

// Every channel moved by `delta`, kept within 0..255.
QColor Shade(const QColor& color, int delta)
{
    const auto channel = [delta](int value) { return std::clamp(value + delta, 0, 255); };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

QColor At(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// Every pixel of `area` that has one of `colors`.
int CountColored(const QImage& image, const QRect& area, std::initializer_list<QColor> colors)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            for (const QColor& color : colors)
                count += At(image, x, y) == color ? 1 : 0;
        }
    }
    return count;
}

// The bounding box of the pixels in which two images differ.
QRect Difference(const QImage& a, const QImage& b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

class ChartPainter : public testing::Test
{
protected:
    ChartPainter() : layout(graph, kWidth, kHeight) {}

    CChartLayout::CBar Bar(int group, int series) const { return *layout.GetBar(group, series); }

    CChartGraph graph = MakeGraph();
    CChartLayout layout;
    QImage image = CChartPainter::Render(graph, QSize(kWidth, kHeight));
};

TEST_F(ChartPainter, BarsShowTheirColourInFrontDarkerAtTheSideLighterOnTop)
{
    const int depth = layout.GetDepth();
    ASSERT_GE(depth, 20);
    for (const auto& [group, series] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{1, 1}}) {
        SCOPED_TRACE(testing::Message() << "group " << group << " series " << series);
        const CChartLayout::CBar bar = Bar(group, series);
        const QColor front = series == 0 ? kGreen : kPink;
        const int middleY = (bar.Top + bar.Bottom) / 2;
        EXPECT_EQ(At(image, (bar.Left + bar.Right) / 2, middleY), front);
        EXPECT_EQ(At(image, bar.Left, middleY), front);
        EXPECT_EQ(At(image, bar.Right - 1, middleY), front);
        EXPECT_EQ(At(image, bar.Right + depth / 2, middleY - depth / 2), Shade(front, -35));
        EXPECT_EQ(At(image, (bar.Left + bar.Right) / 2 + depth / 2, bar.Top - depth / 2), Shade(front, 35));
    }
    // The third series has no colour: black front, and its side stays black.
    const CChartLayout::CBar black = Bar(0, 2);
    EXPECT_EQ(At(image, (black.Left + black.Right) / 2, (black.Top + black.Bottom) / 2), QColor(Qt::black));
    EXPECT_EQ(At(image, black.Right + depth / 2, (black.Top + black.Bottom) / 2 - depth / 2),
              QColor(Qt::black));
}

TEST_F(ChartPainter, TallerValuesDrawTallerBarsStandingOnTheFloor)
{
    const CChartLayout::CBar sixty = Bar(0, 0);
    const CChartLayout::CBar ninety = Bar(1, 0);
    const auto greenRows = [&](const CChartLayout::CBar& bar) {
        int rows = 0;
        for (int y = 0; y < kHeight; ++y)
            rows += At(image, (bar.Left + bar.Right) / 2, y) == kGreen ? 1 : 0;
        return rows;
    };
    // The top row of a front face is the edge of its top face.
    EXPECT_NEAR(greenRows(ninety), layout.GetAxisHeight() * 0.9, 2.0);
    EXPECT_NEAR(greenRows(sixty), greenRows(ninety) * 2.0 / 3.0, 2.0);
    EXPECT_NE(At(image, (sixty.Left + sixty.Right) / 2, sixty.Bottom), kGreen); // the floor line
    EXPECT_EQ(At(image, (sixty.Left + sixty.Right) / 2, sixty.Bottom - 1), kGreen);
}

TEST_F(ChartPainter, NegativeValueDrawsNoBar)
{
    EXPECT_FALSE(layout.GetBar(0, 1));
    // Where the pink bar of the first month would stand, between its neighbours: nothing pink.
    const CChartLayout::CBar left = Bar(0, 0);
    const CChartLayout::CBar right = Bar(0, 2);
    const QRect slot(left.Right, layout.GetOriginY() - layout.GetAxisHeight() - layout.GetDepth(),
                     right.Left - left.Right, layout.GetAxisHeight() + layout.GetDepth());
    EXPECT_EQ(CountColored(image, slot, {kPink, Shade(kPink, -35), Shade(kPink, 35)}), 0);
    // The same series in the second month is there.
    const CChartLayout::CBar forty = Bar(1, 1);
    EXPECT_GT(CountColored(image,
                           QRect(forty.Left, forty.Top, forty.Right - forty.Left, forty.Bottom - forty.Top),
                           {kPink}),
              0);
}

TEST_F(ChartPainter, LegendSwatchesShowTheSeriesColoursAndBlackWithoutOne)
{
    ASSERT_EQ(layout.GetLegendEntryCount(), 3);
    const QColor expected[] = {kGreen, kPink, QColor(Qt::black)};
    for (int index = 0; index < 3; ++index) {
        const CChartLayout::CLegendEntry entry = layout.GetLegendEntry(index);
        EXPECT_EQ(
            At(image, (entry.SwatchLeft + entry.SwatchRight) / 2, (entry.SwatchTop + entry.SwatchBottom) / 2),
            expected[index])
            << index;
        // The name is written left of the swatch.
        EXPECT_GT(CountColored(image, QRect(entry.NameX, entry.NameY, entry.SwatchLeft - entry.NameX, 14),
                               {QColor(Qt::black)}),
                  5)
            << index;
    }
}

TEST_F(ChartPainter, BackWallCarriesLightGridLinesAndTheLeftWallGreyOnes)
{
    const int depth = layout.GetDepth();
    // At 90, above the first month's bars.
    const CChartLayout::CTick tick = layout.GetTick(9);
    const int backX = layout.GetOriginX() + depth + 3;
    EXPECT_EQ(At(image, backX, tick.Y - depth), QColor(225, 225, 225));
    EXPECT_EQ(At(image, backX, tick.Y), QColor(Qt::white)); // nothing at the front height
    EXPECT_EQ(At(image, layout.GetOriginX() + depth / 2, tick.Y - depth / 2), QColor(128, 128, 128));
    // The floor's front edge is black, and so is the back plane's floor edge behind the bars.
    EXPECT_EQ(At(image, layout.GetOriginX() + 2, layout.GetOriginY()), QColor(Qt::black));
    EXPECT_EQ(At(image, layout.GetOriginX() + layout.GetAxisWidth() + depth - 2, layout.GetOriginY() - depth),
              QColor(Qt::black));
}

TEST_F(ChartPainter, TitlesAreWrittenWhereTheyBelongTheValueTitleReadingUpwards)
{
    CChartGraph untitled = MakeGraph();
    untitled.SetTitle("");
    const QRect title = Difference(image, CChartPainter::Render(untitled, QSize(kWidth, kHeight)));
    ASSERT_FALSE(title.isEmpty());
    EXPECT_GE(title.top(), 10);
    EXPECT_LE(title.bottom(), 10 + 24 + 2);
    EXPECT_NEAR(title.center().x(), kWidth / 2, 12);
    EXPECT_GT(title.width(), title.height());

    untitled = MakeGraph();
    untitled.SetValueTitle("");
    const QRect value = Difference(image, CChartPainter::Render(untitled, QSize(kWidth, kHeight)));
    ASSERT_FALSE(value.isEmpty());
    EXPECT_GE(value.left(), 10);
    EXPECT_LE(value.right(), 10 + 16 + 2);
    EXPECT_GT(value.height(), value.width()); // rotated
    EXPECT_NEAR(value.center().y(), layout.GetOriginY() - layout.GetAxisHeight() / 2, 12);

    untitled = MakeGraph();
    untitled.SetCategoryTitle("");
    const QRect category = Difference(image, CChartPainter::Render(untitled, QSize(kWidth, kHeight)));
    ASSERT_FALSE(category.isEmpty());
    EXPECT_GE(category.top(), kHeight - 20 - 11);
    EXPECT_GT(category.width(), category.height());
    EXPECT_NEAR(category.center().x(), layout.GetOriginX() + layout.GetAxisWidth() / 2, 12);
}

TEST_F(ChartPainter, TickAndGroupLabelsAreWritten)
{
    const CChartLayout::CTick top = layout.GetTick(10);
    EXPECT_GT(CountColored(image, QRect(top.LabelX, top.LabelY, layout.GetOriginX() - top.LabelX, 14),
                           {QColor(Qt::black)}),
              5);
    const CChartLayout::CCategory first = layout.GetCategory(0);
    EXPECT_GT(CountColored(image, QRect(first.LabelX - 4, first.LabelY, 40, 14), {QColor(Qt::black)}), 5);
}

TEST(ChartPainterModels, AnEmptyChartPaintsItsFrameWithoutBars)
{
    CChartGraph graph;
    graph.SetTitle("Wareneinsatz");
    const QImage image = CChartPainter::Render(graph, QSize(300, 200));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
    const CChartLayout layout(graph, 300, 200);
    EXPECT_EQ(image.pixelColor(layout.GetOriginX() + 5, layout.GetOriginY()), QColor(Qt::black));
    // A tiny window paints without failing.
    EXPECT_FALSE(CChartPainter::Render(MakeGraph(), QSize(20, 10)).isNull());
}

// Nothing of the frame, the grid or the scale is drawn where the title stands, at any size.
TEST(ChartPainterModels, FrameStaysClearOfTheTitleAtEverySize)
{
    for (const QSize size :
         {QSize(300, 200), QSize(640, 420), QSize(800, 600), QSize(1200, 800), QSize(1800, 1000)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        CChartGraph graph = MakeGraph();
        graph.SetTitle("Wareneinsatzquote");
        const QImage titled = CChartPainter::Render(graph, size);
        graph.SetTitle("");
        const QImage untitled = CChartPainter::Render(graph, size);
        const QRect title = Difference(titled, untitled).adjusted(-2, -2, 2, 2);
        ASSERT_FALSE(title.isEmpty());
        EXPECT_EQ(CountColored(untitled, title, {QColor(Qt::white)}), title.width() * title.height());
    }
}

// An axis over the whole 32-bit range (a ratio over a tiny negative revenue) keeps its ticks
// apart: the labels stay readable instead of merging into a black bar, and fit left of the axis.
TEST(ChartPainterModels, HugeValueRangePaintsAFewReadableTicks)
{
    CChartGraph graph = MakeGraph();
    graph.SetValueRange(-2147483000, 1000, 1000);
    const CChartLayout layout(graph, kWidth, kHeight);
    ASSERT_GE(layout.GetTickLineCount(), 3);
    EXPECT_LE(layout.GetTickLineCount(), layout.GetAxisHeight() / 12 + 1);
    for (int index = 1; index < layout.GetTickLineCount(); ++index)
        EXPECT_GE(layout.GetTick(index - 1).Y - layout.GetTick(index).Y, 12) << index;
    EXPECT_GE(layout.GetTick(0).LabelX, 10 + 16); // right of the value title
    const QImage image = CChartPainter::Render(graph, QSize(kWidth, kHeight));
    const int top = layout.GetOriginY() - layout.GetAxisHeight() - 6;
    const QRect labels(10 + 16, top, layout.GetOriginX() - 2 - 26, layout.GetOriginY() + 8 - top);
    const int ink = CountColored(image, labels, {QColor(Qt::black)});
    EXPECT_GT(ink, 0);
    EXPECT_LT(ink, labels.width() * labels.height() / 5);
}

TEST(ChartPainterModels, HighDpiDrawsTheSameChartAtTwiceThePixels)
{
    const CChartGraph graph = MakeGraph();
    const QImage image = CChartPainter::Render(graph, QSize(kWidth, kHeight), 2.0);
    ASSERT_EQ(image.width(), 2 * kWidth);
    const CChartLayout::CBar bar = *CChartLayout(graph, kWidth, kHeight).GetBar(1, 1);
    EXPECT_EQ(image.pixelColor(bar.Left + bar.Right, bar.Top + bar.Bottom), kPink);
}

TEST(ChartWindow, PaintsItsModelOnDemand)
{
    CChartWnd window;
    window.resize(kWidth, kHeight);
    window.Graph() = MakeGraph();
    const QImage shown = window.grab().toImage();
    const CChartLayout::CBar bar = *CChartLayout(window.Graph(), kWidth, kHeight).GetBar(0, 0);
    const QPoint centre((bar.Left + bar.Right) / 2, (bar.Top + bar.Bottom) / 2);
    EXPECT_EQ(shown.pixelColor(centre * shown.devicePixelRatio()), kGreen);
    window.Graph().Reset();
    EXPECT_EQ(window.grab().toImage().pixelColor(centre * shown.devicePixelRatio()), QColor(Qt::white));
}

} // namespace
