#include "EvaluationPageBenchmark.h"

#include "BenchPageHost.h"
#include "BenchSales.h"
#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "controls/ChartWnd.h"
#include "controls/ListCtrlEx.h"
#include "pages/PageFactory.h"
#include "pages/evaluation/EvaluationPage.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The change `step` (given the run number) followed by the repaint the user waits for.
double TimeChange(QWidget& view, int run, const std::function<void(int)>& step)
{
    const auto start = CSteadyClock::now();
    step(run);
    view.repaint();
    QApplication::processEvents();
    return std::chrono::duration<double, std::milli>(CSteadyClock::now() - start).count();
}

void Measure(const char* work, QWidget& view, int repeat, const std::function<void(int)>& step)
{
    std::vector<double> times;
    for (int run = 0; run < repeat; ++run)
        times.push_back(TimeChange(view, run, step));
    std::printf("| %-62s | %8.1f ms |\n", work, Median(times));
}

} // namespace

void RunEvaluationPageBenchmark(CData& data, int repeat)
{
    CBenchPageHost host(data);
    const CDateTime start = FirstSaleMonth(data).value_or(CDateTime(2009, 1, 1));
    host.ChartSettings().Start = start;
    host.ChartSettings().End =
        CDateTime(start.GetYear() + 2, start.GetMonth(), 1) - CDateTimeSpan(0, 0, 0, 1);
    std::unique_ptr<CEvaluationPage> page(
        static_cast<CEvaluationPage*>(PageFactory::Create(EPage::Evaluation, host, nullptr)));
    page->InitFromData(data);
    page->resize(1000, 650);
    page->show();
    page->RefreshPage();
    QApplication::processEvents();
    std::printf("evaluation page: %d sales, 24 months from %02d.%04d, %d series drawn, median of %d runs\n\n",
                data.Sales.Count(), start.GetMonth(), start.GetYear(),
                page->Chart()->Graph().GetSeriesCount(), repeat);
    std::printf("| %-62s | %11s |\n|---|---|\n", "change (build of chart and table, then repaint)", "time");
    QWidget& chart = *page->Chart();
    Measure("measure (section button), chart", chart, repeat,
            [&](int run) { page->BuildEvaluation(static_cast<EMeasure>(run % kNbMeasures)); });
    Measure("series switched on or off, chart", chart, repeat, [&](int) { page->ToggleSeries(10); });
    Measure("start month picked, chart", chart, repeat, [&](int run) {
        page->PickStart(QDate(start.GetYear(), start.GetMonth(), 1).addMonths(run % 2 == 0 ? 3 : 0));
    });
    Measure("monthly values / running totals, chart", chart, repeat,
            [&](int run) { page->SetPerMonth(run % 2 != 0); });
    page->SetDisplayKind(EChartDisplay::Table);
    QApplication::processEvents();
    Measure("measure (section button), table", *page->Table(), repeat,
            [&](int run) { page->BuildEvaluation(static_cast<EMeasure>(run % kNbMeasures)); });
}
