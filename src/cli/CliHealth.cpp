#include "CliHealth.h"

#include "costcheck/CostCheck.h"
#include "costcheck/CostFindingText.h"
#include "platform/Windows1252.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

namespace {

CJsonValue Finding(const CCostFinding& finding)
{
    const bool priced = finding.Fault == ECostFault::PriceBelowTarget;
    const bool target = priced || finding.Fault == ECostFault::NoSellingPrice;
    return CJsonObject{
        {"severity", CostFindingText::SeverityKey(finding.Severity)},
        {"fault", CostFindingText::Key(finding.Fault)},
        {"record", finding.Record == CCostFinding::Ingredient ? "ingredient" : "recipe"},
        {"name", Windows1252ToUtf8(finding.Name)},
        {"problem", Windows1252ToUtf8(CostFindingText::Problem(finding))},
        {"advice", Windows1252ToUtf8(CostFindingText::Advice(finding))},
        {"points", priced ? CJsonValue(finding.Points) : CJsonValue()},
        {"targetPrice", target ? CJsonValue(finding.TargetPrice) : CJsonValue()},
    };
}

} // namespace

namespace CliHealth {

CJsonObject Report(const CData& data, const CDateTime& today)
{
    const std::vector<CCostFinding> findings = CostCheck::Run(data, today);
    int counts[3] = {};
    CJsonArray rows;
    rows.reserve(findings.size());
    for (const CCostFinding& finding : findings) {
        ++counts[static_cast<int>(finding.Severity)];
        rows.push_back(Finding(finding));
    }
    const CJsonValue message =
        findings.empty() ? CJsonValue(Windows1252ToUtf8(CStringTables::Load(StringId::kCostNoFindings)))
                         : CJsonValue();
    return CJsonObject{
        {"counts", CJsonObject{{"errors", counts[0]}, {"warnings", counts[1]}, {"hints", counts[2]}}},
        {"findings", std::move(rows)},
        {"message", message}};
}

} // namespace CliHealth
