#include "MenuBenchmark.h"

#include "BenchPageHost.h"
#include "BenchSales.h"
#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "controls/MenuChartPainter.h"
#include "controls/MenuChartWnd.h"
#include "controls/model/ListCtrlData.h"
#include "controls/model/MenuChart.h"
#include "evaluation/MenuEngineering.h"
#include "evaluation/MenuEngineeringView.h"
#include "pages/PageFactory.h"
#include "pages/evaluation/EvaluationPage.h"

#include <QApplication>
#include <QImage>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

void Measure(const char* work, int repeat, const std::function<void(int)>& step)
{
    int run = 0;
    std::printf("| %-70s | %8.1f ms |\n", work, MedianMilliseconds(repeat, [&] { step(run++); }));
}

// The analysis, the chart model and its picture, as the page builds and paints them.
void AnalyseAndPaint(const CData& data, const CMenuRequest& request, CMenuChart& chart, QImage& image)
{
    const CMenuAnalysis analysis = CMenuAnalysis::Build(data, request);
    MenuEngineeringView::FillChart(data, analysis, chart);
    image = CMenuChartPainter::Render(chart, QSize(1000, 420));
}

} // namespace

void RunMenuBenchmark(CData& data, int repeat)
{
    const CDateTime start = FirstSaleMonth(data).value_or(CDateTime(2009, 1, 1));
    const CDateTime end(start.GetYear() + 3, start.GetMonth(), 1);
    CMenuRequest request{start, end - CDateTimeSpan(0, 0, 0, 1), CData::SeriesAllFood, true};
    CMenuChart chart;
    QImage image;
    AnalyseAndPaint(data, request, chart, image);
    std::printf("menu analysis: %d sales, %d recipes, 36 months from %02d.%04d, all food %zu dishes, "
                "median of %d runs\n\n",
                data.Sales.Count(), data.GetNbRecipes(), start.GetMonth(), start.GetYear(),
                chart.Points.size(), repeat);
    std::printf("| %-70s | %11s |\n|---|---|\n", "work", "time");
    for (bool booked : {true, false}) {
        request.BookedPrices = booked;
        Measure(booked ? "analysis alone, all food, booked prices"
                       : "analysis alone, all food, current prices",
                repeat, [&](int) { (void)CMenuAnalysis::Build(data, request); });
        Measure(booked ? "analysis, chart built and painted (1000 x 420), all food, booked prices"
                       : "analysis, chart built and painted (1000 x 420), all food, current prices",
                repeat, [&](int) { AnalyseAndPaint(data, request, chart, image); });
    }

    CBenchPageHost host(data);
    host.ChartSettings().Start = start;
    host.ChartSettings().End = request.End;
    std::unique_ptr<CEvaluationPage> page(
        static_cast<CEvaluationPage*>(PageFactory::Create(EPage::Evaluation, host, nullptr)));
    page->InitFromData(data);
    page->resize(1000, 700);
    page->show();
    page->RefreshPage();
    page->ShowMenuAnalysis();
    QApplication::processEvents();
    const auto repaint = [&] {
        page->MenuChart()->repaint();
        page->MenuTable()->viewport()->repaint();
        QApplication::processEvents();
    };
    Measure("page: selection all food / all drinks, chart and table repainted", repeat, [&](int run) {
        page->SetMenuSelection(run % 2 == 0 ? CData::SeriesAllDrinks : CData::SeriesAllFood);
        repaint();
    });
    page->SetMenuSelection(CData::SeriesAllFood);
    Measure("page: price basis booked / current, all food, with the evaluation build", repeat, [&](int run) {
        page->SetOriginalData(run % 2 != 0);
        repaint();
    });
    Measure("page: menu analysis shown (from the chart), all food", repeat, [&](int) {
        page->SetDisplayKind(EChartDisplay::Chart);
        page->ShowMenuAnalysis();
        repaint();
    });
}
