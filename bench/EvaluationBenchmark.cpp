#include "EvaluationBenchmark.h"

#include "BenchSales.h"
#include "LiteralEvaluation.h"
#include "catalogue/Data.h"
#include "controls/model/ChartGraph.h"
#include "controls/model/ListCtrlData.h"
#include "evaluation/EvaluationBuilder.h"
#include "evaluation/EvaluationValues.h"
#include "evaluation/EvaluationWindows.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

namespace {

constexpr int kMonths = 36;
constexpr int kRuns = 9;

CEvaluationSettings Settings(const CDateTime& start, bool perMonth, bool originalData)
{
    CEvaluationSettings settings;
    settings.OriginalData = originalData;
    settings.Measure = EMeasure::ContributionMargin; // needs both net revenue and cost
    settings.PerMonth = perMonth;
    settings.Start = start;
    const int lastMonth = start.GetMonth() - 1 + kMonths - 1;
    settings.End = CDateTime(start.GetYear() + lastMonth / 12, lastMonth % 12 + 1, 1);
    const unsigned drawn[] = {
        CData::SeriesAll, CData::SeriesAllFood, CData::SeriesAllDrinks, 0, 1, 2, 10, 11};
    for (unsigned selector : drawn)
        settings.SeriesFlags[selector] = true;
    return settings;
}

double MedianBuildMilliseconds(const CData& data, const CEvaluationSettings& settings)
{
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        CChartGraph chart;
        CListCtrlData table;
        const auto start = std::chrono::steady_clock::now();
        CEvaluationBuilder(data).Build(settings, chart, table);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Frozen prices only: with current prices the definition recosts the recipe of every sale in
// every window, which takes many minutes here (the unit tests compare both on random catalogues).
bool MatchesDefinition(const CData& data, const CEvaluationSettings& settings)
{
    const CEvaluationWindows windows(settings.Start, settings.End);
    const auto fast = CEvaluationValues::Compute(data, windows, settings.Measure, settings.PerMonth, true);
    const auto literal = ComputeEvaluationLiterally(data, windows, settings.Measure, settings.PerMonth, true);
    return fast.IsIdenticalTo(literal);
}

} // namespace

void RunEvaluationBenchmark(const CData& data)
{
    const std::optional<CDateTime> start = FirstSaleMonth(data);
    if (!start) {
        std::printf("| evaluation build | no dated sales |\n");
        return;
    }
    bool identical = true;
    for (bool originalData : {true, false}) {
        for (bool perMonth : {true, false}) {
            const CEvaluationSettings settings = Settings(*start, perMonth, originalData);
            std::printf("| evaluation build, %s, %s (%d months, 8 series, %d sales) | %.2f ms |\n",
                        perMonth ? "monthly values" : "running totals",
                        originalData ? "booked prices" : "current prices", kMonths, data.Sales.Count(),
                        MedianBuildMilliseconds(data, settings));
            if (originalData)
                identical = MatchesDefinition(data, settings) && identical;
        }
    }
    std::printf("| evaluation values equal the per-month definition (both modes, frozen prices) | %s |\n",
                identical ? "yes" : "NO");
}
