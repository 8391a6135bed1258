#include "ItemNames.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <array>

namespace {

// What Normalise writes for a lower-case Windows-1252 byte from 0xE0 on; empty drops it.
constexpr std::array<const char*, 32> kAccented = {
    "a", "a", "a", "a", "ae", "a", "ae", "c",  // à á â ã ä å æ ç
    "e", "e", "e", "e", "i",  "i", "i",  "i",  // è é ê ë ì í î ï
    "d", "n", "o", "o", "o",  "o", "oe", "",   // ð ñ ò ó ô õ ö ÷
    "o", "u", "u", "u", "ue", "y", "th", "y"}; // ø ù ú û ü ý þ ÿ

unsigned char LowerByte(unsigned char c)
{
    return static_cast<unsigned char>(LowerWindows1252(static_cast<char>(c)));
}

} // namespace

namespace ItemNames {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(LowerByte(static_cast<unsigned char>(c)));
    return lower;
}

std::string Normalise(std::string_view text)
{
    std::string result;
    result.reserve(text.size() + 4);
    for (const char raw : text) {
        const unsigned char c = LowerByte(static_cast<unsigned char>(raw));
        if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
            result += static_cast<char>(c);
        else if (c == 0xDF)
            result += "ss";
        else if (c >= 0xE0)
            result += kAccented[c - 0xE0];
        else if (c == 0x9A || c == 0x9C || c == 0x9E) // š œ ž
            result += c == 0x9C ? "oe" : c == 0x9A ? "s" : "z";
    }
    return result;
}

std::vector<std::string> Trigrams(std::string_view normalised)
{
    const std::string framed = "##" + std::string(normalised) + "#";
    std::vector<std::string> trigrams;
    for (std::size_t i = 0; i + 3 <= framed.size(); ++i)
        trigrams.push_back(framed.substr(i, 3));
    std::sort(trigrams.begin(), trigrams.end());
    trigrams.erase(std::unique(trigrams.begin(), trigrams.end()), trigrams.end());
    return trigrams;
}

double Similarity(std::string_view a, std::string_view b)
{
    if (a.empty() || b.empty())
        return 0.0;
    const std::vector<std::string> left = Trigrams(a), right = Trigrams(b);
    std::vector<std::string> shared;
    std::set_intersection(left.begin(), left.end(), right.begin(), right.end(), std::back_inserter(shared));
    return 2.0 * static_cast<double>(shared.size()) / static_cast<double>(left.size() + right.size());
}

} // namespace ItemNames
