#include "JsonValue.h"

#include "cli/JsonObject.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

namespace {

constexpr int kIndentWidth = 4;
// Parts handed to a stream, and the container levels between whose items they are handed over.
constexpr std::size_t kPartBytes = 64 * 1024;
constexpr int kStreamLevels = 3;

void Indent(std::string& out, int level)
{
    out.append(static_cast<std::size_t>(level * kIndentWidth), ' ');
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
    Append(out, 0, nullptr);
    out += '\n';
    return out;
}

void CJsonValue::WriteTo(std::ostream& stream) const
{
    std::string out;
    out.reserve(kPartBytes + kPartBytes / 2);
    Append(out, 0, &stream);
    out += '\n';
    stream.write(out.data(), static_cast<std::streamsize>(out.size()));
}

// Containers open on the current line, hold one member or item per line one level deeper, and
// close on a line of their own at the current level, even when empty.
void CJsonValue::Append(std::string& out, int indent, std::ostream* stream) const
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
            m_items[i].Append(out, indent + 1, indent < kStreamLevels ? stream : nullptr);
            out += i + 1 < m_items.size() ? ",\n" : "\n";
            if (stream && out.size() >= kPartBytes) {
                stream->write(out.data(), static_cast<std::streamsize>(out.size()));
                out.clear();
            }
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
    char text[32];
    // Whole numbers that a double holds exactly (up to 2^53) are written as integers.
    if (std::abs(value) <= 9007199254740992.0 && value == std::trunc(value)) {
        out.append(text, std::to_chars(text, text + sizeof text, static_cast<std::int64_t>(value)).ptr);
        return;
    }
    // The shortest digits that read back as the value, with their exponent: "-d.ddde+XX".
    const char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    const char* p = text;
    if (*p == '-')
        out += *p++;
    char digits[24];
    int count = 0;
    for (; *p != 'e'; ++p) {
        if (*p != '.')
            digits[count++] = *p;
    }
    int exponent = 0;
    std::from_chars(p + 2, end, exponent);
    if (p[1] == '-')
        exponent = -exponent;
    // Digits before the point in the fixed form, and the lengths of both forms.
    const int point = exponent + 1;
    const int fixedLength = point <= 0 ? 2 - point + count : (point >= count ? point : count + 1);
    const int exponentDigits = static_cast<int>(end - p) - 2;
    const int exponentLength = (count > 1 ? count + 1 : 1) + 2 + exponentDigits;
    if (exponentLength < fixedLength) {
        // to_chars writes the exponent as the C library does, with at least two digits.
        const char* start = text + (text[0] == '-' ? 1 : 0);
        out.append(start, static_cast<std::size_t>(end - start));
    } else if (point <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-point), '0');
        out.append(digits, static_cast<std::size_t>(count));
    } else if (point >= count) {
        out.append(digits, static_cast<std::size_t>(count));
        out.append(static_cast<std::size_t>(point - count), '0');
    } else {
        out.append(digits, static_cast<std::size_t>(point));
        out += '.';
        out.append(digits + point, static_cast<std::size_t>(count - point));
    }
}

void AppendJsonString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t plain = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c != '"' && c != '\\')
            continue;
        out.append(text, plain, i - plain);
        plain = i + 1;
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
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    out.append(text, plain);
    out += '"';
}
