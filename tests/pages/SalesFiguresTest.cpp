#include "pages/sales/SalesFigures.h"

#include "SalesBuilder.h"
#include "catalogue/Data.h"
#include "pages/sales/SalesList.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>

using EPeriod = CSalesPeriods::EPeriod;

namespace {

CRecipe* AddDish(CData& data, const std::string& name)
{
    CRecipe scratch(&data);
    scratch.Name = name;
    EXPECT_EQ(data.AddRecipe(scratch), 1);
    return data.Recipes.At(data.GetNbRecipes() - 1);
}

} // namespace

// The business day runs until five; month and year follow the calendar date, also early in
// the morning of the first of a month or of a year.
TEST(SalesPeriodsTest, StartsOfDayMonthAndYear)
{
    struct CCase
    {
        CLocalTime Now;
        CDateTime Day, Month, Year;
    };
    const CCase cases[] = {
        {{2024, 3, 5, 4, 59, 59}, {2024, 3, 4}, {2024, 3, 1}, {2024, 1, 1}},
        {{2024, 3, 5, 5, 0, 0}, {2024, 3, 5}, {2024, 3, 1}, {2024, 1, 1}},
        {{2024, 3, 1, 3, 0, 0}, {2024, 2, 29}, {2024, 3, 1}, {2024, 1, 1}},
        {{2024, 1, 1, 0, 30, 0}, {2023, 12, 31}, {2024, 1, 1}, {2024, 1, 1}},
        {{2024, 12, 31, 23, 59, 0}, {2024, 12, 31}, {2024, 12, 1}, {2024, 1, 1}},
    };
    for (const CCase& c : cases) {
        const CSalesPeriods periods(c.Now);
        SCOPED_TRACE(testing::Message() << c.Now.Day << "." << c.Now.Month << " " << c.Now.Hour);
        EXPECT_EQ(periods.Start(EPeriod::Day), c.Day);
        EXPECT_EQ(periods.Start(EPeriod::Month), c.Month);
        EXPECT_EQ(periods.Start(EPeriod::Year), c.Year);
        EXPECT_EQ(periods.End(), CDateTime::FromLocalTime(c.Now));
        const CDateTime& earliest = c.Day < c.Year ? c.Day : c.Year;
        EXPECT_EQ(periods.Earliest(), earliest);
    }
}

// Worked by hand: a dish sold for 11,90 gross (10,00 net) at a cost of 3,00 a portion.
TEST(SalesFiguresTest, FiguresOfOneDishPerPeriod)
{
    CData data;
    CRecipe* soup = AddDish(data, "Suppe");
    const auto sell = [&](double portions, const CDateTime& date) {
        AddSale(data,
                {.Portions = portions, .Buy = 3.0, .Net = 10.0, .Gross = 11.9, .Date = date, .Recipe = soup});
    };
    sell(2, {2024, 3, 5});         // today
    sell(4, {2024, 3, 2});         // this month
    sell(1, {2024, 1, 15});        // this year
    sell(8, {2023, 12, 31});       // last year
    sell(16, {2024, 3, 6});        // tomorrow: nowhere
    sell(32, {2024, 3, 5, 14, 0}); // the very moment of the computation: excluded
    const CSalesFigures figures(data, CSalesPeriods({2024, 3, 5, 14, 0, 0}));

    const CSalesFigures::CFigures day = figures.Get(soup, EPeriod::Day);
    EXPECT_DOUBLE_EQ(day.Portions, 2);
    EXPECT_DOUBLE_EQ(day.GrossRevenue, 23.8);
    EXPECT_DOUBLE_EQ(day.Margin, 14.0);
    EXPECT_DOUBLE_EQ(day.CostRatio, 30.0);
    EXPECT_DOUBLE_EQ(figures.Get(soup, EPeriod::Month).Portions, 6);
    EXPECT_DOUBLE_EQ(figures.Get(soup, EPeriod::Month).Margin, 42.0);
    EXPECT_DOUBLE_EQ(figures.Get(soup, EPeriod::Year).Portions, 7);
    EXPECT_DOUBLE_EQ(figures.Get(soup, EPeriod::Year).GrossRevenue, 83.3);
}

