#pragma once

#include <functional>
#include <string>
#include <vector>

struct CMenuChart;

// Where a paint puts each part of the menu chart in a client area of width x height pixels:
// the title, the plot area with its scales, the two threshold lines, the points, the quadrant
// labels and the dishes' names. Pure arithmetic over a text measure, so that the painter only
// draws and a test checks the geometry. No two texts placed here overlap: the quadrant labels
// come first, then the threshold labels, then the dishes' names in the order of the points; a
// name that finds no free place beside its point is left out (the chart window tells it on
// hover). The layout refers to the chart, which must outlive it and stay unchanged meanwhile.
class CMenuChartLayout
{
public:
    // Width in pixels of a text in the chart's font of that pixel height.
    using CTextMeasure = std::function<int(const std::string& text, int pixelHeight)>;

    static constexpr int kTitleFont = 16;
    static constexpr int kAxisTitleFont = 13;
    static constexpr int kTickFont = 12;
    static constexpr int kLabelFont = 12;
    static constexpr int kQuadrantFont = 14;

    struct CRect
    {
        int Left = 0, Top = 0, Width = 0, Height = 0;
        int Right() const { return Left + Width; }
        int Bottom() const { return Top + Height; }
        bool Intersects(const CRect& other) const
        {
            return Left < other.Right() && other.Left < Right() && Top < other.Bottom() &&
                   other.Top < Bottom();
        }
        bool Contains(const CRect& other) const
        {
            return other.Left >= Left && other.Right() <= Right() && other.Top >= Top &&
                   other.Bottom() <= Bottom();
        }
    };
    struct CTick
    {
        int Position = 0; // x for the share axis, y for the margin axis
        std::string Label;
        CRect Text;
    };
    // A text in its place: the top left of `Box`, in the font of `FontHeight`.
    struct CText
    {
        std::string Text;
        CRect Box;
        int FontHeight = 0;
        int Point = -1; // the point a name belongs to; -1 for the other texts
    };

    CMenuChartLayout(const CMenuChart& chart, int width, int height, const CTextMeasure& measure);

    bool IsEmpty() const { return m_empty; }
    const CRect& GetPlot() const { return m_plot; }
    const CText& GetTitle() const { return m_title; }
    const CText& GetEmptyText() const { return m_emptyText; }
    const CText& GetXTitle() const { return m_xTitle; }
    // Its box is the text's box before the turn to read upwards: the painter rotates about
    // the box's bottom left corner.
    const CText& GetYTitle() const { return m_yTitle; }
    const std::vector<CTick>& GetXTicks() const { return m_xTicks; }
    const std::vector<CTick>& GetYTicks() const { return m_yTicks; }
    int GetThresholdX() const { return m_thresholdX; }
    int GetThresholdY() const { return m_thresholdY; }
    int GetPointX(int point) const { return m_pointX[point]; }
    int GetPointY(int point) const { return m_pointY[point]; }
    // Dots grow smaller on a crowded chart, so that their colours still show apart.
    int GetPointRadius() const { return m_radius; }
    // Every text placed in the plot: quadrant labels, threshold labels, dishes' names.
    const std::vector<CText>& GetTexts() const { return m_texts; }
    // The point within reach of (x, y), the nearest when several are; -1 when none is.
    int FindPoint(int x, int y) const;

    int MapX(double value) const;
    int MapY(double value) const;

private:
    void PlaceFrame(int width, int height);
    void ComputeRanges();
    void MakeTicks();
    void PlacePoints();
    void PlaceQuadrantLabels();
    void PlaceThresholdLabels();
    void PlaceNames();
    bool TryPlace(const CText& text, bool avoidPoints);
    bool CoversPoint(const CText& text) const;
    CText MakeText(const std::string& text, int fontHeight, int left, int top) const;

    const CMenuChart& m_chart;
    const CTextMeasure& m_measure;
    bool m_empty = false;
    CRect m_plot;
    CText m_title, m_emptyText, m_xTitle, m_yTitle;
    double m_xMin = 0.0, m_xMax = 1.0, m_xStep = 1.0;
    double m_yMin = 0.0, m_yMax = 1.0, m_yStep = 1.0;
    std::vector<CTick> m_xTicks, m_yTicks;
    int m_thresholdX = 0, m_thresholdY = 0;
    std::vector<int> m_pointX, m_pointY;
    // The dots by grid cell of the plot, row by row.
    std::vector<std::vector<int>> m_grid;
    int m_gridColumns = 0, m_gridRows = 0;
    int m_radius = 4;
    std::vector<CText> m_texts;
};
