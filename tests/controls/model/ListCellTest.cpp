#include "controls/model/ListCell.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(ListCell, SortKeyIsTheCapitalTextAndAFoldedFourBytePrefix)
{
    struct Case
    {
        std::string text;
        std::string sortText;
        std::uint32_t prefix;
    };
    const Case cases[] = {
        {"\xD6l", "\xD6L", 0x4F4C0000}, // Öl: prefix from OL
        {"Obst", "OBST", 0x4F425354},
        {"Stra\xDF"
         "e",
         "STRA\xDF"
         "E",
         0x53545241},                             // Straße keeps ß in its sort text
        {"\xE4pfel", "\xC4PFEL", 0x41504645},     // äpfel: Ä in the text, A in the prefix
        {"Gr\xFC\xDF", "GR\xDC\xDF", 0x47525573}, // ü and ß fold to U and a lowercase s
        {"", "", 0},
        {"a1-z", "A1-Z", 0x41312D5A},
        {"\xE9t\xE9", "\xE9T\xE9", 0xE954E900}, // other bytes stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const CListCell cell = CListCell::MakeText(1, c.text);
        EXPECT_EQ(cell.Text, c.text);
        EXPECT_EQ(cell.SortText, c.sortText);
        EXPECT_EQ(cell.SortPrefix, c.prefix);
    }
}

TEST(ListCell, NumbersShowThroughTheNumberTextOfTheirType)
{
    struct Case
    {
        double number;
        int type;
        std::string shown;
    };
    const Case cases[] = {
        {1234.5, CListCell::TypeGeneral, "1.234,5"},
        {30000.9, CListCell::TypeTruncated, "30.000"},
        {-2.7, CListCell::TypeTruncated, "-2"},
        {33.333333, CListCell::TypeTwoDecimals, "33,33"},
        {0.05, CListCell::TypeTwoDecimals, "0,050"},
        {3.14159, CListCell::TypeOneDecimal, "3,1"},
        {1234567.891, CListCell::TypeTwoDecimalsAlt, "1.234.567,89"},
        {3e9, CListCell::TypeInteger, "2.147.483.647"},
        {-3e12, CListCell::TypeTruncated, "-2.147.483.648"},
        {5.0, 9, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CListCell::MakeNumber(2, c.number, c.type).Text, c.shown) << c.number << " type " << c.type;
}

int Compare(const CListCell& a, const CListCell& b)
{
    const int result = a.Compare(b);
    EXPECT_EQ(b.Compare(a), -result) << "the comparison must be antisymmetric";
    return result;
}

TEST(ListCell, ComparisonOrdersTextsByPrefixThenSortText)
{
    auto text = [](const std::string& value) { return CListCell::MakeText(0, value); };
    EXPECT_LT(Compare(text("Obst"), text("\xD6l")), 0);
    EXPECT_LT(Compare(text("\xD6l"), text("Orange")), 0);
    EXPECT_LT(Compare(text("Orange"), text("Zucker")), 0);
    EXPECT_LT(Compare(text("Strauch"), text("Stra\xDF"
                                            "e")),
              0);                                           // equal prefixes; U before ß
    EXPECT_LT(Compare(text("Apfel"), text("\xC4pfel")), 0); // Äpfel between Apfel and Aprikose
    EXPECT_LT(Compare(text("\xC4pfel"), text("Aprikose")), 0);
    EXPECT_LT(Compare(text("Apfel"), text("Apfelsaft")), 0); // shorter first, not equal
    EXPECT_EQ(Compare(text("apfel"), text("APFEL")), 0);
}

TEST(ListCell, ComparisonOrdersNumbersByValueWithEqualNumbersEqual)
{
    auto number = [](double value) { return CListCell::MakeNumber(0, value, CListCell::TypeTruncated); };
    EXPECT_LT(Compare(number(-1.5), number(2.0)), 0);
    EXPECT_EQ(Compare(number(2.0), number(2.0)), 0);
    EXPECT_LT(Compare(number(1e300), number(std::nan(""))), 0); // NaN last
    EXPECT_EQ(Compare(number(std::nan("")), number(std::nan(""))), 0);
    // Mixed types get a fixed order by type rather than "equal to everything".
    EXPECT_LT(Compare(CListCell::MakeText(0, "Z"), number(1.0)), 0);
    EXPECT_LT(Compare(number(9.0), CListCell::MakeNumber(0, 1.0, CListCell::TypeTwoDecimals)), 0);
}

} // namespace
