#include "SaveSequence.h"

#include "catalogue/Data.h"
#include "datafile/DataFile.h"
#include "datafile/ProgramMessages.h"
#include "platform/WaitCursor.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

CSaveSequence::CSaveSequence(CFileUtilities& utilities, CMessageService& messages)
    : m_utilities(utilities), m_messages(messages), m_newFile(utilities, kLogPrefix)
{}

bool CSaveSequence::WriteKostenkochData(const CData* data, CDataFile& file, const std::string& dataPath)
{
    if (!data)
        return true;
    m_newFile.Log("DataPath: " + dataPath);
    if (dataPath.empty() || !Save(*data, file, CDataFileNames(dataPath))) {
        // The text may have been written to the new file before a later step failed: the
        // catalogue is not in the data file, so it must count as changed ("Öffnen ..." asks).
        file.Forget();
        return AskFailure(dataPath);
    }
    m_newFile.Log("ok");
    return true;
}

// Message 213 waits for the user only once the new file is in place.
bool CSaveSequence::Save(const CData& data, CDataFile& file, const CDataFileNames& names)
{
    bool keptLargerBackup = false;
    if (!WriteNewFile(data, file, names.NewFile()) || !KeepBackup(names, keptLargerBackup) ||
        !m_newFile.Replace(names.NewFile(), names.DataFile())) {
        m_newFile.Discard(names.NewFile());
        return false;
    }
    if (keptLargerBackup)
        CProgramMessages::Show(m_messages, StringId::kSmallerBackup);
    return true;
}

bool CSaveSequence::WriteNewFile(const CData& data, CDataFile& file, const std::string& path)
{
    const CWaitCursor cursor(m_messages);
    return m_newFile.Write(data, file, path);
}

// The data file as it is becomes the backup, while it stays the data file; a larger backup is
// kept as a rescue copy first. Whether there is a data file is asked of the directory, so that
// a file that cannot be read is kept as the backup rather than lost. A step that fails stops
// the save with nothing replaced.
bool CSaveSequence::KeepBackup(const CDataFileNames& names, bool& keptLargerBackup)
{
    if (!m_utilities.Files().Exists(names.DataFile()))
        return true;
    keptLargerBackup = IsBackupLarger(names);
    if (keptLargerBackup && !KeepLargerBackup(names))
        return false;
    if (!keptLargerBackup) {
        m_newFile.Log("remove old backup file");
        m_utilities.RemoveFile(names.Backup());
    }
    return MakeBackup(names);
}

// A backup whose size cannot be compared counts as larger: it is kept rather than deleted.
bool CSaveSequence::IsBackupLarger(const CDataFileNames& names)
{
    if (!m_utilities.Files().Exists(names.Backup()))
        return false;
    std::uint64_t backupSize = 0;
    std::uint64_t dataSize = 0;
    return !m_utilities.TryGetFileSize(names.Backup(), backupSize) ||
           !m_utilities.TryGetFileSize(names.DataFile(), dataSize) || backupSize > dataSize;
}

// Two saves within one second would name the same rescue copy: the second gets a number.
bool CSaveSequence::KeepLargerBackup(const CDataFileNames& names)
{
    m_newFile.Log("rename old backup file");
    const std::string rescue = names.FreeRescueCopy(m_utilities.Files(), m_utilities.Clock().LocalNow());
    return !rescue.empty() && m_utilities.RenameFile(names.Backup(), rescue);
}

// A second name of the data file costs nothing and is complete at once; where the file system
// has no links, a flushed copy does the same.
bool CSaveSequence::MakeBackup(const CDataFileNames& names)
{
    m_newFile.Log("link old data file to backup");
    if (m_newFile.Succeeded("link old data file to backup",
                            m_utilities.Files().Link(names.DataFile(), names.Backup())))
        return true;
    m_newFile.Log("copy old data file to backup");
    return m_newFile.Succeeded("copy old data file to backup",
                               m_utilities.Files().CopyNewFile(names.DataFile(), names.Backup()));
}

bool CSaveSequence::AskFailure(const std::string& dataPath)
{
    const std::string text = CStringTables::Load(StringId::kCannotSaveQuestion) + "\n\n" + dataPath;
    return CProgramMessages::AskYesNo(m_messages, text);
}
