#include "CatalogueBuilder.h"
#include "SalesBuilder.h"

#include <gtest/gtest.h>

namespace {

// Functions, not globals: a date built during static initialisation may run before the date
// library's own constants are set.
CDateTime March()
{
    return CDateTime(2009, 3, 1);
}

CDateTime April()
{
    return CDateTime(2009, 4, 1);
}

// One sale of group 12 (a drink group, F = 10): 2 portions, cost 3, net 10, gross 11.90.
class DrinkSale : public testing::Test
{
protected:
    void SetUp() override { AddSale(data, {12, 2.0, 3.0, 10.0, 11.90, CDateTime(2009, 3, 15, 12, 0)}); }
    double Net(unsigned selector)
    {
        return data.EvaluateSales(selector, CData::NetRevenue, true, March(), April());
    }

    CData data;
};

TEST_F(DrinkSale, Group12CountsInAllAllDrinksAndItsGroupOnly)
{
    EXPECT_EQ(Net(CData::SeriesAll), 20.0);
    EXPECT_EQ(Net(CData::SeriesAllDrinks), 20.0);
    EXPECT_EQ(Net(12), 20.0);
    EXPECT_EQ(Net(CData::SeriesAllFood), 0.0);
    EXPECT_EQ(Net(2), 0.0);
    EXPECT_EQ(Net(23), 0.0);
    EXPECT_EQ(Net(0xFFFFFFFFu), 0.0);
}

TEST_F(DrinkSale, EveryMeasureComesFromTheSums)
{
    struct Case
    {
        int measure;
        double expected;
    };
    for (const Case c :
         {Case{CData::NetRevenue, 20.0}, Case{CData::GrossRevenue, 23.80}, Case{CData::CostOfGoods, 6.0},
          Case{CData::CostRatio, 30.0}, Case{CData::ContributionMargin, 14.0}, Case{5, 0.0}, Case{-1, 0.0}}) {
        SCOPED_TRACE(c.measure);
        EXPECT_DOUBLE_EQ(data.EvaluateSales(CData::SeriesAll, c.measure, true, March(), April()), c.expected);
    }
}

TEST_F(DrinkSale, RatioIsComputedFromTheSumsNotPerSale)
{
    AddSale(data, {12, 1.0, 5.0, 5.0, 5.95, CDateTime(2009, 3, 16)});
    // (6 + 5) / (20 + 5) = 44 %, not the mean of 30 % and 100 %.
    EXPECT_DOUBLE_EQ(data.EvaluateSales(12, CData::CostRatio, true, March(), April()), 44.0);
}

TEST(SalesEvaluation, DateRangeIncludesItsStartAndExcludesItsEnd)
{
    struct Case
    {
        const char* what;
        CDateTime date;
        CDateTime start;
        CDateTime end;
        double expected;
    };
    const Case cases[] = {
        {"at the start", March(), March(), April(), 1.0},
        {"just before the end", CDateTime(2009, 3, 31, 23, 59, 59), March(), April(), 1.0},
        {"at the end", April(), March(), April(), 0.0},
        {"before the start", CDateTime(2009, 2, 28, 23, 59, 59), March(), April(), 0.0},
        {"invalid sale date", CDateTime::MakeInvalid(), March(), April(), 0.0},
        {"null sale date", CDateTime::MakeNull(), March(), April(), 0.0},
        {"invalid start", CDateTime(2009, 3, 5), CDateTime::MakeInvalid(), April(), 0.0},
        {"null end", CDateTime(2009, 3, 5), March(), CDateTime::MakeNull(), 0.0},
        {"end before start", CDateTime(2009, 3, 5), April(), March(), 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CData data;
        CRecipe& recipe = AddRecipe(data, "Suppe", 1.0);
        AddSale(data, {0, 1.0, 0.5, 1.0, 1.07, c.date, &recipe});
        EXPECT_EQ(data.EvaluateSales(CData::SeriesAll, CData::NetRevenue, true, c.start, c.end), c.expected);
        EXPECT_EQ(data.GetRecipePortionsSold(&recipe, c.start, c.end), c.expected);
    }
}

TEST(SalesEvaluation, GroupsOutsideTheTableBelongOnlyWhereTheRulesPlaceThem)
{
    struct Case
    {
        int group;
        int nbFoodGroups;
        double all, food, drinks;
    };
    const Case cases[] = {
        {-1, 10, 0, 0, 0}, {-7, 10, 0, 0, 0}, {25, 10, 1, 0, 1}, {0, 10, 1, 1, 0},
        {9, 10, 1, 1, 0},  {10, 10, 1, 0, 1}, {3, 0, 1, 0, 1},   {3, 25, 1, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "group " << c.group << " of " << c.nbFoodGroups);
        CData data;
        data.NbFoodGroups = c.nbFoodGroups;
        AddSale(data, {c.group, 1.0, 0.0, 1.0, 1.0, CDateTime(2009, 3, 2)});
        auto net = [&](unsigned selector) {
            return data.EvaluateSales(selector, CData::NetRevenue, true, March(), April());
        };
        EXPECT_EQ(net(CData::SeriesAll), c.all);
        EXPECT_EQ(net(CData::SeriesAllFood), c.food);
        EXPECT_EQ(net(CData::SeriesAllDrinks), c.drinks);
    }
}

// A recipe now sold at 21.40 gross in group 1 (7 % VAT), costing 8 for 2 portions; its sale was
// booked in group 0 at older prices.
class Simulation : public testing::Test
{
protected:
    void SetUp() override
    {
        data.Taxes[1] = 7.0;
        CIngredient& meat = AddIngredient(data, "Rind", 8.0, 1.0);
        recipe = &AddRecipe(data, "Braten", 2.0, 1);
        recipe->PriceSell = 21.40;
        recipe->AddRecipeIngredient(nullptr, &meat, 1.0, 0.0);
        AddSale(data, {0, 3.0, 1.0, 9.0, 9.63, CDateTime(2009, 3, 10), recipe});
    }
    double Evaluate(unsigned selector, int measure, bool original)
    {
        return data.EvaluateSales(selector, measure, original, March(), April());
    }

    CData data;
    CRecipe* recipe = nullptr;
};

TEST_F(Simulation, UsesTheRecipesCurrentPricesButTheSalesGroup)
{
    EXPECT_DOUBLE_EQ(Evaluate(0, CData::NetRevenue, false), 60.0);
    EXPECT_DOUBLE_EQ(Evaluate(0, CData::GrossRevenue, false), 64.2);
    EXPECT_DOUBLE_EQ(Evaluate(0, CData::CostOfGoods, false), 12.0);
    EXPECT_EQ(Evaluate(1, CData::NetRevenue, false), 0.0);
    EXPECT_DOUBLE_EQ(Evaluate(0, CData::NetRevenue, true), 27.0);
}

TEST_F(Simulation, RecipeWithoutPortionsCostsNothing)
{
    recipe->NbPortion = 0.0;
    EXPECT_EQ(Evaluate(0, CData::CostOfGoods, false), 0.0);
}

TEST_F(Simulation, SkipsSalesOfDeletedRecipesWhileOriginalDataKeepsThem)
{
    data.DeleteRecipe(recipe);
    EXPECT_EQ(Evaluate(0, CData::NetRevenue, false), 0.0);
    EXPECT_DOUBLE_EQ(Evaluate(0, CData::NetRevenue, true), 27.0);
}

TEST(RecipeFigures, SumTheFrozenValuesOfThatRecipesSalesWhateverTheirGroup)
{
    CData data;
    CRecipe& soup = AddRecipe(data, "Suppe", 1.0);
    CRecipe& cake = AddRecipe(data, "Kuchen", 1.0);
    soup.PriceSell = 100.0; // current prices do not matter
    AddSale(data, {-1, 2.0, 1.0, 4.0, 4.28, CDateTime(2009, 3, 3), &soup});
    AddSale(data, {5, 1.0, 2.0, 6.0, 6.42, CDateTime(2009, 3, 4), &soup});
    AddSale(data, {0, 9.0, 1.0, 9.0, 9.0, CDateTime(2009, 3, 4), &cake});
    AddSale(data, {0, 9.0, 1.0, 9.0, 9.0, April(), &soup});

    EXPECT_DOUBLE_EQ(data.GetRecipePortionsSold(&soup, March(), April()), 3.0);
    EXPECT_DOUBLE_EQ(data.GetRecipeGrossRevenue(&soup, March(), April()), 14.98);
    EXPECT_DOUBLE_EQ(data.GetRecipeMargin(&soup, March(), April()), 10.0);
    EXPECT_DOUBLE_EQ(data.GetRecipeCostRatio(&soup, March(), April()), 4.0 / 14.0 * 100.0);
    EXPECT_EQ(data.GetRecipeCostRatio(&soup, April(), April()), 0.0);
    EXPECT_EQ(data.GetRecipePortionsSold(nullptr, March(), April()), 0.0);
}

} // namespace
