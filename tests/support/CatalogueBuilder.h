#pragma once

#include "catalogue/Data.h"

#include <stdexcept>
#include <string>

// Small helpers that build catalogue records the way the work pages do: fill a scratch record
// and hand it to the catalogue.
inline CIngredient& AddIngredient(CData& data, const std::string& name, double price, double amount,
                                  const std::string& group = {})
{
    CIngredient scratch(&data);
    scratch.Name = name;
    scratch.Group = group;
    scratch.Unit = "kg";
    scratch.AddIngredientSupplier("Metzgerei", price, amount);
    scratch.SupplierInUse = scratch.Suppliers.Head();
    if (data.AddIngredient(scratch) != 1)
        throw std::runtime_error("the catalogue refused a record");
    return *data.Ingredients.At(data.GetNbIngredients() - 1);
}

inline CRecipe& AddRecipe(CData& data, const std::string& name, double portions, int group = 0)
{
    CRecipe scratch(&data);
    scratch.Name = name;
    scratch.NbPortion = portions;
    scratch.NameGroupIndex = group;
    if (data.AddRecipe(scratch) != 1)
        throw std::runtime_error("the catalogue refused a record");
    return *data.Recipes.At(data.GetNbRecipes() - 1);
}

inline std::string Names(const CRing<CIngredient>& ring)
{
    std::string names;
    for (const CIngredient& ingredient : ring)
        names += (names.empty() ? "" : ",") + ingredient.Name;
    return names;
}
