#include "pages/masterdata/MasterDataRules.h"

#include "RuleTestSupport.h"
#include "pages/common/MessageText.h"

#include <gtest/gtest.h>

// A name of a group that recipes use is kept when emptied; any other change goes through. A
// group that has no name and holds recipes is no emptied name (the window says nothing then).
TEST(MasterDataRules, StoreGroupNameKeepsOnlyANeededNameFromBeingEmptied)
{
    CData data;
    data.SetDefaults();
    AddRecipe(data, "Suppe", 2);
    AddRecipe(data, "Sorbet", 9); // group 9 has no name by default
    const struct
    {
        int group;
        const char* name;
        bool stored;
        const char* held;
    } cases[] = {
        {2, "", false, nullptr},                 // recipes in group 2: kept
        {2, "Eint\xF6pfe", true, "Eint\xF6pfe"}, // renaming is fine
        {3, "", true, ""},                       // no recipe in group 3
        {12, "", true, ""},                      // a drink group without recipes
        {9, "", true, ""},                       // already without a name: nothing is emptied
    };
    for (const auto& c : cases) {
        const std::string before = data.NameGroup[c.group];
        EXPECT_EQ(MasterDataRules::StoreGroupName(data, c.group, c.name), c.stored) << c.group << c.name;
        EXPECT_EQ(data.NameGroup[c.group], c.held ? std::string(c.held) : before) << c.group;
    }
}

TEST(MasterDataRules, RowLabelsAndFirstGroups)
{
    CData data;
    data.SetDefaults();
    data.NameGroup[10] = "Bier";
    data.NameGroup[11] = "";
    EXPECT_EQ(MasterDataRules::RowLabel(data, 10), "Bier :");
    EXPECT_EQ(MasterDataRules::RowLabel(data, 11), "");
    EXPECT_EQ(MasterDataRules::RowLabel(data, 25), "");
    EXPECT_EQ(MasterDataRules::FirstGroup(data, false), 0);
    EXPECT_EQ(MasterDataRules::FirstGroup(data, true), 10);
}

TEST(MasterDataRules, FactorLabelAndNamedMessages)
{
    EXPECT_EQ(MasterDataRules::FactorLabel("EUR"), "1 EUR = ");
    EXPECT_EQ(MasterDataRules::FactorLabel(""), "1  = ");
    EXPECT_EQ(MessageText::ReplaceAll("xyz und xyz", "xyz", "xyz!"), "xyz! und xyz!");
    EXPECT_EQ(MessageText::WithName(186, "Mehl"),
              "Wollen Sie die Zutat 'Mehl' wirklich l\xF6schen? (Kann nicht r\xFC"
              "ckg\xE4ngig gemacht werden)");
}
