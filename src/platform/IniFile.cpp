#include "IniFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i]))
            return false;
    }
    return true;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// The section name of a "[name]" line; a missing ']' takes the rest of the line.
std::string_view SectionName(std::string_view line)
{
    line.remove_prefix(1);
    return Trim(line.substr(0, line.find(']')));
}

std::string CutToBuffer(std::string_view value, std::size_t bufferSize)
{
    if (bufferSize == 0)
        return {};
    return std::string(value.substr(0, bufferSize - 1));
}

} // namespace

CIniFile::CIniFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (in)
        m_text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (m_text.starts_with("\xEF\xBB\xBF"))
        m_text.erase(0, 3);
}

CIniFile CIniFile::FromText(std::string text)
{
    CIniFile file;
    file.m_text = std::move(text);
    return file;
}

std::string CIniFile::GetString(std::string_view section, std::string_view key, std::string_view defaultValue,
                                std::size_t bufferSize) const
{
    std::string_view value;
    if (!FindValue(section, key, value)) {
        while (!defaultValue.empty() && IsBlank(defaultValue.back()))
            defaultValue.remove_suffix(1);
        value = defaultValue;
    }
    return CutToBuffer(value, bufferSize);
}

bool CIniFile::FindValue(std::string_view section, std::string_view key, std::string_view& value) const
{
    const std::string_view text = m_text;
    bool inSection = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            inSection = EqualsNoCase(SectionName(line), Trim(section));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!inSection || equals == std::string_view::npos ||
            !EqualsNoCase(Trim(line.substr(0, equals)), Trim(key)))
            continue;
        value = Unquote(Trim(line.substr(equals + 1)));
        return true;
    }
    return false;
}
