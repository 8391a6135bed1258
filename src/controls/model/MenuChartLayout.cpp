#include "MenuChartLayout.h"

#include "catalogue/NumberText.h"
#include "controls/model/MenuChart.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;
constexpr int kTickStub = 4;
constexpr int kLabelGap = 3;
// Room between two texts on one line, so that two names never read as one.
constexpr int kTextSpacing = 4;
constexpr int kTargetTicks = 6;
// The side of the cells by which the dots are found under a text.
constexpr int kGridCell = 32;
// Room around the data, as a share of its span, so that no dot sits on the frame.
constexpr double kPadding = 0.08;

int TextHeight(int fontHeight)
{
    return fontHeight * 5 / 4 + 1;
}

// 1, 2 or 5 times a power of ten, the smallest not below `raw`.
double NiceStep(double raw)
{
    if (!(raw > 0.0) || !std::isfinite(raw))
        return 1.0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    const double fraction = raw / power;
    const double nice = fraction <= 1.0 ? 1.0 : fraction <= 2.0 ? 2.0 : fraction <= 5.0 ? 5.0 : 10.0;
    return nice * power;
}

// Widens [low, high] by the padding and out to whole steps; returns the step.
double NiceRange(double& low, double& high)
{
    double pad = (high - low) * kPadding;
    if (!(pad > 0.0))
        pad = std::max(1.0, std::fabs(high) * kPadding);
    low -= pad;
    high += pad;
    const double step = NiceStep((high - low) / kTargetTicks);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
    return step;
}

std::string TickText(double value, double step)
{
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(step) + 1e-9)));
    const double rounded = std::round(value / step) * step;
    return NumberText::Format(std::fabs(rounded) < step * 1e-6 ? 0.0 : rounded, decimals);
}

} // namespace

CMenuChartLayout::CMenuChartLayout(const CMenuChart& chart, int width, int height,
                                   const CTextMeasure& measure)
    : m_chart(chart), m_measure(measure)
{
    m_empty = !chart.EmptyText.empty();
    PlaceFrame(width, height);
    if (m_empty)
        return;
    PlacePoints();
    PlaceQuadrantLabels();
    PlaceThresholdLabels();
    PlaceNames();
}

CMenuChartLayout::CText CMenuChartLayout::MakeText(const std::string& text, int fontHeight, int left,
                                                   int top) const
{
    return {text, {left, top, m_measure(text, fontHeight), TextHeight(fontHeight)}, fontHeight};
}

void CMenuChartLayout::PlaceFrame(int width, int height)
{
    const int titleWidth = m_measure(m_chart.Title, kTitleFont);
    m_title = MakeText(m_chart.Title, kTitleFont, std::max(kMargin, (width - titleWidth) / 2), kMargin);
    const int top = m_title.Box.Bottom() + kGap;
    if (m_empty) {
        const int textWidth = m_measure(m_chart.EmptyText, kQuadrantFont);
        m_emptyText = MakeText(m_chart.EmptyText, kQuadrantFont, std::max(kMargin, (width - textWidth) / 2),
                               std::max(top, (height - TextHeight(kQuadrantFont)) / 2));
        return;
    }
    ComputeRanges();
    int tickWidth = 0;
    for (double value = m_yMin; value <= m_yMax + m_yStep * 0.5; value += m_yStep)
        tickWidth = std::max(tickWidth, m_measure(TickText(value, m_yStep), kTickFont));
    const int left = kMargin + TextHeight(kAxisTitleFont) + kGap + tickWidth + kTickStub + 2;
    const int bottom =
        height - kMargin - TextHeight(kAxisTitleFont) - kGap - TextHeight(kTickFont) - kTickStub;
    m_plot = {left, top, std::max(1, width - kMargin * 2 - left), std::max(1, bottom - top)};
    MakeTicks();
    const int xTitleWidth = m_measure(m_chart.XTitle, kAxisTitleFont);
    m_xTitle = MakeText(m_chart.XTitle, kAxisTitleFont, m_plot.Left + (m_plot.Width - xTitleWidth) / 2,
                        height - kMargin - TextHeight(kAxisTitleFont));
    const int yTitleWidth = m_measure(m_chart.YTitle, kAxisTitleFont);
    m_yTitle = {
        m_chart.YTitle,
        {kMargin, m_plot.Top + (m_plot.Height - yTitleWidth) / 2, TextHeight(kAxisTitleFont), yTitleWidth},
        kAxisTitleFont};
}

