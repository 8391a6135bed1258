#pragma once

#include "controls/model/MenuChartLayout.h"

#include <QImage>
#include <QSize>

struct CMenuChart;
class QPainter;

// Paints a CMenuChart over the positions CMenuChartLayout computes for a client area of
// width x height: white background, the title, the plot with the four quadrants lightly tinted
// in their colours, grid lines at the ticks, the frame with the tick labels, the two threshold
// lines in dark grey, the dots in their quadrant's colour with a white rim, the quadrant names,
// the threshold values and the dishes' names, and the axis titles (the margin's turned to read
// upwards). A chart with an empty text shows the title and that text only.
//
// Plain drawing on any QPainter (a widget, an image, a printer); the painter's state is
// restored afterwards. Titles and quadrant names are bold Arial (a metric twin where Arial is
// missing), ticks and names regular.
class CMenuChartPainter
{
public:
    static constexpr QRgb kThresholdColor = 0xFF505050;

    static void Draw(QPainter& painter, const CMenuChart& chart, int width, int height);
    static void Draw(QPainter& painter, const CMenuChart& chart, const CMenuChartLayout& layout, int width,
                     int height);
    // The chart as an image of `size` logical pixels at the given device pixel ratio.
    static QImage Render(const CMenuChart& chart, QSize size, qreal pixelRatio = 1.0);
    // The text measure the painter draws with, for a layout made outside a paint.
    static CMenuChartLayout::CTextMeasure Measure();
};
