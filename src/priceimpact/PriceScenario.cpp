#include "PriceScenario.h"

#include "catalogue/Data.h"

#include <new>
#include <unordered_set>

CPriceScenario::CPriceScenario(const CData& data) : m_data(data) {}

CIngredient* CPriceScenario::Replace(const CIngredient& original)
{
    if (auto found = m_ingredients.find(&original); found != m_ingredients.end())
        return found->second.get();
    try {
        // The copies only read the catalogue (group rates and ratios), never change it.
        auto copy = std::make_unique<CIngredient>(const_cast<CData*>(&m_data));
        if (!copy->CopyFrom(original))
            return nullptr;
        m_order.push_back(&original);
        return (m_ingredients[&original] = std::move(copy)).get();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

std::vector<CPriceScenario::CIngredientPair> CPriceScenario::Ingredients() const
{
    std::vector<CIngredientPair> pairs;
    pairs.reserve(m_order.size());
    for (const CIngredient* original : m_order)
        pairs.push_back({original, m_ingredients.at(original).get()});
    return pairs;
}

// Recipes with a line of a replaced ingredient, then every recipe that uses an affected one as
// a sub-recipe, found by walking the links upward once; in catalogue order.
std::vector<const CRecipe*> CPriceScenario::AffectedRecipes() const
{
    std::unordered_map<const CRecipe*, std::vector<const CRecipe*>> users;
    std::unordered_set<const CRecipe*> affected;
    std::vector<const CRecipe*> pending;
    for (const CRecipe& recipe : m_data.Recipes) {
        for (const CRecipeIngredient& line : recipe.RecipeIngredients) {
            if (line.SubRecipe)
                users[line.SubRecipe].push_back(&recipe);
            else if (line.Ingredient && m_ingredients.count(line.Ingredient) &&
                     affected.insert(&recipe).second)
                pending.push_back(&recipe);
        }
    }
    while (!pending.empty()) {
        const CRecipe* recipe = pending.back();
        pending.pop_back();
        if (auto found = users.find(recipe); found != users.end()) {
            for (const CRecipe* user : found->second) {
                if (affected.insert(user).second)
                    pending.push_back(user);
            }
        }
    }
    std::vector<const CRecipe*> ordered;
    ordered.reserve(affected.size());
    for (const CRecipe& recipe : m_data.Recipes) {
        if (affected.count(&recipe))
            ordered.push_back(&recipe);
    }
    return ordered;
}

bool CPriceScenario::Build()
{
    m_recipes.clear();
    m_pairs.clear();
    try {
        for (const CRecipe* original : AffectedRecipes()) {
            auto copy = std::make_unique<CRecipe>(const_cast<CData*>(&m_data));
            if (!copy->CopyFrom(*original))
                return false;
            m_pairs.push_back({original, copy.get()});
            m_recipes[original] = std::move(copy);
        }
    } catch (const std::bad_alloc&) {
        m_pairs.clear();
        return false;
    }
    for (auto& [original, copy] : m_recipes)
        Relink(*copy);
    return true;
}

// Lines of the copy point to the replacements and to the copies of affected sub-recipes.
void CPriceScenario::Relink(CRecipe& copy) const
{
    for (CRecipeIngredient& line : copy.RecipeIngredients) {
        if (line.SubRecipe) {
            if (auto found = m_recipes.find(line.SubRecipe); found != m_recipes.end())
                line.SubRecipe = found->second.get();
        } else if (line.Ingredient) {
            if (auto found = m_ingredients.find(line.Ingredient); found != m_ingredients.end())
                line.Ingredient = found->second.get();
        }
    }
}
