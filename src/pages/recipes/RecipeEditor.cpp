#include "RecipeEditor.h"

#include "catalogue/Data.h"
#include "pages/ingredients/IngredientEditor.h"

#include <algorithm>

CRecipeIngredient* CRecipeEditor::LineById(int id) const
{
    for (CRecipeIngredient& line : m_working.RecipeIngredients) {
        if (line.Id == id)
            return &line;
    }
    return nullptr;
}

bool CRecipeEditor::AddLine(const CLineChoice& choice)
{
    return m_working.AddRecipeIngredient(choice.SubRecipe, choice.SubRecipe ? nullptr : choice.Ingredient,
                                         choice.Amount, choice.WeightLoss) != 0;
}

void CRecipeEditor::ChangeLine(CRecipeIngredient& line, const CLineChoice& choice) const
{
    line.SubRecipe = choice.SubRecipe;
    line.Ingredient = choice.SubRecipe ? nullptr : choice.Ingredient;
    line.Amount = choice.Amount;
    line.WeightLoss = choice.WeightLoss;
}

void CRecipeEditor::DeleteLine(CRecipeIngredient* line)
{
    m_working.DeleteRecipeIngredient(line);
}

bool CRecipeEditor::MoveUp(CRecipeIngredient* line)
{
    return Swap(line, true);
}

bool CRecipeEditor::MoveDown(CRecipeIngredient* line)
{
    return Swap(line, false);
}

// The neighbour is the line whose order number is nearest to this one's on the chosen side.
bool CRecipeEditor::Swap(CRecipeIngredient* line, bool up)
{
    if (!line || !m_working.RecipeIngredients.Contains(line))
        return false;
    CRecipeIngredient* neighbour = nullptr;
    for (CRecipeIngredient& other : m_working.RecipeIngredients) {
        const bool onSide = up ? other.SortNum < line->SortNum : other.SortNum > line->SortNum;
        const bool nearer =
            !neighbour || (up ? other.SortNum > neighbour->SortNum : other.SortNum < neighbour->SortNum);
        if (onSide && nearer)
            neighbour = &other;
    }
    if (!neighbour)
        return false;
    std::swap(line->SortNum, neighbour->SortNum);
    return true;
}

std::string CRecipeEditor::NameOf(const CLineChoice& choice)
{
    if (choice.SubRecipe)
        return choice.SubRecipe->Name;
    return choice.Ingredient ? choice.Ingredient->Name : std::string();
}

bool CRecipeEditor::HasName(const std::string& name)
{
    return !CIngredientEditor::Trim(name).empty();
}
