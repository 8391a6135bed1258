#include "ChartLayout.h"

#include "controls/model/ChartGraph.h"
#include "controls/model/ChartValue.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int kSmallestFont = 2;
constexpr int kLegendRowHeight = 18;
constexpr int kSwatchHeight = 12;
// Tick lines stand at least a label's height apart.
constexpr int kSmallestTickSpacing = 12;
// The top of the plot area: below the title's line of at most 24 pixels from y = 10.
constexpr int kPlotTop = 40;

int Length(const std::string& text)
{
    return static_cast<int>(text.size());
}

// Steps `height` down by 2 from `largest` until (height / 2) * length fits `room`.
int FittingFontHeight(int largest, int length, int room)
{
    int height = largest;
    while (height > kSmallestFont && static_cast<std::int64_t>(height / 2) * length > room)
        height -= 2;
    return height;
}

int Clamped(std::int64_t value)
{
    return CChartValue::Truncate(static_cast<double>(value));
}

} // namespace

CChartLayout::CChartLayout(const CChartGraph& graph, int width, int height)
    : m_graph(graph), m_width(width), m_drawingWidth(width - 5), m_drawingHeight(height - 20)
{
    m_titleFont = TitleFontHeight(Length(graph.GetTitle()), m_drawingWidth);
    m_axisTitleFont = AxisTitleFontHeight(graph.GetValueTitleLength(), graph.GetCategoryTitleLength(),
                                          m_drawingWidth, m_drawingHeight);
    LayOutPlotArea();
    if (graph.IsLegendShown())
        LayOutLegend();
    ApplyDepth();
    LayOutTicks();
    LayOutBars();
    LayOutCategoryLabels();
}

int CChartLayout::TitleFontHeight(int titleLength, int drawingWidth)
{
    return FittingFontHeight(24, titleLength, drawingWidth);
}

int CChartLayout::AxisTitleFontHeight(int valueTitleLength, int categoryTitleLength, int drawingWidth,
                                      int drawingHeight)
{
    if (drawingWidth > drawingHeight)
        return FittingFontHeight(16, valueTitleLength, drawingHeight);
    return FittingFontHeight(16, categoryTitleLength, drawingWidth);
}

// The value axis stands right of the longer of its two end labels.
void CChartLayout::LayOutPlotArea()
{
    const int labelLength = std::max(Length(std::to_string(m_graph.GetValueMaximum())),
                                     Length(std::to_string(m_graph.GetValueMinimum())));
    m_originX = (m_graph.GetTickFontHeight() / 2) * labelLength + 50;
    m_originY = m_drawingHeight - 50;
    m_axisHeight = m_originY - kPlotTop;
    m_axisWidth = m_drawingWidth - m_originX - 5;
}

void CChartLayout::LayOutLegend()
{
    const int fontHeight = m_graph.GetLegendFontHeight();
    const int charWidth = static_cast<int>(fontHeight * 0.66);
    m_legend = true;
    m_legendHeight = kLegendRowHeight * m_graph.GetSeriesCount() + 3;
    m_legendTop = m_drawingHeight / 2 - m_legendHeight / 2;
    m_legendRight = m_drawingWidth - 5;
    m_legendLeft = m_legendRight - m_graph.GetLegend().GetLongestName() * charWidth - 25;
    m_axisWidth = m_legendLeft - m_originX - 10;
}

// The back wall and the floor reach `m_depth` up and to the right of the front. Beside a
// legend the axis gives up that much more width, so that the last bars end left of the legend,
// not under it; and the axis gives up the depth twice in height, so that the back wall's top
// stays at the plot area's top, below the title, not through it.
void CChartLayout::ApplyDepth()
{
    m_depth = CChartValue::Truncate(m_axisHeight * m_graph.GetDepthFactor());
    m_originX += m_depth;
    m_originY -= m_depth;
    m_axisWidth -= m_legend ? 2 * m_depth : m_depth;
    m_axisHeight -= 2 * m_depth;
}

// Every tick the model asks for while they stand a label apart; beyond, every n-th of them.
void CChartLayout::LayOutTicks()
{
    const int count = std::max(m_graph.GetTickCount(), 0);
    const int room = std::max(1, m_axisHeight / kSmallestTickSpacing);
    m_tickStride = count > room ? count / room + (count % room != 0 ? 1 : 0) : 1;
}

void CChartLayout::LayOutBars()
{
    const int groups = m_graph.GetGroupCount();
    const int series = m_graph.GetSeriesCount();
    m_groupWidth = groups > 0 ? m_axisWidth / groups : 0;
    m_barWidth = series > 0 ? static_cast<int>(m_groupWidth * 0.8 / series) : 0;
    m_clusterWidth = m_barWidth * series;
    const std::int64_t span =
        static_cast<std::int64_t>(m_graph.GetValueMaximum()) - m_graph.GetValueMinimum();
    m_scale = span > 0 ? m_axisHeight / static_cast<double>(span) : 0.0;
}

