#include "pages/common/GroupMenuTable.h"

#include "RuleTestSupport.h"

#include <gtest/gtest.h>

namespace {

using CEntry = CGroupMenuTable::CEntry;

const CRing<CIngredient>& WithGroups(CData& data, std::initializer_list<const char*> groups)
{
    for (const char* group : groups)
        AddIngredient(data, "Zutat", group, "kg", 1, 1);
    return data.Ingredients;
}

} // namespace

// The menu lists the names from the top in descending order; the ids count up from the
// smallest name.
TEST(GroupMenuTable, NamesDescendFromTheTopWithIdsCountingUpFromTheSmallest)
{
    CData data;
    CGroupMenuTable table;
    table.Rebuild(WithGroups(data, {"Obst", "Brot", "", "Obst"}));
    EXPECT_EQ(table.MenuEntries(), (std::vector<CEntry>{{"Obst", 40128}, {"Brot", 40127}}));
    EXPECT_EQ(table.NameOf(40128), "Obst");
    EXPECT_EQ(table.NameOf(CGroupMenuTable::kAllCommand), "");
}

// Capitals decide the order (ä as Ä, after every plain letter); exact texts stay apart.
TEST(GroupMenuTable, OrderFollowsTheCapitals)
{
    CData data;
    CGroupMenuTable table;
    table.Rebuild(WithGroups(data, {"obst", "\xE4pfel", "Zitrus", "Brot", "brot"}));
    std::vector<std::string> names;
    for (const CEntry& entry : table.MenuEntries())
        names.push_back(entry.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"\xE4pfel", "Zitrus", "obst", "brot", "Brot"}));
}

// The selection dialog keeps slot 0 for "Rezepturzutat": the lowest name above the separator.
TEST(GroupMenuTable, AReservedFirstSlotIsTheLastEntry)
{
    CData data;
    CGroupMenuTable table("Rezepturzutat");
    table.Rebuild(WithGroups(data, {"Brot", "Aal"}));
    EXPECT_EQ(table.MenuEntries(),
              (std::vector<CEntry>{{"Brot", 40129}, {"Aal", 40128}, {"Rezepturzutat", 40127}}));
}

// An ingredient group called "Rezepturzutat" is no second entry of that name: its filter shows
// the ingredient recipes and those ingredients together.
TEST(GroupMenuTable, AGroupNamedLikeTheReservedSlotIsListedOnce)
{
    CData data;
    CGroupMenuTable table("Rezepturzutat");
    table.Rebuild(WithGroups(data, {"Rezepturzutat", "Brot", "Rezepturzutat"}));
    EXPECT_EQ(table.MenuEntries(), (std::vector<CEntry>{{"Brot", 40128}, {"Rezepturzutat", 40127}}));
}

// A full table keeps the 100 (or 99 beside a reserved slot) smallest names.
TEST(GroupMenuTable, AFullTableDropsTheLargestNames)
{
    CData data;
    for (int group = 0; group < 120; ++group)
        AddIngredient(data, "Zutat", "G" + std::to_string(1000 + group), "kg", 1, 1);
    CGroupMenuTable plain;
    plain.Rebuild(data.Ingredients);
    ASSERT_EQ(plain.MenuEntries().size(), 100u);
    EXPECT_EQ(plain.MenuEntries().front().Name, "G1099");
    CGroupMenuTable reserved("Rezepturzutat");
    reserved.Rebuild(data.Ingredients);
    ASSERT_EQ(reserved.MenuEntries().size(), 100u);
    EXPECT_EQ(reserved.MenuEntries().front().Name, "G1098");
    EXPECT_EQ(reserved.MenuEntries().front().Command, 40226);
}
