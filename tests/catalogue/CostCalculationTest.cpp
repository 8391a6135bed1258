#include "CatalogueBuilder.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The worked recipe: 0.5 kg bought at 4.00 for 2 kg with 20 % loss, plus 2 portions of a
// sub-recipe costing 3.00 for 4 portions; 2 portions sold at 11.90 in a group with 19 % VAT
// and a 30 % target ratio.
class WorkedRecipe : public testing::Test
{
protected:
    void SetUp() override
    {
        data.Taxes[0] = 19.0;
        data.Quotes[0] = 30.0;
        data.CurrencyFactor2 = 1.95583;
        CIngredient& meat = AddIngredient(data, "Rindfleisch", 4.00, 2.0);
        CIngredient& stock = AddIngredient(data, "Knochen", 3.00, 1.0);
        sub = &AddRecipe(data, "Fond", 4.0);
        sub->UseAsIngredient = 1;
        sub->AddRecipeIngredient(nullptr, &stock, 1.0, 0.0);
        recipe = &AddRecipe(data, "Gulasch", 2.0);
        recipe->PriceSell = 11.90;
        recipe->AddRecipeIngredient(nullptr, &meat, 0.5, 20.0);
        recipe->AddRecipeIngredient(sub, nullptr, 2.0, 0.0);
    }

    const CRecipeIngredient& Line(int index) { return *recipe->RecipeIngredients.At(index); }

    CData data;
    CRecipe* sub = nullptr;
    CRecipe* recipe = nullptr;
};

TEST_F(WorkedRecipe, GivesEveryFigure)
{
    EXPECT_DOUBLE_EQ(Line(0).GetAmountGross(), 0.625);
    EXPECT_DOUBLE_EQ(Line(0).GetPricePerUnit(), 2.00);
    EXPECT_DOUBLE_EQ(Line(0).GetPrice(), 1.25);
    EXPECT_DOUBLE_EQ(Line(1).GetPricePerUnit(), 0.75);
    EXPECT_DOUBLE_EQ(Line(1).GetPrice(), 1.50);

    EXPECT_DOUBLE_EQ(recipe->GetPriceBuy(), 2.75);
    EXPECT_DOUBLE_EQ(recipe->GetPriceBuyPerPortion(), 1.375);
    EXPECT_DOUBLE_EQ(recipe->GetPriceSellNoTax(), 10.00);
    EXPECT_DOUBLE_EQ(recipe->GetPriceSell(), 11.90);
    EXPECT_NEAR(recipe->GetPriceSellCalculatedNoTax(), 4.5833333333, 1e-9);
    EXPECT_NEAR(recipe->GetPriceSellCalculatedTax(), 5.4541666667, 1e-9);
    EXPECT_DOUBLE_EQ(recipe->GetContributionMargin(), 8.625);
    EXPECT_DOUBLE_EQ(recipe->GetCostRatio(), 13.75);
    EXPECT_NEAR(recipe->GetPriceSellCurrency2(), 23.274377, 1e-9);
}

TEST_F(WorkedRecipe, SubRecipeChangeReachesEveryUserAtOnce)
{
    sub->RecipeIngredients.At(0)->Amount = 2.0; // the stock now costs 6.00 for 4 portions
    EXPECT_DOUBLE_EQ(Line(1).GetPrice(), 3.00);
    EXPECT_DOUBLE_EQ(recipe->GetPriceBuy(), 4.25);
}

TEST_F(WorkedRecipe, ThresholdsOfTheRecipe)
{
    recipe->NbPortion = 0.0; // no portions: the cost per portion counts as 0
    EXPECT_EQ(recipe->GetPriceBuyPerPortion(), 0.0);
    EXPECT_DOUBLE_EQ(recipe->GetContributionMargin(), 10.00);
    EXPECT_EQ(recipe->GetCostRatio(), 0.0);
    EXPECT_EQ(recipe->GetPriceSellCalculatedNoTax(), 0.0);

    recipe->NbPortion = 2.0;
    data.Quotes[0] = 0.0; // no target ratio: the calculated price is the cost itself
    EXPECT_DOUBLE_EQ(recipe->GetPriceSellCalculatedNoTax(), 1.375);

    recipe->PriceSell = 0.0; // no selling price: ratio 0, margin is minus the cost
    EXPECT_EQ(recipe->GetPriceSellNoTax(), 0.0);
    EXPECT_EQ(recipe->GetCostRatio(), 0.0);
    EXPECT_DOUBLE_EQ(recipe->GetContributionMargin(), -1.375);

    sub->NbPortion = 0.0; // a sub-recipe without portions costs nothing per portion
    EXPECT_EQ(Line(1).GetPricePerUnit(), 0.0);
}

TEST_F(WorkedRecipe, GroupOutsideTheTwentyCountsWithoutRateAndRatio)
{
    for (int group : {-1, 20, 25, -7}) {
        recipe->NameGroupIndex = group;
        EXPECT_DOUBLE_EQ(recipe->GetPriceSellNoTax(), 11.90) << group;
        EXPECT_DOUBLE_EQ(recipe->GetPriceSellCalculatedNoTax(), 1.375) << group;
        EXPECT_EQ(data.GetGroupName(group), "") << group;
    }
}

