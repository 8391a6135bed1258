#include "EvaluationBuilder.h"

#include "controls/model/ChartGraph.h"
#include "controls/model/ListCtrlData.h"
#include "evaluation/EvaluationAxis.h"
#include "evaluation/EvaluationValues.h"
#include "evaluation/EvaluationWindows.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double kDivisorThreshold = 25000.0;
constexpr double kDepthFactor = 0.1;
constexpr int kSeriesNames[] = {112, 113, 114}; // all, all food, all drinks
constexpr int kMeasureLabels[kNbMeasures] = {169, 170, 171, 156, 158};

struct CPaletteColor
{
    std::uint8_t Red, Green, Blue;
};
constexpr CPaletteColor kPalette[CEvaluationBuilder::kMaxDrawnSeries] = {
    {0, 192, 0},     {142, 255, 255}, {255, 143, 107}, {255, 51, 153},
    {255, 226, 177}, {0, 192, 192},   {0, 255, 255},   {192, 0, 0},
};

// Rows and chart values: all, all food, all drinks, then the groups.
std::vector<unsigned> ValueOrder()
{
    std::vector<unsigned> order{CData::SeriesAll, CData::SeriesAllFood, CData::SeriesAllDrinks};
    for (unsigned group = 0; group < CData::kNbGroups; ++group)
        order.push_back(group);
    return order;
}

// Chart series: all, all food, the groups, with all drinks just before the first drink group.
std::vector<unsigned> SeriesOrder(int nbFoodGroups)
{
    std::vector<unsigned> order{CData::SeriesAll, CData::SeriesAllFood};
    const unsigned firstDrink = static_cast<unsigned>(std::clamp(nbFoodGroups, 0, CData::kNbGroups));
    for (unsigned group = 0; group <= static_cast<unsigned>(CData::kNbGroups); ++group) {
        if (group == firstDrink)
            order.push_back(CData::SeriesAllDrinks);
        if (group < static_cast<unsigned>(CData::kNbGroups))
            order.push_back(group);
    }
    return order;
}

// The key of column 0 that orders the rows: 1, 2, 3 for the three sums, group + 4.
double RowSortKey(unsigned selector)
{
    return selector >= CData::SeriesAll ? selector - CData::SeriesAll + 1.0 : selector + 4.0;
}

// The divisor as a plain whole number ("1000"): it is a unit multiplier, as in "1000 EUR".
std::string DivisorText(double divisor)
{
    char text[400];
    const auto result = std::to_chars(text, text + sizeof text, divisor, std::chars_format::fixed, 0);
    return std::string(text, result.ptr);
}

bool IsKnownMeasure(EMeasure measure)
{
    return static_cast<int>(measure) >= 0 && static_cast<int>(measure) < kNbMeasures;
}

} // namespace

void CEvaluationBuilder::Build(const CEvaluationSettings& settings, CChartGraph& chart, CListCtrlData& table)
{
    const CEvaluationWindows windows(settings.Start, settings.End);
    const CEvaluationValues values = CEvaluationValues::Compute(m_data, windows, settings.Measure,
                                                                settings.PerMonth, settings.OriginalData);
    FillTable(settings, windows, values, table);
    m_divisor = 1.0;
    CEvaluationAxis axis = DrawPass(settings, windows, values, chart);
    while (axis.GetLargest() > kDivisorThreshold && std::isfinite(axis.GetLargest())) {
        m_divisor *= 1000.0;
        axis = DrawPass(settings, windows, values, chart);
    }
    chart.SetValueRange(axis.GetMinimum(), axis.GetMaximum(), axis.GetStep());
    table.Fill();
    table.Sort();
}

int CEvaluationBuilder::GetSeriesSlot(unsigned selector) const
{
    return selector < m_slots.size() ? m_slots[selector] : -1;
}

std::string CEvaluationBuilder::DisplayName(const CData& data, unsigned selector)
{
    if (selector >= CData::SeriesAll && selector < CData::NbSeries)
        return CStringTables::Load(kSeriesNames[selector - CData::SeriesAll]);
    return data.GetGroupName(static_cast<int>(selector));
}

