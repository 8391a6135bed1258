#include "DataFileNames.h"

#include "platform/PathText.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string_view>

namespace {

constexpr std::size_t kExtensionLength = 4;
constexpr std::string_view kTimePattern = "_dddd_dd_dd_dd_dd_dd";
constexpr int kMaxNumberedNames = 100;

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

} // namespace

std::string CDataFileNames::Stem() const
{
    const std::size_t nameLength = CPathText::FileNameOf(m_dataPath).size();
    return m_dataPath.substr(0, m_dataPath.size() - std::min(kExtensionLength, nameLength));
}

std::string CDataFileNames::Backup() const
{
    return Stem() + "_Backup.XML";
}

std::string CDataFileNames::RescueCopy(const CLocalTime& now) const
{
    return Stem() + TimeText(now) + ".XML";
}

std::string CDataFileNames::FreeRescueCopy(CFileSystem& files, const CLocalTime& now) const
{
    return FreeName(files, Stem() + TimeText(now));
}

std::string CDataFileNames::FreeUnreadable(CFileSystem& files, const CLocalTime& now) const
{
    return FreeName(files, Stem() + "_Unreadable" + TimeText(now));
}

std::string CDataFileNames::TimeText(const CLocalTime& time)
{
    char text[64];
    std::snprintf(text, sizeof text, "_%04d_%02d_%02d_%02d_%02d_%02d", time.Year, time.Month, time.Day,
                  time.Hour, time.Minute, time.Second);
    return text;
}

std::string CDataFileNames::FreeName(CFileSystem& files, const std::string& base)
{
    for (int number = 1; number <= kMaxNumberedNames; ++number) {
        std::string name = base + (number == 1 ? std::string() : "_" + std::to_string(number)) + ".XML";
        if (!files.Exists(name))
            return name;
    }
    return {};
}

std::string CDataFileNames::Import() const
{
    return Stem() + "_Import.XML";
}

std::string CDataFileNames::NewFile() const
{
    return Stem() + "_New.XML";
}

std::string CDataFileNames::LockFile() const
{
    return m_dataPath + ".lock";
}

bool CDataFileNames::IsOwnFileName(const std::string& name) const
{
    const std::string lower = CPathText::ToLower(name);
    for (const std::string& own : {m_dataPath, Backup(), Import(), NewFile(), LockFile()}) {
        if (lower == CPathText::ToLower(CPathText::FileNameOf(own)))
            return true;
    }
    const std::string stemName = CPathText::ToLower(CPathText::FileNameOf(Stem()));
    return IsTimedName(lower, stemName) || IsTimedName(lower, stemName + "_unreadable");
}

// `lowerStart` + "_dddd_dd_dd_dd_dd_dd", optionally "_" and a number, then ".xml"; "d" stands
// for any digit.
bool CDataFileNames::IsTimedName(const std::string& lowerName, const std::string& lowerStart)
{
    const std::size_t timeEnd = lowerStart.size() + kTimePattern.size();
    if (lowerName.size() < timeEnd + 4 || lowerName.compare(0, lowerStart.size(), lowerStart) != 0 ||
        lowerName.compare(lowerName.size() - 4, 4, ".xml") != 0)
        return false;
    for (std::size_t i = 0; i < kTimePattern.size(); ++i) {
        const char c = lowerName[lowerStart.size() + i];
        if (kTimePattern[i] == 'd' ? !IsDigit(c) : c != kTimePattern[i])
            return false;
    }
    const std::string number = lowerName.substr(timeEnd, lowerName.size() - 4 - timeEnd);
    return number.empty() ||
           (number.size() > 1 && number[0] == '_' && std::all_of(number.begin() + 1, number.end(), IsDigit));
}
