#include "ChartGraph.h"

#include <algorithm>
#include <climits>
#include <cstdint>

void CChartGraph::Reset()
{
    m_groups.clear();
    m_legend.Reset();
    m_legendShown = false;
    m_colors.clear();
    m_seriesCount = 0;
}

void CChartGraph::AddColor(int seriesIndex, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    m_colors.emplace_back(seriesIndex, red, green, blue);
}

void CChartGraph::AddSeriesName(int seriesIndex, const std::string& name)
{
    m_legend.Add(seriesIndex, name);
    m_legendShown = true;
}

void CChartGraph::AddGroup(CChartGroup group)
{
    m_seriesCount = std::max(m_seriesCount, group.GetValueCount());
    m_groups.push_back(std::move(group));
}

void CChartGraph::SetValueRange(int minimum, int maximum, int step)
{
    m_valueMinimum = minimum;
    m_valueMaximum = maximum;
    m_tickStep = step;
    const std::int64_t span = static_cast<std::int64_t>(maximum) - minimum;
    if (step <= 0 || span <= 0) {
        m_tickCount = 0;
        return;
    }
    const std::int64_t count = span / step + (span % step != 0 ? 1 : 0);
    m_tickCount = static_cast<int>(std::min<std::int64_t>(count, INT_MAX));
}

CChartColor CChartGraph::GetColor(int position) const
{
    if (position < 0 || position >= static_cast<int>(m_colors.size()))
        return CChartColor(position, 0, 0, 0);
    return m_colors[position];
}