// The shares from 0 (or a negative share) and the margins, each with both thresholds.
void CMenuChartLayout::ComputeRanges()
{
    double xHigh = m_chart.XThreshold, yLow = m_chart.YThreshold, yHigh = m_chart.YThreshold;
    double xLow = std::min(0.0, m_chart.XThreshold);
    for (const CMenuChartPoint& point : m_chart.Points) {
        if (std::isfinite(point.X)) {
            xLow = std::min(xLow, point.X);
            xHigh = std::max(xHigh, point.X);
        }
        if (std::isfinite(point.Y)) {
            yLow = std::min(yLow, point.Y);
            yHigh = std::max(yHigh, point.Y);
        }
    }
    const bool fromZero = xLow >= 0.0;
    m_xStep = NiceRange(xLow, xHigh);
    m_xMin = fromZero ? 0.0 : xLow;
    m_xMax = xHigh;
    m_yStep = NiceRange(yLow, yHigh);
    m_yMin = yLow;
    m_yMax = yHigh;
}

void CMenuChartLayout::MakeTicks()
{
    const int height = TextHeight(kTickFont);
    for (double value = m_xMin; value <= m_xMax + m_xStep * 0.5; value += m_xStep) {
        CTick tick{MapX(value), TickText(value, m_xStep), {}};
        const int width = m_measure(tick.Label, kTickFont);
        tick.Text = {tick.Position - width / 2, m_plot.Bottom() + kTickStub + 1, width, height};
        m_xTicks.push_back(tick);
    }
    for (double value = m_yMin; value <= m_yMax + m_yStep * 0.5; value += m_yStep) {
        CTick tick{MapY(value), TickText(value, m_yStep), {}};
        const int width = m_measure(tick.Label, kTickFont);
        tick.Text = {m_plot.Left - kTickStub - 2 - width, tick.Position - height / 2, width, height};
        m_yTicks.push_back(tick);
    }
}

int CMenuChartLayout::MapX(double value) const
{
    const double share = (value - m_xMin) / (m_xMax - m_xMin);
    return m_plot.Left + static_cast<int>(std::lround(std::clamp(share, -1.0, 2.0) * m_plot.Width));
}

int CMenuChartLayout::MapY(double value) const
{
    const double share = (value - m_yMin) / (m_yMax - m_yMin);
    return m_plot.Bottom() - static_cast<int>(std::lround(std::clamp(share, -1.0, 2.0) * m_plot.Height));
}

void CMenuChartLayout::PlacePoints()
{
    const std::size_t count = m_chart.Points.size();
    m_radius = count <= 50 ? 5 : count <= 200 ? 4 : 3;
    m_thresholdX = MapX(m_chart.XThreshold);
    m_thresholdY = MapY(m_chart.YThreshold);
    for (const CMenuChartPoint& point : m_chart.Points) {
        m_pointX.push_back(std::isfinite(point.X) ? MapX(point.X) : -1000);
        m_pointY.push_back(std::isfinite(point.Y) ? MapY(point.Y) : -1000);
    }
    m_gridColumns = m_plot.Width / kGridCell + 1;
    m_gridRows = m_plot.Height / kGridCell + 1;
    m_grid.assign(static_cast<std::size_t>(m_gridColumns * m_gridRows), {});
    for (std::size_t index = 0; index < m_pointX.size(); ++index) {
        const int column = (m_pointX[index] - m_plot.Left) / kGridCell;
        const int row = (m_pointY[index] - m_plot.Top) / kGridCell;
        if (column >= 0 && column < m_gridColumns && row >= 0 && row < m_gridRows)
            m_grid[static_cast<std::size_t>(row * m_gridColumns + column)].push_back(static_cast<int>(index));
    }
}

// Each quadrant's name in the plot's corner of that quadrant.
void CMenuChartLayout::PlaceQuadrantLabels()
{
    const int height = TextHeight(kQuadrantFont);
    for (int quadrant = 0; quadrant < CMenuChart::kQuadrants; ++quadrant) {
        const std::string& label = m_chart.QuadrantLabels[quadrant];
        const int width = m_measure(label, kQuadrantFont);
        const bool right = quadrant < 2;
        const bool top = quadrant % 2 == 0;
        const int left = right ? m_plot.Right() - width - kGap : m_plot.Left + kGap;
        const int y = top ? m_plot.Top + 4 : m_plot.Bottom() - height - 4;
        if (!label.empty())
            TryPlace(MakeText(label, kQuadrantFont, left, y), false);
    }
}

