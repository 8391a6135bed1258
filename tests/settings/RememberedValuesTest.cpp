#include "settings/RememberedValues.h"

#include "ManualClock.h"
#include "MemoryProfileStore.h"

#include <gtest/gtest.h>

namespace {

class CRememberedValuesTest : public testing::Test
{
protected:
    CMemoryProfileStore m_store;
    CManualClock m_clock{{2009, 5, 19, 14, 3, 7}};
    CRememberedValues m_values{m_store, m_clock};
};

TEST_F(CRememberedValuesTest, LanguageIsComparedExactlyAndCorrected)
{
    const struct
    {
        const char* Stored; // nullptr: missing
        int Expected;
        const char* StoredAfter;
    } cases[] = {
        {"German (Germany)", 1031, "German (Germany)"},
        {"English (U.S.)", 1033, "English (U.S.)"},
        {"Romanian", 1048, "Romanian"},
        {"english (u.s.)", 1031, "German (Germany)"},
        {"Romanian ", 1031, "German (Germany)"},
        {"", 1031, "German (Germany)"},
        {nullptr, 1031, "German (Germany)"},
    };
    for (const auto& c : cases) {
        m_store.Remove("", "Language");
        if (c.Stored)
            m_store.WriteString("", "Language", c.Stored);
        EXPECT_EQ(m_values.ReadLanguage(), c.Expected) << (c.Stored ? c.Stored : "(missing)");
        EXPECT_EQ(m_store.GetString("", "Language"), c.StoredAfter);
    }
    EXPECT_TRUE(m_values.WriteLanguage(CRememberedValues::kEnglish));
    EXPECT_EQ(m_store.GetString("", "Language"), "English (U.S.)");
    EXPECT_FALSE(m_values.WriteLanguage(1036));
    EXPECT_EQ(m_store.GetString("", "Language"), "English (U.S.)");
}

TEST_F(CRememberedValuesTest, DataPathRoundTrips)
{
    EXPECT_EQ(m_values.ReadDataPath(), "");
    EXPECT_TRUE(m_values.WriteDataPath("/home/m\xFCller/Kostenkoch.xml"));
    EXPECT_EQ(m_values.ReadDataPath(), "/home/m\xFCller/Kostenkoch.xml");
}

TEST_F(CRememberedValuesTest, ChartNumbersAreReadLikeAtoiAndClamped)
{
    const struct
    {
        const char* Entry;
        const char* Stored; // nullptr: missing
        int Expected;
    } cases[] = {
        {"ChartActive", "7", 4},       {"ChartActive", nullptr, 3}, {"ChartActive", " 2 = cost", 2},
        {"ChartActive", "-1", 0},      {"ChartActive", "", 0},      {"ShowActive", "-3", 0},
        {"ShowActive", nullptr, 0},    {"ShowActive", "1", 1},      {"ChartPerMonth", "abc", 0},
        {"ChartPerMonth", nullptr, 1}, {"ChartOriginal", "5", 1},   {"ChartOriginal", nullptr, 1},
    };
    for (const auto& c : cases) {
        m_store.Remove("Chart", c.Entry);
        if (c.Stored)
            m_store.WriteString("Chart", c.Entry, c.Stored);
        const CChartSettings chart = m_values.ReadChart();
        const std::string entry = c.Entry;
        const int read = entry == "ChartActive"     ? static_cast<int>(chart.ChartActive)
                         : entry == "ShowActive"    ? static_cast<int>(chart.ShowActive)
                         : entry == "ChartPerMonth" ? int{chart.ChartPerMonth}
                                                    : int{chart.ChartOriginal};
        EXPECT_EQ(read, c.Expected) << c.Entry << " = " << (c.Stored ? c.Stored : "(missing)");
    }
}

TEST_F(CRememberedValuesTest, DatesNeedThreeNumbersFormingAValidDate)
{
    const CDateTime defaultStart(2008, 5, 19, 0, 0, 0);
    const struct
    {
        const char* Stored; // nullptr: missing
        CDateTime Expected;
    } cases[] = {
        {"2009,05,01", CDateTime(2009, 5, 1)},
        {"2009,5,1", CDateTime(2009, 5, 1)},
        {"2009, 5, 1", CDateTime(2009, 5, 1)},
        {"2009,05,01 trailing", CDateTime(2009, 5, 1)},
        {"2009,05", defaultStart},
        {"2009 ,05,01", defaultStart},
        {"2009,02,30", defaultStart},
        {"Invalid DateTime", defaultStart},
        {"", defaultStart},
        {nullptr, defaultStart},
    };
    for (const auto& c : cases) {
        m_store.Remove("Chart", "Start");
        if (c.Stored)
            m_store.WriteString("Chart", "Start", c.Stored);
        EXPECT_EQ(m_values.ReadChart().Start, c.Expected) << (c.Stored ? c.Stored : "(missing)");
    }
}

TEST_F(CRememberedValuesTest, DefaultRangeEndsTodayAndStartsAYearBefore)
{
    CChartSettings chart = m_values.ReadChart();
    EXPECT_EQ(chart.Start, CDateTime(2008, 5, 19, 0, 0, 0));
    EXPECT_EQ(chart.End, CDateTime(2009, 5, 19, 23, 59, 59));

    m_clock.SetLocalNow({2008, 2, 29, 8, 0, 0});
    chart = m_values.ReadChart();
    EXPECT_EQ(chart.Start, CDateTime(2007, 2, 28, 0, 0, 0));
    EXPECT_EQ(chart.End, CDateTime(2008, 2, 29, 23, 59, 59));

    m_store.WriteString("Chart", "End", "2008,03,01");
    EXPECT_EQ(m_values.ReadChart().End, CDateTime(2008, 3, 1, 23, 59, 59));
}

TEST_F(CRememberedValuesTest, ChartIsWrittenAndReadBack)
{
    CChartSettings chart;
    chart.ShowActive = EChartDisplay::Table;
    chart.ChartActive = EMeasure::NetRevenue;
    chart.ChartPerMonth = false;
    chart.ChartOriginal = false;
    chart.Start = CDateTime(2009, 1, 2, 15, 30, 0);
    chart.End = CDateTime::MakeInvalid();
    EXPECT_TRUE(m_values.WriteChart(chart));

    EXPECT_EQ(m_store.GetString("Chart", "ShowActive"), "1");
    EXPECT_EQ(m_store.GetString("Chart", "ChartActive"), "0");
    EXPECT_EQ(m_store.GetString("Chart", "Start"), "2009,01,02");
    EXPECT_EQ(m_store.GetString("Chart", "End"), "Invalid DateTime");

    const CChartSettings read = m_values.ReadChart();
    EXPECT_EQ(read.ShowActive, EChartDisplay::Table);
    EXPECT_EQ(read.ChartActive, EMeasure::NetRevenue);
    EXPECT_FALSE(read.ChartPerMonth);
    EXPECT_FALSE(read.ChartOriginal);
    EXPECT_EQ(read.Start, CDateTime(2009, 1, 2, 0, 0, 0));
    EXPECT_EQ(read.End, CDateTime(2009, 5, 19, 23, 59, 59));

    chart.Start = CDateTime(812, 3, 4);
    chart.End = CDateTime::MakeNull();
    m_values.WriteChart(chart);
    EXPECT_EQ(m_store.GetString("Chart", "Start"), "0812,03,04");
    EXPECT_EQ(m_store.GetString("Chart", "End"), "Invalid DateTime");
    EXPECT_EQ(m_values.ReadChart().Start, CDateTime(812, 3, 4));
}

TEST_F(CRememberedValuesTest, WindowPlacementRoundTripsWithMaximisedFlag)
{
    CWindowPlacement placement;
    placement.Flags = 7; // replaced by the maximised state
    placement.ShowCmd = CWindowPlacement::kShowMaximized;
    placement.MinPosition = {-1, -1};
    placement.MaxPosition = {-8, -8};
    placement.NormalPosition = {10, 20, 810, -620};

    EXPECT_TRUE(m_values.WriteWindowPlacement(placement, true));
    EXPECT_EQ(m_store.GetString("MainWindow", "WindowPos"), "2,3,-1,-1,-8,-8,10,20,810,-620");
    placement.Flags = CWindowPlacement::kRestoreToMaximized;
    EXPECT_EQ(m_values.ReadWindowPlacement(), placement);

    placement.ShowCmd = CWindowPlacement::kShowNormal;
    m_values.WriteWindowPlacement(placement, false);
    EXPECT_EQ(m_store.GetString("MainWindow", "WindowPos"), "0,1,-1,-1,-8,-8,10,20,810,-620");
}

TEST_F(CRememberedValuesTest, WindowPlacementNeedsAllTenNumbersAndNeverRestoresMinimised)
{
    EXPECT_FALSE(m_values.ReadWindowPlacement());

    m_store.WriteString("MainWindow", "WindowPos", "0,2,-32000,-32000,-1,-1,100,100,900,700");
    const std::optional<CWindowPlacement> restored = m_values.ReadWindowPlacement();
    ASSERT_TRUE(restored);
    EXPECT_EQ(restored->ShowCmd, CWindowPlacement::kShowNormal);
    EXPECT_EQ(restored->NormalPosition, (CWindowPlacement::CRect{100, 100, 900, 700}));

    for (const char* broken : {"0,1,-1,-1,-1,-1,100,100,900", "0,1,-1,-1,-1,-1,100,100,900,", "", "maximised",
                               "0;1;-1;-1;-1;-1;100;100;900;700"}) {
        m_store.WriteString("MainWindow", "WindowPos", broken);
        EXPECT_FALSE(m_values.ReadWindowPlacement()) << broken;
    }
}

} // namespace
