#include "app/MenuState.h"

#include "catalogue/Data.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuStateTest, CommandsAreGreyUntilTheirFeatureAndTheirDataAreThere)
{
    CData empty;
    CData stocked;
    stocked.Ingredients.Append(std::make_unique<CIngredient>(&stocked));
    const CMenuFeatures all{true, true};
    const CMenuFeatures none{};
    struct CCase
    {
        const CData* Data;
        int Tab;
        CMenuFeatures Features;
        bool Print, Lists, StockEntry;
    };
    const CCase cases[] = {
        {nullptr, 0, all, false, true, false},
        {&empty, 0, all, false, true, false},
        {&empty, 1, all, true, true, false},
        {&stocked, 0, all, false, true, true},
        {&stocked, 4, all, true, true, true},
        {&stocked, 2, none, false, false, false},
        {&stocked, 2, {true, false}, true, true, false},
    };
    for (const CCase& c : cases) {
        const CMenuState state = CMenuState::For(c.Data, c.Tab, CStringTables::German, c.Features);
        EXPECT_EQ(state.PrintEnabled, c.Print) << "tab " << c.Tab;
        EXPECT_EQ(state.InventoryListsEnabled, c.Lists) << "tab " << c.Tab;
        EXPECT_EQ(state.StockEntryEnabled, c.StockEntry) << "tab " << c.Tab;
    }
}

} // namespace
