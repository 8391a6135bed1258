#include "SaveSequence.h"

#include "catalogue/Data.h"
#include "datafile/DataFile.h"
#include "datafile/ProgramMessages.h"
#include "platform/FileSystemFile.h"
#include "platform/PathText.h"
#include "platform/WaitCursor.h"
#include "resources/StringTables.h"

#include <cerrno>
#include <exception>
#include <new>

namespace {

constexpr int kSmallerBackupMessage = 213;
constexpr int kCannotSaveQuestion = 216;

} // namespace

CSaveSequence::CSaveSequence(CFileUtilities& utilities, CMessageService& messages)
    : m_utilities(utilities), m_messages(messages)
{}

bool CSaveSequence::WriteKostenkochData(const CData* data, CDataFile& file, const std::string& dataPath)
{
    if (!data)
        return true;
    Log("DataPath: " + dataPath);
    if (dataPath.empty() || !Save(*data, file, CDataFileNames(dataPath))) {
        // The text may have been written to the new file before a later step failed: the
        // catalogue is not in the data file, so it must count as changed ("Öffnen ..." asks).
        file.Forget();
        return AskFailure(dataPath);
    }
    Log("ok");
    return true;
}

bool CSaveSequence::Save(const CData& data, CDataFile& file, const CDataFileNames& names)
{
    if (!WriteNewFile(data, file, names.NewFile())) {
        DiscardNewFile(names.NewFile());
        return false;
    }
    bool dataFileMoved = false;
    if (!RotateOldFiles(names, dataFileMoved) || !MoveNewFileIntoPlace(names, dataFileMoved)) {
        DiscardNewFile(names.NewFile());
        return false;
    }
    Log("sync data directory");
    const auto directory = CPathText::DirectoryOf(names.DataFile());
    return Succeeded("sync data directory", m_utilities.Files().SyncDirectory(directory.value_or(".")));
}

// Creates the new file empty, opens it without creating or truncating, writes the whole text
// and flushes it to disk.
bool CSaveSequence::WriteNewFile(const CData& data, CDataFile& file, const std::string& path)
{
    Log("create new data file");
    if (!m_utilities.TestCreateFile(path))
        return false;
    const CWaitCursor cursor(m_messages);
    Log("open new data file");
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (m_utilities.Files().Open(path, CFileSystem::WriteExisting, handle) != 0)
        return false;
    return WriteText(data, file, handle, path);
}

bool CSaveSequence::WriteText(const CData& data, CDataFile& dataFile, CFileSystem::Handle handle,
                              const std::string& path)
{
    CFileSystemFile file(m_utilities.Files(), handle, path);
    try {
        dataFile.WriteToXML(data, file);
    } catch (const CFileException& failure) {
        return Succeeded("write new data file", failure.Error);
    } catch (const std::bad_alloc&) {
        return Succeeded("write new data file", ENOMEM);
    }
    if (!Succeeded("sync new data file", file.Sync()) || !Succeeded("close new data file", file.Close()))
        return false;
    Log("close new data file");
    return true;
}

// The data file becomes the backup; a larger backup is kept as a rescue copy first. Whether
// there is a data file is asked of the directory, so that a file that cannot be read is kept
// as the backup rather than replaced. A rename that fails stops the save: the data
// file is then still in place (or, after the failure of the rescue rename, the larger backup
// is), and nothing else has been replaced.
bool CSaveSequence::RotateOldFiles(const CDataFileNames& names, bool& dataFileMoved)
{
    if (!m_utilities.Files().Exists(names.DataFile()))
        return true;
    const bool largerBackup = IsBackupLarger(names);
    if (largerBackup && !KeepLargerBackup(names))
        return false;
    if (!largerBackup) {
        Log("remove old backup file");
        m_utilities.RemoveFile(names.Backup());
    }
    Log("rename old data file");
    dataFileMoved = m_utilities.RenameFile(names.DataFile(), names.Backup());
    if (largerBackup)
        CProgramMessages::Show(m_messages, kSmallerBackupMessage);
    return dataFileMoved;
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

bool CSaveSequence::KeepLargerBackup(const CDataFileNames& names)
{
    Log("rename old backup file");
    return m_utilities.RenameFile(names.Backup(), names.RescueCopy(m_utilities.Clock().LocalNow()));
}

// When the new file cannot take the data file's place, the old data file goes back there.
bool CSaveSequence::MoveNewFileIntoPlace(const CDataFileNames& names, bool dataFileMoved)
{
    Log("rename new data file");
    if (m_utilities.ReplaceFile(names.NewFile(), names.DataFile()))
        return true;
    if (dataFileMoved) {
        Log("restore old data file");
        m_utilities.ReplaceFile(names.Backup(), names.DataFile());
    }
    return false;
}

void CSaveSequence::DiscardNewFile(const std::string& path)
{
    if (!m_utilities.Files().Exists(path))
        return;
    Log("remove new data file");
    m_utilities.RemoveFile(path);
}

bool CSaveSequence::AskFailure(const std::string& dataPath)
{
    const std::string text = CStringTables::Load(kCannotSaveQuestion) + "\n\n" + dataPath;
    return CProgramMessages::AskYesNo(m_messages, text);
}

// Logs "<step> failed, error <n>" for a failure, so that the log tells why a save failed.
bool CSaveSequence::Succeeded(const std::string& step, int error)
{
    if (error != 0)
        Log(step + " failed, error " + std::to_string(error));
    return error == 0;
}

void CSaveSequence::Log(const std::string& step)
{
    m_utilities.Log(kLogPrefix + step);
}
