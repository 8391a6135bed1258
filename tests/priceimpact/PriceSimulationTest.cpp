#include "CatalogueBuilder.h"
#include "catalogue/Data.h"
#include "datafile/DataFileWriter.h"
#include "priceimpact/PriceChange.h"
#include "priceimpact/PriceImpact.h"
#include "priceimpact/PriceScenario.h"
#include "priceimpact/SellPriceRounding.h"
#include "priceimpact/SellPriceStep.h"

#include <gtest/gtest.h>

namespace {

constexpr int kSoups = 0;

// Four ingredients in two goods groups from two suppliers (salt has none in use); a cream soup
// (2 portions, 6,90) of 0,1 kg butter, 0,5 l cream and 0,05 kg flour, and a bread of flour only.
struct CSimulationCatalogue
{
    CData data;
    CIngredient* butter;
    CIngredient* cream;
    CIngredient* flour;
    CIngredient* salt;
    CRecipe* soup;
    CRecipe* bread;

    CSimulationCatalogue()
    {
        data.NameGroup[kSoups] = "Suppen";
        data.Taxes[kSoups] = 19.0;
        data.Quotes[kSoups] = 25.0;
        butter = &Add("Butter", "Molkerei", "Hof Meier", 4.0, 2.0);
        cream = &Add("Sahne", "Molkerei",
                     "Gro\xDF"
                     "markt",
                     3.0, 1.0);
        flour = &Add("Mehl", "Trocken", "Hof Meier", 1.0, 1.0);
        salt = &Add("Salz", "Trocken",
                    "Gro\xDF"
                    "markt",
                    0.5, 1.0);
        salt->SupplierInUse = nullptr;
        soup = &AddRecipe(data, "Rahmsuppe", 2, kSoups);
        soup->PriceSell = 6.90;
        soup->AddRecipeIngredient(nullptr, butter, 0.1, 0.0);
        soup->AddRecipeIngredient(nullptr, cream, 0.5, 0.0);
        soup->AddRecipeIngredient(nullptr, flour, 0.05, 0.0);
        soup->AddRecipeIngredient(nullptr, salt, 0.01, 0.0);
        bread = &AddRecipe(data, "Brot", 10, kSoups);
        bread->PriceSell = 0.50;
        bread->AddRecipeIngredient(nullptr, flour, 1.0, 0.0);
    }

    CIngredient& Add(const char* name, const char* group, const char* supplier, double price, double amount)
    {
        CIngredient& ingredient = AddIngredient(data, name, price, amount, group);
        ingredient.SupplierInUse->Name = supplier;
        return ingredient;
    }

