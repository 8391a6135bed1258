#include "SalesPageBenchmark.h"

#include "BenchPageHost.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "pages/DialogSales.h"
#include "pages/PageFactory.h"
#include "pages/SalesPage.h"

#include <QApplication>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

using CSteadyClock = std::chrono::steady_clock;

double Milliseconds(CSteadyClock::time_point start, CSteadyClock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(int repeat, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < repeat; ++run) {
        const auto start = CSteadyClock::now();
        work();
        times.push_back(Milliseconds(start, CSteadyClock::now()));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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

void Row(const char* work, double milliseconds)
{
    std::printf("| %-66s | %8.1f ms |\n", work, milliseconds);
}

} // namespace

void RunSalesPageBenchmark(CData& data, int repeat)
{
    // The clock stands in the last month of the generated sales.
    CBenchPageHost host(data, {2008, 12, 20, 14, 0, 0});
    const int group = LargestGroup(data);
    std::unique_ptr<CSalesPage> page(
        static_cast<CSalesPage*>(CPageFactory::Create(EPage::Sales, host, nullptr)));
    page->resize(1100, 700);
    page->show();
    QApplication::processEvents();

    host.Selection.Selected = group + 3;
    page->FillList();
    const int groupRows = page->List()->model()->rowCount();
    const double groupFill = Median(repeat, [&] { page->FillList(); });
    const double groupShown = Median(repeat, [&] {
        page->FillList();
        page->repaint();
    });
    host.Selection.Selected = host.Selection.All;
    page->FillList();
    const int allRows = page->List()->model()->rowCount();
    const double allFill = Median(repeat, [&] { page->FillList(); });

    host.Selection.Selected = group + 3;
    page->FillList();
    page->List()->SelectRowById(1);
    const double booking = Median(repeat, [&] {
        page->RecordSale();
        page->repaint();
    });

    const double salesList = Median(repeat, [&] {
        CDialogSales dialog(host, nullptr);
        dialog.show();
        dialog.repaint();
    });

    std::printf(
        "sales page: %d sales, largest group %d with %d dishes, %d dishes in all, median of %d runs\n\n",
        data.Sales.Count(), group, groupRows, allRows, repeat);
    std::printf("| %-66s | %11s |\n|---|---|\n", "work", "time");
    Row("page fill, largest group (one walk over the sales, rows, Fill, Sort)", groupFill);
    Row("page fill and paint, largest group", groupShown);
    Row("page fill, \"Alle\"", allFill);
    Row("booking a sale (AddSaleFromRecipe), refill and paint", booking);
    Row("list of all sales: open (columns, layout, fill, sort) and paint", salesList);
}
