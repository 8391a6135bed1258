#include "DataFileNumber.h"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// What the C library counts as white space in the "C" locale.
bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t position)
{
    while (position < text.size() && IsDigit(text[position]))
        ++position;
    return position;
}

std::size_t SkipSpace(std::string_view text)
{
    std::size_t position = 0;
    while (position < text.size() && IsSpace(text[position]))
        ++position;
    return position;
}

// End of an optional exponent starting at `position`; `position` itself when there is none.
std::size_t ExponentEnd(std::string_view text, std::size_t position)
{
    if (position >= text.size() || (text[position] != 'e' && text[position] != 'E'))
        return position;
    std::size_t digits = position + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-'))
        ++digits;
    const std::size_t end = SkipDigits(text, digits);
    return end > digits ? end : position;
}

// End of the unsigned decimal number (digits, point, fraction, exponent) at `begin`; `begin`
// when the text holds no digit there.
std::size_t DecimalEnd(std::string_view text, std::size_t begin)
{
    std::size_t end = SkipDigits(text, begin);
    bool hasDigits = end > begin;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        hasDigits = hasDigits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    return hasDigits ? ExponentEnd(text, end) : begin;
}

struct CSignedText
{
    bool Negative = false;
    std::string_view Digits;
};

// Skips white space and an optional sign.
CSignedText SplitSign(std::string_view text)
{
    CSignedText result;
    std::size_t position = SkipSpace(text);
    if (position < text.size() && (text[position] == '+' || text[position] == '-')) {
        result.Negative = text[position] == '-';
        ++position;
    }
    result.Digits = text.substr(position);
    return result;
}

// A value outside the range of double gives 0: such a value cannot be written back as a number.
double ConvertDecimal(std::string_view number)
{
    double value = 0.0;
    const auto result =
        std::from_chars(number.data(), number.data() + number.size(), value, std::chars_format::general);
    return result.ec == std::errc() ? value : 0.0;
}

} // namespace

char* PutFileDouble(char* out, double value)
{
    // Room for the largest double in fixed notation (309 digits) with sign, point and decimals.
    return std::to_chars(out, out + kMaxFileNumber, value, std::chars_format::fixed, 6).ptr;
}

char* PutFileInt(char* out, int value)
{
    return std::to_chars(out, out + 16, value).ptr;
}

char* PutPaddedInt(char* out, int value, int width)
{
    char digits[16];
    const auto magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    const int length =
        static_cast<int>(std::to_chars(digits, digits + sizeof digits, magnitude).ptr - digits);
    if (value < 0) {
        *out++ = '-';
        --width;
    }
    for (int i = length; i < width; ++i)
        *out++ = '0';
    std::memcpy(out, digits, static_cast<std::size_t>(length));
    return out + length;
}

void AppendFileDouble(std::string& out, double value)
{
    char buffer[kMaxFileNumber];
    out.append(buffer, PutFileDouble(buffer, value));
}

void AppendFileInt(std::string& out, int value)
{
    char buffer[16];
    out.append(buffer, PutFileInt(buffer, value));
}

void AppendPaddedInt(std::string& out, int value, int width)
{
    char buffer[16];
    out.append(buffer, PutPaddedInt(buffer, value, width));
}

double ParseFileDouble(std::string_view text)
{
    const CSignedText number = SplitSign(text);
    const std::size_t end = DecimalEnd(number.Digits, 0);
    if (end == 0)
        return 0.0;
    const double value = ConvertDecimal(number.Digits.substr(0, end));
    return number.Negative ? -value : value;
}

int ParseFileInt(std::string_view text)
{
    const CSignedText number = SplitSign(text);
    const std::size_t end = SkipDigits(number.Digits, 0);
    std::int64_t value = 0;
    for (std::size_t i = 0; i < end && value <= std::numeric_limits<int>::max(); ++i)
        value = value * 10 + (number.Digits[i] - '0');
    if (number.Negative)
        value = -value;
    constexpr std::int64_t kMin = std::numeric_limits<int>::min();
    constexpr std::int64_t kMax = std::numeric_limits<int>::max();
    return static_cast<int>(value < kMin ? kMin : (value > kMax ? kMax : value));
}
