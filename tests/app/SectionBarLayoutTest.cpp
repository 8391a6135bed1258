#include "app/SectionBarLayout.h"

#include <gtest/gtest.h>

namespace {

TEST(SectionBarLayoutTest, ScrollsOnlyWhenTheButtonsDoNotFit)
{
    struct CCase
    {
        int Count, Available, Position;
        CSectionBarLayout Expected; // Height, ScrollBarShown, ContentHeight, PageHeight, Position
    };
    const CCase cases[] = {
        {8, 300, 0, {208, false, 208, 300, 0}},
        {8, 300, 40, {208, false, 208, 300, 0}}, // fits again: the position returns to 0
        {8, 208, 0, {208, false, 208, 208, 0}},  // exactly fits
        {8, 207, 1, {207, true, 208, 207, 1}},
        {30, 100, 5000, {100, true, 780, 100, 680}}, // clamped to content - page
        {30, 100, -3, {100, true, 780, 100, 0}},
        {0, 100, 0, {0, false, 0, 100, 0}},
        {5, -20, 0, {0, true, 130, 0, 0}},
    };
    for (const CCase& c : cases)
        EXPECT_EQ(CSectionBarLayout::Compute(c.Count, c.Available, c.Position), c.Expected)
            << c.Count << " in " << c.Available << " at " << c.Position;
}

TEST(SectionBarLayoutTest, ButtonsMoveUpByThePosition)
{
    const CSectionBarLayout layout = CSectionBarLayout::Compute(30, 100, 27);
    EXPECT_EQ(layout.ButtonTop(0), -27);
    EXPECT_EQ(layout.ButtonTop(1), -1);
    EXPECT_EQ(layout.ButtonTop(2), 25);
    EXPECT_EQ(layout.MaxPosition(), 680);
}

} // namespace
