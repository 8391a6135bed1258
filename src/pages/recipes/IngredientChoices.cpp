#include "IngredientChoices.h"

#include "catalogue/Data.h"
#include "catalogue/RecipeIngredient.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

std::string CIngredientChoices::RecipeGroup()
{
    return CStringTables::Load(StringId::kRecipeIngredientGroup);
}

bool CIngredientChoices::OffersRecipe(const CRecipe& candidate, const CRecipe* edited)
{
    if (!candidate.UseAsIngredient || &candidate == edited)
        return false;
    return !edited || !candidate.ContainsRecipe(edited);
}

std::vector<CIngredientChoices::CChoice> CIngredientChoices::Build(CData& data, const CRecipe* edited,
                                                                   const std::string& filter)
{
    std::vector<CChoice> choices;
    if (filter.empty() || filter == RecipeGroup()) {
        for (CRecipe& recipe : data.Recipes) {
            if (OffersRecipe(recipe, edited))
                choices.push_back(RecipeChoice(recipe));
        }
    }
    for (CIngredient& ingredient : data.Ingredients) {
        if (filter.empty() || ingredient.Group == filter)
            choices.push_back(IngredientChoice(ingredient));
    }
    return choices;
}

CIngredientChoices::CChoice CIngredientChoices::RecipeChoice(CRecipe& recipe)
{
    CChoice choice;
    choice.Recipe = &recipe;
    choice.Name = recipe.Name;
    choice.Group = RecipeGroup();
    choice.Price = recipe.GetPriceBuyPerPortion();
    choice.Amount = 1.0;
    choice.Unit = CStringTables::Load(StringId::kPortions);
    return choice;
}

CIngredientChoices::CChoice CIngredientChoices::IngredientChoice(CIngredient& ingredient)
{
    CChoice choice;
    choice.Ingredient = &ingredient;
    choice.Name = ingredient.Name;
    choice.Group = ingredient.Group;
    choice.Price = ingredient.GetPrice();
    choice.Amount = ingredient.SupplierInUse ? ingredient.SupplierInUse->Amount : 0.0;
    choice.Unit = ingredient.Unit;
    return choice;
}

// A line that is not part of any recipe computes the figures with the catalogue's own formulas.
CIngredientChoices::CFigures CIngredientChoices::LineFigures(CIngredient* ingredient, CRecipe* recipe,
                                                             double amount, double weightLoss)
{
    CRecipeIngredient line;
    line.Ingredient = recipe ? nullptr : ingredient;
    line.SubRecipe = recipe;
    line.Amount = amount;
    line.WeightLoss = weightLoss;
    return {line.GetAmountGross(), line.GetPrice()};
}
