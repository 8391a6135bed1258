#include "LogFile.h"

#include "TextScanner.h"
#include "platform/IniFile.h"
#include "platform/PlatformPaths.h"
#include "platform/UpdateFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The size and age checks run when the write counter exceeds this, i.e. on every 1001st entry.
constexpr int kEntriesBetweenChecks = 1000;

constexpr int32_t kMinSizeFloor = 4096;
constexpr int32_t kMinSizeCeiling = 0xFF000;
constexpr int32_t kMaxSizeCeiling = 0x100000;
constexpr int32_t kMaxSizeGap = 4096;

bool IsTrue(std::string value)
{
    std::transform(value.begin(), value.end(), value.begin(),
                   [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; });
    return value == "TRUE";
}

} // namespace

CLogFile::CLogFile(const CClock& clock, CMessageService& messages) : m_clock(clock), m_messages(messages) {}

void CLogFile::Configure(const std::string& settingsFile, const std::string& section)
{
    Configure(CIniFile(CPlatformPaths::SettingsFile(settingsFile)), section);
}

void CLogFile::Configure(const CIniFile& settings, const std::string& section)
{
    m_config = CConfig{};
    m_writeCounter = 0;
    m_config.FileName = settings.GetString(section, "Filename", "");
    if (m_config.FileName.empty())
        return;
    m_config.FilePath = CPlatformPaths::FromText(m_config.FileName);
    m_config.Active = IsTrue(settings.GetString(section, "Active", ""));
    ReadSizeLimits(settings, section);
    m_config.CheckTime = IsTrue(settings.GetString(section, "CheckTime", ""));
    ReadTimeSpan(settings, section);
}

void CLogFile::ReadSizeLimits(const CIniFile& settings, const std::string& section)
{
    m_config.CheckSize = IsTrue(settings.GetString(section, "CheckSize", ""));
    if (!m_config.CheckSize)
        return;
    m_config.MaxSize = CTextScanner::ToInt(settings.GetString(section, "MaxSize", "-1"));
    m_config.MinSize = CTextScanner::ToInt(settings.GetString(section, "MinSize", "-1"));
    NormaliseSizeLimits(m_config.MaxSize, m_config.MinSize);
}

void CLogFile::ReadTimeSpan(const CIniFile& settings, const std::string& section)
{
    const auto number = [&](const char* key) {
        return CTextScanner::ToInt(settings.GetString(section, key, "0"));
    };
    m_config.TimeSpan = CDateTimeSpan(number("TimeSpanDays"), number("TimeSpanHours"),
                                      number("TimeSpanMinutes"), number("TimeSpanSeconds"));
}

void CLogFile::NormaliseSizeLimits(int32_t& maxSize, int32_t& minSize)
{
    if (minSize == kNoLimit)
        maxSize = kNoLimit;
    if (maxSize == kNoLimit)
        minSize = kNoLimit;
    if (minSize != kNoLimit)
        minSize = std::clamp(minSize, kMinSizeFloor, kMinSizeCeiling);
    if (maxSize != kNoLimit)
        maxSize = maxSize > kMaxSizeCeiling ? kMaxSizeCeiling : std::max(maxSize, minSize + kMaxSizeGap);
}

void CLogFile::Write(std::string_view text)
{
    if (!m_config.Active || text.empty())
        return;
    if (!AppendEntry(text)) {
        m_config.Active = false;
        m_messages.ShowMessage(kOpenFailedText, std::string());
        return;
    }
    if (++m_writeCounter > kEntriesBetweenChecks) {
        m_writeCounter = 0;
        CheckSize();
        CheckAge();
    }
}

// False only when the file can be neither opened nor created.
bool CLogFile::AppendEntry(std::string_view text) const
{
    CUpdateFile file(m_config.FilePath, true);
    if (!file.IsOpen())
        return false;
    std::string entry;
    if (!file.IsEmpty())
        entry = "\r\n";
    entry += TimeStamp();
    entry += " : ";
    entry += text;
    file.Append(entry);
    return true;
}

std::string CLogFile::TimeStamp() const
{
    const CLocalTime now = m_clock.LocalNow();
    char text[96];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", now.Day, now.Month, now.Year, now.Hour,
                  now.Minute, now.Second);
    return text;
}

// Cuts the file to about MinSize bytes once it exceeds MaxSize, keeping whole lines.
void CLogFile::CheckSize() const
{
    if (!m_config.CheckSize || m_config.MaxSize < 0 || m_config.MinSize <= 0)
        return;
    CUpdateFile file(m_config.FilePath, false);
    const std::optional<std::string> text = file.ReadAll();
    if (!text || text->size() <= static_cast<std::size_t>(m_config.MaxSize))
        return;
    const std::size_t keepFrom = SizeCutStart(*text, static_cast<std::size_t>(m_config.MinSize));
    if (keepFrom > 0)
        file.ReplaceContents(text->substr(keepFrom));
}

std::size_t CLogFile::SizeCutStart(std::string_view text, std::size_t minSize)
{
    const std::size_t tailStart = text.size() - std::min(text.size(), minSize);
    std::size_t lineFeed = text.find('\n', tailStart);
    if (lineFeed == std::string_view::npos)
        lineFeed = text.rfind('\n', tailStart);
    return lineFeed == std::string_view::npos ? 0 : lineFeed + 1;
}

// Drops entries older than now minus the age limit from the front of the file. A limit that
// rounds to zero seconds or less, or reaches before the calendar, cuts nothing.
void CLogFile::CheckAge() const
{
    if (!m_config.CheckTime || std::llround(m_config.TimeSpan.GetTotalSeconds()) <= 0)
        return;
    const CDateTime cutoff = CDateTime::Now(m_clock) - m_config.TimeSpan;
    if (!cutoff.IsValid())
        return;
    CUpdateFile file(m_config.FilePath, false);
    const std::optional<std::string> text = file.ReadAll();
    if (!text)
        return;
    const std::size_t expired = ExpiredLength(*text, cutoff);
    if (expired > 0)
        file.ReplaceContents(text->substr(expired));
}

// Every step drops at least one byte, so the loop always ends.
std::size_t CLogFile::ExpiredLength(std::string_view text, const CDateTime& cutoff)
{
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::optional<CDateTime> stamp = ReadTimeStamp(text.substr(pos));
        if (stamp && *stamp >= cutoff)
            break;
        const std::size_t lineFeed = text.find('\n', pos);
        pos = lineFeed == std::string_view::npos ? text.size() : lineFeed + 1;
    }
    return pos;
}

// The time stamp "dd.mm.yyyy hh:mm:ss : " at the start of an entry; nothing when the text
// does not start like an entry or the stamp is no valid date and time.
std::optional<CDateTime> CLogFile::ReadTimeStamp(std::string_view text)
{
    if (text.size() < 21 || text[2] != '.' || text[16] != ':' || text[20] != ':')
        return std::nullopt;
    int day = 0, month = 0, year = 0, hour = 0, minute = 0, second = 0;
    CTextScanner scanner(text.substr(0, 19));
    const bool read = scanner.ReadInt(day) && scanner.Expect('.') && scanner.ReadInt(month) &&
                      scanner.Expect('.') && scanner.ReadInt(year) && scanner.ReadInt(hour) &&
                      scanner.Expect(':') && scanner.ReadInt(minute) && scanner.Expect(':') &&
                      scanner.ReadInt(second);
    const CDateTime stamp(year, month, day, hour, minute, second);
    return read && stamp.IsValid() ? std::optional<CDateTime>(stamp) : std::nullopt;
}
