#include "evaluation/MenuEngineering.h"

#include "CatalogueBuilder.h"
#include "SalesBuilder.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

namespace {

const CDateTime kJanuary(2025, 1, 10);
const CDateTime kFebruary(2025, 2, 14);
const CDateTime kMarch(2025, 3, 31, 22, 0, 0);
const CDateTime kApril(2025, 4, 1);

// Food groups 0 and 1, drinks from group 10; no VAT, so that a recipe's net price is its price.
class MenuEngineering : public testing::Test
{
protected:
    void SetUp() override
    {
        CStringTables::SetLanguage(CStringTables::German);
        data.NameGroup[0] = "Hauptgerichte";
        data.NameGroup[1] = "Desserts";
        data.NameGroup[10] = "Bier";
        request.Start = CDateTime(2025, 1, 1);
        request.End = CDateTime(2025, 3, 15); // the whole of March counts
    }
    CRecipe& Dish(const std::string& name, int group = 0, double price = 0.0)
    {
        CRecipe& recipe = AddRecipe(data, name, 1.0, group);
        recipe.PriceSell = price;
        return recipe;
    }
    void Sell(CRecipe& recipe, double portions, double net, double cost, const CDateTime& date = kJanuary)
    {
        CSale& sale = AddSale(data, {recipe.NameGroupIndex, portions, cost, net, net, date, &recipe});
        sale.Name = recipe.Name;
    }
    CMenuAnalysis Analyse() const { return CMenuAnalysis::Build(data, request); }
    static std::map<std::string, CMenuDish> ByName(const CMenuAnalysis& analysis)
    {
        std::map<std::string, CMenuDish> dishes;
        for (const CMenuDish& dish : analysis.GetDishes())
            dishes[dish.Name] = dish;
        return dishes;
    }

