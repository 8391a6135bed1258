#include "CostCheckTable.h"

#include "controls/model/ListCtrlData.h"
#include "costcheck/CostFindingText.h"
#include "evaluation/EvaluationTableText.h"
#include "resources/StringIds.h"

#include <vector>

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
    return CEvaluationTableText::ToCsv(list, CEvaluationTableText::EFirstColumn::Kept);
}

} // namespace CostCheckTable
