#include "app/SectionPlan.h"

#include "CatalogueFixtures.h"
#include "app/TabRules.h"
#include "platform/Windows1252.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;

std::vector<std::string> Texts(const CSectionPlan& plan)
{
    std::vector<std::string> texts;
    for (const auto& entry : plan.Entries)
        texts.push_back(entry.Text);
    return texts;
}

std::string Cp1252(const char* utf8)
{
    std::string bytes;
    Utf8ToWindows1252(utf8, bytes);
    return bytes;
}

TEST(SectionPlanTest, GroupSectionsListNamedGroupsWithDrinksAfterTheirSelector)
{
    CData data;
    NameThreeGroups(data);

    const CSectionPlan plan = CSectionPlan::Groups(data);

    EXPECT_THAT(Texts(plan), ElementsAre("Alle", "Alle Speisen", "Vorspeisen", "Hauptgerichte",
                                         Cp1252("Alle Getränke"), "Biere"));
    EXPECT_EQ(plan.Entries[0].Color, CSectionPlan::kAllColor);
    EXPECT_EQ(plan.Entries[1].Color, CSectionPlan::kAllOfKindColor);
    EXPECT_EQ(plan.Entries[4].Color, CSectionPlan::kAllOfKindColor);
    EXPECT_EQ(plan.Entries[2].Color, std::nullopt);
    EXPECT_EQ(plan.Selectors.All, 0);
    EXPECT_EQ(plan.Selectors.AllFood, 1);
    EXPECT_EQ(plan.Selectors.AllDrinks, 4);
    std::array<int, CData::kNbGroups> expected;
    expected.fill(-1);
    expected[0] = 2;
    expected[2] = 3;
    expected[10] = 5;
    EXPECT_EQ(plan.GroupSection, expected);
}

TEST(SectionPlanTest, DrinkSelectorFollowsTheNumberOfFoodGroups)
{
    CData data;
    data.NameGroup.fill("G");
    data.NbFoodGroups = 3;
    const CSectionPlan plan = CSectionPlan::Groups(data);
    EXPECT_EQ(plan.Selectors.AllDrinks, 5);
    EXPECT_EQ(plan.GroupSection[2], 4);
    EXPECT_EQ(plan.GroupSection[3], 6);
    EXPECT_EQ(plan.Entries.size(), 23u);

    data.NbFoodGroups = CData::kNbGroups; // no drink groups at all: no drink selector
    EXPECT_EQ(CSectionPlan::Groups(data).Selectors.AllDrinks, -1);
}

TEST(SectionPlanTest, MasterDataAndEvaluationSectionsInTheirOrder)
{
    EXPECT_THAT(Texts(CSectionPlan::MasterData()),
                ElementsAre("Benutzer", "Speisen-Gruppen", Cp1252("Getränke-Gruppen"),
                            Cp1252("Steuersätze Speisen"), Cp1252("Steuersätze Getränke"),
                            "WE-Quoten Speisen", Cp1252("WE-Quoten Getränke"), Cp1252("Währungen")));
    EXPECT_THAT(
        Texts(CSectionPlan::Evaluation()),
        ElementsAre("Umsatz netto", "Umsatz brutto", "Wareneinsatz", "Wareneinsatzquote", "Deckungsbeitrag"));
    EXPECT_EQ(CSectionPlan::MasterData().Selectors.All, -1);
}

TEST(TabRulesTest, EachTabNeedsTheRecordsOfAllTabsBeforeIt)
{
    struct CCase
    {
        int Ingredients, Recipes, Sales, Tabs;
    };
    const CCase cases[] = {{0, 0, 0, 2}, {0, 1, 1, 2}, {1, 0, 0, 3},
                           {1, 0, 1, 3}, {1, 1, 0, 4}, {1, 1, 1, 5}};
    EXPECT_EQ(CTabRules::TabCount(nullptr), 2);
    for (const CCase& c : cases) {
        CData data;
        AddRecords(data, c.Ingredients, c.Recipes, c.Sales);
        EXPECT_EQ(CTabRules::TabCount(&data), c.Tabs) << c.Ingredients << c.Recipes << c.Sales;
    }
}

} // namespace
