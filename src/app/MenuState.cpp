#include "MenuState.h"

#include "app/TabRules.h"
#include "catalogue/Data.h"
#include "resources/StringTables.h"

CMenuState CMenuState::For(const CData* data, int tab, int languageId, const CMenuFeatures& features)
{
    CMenuState state;
    state.PrintEnabled = features.Printing && tab != CTabRules::MasterData;
    state.InventoryListsEnabled = features.Printing;
    state.StockEntryEnabled = features.StockEntry && data && data->GetNbIngredients() > 0;
    state.GermanChecked = languageId == CStringTables::German;
    state.EnglishChecked = languageId == CStringTables::English;
    state.RomanianChecked = languageId == CStringTables::Romanian;
    return state;
}
