#include "DataFileNames.h"

#include "platform/PathText.h"

#include <cctype>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::size_t kExtensionLength = 4;
constexpr std::string_view kRescuePattern = "_dddd_dd_dd_dd_dd_dd.xml";

} // namespace

std::string CDataFileNames::Stem() const
{
    return m_dataPath.substr(0,
                             m_dataPath.size() > kExtensionLength ? m_dataPath.size() - kExtensionLength : 0);
}

std::string CDataFileNames::Backup() const
{
    return Stem() + "_Backup.XML";
}

std::string CDataFileNames::RescueCopy(const CLocalTime& now) const
{
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, "_%04d_%02d_%02d_%02d_%02d_%02d.XML", now.Year, now.Month, now.Day,
                  now.Hour, now.Minute, now.Second);
    return Stem() + suffix;
}

std::string CDataFileNames::Import() const
{
    return Stem() + "_Import.XML";
}

std::string CDataFileNames::NewFile() const
{
    return Stem() + "_New.XML";
}

bool CDataFileNames::IsOwnFileName(const std::string& name) const
{
    const std::string lower = CPathText::ToLower(name);
    for (const std::string& own : {m_dataPath, Backup(), Import(), NewFile()}) {
        if (lower == CPathText::ToLower(CPathText::FileNameOf(own)))
            return true;
    }
    return IsRescueCopyName(lower, CPathText::ToLower(CPathText::FileNameOf(Stem())));
}

// "d" in the pattern stands for any digit.
bool CDataFileNames::IsRescueCopyName(const std::string& lowerName, const std::string& lowerStemName) const
{
    if (lowerName.size() != lowerStemName.size() + kRescuePattern.size() ||
        lowerName.compare(0, lowerStemName.size(), lowerStemName) != 0)
        return false;
    for (std::size_t i = 0; i < kRescuePattern.size(); ++i) {
        const char c = lowerName[lowerStemName.size() + i];
        const bool matches = kRescuePattern[i] == 'd' ? std::isdigit(static_cast<unsigned char>(c)) != 0
                                                      : c == kRescuePattern[i];
        if (!matches)
            return false;
    }
    return true;
}
