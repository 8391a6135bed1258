#pragma once

class CData;

// The commands the program can carry out so far: a command that is not built yet stays grey
// rather than silently doing nothing.
struct CMenuFeatures
{
    bool Printing = false;
    bool StockEntry = false;
};

// The grey and check states of the menu entries, set each time a menu opens: "Drucken ..."
// is grey on the master data tab, "Inventurbestände eintragen ..." without an ingredient, the
// printed inventory lists and every command whose feature is missing, and the language entry
// of the language in use carries the check mark.
struct CMenuState
{
    bool PrintEnabled = false;
    bool InventoryListsEnabled = false;
    bool StockEntryEnabled = false;
    bool GermanChecked = false;
    bool EnglishChecked = false;
    bool RomanianChecked = false;

    // `tab` is the selected tab (0 = "Stammdaten"), `languageId` 1031, 1033 or 1048.
    static CMenuState For(const CData* data, int tab, int languageId, const CMenuFeatures& features);

    bool operator==(const CMenuState&) const = default;
};