// The one walk over the sales gives what the catalogue's per-recipe sums give, bit for bit,
// for every dish and period: mixed dishes and prices, a sale of a deleted dish, an invalid
// date, a dish without sales, a sale with zero net price (ratio 0).
TEST(SalesFiguresTest, AgreesWithTheCatalogueSums)
{
    CData data;
    CRecipe* a = AddDish(data, "A");
    CRecipe* b = AddDish(data, "B");
    CRecipe* idle = AddDish(data, "C");
    const CLocalTime now{2024, 1, 1, 4, 10, 0};
    for (int i = 0; i < 400; ++i) {
        const CDateTime date = CDateTime(2023, 12, 1) + CDateTimeSpan(i * 0.13);
        AddSale(data, {.Portions = 0.5 + i % 7,
                       .Buy = 0.37 * (i % 5),
                       .Net = i % 11 == 0 ? 0.0 : 1.1 + i % 3,
                       .Gross = 1.31 + i % 3,
                       .Date = date,
                       .Recipe = i % 9 == 0 ? nullptr : (i % 2 ? a : b)});
    }
    AddSale(data, {.Portions = 5, .Net = 1, .Date = CDateTime::MakeInvalid(), .Recipe = a});
    const CSalesPeriods periods(now);
    const CSalesFigures figures(data, periods);
    for (const CRecipe* recipe : {a, b, idle, static_cast<CRecipe*>(nullptr)}) {
        for (const EPeriod period : {EPeriod::Day, EPeriod::Month, EPeriod::Year}) {
            const CDateTime& start = periods.Start(period);
            const CSalesFigures::CFigures shown = figures.Get(recipe, period);
            EXPECT_EQ(shown.Portions, data.GetRecipePortionsSold(recipe, start, periods.End()));
            EXPECT_EQ(shown.GrossRevenue, data.GetRecipeGrossRevenue(recipe, start, periods.End()));
            EXPECT_EQ(shown.Margin, data.GetRecipeMargin(recipe, start, periods.End()));
            EXPECT_EQ(shown.CostRatio, data.GetRecipeCostRatio(recipe, start, periods.End()));
        }
    }
    EXPECT_GT(figures.Get(a, EPeriod::Day).Portions, 0.0) << "the test must reach the early-morning day";
}

// German and Romanian write "05.03.2024", English "3/5/2024"; the list of sales follows the
// language chosen at start-up.
TEST(SalesListTest, DatesFollowTheChosenLanguage)
{
    const struct
    {
        int Language;
        CDateTime Date;
        const char* Shown;
    } cases[] = {
        {CStringTables::German, {2024, 3, 5}, "05.03.2024"},
        {CStringTables::Romanian, {2024, 3, 5}, "05.03.2024"},
        {CStringTables::English, {2024, 3, 5, 14, 7}, "3/5/2024"},
        {CStringTables::English, {1999, 12, 31}, "12/31/1999"},
        {CStringTables::English, CDateTime::MakeInvalid(), "Invalid DateTime"},
    };
    for (const auto& example : cases)
        EXPECT_EQ(SalesList::DateText(example.Date, example.Language), example.Shown) << example.Language;
    CStringTables::SetLanguage(CStringTables::English);
    EXPECT_EQ(SalesList::DateText({2024, 3, 5}), "3/5/2024");
    CStringTables::SetLanguage(CStringTables::German);
}

TEST(SalesListTest, DatesCaptionAndSelection)
{
    EXPECT_EQ(SalesList::DateText({2024, 3, 5, 14, 7}), "05.03.2024");
    EXPECT_EQ(SalesList::DateText({1999, 12, 31}), "31.12.1999");
    EXPECT_EQ(SalesList::DateText(CDateTime::MakeInvalid()), "Invalid DateTime");
    EXPECT_EQ(SalesList::DateText(CDateTime::MakeNull()), "");

    CData data;
    CRecipe* soup = AddDish(data, "Suppe");
    CRecipe* cake = AddDish(data, "Torte");
    CSale& first = AddSale(data, {.Portions = 3, .Gross = 4.5, .Date = {}, .Recipe = soup});
    AddSale(data, {.Date = {}, .Recipe = cake});
    CSale& third = AddSale(data, {.Date = {}, .Recipe = soup});
    AddSale(data, {.Date = {}, .Recipe = nullptr});
    EXPECT_EQ(SalesList::Select(data, soup), (std::vector<CSale*>{&first, &third}));
    EXPECT_EQ(SalesList::Select(data, nullptr).size(), 4u);
    EXPECT_DOUBLE_EQ(SalesList::Price(first), 13.5);
    EXPECT_EQ(SalesList::Caption(cake), "Verkaufsliste : Torte");
    EXPECT_EQ(SalesList::Caption(nullptr), "Verkaufsliste : alle Verk\xE4ufe");
}
