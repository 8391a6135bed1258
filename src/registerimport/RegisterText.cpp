#include "RegisterText.h"

#include "platform/Windows1252.h"

#include <cmath>

namespace RegisterText {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Calls `put` with the Windows-1252 byte of each character of the UTF-8 text from `from` on: a
// character the code page lacks becomes "?", a byte that is no valid UTF-8 stays as it is.
// Never more bytes than it reads, so `put` may write into the text itself.
template <typename Put> void ConvertUtf8(std::string_view bytes, std::size_t from, Put put)
{
    for (std::size_t at = from; at < bytes.size();) {
        const char byte = bytes[at];
        char32_t codePoint = 0;
        if (static_cast<unsigned char>(byte) < 0x80 || !DecodeUtf8(bytes, at, codePoint)) {
            put(byte);
            ++at;
            continue;
        }
        const int mapped = CodePointToWindows1252(codePoint);
        put(mapped < 0 ? '?' : static_cast<char>(mapped));
    }
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Reads 1..`maxDigits` digits at `at`; false when there are none.
bool ReadInt(std::string_view text, std::size_t& at, std::size_t maxDigits, int& value)
{
    const std::size_t start = at;
    value = 0;
    while (at < text.size() && IsDigit(text[at]) && at - start < maxDigits)
        value = value * 10 + (text[at++] - '0');
    return at > start;
}

bool Expect(std::string_view text, std::size_t& at, char c)
{
    if (at >= text.size() || text[at] != c)
        return false;
    ++at;
    return true;
}

bool ReadDate(std::string_view text, std::size_t& at, int& year, int& month, int& day)
{
    int first = 0;
    const std::size_t start = at;
    if (!ReadInt(text, at, 4, first))
        return false;
    if (at - start == 4)
        return Expect(text, at, '-') && ReadInt(text, at, 2, month) && Expect(text, at, '-') &&
               ReadInt(text, at, 2, day) && (year = first, true);
    day = first;
    if (!Expect(text, at, '.') || !ReadInt(text, at, 2, month) || !Expect(text, at, '.'))
        return false;
    const std::size_t yearStart = at;
    if (!ReadInt(text, at, 4, year))
        return false;
    if (at - yearStart == 2)
        year += 2000;
    else if (at - yearStart != 4)
        return false;
    return true;
}

bool ReadClock(std::string_view text, std::size_t& at, int& hour, int& minute, int& second)
{
    second = 0;
    if (!ReadInt(text, at, 2, hour) || !Expect(text, at, ':') || !ReadInt(text, at, 2, minute))
        return false;
    if (at < text.size() && text[at] == ':' && !ReadInt(text, ++at, 2, second))
        return false;
    return true;
}

// A fraction of a second and a zone after the time, which are ignored.
bool SkipFractionAndZone(std::string_view text, std::size_t at)
{
    if (at < text.size() && (text[at] == '.' || text[at] == ',')) {
        ++at;
        while (at < text.size() && IsDigit(text[at]))
            ++at;
    }
    if (at < text.size() && text[at] == 'Z')
        ++at;
    else if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        int hours = 0, minutes = 0;
        ++at;
        if (!ReadInt(text, at, 2, hours))
            return false;
        Expect(text, at, ':');
        ReadInt(text, at, 2, minutes);
    }
    return at == text.size();
}

// Exactly three digits at `at`, then no further digit.
bool IsGroupOfThree(std::string_view text, std::size_t at)
{
    return at + 3 <= text.size() && IsDigit(text[at]) && IsDigit(text[at + 1]) && IsDigit(text[at + 2]) &&
           (at + 3 == text.size() || !IsDigit(text[at + 3]));
}

} // namespace

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::size_t ByteOrderMarkLength(std::string_view bytes)
{
    return bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
}

EUtf8Kind GetUtf8Kind(std::string_view bytes)
{
    bool beyondAscii = false;
    for (std::size_t at = 0; at < bytes.size();) {
        if (static_cast<unsigned char>(bytes[at]) < 0x80) {
            ++at;
            continue;
        }
        char32_t codePoint = 0;
        if (!DecodeUtf8(bytes, at, codePoint))
            return EUtf8Kind::Other;
        beyondAscii = true;
    }
    return beyondAscii ? EUtf8Kind::Utf8 : EUtf8Kind::Ascii;
}

