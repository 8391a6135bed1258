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
        EXPECT_EQ(cell.GetText(), c.text);
        EXPECT_EQ(cell.SortText, c.sortText);
        EXPECT_EQ(cell.SortPrefix, c.prefix);
    }
}

TEST(ListCell, NumbersShowThroughTheNumberTextOfTheirType)
{
    struct Case
    {
        double number;
        ECellType type;
        std::string shown;
    };
    const Case cases[] = {
        {1234.5, ECellType::General, "1.234,5"},
        {-2.7, ECellType::Truncated, "-2"},
        {0.05, ECellType::TwoDecimals, "0,050"},
        {3.14159, ECellType::OneDecimal, "3,1"},
        {1234567.891, ECellType::TwoDecimalsAlt, "1.234.567,89"},
        {-0.7, ECellType::Truncated, "0"},
        // Whole numbers beyond the 32-bit range show their value, not a saturated one.
        {3e9, ECellType::Integer, "3.000.000.000"},
        {-5e12 - 0.9, ECellType::Truncated, "-5.000.000.000.000"},
        {std::nan(""), ECellType::Truncated, "0"},
        {5.0, ECellType::None, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CListCell::MakeNumber(2, c.number, c.type).GetText(), c.shown)
            << c.number << " type " << static_cast<int>(c.type);
}

} // namespace
