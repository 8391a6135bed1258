#include "SalesPageBenchmark.h"

#include "BenchPageHost.h"
#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "pages/PageFactory.h"
#include "pages/sales/DialogSales.h"
#include "pages/sales/SalesPage.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <QHeaderView>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Wall and CPU time of the process, medians; on a busy machine the CPU time is the steadier.
struct CTimes
{
    double Wall;
    double Cpu;
};

double CpuMilliseconds()
{
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

CTimes Median(int repeat, const std::function<void()>& work)
{
    std::vector<double> wall, cpu;
    for (int run = 0; run < repeat; ++run) {
        const auto start = CSteadyClock::now();
        const double cpuStart = CpuMilliseconds();
        work();
        cpu.push_back(CpuMilliseconds() - cpuStart);
        wall.push_back(Milliseconds(start, CSteadyClock::now()));
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

// The group with the most dishes; every group gets a section of its own (its index + 3).
int LargestGroup(CData& data)
{
    std::array<int, CData::kNbGroups> dishes{};
    for (const CRecipe& recipe : data.Recipes) {
        if (recipe.UseForSale && CData::IsValidGroup(recipe.NameGroupIndex))
            ++dishes[static_cast<std::size_t>(recipe.NameGroupIndex)];
    }
    for (int group = 0; group < CData::kNbGroups; ++group)
        data.GroupSection[static_cast<std::size_t>(group)] = group + 3;
    return static_cast<int>(std::max_element(dishes.begin(), dishes.end()) - dishes.begin());
}

void Row(const char* work, const CTimes& times)
{
    std::printf("| %-66s | %8.1f ms | %8.1f ms |\n", work, times.Wall, times.Cpu);
}

} // namespace

void RunSalesPageBenchmark(CData& data, int repeat)
{
    // The clock stands in the last month of the generated sales.
    CBenchPageHost host(data, {2008, 12, 20, 14, 0, 0});
    const int group = LargestGroup(data);
    std::unique_ptr<CSalesPage> page(
        static_cast<CSalesPage*>(PageFactory::Create(EPage::Sales, host, nullptr)));
    page->resize(1100, 700);
    page->show();
    QApplication::processEvents();

    host.Selection.Selected = group + 3;
    page->FillList();
    const int groupRows = page->List()->model()->rowCount();
    const CTimes groupFill = Median(repeat, [&] { page->FillList(); });
    const CTimes groupShown = Median(repeat, [&] {
        page->FillList();
        page->repaint();
    });
    host.Selection.Selected = host.Selection.All;
    page->FillList();
    const int allRows = page->List()->model()->rowCount();
    const CTimes allFill = Median(repeat, [&] { page->FillList(); });

    host.Selection.Selected = group + 3;
    page->FillList();
    page->List()->SelectRowById(1);
    const CTimes booking = Median(repeat, [&] {
        page->RecordSale();
        page->repaint();
    });

    const CTimes salesList = Median(repeat, [&] {
        CDialogSales dialog(host, nullptr);
        dialog.show();
        dialog.repaint();
    });
    // English dates are written another way: the same list in English.
    CStringTables::SetLanguage(CStringTables::English);
    const CTimes salesListEnglish = Median(repeat, [&] {
        CDialogSales dialog(host, nullptr);
        dialog.show();
        dialog.repaint();
    });
    CStringTables::SetLanguage(CStringTables::German);
    // A header click moves the rows as a layout change; the selected sale goes with them.
    CDialogSales sorted(host, nullptr);
    sorted.show();
    sorted.List()->SelectRowById(1);
    const CTimes headerClick = Median(repeat, [&] {
        emit sorted.List()->header()->sectionClicked(1);
        sorted.repaint();
    });

    std::printf(
        "sales page: %d sales, largest group %d with %d dishes, %d dishes in all, median of %d runs\n\n",
        data.Sales.Count(), group, groupRows, allRows, repeat);
    std::printf("| %-66s | %11s | %11s |\n|---|---|---|\n", "work", "wall", "CPU");
    Row("page fill, largest group (one walk over the sales, rows, Fill, Sort)", groupFill);
    Row("page fill and paint, largest group", groupShown);
    Row("page fill, \"Alle\"", allFill);
    Row("booking a sale (AddSaleFromRecipe), refill and paint", booking);
    Row("list of all sales: open (columns, layout, fill, sort) and paint", salesList);
    Row("the same with English dates", salesListEnglish);
    Row("list of all sales: sort by date (header click) with a row selected, paint", headerClick);
}
