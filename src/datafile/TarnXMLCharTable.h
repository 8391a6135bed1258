#pragma once

#include <array>
#include <cstdint>
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
