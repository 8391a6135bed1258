#pragma once

#include "catalogue/DateTime.h"
#include "platform/Clock.h"
#include "platform/MessageService.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class CIniFile;

// The optional diagnostic log. Configured once from a section of the settings file, it
// appends one time-stamped entry per Write, opening and closing the file each time so that
// the log can be read while the program runs. Every 1001st entry of a run it cuts the file
// to its size limit and drops entries older than its age limit. When the file cannot be
// opened, the user is told once and the log stays off for the rest of the run.
class CLogFile
{
public:
    static constexpr int32_t kNoLimit = -1;
    static constexpr const char* kOpenFailedText =
        "The logfile cannot be opened. Please check your settings for a correct filename and check the "
        "existence of the used directory.";

    CLogFile(const CClock& clock, CMessageService& messages);

    // Reads the settings from `section` of the settings file. A bare file name is looked up
    // where the platform keeps settings files (CPlatformPaths::SettingsFile). An empty
    // `Filename` leaves the log off.
    void Configure(const std::string& settingsFile, const std::string& section);
    void Configure(const CIniFile& settings, const std::string& section);

    // Appends "dd.mm.yyyy hh:mm:ss : text", preceded by "\r\n" unless the file is empty.
    // Does nothing while the log is off or when the text is empty.
    void Write(std::string_view text);

    bool IsActive() const { return m_config.Active; }
    const std::string& GetFileName() const { return m_config.FileName; }
    bool IsSizeCheckOn() const { return m_config.CheckSize; }
    int32_t GetMaxSize() const { return m_config.MaxSize; }
    int32_t GetMinSize() const { return m_config.MinSize; }
    bool IsAgeCheckOn() const { return m_config.CheckTime; }
    CDateTimeSpan GetTimeSpan() const { return m_config.TimeSpan; }

    // The limits in force after reading MaxSize and MinSize: -1 on either side switches both
    // off; the minimum lies within 4096 .. 0xFF000, the maximum within minimum + 4096 ..
    // 0x100000.
    static void NormaliseSizeLimits(int32_t& maxSize, int32_t& minSize);

    // Where the part kept by a size cut begins: after the first line feed within the last
    // minSize bytes. When those hold none (the last entry alone is longer than minSize), at
    // the start of the last line, so the newest entry is kept whole with its time stamp
    // rather than cut in the middle; a text without any line feed is kept entirely.
    static std::size_t SizeCutStart(std::string_view text, std::size_t minSize);
    // The length of the front that an age cut drops: whole lines up to the first one that
    // begins with a time stamp at or after the cutoff. Lines without a time stamp go too.
    static std::size_t ExpiredLength(std::string_view text, const CDateTime& cutoff);

private:
    void ReadSizeLimits(const CIniFile& settings, const std::string& section);
    void ReadTimeSpan(const CIniFile& settings, const std::string& section);
    bool AppendEntry(std::string_view text) const;
    std::string TimeStamp() const;
    void CheckSize() const;
    void CheckAge() const;
    static std::optional<CDateTime> ReadTimeStamp(std::string_view text);

    const CClock& m_clock;
    CMessageService& m_messages;

    struct CConfig
    {
        std::string FileName;
        std::filesystem::path FilePath;
        bool Active = false;
        bool CheckSize = false;
        int32_t MaxSize = kNoLimit;
        int32_t MinSize = kNoLimit;
        bool CheckTime = false;
        CDateTimeSpan TimeSpan;
    };

    CConfig m_config;
    int m_writeCounter = 0;
};
