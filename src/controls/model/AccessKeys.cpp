#include "AccessKeys.h"

#include <array>
#include <cstddef>

namespace {

bool IsKeyCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

char KeyOf(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWord(const std::string& name, std::size_t at)
{
    return at == 0 || !IsKeyCharacter(name[at - 1]);
}

// The position of the access key in `name`, or npos when every candidate is taken.
std::size_t ChooseKey(const std::string& name, const std::array<bool, 256>& taken)
{
    for (const bool wordStartsOnly : {true, false}) {
        for (std::size_t at = 0; at < name.size(); ++at) {
            const char c = name[at];
            if (IsKeyCharacter(c) && !taken[static_cast<unsigned char>(KeyOf(c))] &&
                (!wordStartsOnly || StartsWord(name, at)))
                return at;
        }
    }
    return std::string::npos;
}

} // namespace

std::vector<std::string> MenuTextsWithAccessKeys(const std::vector<std::string>& names)
{
    std::array<bool, 256> taken{};
    std::vector<std::string> texts;
    texts.reserve(names.size());
    for (const std::string& name : names) {
        const std::size_t key = ChooseKey(name, taken);
        if (key != std::string::npos)
            taken[static_cast<unsigned char>(KeyOf(name[key]))] = true;
        std::string text;
        for (std::size_t at = 0; at < name.size(); ++at) {
            if (at == key)
                text += '&';
            text += name[at];
            if (name[at] == '&')
                text += '&';
        }
        texts.push_back(std::move(text));
    }
    return texts;
}
