#include "pages/common/GroupSelection.h"

#include "CatalogueFixtures.h"
#include "app/SectionPlan.h"

#include <gtest/gtest.h>

namespace {

// The recipes tab of a catalogue with food groups 0 and 2 and drink group 10 named: sections
// "Alle" 0, "Alle Speisen" 1, group 0 at 2, group 2 at 3, "Alle Getränke" 4, group 10 at 5.
TEST(GroupSelectionTest, SelectedSectionDecidesWhichGroupsAreListed)
{
    CData data;
    NameThreeGroups(data);
    const CSectionPlan plan = CSectionPlan::Groups(data);
    data.GroupSection = plan.GroupSection;

    struct CCase
    {
        int Selected;
        std::vector<int> Listed; // of the groups -1, 0, 1, 2, 9, 10, 11, 19, 25
    };
    const std::vector<int> groups = {-1, 0, 1, 2, 9, 10, 11, 19, 25};
    const CCase cases[] = {
        {0, {-1, 0, 1, 2, 9, 10, 11, 19, 25}},
        {1, {0, 1, 2, 9}},
        {4, {10, 11, 19}},
        {2, {0}},
        {3, {2}},
        {5, {10}},
        {-1, {}},
    };
    for (const CCase& c : cases) {
        CGroupSelection selection = plan.Selectors;
        selection.Selected = c.Selected;
        std::vector<int> listed;
        for (const int group : groups) {
            if (selection.ShowsGroup(group, data))
                listed.push_back(group);
        }
        EXPECT_EQ(listed, c.Listed) << "section " << c.Selected;
    }
}

} // namespace
