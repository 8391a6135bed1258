#include "PathText.h"

#include "Windows1252.h"

#include <algorithm>

namespace {

std::string::size_type LastSeparator(const std::string& path)
{
    for (auto i = path.size(); i > 0; --i) {
        if (CPathText::IsSeparator(path[i - 1]))
            return i - 1;
    }
    return std::string::npos;
}

} // namespace

char CPathText::Separator()
{
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

bool CPathText::IsSeparator(char c)
{
#ifdef _WIN32
    return c == '\\' || c == '/';
#else
    return c == '/';
#endif
}

std::optional<std::string> CPathText::DirectoryOf(const std::string& path)
{
    const auto last = LastSeparator(path);
    if (last == std::string::npos)
        return std::nullopt;
    return path.substr(0, last);
}

std::string CPathText::FileNameOf(const std::string& path)
{
    const auto last = LastSeparator(path);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string CPathText::Join(const std::string& directory, const std::string& name)
{
    return WithoutTrailingSeparator(directory) + Separator() + name;
}

std::string CPathText::WithoutTrailingSeparator(const std::string& path)
{
    if (!path.empty() && IsSeparator(path.back()))
        return path.substr(0, path.size() - 1);
    return path;
}

std::string CPathText::WithTrailingSeparator(const std::string& path)
{
    if (!path.empty() && IsSeparator(path.back()))
        return path;
    return path + Separator();
}

bool CPathText::SamePath(const std::string& a, const std::string& b)
{
#ifdef _WIN32
    return EqualIgnoringCase(a, b);
#else
    return a == b;
#endif
}

bool CPathText::EqualIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerWindows1252(x) == LowerWindows1252(y);
           });
}

std::string CPathText::ToLower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), LowerWindows1252);
    return text;
}
