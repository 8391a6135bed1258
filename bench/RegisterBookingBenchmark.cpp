#include "RegisterBookingBenchmark.h"

#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterBooking.h"
#include "registerimport/RegisterItemTable.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kItems = 500;
constexpr int kLines = 10000;
constexpr int kDays = 30;

// Register spellings of the dishes' names: as they are, in capitals, with the spaces taken out
// and "ae" for "ä", with a letter missing, and names of no dish.
std::vector<std::string> ItemTexts(const std::vector<const CRecipe*>& dishes)
{
    std::vector<std::string> texts;
    for (int i = 0; i < kItems; ++i) {
        std::string name = dishes[static_cast<std::size_t>(i * 7) % dishes.size()]->Name;
        switch (i % 5) {
        case 1:
            for (char& c : name)
                c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
            break;
        case 2:
            std::erase(name, ' ');
            break;
        case 3:
            if (name.size() > 4)
                name.erase(name.size() / 2, 1);
            break;
        case 4:
            name = "Artikel " + std::to_string(i);
            break;
        default:
            break;
        }
        texts.push_back(name);
    }
    return texts;
}

// 10,000 lines of 100 dishes named exactly, over 30 days from 11:00 to 00:30, a return now and
// then, in one closing per day.
CRegisterSales MakeSales(const std::vector<const CRecipe*>& dishes)
{
    CRegisterSales sales;
    sales.SourceName = "bench";
    for (int day = 0; day < kDays; ++day)
        sales.Sources.push_back(
            {"B/" + std::to_string(day), "Abschluss " + std::to_string(day), CDateTime()});
    // 100 items, each named exactly like a dish.
    for (int item = 0; item < 100; ++item)
        sales.AddItem(std::to_string(1000 + item),
                      dishes[static_cast<std::size_t>(item) * 13 % dishes.size()]->Name);
    for (int i = 0; i < kLines; ++i) {
        const int day = i * kDays / kLines;
        CRegisterLine line;
        line.Item = i % 100;
        line.DateTime = CDateTime(2026, 4, 1, 11) + CDateTimeSpan(day, 0, (i * 7) % 810, 0);
        line.Quantity = i % 97 == 0 ? -1.0 : 1.0 + i % 3;
        line.GrossRevenue = line.Quantity * (8.5 + (i % 100) % 7);
        line.HasPrice = true;
        line.VatRate = 7.0f;
        line.Source = day;
        sales.Lines.push_back(line);
    }
    sales.Receipts = kLines / 3;
    return sales;
}

} // namespace

void RunRegisterBookingBenchmark(CData& data, int repeat)
{
    std::vector<const CRecipe*> dishes;
    for (const CRecipe& recipe : data.Recipes) {
        if (recipe.UseForSale)
            dishes.push_back(&recipe);
    }
    if (dishes.empty())
        return;
    const std::vector<std::string> texts = ItemTexts(dishes);
    std::vector<double> proposing, planning, booking, undoing;
    volatile int found = 0;
    for (int run = 0; run < repeat; ++run) {
        const auto start = CSteadyClock::now();
        const CDishProposer proposer(data);
        int proposals = 0;
        for (const std::string& text : texts)
            proposals += proposer.Propose(text).Dish ? 1 : 0;
        proposing.push_back(Milliseconds(start, CSteadyClock::now()));
        found = proposals;
    }
    const CRegisterSales sales = MakeSales(dishes);
    std::size_t booked = 0;
    for (int run = 0; run < repeat; ++run) {
        const auto start = CSteadyClock::now();
        CRegisterItemTable items = CRegisterItemTable::Build(sales, {}, data, CDishProposer(data));
        items.AcceptExact();
        const CImportPlan plan = ImportPlanning::Plan(sales, items, data);
        const auto planned = CSteadyClock::now();
        CRegisterImportStep step;
        if (!step.Book(plan, data))
            return;
        const auto done = CSteadyClock::now();
        booked = plan.Sales.size();
        (void)step.Undo(data);
        planning.push_back(Milliseconds(start, planned));
        booking.push_back(Milliseconds(planned, done));
        undoing.push_back(Milliseconds(done, CSteadyClock::now()));
    }
    std::printf("| proposals for %d items against %zu dishes (%d proposed) | %.1f ms |\n", kItems,
                dishes.size(), found, Median(proposing));
    std::printf("| import of %d lines: items, proposals and plan | %.1f ms |\n", kLines, Median(planning));
    std::printf("| booking it into %d sales (%zu sales booked or merged) | %.1f ms |\n", data.Sales.Count(),
                booked, Median(booking));
    std::printf("| taking it back | %.1f ms |\n", Median(undoing));
}
