#pragma once

#include "catalogue/Data.h"
#include "resources/StringTables.h"

#include <string>

// Catalogue builders and texts for the tests of the page rules; no Qt, so these tests need no
// display.

// An ingredient with one supplier in use, appended to the catalogue. Texts are Windows-1252.
inline CIngredient* AddIngredient(CData& data, const std::string& name, const std::string& group,
                                  const std::string& unit, double price, double amount)
{
    CIngredient scratch(&data);
    scratch.Name = name;
    scratch.Group = group;
    scratch.Unit = unit;
    scratch.AddIngredientSupplier("Hofladen", price, amount);
    scratch.SupplierInUse = scratch.Suppliers.Head();
    data.AddIngredient(scratch);
    return data.Ingredients.At(data.GetNbIngredients() - 1);
}

inline CRecipe* AddRecipe(CData& data, const std::string& name, int group, bool asIngredient = false)
{
    CRecipe scratch(&data);
    scratch.Name = name;
    scratch.NameGroupIndex = group;
    scratch.UseAsIngredient = asIngredient ? 1 : 0;
    data.AddRecipe(scratch);
    return data.Recipes.At(data.GetNbRecipes() - 1);
}

inline std::string Text(int id)
{
    return CStringTables::Load(id);
}
