#include "evaluation/EvaluationRange.h"

#include "evaluation/EvaluationWindows.h"

#include <gtest/gtest.h>

namespace {

TEST(EvaluationRange, MonthsBeginAtMidnightOnTheFirstAndEndOnTheirLastSecond)
{
    struct Case
    {
        CDateTime Date, First, Last;
    };
    const Case cases[] = {
        {CDateTime(2009, 3, 15, 10, 30, 0), CDateTime(2009, 3, 1), CDateTime(2009, 3, 31, 23, 59, 59)},
        {CDateTime(2008, 2, 29), CDateTime(2008, 2, 1), CDateTime(2008, 2, 29, 23, 59, 59)},
        {CDateTime(2009, 2, 3), CDateTime(2009, 2, 1), CDateTime(2009, 2, 28, 23, 59, 59)},
        {CDateTime(1900, 2, 3), CDateTime(1900, 2, 1), CDateTime(1900, 2, 28, 23, 59, 59)},
        {CDateTime(2000, 2, 3), CDateTime(2000, 2, 1), CDateTime(2000, 2, 29, 23, 59, 59)},
        {CDateTime(2009, 12, 31, 23, 59, 59), CDateTime(2009, 12, 1), CDateTime(2009, 12, 31, 23, 59, 59)},
        {CDateTime(9999, 12, 5), CDateTime(9999, 12, 1), CDateTime(9999, 12, 31, 23, 59, 59)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.Date.GetYear() << "-" << c.Date.GetMonth());
        EXPECT_EQ(CEvaluationRange::FirstOfMonth(c.Date), c.First);
        EXPECT_EQ(CEvaluationRange::LastSecondOfMonth(c.Date), c.Last);
        EXPECT_TRUE(CEvaluationRange::LastSecondOfMonth(c.Date).IsValid());
    }
    EXPECT_FALSE(CEvaluationRange::FirstOfMonth(CDateTime::MakeInvalid()).IsValid());
    EXPECT_FALSE(CEvaluationRange::LastSecondOfMonth(CDateTime::MakeNull()).IsValid());
}

TEST(EvaluationRange, PickedStartTakesItsMonthAndPushesAnEarlierEndToThatMonthsEnd)
{
    CEvaluationRange range(CDateTime(2009, 1, 1), CDateTime(2009, 2, 10, 23, 59, 59));
    ASSERT_TRUE(range.PickStart(CDateTime(2009, 3, 15)));
    EXPECT_EQ(range, CEvaluationRange(CDateTime(2009, 3, 1), CDateTime(2009, 3, 31, 23, 59, 59)));

    range = CEvaluationRange(CDateTime(2009, 1, 1), CDateTime(2009, 8, 10, 23, 59, 59));
    ASSERT_TRUE(range.PickStart(CDateTime(2009, 3, 15)));
    EXPECT_EQ(range, CEvaluationRange(CDateTime(2009, 3, 1), CDateTime(2009, 8, 10, 23, 59, 59)));

    // An end exactly at the new start counts as earlier.
    range = CEvaluationRange(CDateTime(2009, 1, 1), CDateTime(2009, 3, 1));
    range.PickStart(CDateTime(2009, 3, 20));
    EXPECT_EQ(range.End, CDateTime(2009, 3, 31, 23, 59, 59));

    range = CEvaluationRange(CDateTime(2009, 1, 1), CDateTime::MakeInvalid());
    range.PickStart(CDateTime(2009, 6, 2));
    EXPECT_EQ(range.End, CDateTime(2009, 6, 30, 23, 59, 59));
}

TEST(EvaluationRange, PickedEndBeforeTheStartMovesTheStartSoThatOneMonthIsEvaluated)
{
    CEvaluationRange range(CDateTime(2009, 5, 1), CDateTime(2009, 9, 30, 23, 59, 59));
    ASSERT_TRUE(range.PickEnd(CDateTime(2009, 2, 14)));
    EXPECT_EQ(range, CEvaluationRange(CDateTime(2009, 2, 1), CDateTime(2009, 2, 28, 23, 59, 59)));
    EXPECT_EQ(CEvaluationWindows::MonthCount(range.Start, range.End), 1);

    range = CEvaluationRange(CDateTime(2009, 5, 19), CDateTime(2009, 9, 30));
    range.PickEnd(CDateTime(2009, 12, 1));
    EXPECT_EQ(range, CEvaluationRange(CDateTime(2009, 5, 19), CDateTime(2009, 12, 31, 23, 59, 59)));
    EXPECT_EQ(CEvaluationWindows::MonthCount(range.Start, range.End), 8);
}

TEST(EvaluationRange, APickThatIsNotADateChangesNothing)
{
    const CEvaluationRange before(CDateTime(2009, 5, 1), CDateTime(2009, 9, 30, 23, 59, 59));
    CEvaluationRange range = before;
    EXPECT_FALSE(range.PickStart(CDateTime::MakeInvalid()));
    EXPECT_FALSE(range.PickEnd(CDateTime::MakeNull()));
    EXPECT_EQ(range, before);
}

} // namespace
