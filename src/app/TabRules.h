#pragma once

#include "resources/StringIds.h"

class CData;

// The tabs of the main window. They appear in this order as the catalogue gains records:
// "Stammdaten" and "Einkauf und Zutaten" always, "Rezepturen" with the first ingredient,
// "Abverkäufe" when there is also a recipe, "Auswertungen" when there is also a sale.
class CTabRules
{
public:
    enum ETab { MasterData, Ingredients, Recipes, Sales, Evaluation, NbTabs };

    // 2 .. 5; 2 without a catalogue.
    static int TabCount(const CData* data);
    // The string id of the tab's text (103 .. 107).
    static int TextId(int tab) { return StringId::kFirstTab + tab; }
};
