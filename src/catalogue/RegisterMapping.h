#pragma once

#include <string>
#include <vector>

// What the catalogue remembers of the cash register imports: which register item is booked as
// which dish, or not at all, and which closings and journals were booked already. It travels
// with the catalogue through every save, backup, open and restore; texts are Windows-1252.
struct CRegisterItemMapping
{
    static constexpr int kNoDish = -1;

    std::string ItemKey;    // the register's article number, or its item text without one
    std::string ItemText;   // the text the register gave the item, for the user
    int RecipeId = kNoDish; // the dish's Id; kNoDish: "kein Gericht – nicht buchen"
};

// A closing of a register or the row set of a journal that was booked.
struct CRegisterImportedSource
{
    std::string Key;
    std::string Label;
};

struct CRegisterMapping
{
    std::vector<CRegisterItemMapping> Items;
    std::vector<CRegisterImportedSource> Sources;

    bool IsEmpty() const { return Items.empty() && Sources.empty(); }
};
