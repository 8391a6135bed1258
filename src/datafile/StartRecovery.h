#pragma once

#include "datafile/DataFileLoader.h"
#include "platform/FileUtilities.h"
#include "platform/MessageService.h"

#include <optional>
#include <string>

// What the start does about a data file that is missing or cannot be read, so that the user's
// data are never thrown away and found again without help:
//  - a data file that cannot be read is put aside under a name of its own that no save ever
//    touches (CDataFileNames::FreeUnreadable), and the user is told where (message 235, with
//    236 naming a backup that reads, else 237);
//  - with no data file, the newest complete copy (the new file of an interrupted save, or the
//    backup) is offered for restoring as the data file (question 238, Yes by default).
// Each step is logged under kLogPrefix, a failed one with its error code.
class CStartRecovery
{
public:
    static constexpr const char* kLogPrefix = "CDataSession::LoadAtStart() -> ";

    CStartRecovery(CFileUtilities& utilities, CMessageService& messages, CDataFileLoader& loader);

    // Moves the unreadable data file aside and tells the user; false (after message 243) when
    // it cannot be moved: then it must not be saved over.
    bool PutAside(const std::string& dataPath);
    // Offers the newest complete copy and restores it as the data file when the user agrees.
    // True when the data file is there afterwards.
    bool RestoreCopy(const std::string& dataPath);

private:
    struct CCopy
    {
        std::string Path;
        int KindText = 0;
        CLocalTime Modified;
    };

    std::optional<CCopy> ReadableCopy(const std::string& path, int kindText);
    std::optional<CCopy> NewestCopy(const std::string& dataPath);
    bool Restore(const CCopy& copy, const std::string& dataPath);
    std::string BackupNote(const std::string& dataPath);
    bool Succeeded(const std::string& step, int error);
    void Log(const std::string& step);
    static std::string DateText(const CLocalTime& time);

    CFileUtilities& m_utilities;
    CMessageService& m_messages;
    CDataFileLoader& m_loader;
};
