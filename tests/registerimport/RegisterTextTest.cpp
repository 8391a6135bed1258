#include "registerimport/RegisterText.h"

#include <gtest/gtest.h>

namespace {

using RegisterText::EEncoding;
using RegisterText::ENumberStyle;

TEST(RegisterText, ReadsNumbersWithTheGivenSymbols)
{
    const struct
    {
        const char* Text;
        char Decimal;
        char Grouping;
        bool Ok;
        double Expected;
    } cases[] = {
        {"1.234,50", ',', '.', true, 1234.5},
        {"1,234.50", '.', ',', true, 1234.5},
        {"-2,5", ',', 0, true, -2.5},
        {" +3 ", ',', 0, true, 3.0},
        {"0,125", ',', '.', true, 0.125},
        {",5", ',', '.', true, 0.5},
        {"12.345.678,9", ',', '.', true, 12345678.9},
        {"1.5", ',', '.', false, 0}, // a group of fewer than three digits is no grouping
        {"1.2345", ',', '.', false, 0},
        {"1.234", ',', 0, false, 0}, // no grouping symbol declared
        {"1 234", ',', '.', false, 0},
        {"", ',', '.', false, 0},
        {"-", ',', '.', false, 0},
        {"abc", ',', '.', false, 0},
        {"3,5,1", ',', '.', false, 0},
        {".234", ',', '.', false, 0},
    };
    for (const auto& c : cases) {
        double value = -99.0;
        EXPECT_EQ(RegisterText::ParseNumber(c.Text, c.Decimal, c.Grouping, value), c.Ok) << c.Text;
        if (c.Ok) {
            EXPECT_DOUBLE_EQ(value, c.Expected) << c.Text;
        }
    }
}

TEST(RegisterText, TellsGermanFromEnglishNumbersWhereTheyShowIt)
{
    const struct
    {
        const char* Text;
        ENumberStyle Expected;
    } cases[] = {
        {"1.234,50", ENumberStyle::German},  {"1,234.50", ENumberStyle::English},
        {"0,25", ENumberStyle::German},      {"0.25", ENumberStyle::English},
        {"1.234.567", ENumberStyle::German}, {"1,234,567", ENumberStyle::English},
        {"1,234", ENumberStyle::Unknown},    {"1.234", ENumberStyle::Unknown},
        {"12", ENumberStyle::Unknown},       {"-3,5", ENumberStyle::German},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RegisterText::GetNumberStyle(c.Text), c.Expected) << c.Text;
}

TEST(RegisterText, ReadsGermanAndIsoDatesWithOrWithoutTime)
{
    const struct
    {
        const char* Text;
        bool Ok;
        int Year, Month, Day, Hour, Minute, Second;
    } cases[] = {
        {"03.05.2026", true, 2026, 5, 3, 0, 0, 0},
        {"3.5.26", true, 2026, 5, 3, 0, 0, 0},
        {"2026-05-03", true, 2026, 5, 3, 0, 0, 0},
        {"03.05.2026 18:45", true, 2026, 5, 3, 18, 45, 0},
        {"2026-05-03T18:45:12", true, 2026, 5, 3, 18, 45, 12},
        {"2026-05-03T18:45:12.123+02:00", true, 2026, 5, 3, 18, 45, 12},
        {"2026-05-03T18:45:12Z", true, 2026, 5, 3, 18, 45, 12},
        {"2026-05-03 07:05", true, 2026, 5, 3, 7, 5, 0},
        {"29.02.2024", true, 2024, 2, 29, 0, 0, 0},
        {"29.02.2026", false, 0, 0, 0, 0, 0, 0},
        {"31.04.2026", false, 0, 0, 0, 0, 0, 0},
        {"2026-13-01", false, 0, 0, 0, 0, 0, 0},
        {"03.05.2026 25:00", false, 0, 0, 0, 0, 0, 0},
        {"03/05/2026", false, 0, 0, 0, 0, 0, 0},
        {"03.05.2026x", false, 0, 0, 0, 0, 0, 0},
        {"", false, 0, 0, 0, 0, 0, 0},
        {"03.05.202", false, 0, 0, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        CDateTime value;
        ASSERT_EQ(RegisterText::ParseDateTime(c.Text, value), c.Ok) << c.Text;
        if (!c.Ok)
            continue;
        EXPECT_EQ(value, CDateTime(c.Year, c.Month, c.Day, c.Hour, c.Minute, c.Second)) << c.Text;
    }
}

TEST(RegisterText, ConvertsUtf8ToWindows1252AndKeepsWindows1252)
{
    // "Käse" in UTF-8; the euro sign; a character the code page lacks; a stray byte.
    EXPECT_EQ(RegisterText::ToWindows1252("K\xC3\xA4se", EEncoding::Utf8), "K\xE4se");
    EXPECT_EQ(RegisterText::ToWindows1252("\xE2\x82\xAC 5", EEncoding::Utf8), "\x80 5");
    EXPECT_EQ(RegisterText::ToWindows1252("\xE2\x98\x95 Kaffee", EEncoding::Utf8), "? Kaffee");
    EXPECT_EQ(RegisterText::ToWindows1252("K\xE4se", EEncoding::Utf8), "K\xE4se");
    EXPECT_EQ(RegisterText::ToWindows1252("K\xE4se", EEncoding::Windows1252), "K\xE4se");
    // In place, without the byte order mark in front.
    const struct
    {
        const char* Utf8;
        const char* Expected;
    } inPlace[] = {{"K\xC3\xA4se \xE2\x82\xAC \xE2\x98\x95 K\xE4se", "K\xE4se \x80 ? K\xE4se"},
                   {"plain", "plain"},
                   {"", ""}};
    for (const auto& c : inPlace) {
        std::string text = std::string("\xEF\xBB\xBF") + c.Utf8;
        RegisterText::MakeWindows1252(text, 3, EEncoding::Utf8);
        EXPECT_EQ(text, c.Expected) << c.Utf8;
    }
    std::string ansi = "\xEF\xBB\xBFK\xE4se";
    RegisterText::MakeWindows1252(ansi, 3, EEncoding::Windows1252);
    EXPECT_EQ(ansi, "K\xE4se");

    EXPECT_EQ(RegisterText::DetectEncoding("\xEF\xBB\xBFplain"), EEncoding::Utf8);
    EXPECT_EQ(RegisterText::DetectEncoding("K\xC3\xA4se"), EEncoding::Utf8);
    EXPECT_EQ(RegisterText::DetectEncoding("K\xE4se"), EEncoding::Windows1252);
    // An overlong encoding of "/" is no UTF-8.
    EXPECT_EQ(RegisterText::DetectEncoding("a\xC0\xAF"), EEncoding::Windows1252);
}

} // namespace
