#include "StartRecovery.h"

#include "catalogue/Data.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileNames.h"
#include "datafile/FileErrorText.h"
#include "datafile/ProgramMessages.h"
#include "platform/PathText.h"
#include "resources/StringIds.h"

#include <cerrno>
#include <cstdio>
#include <tuple>

CStartRecovery::CStartRecovery(CFileUtilities& utilities, CMessageService& messages, CDataFileLoader& loader)
    : m_utilities(utilities), m_messages(messages), m_loader(loader)
{}

bool CStartRecovery::PutAside(const std::string& dataPath)
{
    const CDataFileNames names(dataPath);
    const std::string aside = names.FreeUnreadable(m_utilities.Files(), m_utilities.Clock().LocalNow());
    Log("keep unreadable data file as " + aside);
    const int error = aside.empty() ? EEXIST : m_utilities.Files().Rename(dataPath, aside);
    if (!Succeeded("keep unreadable data file", error)) {
        CProgramMessages::ShowText(
            m_messages,
            CProgramMessages::Format(StringId::kCannotPutAside, {dataPath, CFileErrorText::Reason(error)}));
        return false;
    }
    m_utilities.Files().SyncDirectory(CPathText::DirectoryOf(dataPath).value_or("."));
    CProgramMessages::ShowText(m_messages, CProgramMessages::Format(StringId::kPutAside, {dataPath, aside}) +
                                               BackupNote(dataPath));
    return true;
}

std::string CStartRecovery::BackupNote(const std::string& dataPath)
{
    const auto backup = ReadableCopy(CDataFileNames(dataPath).Backup(), StringId::kBackupKind);
    if (!backup)
        return CStringTables::Load(StringId::kNoBackupNote);
    return CProgramMessages::Format(StringId::kBackupReadsNote, {backup->Path, DateText(backup->Modified)});
}

bool CStartRecovery::RestoreCopy(const std::string& dataPath)
{
    const std::optional<CCopy> copy = NewestCopy(dataPath);
    if (!copy)
        return false;
    const std::string question =
        CProgramMessages::Format(StringId::kRestoreQuestion, {dataPath, CStringTables::Load(copy->KindText),
                                                              DateText(copy->Modified), copy->Path});
    if (!CProgramMessages::AskYesNo(m_messages, question)) {
        Log("restore declined: " + copy->Path);
        return false;
    }
    return Restore(*copy, dataPath);
}

// The later of the two; the new file when both carry the same time, as it was written last.
std::optional<CStartRecovery::CCopy> CStartRecovery::NewestCopy(const std::string& dataPath)
{
    const CDataFileNames names(dataPath);
    const auto newFile = ReadableCopy(names.NewFile(), StringId::kInterruptedSaveKind);
    const auto backup = ReadableCopy(names.Backup(), StringId::kBackupKind);
    if (!newFile || !backup)
        return newFile ? newFile : backup;
    const auto key = [](const CLocalTime& t) {
        return std::make_tuple(t.Year, t.Month, t.Day, t.Hour, t.Minute, t.Second);
    };
    return key(backup->Modified) > key(newFile->Modified) ? backup : newFile;
}

// A copy counts only when it is a regular file that reads completely.
std::optional<CStartRecovery::CCopy> CStartRecovery::ReadableCopy(const std::string& path, int kindText)
{
    CFileStatus status;
    if (m_utilities.Files().GetStatus(path, status) != 0 || status.Type != CFileStatus::Regular)
        return std::nullopt;
    CData scratch;
    CDataFile file;
    if (m_loader.Load(scratch, file, path, false) != CDataFileLoader::Loaded)
        return std::nullopt;
    return CCopy{path, kindText, status.Modified};
}

// The new file of an interrupted save takes the data file's place; the backup stays the
// backup and is copied through the new file, so that the data file appears complete at once.
bool CStartRecovery::Restore(const CCopy& copy, const std::string& dataPath)
{
    const CDataFileNames names(dataPath);
    Log("restore " + copy.Path);
    if (copy.Path != names.NewFile()) {
        if (m_utilities.Files().Exists(names.NewFile()))
            m_utilities.RemoveFile(names.NewFile());
        if (!Succeeded("copy backup", m_utilities.Files().CopyNewFile(copy.Path, names.NewFile())))
            return false;
    }
    if (!m_utilities.ReplaceFile(names.NewFile(), dataPath))
        return false;
    return Succeeded("sync data directory",
                     m_utilities.Files().SyncDirectory(CPathText::DirectoryOf(dataPath).value_or(".")));
}

bool CStartRecovery::Succeeded(const std::string& step, int error)
{
    if (error != 0)
        Log(step + " failed, error " + std::to_string(error));
    return error == 0;
}

void CStartRecovery::Log(const std::string& step)
{
    m_utilities.Log(kLogPrefix + step);
}

std::string CStartRecovery::DateText(const CLocalTime& time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", time.Day, time.Month, time.Year, time.Hour,
                  time.Minute);
    return text;
}