    CData data;
    CMenuRequest request;
};

// Eight main courses sold in the first quarter, worked out by hand:
//   dish       portions  net    cost  margin  margin total  share
//   Schnitzel  120       15,00  5,00  10,00   1200          0,24  (60 at 14,00 and 60 at 16,00)
//   Gulasch    100       12,00  6,00   6,00    600          0,20
//   Forelle     20       18,00  6,00  12,00    240          0,04
//   Salat       60        8,00  2,00   6,00    360          0,12
//   Suppe       90        5,00  1,50   3,50    315          0,18
//   Braten      10       12,00  7,00   5,00     50          0,02
//   Risotto     40       13,00  3,00  10,00    400          0,08
//   Strudel     60       10,00  2,00   8,00    480          0,12
// 500 portions, 3645 margin: the margin threshold is 3645 / 500 = 7,29, the popularity
// threshold 0,7 / 8 = 0,0875 (43,75 portions).
TEST_F(MenuEngineering, ClassifiesAHandWorkedMenu)
{
    const struct
    {
        const char* name;
        double portions, net, cost;
        double margin, marginTotal, share, costRatio;
        EMenuClass expected;
    } cases[] = {
        {"Schnitzel", 120, 15.0, 5.0, 10.0, 1200.0, 0.24, 100.0 / 3.0, EMenuClass::Star},
        {"Gulasch", 100, 12.0, 6.0, 6.0, 600.0, 0.20, 50.0, EMenuClass::Workhorse},
        {"Forelle", 20, 18.0, 6.0, 12.0, 240.0, 0.04, 100.0 / 3.0, EMenuClass::Puzzle},
        {"Salat", 60, 8.0, 2.0, 6.0, 360.0, 0.12, 25.0, EMenuClass::Workhorse},
        {"Suppe", 90, 5.0, 1.5, 3.5, 315.0, 0.18, 30.0, EMenuClass::Workhorse},
        {"Braten", 10, 12.0, 7.0, 5.0, 50.0, 0.02, 7.0 / 12.0 * 100.0, EMenuClass::Dog},
        {"Risotto", 40, 13.0, 3.0, 10.0, 400.0, 0.08, 300.0 / 13.0, EMenuClass::Puzzle},
        {"Strudel", 60, 10.0, 2.0, 8.0, 480.0, 0.12, 20.0, EMenuClass::Star},
    };
    for (const auto& c : cases) {
        CRecipe& recipe = Dish(c.name, 0, 99.0); // today's price must not count with booked prices
        if (std::string(c.name) == "Schnitzel") {
            Sell(recipe, 60, 14.0, 5.0, kJanuary);
            Sell(recipe, 60, 16.0, 5.0, kMarch);
            Sell(recipe, 1000, 16.0, 5.0, kApril); // after the period
        } else {
            Sell(recipe, c.portions, c.net, c.cost, kFebruary);
        }
    }
    Sell(Dish("Pils", 10), 500, 3.0, 1.0); // a drink, not in "all food"

    const CMenuAnalysis analysis = Analyse();
    ASSERT_TRUE(analysis.HasSales());
    EXPECT_DOUBLE_EQ(analysis.GetTotalPortions(), 500.0);
    EXPECT_DOUBLE_EQ(analysis.GetTotalMargin(), 3645.0);
    EXPECT_DOUBLE_EQ(analysis.GetMarginThreshold(), 7.29);
    EXPECT_DOUBLE_EQ(analysis.GetPopularityThreshold(), 0.0875);
    const auto dishes = ByName(analysis);
    ASSERT_EQ(dishes.size(), 8u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CMenuDish& dish = dishes.at(c.name);
        EXPECT_DOUBLE_EQ(dish.Portions, c.portions);
        EXPECT_DOUBLE_EQ(dish.NetPrice, c.net);
        EXPECT_DOUBLE_EQ(dish.Cost, c.cost);
        EXPECT_DOUBLE_EQ(dish.Margin, c.margin);
        EXPECT_DOUBLE_EQ(dish.MarginTotal, c.marginTotal);
        EXPECT_DOUBLE_EQ(dish.MenuMix, c.share);
        EXPECT_NEAR(dish.CostRatio, c.costRatio, 1e-9);
        EXPECT_EQ(dish.Class, c.expected);
    }
}

TEST_F(MenuEngineering, ClassesHaveGermanNamesAndAdvice)
{
    const struct
    {
        EMenuClass menuClass;
        std::string name, advice;
    } cases[] = {
        {EMenuClass::Star, "Star", "Halten und hervorheben"},
        {EMenuClass::Workhorse, "Zugpferd", "Preis behutsam anheben oder Kosten senken"},
        {EMenuClass::Puzzle, "R\xE4tsel", "Bewerben oder neu platzieren"},
        {EMenuClass::Dog, "Ladenh\xFCter",
         "\xDC"
         "berarbeiten oder streichen"},
        {EMenuClass::None, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CMenuAnalysis::ClassName(c.menuClass), c.name);
        EXPECT_EQ(CMenuAnalysis::ClassAdvice(c.menuClass), c.advice);
    }
}

TEST_F(MenuEngineering, PeriodWithoutSalesListsTheDishesUnclassified)
{
    Sell(Dish("Schnitzel", 0, 15.0), 10, 15.0, 5.0, kApril);
    Dish("Gulasch", 0, 12.0);
    const CMenuAnalysis analysis = Analyse();
    EXPECT_FALSE(analysis.HasSales());
    EXPECT_EQ(analysis.GetPopularityThreshold(), 0.0);
    EXPECT_EQ(analysis.GetMarginThreshold(), 0.0);
    ASSERT_EQ(analysis.GetDishes().size(), 2u);
    for (const CMenuDish& dish : analysis.GetDishes()) {
        EXPECT_EQ(dish.Portions, 0.0);
        EXPECT_EQ(dish.MenuMix, 0.0);
        EXPECT_EQ(dish.Class, EMenuClass::None);
    }
}

TEST_F(MenuEngineering, RangeWithoutMonthsAndSelectionWithoutDishesAreEmpty)
{
    Sell(Dish("Schnitzel"), 10, 15.0, 5.0);
    request.End = CDateTime(2024, 12, 31); // before the start
    EXPECT_FALSE(Analyse().HasSales());
    request.End = CDateTime(2025, 3, 31);
    request.Selector = 1; // desserts: none
    EXPECT_TRUE(Analyse().GetDishes().empty());
    EXPECT_FALSE(Analyse().HasSales());
}

TEST_F(MenuEngineering, OneDishIsAStar)
{
    Sell(Dish("Schnitzel"), 7, 15.0, 5.0);
    const CMenuAnalysis analysis = Analyse();
    ASSERT_EQ(analysis.GetDishes().size(), 1u);
    EXPECT_DOUBLE_EQ(analysis.GetPopularityThreshold(), 0.7);
    EXPECT_DOUBLE_EQ(analysis.GetMarginThreshold(), 10.0);
    EXPECT_DOUBLE_EQ(analysis.GetDishes()[0].MenuMix, 1.0);
    EXPECT_EQ(analysis.GetDishes()[0].Class, EMenuClass::Star);
}

// Three dishes, each 1 + 2 portions at 3,10 net and 1,70 cost: in binary each margin comes to
// 1,4000000000000001 and their weighted average to 1,4000000000000004. Equal dishes must
// still all count as reaching it.
TEST_F(MenuEngineering, EqualDishesAreAllStars)
{
    for (const char* name : {"Erbsen", "Bohnen", "Linsen"}) {
        CRecipe& recipe = Dish(name);
        Sell(recipe, 1, 3.1, 1.7, kJanuary);
        Sell(recipe, 2, 3.1, 1.7, kMarch);
    }
    const CMenuAnalysis analysis = Analyse();
    for (const CMenuDish& dish : analysis.GetDishes())
        EXPECT_EQ(dish.Class, EMenuClass::Star) << dish.Name;
}

// Margins -2 (10 portions) and -1 (30 portions): threshold (-20 - 30) / 40 = -1,25; shares
// 0,25 and 0,75 against 0,35.
TEST_F(MenuEngineering, NegativeMarginsAreComparedAsNumbers)
{
    Sell(Dish("Teuer"), 10, 3.0, 5.0);
    Sell(Dish("Beliebt"), 30, 4.0, 5.0);
    const CMenuAnalysis analysis = Analyse();
    EXPECT_DOUBLE_EQ(analysis.GetMarginThreshold(), -1.25);
    const auto dishes = ByName(analysis);
    EXPECT_EQ(dishes.at("Teuer").Class, EMenuClass::Dog);
    EXPECT_EQ(dishes.at("Beliebt").Class, EMenuClass::Star);
}

// 70 and 30 portions at a margin of 6,00: alone, "Rand" misses 0,7 / 2 = 0,35; with an unsold
// dish on the menu it reaches 0,7 / 3 = 0,2333. The unsold dish shows today's price (12,00, no
// cost) and is rarely sold with a high margin. A recipe not for sale is no dish.
TEST_F(MenuEngineering, UnsoldDishesCountWithZeroPortions)
{
    Sell(Dish("Haupt"), 70, 10.0, 4.0);
    Sell(Dish("Rand"), 30, 10.0, 4.0);
    Dish("Sauce", 0, 3.0).UseForSale = 0;
    EXPECT_EQ(ByName(Analyse()).at("Rand").Class, EMenuClass::Puzzle);

    Dish("Neu", 0, 12.0);
    const CMenuAnalysis analysis = Analyse();
    const auto dishes = ByName(analysis);
    EXPECT_EQ(dishes.size(), 3u);
    EXPECT_EQ(dishes.at("Rand").Class, EMenuClass::Star);
    EXPECT_EQ(dishes.at("Neu").Portions, 0.0);
    EXPECT_DOUBLE_EQ(dishes.at("Neu").Margin, 12.0);
    EXPECT_EQ(dishes.at("Neu").Class, EMenuClass::Puzzle);
    EXPECT_DOUBLE_EQ(analysis.GetMarginThreshold(), 6.0);
}

// Current prices: every portion at today's price and cost. "Suppe" sold 10 at 4,00 net and now
// sells at 6,00 with 2 kg of flour at 0,50 per kg for 2 portions: cost 0,50, margin 5,50.
TEST_F(MenuEngineering, CurrentPricesUseTheRecipesOfToday)
{
    CIngredient& flour = AddIngredient(data, "Mehl", 5.0, 10.0);
    CRecipe& soup = Dish("Suppe", 0, 6.0);
    soup.NbPortion = 2.0;
    ASSERT_EQ(soup.AddRecipeIngredient(nullptr, &flour, 2.0, 0.0), 1);
    Sell(soup, 10, 4.0, 3.0);
    Sell(Dish("Brot", 0, 2.0), 10, 2.0, 0.0);
    request.BookedPrices = false;
    const auto dishes = ByName(Analyse());
    EXPECT_DOUBLE_EQ(dishes.at("Suppe").NetPrice, 6.0);
    EXPECT_DOUBLE_EQ(dishes.at("Suppe").Cost, 0.5);
    EXPECT_DOUBLE_EQ(dishes.at("Suppe").MarginTotal, 55.0);
    EXPECT_DOUBLE_EQ(dishes.at("Suppe").CostRatio, 0.5 / 6.0 * 100.0);
    request.BookedPrices = true;
    EXPECT_DOUBLE_EQ(ByName(Analyse()).at("Suppe").Margin, 1.0);
}

// Sales of a deleted recipe keep their group and name: with booked prices they form a dish of
// their own; with current prices there is no price of today, and they are left out.
TEST_F(MenuEngineering, SalesOfDeletedRecipesAreGatheredByName)
{
    Sell(Dish("Schnitzel"), 10, 15.0, 5.0);
    for (double portions : {4.0, 6.0}) {
        CSale& sale = AddSale(data, {0, portions, 2.0, 9.0, 9.0, kFebruary, nullptr});
        sale.Name = "Alte Suppe";
    }
    const auto booked = ByName(Analyse());
    ASSERT_EQ(booked.size(), 2u);
    EXPECT_EQ(booked.at("Alte Suppe").Recipe, nullptr);
    EXPECT_DOUBLE_EQ(booked.at("Alte Suppe").Portions, 10.0);
    EXPECT_DOUBLE_EQ(booked.at("Alte Suppe").Margin, 7.0);
    request.BookedPrices = false;
    EXPECT_EQ(Analyse().GetDishes().size(), 1u);
}

// Food and drinks never share an analysis: each selection sees its own dishes, a group only
// its own, and "all" is refused.
TEST_F(MenuEngineering, FoodAndDrinksAreKeptApart)
{
    Sell(Dish("Schnitzel", 0), 10, 15.0, 5.0);
    Sell(Dish("Eis", 1), 10, 4.0, 1.0);
    Sell(Dish("Pils", 10), 10, 3.0, 1.0);
    const struct
    {
        unsigned selector;
        std::string names;
    } cases[] = {
        {CData::SeriesAllFood, "Eis,Schnitzel,"},
        {CData::SeriesAllDrinks, "Pils,"},
        {1, "Eis,"},
        {10, "Pils,"},
        {CData::SeriesAll, ""},
    };
    for (const auto& c : cases) {
        request.Selector = c.selector;
        std::string names;
        for (const auto& [name, dish] : ByName(Analyse()))
            names += name + ",";
        EXPECT_EQ(names, c.names) << "selector " << c.selector;
    }
    EXPECT_FALSE(CMenuAnalysis::IsValidSelector(CData::SeriesAll));
    EXPECT_FALSE(CMenuAnalysis::IsValidSelector(CData::NbSeries));
}

} // namespace