EEncoding DetectEncoding(std::string_view bytes)
{
    if (ByteOrderMarkLength(bytes) > 0)
        return EEncoding::Utf8;
    return GetUtf8Kind(bytes) == EUtf8Kind::Utf8 ? EEncoding::Utf8 : EEncoding::Windows1252;
}

void AppendWindows1252(std::string_view bytes, EEncoding encoding, std::string& out)
{
    if (encoding == EEncoding::Windows1252)
        out.append(bytes);
    else
        ConvertUtf8(bytes, 0, [&out](char c) { out.push_back(c); });
}

std::string Quoted(std::string_view text)
{
    return "\x84" + std::string(text.substr(0, 60)) + "\x93";
}

std::string ToWindows1252(std::string_view bytes, EEncoding encoding)
{
    std::string out;
    out.reserve(bytes.size());
    AppendWindows1252(bytes, encoding, out);
    return out;
}

void MakeWindows1252(std::string& text, std::size_t from, EEncoding encoding)
{
    if (encoding == EEncoding::Windows1252) {
        text.erase(0, from);
        return;
    }
    std::size_t out = 0;
    ConvertUtf8(text, from, [&text, &out](char c) { text[out++] = c; });
    text.resize(out);
}

bool ParseNumber(std::string_view text, char decimal, char grouping, double& value)
{
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double number = 0.0;
    std::size_t at = 0;
    std::size_t digits = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (IsDigit(c)) {
            number = number * 10.0 + (c - '0');
            ++digits;
        } else if (grouping != 0 && c == grouping && digits > 0 && IsGroupOfThree(text, at + 1)) {
            continue;
        } else {
            break;
        }
    }
    if (at < text.size() && text[at] == decimal) {
        ++at;
        double scale = 0.1;
        for (; at < text.size() && IsDigit(text[at]); ++at, scale /= 10.0) {
            number += (text[at] - '0') * scale;
            ++digits;
        }
    }
    if (digits == 0 || at != text.size() || !std::isfinite(number))
        return false;
    value = negative ? -number : number;
    return true;
}

ENumberStyle GetNumberStyle(std::string_view text)
{
    text = Trim(text);
    const std::size_t comma = text.rfind(',');
    const std::size_t point = text.rfind('.');
    if (comma == std::string_view::npos && point == std::string_view::npos)
        return ENumberStyle::Unknown;
    if (comma != std::string_view::npos && point != std::string_view::npos)
        return comma > point ? ENumberStyle::German : ENumberStyle::English;
    // One kind of separator: a decimal symbol unless exactly three digits follow its only use.
    const bool isComma = comma != std::string_view::npos;
    const std::size_t at = isComma ? comma : point;
    const char symbol = isComma ? ',' : '.';
    const bool once = text.find(symbol) == at;
    const bool threeDigits = text.size() - at - 1 == 3;
    if (once && !threeDigits)
        return isComma ? ENumberStyle::German : ENumberStyle::English;
    if (!once)
        return isComma ? ENumberStyle::English : ENumberStyle::German;
    return ENumberStyle::Unknown;
}

bool ParseDateTime(std::string_view text, CDateTime& value)
{
    text = Trim(text);
    std::size_t at = 0;
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (!ReadDate(text, at, year, month, day))
        return false;
    if (at < text.size()) {
        if (text[at] != ' ' && text[at] != 'T')
            return false;
        while (at < text.size() && (text[at] == ' ' || text[at] == 'T'))
            ++at;
        if (!ReadClock(text, at, hour, minute, second) || !SkipFractionAndZone(text, at))
            return false;
    }
    const CDateTime result(year, month, day, hour, minute, second);
    if (!result.IsValid())
        return false;
    value = result;
    return true;
}

bool ParseTime(std::string_view text, int& hour, int& minute, int& second)
{
    text = Trim(text);
    std::size_t at = 0;
    return ReadClock(text, at, hour, minute, second) && at == text.size() && hour < 24 && minute < 60 &&
           second < 60;
}

} // namespace RegisterText