    std::string Text() const { return CDataFileWriter(data, false).Render().ToString(); }
};

std::string Names(const std::vector<const CIngredient*>& ingredients)
{
    std::string names;
    for (const CIngredient* ingredient : ingredients)
        names += (names.empty() ? "" : ",") + ingredient->Name;
    return names;
}

// The dairy goods group ("Molkerei": butter and cream) 20 % dearer.
CPriceChange DairyTwentyPercentDearer()
{
    CPriceChange change;
    change.Selection = CPriceChange::ByGroup;
    change.Key = "Molkerei";
    change.Value = 20.0;
    return change;
}

TEST(PriceSimulationTest, SelectsByIngredientGroupOrSupplierInUse)
{
    CSimulationCatalogue catalogue;
    struct CCase
    {
        CPriceChange::ESelection selection;
        std::string key;
        std::vector<int> ids;
        const char* expected;
    };
    const CCase cases[] = {
        {CPriceChange::ByGroup, "Molkerei", {}, "Butter,Sahne"},
        // Salt has no supplier in use: there is no price to change.
        {CPriceChange::ByGroup, "Trocken", {}, "Mehl"},
        {CPriceChange::ByGroup, "molkerei", {}, ""},
        {CPriceChange::BySupplier, "Hof Meier", {}, "Butter,Mehl"},
        {CPriceChange::BySupplier,
         "Gro\xDF"
         "markt",
         {},
         "Sahne"},
        {CPriceChange::ByIngredients, "", {catalogue.salt->Id, catalogue.cream->Id}, "Sahne"},
    };
    for (const CCase& test : cases) {
        CPriceChange change;
        change.Selection = test.selection;
        change.Key = test.key;
        change.IngredientIds = test.ids;
        EXPECT_EQ(Names(PriceChange::Select(catalogue.data, change)), test.expected) << test.key;
    }
    // What "by supplier" offers: the suppliers in use, once each (salt's is not in use).
    EXPECT_EQ(PriceChange::SupplierNamesInUse(catalogue.data),
              (std::vector<std::string>{"Hof Meier", "Gro\xDF"
                                                     "markt"}));
}

TEST(PriceSimulationTest, NewSupplierPrice)
{
    struct CCase
    {
        CPriceChange::EMode mode;
        double value;
        double price;
        double expected;
    };
    const CCase cases[] = {
        {CPriceChange::Percent, 15.0, 4.0, 4.6},
        {CPriceChange::Percent, -10.0, 3.0, 2.7},
        {CPriceChange::Percent, -100.0, 3.0, 0.0},
        {CPriceChange::NewPrice, 5.0, 3.0, 5.0},
    };
    for (const CCase& test : cases) {
        CPriceChange change;
        change.Mode = test.mode;
        change.Value = test.value;
        EXPECT_NEAR(PriceChange::NewPrice(test.price, change), test.expected, 1e-12) << test.value;
    }
}

TEST(PriceSimulationTest, RoundsSellingPricesUpward)
{
    using namespace SellPriceRounding;
    struct CCase
    {
        double price;
        ERounding rounding;
        double expected;
    };
    const CCase cases[] = {
        {10.6604, Cents, 10.67},
        {12.5 + 1e-12, Cents, 12.50},
        {0.0, Cents, 0.0},
        {-3.0, Tenths, 0.0},
        {10.6604, Tenths, 10.70},
        {10.70, Tenths, 10.70},
        {10.71, Tenths, 10.80},
        {10.6604, Endings50And90, 10.90},
        {10.30, Endings50And90, 10.50},
        {10.50, Endings50And90, 10.50},
        {10.91, Endings50And90, 11.50},
        {10.00, Endings50And90, 10.50},
        {0.2, Endings50And90, 0.50},
    };
    for (const CCase& test : cases)
        EXPECT_DOUBLE_EQ(Round(test.price, test.rounding), test.expected)
            << test.price << " rounding " << test.rounding;
}

// Butter and cream +20 %: soup before 0,2 + 1,5 + 0,05 = 1,75 for 2 = 0,875; after 0,24 + 1,8 +
// 0,05 = 2,09 -> 1,045. Bread (flour only) is not touched.
TEST(PriceSimulationTest, LeavesTheCatalogueByteIdentical)
{
    CSimulationCatalogue catalogue;
    const std::string before = catalogue.Text();
    CPriceScenario scenario(catalogue.data);
    ASSERT_TRUE(PriceChange::Fill(scenario, DairyTwentyPercentDearer()));
    const std::vector<CImpactRow> rows = PriceImpact::Rows(scenario, true);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Name, "Rahmsuppe");
    EXPECT_NEAR(rows[0].Before.PriceBuyPerPortion, 0.875, 1e-12);
    EXPECT_NEAR(rows[0].After.PriceBuyPerPortion, 1.045, 1e-12);
    ASSERT_EQ(scenario.Ingredients().size(), 2u);
    EXPECT_NEAR(scenario.Ingredients()[0].Copy->GetPrice(), 4.8, 1e-12);
    EXPECT_EQ(catalogue.Text(), before);
}

// The target price after the change, 1,045 / 25 % × 1,19 = 4,9742, goes up to the next ,50/,90
// ending, 5,50. Applied, then taken back; a price changed in between stays.
TEST(PriceSimulationTest, AppliesNewSellingPricesAndTakesThemBack)
{
    CSimulationCatalogue catalogue;
    const std::string before = catalogue.Text();
    CPriceScenario scenario(catalogue.data);
    ASSERT_TRUE(PriceChange::Fill(scenario, DairyTwentyPercentDearer()));
    const CImpactRow row = PriceImpact::Rows(scenario, true).at(0);
    const double price =
        SellPriceRounding::Round(row.After.PriceSellCalculatedTax, SellPriceRounding::Endings50And90);
    EXPECT_DOUBLE_EQ(price, 5.50);
    const CSellPriceStep step = CSellPriceStep::Apply({{catalogue.soup, price}, {catalogue.bread, 0.60}});
    EXPECT_DOUBLE_EQ(catalogue.soup->PriceSell, 5.50);
    EXPECT_DOUBLE_EQ(catalogue.bread->PriceSell, 0.60);
    EXPECT_NE(catalogue.Text(), before);

    EXPECT_EQ(step.Undo(catalogue.data), 2);
    EXPECT_EQ(catalogue.Text(), before);

    const CSellPriceStep again = CSellPriceStep::Apply({{catalogue.soup, 5.50}, {catalogue.bread, 0.60}});
    catalogue.bread->PriceSell = 0.70;
    EXPECT_EQ(again.Undo(catalogue.data), 1);
    EXPECT_DOUBLE_EQ(catalogue.soup->PriceSell, 6.90);
    EXPECT_DOUBLE_EQ(catalogue.bread->PriceSell, 0.70);
}

} // namespace
