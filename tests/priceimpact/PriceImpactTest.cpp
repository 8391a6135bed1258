#include "priceimpact/PriceImpact.h"

#include "CatalogueBuilder.h"
#include "catalogue/Data.h"
#include "priceimpact/PriceScenario.h"

#include <gtest/gtest.h>

namespace {

constexpr int kMeat = 3;

// Schnitzel (1 portion, 11,90) uses 0,2 kg meat and 2 portions of a sauce; the sauce
// (2 portions) uses 0,1 kg butter and 2 portions of a roux with 20 % loss; the roux (4 portions)
// uses 0,2 kg butter and 0,2 kg flour. Butter costs 4,00 for 2 kg. Steak uses meat only.
struct CTwoLevelCatalogue
{
    CData data;
    CIngredient* butter;
    CIngredient* flour;
    CIngredient* meat;
    CRecipe* roux;
    CRecipe* sauce;
    CRecipe* schnitzel;
    CRecipe* steak;

    CTwoLevelCatalogue()
    {
        data.Taxes[kMeat] = 19.0;
        data.Quotes[kMeat] = 30.0;
        butter = &AddIngredient(data, "Butter", 4.0, 2.0);
        flour = &AddIngredient(data, "Mehl", 1.0, 1.0);
        meat = &AddIngredient(data, "Kalbfleisch", 12.0, 1.0);
        steak = &AddRecipe(data, "Steak", 1, kMeat);
        steak->AddRecipeIngredient(nullptr, meat, 0.25, 0.0);
        roux = &AddRecipe(data, "Mehlschwitze", 4, kMeat);
        roux->AddRecipeIngredient(nullptr, butter, 0.2, 0.0);
        roux->AddRecipeIngredient(nullptr, flour, 0.2, 0.0);
        sauce = &AddRecipe(data, "Soße", 2, kMeat);
        sauce->AddRecipeIngredient(roux, nullptr, 2.0, 20.0);
        sauce->AddRecipeIngredient(nullptr, butter, 0.1, 0.0);
        schnitzel = &AddRecipe(data, "Schnitzel", 1, kMeat);
        schnitzel->PriceSell = 11.90;
        schnitzel->AddRecipeIngredient(nullptr, meat, 0.2, 0.0);
        schnitzel->AddRecipeIngredient(sauce, nullptr, 2.0, 0.0);
        roux->UseAsIngredient = sauce->UseAsIngredient = 1;
        roux->UseForSale = sauce->UseForSale = 0;
    }
};

// Butter raised to 6,00 for 2 kg, worked out by hand:
// roux before 0,4 + 0,2 = 0,6 for 4 portions = 0,15; after 0,6 + 0,2 = 0,8 -> 0,20.
// sauce before 2,5 × 0,15 + 0,2 = 0,575 for 2 = 0,2875; after 2,5 × 0,2 + 0,3 = 0,8 -> 0,40.
// schnitzel before 2,40 + 2 × 0,2875 = 2,975; after 2,40 + 0,8 = 3,20. Net price 10,00.
TEST(PriceImpactTest, TwoLevelSubRecipeFiguresBeforeAndAfter)
{
    CTwoLevelCatalogue catalogue;
    CPriceScenario scenario(catalogue.data);
    scenario.Replace(*catalogue.butter)->SupplierInUse->Price = 6.0;
    ASSERT_TRUE(scenario.Build());
    const std::vector<CImpactRow> rows = PriceImpact::Rows(scenario);

    struct CExpected
    {
        const char* name;
        CImpactFigures before;
        CImpactFigures after;
        double loss;
    };
    const CExpected expected[] = {
        {"Schnitzel", {2.975, 29.75, 7.025, 2.975 / 0.3 * 1.19}, {3.2, 32.0, 6.8, 3.2 / 0.3 * 1.19}, 0.225},
        {"Soße", {0.2875, 0.0, -0.2875, 0.2875 / 0.3 * 1.19}, {0.4, 0.0, -0.4, 0.4 / 0.3 * 1.19}, 0.1125},
        {"Mehlschwitze", {0.15, 0.0, -0.15, 0.5 * 1.19}, {0.2, 0.0, -0.2, 0.2 / 0.3 * 1.19}, 0.05},
    };
    ASSERT_EQ(rows.size(), std::size(expected));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        const CImpactRow& row = rows[i];
        EXPECT_EQ(row.Name, expected[i].name);
        EXPECT_NEAR(row.Before.PriceBuyPerPortion, expected[i].before.PriceBuyPerPortion, 1e-9);
        EXPECT_NEAR(row.Before.CostRatio, expected[i].before.CostRatio, 1e-9);
        EXPECT_NEAR(row.Before.ContributionMargin, expected[i].before.ContributionMargin, 1e-9);
        EXPECT_NEAR(row.Before.PriceSellCalculatedTax, expected[i].before.PriceSellCalculatedTax, 1e-9);
        EXPECT_NEAR(row.After.PriceBuyPerPortion, expected[i].after.PriceBuyPerPortion, 1e-9);
        EXPECT_NEAR(row.After.CostRatio, expected[i].after.CostRatio, 1e-9);
        EXPECT_NEAR(row.After.ContributionMargin, expected[i].after.ContributionMargin, 1e-9);
        EXPECT_NEAR(row.After.PriceSellCalculatedTax, expected[i].after.PriceSellCalculatedTax, 1e-9);
        EXPECT_NEAR(row.MarginLoss(), expected[i].loss, 1e-9);
    }
    // The catalogue still prices butter at 4,00.
    EXPECT_DOUBLE_EQ(catalogue.butter->GetPrice(), 4.0);
    EXPECT_NEAR(catalogue.schnitzel->GetPriceBuyPerPortion(), 2.975, 1e-12);
}

