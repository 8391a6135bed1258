#include "catalogue/NumberText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(NumberText, Formats)
{
    const struct
    {
        double value;
        int precision;
        const char* text;
    } cases[] = {
        {1234567.891, 2, "1.234.567,89"},
        {0.05, 2, "0,050"},
        {0.005, 2, "0,0050"},
        {0.0005, 2, "0,00050"},
        {0.00005, 2, "0,000050"},
        {0.000001, 2, "0,00"}, // not above 1e-6: no extra decimals
        {0.05, 3, "0,050"},    // only the steps whose precision matches apply
        {0.005, 3, "0,0050"},
        {0.05, 1, "0,1"},
        {-0.05, 2, "-0,050"},
        {-1234.5, 2, "-1.234,50"},
        {-123.0, 0, "-123"}, // never a "." between sign and first digit
        {-123456.0, 0, "-123.456"},
        {999.0, 2, "999,00"},
        {1000.0, 0, "1.000"},
        {0.0, 2, "0,00"},
        {12.5, -1, "12,5"},
        {1.0 / 3.0, -1, "0,333333333333333"},
        {1234567.0, -2, "1,23457e+06"},
        {1234.5, -2, "1.234,5"},
        {7.9, -3, "7"},
        {-7.9, -3, "-7"},
        {12345678.9, -3, "12.345.678"},
        {1e15, -3, "2.147.483.647"}, // whole numbers are held at the 32-bit range
        {-1e15, -3, "-2.147.483.648"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberText::Format(c.value, c.precision), c.text) << c.value << " / " << c.precision;
}

TEST(NumberText, ReadsWhatItWrites)
{
    for (double value : {1234567.89, 0.05, -42.125, 1e-3, 98765.4321}) {
        double read = 0.0;
        ASSERT_TRUE(NumberText::Parse(NumberText::Format(value, 4), read)) << value;
        EXPECT_DOUBLE_EQ(read, value);
    }
}

TEST(NumberText, Reads)
{
    const struct
    {
        const char* text;
        double value;
    } cases[] = {
        {"1.234.567,89", 1234567.89},
        {"0,050", 0.05},
        {"  \t12,5 \t", 12.5},
        {"0", 0.0},
        {"000", 0.0},
        {"0,0", 0.0},
        {",5", 0.5},
        {"1.5", 15.0}, // a "." only groups digits
        {"+3", 3.0},
        {"-2,5", -2.5},
        {"1e3", 1000.0},
        {"1,5E-2", 0.015},
    };
    for (const auto& c : cases) {
        double value = -99.0;
        EXPECT_TRUE(NumberText::Parse(c.text, value)) << c.text;
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
}

TEST(NumberText, Refuses)
{
    const char* cases[] = {
        "",     "   ", "abc", "12a", "1,2,3", "- 5",   "-0", // zero must start with "0"
        ",0",   "1e",  "inf", "nan", "0x1A",  "1e999", "12 3",
        "\xE4", // an umlaut
    };
    for (const char* text : cases) {
        double value = 7.0;
        EXPECT_FALSE(NumberText::Parse(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 7.0) << text;
    }
}

TEST(NumberText, ReadsAtMostThirtyOneCharacters)
{
    double value = 0.0;
    const std::string digits31(31, '1');
    ASSERT_TRUE(NumberText::Parse(digits31, value));
    EXPECT_DOUBLE_EQ(value, 1111111111111111111111111111111.0);
    // Whatever stands after the 31st character is not looked at.
    ASSERT_TRUE(NumberText::Parse(digits31 + "xyz", value));
    EXPECT_DOUBLE_EQ(value, 1111111111111111111111111111111.0);
    // Leading blanks count toward the limit.
    ASSERT_TRUE(NumberText::Parse(std::string(29, ' ') + "12345", value));
    EXPECT_EQ(value, 12.0);
}

TEST(NumberText, OddValuesFormatWithoutCrashing)
{
    EXPECT_EQ(NumberText::Format(std::numeric_limits<double>::quiet_NaN(), -3), "0");
    EXPECT_EQ(NumberText::Format(std::numeric_limits<double>::infinity(), 2), "inf");
    EXPECT_EQ(NumberText::Format(1e300, 2).size(), 301u + 100u + 3u);
    EXPECT_EQ(NumberText::Format(1.5, 5000).size(), 2u + 1000u);
}

} // namespace
