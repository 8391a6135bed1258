#pragma once

#include "catalogue/Data.h"
#include "controls/model/CellType.h"
#include "evaluation/EvaluationSettings.h"

#include <array>
#include <string>

class CChartGraph;
class CEvaluationAxis;
class CEvaluationValues;
class CEvaluationWindows;
class CListCtrlData;

// Builds the evaluation from the catalogue's sales: a table with one row per series (every
// series, whatever is drawn; groups without a name get none) and one column per calendar month
// holding the undivided values, and a chart with one group per month and one bar per drawn
// series. While the largest drawn value exceeds 25,000 the chart values are divided by a
// further 1000 and the value-axis title names the divisor. The page only displays the result.
//
// A range whose end month lies before its start month (or with a date that is not valid) has
// no months: the table lists the series without month columns, the chart has its titles and
// legend but no groups, and the value axis runs 0..2.
class CEvaluationBuilder
{
public:
    static constexpr int kMaxDrawnSeries = 8;

    explicit CEvaluationBuilder(const CData& data) : m_data(data) {}

    void Build(const CEvaluationSettings& settings, CChartGraph& chart, CListCtrlData& table);

    // The divisor of the chart values of the last build (1, 1000, 1000000, ...).
    double GetDivisor() const { return m_divisor; }
    // The chart series drawn for a selector in the last build; -1 when it is not drawn. Series
    // are numbered in the order all, all food, the food groups, all drinks, the drink groups;
    // a flagged series beyond the eighth is not drawn.
    int GetSeriesSlot(unsigned selector) const;

    // "Alle", "Alle Speisen", "Alle Getränke" or the group's name.
    static std::string DisplayName(const CData& data, unsigned selector);

private:
    void FillTable(const CEvaluationSettings& settings, const CEvaluationWindows& windows,
                   const CEvaluationValues& values, CListCtrlData& table) const;
    void AddTableRow(unsigned selector, ECellType cellType, const CEvaluationValues& values,
                     CListCtrlData& table) const;
    CEvaluationAxis DrawPass(const CEvaluationSettings& settings, const CEvaluationWindows& windows,
                             const CEvaluationValues& values, CChartGraph& chart);
    void AssignSeries(const CEvaluationSettings& settings, CChartGraph& chart);
    void SetTitles(EMeasure measure, CChartGraph& chart) const;
    std::string ValueTitle(EMeasure measure) const;

    const CData& m_data;
    double m_divisor = 1.0;
    std::array<int, CData::NbSeries> m_slots{};
};
