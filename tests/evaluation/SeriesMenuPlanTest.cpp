#include "evaluation/SeriesMenuPlan.h"

#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>

namespace {

using CFlags = CSeriesMenuPlan::CFlags;
using EToggle = CSeriesMenuPlan::EToggle;

class SeriesMenuPlan : public testing::Test
{
protected:
    void SetUp() override
    {
        CStringTables::SetLanguage(CStringTables::German);
        const char* names[CData::kNbGroups] = {"Suppen", "Salate", "Fisch", "", "Desserts", "", "", "", "",
                                               "",       "Bier",   "Wein",  "", "Saft",     "", "", "", "",
                                               "",       "Kaffee"};
        for (int group = 0; group < CData::kNbGroups; ++group)
            data.NameGroup[group] = names[group];
    }
    CData data;
};

TEST_F(SeriesMenuPlan, ListsNamedGroupsWithConsecutiveCommandsAndAllDrinksBeforeTheFirstDrinkGroup)
{
    CFlags flags = CSeriesMenuPlan::DefaultFlags();
    flags[CData::SeriesAllFood] = false;
    flags[11] = true;
    const CSeriesMenuPlan plan(data, flags);
    const std::vector<CSeriesMenuPlan::CEntry> expected = {
        {40018, CData::SeriesAll, "Alle", true},
        {40019, CData::SeriesAllFood, "Alle Speisen", false},
        {40020, 0, "Suppen", false},
        {40021, 1, "Salate", false},
        {40022, 2, "Fisch", false},
        {40023, 4, "Desserts", false}, // group 3 has no name: no entry, no gap
        {40024, CData::SeriesAllDrinks, "Alle Getr\xE4nke", true},
        {40025, 10, "Bier", false},
        {40026, 11, "Wein", true},
        {40027, 13, "Saft", false},
        {40028, 19, "Kaffee", false},
    };
    EXPECT_EQ(plan.GetEntries(), expected);
    EXPECT_EQ(plan.SelectorOf(40023), 4u);
    EXPECT_EQ(plan.SelectorOf(40024), unsigned{CData::SeriesAllDrinks});
    EXPECT_FALSE(plan.SelectorOf(40029));
    EXPECT_FALSE(plan.SelectorOf(40118));
}

TEST_F(SeriesMenuPlan, AllDrinksFollowsTheNumberOfFoodGroups)
{
    data.NbFoodGroups = 2;
    const CSeriesMenuPlan plan(data, CSeriesMenuPlan::DefaultFlags());
    ASSERT_GE(plan.GetEntries().size(), 5u);
    EXPECT_EQ(plan.GetEntries()[4].Selector, unsigned{CData::SeriesAllDrinks});
    EXPECT_EQ(plan.GetEntries()[5].Selector, 2u);
}

TEST(SeriesToggle, AtMostEightAndAtLeastOneSeriesAreShown)
{
    CFlags flags = CSeriesMenuPlan::DefaultFlags();
    for (unsigned group : {0u, 1u, 2u, 4u, 10u})
        EXPECT_EQ(CSeriesMenuPlan::Toggle(flags, group), EToggle::Switched) << group;
    const CFlags eight = flags;
    EXPECT_EQ(CSeriesMenuPlan::Toggle(flags, 11), EToggle::RefusedMaximum);
    EXPECT_EQ(flags, eight);
    EXPECT_EQ(CSeriesMenuPlan::RefusalMessage(EToggle::RefusedMaximum), StringId::kTooManySeries);
    // Switching one off makes room again.
    EXPECT_EQ(CSeriesMenuPlan::Toggle(flags, 0), EToggle::Switched);
    EXPECT_EQ(CSeriesMenuPlan::Toggle(flags, 11), EToggle::Switched);
    EXPECT_TRUE(flags[11]);
    EXPECT_FALSE(flags[0]);

    CFlags one{};
    one[CData::SeriesAllFood] = true;
    EXPECT_EQ(CSeriesMenuPlan::Toggle(one, CData::SeriesAllFood), EToggle::RefusedMinimum);
    EXPECT_TRUE(one[CData::SeriesAllFood]);
    EXPECT_EQ(CSeriesMenuPlan::RefusalMessage(EToggle::RefusedMinimum), StringId::kNoSeriesLeft);
    EXPECT_EQ(CSeriesMenuPlan::Toggle(one, 3), EToggle::Switched);
    EXPECT_EQ(CSeriesMenuPlan::Toggle(one, CData::SeriesAllFood), EToggle::Switched);
    EXPECT_EQ(CSeriesMenuPlan::Toggle(one, CData::NbSeries), EToggle::Unknown);
    EXPECT_EQ(CSeriesMenuPlan::RefusalMessage(EToggle::Switched), 0);
}

} // namespace
