#pragma once

#include "catalogue/Data.h"
#include "resources/StringTables.h"

#include <stdexcept>
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
    if (data.AddIngredient(scratch) != 1)
        throw std::runtime_error("the catalogue refused a record");
    return data.Ingredients.At(data.GetNbIngredients() - 1);
}

inline CRecipe* AddRecipe(CData& data, const std::string& name, int group, bool asIngredient = false)
{
    CRecipe scratch(&data);
    scratch.Name = name;
    scratch.NameGroupIndex = group;
    scratch.UseAsIngredient = asIngredient ? 1 : 0;
    if (data.AddRecipe(scratch) != 1)
        throw std::runtime_error("the catalogue refused a record");
    return data.Recipes.At(data.GetNbRecipes() - 1);
}

inline std::string Text(int id)
{
    return CStringTables::Load(id);
}
