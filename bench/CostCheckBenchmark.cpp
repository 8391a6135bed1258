#include "CostCheckBenchmark.h"

#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "costcheck/CostCheck.h"
#include "costcheck/CostFindingText.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <vector>

namespace {

CDateTime DayAfterLastSale(const CData& data)
{
    CDateTime latest(2026, 12, 7);
    bool any = false;
    for (const CSale& sale : data.Sales) {
        if (sale.DateTime.IsValid() && (!any || sale.DateTime > latest)) {
            latest = sale.DateTime;
            any = true;
        }
    }
    return CDateTime(latest.GetYear(), latest.GetMonth(), latest.GetDay()) + CDateTimeSpan(1.0);
}

} // namespace

void RunCostCheckBenchmark(const CData& data, int repeat)
{
    const CDateTime today = DayAfterLastSale(data);
    std::vector<CCostFinding> findings;
    const double check = MedianMilliseconds(repeat, [&] { findings = CostCheck::Run(data, today); });
    std::size_t textBytes = 0;
    const double withTexts = MedianMilliseconds(repeat, [&] {
        findings = CostCheck::Run(data, today);
        textBytes = 0;
        for (const CCostFinding& finding : findings)
            textBytes += CostFindingText::Problem(finding).size() + CostFindingText::Advice(finding).size();
    });
    std::map<std::string, int> byFault;
    for (const CCostFinding& finding : findings)
        ++byFault[CostFindingText::Key(finding.Fault)];
    std::printf("%d ingredients, %d recipes, %d sales; %zu findings (%zu bytes of text):",
                data.GetNbIngredients(), data.GetNbRecipes(), data.Sales.Count(), findings.size(), textBytes);
    for (const auto& [key, count] : byFault)
        std::printf(" %s %d", key.c_str(), count);
    std::printf("\n\n| costing check, median of %d | time |\n|---|---|\n", repeat);
    std::printf("| check alone | %.1f ms |\n| check with the texts of every finding | %.1f ms |\n", check,
                withTexts);
}