// Labels from the left, each one shown when it starts a gap after the last one shown.
void CChartLayout::LayOutCategoryLabels()
{
    constexpr int kGap = 8;
    const auto& groups = m_graph.GetGroups();
    m_labelShown.assign(groups.size(), false);
    std::int64_t freeFrom = INT64_MIN;
    for (size_t index = 0; index < groups.size(); ++index) {
        const std::int64_t width = 8 * static_cast<std::int64_t>(Length(groups[index].GetLabel()));
        if (width == 0)
            continue;
        const std::int64_t right = m_originX + static_cast<std::int64_t>(index + 1) * m_groupWidth;
        const std::int64_t left = right - m_groupWidth / 2 - width / 2;
        if (left < freeFrom)
            continue;
        m_labelShown[index] = true;
        freeFrom = left + width + kGap;
    }
}

int CChartLayout::GetTitleX(int charWidth) const
{
    return m_width / 2 - (Length(m_graph.GetTitle()) / 2) * charWidth;
}

int CChartLayout::GetValueTitleY(int charWidth) const
{
    return m_originY - m_axisHeight / 2 + (m_graph.GetValueTitleLength() * charWidth) / 2;
}

int CChartLayout::GetCategoryTitleX(int charWidth) const
{
    return m_originX + m_axisWidth / 2 - (m_graph.GetCategoryTitleLength() / 2) * charWidth;
}

int CChartLayout::GetLegendEntryCount() const
{
    return m_legend ? m_graph.GetLegend().GetCount() : 0;
}

CChartLayout::CLegendEntry CChartLayout::GetLegendEntry(int index) const
{
    CLegendEntry entry;
    entry.Name = m_graph.GetLegend().GetName(index);
    entry.NameX = m_legendLeft + 5;
    entry.NameY = m_legendTop + 5 + kLegendRowHeight * index;
    entry.SwatchLeft =
        m_legendLeft + 10 + (m_graph.GetLegendFontHeight() / 2) * m_graph.GetLegend().GetLongestName();
    entry.SwatchRight = m_legendRight - 5;
    entry.SwatchTop = entry.NameY;
    entry.SwatchBottom = entry.NameY + kSwatchHeight;
    entry.Color = m_graph.GetColor(index);
    return entry;
}

int CChartLayout::GetTickLineCount() const
{
    return std::max(m_graph.GetTickCount(), 0) / m_tickStride + 1;
}

CChartLayout::CTick CChartLayout::GetTick(int index) const
{
    const int tickCount = m_graph.GetTickCount();
    const std::int64_t step = static_cast<std::int64_t>(index) * m_tickStride;
    std::int64_t rise = 0;
    if (tickCount > 0)
        rise = m_tickStride == 1 ? step * (m_axisHeight / tickCount) : step * m_axisHeight / tickCount;
    CTick tick;
    tick.Y = Clamped(m_originY - rise);
    tick.Label =
        std::to_string(m_graph.GetValueMinimum() + static_cast<std::int64_t>(m_graph.GetTickStep()) * step);
    tick.LabelX = m_originX - (m_graph.GetTickFontHeight() / 2) * Length(tick.Label) - 10;
    tick.LabelY = tick.Y - 6;
    return tick;
}

CChartLayout::CCategory CChartLayout::GetCategory(int index) const
{
    CCategory category;
    category.BoundaryX = Clamped(m_originX + static_cast<std::int64_t>(index + 1) * m_groupWidth);
    const std::string& label = m_graph.GetGroups().at(index).GetLabel();
    category.LabelX = category.BoundaryX - m_groupWidth / 2 - (8 * Length(label)) / 2;
    category.LabelY = m_originY + 8;
    category.LabelShown = m_labelShown.at(static_cast<size_t>(index));
    return category;
}

std::optional<CChartLayout::CBar> CChartLayout::GetBar(int group, int series) const
{
    if (group < 0 || group >= m_graph.GetGroupCount() || series < 0 || series >= m_graph.GetSeriesCount())
        return std::nullopt;
    const int value = m_graph.GetGroups()[group].GetValue(series);
    if (value <= -1)
        return std::nullopt;
    const double raw = (static_cast<double>(value) - m_graph.GetValueMinimum()) * m_scale;
    const int height = static_cast<int>(std::clamp(raw, 0.0, static_cast<double>(std::max(m_axisHeight, 0))));
    const int centre = GetCategory(group).BoundaryX - m_groupWidth / 2;
    CBar bar;
    bar.Left = centre - m_clusterWidth / 2 + series * m_barWidth;
    bar.Right = bar.Left + m_barWidth;
    bar.Top = m_originY - height;
    bar.Bottom = m_originY;
    bar.Front = m_graph.GetColor(series);
    bar.Side = bar.Front.Darker();
    bar.TopFace = bar.Front.Lighter();
    return bar;
}