// The margin threshold's value above its line at the left, else below it or at the right; the
// share threshold's beside its line at the top, else at the bottom.
void CMenuChartLayout::PlaceThresholdLabels()
{
    const int height = TextHeight(kLabelFont);
    if (const std::string& label = m_chart.YThresholdLabel; !label.empty()) {
        const int width = m_measure(label, kLabelFont);
        for (const auto& [left, top] : {std::pair{m_plot.Left + kGap, m_thresholdY - height - 1},
                                        std::pair{m_plot.Left + kGap, m_thresholdY + 2},
                                        std::pair{m_plot.Right() - width - kGap, m_thresholdY - height - 1},
                                        std::pair{m_plot.Right() - width - kGap, m_thresholdY + 2}}) {
            if (TryPlace(MakeText(label, kLabelFont, left, top), false))
                break;
        }
    }
    if (const std::string& label = m_chart.XThresholdLabel; !label.empty()) {
        const int width = m_measure(label, kLabelFont);
        const int middle = m_plot.Top + m_plot.Height / 2 - height / 2;
        for (const auto& [left, top] :
             {std::pair{m_thresholdX + 3, m_plot.Top + 4},
              std::pair{m_thresholdX + 3, m_plot.Bottom() - height - 4}, std::pair{m_thresholdX + 3, middle},
              std::pair{m_thresholdX - width - 3, middle}}) {
            if (TryPlace(MakeText(label, kLabelFont, left, top), false))
                break;
        }
    }
}

// Right of the dot, else left, above or below it.
void CMenuChartLayout::PlaceNames()
{
    const int height = TextHeight(kLabelFont);
    const int reach = m_radius + kLabelGap;
    for (std::size_t index = 0; index < m_chart.Points.size(); ++index) {
        const std::string& label = m_chart.Points[index].Label;
        if (label.empty())
            continue;
        const int x = m_pointX[index], y = m_pointY[index];
        const int width = m_measure(label, kLabelFont);
        for (const auto& [left, top] :
             {std::pair{x + reach, y - height / 2}, std::pair{x - reach - width, y - height / 2},
              std::pair{x - width / 2, y - reach - height}, std::pair{x - width / 2, y + reach}}) {
            CText text = MakeText(label, kLabelFont, left, top);
            text.Point = static_cast<int>(index);
            if (TryPlace(text, true))
                break;
        }
    }
}

// Takes a text that lies in the plot and meets no placed text (nor, when asked, any dot).
bool CMenuChartLayout::TryPlace(const CText& text, bool avoidPoints)
{
    if (!m_plot.Contains(text.Box))
        return false;
    const CRect spaced{text.Box.Left - kTextSpacing, text.Box.Top, text.Box.Width + 2 * kTextSpacing,
                       text.Box.Height};
    for (const CText& placed : m_texts) {
        if (placed.Box.Intersects(spaced))
            return false;
    }
    if (avoidPoints && CoversPoint(text))
        return false;
    m_texts.push_back(text);
    return true;
}

// Whether a dot other than the text's own reaches into its box; only the grid cells under the
// box are looked at, so that a crowded chart places its names in linear time.
bool CMenuChartLayout::CoversPoint(const CText& text) const
{
    const CRect box{text.Box.Left - m_radius, text.Box.Top - m_radius, text.Box.Width + 2 * m_radius,
                    text.Box.Height + 2 * m_radius};
    const int firstColumn = std::max(0, (box.Left - m_plot.Left) / kGridCell);
    const int lastColumn = std::min(m_gridColumns - 1, (box.Right() - m_plot.Left) / kGridCell);
    const int firstRow = std::max(0, (box.Top - m_plot.Top) / kGridCell);
    const int lastRow = std::min(m_gridRows - 1, (box.Bottom() - m_plot.Top) / kGridCell);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            for (int index : m_grid[static_cast<std::size_t>(row * m_gridColumns + column)]) {
                if (index != text.Point && m_pointX[index] > box.Left && m_pointX[index] < box.Right() &&
                    m_pointY[index] > box.Top && m_pointY[index] < box.Bottom())
                    return true;
            }
        }
    }
    return false;
}

int CMenuChartLayout::FindPoint(int x, int y) const
{
    const int reach = m_radius + kLabelGap;
    int best = -1;
    long long bestDistance = static_cast<long long>(reach) * reach + 1;
    for (std::size_t index = 0; index < m_pointX.size(); ++index) {
        const long long dx = m_pointX[index] - x, dy = m_pointY[index] - y;
        if (dx * dx + dy * dy < bestDistance) {
            bestDistance = dx * dx + dy * dy;
            best = static_cast<int>(index);
        }
    }
    return best;
}
