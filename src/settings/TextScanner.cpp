#include "TextScanner.h"

#include <climits>

namespace {

// Above every value the targets can hold; accumulation stops here so it cannot overflow.
constexpr unsigned long long kSaturated = 1ULL << 40;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int CTextScanner::ToInt(std::string_view text)
{
    int value = 0;
    CTextScanner scanner(text);
    return scanner.ReadInt(value) ? value : 0;
}

bool CTextScanner::ReadInt(int& value)
{
    bool negative = false;
    unsigned long long magnitude = 0;
    if (!ReadMagnitude(negative, magnitude))
        return false;
    if (negative)
        value = magnitude > static_cast<unsigned long long>(INT_MAX) + 1
                    ? INT_MIN
                    : static_cast<int>(-static_cast<long long>(magnitude));
    else
        value = magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
    return true;
}

bool CTextScanner::ReadUnsigned(unsigned& value)
{
    bool negative = false;
    unsigned long long magnitude = 0;
    if (!ReadMagnitude(negative, magnitude))
        return false;
    const unsigned saturated = magnitude > UINT_MAX ? UINT_MAX : static_cast<unsigned>(magnitude);
    value = negative ? 0U - saturated : saturated;
    return true;
}

bool CTextScanner::Expect(char c)
{
    if (m_pos >= m_text.size() || m_text[m_pos] != c)
        return false;
    ++m_pos;
    return true;
}

bool CTextScanner::ReadMagnitude(bool& negative, unsigned long long& magnitude)
{
    SkipBlanks();
    std::size_t pos = m_pos;
    negative = pos < m_text.size() && m_text[pos] == '-';
    if (pos < m_text.size() && (m_text[pos] == '-' || m_text[pos] == '+'))
        ++pos;
    if (pos >= m_text.size() || !IsDigit(m_text[pos]))
        return false;
    magnitude = 0;
    for (; pos < m_text.size() && IsDigit(m_text[pos]); ++pos) {
        if (magnitude < kSaturated)
            magnitude = magnitude * 10 + static_cast<unsigned>(m_text[pos] - '0');
    }
    m_pos = pos;
    return true;
}

void CTextScanner::SkipBlanks()
{
    while (m_pos < m_text.size() &&
           (m_text[m_pos] == ' ' || (m_text[m_pos] >= '\t' && m_text[m_pos] <= '\r')))
        ++m_pos;
}
