#include "settings/TextScanner.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(CTextScanner, ToIntReadsTheLeadingIntegerLikeAtoi)
{
    const struct
    {
        const char* Text;
        int Expected;
    } cases[] = {
        {"42", 42},
        {"  -3", -3},
        {"+7", 7},
        {"12abc", 12},
        {"abc", 0},
        {"", 0},
        {"- 3", 0},
        {"\t\n5", 5},
        {"2147483647", INT_MAX},
        {"99999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-99999999999", INT_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CTextScanner::ToInt(c.Text), c.Expected) << '"' << c.Text << '"';
}

TEST(CTextScanner, ScansLikeScanfFormats)
{
    unsigned flags = 0, show = 0;
    int x = 0;
    CTextScanner scanner("-1,4294967296, -5,");
    EXPECT_TRUE(scanner.ReadUnsigned(flags) && scanner.Expect(',') && scanner.ReadUnsigned(show));
    EXPECT_EQ(flags, UINT_MAX);
    EXPECT_EQ(show, UINT_MAX);
    EXPECT_TRUE(scanner.Expect(',') && scanner.ReadInt(x));
    EXPECT_EQ(x, -5);
    EXPECT_TRUE(scanner.Expect(','));
    EXPECT_FALSE(scanner.ReadInt(x));

    CTextScanner blankBeforeComma("2009 ,5");
    EXPECT_TRUE(blankBeforeComma.ReadInt(x));
    EXPECT_FALSE(blankBeforeComma.Expect(','));
}

} // namespace
