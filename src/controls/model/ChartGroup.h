#pragma once

#include "controls/model/ChartValue.h"

#include <string>
#include <vector>

// One category of the chart (a month in the evaluation): its label and one value per series,
// in the order they were added.
class CChartGroup
{
public:
    CChartGroup() = default;
    explicit CChartGroup(std::string label) : m_label(std::move(label)) {}

    void SetLabel(const std::string& label) { m_label = label; }
    const std::string& GetLabel() const { return m_label; }

    void AddValue(int seriesIndex, int value) { m_values.emplace_back(seriesIndex, value); }
    // The first value added for the series; 0 when there is none.
    int GetValue(int seriesIndex) const;
    int GetValueCount() const { return static_cast<int>(m_values.size()); }
    const std::vector<CChartValue>& GetValues() const { return m_values; }

private:
    std::string m_label;
    std::vector<CChartValue> m_values;
};
