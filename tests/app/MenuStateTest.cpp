#include "app/MenuState.h"

#include "catalogue/Data.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuStateTest, PrintNeedsATabWithAListAndStockEntryAnIngredient)
{
    CData empty;
    CData stocked;
    stocked.Ingredients.Append(std::make_unique<CIngredient>(&stocked));
    struct CCase
    {
        const CData* Data;
        int Tab;
        bool Print, StockEntry;
    };
    const CCase cases[] = {{nullptr, 0, false, false}, {&empty, 0, false, false}, {&empty, 1, true, false},
                           {&stocked, 0, false, true}, {&stocked, 2, true, true}, {&stocked, 4, true, true}};
    for (const CCase& c : cases) {
        const CMenuState state = CMenuState::For(c.Data, c.Tab, CStringTables::German);
        EXPECT_EQ(state.PrintEnabled, c.Print) << "tab " << c.Tab;
        EXPECT_EQ(state.StockEntryEnabled, c.StockEntry) << "tab " << c.Tab;
    }
}

TEST(MenuStateTest, OnlyTheLanguageInUseIsChecked)
{
    const auto checks = [](int language) {
        const CMenuState state = CMenuState::For(nullptr, 0, language);
        return std::array<bool, 3>{state.GermanChecked, state.EnglishChecked, state.RomanianChecked};
    };
    EXPECT_EQ(checks(CStringTables::German), (std::array<bool, 3>{true, false, false}));
    EXPECT_EQ(checks(CStringTables::English), (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(checks(CStringTables::Romanian), (std::array<bool, 3>{false, false, true}));
}

} // namespace
