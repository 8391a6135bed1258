#pragma once

// What the recipe dialog or its quantity calculation asks to print: the calculation sheet
// ("Kalkulation") or the recipe sheet ("Rezeptblatt"), for the recipe's own portions or for
// a given number of portions.
enum class ERecipeSheet { Calculation = 0, Recipe = 1 };

struct CRecipePrintRequest
{
    ERecipeSheet Sheet = ERecipeSheet::Calculation;
    bool ForPortions = false; // true: the sheet is for `Portions`, not the recipe's own
    double Portions = 0.0;
};
