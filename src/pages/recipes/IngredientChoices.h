#pragma once

#include <string>
#include <vector>

class CData;
class CIngredient;
class CRecipe;

// What the selection dialog "Zutat auswählen" offers for a recipe line, apart from any window:
// first the ingredient recipes that may go into the edited recipe (never itself nor a recipe
// containing it, which would close a cycle), then the ingredients, both narrowed by the group
// filter; and the purchase amount and price of a line.
class CIngredientChoices
{
public:
    struct CChoice
    {
        CIngredient* Ingredient = nullptr;
        CRecipe* Recipe = nullptr;
        std::string Name;
        std::string Group;
        // The used supplier's price and amount; for a recipe its cost per portion and 1.
        double Price = 0.0;
        double Amount = 0.0;
        std::string Unit;
    };

    struct CFigures
    {
        double AmountGross = 0.0;
        double Price = 0.0;
    };

    // The group text of the recipe rows: "Rezepturzutat".
    static std::string RecipeGroup();
    // Whether `candidate` may be a line of `edited` (null for a recipe not yet in the catalogue).
    static bool OffersRecipe(const CRecipe& candidate, const CRecipe* edited);
    // The rows in list order; an empty filter lets every row through.
    static std::vector<CChoice> Build(CData& data, const CRecipe* edited, const std::string& filter);
    // Purchase amount and price of a line of `amount` of the ingredient or recipe with the
    // weight loss in percent (taken as 0 .. 99).
    static CFigures LineFigures(CIngredient* ingredient, CRecipe* recipe, double amount, double weightLoss);

private:
    static CChoice RecipeChoice(CRecipe& recipe);
    static CChoice IngredientChoice(CIngredient& ingredient);
};
