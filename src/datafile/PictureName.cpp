#include "PictureName.h"

#include "platform/PathText.h"

#include <cctype>
#include <string_view>

std::string CPictureName::Bare(const std::string& name)
{
    const auto last = name.find_last_of("/\\");
    std::string bare = last == std::string::npos ? name : name.substr(last + 1);
    if (bare.size() >= 2 && bare[1] == ':' && std::isalpha(static_cast<unsigned char>(bare[0])))
        bare.erase(0, 2);
    if (bare == "." || bare == "..")
        bare.clear();
    return bare;
}

bool CPictureName::HasPictureEnding(const std::string& name)
{
    const std::string lower = CPathText::ToLower(name);
    for (const std::string_view ending : {".jpg", ".jpeg", ".gif", ".bmp", ".png"}) {
        if (lower.size() > ending.size() && lower.ends_with(ending))
            return true;
    }
    return false;
}

std::string CPictureName::PathIn(const std::string& dataDirectory, const std::string& name)
{
    const std::string bare = Bare(name);
    return bare.empty() ? std::string() : CPathText::Join(dataDirectory, bare);
}
