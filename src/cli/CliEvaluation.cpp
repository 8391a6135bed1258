#include "CliEvaluation.h"

#include "controls/model/ChartGraph.h"
#include "controls/model/ListCtrlData.h"
#include "evaluation/EvaluationBuilder.h"
#include "platform/Windows1252.h"

#include <QJsonArray>

namespace {

QString Text(const std::string& windows1252)
{
    return QString::fromStdString(Windows1252ToUtf8(windows1252));
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

QJsonArray ColumnHeaders(const CListCtrlData& table)
{
    QJsonArray headers;
    for (const CListColumn& column : table.GetColumns())
        headers.append(Text(column.Header));
    return headers;
}

QJsonObject TableRow(const CListCtrlData& table, const CListRow& row)
{
    const CListCell* key = row.FindCell(0);
    const CListCell* name = row.FindCell(1);
    QJsonArray cells, values;
    for (const CListColumn& column : table.GetColumns()) {
        if (column.Index < 2)
            continue;
        const CListCell* cell = row.FindCell(column.Index);
        cells.append(cell ? Text(cell->GetText()) : QString());
        values.append(cell ? cell->Number : 0.0);
    }
    return QJsonObject{{"key", key ? key->Number : 0.0},
                       {"name", name ? Text(name->GetText()) : QString()},
                       {"cells", cells},
                       {"values", values}};
}

QJsonObject TableReport(const CListCtrlData& table)
{
    QJsonArray rows;
    for (std::uint32_t id : table.GetItems()) {
        if (const CListRow* row = table.FindRow(id))
            rows.append(TableRow(table, *row));
    }
    return QJsonObject{{"columns", ColumnHeaders(table)}, {"rows", rows}};
}

QJsonArray ColorOf(const CChartGraph& chart, int seriesIndex)
{
    for (const CChartColor& color : chart.GetColors()) {
        if (color.SeriesIndex == seriesIndex)
            return QJsonArray{color.Red, color.Green, color.Blue};
    }
    return QJsonArray{};
}

QJsonObject ChartReport(const CChartGraph& chart)
{
    QJsonArray series;
    for (const CChartLegend::CEntry& entry : chart.GetLegend().GetEntries()) {
        series.append(QJsonObject{{"index", entry.SeriesIndex},
                                  {"name", Text(entry.Name)},
                                  {"color", ColorOf(chart, entry.SeriesIndex)}});
    }
    QJsonArray groups;
    for (const CChartGroup& group : chart.GetGroups()) {
        QJsonArray values;
        for (const CChartValue& value : group.GetValues())
            values.append(QJsonArray{value.SeriesIndex, value.Value});
        groups.append(QJsonObject{{"label", Text(group.GetLabel())}, {"values", values}});
    }
    return QJsonObject{{"series", series},
                       {"groups", groups},
                       {"min", chart.GetValueMinimum()},
                       {"max", chart.GetValueMaximum()},
                       {"step", chart.GetTickStep()},
                       {"tickCount", chart.GetTickCount()}};
}

} // namespace

namespace CliEvaluation {

QJsonObject Report(const CData& data, const CEvaluationSettings& settings)
{
    const CBuilt built = Build(data, settings);
    return QJsonObject{{"measure", static_cast<int>(settings.Measure)},
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
            table.Columns.append(Text(column.Header));
    }
    for (std::uint32_t id : built.Table.GetItems()) {
        const CListRow* row = built.Table.FindRow(id);
        if (!row)
            continue;
        QJsonObject shown;
        for (const CListColumn& column : built.Table.GetColumns()) {
            const CListCell* cell = row->FindCell(column.Index);
            if (column.Index >= 1 && cell)
                shown.insert(Text(column.Header), Text(cell->GetText()));
        }
        table.Rows.append(shown);
    }
    return table;
}

} // namespace CliEvaluation
