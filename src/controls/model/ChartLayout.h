#pragma once

#include "controls/model/ChartColor.h"

#include <optional>
#include <string>
#include <vector>

class CChartGraph;

// Where a paint puts each part of a chart in a client area of width x height pixels: fonts,
// plot area, legend box, depth, ticks, group slots and bars. Pure arithmetic on the model, so
// the painter only draws; divisions truncate toward zero like the painter's integer geometry.
// The layout refers to the graph, which must outlive it and stay unchanged meanwhile.
class CChartLayout
{
public:
    struct CLegendEntry
    {
        std::string Name;
        int NameX = 0, NameY = 0;
        // Colour swatch rectangle, outlined with the current pen.
        int SwatchLeft = 0, SwatchTop = 0, SwatchRight = 0, SwatchBottom = 0;
        CChartColor Color;
    };
    struct CTick
    {
        int Y = 0;
        std::string Label;
        int LabelX = 0, LabelY = 0;
    };
    struct CCategory
    {
        // Right boundary of the group's slot on the category axis.
        int BoundaryX = 0;
        int LabelX = 0, LabelY = 0;
        // False where the label would run into the one before it: a narrow chart labels fewer
        // months rather than letting the labels overlap.
        bool LabelShown = true;
    };
    // Front face (Left, Top)-(Right, Bottom); the side and top faces reach Depth up and right.
    struct CBar
    {
        int Left = 0, Right = 0, Top = 0, Bottom = 0;
        CChartColor Front, Side, TopFace;
    };

    CChartLayout(const CChartGraph& graph, int width, int height);

    // Largest of 24, 22, 20, ... with (height / 2) * length <= drawing width; 2 at the least.
    static int TitleFontHeight(int titleLength, int drawingWidth);
    // 16, reduced in steps of 2 until the value title fits the drawing height (wide area) or the
    // category title fits the drawing width (tall area); 2 at the least.
    static int AxisTitleFontHeight(int valueTitleLength, int categoryTitleLength, int drawingWidth,
                                   int drawingHeight);

    int GetDrawingWidth() const { return m_drawingWidth; }
    int GetDrawingHeight() const { return m_drawingHeight; }
    int GetTitleFontHeight() const { return m_titleFont; }
    int GetAxisTitleFontHeight() const { return m_axisTitleFont; }
    // Text positions depend on the average character width of the font in use.
    int GetTitleX(int charWidth) const;
    int GetTitleY() const { return 10; }
    int GetValueTitleX() const { return 10; }
    int GetValueTitleY(int charWidth) const;
    int GetCategoryTitleX(int charWidth) const;
    int GetCategoryTitleY() const { return m_drawingHeight - 11; }

    // The plot area on the back plane (after the depth shift).
    int GetOriginX() const { return m_originX; }
    int GetOriginY() const { return m_originY; }
    int GetAxisWidth() const { return m_axisWidth; }
    int GetAxisHeight() const { return m_axisHeight; }
    int GetDepth() const { return m_depth; }

    bool HasLegend() const { return m_legend; }
    int GetLegendLeft() const { return m_legendLeft; }
    int GetLegendTop() const { return m_legendTop; }
    int GetLegendRight() const { return m_legendRight; }
    int GetLegendBottom() const { return m_legendTop + m_legendHeight; }
    int GetLegendWidth() const { return m_legendRight - m_legendLeft; }
    int GetLegendEntryCount() const;
    CLegendEntry GetLegendEntry(int index) const;

    // The ticks of the value scale from the bottom up: all of the model's 0 .. tick count, or
    // every n-th of them when they would stand closer than a label's height.
    int GetTickLineCount() const;
    CTick GetTick(int index) const;

    int GetGroupWidth() const { return m_groupWidth; }
    int GetBarWidth() const { return m_barWidth; }
    int GetClusterWidth() const { return m_clusterWidth; }
    // Group `index` (0-based) on the category axis.
    CCategory GetCategory(int index) const;
    // The bar of series `series` in group `group`; none for a negative value, an index out of
    // range, or a chart without series.
    std::optional<CBar> GetBar(int group, int series) const;

private:
    void LayOutPlotArea();
    void LayOutLegend();
    void ApplyDepth();
    void LayOutTicks();
    void LayOutBars();
    void LayOutCategoryLabels();

    const CChartGraph& m_graph;
    int m_width;
    int m_drawingWidth;
    int m_drawingHeight;
    int m_titleFont = 0;
    int m_axisTitleFont = 0;
    int m_originX = 0;
    int m_originY = 0;
    int m_axisWidth = 0;
    int m_axisHeight = 0;
    int m_depth = 0;
    bool m_legend = false;
    int m_legendLeft = 0;
    int m_legendTop = 0;
    int m_legendRight = 0;
    int m_legendHeight = 0;
    int m_groupWidth = 0;
    int m_barWidth = 0;
    int m_clusterWidth = 0;
    int m_tickStride = 1;
    std::vector<bool> m_labelShown;
    double m_scale = 0.0;
};