// Which recipes a change reaches: through any depth of sub-recipes, never a recipe beside them.
TEST(PriceImpactTest, ReachesUsersAtEveryDepthOnly)
{
    CTwoLevelCatalogue catalogue;
    struct CCase
    {
        const char* changed;
        bool dishesOnly;
        std::vector<std::string> names;
    };
    const CCase cases[] = {
        {"Mehl", false, {"Mehlschwitze", "Soße", "Schnitzel"}},
        {"Mehl", true, {"Schnitzel"}},
        {"Kalbfleisch", false, {"Steak", "Schnitzel"}},
    };
    for (const CCase& test : cases) {
        SCOPED_TRACE(test.changed);
        CPriceScenario scenario(catalogue.data);
        for (const CIngredient& ingredient : catalogue.data.Ingredients) {
            if (ingredient.Name == test.changed)
                scenario.Replace(ingredient)->SupplierInUse->Price = 0.0;
        }
        ASSERT_TRUE(scenario.Build());
        std::vector<std::string> names;
        for (const CPriceScenario::CRecipePair& pair : scenario.Recipes())
            if (!test.dishesOnly || pair.Original->UseForSale)
                names.push_back(pair.Original->Name);
        EXPECT_EQ(names, test.names);
        EXPECT_EQ(PriceImpact::Rows(scenario, test.dishesOnly).size(), test.names.size());
    }
}

// The dialog's case: the working copy of the ingredient changes its amount and the supplier in
// use; an unchanged price gives no loss.
TEST(PriceImpactTest, ChangedAmountAndUnchangedPrice)
{
    CTwoLevelCatalogue catalogue;
    {
        CPriceScenario scenario(catalogue.data);
        // 12,00 for 1,5 kg: 8,00/kg; steak 0,25 kg: 3,00 -> 2,00.
        scenario.Replace(*catalogue.meat)->SupplierInUse->Amount = 1.5;
        ASSERT_TRUE(scenario.Build());
        const std::vector<CImpactRow> rows = PriceImpact::Rows(scenario);
        ASSERT_EQ(rows.size(), 2u);
        // Schnitzel gains 0,80 (0,2 kg), Steak 1,00: the smaller gain is the larger loss.
        EXPECT_EQ(rows[0].Name, "Schnitzel");
        EXPECT_NEAR(rows[0].MarginLoss(), -0.8, 1e-12);
        EXPECT_EQ(rows[1].Name, "Steak");
        EXPECT_NEAR(rows[1].After.PriceBuyPerPortion, 2.0, 1e-12);
        EXPECT_NEAR(rows[1].MarginLoss(), -1.0, 1e-12);
    }
    CPriceScenario unchanged(catalogue.data);
    unchanged.Replace(*catalogue.meat);
    ASSERT_TRUE(unchanged.Build());
    for (const CImpactRow& row : PriceImpact::Rows(unchanged))
        EXPECT_EQ(row.MarginLoss(), 0.0) << row.Name;
}

} // namespace
