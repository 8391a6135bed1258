#pragma once

#include <string>

class CCostMemo;
class CIngredient;
class CRecipe;

// One line of a recipe: an amount of an ingredient or a number of portions of another recipe,
// with the weight lost between buying and using it.
class CRecipeIngredient
{
public:
    explicit CRecipeIngredient(CRecipe* owner = nullptr);
    virtual ~CRecipeIngredient() = default;
    CRecipeIngredient(const CRecipeIngredient&) = delete;
    CRecipeIngredient& operator=(const CRecipeIngredient&) = delete;

    // Name of the sub-recipe, else of the ingredient, else "undefined".
    std::string GetName() const;
    // Portion unit of the sub-recipe, else unit of the ingredient, else "undefined".
    std::string GetUnit() const;

    // Amount to buy so that Amount remains after the weight loss (loss taken as 0..99 %).
    double GetAmountGross() const;
    // Cost of one unit of the ingredient, or of one portion of the sub-recipe; 0 without either.
    // `memo` keeps sub-recipe costs for one pass (CostMemo.h).
    double GetPricePerUnit(CCostMemo* memo = nullptr) const;
    // Cost of the line: price per unit × gross amount.
    double GetPrice(CCostMemo* memo = nullptr) const;

    static constexpr int ClassVersion = 1;

    CRecipe* const Owner;
    const int Id;
    CIngredient* Ingredient = nullptr;
    CRecipe* SubRecipe = nullptr;
    double Amount = 1.0;
    double WeightLoss = 0.0;
    int FileIndex = -1;
    int IngredientIndex = -1;
    int RecipeIndex = -1;
    int SortNum = -1;
};
