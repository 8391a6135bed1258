#include "JsonValue.h"

#include "cli/JsonObject.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace {

constexpr int kIndentWidth = 4;

void Indent(std::string& out, int level)
{
    out.append(static_cast<std::size_t>(level * kIndentWidth), ' ');
}

int DecimalDigits(int value)
{
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

} // namespace

CJsonValue::CJsonValue(CJsonObject object)
    : m_type(EType::Object), m_items(std::move(object.m_values)), m_keys(std::move(object.m_keys))
{}

const CJsonValue& CJsonValue::Member(std::string_view key) const
{
    static const CJsonValue null;
    const auto position = std::lower_bound(m_keys.begin(), m_keys.end(), key);
    if (position == m_keys.end() || *position != key)
        return null;
    return m_items[static_cast<std::size_t>(position - m_keys.begin())];
}

std::string CJsonValue::ToText() const
{
    std::string out;
    Append(out, 0);
    out += '\n';
    return out;
}

// Containers open on the current line, hold one member or item per line one level deeper, and
// close on a line of their own at the current level, even when empty.
void CJsonValue::Append(std::string& out, int indent) const
{
    switch (m_type) {
    case EType::Null:
        out += "null";
        break;
    case EType::Bool:
        out += m_integer ? "true" : "false";
        break;
    case EType::Integer: {
        char digits[24];
        out.append(digits, std::to_chars(digits, digits + sizeof digits, m_integer).ptr);
        break;
    }
    case EType::Double:
        AppendJsonNumber(out, m_double);
        break;
    case EType::String:
        AppendJsonString(out, m_text);
        break;
    case EType::Array:
    case EType::Object: {
        const bool object = m_type == EType::Object;
        out += object ? "{\n" : "[\n";
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            Indent(out, indent + 1);
            if (object) {
                AppendJsonString(out, m_keys[i]);
                out += ": ";
            }
            m_items[i].Append(out, indent + 1);
            out += i + 1 < m_items.size() ? ",\n" : "\n";
        }
        Indent(out, indent);
        out += object ? '}' : ']';
        break;
    }
    }
}

void AppendJsonNumber(std::string& out, double value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    // Whole numbers that a double holds exactly (up to 2^53) are written as integers.
    if (std::abs(value) <= 9007199254740992.0 && value == std::trunc(value)) {
        char digits[24];
        out.append(digits,
                   std::to_chars(digits, digits + sizeof digits, static_cast<std::int64_t>(value)).ptr);
        return;
    }
    // The shortest digits that read back as the value, with their exponent.
    char scientific[32];
    const char* end =
        std::to_chars(scientific, scientific + sizeof scientific, value, std::chars_format::scientific).ptr;
    const char* p = scientific;
    if (*p == '-') {
        out += '-';
        ++p;
    }
    std::string digits;
    for (; p != end && *p != 'e'; ++p) {
        if (*p != '.')
            digits += *p;
    }
    // The exponent after "e": a sign, then digits.
    const bool negativeExponent = p + 1 != end && p[1] == '-';
    int exponent = 0;
    std::from_chars(p + 2, end, exponent);
    if (negativeExponent)
        exponent = -exponent;
    const int count = static_cast<int>(digits.size());
    // Digits before the point.
    const int point = exponent + 1;
    const int fixedLength = point <= 0 ? 2 - point + count : (point >= count ? point : count + 1);
    const int exponentLength =
        (count > 1 ? count + 1 : 1) + 2 + std::max(2, DecimalDigits(std::abs(exponent)));
    if (exponentLength < fixedLength) {
        out += digits[0];
        if (count > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += exponent < 0 ? "e-" : "e+";
        const std::string magnitude = std::to_string(std::abs(exponent));
        if (magnitude.size() < 2)
            out += '0';
        out += magnitude;
    } else if (point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-point), '0');
        out += digits;
    } else if (point >= count) {
        out += digits;
        out.append(static_cast<std::size_t>(point - count), '0');
    } else {
        out.append(digits, 0, static_cast<std::size_t>(point));
        out += '.';
        out.append(digits, static_cast<std::size_t>(point));
    }
}

void AppendJsonString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[static_cast<unsigned char>(c) >> 4];
                out += kHex[static_cast<unsigned char>(c) & 15];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}
