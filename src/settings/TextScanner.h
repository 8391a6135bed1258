#pragma once

#include <cstddef>
#include <string_view>

// Reads decimal numbers from text the way the C library's atoi and scanf("%d", "%u") do:
// blanks before a number are skipped, then an optional sign and at least one digit; text
// after the number is left for the next read. Unlike the C library, numbers beyond the
// range of the target type are well defined: "%d" saturates, "%u" saturates the magnitude
// and wraps a negative value as strtoul does.
class CTextScanner
{
public:
    explicit CTextScanner(std::string_view text) : m_text(text) {}

    // The leading decimal integer of the text, 0 when there is none (atoi).
    static int ToInt(std::string_view text);

    bool ReadInt(int& value);
    bool ReadUnsigned(unsigned& value);
    // Consumes the character when it comes next; blanks are not skipped (a literal in a
    // scanf format).
    bool Expect(char c);

private:
    bool ReadMagnitude(bool& negative, unsigned long long& magnitude);
    void SkipBlanks();

    std::string_view m_text;
    std::size_t m_pos = 0;
};