void CEvaluationBuilder::FillTable(const CEvaluationSettings& settings, const CEvaluationWindows& windows,
                                   const CEvaluationValues& values, CListCtrlData& table) const
{
    table.Reset();
    table.InsertColumn(0, "", EColumnFormat::Right, 20);
    table.InsertColumnById(1, StringId::kNameHeader, EColumnFormat::Left, 130);
    for (int month = 0; month < windows.GetCount(); ++month)
        table.InsertColumn(month + 2, windows.GetTableLabel(month), EColumnFormat::Right, 60);
    const ECellType cellType =
        settings.Measure == EMeasure::CostRatio ? ECellType::TwoDecimals : ECellType::Truncated;
    for (unsigned selector : ValueOrder())
        AddTableRow(selector, cellType, values, table);
}

void CEvaluationBuilder::AddTableRow(unsigned selector, ECellType cellType, const CEvaluationValues& values,
                                     CListCtrlData& table) const
{
    const std::string name = DisplayName(m_data, selector);
    if (selector < CData::SeriesAll && name.empty())
        return;
    const std::uint32_t row = table.AddRow(selector);
    table.SetCellNumber(row, 0, RowSortKey(selector), ECellType::Truncated);
    table.SetCellText(row, 1, name);
    for (int month = 0; month < values.GetMonthCount(); ++month)
        table.SetCellNumber(row, month + 2, values.Get(selector, month), cellType);
}

CEvaluationAxis CEvaluationBuilder::DrawPass(const CEvaluationSettings& settings,
                                             const CEvaluationWindows& windows,
                                             const CEvaluationValues& values, CChartGraph& chart)
{
    chart.Reset();
    AssignSeries(settings, chart);
    for (int slot = 0; slot < kMaxDrawnSeries; ++slot)
        chart.AddColor(slot, kPalette[slot].Red, kPalette[slot].Green, kPalette[slot].Blue);
    SetTitles(settings.Measure, chart);
    const std::vector<unsigned> order = ValueOrder();
    CEvaluationAxis axis;
    for (int month = 0; month < windows.GetCount(); ++month) {
        CChartGroup group(windows.GetChartLabel(month));
        for (unsigned selector : order) {
            if (m_slots[selector] < 0)
                continue;
            const double value = values.Get(selector, month) / m_divisor;
            axis.Include(value);
            group.AddValue(m_slots[selector], CChartValue::Truncate(value));
        }
        chart.AddGroup(std::move(group));
    }
    return axis;
}

void CEvaluationBuilder::AssignSeries(const CEvaluationSettings& settings, CChartGraph& chart)
{
    m_slots.fill(-1);
    int next = 0;
    for (unsigned selector : SeriesOrder(m_data.NbFoodGroups)) {
        if (!settings.SeriesFlags[selector] || next == kMaxDrawnSeries)
            continue;
        m_slots[selector] = next;
        chart.AddSeriesName(next++, DisplayName(m_data, selector));
    }
}

void CEvaluationBuilder::SetTitles(EMeasure measure, CChartGraph& chart) const
{
    chart.SetTitle(IsKnownMeasure(measure) ? CStringTables::Load(kMeasureLabels[static_cast<int>(measure)])
                                           : std::string());
    chart.SetCategoryTitle(CStringTables::Load(StringId::kMonthTitle));
    chart.SetValueTitle(ValueTitle(measure));
    chart.SetDepthFactor(kDepthFactor);
}

std::string CEvaluationBuilder::ValueTitle(EMeasure measure) const
{
    if (!IsKnownMeasure(measure))
        return {};
    const std::string unit =
        measure == EMeasure::CostRatio ? CStringTables::Load(StringId::kPercentUnit) : m_data.CurrencyUnit;
    return m_divisor == 1.0 ? unit : DivisorText(m_divisor) + " " + unit;
}
