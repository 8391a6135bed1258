#include "MenuState.h"

#include "app/TabRules.h"
#include "catalogue/Data.h"
#include "resources/StringTables.h"

CMenuState CMenuState::For(const CData* data, int tab, int languageId)
{
    CMenuState state;
    state.PrintEnabled = tab != CTabRules::MasterData;
    state.StockEntryEnabled = data && data->GetNbIngredients() > 0;
    state.GermanChecked = languageId == CStringTables::German;
    state.EnglishChecked = languageId == CStringTables::English;
    state.RomanianChecked = languageId == CStringTables::Romanian;
    return state;
}
