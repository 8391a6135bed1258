#include "StockEntryBenchmark.h"

#include "BenchPageHost.h"
#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "pages/stock/DialogIngredientList.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

struct CTimes
{
    double Median;
    double Slowest;
};

// Runs `work` `count` times, each timed on its own.
CTimes Measure(int count, const std::function<void(int)>& work)
{
    std::vector<double> times;
    for (int run = 0; run < count; ++run) {
        const auto start = CSteadyClock::now();
        work(run);
        times.push_back(std::chrono::duration<double, std::milli>(CSteadyClock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

void PrintRow(const char* work, const CTimes& times)
{
    std::printf("| %-62s | %8.3f ms | %8.3f ms |\n", work, times.Median, times.Slowest);
}

} // namespace

void RunStockEntryBenchmark(CData& data, int repeat)
{
    CBenchPageHost host(data);
    const CTimes sort = Measure(repeat, [&](int) { data.SortIngredients("Name", true); });
    CDialogIngredientList dialog(host, nullptr);
    dialog.show();
    QApplication::processEvents();
    QLineEdit* field = dialog.StockField();
    const int moves = 100 * repeat;
    const CTimes move = Measure(moves, [&](int run) {
        field->setText(QString::number(run % 50));
        QTest::keyClick(field, run % 2 == 0 ? Qt::Key_Down : Qt::Key_Return);
        dialog.repaint();
    });
    const CTimes search = Measure(moves, [&](int run) {
        // A new search each time (the bench clock stands still, so the pause is forced):
        // "zz" matches no name beyond its first letter and scans every ingredient.
        host.Clock().Sleep(2000);
        QTest::keyClick(field, run % 2 == 0 ? Qt::Key_Z : Qt::Key_A);
        dialog.repaint();
    });
    volatile double sink = 0.0;
    const CTimes total = Measure(moves, [&](int) { sink = sink + data.GetStockValue(); });
    std::printf("stock dialog: %d ingredients, median and slowest of %d runs (sort: %d)\n\n",
                data.GetNbIngredients(), moves, repeat);
    std::printf("| %-62s | %11s | %11s |\n|---|---|---|\n", "work", "median", "slowest");
    PrintRow("sort by name (the command, before the dialog opens)", sort);
    PrintRow("move with a typed stock: store, total, five rows, repaint", move);
    PrintRow("type-ahead key: search every name, move, repaint", search);
    PrintRow("total stock value alone (CData::GetStockValue)", total);
}
