#include "IngredientPageBenchmark.h"

#include "BenchPageHost.h"
#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "pages/PageFactory.h"
#include "pages/ingredients/IngredientPage.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

void RunIngredientPageBenchmark(CData& data, int repeat)
{
    CBenchPageHost host(data);
    std::unique_ptr<CIngredientPage> page(
        static_cast<CIngredientPage*>(PageFactory::Create(EPage::Ingredients, host, nullptr)));
    page->resize(960, 600);
    page->show();
    QApplication::processEvents();
    std::vector<double> fill, shown;
    for (int run = 0; run < repeat; ++run) {
        const auto start = CSteadyClock::now();
        page->FillList();
        const auto filled = CSteadyClock::now();
        page->repaint();
        QApplication::processEvents();
        const auto painted = CSteadyClock::now();
        fill.push_back(Milliseconds(start, filled));
        shown.push_back(Milliseconds(start, painted));
    }
    std::printf("ingredients page: %d ingredients, %d rows shown, median of %d runs\n\n",
                data.GetNbIngredients(), page->List()->model()->rowCount(), repeat);
    std::printf("| %-58s | %11s |\n|---|---|\n", "work", "time");
    std::printf("| %-58s | %8.1f ms |\n", "FillList: rows and cells, Fill, Sort (data model + reset)",
                Median(fill));
    std::printf("| %-58s | %8.1f ms |\n", "FillList and painting the shown page", Median(shown));
}
