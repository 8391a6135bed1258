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

double NetOfMarch(const CData& data, unsigned selector, bool original = true)
{
    return data.EvaluateSales(selector, EMeasure::NetRevenue, original, March(), April());
}

TEST(SalesEvaluation, MeasuresComeFromTheSumsOfTheSeries)
{
    CData data; // group 12 is a drink group (F = 10)
    AddSale(data, {12, 2.0, 3.0, 10.0, 11.90, CDateTime(2009, 3, 15, 12, 0)});
    AddSale(data, {12, 1.0, 5.0, 5.0, 5.95, CDateTime(2009, 3, 16)});
    const std::pair<EMeasure, double> measures[] = {
        {EMeasure::NetRevenue, 25.0}, {EMeasure::GrossRevenue, 29.75},      {EMeasure::CostOfGoods, 11.0},
        {EMeasure::CostRatio, 44.0},  {EMeasure::ContributionMargin, 14.0}, {static_cast<EMeasure>(5), 0.0}};
    for (const auto& [measure, expected] : measures) // the ratio of the sums, not the mean of 30 and 100
        EXPECT_DOUBLE_EQ(data.EvaluateSales(12, measure, true, March(), April()), expected)
            << static_cast<int>(measure);
    EXPECT_EQ(data.EvaluateSales(12, EMeasure::CostRatio, true, April(), April()), 0.0);
}

TEST(SalesEvaluation, GroupsBelongToSeriesByTheFoodGroupCount)
{
    struct Case
    {
        int group, nbFoodGroups;
        double all, food, drinks, own;
    };
    const Case cases[] = {
        {12, 10, 1, 0, 1, 1}, // group 12 counts in all, all drinks and group 12 only
        {0, 10, 1, 1, 0, 1},  {9, 10, 1, 1, 0, 1},  {10, 10, 1, 0, 1, 1}, {-1, 10, 0, 0, 0, 0},
        {-7, 10, 0, 0, 0, 0}, {25, 10, 1, 0, 1, 0}, {3, 0, 1, 0, 1, 1},   {3, 25, 1, 1, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "group " << c.group << " of " << c.nbFoodGroups);
        CData data;
        data.NbFoodGroups = c.nbFoodGroups;
        AddSale(data, {c.group, 1.0, 0.0, 1.0, 1.0, CDateTime(2009, 3, 2)});
        EXPECT_EQ(NetOfMarch(data, CData::SeriesAll), c.all);
        EXPECT_EQ(NetOfMarch(data, CData::SeriesAllFood), c.food);
        EXPECT_EQ(NetOfMarch(data, CData::SeriesAllDrinks), c.drinks);
        EXPECT_EQ(NetOfMarch(data, static_cast<unsigned>(c.group)), c.own);
        EXPECT_EQ(NetOfMarch(data, (c.group + 1) % 20), 0.0);
    }
}

TEST(SalesEvaluation, DateRangeIncludesItsStartAndExcludesItsEnd)
{
    struct Case
    {
        const char* what;
        CDateTime date, start, end;
        double expected;
    };
    const Case cases[] = {
        {"at the start", March(), March(), April(), 1.0},
        {"just before the end", CDateTime(2009, 3, 31, 23, 59, 59), March(), April(), 1.0},
        {"at the end", April(), March(), April(), 0.0},
        {"invalid sale date", CDateTime::MakeInvalid(), March(), April(), 0.0},
        {"null sale date", CDateTime::MakeNull(), March(), April(), 0.0},
        {"invalid start", CDateTime(2009, 3, 5), CDateTime::MakeInvalid(), April(), 0.0},
        {"null end", CDateTime(2009, 3, 5), March(), CDateTime::MakeNull(), 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CData data;
        CRecipe& recipe = AddRecipe(data, "Suppe", 1.0);
        AddSale(data, {0, 1.0, 0.5, 1.0, 1.07, c.date, &recipe});
        EXPECT_EQ(data.EvaluateSales(CData::SeriesAll, EMeasure::NetRevenue, true, c.start, c.end),
                  c.expected);
        EXPECT_EQ(data.GetRecipePortionsSold(&recipe, c.start, c.end), c.expected);
    }
}

TEST(SalesEvaluation, SimulationUsesCurrentPricesAndTheSalesGroupAndSkipsDeletedRecipes)
{
    CData data;
    data.Taxes[1] = 7.0;
    CIngredient& meat = AddIngredient(data, "Rind", 8.0, 1.0);
    CRecipe* roast = &AddRecipe(data, "Braten", 2.0, 1); // now 21.40 gross in group 1, cost 4
    roast->PriceSell = 21.40;
    roast->AddRecipeIngredient(nullptr, &meat, 1.0, 0.0);
    AddSale(data, {0, 3.0, 1.0, 9.0, 9.63, CDateTime(2009, 3, 10), roast}); // booked in group 0

    EXPECT_DOUBLE_EQ(NetOfMarch(data, 0, false), 60.0);
    EXPECT_DOUBLE_EQ(data.EvaluateSales(0, EMeasure::GrossRevenue, false, March(), April()), 64.2);
    EXPECT_DOUBLE_EQ(data.EvaluateSales(0, EMeasure::CostOfGoods, false, March(), April()), 12.0);
    EXPECT_EQ(NetOfMarch(data, 1, false), 0.0);
    roast->NbPortion = 0.0;
    EXPECT_EQ(data.EvaluateSales(0, EMeasure::CostOfGoods, false, March(), April()), 0.0);

    EXPECT_EQ(data.DeleteRecipe(roast), 1);
    EXPECT_EQ(NetOfMarch(data, 0, false), 0.0);
    EXPECT_DOUBLE_EQ(NetOfMarch(data, 0, true), 27.0);
}

TEST(SalesEvaluation, RecipeFiguresSumTheFrozenValuesOfThatRecipesSalesWhateverTheirGroup)
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
