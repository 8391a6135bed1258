#include "evaluation/EvaluationWindows.h"

#include "resources/StringTables.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<std::string> ChartLabels(const CEvaluationWindows& windows)
{
    std::vector<std::string> labels;
    for (int month = 0; month < windows.GetCount(); ++month)
        labels.push_back(windows.GetChartLabel(month));
    return labels;
}

std::vector<std::string> TableLabels(const CEvaluationWindows& windows)
{
    std::vector<std::string> labels;
    for (int month = 0; month < windows.GetCount(); ++month)
        labels.push_back(windows.GetTableLabel(month));
    return labels;
}

class EvaluationWindows : public testing::Test
{
protected:
    void SetUp() override { CStringTables::SetLanguage(CStringTables::German); }
};

TEST_F(EvaluationWindows, MonthCountTakesOnlyYearsAndMonths)
{
    struct Case
    {
        const char* what;
        CDateTime start, end;
        int count;
    };
    const Case cases[] = {
        {"end day before start day", CDateTime(2009, 3, 20, 18, 0), CDateTime(2009, 3, 5), 1},
        {"across years", CDateTime(2007, 11, 15), CDateTime(2010, 4, 2), 30},
        {"end month before start month", CDateTime(2009, 5, 1), CDateTime(2009, 4, 30), 0},
        {"end year before start year", CDateTime(2009, 5, 1), CDateTime(2007, 4, 30), -24},
        {"invalid start", CDateTime::MakeInvalid(), CDateTime(2009, 4, 30), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CEvaluationWindows::MonthCount(c.start, c.end), c.count);
        EXPECT_EQ(CEvaluationWindows(c.start, c.end).GetCount(), std::max(c.count, 0));
    }
}

TEST_F(EvaluationWindows, FirstWindowStartsAtTheStartAndEachEndsOnTheFirstOfTheNextMonth)
{
    const CDateTime start(2008, 12, 17, 14, 30);
    const CEvaluationWindows windows(start, CDateTime(2009, 2, 3));
    ASSERT_EQ(windows.GetCount(), 3);
    EXPECT_EQ(windows.GetWindowStart(0, true), start);
    EXPECT_EQ(windows.GetEnd(0), CDateTime(2009, 1, 1));
    EXPECT_EQ(windows.GetWindowStart(1, true), CDateTime(2009, 1, 1));
    EXPECT_EQ(windows.GetWindowStart(1, false), start);
    EXPECT_EQ(windows.GetEnd(2), CDateTime(2009, 3, 1)); // whatever the end's day

    struct Case
    {
        CDateTime date;
        int month;
    };
    const Case cases[] = {
        {start, 0},
        {CDateTime(2008, 12, 17, 14, 29, 59), -1},
        {CDateTime(2008, 12, 31, 23, 59, 59), 0},
        {CDateTime(2009, 1, 1), 1}, // midnight on the first belongs to that month only
        {CDateTime(2009, 3, 1), -1},
        {CDateTime::MakeNull(), -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(windows.FindMonth(c.date), c.month) << c.date.GetValue();
        EXPECT_EQ(windows.FindMonth(c.date, 1), c.month) << c.date.GetValue();
    }
}

TEST_F(EvaluationWindows, OneMonthIsLabelledWithoutAYear)
{
    const CEvaluationWindows windows(CDateTime(2009, 3, 5), CDateTime(2009, 3, 20));
    EXPECT_EQ(ChartLabels(windows), std::vector<std::string>{"M\xE4rz"});
    EXPECT_EQ(TableLabels(windows), std::vector<std::string>{"M\xE4rz"});
}

TEST_F(EvaluationWindows, MoreThanTwelveMonthsAddTheYearAndCutTheChartLabel)
{
    const CEvaluationWindows windows(CDateTime(2008, 1, 1), CDateTime(2009, 1, 10));
    const std::vector<std::string> chart = ChartLabels(windows);
    const std::vector<std::string> table = TableLabels(windows);
    ASSERT_EQ(chart.size(), 13u);
    EXPECT_EQ(chart[0], "J 08");
    EXPECT_EQ(chart[1], "F 08");
    EXPECT_EQ(chart[2], "M 08");
    EXPECT_EQ(chart[12], "J 09");
    EXPECT_EQ(table[0], "Jan. 08");
    EXPECT_EQ(table[1], "Feb. 08");
    EXPECT_EQ(table[2], "M\xE4rz 08");
    EXPECT_EQ(table[12], "Jan. 09");
}

TEST_F(EvaluationWindows, MoreThanTwentyMonthsLabelOnlyEveryTenthOfTheChart)
{
    struct Case
    {
        int months;
        int every;
    };
    for (const Case c : {Case{30, 3}, Case{21, 2}, Case{20, 1}, Case{12, 1}}) {
        SCOPED_TRACE(c.months);
        const CDateTime start(2000, 1, 1);
        const CDateTime end(2000 + (c.months - 1) / 12, (c.months - 1) % 12 + 1, 1);
        const CEvaluationWindows windows(start, end);
        ASSERT_EQ(windows.GetCount(), c.months);
        const std::vector<std::string> chart = ChartLabels(windows);
        for (int month = 0; month < c.months; ++month) {
            EXPECT_EQ(chart[month].empty(), month % c.every != 0) << month;
            EXPECT_FALSE(windows.GetTableLabel(month).empty()) << month;
        }
    }
}

} // namespace
