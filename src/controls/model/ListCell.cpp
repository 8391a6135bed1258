#include "ListCell.h"

#include "catalogue/NumberText.h"

#include <cmath>

namespace {

// Windows-1252 bytes of the umlauts and sharp s.
constexpr unsigned char kUpperA = 0xC4, kLowerA = 0xE4;
constexpr unsigned char kUpperO = 0xD6, kLowerO = 0xF6;
constexpr unsigned char kUpperU = 0xDC, kLowerU = 0xFC;
constexpr unsigned char kSharpS = 0xDF;

char Capital(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z')
        return static_cast<char>(byte - 'a' + 'A');
    if (byte == kLowerA)
        return static_cast<char>(kUpperA);
    if (byte == kLowerO)
        return static_cast<char>(kUpperO);
    if (byte == kLowerU)
        return static_cast<char>(kUpperU);
    return c;
}

unsigned char Folded(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case kUpperA:
        return 'A';
    case kUpperO:
        return 'O';
    case kUpperU:
        return 'U';
    case kSharpS:
        return 's';
    default:
        return static_cast<unsigned char>(c);
    }
}

constexpr int kWholeNumber = -3;

// Precision of the number text for each number type.
int PrecisionOf(ECellType type)
{
    switch (type) {
    case ECellType::General:
        return -2;
    case ECellType::OneDecimal:
        return 1;
    case ECellType::TwoDecimals:
    case ECellType::TwoDecimalsAlt:
        return 2;
    default:
        return kWholeNumber;
    }
}

// A whole number shows its value truncated toward zero, beyond the 32-bit range as well; what
// is no number at all shows as the number text has it.
std::string WholeNumberText(double number)
{
    if (!std::isfinite(number))
        return NumberText::Format(number, kWholeNumber);
    return NumberText::Format(std::trunc(number) + 0.0, 0);
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

CListCell CListCell::MakeText(int column, const std::string& text)
{
    CListCell cell;
    cell.Column = column;
    cell.m_text = text;
    cell.SortText = MakeSortText(text);
    cell.SortPrefix = MakeSortPrefix(cell.SortText);
    return cell;
}

CListCell CListCell::MakeDate(int column, const std::string& text, double when)
{
    CListCell cell;
    cell.Column = column;
    cell.Type = ECellType::Date;
    cell.m_text = text;
    cell.Number = when;
    return cell;
}

CListCell CListCell::MakeNumber(int column, double number, ECellType type)
{
    CListCell cell;
    cell.Column = column;
    cell.Type = type;
    cell.Number = number;
    return cell;
}

std::string CListCell::GetText() const
{
    if (Type == ECellType::Text || Type == ECellType::Date)
        return m_text;
    if (!IsNumberType(Type))
        return std::string();
    const int precision = PrecisionOf(Type);
    return precision == kWholeNumber ? WholeNumberText(Number) : NumberText::Format(Number, precision);
}

std::string CListCell::MakeSortText(const std::string& text)
{
    std::string sortText(text);
    for (char& c : sortText)
        c = Capital(c);
    return sortText;
}

std::uint32_t CListCell::MakeSortPrefix(const std::string& sortText)
{
    std::uint32_t prefix = 0;
    for (size_t i = 0; i < 4; ++i) {
        const std::uint32_t byte = i < sortText.size() ? Folded(sortText[i]) : 0;
        prefix |= byte << (24 - 8 * i);
    }
    return prefix;
}

int CListCell::Compare(const CListCell& other) const
{
    if (Type != other.Type)
        return Type < other.Type ? -1 : 1;
    if (Type == ECellType::Text) {
        if (SortPrefix != other.SortPrefix)
            return SortPrefix < other.SortPrefix ? -1 : 1;
        // std::string compares bytes as unsigned char.
        return Sign(SortText.compare(other.SortText));
    }
    return IsNumberType(Type) || Type == ECellType::Date ? CompareNumbers(other) : 0;
}

int CListCell::CompareNumbers(const CListCell& other) const
{
    const bool nan = std::isnan(Number);
    const bool otherNan = std::isnan(other.Number);
    if (nan || otherNan)
        return nan == otherNan ? 0 : (nan ? 1 : -1);
    if (Number < other.Number)
        return -1;
    return Number > other.Number ? 1 : 0;
}
