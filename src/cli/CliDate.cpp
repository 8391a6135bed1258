#include "CliDate.h"

namespace {

// The shape of "YYYY-MM-DDTHH:MM:SS"; digits where '9' stands.
constexpr char kPattern[] = "9999-99-99T99:99:99";

int Number(const std::string& text, size_t pos, size_t length)
{
    int value = 0;
    for (size_t i = pos; i < pos + length; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool Matches(const std::string& text)
{
    if (text.size() != 10 && text.size() != 16 && text.size() != 19)
        return false;
    for (size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kPattern[i] == '9' ? !digit : text[i] != kPattern[i])
            return false;
    }
    return true;
}

} // namespace

std::optional<CDateTime> ParseCliDate(const std::string& text)
{
    if (!Matches(text))
        return std::nullopt;
    const bool hasTime = text.size() >= 16;
    const CDateTime value(Number(text, 0, 4), Number(text, 5, 2), Number(text, 8, 2),
                          hasTime ? Number(text, 11, 2) : 0, hasTime ? Number(text, 14, 2) : 0,
                          text.size() == 19 ? Number(text, 17, 2) : 0);
    if (!value.IsValid())
        return std::nullopt;
    return value;
}
