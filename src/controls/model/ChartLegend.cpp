#include "ChartLegend.h"

#include <algorithm>

void CChartLegend::Reset()
{
    m_entries.clear();
    m_longestName = 0;
}

void CChartLegend::Add(int seriesIndex, const std::string& name)
{
    m_entries.push_back({seriesIndex, name});
    m_longestName = std::max(m_longestName, static_cast<int>(name.size()));
}

std::string CChartLegend::GetName(int position) const
{
    if (position < 0 || position >= GetCount())
        return {};
    return m_entries[position].Name;
}
