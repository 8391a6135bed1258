#include "CliEvaluation.h"

#include "controls/model/ChartGraph.h"
#include "controls/model/ListCtrlData.h"
#include "evaluation/EvaluationBuilder.h"
#include "platform/Windows1252.h"

#include <memory>

namespace {

std::string Text(const std::string& windows1252)
{
    return Windows1252ToUtf8(windows1252);
}

struct CBuilt
{
    CChartGraph Chart;
    CListCtrlData Table;
    double Divisor = 1.0;
};

CBuilt Build(const CData& data, const CEvaluationSettings& settings)
{
    CBuilt built;
    CEvaluationBuilder builder(data);
    builder.Build(settings, built.Chart, built.Table);
    built.Divisor = builder.GetDivisor();
    return built;
}

CJsonArray ColumnHeaders(const CListCtrlData& table)
{
    CJsonArray headers;
    for (const CListColumn& column : table.GetColumns())
        headers.push_back(Text(column.Header));
    return headers;
}

CJsonObject TableRow(const CListCtrlData& table, const CListRow& row)
{
    const CListCell* key = row.FindCell(0);
    const CListCell* name = row.FindCell(1);
    CJsonArray cells, values;
    for (const CListColumn& column : table.GetColumns()) {
        if (column.Index < 2)
            continue;
        const CListCell* cell = row.FindCell(column.Index);
        cells.push_back(cell ? Text(cell->GetText()) : std::string());
        values.push_back(cell ? cell->Number : 0.0);
    }
    return CJsonObject{{"key", key ? key->Number : 0.0},
                       {"name", name ? Text(name->GetText()) : std::string()},
                       {"cells", cells},
                       {"values", values}};
}

CJsonObject TableReport(const CListCtrlData& table)
{
    CJsonArray rows;
    for (std::uint32_t id : table.GetItems()) {
        if (const CListRow* row = table.FindRow(id))
            rows.push_back(TableRow(table, *row));
    }
    return CJsonObject{{"columns", ColumnHeaders(table)}, {"rows", rows}};
}

CJsonArray ColorOf(const CChartGraph& chart, int seriesIndex)
{
    for (const CChartColor& color : chart.GetColors()) {
        if (color.SeriesIndex == seriesIndex)
            return CJsonArray{color.Red, color.Green, color.Blue};
    }
    return CJsonArray{};
}

CJsonObject ChartReport(const CChartGraph& chart)
{
    CJsonArray series;
    for (const CChartLegend::CEntry& entry : chart.GetLegend().GetEntries()) {
        series.push_back(CJsonObject{{"index", entry.SeriesIndex},
                                     {"name", Text(entry.Name)},
                                     {"color", ColorOf(chart, entry.SeriesIndex)}});
    }
    CJsonArray groups;
    for (const CChartGroup& group : chart.GetGroups()) {
        CJsonArray values;
        for (const CChartValue& value : group.GetValues())
            values.push_back(CJsonArray{value.SeriesIndex, value.Value});
        groups.push_back(CJsonObject{{"label", Text(group.GetLabel())}, {"values", values}});
    }
    return CJsonObject{{"series", series},
                       {"groups", groups},
                       {"min", chart.GetValueMinimum()},
                       {"max", chart.GetValueMaximum()},
                       {"step", chart.GetTickStep()},
                       {"tickCount", chart.GetTickCount()}};
}

} // namespace

namespace CliEvaluation {

CJsonObject Report(const CData& data, const CEvaluationSettings& settings)
{
    const CBuilt built = Build(data, settings);
    return CJsonObject{{"measure", static_cast<int>(settings.Measure)},
                       {"divisor", built.Divisor},
                       {"title", Text(built.Chart.GetTitle())},
                       {"categoryTitle", Text(built.Chart.GetCategoryTitle())},
                       {"valueTitle", Text(built.Chart.GetValueTitle())},
                       {"table", TableReport(built.Table)},
                       {"chart", ChartReport(built.Chart)}};
}

CCliTable Table(const CData& data, const CEvaluationSettings& settings)
{
    const CBuilt built = Build(data, settings);
    CCliTable table;
    for (const CListColumn& column : built.Table.GetColumns()) {
        if (column.Index >= 1)
            table.Columns.push_back(Text(column.Header));
    }
    auto rows = std::make_shared<CJsonArray>();
    for (std::uint32_t id : built.Table.GetItems()) {
        const CListRow* row = built.Table.FindRow(id);
        if (!row)
            continue;
        CJsonObject shown;
        for (const CListColumn& column : built.Table.GetColumns()) {
            const CListCell* cell = row->FindCell(column.Index);
            if (column.Index >= 1 && cell)
                shown.Insert(Text(column.Header), Text(cell->GetText()));
        }
        rows->push_back(std::move(shown));
    }
    table.Rows = [rows](const CJsonRowSink& sink) {
        for (const CJsonValue& row : *rows)
            sink(row);
    };
    return table;
}

} // namespace CliEvaluation
