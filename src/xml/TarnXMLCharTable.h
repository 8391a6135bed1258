#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

// A 256-entry set of bytes at which a scan loop stops. The terminating zero is always a member,
// so a loop over a zero-terminated text never runs past its end.
class CTarnXMLCharTable
{
public:
    constexpr explicit CTarnXMLCharTable(std::string_view stops)
    {
        m_stop[0] = true;
        for (char c : stops)
            m_stop[static_cast<std::uint8_t>(c)] = true;
    }

    constexpr bool IsStop(char c) const { return m_stop[static_cast<std::uint8_t>(c)]; }

    // First stop byte at or after `p`.
    const char* Skip(const char* p) const
    {
        while (!IsStop(*p))
            ++p;
        return p;
    }

private:
    std::array<bool, 256> m_stop{};
};

// Blank, CR, LF and TAB.
constexpr bool IsTarnXMLSpace(char c)
{
    constexpr std::uint64_t kSpaces = (1ull << ' ') | (1ull << '\r') | (1ull << '\n') | (1ull << '\t');
    const auto byte = static_cast<std::uint8_t>(c);
    return byte <= ' ' && ((kSpaces >> byte) & 1) != 0;
}

constexpr bool IsTarnXMLDigit(char c)
{
    return c >= '0' && c <= '9';
}

// ASCII letters only: names are bytes, not characters of a code page.
constexpr bool IsTarnXMLLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

inline constexpr std::uint64_t kEightTarnXMLBlanks = 0x2020202020202020ull;

inline std::uint64_t LoadTarnXMLWord(const char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// First byte in [p, end) that is not white space, or `end`. Indentation is mostly blanks, so
// whole words of blanks are skipped wherever they start (after a line end, say).
inline char* SkipTarnXMLSpaces(char* p, char* end)
{
    for (;;) {
        if (end - p >= 8 && LoadTarnXMLWord(p) == kEightTarnXMLBlanks)
            p += 8;
        else if (p < end && IsTarnXMLSpace(*p))
            ++p;
        else
            return p;
    }
}

// Start of the white space that ends [start, end), or `end`.
inline char* TrimTarnXMLSpacesAtEnd(char* start, char* end)
{
    for (;;) {
        if (end - start >= 8 && LoadTarnXMLWord(end - 8) == kEightTarnXMLBlanks)
            end -= 8;
        else if (end > start && IsTarnXMLSpace(end[-1]))
            --end;
        else
            return end;
    }
}
