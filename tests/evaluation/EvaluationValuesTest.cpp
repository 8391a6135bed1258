#include "evaluation/EvaluationValues.h"

#include "CatalogueBuilder.h"
#include "LiteralEvaluation.h"
#include "SalesBuilder.h"
#include "evaluation/EvaluationWindows.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace {

// Random catalogues that stress the one-walk sums: sales out of date order, on month
// boundaries, outside the range, with invalid and null dates, odd group indices, recipes that
// were deleted or have no portions, and prices with many significant digits.
class CRandomCatalogue
{
public:
    explicit CRandomCatalogue(unsigned seed) : m_random(seed) {}

    void Fill(CData& data, const CDateTime& from, int days, int sales)
    {
        const int foodGroups[] = {10, 0, 3, 20, 25, -7};
        data.NbFoodGroups = foodGroups[Pick(0, 5)];
        for (int group = 0; group < CData::kNbGroups; ++group)
            data.Taxes[group] = Pick(0, 25);
        AddRecipes(data);
        for (int i = 0; i < sales; ++i)
            AddSale(data, RandomSale(data, from, days));
        DeleteSomeRecipes(data);
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }
    double Price() { return std::uniform_real_distribution<double>(0.0, 60.0)(m_random); }

    void AddRecipes(CData& data)
    {
        CIngredient& flour = ::AddIngredient(data, "Mehl", 1.37, 1.0);
        for (int i = 0; i < 12; ++i) {
            CRecipe& recipe =
                ::AddRecipe(data, "R" + std::to_string(i), i % 5 == 0 ? 0.0 : Pick(1, 8), Pick(-2, 22));
            recipe.PriceSell = Price();
            recipe.AddRecipeIngredient(nullptr, &flour, Price() / 10.0, Pick(0, 30));
        }
    }

    CSaleFields RandomSale(CData& data, const CDateTime& from, int days)
    {
        CSaleFields sale;
        sale.Group = Pick(-3, 26);
        sale.Portions = Pick(1, 40) / 4.0;
        sale.Buy = Price();
        sale.Net = Price();
        sale.Gross = Price();
        const int day = Pick(-40, days + 40);
        const bool midnight = Pick(0, 9) == 0;
        sale.Date = CDateTime(from.GetValue() + day + (midnight ? 0.0 : Pick(0, 86399) / 86400.0));
        if (Pick(0, 49) == 0)
            sale.Date = Pick(0, 1) ? CDateTime::MakeInvalid() : CDateTime::MakeNull();
        sale.Recipe = data.Recipes.At(Pick(0, data.GetNbRecipes() - 1));
        return sale;
    }

    void DeleteSomeRecipes(CData& data)
    {
        EXPECT_EQ(data.DeleteRecipe(data.Recipes.At(3)), 1);
        EXPECT_EQ(data.DeleteRecipe(data.Recipes.At(7)), 1);
    }

    std::mt19937 m_random;
};

void SortByDate(CData& data)
{
    data.Sales.StableSort([](const CSale& a, const CSale& b) {
        return a.DateTime.IsValid() && b.DateTime.IsValid() && a.DateTime < b.DateTime;
    });
}

TEST(EvaluationValues, OneWalkEqualsTheDefinitionBitForBitOnRandomCatalogues)
{
    for (unsigned seed = 1; seed <= 4; ++seed) {
        CData data;
        CRandomCatalogue(seed).Fill(data, CDateTime(2008, 11, 1), 480, 800);
        if (seed % 2 == 0)
            SortByDate(data); // the usual case: few runs of shared running totals
        const CEvaluationWindows windows(CDateTime(2008, 11, 17, 9, 30), CDateTime(2010, 1, 4));
        ASSERT_EQ(windows.GetCount(), 15);
        // Gross revenue, ratio and margin between them check all three sums.
        for (EMeasure measure : {EMeasure::GrossRevenue, EMeasure::CostRatio, EMeasure::ContributionMargin}) {
            for (bool perMonth : {true, false}) {
                for (bool original : {true, false}) {
                    SCOPED_TRACE(testing::Message()
                                 << "seed " << seed << " measure " << static_cast<int>(measure) << " monthly "
                                 << perMonth << " original " << original);
                    const auto fast = CEvaluationValues::Compute(data, windows, measure, perMonth, original);
                    const auto literal =
                        ComputeEvaluationLiterally(data, windows, measure, perMonth, original);
                    EXPECT_TRUE(fast.IsIdenticalTo(literal));
                }
            }
        }
    }
}

TEST(EvaluationValues, RunningTotalsAddEachSaleInCatalogueOrderNotMonthlySums)
{
    // In catalogue order (0.1 + 0.2) + 2.3 gives 2.5999999999999996; adding the monthly sums,
    // (0.1 + 2.3) + 0.2, would give 2.6.
    CData data;
    AddSale(data, {0, 1.0, 0.0, 0.1, 0.0, CDateTime(2009, 1, 5)});
    AddSale(data, {0, 1.0, 0.0, 0.2, 0.0, CDateTime(2009, 2, 5)});
    AddSale(data, {0, 1.0, 0.0, 2.3, 0.0, CDateTime(2009, 1, 6)});
    const CEvaluationWindows windows(CDateTime(2009, 1, 1), CDateTime(2009, 2, 1));
    const auto running = CEvaluationValues::Compute(data, windows, EMeasure::NetRevenue, false, true);
    ASSERT_NE((0.1 + 0.2) + 2.3, (0.1 + 2.3) + 0.2);
    EXPECT_EQ(running.Get(0, 1), (0.1 + 0.2) + 2.3);
    EXPECT_TRUE(
        running.IsIdenticalTo(ComputeEvaluationLiterally(data, windows, EMeasure::NetRevenue, false, true)));
}

TEST(EvaluationValues, LastWindowBeforeYear10000HoldsNothingInEitherWay)
{
    CData data;
    AddSale(data, {0, 1.0, 0.0, 5.0, 0.0, CDateTime(9999, 11, 20)});
    AddSale(data, {0, 1.0, 0.0, 7.0, 0.0, CDateTime(9999, 12, 20)});
    const CEvaluationWindows windows(CDateTime(9999, 11, 1), CDateTime(9999, 12, 31));
    for (bool perMonth : {true, false}) {
        const auto fast = CEvaluationValues::Compute(data, windows, EMeasure::NetRevenue, perMonth, true);
        EXPECT_EQ(fast.Get(CData::SeriesAll, 0), 5.0);
        EXPECT_EQ(fast.Get(CData::SeriesAll, 1), 0.0);
        EXPECT_TRUE(fast.IsIdenticalTo(
            ComputeEvaluationLiterally(data, windows, EMeasure::NetRevenue, perMonth, true)));
    }
}

} // namespace