// The dialog, the quantity calculation and both printed sheets scale and order lines by these
// two rules; a recipe without portions is never scaled (print used to count it as one).
TEST_F(WorkedRecipe, LinesScaleToPortionsAndKeepTheirOrder)
{
    double factor = 0.0;
    ASSERT_TRUE(recipe->GetPortionFactor(5.0, factor));
    EXPECT_DOUBLE_EQ(factor, 2.5);
    for (const double noPortions : {0.0, std::nan("")}) {
        recipe->NbPortion = noPortions;
        factor = -1.0;
        EXPECT_FALSE(recipe->GetPortionFactor(5.0, factor));
        EXPECT_EQ(factor, -1.0);
    }

    // Numbers 2, 1, 2: the 1 first, the two 2s in stored order.
    recipe->RecipeIngredients.At(0)->SortNum = 2;
    recipe->RecipeIngredients.At(1)->SortNum = 1;
    recipe->AddRecipeIngredient(nullptr, &AddIngredient(data, "Salz", 1.0, 1.0), 0.01, 0.0);
    recipe->RecipeIngredients.At(2)->SortNum = 2;
    std::vector<std::string> names;
    for (const CRecipeIngredient* line : recipe->GetLinesInOrder())
        names.push_back(line->GetName());
    EXPECT_EQ(names, (std::vector<std::string>{"Fond", "Rindfleisch", "Salz"}));
}

TEST(RecipeLine, WeightLossIsHeldBetweenZeroAndNinetyNine)
{
    const struct
    {
        double loss, gross;
    } cases[] = {{0.0, 2.0}, {20.0, 2.5}, {99.0, 200.0}, {100.0, 200.0}, {150.0, 200.0}, {-10.0, 2.0}};
    for (const auto& c : cases) {
        CRecipeIngredient line;
        line.Amount = 2.0;
        line.WeightLoss = c.loss;
        EXPECT_DOUBLE_EQ(line.GetAmountGross(), c.gross) << "loss " << c.loss;
    }
}

TEST(RecipeLine, WithoutIngredientOrSupplierCostsNothing)
{
    CData data;
    CRecipe& recipe = AddRecipe(data, "Leer", 1.0);
    CIngredient& bare = AddIngredient(data, "Salz", 1.0, 1.0);
    bare.SupplierInUse = nullptr;
    recipe.AddRecipeIngredient(nullptr, nullptr, 3.0, 0.0);
    recipe.AddRecipeIngredient(nullptr, &bare, 3.0, 0.0);
    EXPECT_EQ(recipe.RecipeIngredients.At(0)->GetName(), "undefined");
    EXPECT_EQ(recipe.RecipeIngredients.At(0)->GetUnit(), "undefined");
    EXPECT_EQ(recipe.GetPriceBuy(), 0.0);
    EXPECT_EQ(bare.GetPrice(), 0.0);
    EXPECT_EQ(bare.GetPricePerUnit(), 0.0);
    EXPECT_EQ(bare.GetAmount(), 1.0);
    EXPECT_EQ(bare.GetStockValue(), 1.0);
}

TEST(Ingredient, SupplierAmountZeroDividesByOne)
{
    CData data;
    CIngredient& ingredient = AddIngredient(data, "Safran", 5.0, 0.0);
    ingredient.StockAmount = 40.0;
    CRecipe& recipe = AddRecipe(data, "Risotto", 1.0);
    recipe.AddRecipeIngredient(nullptr, &ingredient, 1.0, 0.0);

    EXPECT_EQ(recipe.RecipeIngredients.At(0)->GetPricePerUnit(), 5.0);
    EXPECT_EQ(ingredient.GetPricePerUnit(), 5.0);
    EXPECT_EQ(ingredient.SupplierInUse->GetPricePerUnit(), 5.0);
    EXPECT_EQ(ingredient.GetAmount(), 1.0);
    EXPECT_EQ(ingredient.GetStockValue(), 1.0);
}

TEST(Ingredient, PriceListsDivideFromOneTenBillionth)
{
    CIngredientSupplier supplier;
    supplier.Price = 1.0;
    supplier.Amount = 1e-11;
    EXPECT_EQ(supplier.GetPricePerUnit(), 1.0);
    supplier.Amount = 1e-10;
    EXPECT_DOUBLE_EQ(supplier.GetPricePerUnit(), 1e10);
}

TEST(StockValue, CutsToWholeCents)
{
    CData data;
    CIngredient& third = AddIngredient(data, "Eier", 1.00, 3.0);
    third.StockAmount = 2.0; // 0.6666... is worth 0.66, not 0.67
    EXPECT_DOUBLE_EQ(third.GetStockValue(), 0.66);

    CIngredient& exact = AddIngredient(data, "Zitrone", 0.29, 1.0);
    exact.StockAmount = 1.0; // 0.29 × 100 is 28.999999999999996 in binary: still 29 cents
    EXPECT_DOUBLE_EQ(exact.GetStockValue(), 0.29);

    CIngredient& negative = AddIngredient(data, "Korrektur", 1.00, 3.0);
    negative.StockAmount = -2.0; // cut toward zero
    EXPECT_DOUBLE_EQ(negative.GetStockValue(), -0.66);
}

TEST(StockValue, CatalogueTotalCountsActiveIngredientsOnly)
{
    CData data;
    AddIngredient(data, "Mehl", 1.00, 3.0).StockAmount = 2.0;    // 0.66
    AddIngredient(data, "Zucker", 0.29, 1.0).StockAmount = 10.0; // 2.90
    CIngredient& off = AddIngredient(data, "Deko", 100.0, 1.0);
    off.StockAmount = 5.0;
    off.StockActive = 0;
    CIngredient& noSupplier = AddIngredient(data, "Wasser", 1.0, 1.0);
    noSupplier.SupplierInUse = nullptr; // counts as 1.00

    EXPECT_DOUBLE_EQ(data.GetStockValue(), 0.66 + 2.90 + 1.00);
}

} // namespace
