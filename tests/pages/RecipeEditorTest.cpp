#include "pages/recipes/RecipeEditor.h"

#include "RuleTestSupport.h"
#include "pages/recipes/RecipeFigures.h"

#include <gtest/gtest.h>

namespace {

std::vector<int> Order(const CRecipe& recipe)
{
    std::vector<int> amounts;
    for (const CRecipeIngredient* line : recipe.GetLinesInOrder())
        amounts.push_back(static_cast<int>(line->Amount));
    return amounts;
}

// A recipe whose lines carry the given order numbers; line i has amount i + 1.
void AddNumberedLines(CRecipe& recipe, std::initializer_list<int> sortNums)
{
    int amount = 1;
    for (int sortNum : sortNums)
        recipe.AddRecipeIngredient(-1, -1, amount++, 0, sortNum);
}

} // namespace

// The order follows the numbers, not the ring; equal numbers (a hand-edited file) keep the
// ring's order. Moving finds the nearest number on its side, over gaps, and swaps.
TEST(RecipeEditor, OrderAndMovingFollowTheNumbers)
{
    CData data;
    CRecipe recipe(&data);
    AddNumberedLines(recipe, {7, 1, 5, 5});
    EXPECT_EQ(Order(recipe), (std::vector<int>{2, 3, 4, 1}));
    CRecipeEditor editor(recipe, nullptr);
    CRecipeIngredient* seven = recipe.RecipeIngredients.At(0);
    CRecipeIngredient* one = recipe.RecipeIngredients.At(1);
    EXPECT_FALSE(editor.MoveDown(seven));
    EXPECT_FALSE(editor.MoveUp(one));
    EXPECT_TRUE(editor.MoveUp(seven));
    EXPECT_EQ(seven->SortNum, 5);
    EXPECT_EQ(Order(recipe), (std::vector<int>{2, 1, 4, 3}));
    EXPECT_TRUE(editor.MoveDown(one));
    EXPECT_EQ(one->SortNum, 5);
    EXPECT_FALSE(editor.MoveUp(nullptr));
    CRecipe other(&data);
    AddNumberedLines(other, {1, 2});
    EXPECT_FALSE(editor.MoveUp(other.RecipeIngredients.At(1))) << "a line of another recipe";
}

// Adding numbers the line after the largest; deleting closes the gap; a line without a
// sub-recipe keeps its ingredient, a sub-recipe line drops one given by mistake.
TEST(RecipeEditor, AddChangeDelete)
{
    CData data;
    CIngredient* salt = AddIngredient(data, "Salz", "", "kg", 1, 1);
    CRecipe* fond = AddRecipe(data, "Fond", 0, true);
    CRecipe recipe(&data);
    AddNumberedLines(recipe, {1, 5});
    CRecipeEditor editor(recipe, nullptr);
    ASSERT_TRUE(editor.AddLine({fond, salt, 2, 10}));
    CRecipeIngredient* added = recipe.RecipeIngredients.At(2);
    EXPECT_EQ(added->SortNum, 6);
    EXPECT_EQ(added->SubRecipe, fond);
    EXPECT_EQ(added->Ingredient, nullptr);
    EXPECT_EQ(editor.LineById(added->Id), added);
    editor.ChangeLine(*added, {nullptr, salt, 3, 20});
    EXPECT_EQ(added->SubRecipe, nullptr);
    EXPECT_EQ(added->Ingredient, salt);
    EXPECT_EQ(added->Amount, 3);
    EXPECT_EQ(added->WeightLoss, 20);
    editor.DeleteLine(recipe.RecipeIngredients.At(1));
    EXPECT_EQ(added->SortNum, 5);
    EXPECT_EQ(editor.LineById(-5), nullptr);
}

TEST(RecipeEditor, NameRules)
{
    CData data;
    CIngredient* salt = AddIngredient(data, "Salz", "", "kg", 1, 1);
    CRecipe* fond = AddRecipe(data, "Fond", 0, true);
    EXPECT_EQ(CRecipeEditor::NameOf({fond, salt, 1, 0}), "Fond");
    EXPECT_EQ(CRecipeEditor::NameOf({nullptr, salt, 1, 0}), "Salz");
    EXPECT_EQ(CRecipeEditor::NameOf({}), "");
    EXPECT_FALSE(CRecipeEditor::HasName(" \t "));
    EXPECT_TRUE(CRecipeEditor::HasName(" x"));
}

// Scaling: per-portion figures times the portions, the ratio as it is; the lines by portions
// over the recipe's portions, refused for a recipe of 0 portions.
TEST(RecipeFigures, ScalesToPortions)
{
    CData data;
    data.SetDefaults();
    CRecipe recipe(&data);
    recipe.NameGroupIndex = 0; // 19 % VAT, target 30 %
    recipe.NbPortion = 4;
    recipe.PriceSell = 11.9;
    recipe.AddRecipeIngredient(nullptr, AddIngredient(data, "Mehl", "", "kg", 2, 1), 6, 0); // 12,00
    const CRecipeFigures ten = CRecipeFigures::Of(recipe, 10);
    EXPECT_DOUBLE_EQ(ten.PriceBuy, 30.0);
    EXPECT_DOUBLE_EQ(ten.PriceSell, 119.0);
    EXPECT_DOUBLE_EQ(ten.PriceSellNoTax, 100.0);
    EXPECT_DOUBLE_EQ(ten.ContributionMargin, 70.0);
    EXPECT_DOUBLE_EQ(ten.PriceSellCalculatedNoTax, 100.0);
    EXPECT_DOUBLE_EQ(ten.CostRatio, 30.0);
    double factor = 0.0;
    EXPECT_TRUE(recipe.GetPortionFactor(10, factor));
    EXPECT_DOUBLE_EQ(factor, 2.5);
    recipe.NbPortion = 0;
    EXPECT_FALSE(recipe.GetPortionFactor(10, factor));
    const CRecipeFigures none = CRecipeFigures::Of(recipe, 10);
    EXPECT_EQ(none.PriceBuy, 0.0);
    EXPECT_EQ(none.CostRatio, 0.0);
}
