#include "settings/LogFile.h"

#include "ManualClock.h"
#include "RecordingMessageService.h"
#include "TempDir.h"
#include "WindowsSkip.h"
#include "platform/IniFile.h"
#include "platform/PathText.h"
#include "platform/PlatformPaths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

const CLocalTime kMay19{2009, 5, 19, 14, 3, 7};

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

size_t CountEntries(const std::string& text)
{
    size_t count = text.empty() ? 0 : 1;
    for (size_t pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n", pos + 2))
        ++count;
    return count;
}

class CLogFileTest : public testing::Test
{
protected:
    // Configures the log from a "Logfile" section holding the given lines; the log file
    // lies in the test's directory unless the lines name one.
    void Configure(const std::string& lines)
    {
        const std::string text = "[Logfile]\r\nFilename=" + m_logPath.string() + "\r\n" + lines;
        m_log.Configure(CIniFile::FromText(text), "Logfile");
    }

    std::string Log() const { return ReadFile(m_logPath); }

    void WriteEntries(int count, const char* label)
    {
        for (int i = 0; i < count; ++i) {
            char text[64];
            std::snprintf(text, sizeof text, "%s %04d with some text to fill the line", label, i);
            m_log.Write(text);
        }
    }

    CTempDir m_dir;
    std::filesystem::path m_logPath = m_dir.Path() / "kostenkoch.log";
    CManualClock m_clock{kMay19};
    CRecordingMessageService m_messages;
    CLogFile m_log{m_clock, m_messages};
};

// ---- configuration ----

struct CLimitCase
{
    const char* Name;
    const char* Lines;
    int32_t MaxSize;
    int32_t MinSize;
};

void PrintTo(const CLimitCase& c, std::ostream* os)
{
    *os << c.Name;
}

class CLogFileLimits : public CLogFileTest, public testing::WithParamInterface<CLimitCase>
{};

TEST_P(CLogFileLimits, NormalisesSizeLimits)
{
    Configure(GetParam().Lines);
    EXPECT_EQ(m_log.GetMaxSize(), GetParam().MaxSize);
    EXPECT_EQ(m_log.GetMinSize(), GetParam().MinSize);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CLogFileLimits,
    testing::Values(
        CLimitCase{"Max5000Min2000", "CheckSize=TRUE\r\nMaxSize=5000\r\nMinSize=2000\r\n", 8192, 4096},
        CLimitCase{"MissingMinimumSwitchesOff", "CheckSize=TRUE\r\nMaxSize=2000000\r\nMinSize=-1\r\n", -1,
                   -1},
        CLimitCase{"MissingMaximumSwitchesOff", "CheckSize=TRUE\r\nMaxSize=-1\r\nMinSize=5000\r\n", -1, -1},
        CLimitCase{"NoLimitsGiven", "CheckSize=TRUE\r\n", -1, -1},
        CLimitCase{"WithinRange", "CheckSize=true\r\nMaxSize=20000\r\nMinSize=10000\r\n", 20000, 10000},
        CLimitCase{"MaximumRaisedAboveMinimum", "CheckSize=TRUE\r\nMaxSize=12000\r\nMinSize=10000\r\n", 14096,
                   10000},
        CLimitCase{"ClampedAtTheTop", "CheckSize=TRUE\r\nMaxSize=2000000\r\nMinSize=2000000\r\n", 0x100000,
                   0xFF000},
        CLimitCase{"ZeroLimits", "CheckSize=TRUE\r\nMaxSize=0\r\nMinSize=0\r\n", 8192, 4096},
        CLimitCase{"NegativeLimits", "CheckSize=TRUE\r\nMaxSize=-7\r\nMinSize=-5\r\n", 8192, 4096},
        CLimitCase{"LeadingDigitsOnly", "CheckSize=TRUE\r\nMaxSize=abc\r\nMinSize=6000 bytes\r\n", 10096,
                   6000},
        CLimitCase{"SizeCheckOff", "CheckSize=FALSE\r\nMaxSize=20000\r\nMinSize=10000\r\n", -1, -1}),
    [](const testing::TestParamInfo<CLimitCase>& info) { return std::string(info.param.Name); });

TEST_F(CLogFileTest, ConfigureReadsSwitchesAndAgeLimit)
{
    Configure("Active= true \r\nCheckTime=TRUE\r\nTimeSpanDays=1\r\nTimeSpanHours=2\r\n"
              "TimeSpanMinutes=3\r\nTimeSpanSeconds=4\r\n");
    EXPECT_TRUE(m_log.IsActive());
    EXPECT_TRUE(m_log.IsAgeCheckOn());
    EXPECT_FALSE(m_log.IsSizeCheckOn());
    EXPECT_EQ(m_log.GetTimeSpan(), CDateTimeSpan(1, 2, 3, 4));

    Configure("Active=yes\r\n");
    EXPECT_FALSE(m_log.IsActive());

    m_log.Configure(CIniFile::FromText("[Logfile]\r\nFilename=\r\nActive=TRUE\r\n"), "Logfile");
    EXPECT_FALSE(m_log.IsActive());
    EXPECT_EQ(m_log.GetFileName(), "");
}

TEST_F(CLogFileTest, BareSettingsNameIsFoundInTheConfigDirectory)
{
    KK_SKIP_ON_WINDOWS("a bare settings name lies in the Windows directory there (CPlatformPaths tests)");
    const std::filesystem::path config = std::getenv("XDG_CONFIG_HOME");
    WriteFile(config / "Kostenkoch.ini",
              "[LOGFILE]\r\nfilename = \"" + m_logPath.string() + "\"\r\nActive=TRUE\r\n");
    m_log.Configure("Kostenkoch.ini", "Logfile");
    EXPECT_EQ(m_log.GetFileName(), m_logPath.string());
    EXPECT_TRUE(m_log.IsActive());
    std::filesystem::remove(config / "Kostenkoch.ini");
}

// ---- entries ----

// The log file's name is Windows-1252 text like every path of the core: "Küche.log" names the
// letter ü on the disk, in the system's own encoding, never the raw byte or the ANSI code page.
TEST_F(CLogFileTest, LogFileNameWithUmlautNamesTheLetter)
{
    const std::string name = CPathText::Join(CPlatformPaths::ToText(m_dir.Path()), "K\xFC"
                                                                                   "che.log");
    m_log.Configure(CIniFile::FromText("[Logfile]\r\nFilename=" + name + "\r\nActive=TRUE\r\n"), "Logfile");
    m_log.Write("Eintrag");
    EXPECT_EQ(m_log.GetFileName(), name);
    EXPECT_TRUE(ReadFile(m_dir.Path() / std::filesystem::path(u8"Küche.log")).ends_with("Eintrag"));
}

TEST_F(CLogFileTest, FirstEntryHasNoLineBreakAndLaterOnesStartOnANewLine)
{
    Configure("Active=TRUE\r\n");
    m_clock.SetLocalNow({2009, 2, 1, 3, 4, 5});
    m_log.Write("CData::ReadFromXML() -> OK");
    m_log.Write("");
    m_clock.SetLocalNow({2010, 12, 31, 23, 59, 59});
    m_log.Write("second");
    EXPECT_EQ(Log(), "01.02.2009 03:04:05 : CData::ReadFromXML() -> OK\r\n31.12.2010 23:59:59 : second");
    EXPECT_TRUE(m_messages.GetMessages().empty());
}

TEST_F(CLogFileTest, FileIsOpenedAfreshForEveryEntry)
{
    Configure("Active=TRUE\r\n");
    m_log.Write("one");
    std::ofstream(m_logPath, std::ios::binary | std::ios::app) << "\r\nread by another program";
    m_log.Write("two");
    EXPECT_EQ(Log(), "19.05.2009 14:03:07 : one\r\nread by another program\r\n19.05.2009 14:03:07 : two");

    std::filesystem::remove(m_logPath);
    m_log.Write("three");
    EXPECT_EQ(Log(), "19.05.2009 14:03:07 : three");
}

TEST_F(CLogFileTest, InactiveLogWritesNothing)
{
    Configure("Active=FALSE\r\n");
    m_log.Write("text");
    EXPECT_FALSE(std::filesystem::exists(m_logPath));
}

TEST_F(CLogFileTest, UnopenableLogWarnsOnceAndFallsSilent)
{
    m_logPath = m_dir.Path() / "no such directory" / "kostenkoch.log";
    Configure("Active=TRUE\r\n");
    m_log.Write("first");
    m_log.Write("second");

    const std::vector<CRecordingMessageService::CShownMessage> expected = {{CLogFile::kOpenFailedText, ""}};
    EXPECT_EQ(m_messages.GetMessages(), expected);
    EXPECT_FALSE(m_log.IsActive());
    EXPECT_FALSE(std::filesystem::exists(m_logPath));
}

// ---- size cut ----

TEST_F(CLogFileTest, SizeCutRunsOnEvery1001stEntry)
{
    Configure("Active=TRUE\r\nCheckSize=TRUE\r\nMaxSize=5000\r\nMinSize=2000\r\n"); // 8192 / 4096
    WriteEntries(1000, "a");
    const std::string uncut = Log();
    ASSERT_GT(uncut.size(), 8192u);
    EXPECT_EQ(CountEntries(uncut), 1000u);

    m_log.Write("a 1000");
    std::string cut = Log();
    EXPECT_LE(cut.size(), 4096u);
    EXPECT_GT(cut.size(), 4000u);
    EXPECT_TRUE(cut.starts_with("19.05.2009 14:03:07 : a ")) << cut.substr(0, 40);
    EXPECT_TRUE(cut.ends_with("\r\n19.05.2009 14:03:07 : a 1000"));
    EXPECT_TRUE((uncut + "\r\n19.05.2009 14:03:07 : a 1000").ends_with(cut));

    WriteEntries(1000, "b");
    EXPECT_GT(Log().size(), 8192u);
    m_log.Write("b 1000");
    cut = Log();
    EXPECT_LE(cut.size(), 4096u);
    EXPECT_TRUE(cut.starts_with("19.05.2009 14:03:07 : b ")) << cut.substr(0, 40);
}

TEST_F(CLogFileTest, SizeCutKeepsAnEntryLongerThanTheMinimumWhole)
{
    Configure("Active=TRUE\r\nCheckSize=TRUE\r\nMaxSize=8192\r\nMinSize=4096\r\n");
    WriteEntries(1000, "a");
    const std::string longText(6000, 'x');
    m_log.Write(longText);
    EXPECT_EQ(Log(), "19.05.2009 14:03:07 : " + longText);
}

TEST_F(CLogFileTest, SizeCheckIsOffWithoutBothLimits)
{
    Configure("Active=TRUE\r\nCheckSize=TRUE\r\nMaxSize=2000000\r\nMinSize=-1\r\n");
    WriteEntries(1001, "a");
    EXPECT_EQ(CountEntries(Log()), 1001u);
}

TEST(CLogFileCuts, SizeCutStart)
{
    const struct
    {
        const char* Text;
        size_t MinSize;
        size_t Expected;
    } cases[] = {
        {"", 4096, 0},
        {"abc\r\ndef\r\nghi", 5, 10},            // after the first line feed in "\nghi"
        {"abc\r\ndef\r\nghi", 4, 10},            // "\nghi" is the tail itself
        {"abc\r\ndef\r\nghijklmnop", 4, 10},     // no line feed in the tail: the last line whole
        {"one long line without a break", 4, 0}, // nothing to cut at
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLogFile::SizeCutStart(c.Text, c.MinSize), c.Expected) << c.Text << " / " << c.MinSize;
}

// ---- age cut ----

struct CAgeCase
{
    const char* Name;
    const char* Limit;
    bool KeepsUnstampedFront;
    size_t Entries; // after the cut
};

void PrintTo(const CAgeCase& c, std::ostream* os)
{
    *os << c.Name;
}

class CLogFileAge : public CLogFileTest, public testing::WithParamInterface<CAgeCase>
{};

// 500 entries on 10.05., then 501 two days later; the cut comes with the 1001st entry.
TEST_P(CLogFileAge, AgeCutRunsOnThe1001stEntry)
{
    const std::string unstamped = "written by hand\r\n  another line\r\n";
    WriteFile(m_logPath, unstamped + "03.01.2001 10:00:00 : very old");
    Configure(std::string("Active=TRUE\r\nCheckTime=TRUE\r\n") + GetParam().Limit);

    m_clock.SetLocalNow({2009, 5, 10, 12, 0, 0});
    WriteEntries(500, "old");
    m_clock.SetLocalNow({2009, 5, 12, 12, 0, 0});
    WriteEntries(500, "new");
    EXPECT_TRUE(Log().starts_with(unstamped));

    m_log.Write("last");
    const std::string log = Log();
    EXPECT_EQ(log.starts_with(unstamped), GetParam().KeepsUnstampedFront);
    EXPECT_EQ(CountEntries(log), GetParam().Entries);
    EXPECT_TRUE(log.ends_with("12.05.2009 12:00:00 : last"));
}

INSTANTIATE_TEST_SUITE_P(
    Limits, CLogFileAge,
    testing::Values(CAgeCase{"OneDay", "TimeSpanDays=1\r\n", false, 501},
                    CAgeCase{"ExactlyTwoDaysKeepsTheOldDay", "TimeSpanDays=2\r\n", false, 1001},
                    CAgeCase{"PartsAddUp", "TimeSpanHours=47\r\nTimeSpanMinutes=59\r\nTimeSpanSeconds=61\r\n",
                             false, 1001},
                    CAgeCase{"JustUnderTwoDays",
                             "TimeSpanHours=47\r\nTimeSpanMinutes=59\r\nTimeSpanSeconds=59\r\n", false, 501},
                    CAgeCase{"ZeroIsOff", "", true, 1004},
                    CAgeCase{"NegativeIsOff", "TimeSpanDays=-1\r\n", true, 1004}),
    [](const testing::TestParamInfo<CAgeCase>& info) { return std::string(info.param.Name); });

TEST(CLogFileCuts, ExpiredLength)
{
    const CDateTime cutoff(2009, 5, 19, 10, 0, 0);
    const struct
    {
        const char* Text;
        size_t Expected;
    } cases[] = {
        {"", 0},
        {"no stamp and no line feed", 25},
        {"19.05.2009 10:00:00 : at the cutoff", 0},
        {"19.05.2009 09:59:59 : a second early", 36},
        {"19.05.2009 09:59:59 : early\r\n19.05.2009 10:00:01 : late", 29},
        {"junk\r\n32.13.2009 10:00:00 : no date\r\n19.05.2009 10:00:00 : kept", 37},
        {"19.05.2009\r\n19.05.2009 10:00:00 : kept", 12},
        {"19.05.2009 11:00:00 : multi\r\nline\r\n", 0},
        {"18.05.2009 11:00:00 : multi\r\nline\r\n", 35},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CLogFile::ExpiredLength(c.Text, cutoff), c.Expected) << c.Text;
}

} // namespace
