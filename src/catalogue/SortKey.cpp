#include "SortKey.h"

namespace {

// Windows-1252 bytes of the umlauts.
constexpr unsigned char kUpperA = 0xC4, kLowerA = 0xE4;
constexpr unsigned char kUpperO = 0xD6, kLowerO = 0xF6;
constexpr unsigned char kUpperU = 0xDC, kLowerU = 0xFC;

char Fold(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z')
        return static_cast<char>(byte - 'a' + 'A');
    if (byte == kUpperA || byte == kLowerA)
        return 'A';
    if (byte == kUpperO || byte == kLowerO)
        return 'O';
    if (byte == kUpperU || byte == kLowerU)
        return 'U';
    return c;
}

} // namespace

namespace SortKey {

std::string Make(const std::string& text)
{
    std::string key(text);
    for (char& c : key)
        c = Fold(c);
    return key;
}

int Compare(const std::string& a, const std::string& b)
{
    // std::char_traits<char> compares as unsigned char.
    return a.compare(b);
}

} // namespace SortKey
