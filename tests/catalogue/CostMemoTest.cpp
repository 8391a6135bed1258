#include "catalogue/CostMemo.h"

#include "CatalogueBuilder.h"
#include "catalogue/Data.h"

#include <gtest/gtest.h>

// A base used twice directly and once through a middle recipe, and a sub-recipe of 0 portions:
// every figure is the same with a memo as without, and what the memo kept serves its pass.
TEST(CostMemo, GivesTheSameFiguresAndCostsEachRecipeOnce)
{
    CData data;
    data.SetDefaults();
    CIngredient& flour = AddIngredient(data, "Mehl", 1.30, 1);
    CIngredient& butter = AddIngredient(data, "Butter", 8.40, 2);
    CRecipe& base = AddRecipe(data, "Teig", 6);
    base.AddRecipeIngredient(nullptr, &flour, 1.5, 0);
    base.AddRecipeIngredient(nullptr, &butter, 0.25, 12);
    CRecipe& empty = AddRecipe(data, "Leer", 0);
    empty.AddRecipeIngredient(nullptr, &butter, 1, 0);
    CRecipe& middle = AddRecipe(data, "Boden", 3);
    middle.AddRecipeIngredient(&base, nullptr, 2, 5);
    CRecipe& cake = AddRecipe(data, "Torte", 12, 7);
    cake.PriceSell = 4.2;
    cake.AddRecipeIngredient(&base, nullptr, 1, 0);
    cake.AddRecipeIngredient(&middle, nullptr, 3, 10);
    cake.AddRecipeIngredient(&empty, nullptr, 2, 0);
    cake.AddRecipeIngredient(&base, nullptr, 4, 0);

    CCostMemo memo;
    for (const CRecipe* recipe : {&cake, &middle, &base, &empty}) {
        EXPECT_EQ(recipe->GetPriceBuy(&memo), recipe->GetPriceBuy()) << recipe->Name;
        EXPECT_EQ(recipe->GetPriceBuyPerPortion(&memo), recipe->GetPriceBuyPerPortion()) << recipe->Name;
        EXPECT_EQ(recipe->GetPriceSellCalculatedTax(&memo), recipe->GetPriceSellCalculatedTax())
            << recipe->Name;
        EXPECT_EQ(recipe->GetContributionMargin(&memo), recipe->GetContributionMargin()) << recipe->Name;
        EXPECT_EQ(recipe->GetCostRatio(&memo), recipe->GetCostRatio()) << recipe->Name;
    }
    for (const CRecipeIngredient& line : cake.RecipeIngredients)
        EXPECT_EQ(line.GetPrice(&memo), line.GetPrice());

    // What the memo kept stands for its pass: a change after it shows in a new pass only.
    const double before = cake.GetPriceBuy();
    flour.SupplierInUse->Price = 2.60;
    EXPECT_EQ(cake.GetPriceBuy(&memo), before);
    CCostMemo next;
    EXPECT_GT(cake.GetPriceBuy(&next), before);
    EXPECT_EQ(cake.GetPriceBuy(&next), cake.GetPriceBuy());
}
