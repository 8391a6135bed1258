#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <vector>

namespace {

constexpr size_t kMaxFieldLength = 31;
constexpr int kMaxDecimals = 1000;

std::string ToChars(double value, std::chars_format format, int precision)
{
    std::vector<char> buffer(330 + precision);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    return std::string(buffer.data(), result.ptr);
}

// Raises the number of decimals for small magnitudes, one step after the other.
int DecimalsFor(double value, int precision)
{
    const double magnitude = std::fabs(value);
    if (!(magnitude > 1e-6))
        return precision;
    if (precision == 2 && magnitude < 0.1)
        precision = 3;
    if (precision == 3 && magnitude < 0.01)
        precision = 4;
    if (precision == 4 && magnitude < 0.001)
        precision = 5;
    if (precision == 5 && magnitude < 0.0001)
        precision = 6;
    return precision;
}

// Decimal comma, and "." between groups of three in the leading run of digits (after a sign).
std::string Localise(std::string text)
{
    std::replace(text.begin(), text.end(), '.', ',');
    const size_t start = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
    size_t end = start;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9')
        ++end;
    for (size_t pos = end; pos > start + 3; pos -= 3)
        text.insert(pos - 3, 1, '.');
    return text;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

size_t SkipDigits(const std::string& text, size_t pos)
{
    while (pos < text.size() && IsDigit(text[pos]))
        ++pos;
    return pos;
}

// Length of the plain decimal number (sign, digits, point, exponent) at `pos`; 0 when none.
size_t ScanDecimal(const std::string& text, size_t pos)
{
    const size_t begin = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        ++pos;
    const size_t intEnd = SkipDigits(text, pos);
    size_t end = intEnd;
    bool digits = intEnd > pos;
    if (end < text.size() && text[end] == '.') {
        const size_t fracEnd = SkipDigits(text, end + 1);
        digits = digits || fracEnd > end + 1;
        end = fracEnd;
    }
    if (!digits)
        return 0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        size_t exp = end + 1;
        if (exp < text.size() && (text[exp] == '+' || text[exp] == '-'))
            ++exp;
        const size_t expEnd = SkipDigits(text, exp);
        if (expEnd > exp)
            end = expEnd;
    }
    return end - begin;
}

} // namespace

namespace NumberText {

int TruncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

std::string Format(double value, int precision)
{
    switch (precision) {
    case -1:
        return Localise(ToChars(value, std::chars_format::general, 15));
    case -2:
        return Localise(ToChars(value, std::chars_format::general, 6));
    case -3:
        return Localise(std::to_string(TruncateToInt(value)));
    default:
        break;
    }
    const int decimals = std::clamp(DecimalsFor(value, std::max(precision, 0)), 0, kMaxDecimals);
    return Localise(ToChars(value, std::chars_format::fixed, decimals));
}

bool Parse(const std::string& field, double& value)
{
    std::string text;
    for (char c : field.substr(0, kMaxFieldLength)) {
        if (c != '.')
            text += c == ',' ? '.' : c;
    }
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos]))
        ++pos;
    const size_t length = ScanDecimal(text, pos);
    if (length == 0)
        return false;
    size_t end = pos + length;
    while (end < text.size() && IsBlank(text[end]))
        ++end;
    if (end != text.size())
        return false;

    const size_t number = text[pos] == '+' ? pos + 1 : pos;
    double result = 0.0;
    const auto converted = std::from_chars(text.data() + number, text.data() + pos + length, result);
    if (converted.ec != std::errc() || !std::isfinite(result))
        return false;
    if (result == 0.0 && text[pos] != '0')
        return false;
    value = result;
    return true;
}

} // namespace NumberText
