#pragma once

#include "catalogue/Ingredient.h"
#include "catalogue/Recipe.h"

#include <memory>
#include <unordered_map>
#include <vector>

class CData;

// A working copy of what purchase price changes touch. Each changed ingredient is replaced by
// a copy the caller edits; every recipe that uses one, directly or through sub-recipes, is
// copied with its lines pointing to those replacements and to the copies of its sub-recipes.
// The catalogue is only read, so the "after" figures come from the same getters as the
// "before" figures, asked of the copies.
class CPriceScenario
{
public:
    explicit CPriceScenario(const CData& data);
    CPriceScenario(const CPriceScenario&) = delete;
    CPriceScenario& operator=(const CPriceScenario&) = delete;

    // The working copy that stands for `original` in this scenario, made on the first call;
    // null when memory ran out. Edit it before Build.
    CIngredient* Replace(const CIngredient& original);
    // Copies every recipe the replaced ingredients reach; false when memory ran out.
    [[nodiscard]] bool Build();

    struct CRecipePair
    {
        const CRecipe* Original;
        const CRecipe* Copy;
    };
    // The affected recipes in catalogue order, each with its working copy.
    const std::vector<CRecipePair>& Recipes() const { return m_pairs; }
    // The replaced ingredients in the order they were replaced, with their working copies.
    struct CIngredientPair
    {
        const CIngredient* Original;
        const CIngredient* Copy;
    };
    std::vector<CIngredientPair> Ingredients() const;
    const CData& Data() const { return m_data; }

private:
    std::vector<const CRecipe*> AffectedRecipes() const;
    void Relink(CRecipe& copy) const;

    const CData& m_data;
    std::vector<const CIngredient*> m_order;
    std::unordered_map<const CIngredient*, std::unique_ptr<CIngredient>> m_ingredients;
    std::unordered_map<const CRecipe*, std::unique_ptr<CRecipe>> m_recipes;
    std::vector<CRecipePair> m_pairs;
};
