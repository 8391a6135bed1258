#pragma once

#include <string>
#include <vector>

class CIngredient;
class CRecipe;
class CRecipeIngredient;

// What the recipe dialog does to its working recipe, apart from any window: the lines in their
// order, adding, changing, deleting and moving them, and the rules for the name.
class CRecipeEditor
{
public:
    // What the selection dialog chose for a line: an ingredient or an ingredient recipe.
    struct CLineChoice
    {
        CRecipe* SubRecipe = nullptr;
        CIngredient* Ingredient = nullptr;
        double Amount = 0.0;
        double WeightLoss = 0.0;
    };

    // `original` is the catalogue's recipe the working one was copied from (null for a new
    // recipe): it and every recipe containing it must never become a line.
    CRecipeEditor(CRecipe& working, const CRecipe* original) : m_working(working), m_original(original) {}

    CRecipe& Working() const { return m_working; }
    const CRecipe* Original() const { return m_original; }

    CRecipeIngredient* LineById(int id) const;

    // Appends a line with the next order number; false when it could not be added.
    bool AddLine(const CLineChoice& choice);
    void ChangeLine(CRecipeIngredient& line, const CLineChoice& choice) const;
    // Deletes a line of the working recipe; the order numbers close the gap.
    void DeleteLine(CRecipeIngredient* line);
    // Swaps the line's order number with the next smaller one (up) or the next larger one
    // (down); false when there is none.
    bool MoveUp(CRecipeIngredient* line);
    bool MoveDown(CRecipeIngredient* line);

    // The name a recipe without one takes from its first line: the ingredient recipe's name,
    // else the ingredient's.
    static std::string NameOf(const CLineChoice& choice);
    // A name that is more than blanks.
    static bool HasName(const std::string& name);

private:
    bool Swap(CRecipeIngredient* line, bool up);

    CRecipe& m_working;
    const CRecipe* m_original;
};
