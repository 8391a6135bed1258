#pragma once

#include <cstdint>

class CListCtrlEx;
class CRecipe;

// The line list of the recipe dialog and of the quantity calculation: "Nr.", name, purchase
// amount, unit and price of each line, in the order of the lines. A row's user data is the
// line's Id.
namespace RecipeLineList {

constexpr const char* kLayoutSection = "DialogRecipe";
constexpr const char* kLayoutEntry = "RecipeIngredientList";

void AddColumns(CListCtrlEx& list);
// Refills the list; amounts and prices are multiplied by `factor` (1 for the recipe itself).
// Returns the row id of the line `selectLineId` (0 when it is not there).
std::uint32_t Fill(CListCtrlEx& list, const CRecipe& recipe, double factor, int selectLineId = -1);

} // namespace RecipeLineList
