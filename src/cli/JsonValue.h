#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

class CJsonObject;

// A JSON value of the cli's reports: null, true/false, an integer, a double, a UTF-8 text, an
// array or an object whose members are kept ordered by key. ToText writes the indented form
// the reports have always had (four spaces per level, members in key order).
class CJsonValue
{
public:
    enum class EType { Null, Bool, Integer, Double, String, Array, Object };

    CJsonValue() = default;
    CJsonValue(std::nullptr_t) {}
    CJsonValue(bool value) : m_type(EType::Bool), m_integer(value ? 1 : 0) {}
    CJsonValue(int value) : m_type(EType::Integer), m_integer(value) {}
    CJsonValue(long long value) : m_type(EType::Integer), m_integer(value) {}
    CJsonValue(double value) : m_type(EType::Double), m_double(value) {}
    CJsonValue(std::string text) : m_type(EType::String), m_text(std::move(text)) {}
    CJsonValue(const char* text) : CJsonValue(std::string(text)) {}
    CJsonValue(std::vector<CJsonValue> items) : m_type(EType::Array), m_items(std::move(items)) {}
    CJsonValue(CJsonObject object);

    EType Type() const { return m_type; }
    bool ToBool() const { return m_integer != 0; }
    // Integers as doubles too.
    double ToDouble() const { return m_type == EType::Double ? m_double : static_cast<double>(m_integer); }
    const std::string& ToString() const { return m_text; }
    // The member named `key` of an object; null when there is none.
    const CJsonValue& Member(std::string_view key) const;

    // The indented text followed by a line end.
    std::string ToText() const;
    // The same text written to `stream` in parts of about 64 KiB, never held as a whole.
    void WriteTo(std::ostream& stream) const;

private:
    friend class CJsonObject;

    // Appends the text at `indent`; with a stream, hands `out` over to it between the items of
    // the outer containers once it holds a part.
    void Append(std::string& out, int indent, std::ostream* stream) const;

    EType m_type = EType::Null;
    std::int64_t m_integer = 0;
    double m_double = 0.0;
    std::string m_text;
    // The items of an array, or the values of an object beside their keys in key order.
    std::vector<CJsonValue> m_items;
    std::vector<std::string> m_keys;
};

using CJsonArray = std::vector<CJsonValue>;

// Whole numbers up to 2^53 as integers ("100000", "0" for -0); any other value as the shortest
// text that reads back as it, in fixed or exponent form, whichever is shorter (fixed on a tie),
// exponents with a sign and at least two digits ("1e+16", "2.5e-07"); values that are no
// finite number as "null".
void AppendJsonNumber(std::string& out, double value);
// `text` (UTF-8) quoted, with quote, backslash and control characters escaped.
void AppendJsonString(std::string& out, std::string_view text);
