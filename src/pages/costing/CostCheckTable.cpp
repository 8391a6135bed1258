#include "CostCheckTable.h"

#include "controls/model/ListCtrlData.h"
#include "costcheck/CostFindingText.h"
#include "evaluation/EvaluationTableText.h"
#include "resources/StringIds.h"

#include <vector>

namespace {

void AppendLine(const std::vector<std::string>& fields, std::string& text)
{
    for (std::size_t position = 0; position < fields.size(); ++position) {
        if (position > 0)
            text += ';';
        text += CEvaluationTableText::CsvField(fields[position]);
    }
    text += "\r\n";
}

} // namespace

namespace CostCheckTable {

const std::array<CListColumnSetup, NbColumns>& Columns()
{
    static const std::array<CListColumnSetup, NbColumns> columns = {{
        {StringId::kCostSeverityHeader, EColumnFormat::Left, 70, "Warnung"},
        {StringId::kCostRecordHeader, EColumnFormat::Left, 70, "Rezeptur"},
        {StringId::kNameHeader, EColumnFormat::Left, 150},
        {StringId::kCostProblemHeader, EColumnFormat::Left, 470},
        {StringId::kCostAdviceHeader, EColumnFormat::Left, 370},
    }};
    return columns;
}

std::array<std::string, NbColumns> Cells(const CCostFinding& finding)
{
    return {CostFindingText::Severity(finding.Severity), CostFindingText::Record(finding.Record),
            finding.Name, CostFindingText::Problem(finding), CostFindingText::Advice(finding)};
}

std::string ToCsv(const CListCtrlData& list)
{
    std::vector<int> columns;
    for (int index : list.GetDisplayOrder()) {
        const CListColumn* column = list.FindColumn(index);
        if (column != nullptr && column->Visible)
            columns.push_back(index);
    }
    std::string text;
    std::vector<std::string> fields;
    for (int index : columns)
        fields.push_back(list.FindColumn(index)->Header);
    AppendLine(fields, text);
    for (std::size_t item = 0; item < list.GetItems().size(); ++item) {
        const CListRow* row = list.GetItemRow(item);
        fields.clear();
        for (int index : columns) {
            const CListCell* cell = row != nullptr ? row->FindCell(index) : nullptr;
            fields.push_back(cell != nullptr ? cell->GetText() : std::string());
        }
        AppendLine(fields, text);
    }
    return text;
}

} // namespace CostCheckTable
