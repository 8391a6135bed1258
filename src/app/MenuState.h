#pragma once

class CData;

// The grey and check states of the menu entries, set each time a menu opens: "Drucken ..."
// is grey on the master data tab, "Inventurbestände eintragen ..." without an ingredient,
// and the language entry of the language in use carries the check mark.
struct CMenuState
{
    bool PrintEnabled = false;
    bool StockEntryEnabled = false;
    bool GermanChecked = false;
    bool EnglishChecked = false;
    bool RomanianChecked = false;

    // `tab` is the selected tab (0 = "Stammdaten"), `languageId` 1031, 1033 or 1048.
    static CMenuState For(const CData* data, int tab, int languageId);

    bool operator==(const CMenuState&) const = default;
};
