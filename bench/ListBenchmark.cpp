#include "ListBenchmark.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "controls/model/ListCtrlData.h"

#include <QApplication>
#include <QHeaderView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

namespace {

enum EColumn { kName, kDate, kGroup, kPortions, kPrice, kBuy, kSellNet, kSellGross, kColumnCount };

using CSteadyClock = std::chrono::steady_clock;

double Milliseconds(CSteadyClock::time_point start, CSteadyClock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The resident memory of the process now.
long ResidentKilobytes()
{
    long pages = 0, resident = 0;
    if (FILE* file = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(file, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(file);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

std::string DateText(const CDateTime& date)
{
    if (!date.IsValid())
        return "Invalid DateTime";
    char text[16];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", date.GetDay() % 100, date.GetMonth() % 100,
                  date.GetYear() % 10000);
    return text;
}

// The columns and rows of the all-sales list as a page builds them, into a CListCtrlData or
// a CListCtrlEx alike.
template <typename List> void FillSales(List& list, const CData& data)
{
    list.Reset();
    const char* headers[kColumnCount] = {"Name",  "Datum",      "Warengruppe",    "Menge",
                                         "Preis", "EK/Portion", "VK netto/Port.", "VK brutto/Port."};
    for (int column = 0; column < kColumnCount; ++column) {
        const auto format = column >= kPortions ? EColumnFormat::Right : EColumnFormat::Left;
        list.InsertColumn(column, headers[column], format, 90);
    }
    std::uint32_t index = 0;
    for (const CSale& sale : data.Sales) {
        const std::uint32_t row = list.AddRow(index++);
        list.SetCellText(row, kName, sale.Name);
        list.SetCellText(row, kDate, DateText(sale.DateTime));
        list.SetCellText(row, kGroup, data.GetGroupName(sale.NameGroupIndex));
        list.SetCellNumber(row, kPortions, sale.NbPortion, ECellType::General);
        list.SetCellNumber(row, kPrice, sale.PriceSellPerPortionTax * sale.NbPortion, ECellType::TwoDecimals);
        list.SetCellNumber(row, kBuy, sale.PriceBuyPerPortion, ECellType::TwoDecimals);
        list.SetCellNumber(row, kSellNet, sale.PriceSellPerPortionNoTax, ECellType::TwoDecimals);
        list.SetCellNumber(row, kSellGross, sale.PriceSellPerPortionTax, ECellType::TwoDecimals);
    }
}

void Row(const char* what, double milliseconds)
{
    std::printf("| %-58s | %8.1f ms |\n", what, milliseconds);
}

void ModelTimes(const CData& data, int repeat)
{
    std::vector<double> fill, fillSort, byPrice, byName;
    for (int run = 0; run < repeat; ++run) {
        CListCtrlData list;
        const auto start = CSteadyClock::now();
        FillSales(list, data);
        const auto filled = CSteadyClock::now();
        list.Fill();
        list.Sort();
        const auto sorted = CSteadyClock::now();
        list.ClickHeader(kPrice);
        const auto priced = CSteadyClock::now();
        list.ClickHeader(kName);
        const auto named = CSteadyClock::now();
        fill.push_back(Milliseconds(start, filled));
        fillSort.push_back(Milliseconds(filled, sorted));
        byPrice.push_back(Milliseconds(sorted, priced));
        byName.push_back(Milliseconds(priced, named));
    }
    Row("data model: columns, rows and cells (AddRow, SetCell...)", Median(fill));
    Row("data model: Fill + Sort by name", Median(fillSort));
    Row("data model: re-sort by price (header click)", Median(byPrice));
    Row("data model: re-sort by name (header click)", Median(byName));
}

// Shows the list and paints it once, as the first frame on screen.
void ShowAndPaint(CListCtrlEx& list)
{
    list.show();
    QApplication::processEvents();
    list.viewport()->repaint();
}

void WidgetTimes(const CData& data, int repeat)
{
    std::vector<double> total, rows, fillSort, shown, clickPrice, clickName;
    for (int run = 0; run < repeat; ++run) {
        CListCtrlEx list;
        list.resize(900, 600);
        const auto start = CSteadyClock::now();
        FillSales(list, data);
        const auto filled = CSteadyClock::now();
        list.Fill();
        list.Sort();
        const auto sorted = CSteadyClock::now();
        ShowAndPaint(list);
        const auto painted = CSteadyClock::now();
        emit list.header()->sectionClicked(kPrice);
        list.viewport()->repaint();
        const auto priced = CSteadyClock::now();
        emit list.header()->sectionClicked(kName);
        list.viewport()->repaint();
        const auto named = CSteadyClock::now();
        total.push_back(Milliseconds(start, painted));
        rows.push_back(Milliseconds(start, filled));
        fillSort.push_back(Milliseconds(filled, sorted));
        shown.push_back(Milliseconds(sorted, painted));
        clickPrice.push_back(Milliseconds(painted, priced));
        clickName.push_back(Milliseconds(priced, named));
    }
    Row("widget: fill all rows and show them (total)", Median(total));
    Row("  of which rows and cells into the data model", Median(rows));
    Row("  of which Fill + Sort (data model, view reset)", Median(fillSort));
    Row("  of which show and first paint", Median(shown));
    Row("widget: header click re-sorts by price, repaint", Median(clickPrice));
    Row("widget: header click re-sorts by name, repaint", Median(clickName));
}

} // namespace

void RunListBenchmark(const CData& data, int repeat)
{
    std::printf("list of all sales: %d rows, %d columns, median of %d runs\n\n", data.Sales.Count(),
                kColumnCount, repeat);
    std::printf("| %-58s | %11s |\n|---|---|\n", "work", "time");
    {
        // First, so that the memory is fresh from the system.
        const long before = ResidentKilobytes();
        CListCtrlData list;
        FillSales(list, data);
        list.Fill();
        std::printf("| %-58s | %8ld KiB |\n", "data model filled: resident memory",
                    ResidentKilobytes() - before);
    }
    ModelTimes(data, repeat);
    WidgetTimes(data, repeat);
}
