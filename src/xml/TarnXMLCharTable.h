#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define KK_TARNXML_SSE2 1
#endif

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

#ifdef KK_TARNXML_SSE2
// Bit i set where byte i of the 16 bytes at `p` is white space.
inline unsigned TarnXMLSpaceMask16(const char* p)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    __m128i spaces =
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')));
    spaces = _mm_or_si128(spaces, _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')));
    spaces = _mm_or_si128(spaces, _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t')));
    return static_cast<unsigned>(_mm_movemask_epi8(spaces));
}
#endif

// First byte in [p, end) that is not white space, or `end`. Indentation (a line end and a few
// blanks) is mostly skipped in one step of 16 bytes, else by words of blanks.
inline char* SkipTarnXMLSpaces(char* p, char* end)
{
#ifdef KK_TARNXML_SSE2
    for (; end - p >= 16; p += 16) {
        const unsigned others = ~TarnXMLSpaceMask16(p) & 0xFFFFu;
        if (others != 0)
            return p + std::countr_zero(others);
    }
#endif
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
#ifdef KK_TARNXML_SSE2
    for (; end - start >= 16; end -= 16) {
        const unsigned others = ~TarnXMLSpaceMask16(end - 16) & 0xFFFFu;
        if (others != 0)
            return end - 16 + std::bit_width(others);
    }
#endif
    for (;;) {
        if (end - start >= 8 && LoadTarnXMLWord(end - 8) == kEightTarnXMLBlanks)
            end -= 8;
        else if (end > start && IsTarnXMLSpace(end[-1]))
            --end;
        else
            return end;
    }
}
