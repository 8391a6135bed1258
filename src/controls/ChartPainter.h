#pragma once

#include <QImage>
#include <QSize>

class CChartGraph;
class QPainter;

// Paints a CChartGraph as a grouped bar chart with a three-dimensional look, over the positions
// CChartLayout computes for a client area of width x height: white background, title, axis
// titles (the value title rotated to read upwards), floor and left wall with the back plane
// offset by the depth up and to the right, the value scale with grey grid lines on the left wall
// and light grey lines across the back wall, group labels, the legend with colour swatches, and
// the bars with front, side and top faces. Values below zero draw no bar.
//
// Plain drawing on any QPainter (a widget, an image, a printer); the painter's state is restored
// afterwards. Coordinates are the painter's logical pixels, so a high-DPI device draws the same
// chart with finer lines and text.
class CChartPainter
{
public:
    static void Draw(QPainter& painter, const CChartGraph& graph, int width, int height);
    // The chart as an image of `size` logical pixels at the given device pixel ratio.
    static QImage Render(const CChartGraph& graph, QSize size, qreal pixelRatio = 1.0);
};
