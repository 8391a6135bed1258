#include "controls/MenuChartPainter.h"

#include "controls/MenuChartWnd.h"
#include "controls/model/MenuChart.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 500;
const QColor kColors[] = {QColor(0, 150, 0), QColor(0, 100, 210), QColor(230, 140, 0), QColor(200, 30, 30)};
const QColor kThreshold = QColor::fromRgb(CMenuChartPainter::kThresholdColor);

// Shares 5, 10, 30 and 35 % against 17,5 %; margins -2, 4, 8 and 12 against 6: the share axis
// runs 0..40 and the margin axis -5..15 (worked out in MenuChartLayoutTest).
CMenuChart FourDishes()
{
    CMenuChart chart;
    chart.Title = "Men\xFC"
                  "analyse";
    chart.XTitle = "Anteil an den verkauften Portionen (%)";
    chart.YTitle = "Deckungsbeitrag je Portion (EUR)";
    chart.XThreshold = 17.5;
    chart.YThreshold = 6.0;
    chart.XThresholdLabel = "Beliebtheitsschwelle 17,5 %";
    chart.YThresholdLabel = "\xD8 DB 6,00";
    chart.QuadrantLabels = {"Star", "Zugpferd", "R\xE4tsel", "Ladenh\xFCter"};
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
        const QColor& color = kColors[quadrant];
        chart.QuadrantColors[quadrant] = CChartColor(quadrant, color.red(), color.green(), color.blue());
    }
    chart.Points = {{35, 12, 0, "Schnitzel", "", 1},
                    {30, 4, 1, "Gulasch", "", 2},
                    {10, 8, 2, "Forelle", "", 3},
                    {5, -2, 3, "Braten", "", 4}};
    return chart;
}

CMenuChartLayout LayoutOf(const CMenuChart& chart, const CMenuChartLayout::CTextMeasure& measure)
{
    return CMenuChartLayout(chart, kWidth, kHeight, measure);
}

int CountColor(const QImage& image, const QColor& color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color ? 1 : 0;
    }
    return count;
}

// Each dot in its quadrant's colour where its share and margin put it on the scales, on the
// side of both threshold lines its class says; the lines run where the thresholds are.
TEST(MenuChartPainter, DotsSitInTheirQuadrantsInTheirColours)
{
    const CMenuChart chart = FourDishes();
    const QImage image = CMenuChartPainter::Render(chart, QSize(kWidth, kHeight));
    const auto measure = CMenuChartPainter::Measure();
    const CMenuChartLayout layout = LayoutOf(chart, measure);
    const auto& plot = layout.GetPlot();
    const auto x = [&](double share) {
        return plot.Left + static_cast<int>(std::lround(share / 40.0 * plot.Width));
    };
    const auto y = [&](double margin) {
        return plot.Bottom() - static_cast<int>(std::lround((margin + 5.0) / 20.0 * plot.Height));
    };
    const int lineX = x(17.5), lineY = y(6.0);
    for (int row : {plot.Top + 2, (plot.Top + lineY) / 2, plot.Bottom() - 2})
        EXPECT_EQ(image.pixelColor(lineX, row), kThreshold) << "share line at row " << row;
    for (int column : {plot.Left + 2, (plot.Left + lineX) / 2, plot.Right() - 2})
        EXPECT_EQ(image.pixelColor(column, lineY), kThreshold) << "margin line at column " << column;
    EXPECT_NE(image.pixelColor(lineX + 3, (plot.Top + lineY) / 2), kThreshold);

    const struct
    {
        double share, margin;
        int quadrant;
        bool right, above;
    } dots[] = {
        {35, 12, 0, true, true}, {30, 4, 1, true, false}, {10, 8, 2, false, true}, {5, -2, 3, false, false}};
    for (const auto& dot : dots) {
        SCOPED_TRACE(dot.quadrant);
        EXPECT_EQ(image.pixelColor(x(dot.share), y(dot.margin)), kColors[dot.quadrant]);
        EXPECT_EQ(image.pixelColor(x(dot.share) + 2, y(dot.margin) - 2), kColors[dot.quadrant]);
        EXPECT_EQ(x(dot.share) > lineX, dot.right);
        EXPECT_EQ(y(dot.margin) < lineY, dot.above);
        EXPECT_NE(image.pixelColor(x(dot.share) + 9, y(dot.margin)), kColors[dot.quadrant]); // a dot, no blot
    }
}

