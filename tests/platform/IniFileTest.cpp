#include "platform/IniFile.h"

#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

struct CIniCase
{
    const char* Name;
    const char* Text;
    const char* Section;
    const char* Key;
    const char* Default;
    const char* Expected;
};

const char* const kLogSettings = "; settings of the log\r\n"
                                 "[Other]\r\n"
                                 "Filename=/other.log\r\n"
                                 "[ logfile ]\r\n"
                                 "  FILENAME  =   /var/log/kk.log   \r\n"
                                 "Filename=/second.log\r\n"
                                 "Quoted=\"  spaced  \"\r\n"
                                 "Single='x'\r\n"
                                 "Mismatched=\"x'\r\n"
                                 "OneQuote=\"\r\n"
                                 "Empty=\r\n"
                                 ";Active=TRUE\r\n"
                                 "Inline=TRUE ; not a comment\r\n"
                                 "Equation=a=b\r\n"
                                 "NoEquals\r\n"
                                 "\tTabbed\t=\tvalue\t\r\n";

const CIniCase kCases[] = {
    {"NamesIgnoreCaseAndBlanks", kLogSettings, "LOGFILE", "filename", "", "/var/log/kk.log"},
    {"SectionNamesIgnoreCase", kLogSettings, "other", "FILENAME", "", "/other.log"},
    {"OtherSectionIsNotSearched", kLogSettings, "Other", "Quoted", "def", "def"},
    {"FirstKeyWins", kLogSettings, "Logfile", "Filename", "", "/var/log/kk.log"},
    {"DoubleQuotesRemoved", kLogSettings, "Logfile", "Quoted", "", "  spaced  "},
    {"SingleQuotesRemoved", kLogSettings, "Logfile", "Single", "", "x"},
    {"MismatchedQuotesKept", kLogSettings, "Logfile", "Mismatched", "", "\"x'"},
    {"LoneQuoteKept", kLogSettings, "Logfile", "OneQuote", "", "\""},
    {"EmptyValueIsNotDefault", kLogSettings, "Logfile", "Empty", "def", ""},
    {"CommentLineIsNoKey", kLogSettings, "Logfile", "Active", "", ""},
    {"SemicolonInValueKept", kLogSettings, "Logfile", "Inline", "", "TRUE ; not a comment"},
    {"ValueMayHoldEquals", kLogSettings, "Logfile", "Equation", "", "a=b"},
    {"LineWithoutEqualsIsNoKey", kLogSettings, "Logfile", "NoEquals", "def", "def"},
    {"TabsTrimmed", kLogSettings, "Logfile", "Tabbed", "", "value"},
    {"MissingKeyGivesDefault", kLogSettings, "Logfile", "MaxSize", "-1", "-1"},
    {"DefaultLosesTrailingBlanks", kLogSettings, "Logfile", "MaxSize", " -1  ", " -1"},
    {"MissingSectionGivesDefault", kLogSettings, "Nothing", "Filename", "", ""},
    {"KeysBeforeAnySectionIgnored", "Filename=/top.log\n[Logfile]\n", "Logfile", "Filename", "", ""},
    {"UnixLineEnds", "[Logfile]\nActive=TRUE\nCheckSize=TRUE", "Logfile", "CheckSize", "", "TRUE"},
    {"UnclosedSectionHeader", "[Logfile\nActive=TRUE\n", "Logfile", "Active", "", "TRUE"},
};

void PrintTo(const CIniCase& c, std::ostream* os)
{
    *os << c.Name;
}

class CIniFileCases : public testing::TestWithParam<CIniCase>
{};

TEST_P(CIniFileCases, ReadsLikeProfileFunctions)
{
    const CIniCase& c = GetParam();
    EXPECT_EQ(CIniFile::FromText(c.Text).GetString(c.Section, c.Key, c.Default), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, CIniFileCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<CIniCase>& info) {
                             return std::string(info.param.Name);
                         });

TEST(CIniFile, ValueIsCutToTheBuffer)
{
    const std::string longValue(400, 'a');
    const CIniFile file = CIniFile::FromText("[S]\nK=" + longValue + "\n");
    EXPECT_EQ(file.GetString("S", "K", ""), std::string(259, 'a'));
    EXPECT_EQ(file.GetString("S", "K", "", 5), "aaaa");
    EXPECT_EQ(file.GetString("S", "K", "", 0), "");
    EXPECT_EQ(file.GetString("S", "Missing", longValue), std::string(259, 'a'));
}

TEST(CIniFile, ReadsFileBytesAndSkipsByteOrderMark)
{
    CTempDir dir;
    std::ofstream(dir.File("Kostenkoch.ini"), std::ios::binary)
        << "\xEF\xBB\xBF[Logfile]\r\nFilename=C:\\M\xFCller.log\r\n";
    const CIniFile file(dir.Path() / "Kostenkoch.ini");
    EXPECT_EQ(file.GetString("Logfile", "Filename", ""), "C:\\M\xFCller.log");
}

TEST(CIniFile, MissingFileGivesDefaults)
{
    CTempDir dir;
    const CIniFile file(dir.Path() / "absent.ini");
    EXPECT_EQ(file.GetString("Logfile", "MaxSize", "-1"), "-1");
}

} // namespace
