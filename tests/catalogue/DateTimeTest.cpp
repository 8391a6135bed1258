#include "catalogue/DateTime.h"

#include "ManualClock.h"

#include <gtest/gtest.h>

namespace {

struct CParts
{
    int year, month, day, hour, minute, second;
};

CParts PartsOf(const CDateTime& value)
{
    return {value.GetYear(), value.GetMonth(),  value.GetDay(),
            value.GetHour(), value.GetMinute(), value.GetSecond()};
}

void ExpectParts(const CDateTime& value, CParts expected)
{
    const CParts got = PartsOf(value);
    EXPECT_EQ(got.year, expected.year);
    EXPECT_EQ(got.month, expected.month);
    EXPECT_EQ(got.day, expected.day);
    EXPECT_EQ(got.hour, expected.hour);
    EXPECT_EQ(got.minute, expected.minute);
    EXPECT_EQ(got.second, expected.second);
}

TEST(DateTime, CountsDaysFromTheEndOf1899)
{
    EXPECT_EQ(CDateTime(1899, 12, 30).GetValue(), 0.0);
    EXPECT_EQ(CDateTime(1900, 1, 1).GetValue(), 2.0);
    EXPECT_EQ(CDateTime(2009, 5, 19).GetValue(), 39952.0);
    EXPECT_DOUBLE_EQ(CDateTime(2009, 5, 19, 18, 0).GetValue(), 39952.75);
    EXPECT_DOUBLE_EQ(CDateTime(1899, 12, 29, 6, 0).GetValue(), -1.25);
    ExpectParts(CDateTime(-1.25), {1899, 12, 29, 6, 0, 0});
    ExpectParts(CDateTime(39952.75), {2009, 5, 19, 18, 0, 0});
    ExpectParts(CDateTime(2000, 2, 29, 23, 59, 59), {2000, 2, 29, 23, 59, 59});
    ExpectParts(CDateTime(9999, 12, 31, 23, 59, 59), {9999, 12, 31, 23, 59, 59});
    ExpectParts(CDateTime(100, 1, 1), {100, 1, 1, 0, 0, 0});
    ExpectParts(CDateTime(100, 1, 1, 12, 0, 0), {100, 1, 1, 12, 0, 0});
    EXPECT_FALSE(CDateTime(-657435.0).IsValid());
    EXPECT_EQ(CDateTime(2009, 5, 19).GetDayOfWeek(), 3); // a Tuesday
}

TEST(DateTime, RefusesImpossibleComponents)
{
    const CParts cases[] = {
        {2009, 2, 29, 0, 0, 0}, {1900, 2, 29, 0, 0, 0}, {2009, 13, 1, 0, 0, 0}, {2009, 0, 1, 0, 0, 0},
        {2009, 4, 31, 0, 0, 0}, {2009, 1, 1, 24, 0, 0}, {2009, 1, 1, 0, 60, 0}, {2009, 1, 1, 0, 0, 60},
        {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0}, {2009, 1, 0, 0, 0, 0},  {-1, -1, -1, -1, -1, -1},
    };
    for (const CParts& c : cases) {
        const CDateTime value(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_EQ(value.GetStatus(), CDateTime::Invalid) << c.year << "-" << c.month << "-" << c.day;
        ExpectParts(value, {-1, -1, -1, -1, -1, -1});
    }
    EXPECT_FALSE(CDateTime(3e6).IsValid());
    EXPECT_FALSE(CDateTime(std::numeric_limits<double>::quiet_NaN()).IsValid());
    EXPECT_EQ(CDateTime::MakeNull().GetYear(), -1);
    EXPECT_EQ(CDateTime::MakeNull().GetStatus(), CDateTime::Null);
}

TEST(DateTime, ComparesChronologically)
{
    const CDateTime earlyMorning(-1.25); // 29.12.1899 06:00
    const CDateTime midnight(-1.0);      // 29.12.1899 00:00
    EXPECT_LT(midnight, earlyMorning);
    EXPECT_LT(CDateTime(2009, 5, 19), CDateTime(2009, 5, 19, 0, 0, 1));
    EXPECT_EQ(CDateTime(2009, 5, 19, 12, 0), CDateTime(39952.5));
    EXPECT_NE(CDateTime::MakeInvalid(), CDateTime::MakeNull());
    EXPECT_EQ(CDateTime::MakeInvalid(), CDateTime::MakeInvalid());
    EXPECT_FALSE(CDateTime::MakeInvalid() < CDateTime(2009, 1, 1));
    EXPECT_FALSE(CDateTime(2009, 1, 1) < CDateTime::MakeInvalid());
}

TEST(DateTime, ArithmeticWithSpans)
{
    const CDateTime start(2009, 12, 31, 23, 0, 0);
    ExpectParts(start + CDateTimeSpan(0, 2, 0, 0), {2010, 1, 1, 1, 0, 0});
    ExpectParts(start - CDateTimeSpan(365, 0, 0, 0), {2008, 12, 31, 23, 0, 0});
    ExpectParts(CDateTime(1900, 1, 1) - CDateTimeSpan(3, 0, 0, 0) + CDateTimeSpan(0, 6, 0, 0),
                {1899, 12, 29, 6, 0, 0});
    EXPECT_DOUBLE_EQ((CDateTime(2009, 5, 20) - CDateTime(2009, 5, 19, 12, 0)).GetTotalSeconds(), 43200.0);
    EXPECT_DOUBLE_EQ(CDateTimeSpan(1, 1, 1, 1).GetTotalSeconds(), 90061.0);
    EXPECT_FALSE((CDateTime(9999, 12, 31) + CDateTimeSpan(1.0)).IsValid());
    EXPECT_FALSE((CDateTime::MakeInvalid() + CDateTimeSpan(1.0)).IsValid());
}

TEST(DateTime, NowComesFromTheClock)
{
    CManualClock clock(CLocalTime{2009, 5, 19, 14, 30, 5});
    ExpectParts(CDateTime::Now(clock), {2009, 5, 19, 14, 30, 5});
    clock.SetLocalNow(CLocalTime{2010, 2, 30, 0, 0, 0});
    EXPECT_FALSE(CDateTime::Now(clock).IsValid());
}

} // namespace