// The names' ink stays in their boxes, and the boxes are apart: drawing the names changes
// pixels only inside the box of one of them, with 250 crowded dishes too.
TEST(MenuChartPainter, NoNameIsDrawnOverAnother)
{
    for (const int count : {4, 250}) {
        CMenuChart chart = FourDishes();
        for (int index = 4; index < count; ++index)
            chart.Points.push_back({(index % 37) * 1.0, (index % 13) - 2.0, index % 4,
                                    "Gericht Nr. " + std::to_string(index), "",
                                    static_cast<std::uint32_t>(index)});
        CMenuChart unnamed = chart;
        for (CMenuChartPoint& point : unnamed.Points)
            point.Label.clear();
        const QImage named = CMenuChartPainter::Render(chart, QSize(kWidth, kHeight));
        if (qEnvironmentVariableIsSet("KK_SAVE_MENU_CHART"))
            named.save(QString("/tmp/menu-chart-%1.png").arg(count));
        const QImage bare = CMenuChartPainter::Render(unnamed, QSize(kWidth, kHeight));
        const auto measure = CMenuChartPainter::Measure();
        const CMenuChartLayout layout = LayoutOf(chart, measure);
        std::vector<QRect> boxes;
        for (const auto& text : layout.GetTexts()) {
            if (text.Point >= 0)
                boxes.emplace_back(text.Box.Left, text.Box.Top, text.Box.Width, text.Box.Height);
        }
        ASSERT_FALSE(boxes.empty());
        int changed = 0;
        for (int row = 0; row < kHeight; ++row) {
            for (int column = 0; column < kWidth; ++column) {
                if (named.pixel(column, row) == bare.pixel(column, row))
                    continue;
                ++changed;
                const int holders = static_cast<int>(std::count_if(
                    boxes.begin(), boxes.end(), [&](const QRect& box) { return box.contains(column, row); }));
                ASSERT_EQ(holders, 1) << count << " dishes, pixel " << column << "," << row;
            }
        }
        EXPECT_GT(changed, 50 * static_cast<int>(boxes.size()));
    }
}

TEST(MenuChartPainter, EmptyChartShowsItsTextAndNoScale)
{
    CMenuChart chart = FourDishes();
    chart.EmptyText = "Im gew\xE4hlten Zeitraum wurde nichts verkauft.";
    const QImage image = CMenuChartPainter::Render(chart, QSize(kWidth, kHeight));
    for (const QColor& color : kColors)
        EXPECT_EQ(CountColor(image, color), 0);
    EXPECT_EQ(CountColor(image.copy(0, kHeight / 2 + 30, kWidth, kHeight / 2 - 30), Qt::white),
              kWidth * (kHeight / 2 - 30)); // no frame, scale or line below the text
    int ink = 0;
    for (int column = 0; column < kWidth; ++column) {
        for (int row = kHeight / 2 - 5; row < kHeight / 2 + 10; ++row)
            ink += qGray(image.pixel(column, row)) < 128 ? 1 : 0;
    }
    EXPECT_GT(ink, 100);
}

// A hover over a dot finds its dish; a double click on it reports its id.
TEST(MenuChartWnd, DoubleClickOnADotReportsItsDish)
{
    CMenuChartWnd window;
    window.Chart() = FourDishes();
    window.resize(kWidth, kHeight);
    const auto measure = CMenuChartPainter::Measure();
    const CMenuChartLayout layout = LayoutOf(window.Chart(), measure);
    const QPoint forelle(layout.GetPointX(2), layout.GetPointY(2));
    EXPECT_EQ(window.PointAt(forelle), 2);
    std::uint32_t reported = 0;
    QObject::connect(&window, &CMenuChartWnd::PointActivated, [&](std::uint32_t id) { reported = id; });
    QMouseEvent click(QEvent::MouseButtonDblClick, forelle, window.mapToGlobal(forelle), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &click);
    EXPECT_EQ(reported, 3u);
}

} // namespace
