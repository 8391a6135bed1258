#pragma once

#include "controls/model/ChartColor.h"
#include "controls/model/ChartGroup.h"
#include "controls/model/ChartLegend.h"

#include <cstdint>
#include <string>
#include <vector>

// The model of the grouped 3-D bar chart: title, axis titles, groups of values, series colours
// by position, legend names and the value axis. The evaluation build fills it; a painter lays
// it out with CChartLayout and draws it. The model owns everything it holds.
class CChartGraph
{
public:
    // Drops groups, legend entries and colours; the series count becomes 0. Titles, depth
    // factor and value range stay.
    void Reset();

    void SetTitle(const std::string& title) { m_title = title; }
    void SetCategoryTitle(const std::string& title) { m_categoryTitle = title; }
    void SetValueTitle(const std::string& title) { m_valueTitle = title; }
    // Depth of the 3-D look as a fraction of the axis height.
    void SetDepthFactor(double factor) { m_depthFactor = factor; }
    void AddColor(int seriesIndex, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    // Appends a legend entry and shows the legend.
    void AddSeriesName(int seriesIndex, const std::string& name);
    // Appends a group; the series count rises to its number of values when that is larger.
    void AddGroup(CChartGroup group);
    // Ends of the value axis and the tick step; the tick count is (maximum - minimum) / step
    // rounded up, 0 when the step is not positive or the span is not.
    void SetValueRange(int minimum, int maximum, int step);

    const std::string& GetTitle() const { return m_title; }
    const std::string& GetCategoryTitle() const { return m_categoryTitle; }
    const std::string& GetValueTitle() const { return m_valueTitle; }
    int GetCategoryTitleLength() const { return static_cast<int>(m_categoryTitle.size()); }
    int GetValueTitleLength() const { return static_cast<int>(m_valueTitle.size()); }
    double GetDepthFactor() const { return m_depthFactor; }

    const std::vector<CChartColor>& GetColors() const { return m_colors; }
    // The colour of the series at `position` in the colour list; black when there is none.
    CChartColor GetColor(int position) const;
    const CChartLegend& GetLegend() const { return m_legend; }
    bool IsLegendShown() const { return m_legendShown; }
    const std::vector<CChartGroup>& GetGroups() const { return m_groups; }
    int GetGroupCount() const { return static_cast<int>(m_groups.size()); }
    int GetSeriesCount() const { return m_seriesCount; }

    int GetValueMinimum() const { return m_valueMinimum; }
    int GetValueMaximum() const { return m_valueMaximum; }
    int GetTickStep() const { return m_tickStep; }
    int GetTickCount() const { return m_tickCount; }

    int GetTickFontHeight() const { return m_tickFontHeight; }
    int GetCategoryFontHeight() const { return m_categoryFontHeight; }
    int GetLegendFontHeight() const { return m_legendFontHeight; }

private:
    std::string m_title;
    std::string m_categoryTitle;
    std::string m_valueTitle;
    double m_depthFactor = 0.05;
    std::vector<CChartColor> m_colors;
    CChartLegend m_legend;
    bool m_legendShown = false;
    std::vector<CChartGroup> m_groups;
    int m_seriesCount = 0;
    int m_valueMinimum = 0;
    int m_valueMaximum = 100;
    int m_tickStep = 10;
    int m_tickCount = 10;
    int m_tickFontHeight = 12;
    int m_categoryFontHeight = 12;
    int m_legendFontHeight = 12;
};
