#pragma once

#include "catalogue/Data.h"

#include <memory>
#include <string>

// Appends the given numbers of plain records to a catalogue.
inline void AddRecords(CData& data, int ingredients, int recipes, int sales)
{
    for (int i = 0; i < ingredients; ++i)
        data.Ingredients.Append(std::make_unique<CIngredient>(&data)).Name = "Zutat " + std::to_string(i);
    for (int i = 0; i < recipes; ++i)
        data.Recipes.Append(std::make_unique<CRecipe>(&data)).Name = "Rezept " + std::to_string(i);
    for (int i = 0; i < sales; ++i)
        data.Sales.Append(std::make_unique<CSale>(&data));
}

// Names only food groups 0 ("Vorspeisen") and 2 ("Hauptgerichte") and drink group 10 ("Biere"),
// so the recipes tab reads "Alle", "Alle Speisen", 0, 2, "Alle Getränke", 10.
inline void NameThreeGroups(CData& data)
{
    data.NameGroup.fill("");
    data.NameGroup[0] = "Vorspeisen";
    data.NameGroup[2] = "Hauptgerichte";
    data.NameGroup[10] = "Biere";
}
