#pragma once

#include <string>
#include <vector>

// The series names of a chart in the order they were added, and the length of the longest one
// in characters (bytes of Windows-1252 text), which sizes the legend box.
class CChartLegend
{
public:
    struct CEntry
    {
        int SeriesIndex = 0;
        std::string Name;
        bool operator==(const CEntry&) const = default;
    };

    void Reset();
    void Add(int seriesIndex, const std::string& name);

    const std::vector<CEntry>& GetEntries() const { return m_entries; }
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    // The name at `position`; empty when there is none.
    std::string GetName(int position) const;
    int GetLongestName() const { return m_longestName; }

private:
    std::vector<CEntry> m_entries;
    int m_longestName = 0;
};
