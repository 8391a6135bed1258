#include "FileUtilities.h"

#include "FileSystemFile.h"
#include "PathText.h"

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr int kRemoveAttempts = 5;
constexpr std::uint32_t kRemoveRetryMilliseconds = 1000;
constexpr std::uint32_t kRemoveSettleMilliseconds = 100;
constexpr std::uint32_t kRenameWaitMilliseconds = 10000;
constexpr std::uint32_t kRenamePollMilliseconds = 1;

} // namespace

CFileUtilities::CFileUtilities(CFileSystem& files, CClock& clock, CLogSink& log)
    : m_files(files), m_clock(clock), m_log(log)
{}

bool CFileUtilities::FileExists(const std::string& path)
{
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (m_files.Open(path, CFileSystem::ReadOnly, handle) != 0)
        return false;
    m_files.Close(handle);
    return true;
}

std::uint64_t CFileUtilities::GetFileSize(const std::string& path)
{
    std::uint64_t size = 0;
    return TryGetFileSize(path, size) ? size : 0;
}

bool CFileUtilities::TryGetFileSize(const std::string& path, std::uint64_t& size)
{
    size = 0;
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (m_files.Open(path, CFileSystem::ReadOnly, handle) != 0)
        return false;
    const bool measured = m_files.GetSize(handle, size) == 0;
    m_files.Close(handle);
    return measured;
}

int CFileUtilities::CreateNewFile(const std::string& path)
{
    RemoveStale(path);
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (const int error = m_files.Open(path, CFileSystem::CreateNew, handle))
        return error;
    return m_files.Close(handle);
}

bool CFileUtilities::TestCreateFile(const std::string& path)
{
    return CreateNewFile(path) == 0;
}

bool CFileUtilities::TestDirectory(const std::string& directory)
{
    const std::string probe = CPathText::WithTrailingSeparator(directory) + kDirectoryProbeName;
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    const int error = m_files.Open(probe, CFileSystem::CreateNew, handle);
    if (error == EEXIST)
        return FileExists(probe);
    if (error != 0)
        return false;
    m_files.Close(handle);
    RemoveFile(probe);
    return true;
}

bool CFileUtilities::CreateDirectoryPath(const std::string& directory)
{
    const std::string path = CPathText::WithoutTrailingSeparator(directory);
    if (path.empty())
        return false;
    if (m_files.MakeDirectory(path) == 0)
        return true;
    const std::optional<std::string> parent = CPathText::DirectoryOf(path);
    if (!parent || !CreateDirectoryPath(*parent))
        return false;
    return m_files.MakeDirectory(path) == 0;
}

bool CFileUtilities::PrepareDataDirectory(const std::string& directory)
{
    if (!TestDirectory(directory) && !CreateDirectoryPath(directory))
        return false;
    const std::string probe = CPathText::Join(directory, kDataDirectoryProbeName);
    return TestCreateFile(probe) && RemoveFile(probe) && TestWriteFile(probe);
}

bool CFileUtilities::TestWriteFile(const std::string& path)
{
    if (m_files.Exists(path))
        return TestWriteFileAt(path + kSideProbeSuffix);
    return TestWriteFileAt(path);
}

bool CFileUtilities::TestWriteFileAt(const std::string& path)
{
    std::string text;
    if (!WriteProbe(path) || !ReadProbe(path, text))
        return false;
    return RemoveFile(path) && text == kProbeText;
}

// A stale probe (or a link planted under its name) is removed, never written through.
bool CFileUtilities::WriteProbe(const std::string& path)
{
    RemoveStale(path);
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (m_files.Open(path, CFileSystem::CreateNew, handle) != 0)
        return false;
    const int written = m_files.Write(handle, kProbeText, std::strlen(kProbeText));
    const int closed = m_files.Close(handle);
    return written == 0 && closed == 0;
}

// The text is what the file holds up to its first zero byte.
bool CFileUtilities::ReadProbe(const std::string& path, std::string& text)
{
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (m_files.Open(path, CFileSystem::ReadOnly, handle) != 0)
        return false;
    CFileSystemFile file(m_files, handle, path);
    try {
        std::vector<char> buffer(static_cast<std::size_t>(file.GetLength()) + 8, '\0');
        file.SeekToBegin();
        file.Read(buffer.data(), buffer.size() - 8);
        text = buffer.data();
    } catch (const CFileException&) {
        return false;
    }
    return true;
}

// RemoveFile deletes only what can be opened; a link that leads nowhere goes as well.
void CFileUtilities::RemoveStale(const std::string& path)
{
    if (!m_files.Exists(path))
        return;
    RemoveFile(path);
    if (m_files.Exists(path) && !FileExists(path))
        m_files.Remove(path);
}

bool CFileUtilities::RemoveFile(const std::string& path)
{
    bool result = true;
    for (int attempt = 0; attempt < kRemoveAttempts; ++attempt) {
        if (!RemoveAttempt(path))
            result = false;
        if (FileExists(path))
            m_clock.Sleep(kRemoveRetryMilliseconds);
    }
    m_clock.Sleep(kRemoveSettleMilliseconds);
    return result;
}

bool CFileUtilities::RemoveAttempt(const std::string& path)
{
    if (!FileExists(path))
        return true;
    const int error = m_files.Remove(path);
    if (error == 0)
        return true;
    Log("Remove File: " + path + " failed, error " + std::to_string(error));
    return false;
}

bool CFileUtilities::RenameFile(const std::string& from, const std::string& to)
{
    RemoveFile(to);
    const int error = m_files.Rename(from, to);
    if (error != 0)
        LogRenameFailure(from, to, error);
    WaitForFile(to);
    return error == 0;
}

bool CFileUtilities::ReplaceFile(const std::string& from, const std::string& to)
{
    const int error = m_files.Rename(from, to);
    if (error != 0)
        LogRenameFailure(from, to, error);
    return error == 0;
}

void CFileUtilities::LogRenameFailure(const std::string& from, const std::string& to, int error)
{
    Log("FileRename : " + from + " -> " + to + " failed, error " + std::to_string(error));
}

void CFileUtilities::WaitForFile(const std::string& path)
{
    const std::uint32_t start = m_clock.TickCount();
    while (!FileExists(path) && m_clock.TickCount() - start < kRenameWaitMilliseconds)
        m_clock.Sleep(kRenamePollMilliseconds);
}
