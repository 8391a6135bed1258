#include "FaultyFileSystem.h"

#include "platform/PathText.h"

#include <algorithm>
#include <cerrno>

void CFaultyFileSystem::FailCall(EOperation operation, int n, int error)
{
    m_failOperation = operation;
    m_failAt = m_calls[operation] + n;
    m_failError = error;
}

void CFaultyFileSystem::FailDiskFull(int n)
{
    m_diskFullAt = m_calls[OpWrite] + n;
}

void CFaultyFileSystem::CrashAt(int n)
{
    m_crashAt = m_total + n;
}

void CFaultyFileSystem::DenyChangesIn(const std::string& directory)
{
    m_denied.push_back(CPathText::WithTrailingSeparator(directory));
}

void CFaultyFileSystem::ResetCounts()
{
    m_calls = {};
    m_total = 0;
    m_injected = 0;
    m_failOperation = kOperationCount;
    m_failAt = m_diskFullAt = m_crashAt = 0;
}

const char* CFaultyFileSystem::Name(EOperation operation)
{
    static const char* const names[kOperationCount] = {
        "open",  "read", "write",           "seek", "size", "fsync", "close", "rename", "unlink", "exists",
        "mkdir", "copy", "directory fsync", "list", "link", "status"};
    return operation < kOperationCount ? names[operation] : "none";
}

int CFaultyFileSystem::Count(EOperation operation)
{
    const int call = ++m_calls[operation];
    ++m_total;
    int error = 0;
    if (m_crashAt != 0 && m_total >= m_crashAt)
        error = EIO;
    else if (operation == m_failOperation && call == m_failAt)
        error = m_failError;
    m_injected += error != 0 ? 1 : 0;
    return error;
}

// Whether `path` lies under `directory` (which ends in a separator); any separator matches any
// other, as Windows takes "/" for "\\".
static bool LiesUnder(const std::string& path, const std::string& directory)
{
    return path.size() >= directory.size() &&
           std::equal(directory.begin(), directory.end(), path.begin(), [](char a, char b) {
               return a == b || (CPathText::IsSeparator(a) && CPathText::IsSeparator(b));
           });
}

bool CFaultyFileSystem::IsDenied(const std::string& path) const
{
    for (const std::string& directory : m_denied) {
        if (LiesUnder(path, directory))
            return true;
    }
    return false;
}

int CFaultyFileSystem::DeniedOrCounted(EOperation operation, const std::string& path)
{
    const int error = Count(operation);
    return error != 0 ? error : (IsDenied(path) ? EACCES : 0);
}

int CFaultyFileSystem::Open(const std::string& path, EOpenMode mode, Handle& handle)
{
    handle = kNoHandle;
    const int error = mode == ReadOnly ? Count(OpOpen) : DeniedOrCounted(OpOpen, path);
    return error != 0 ? error : m_inner.Open(path, mode, handle);
}

int CFaultyFileSystem::Read(Handle handle, void* buffer, std::size_t count, std::size_t& read)
{
    read = 0;
    const int error = Count(OpRead);
    return error != 0 ? error : m_inner.Read(handle, buffer, count, read);
}

int CFaultyFileSystem::Write(Handle handle, const void* data, std::size_t count)
{
    if (const int error = Count(OpWrite))
        return error;
    if (m_calls[OpWrite] != m_diskFullAt)
        return m_inner.Write(handle, data, count);
    ++m_injected;
    m_inner.Write(handle, data, count / 2);
    return ENOSPC;
}

int CFaultyFileSystem::Seek(Handle handle, std::uint64_t position)
{
    const int error = Count(OpSeek);
    return error != 0 ? error : m_inner.Seek(handle, position);
}

int CFaultyFileSystem::GetSize(Handle handle, std::uint64_t& size)
{
    size = 0;
    const int error = Count(OpGetSize);
    return error != 0 ? error : m_inner.GetSize(handle, size);
}

int CFaultyFileSystem::Sync(Handle handle)
{
    const int error = Count(OpSync);
    return error != 0 ? error : m_inner.Sync(handle);
}

// The handle is released even when the call fails, as the contract asks.
int CFaultyFileSystem::Close(Handle handle)
{
    const int error = Count(OpClose);
    const int closed = m_inner.Close(handle);
    return error != 0 ? error : closed;
}

int CFaultyFileSystem::Rename(const std::string& from, const std::string& to)
{
    int error = DeniedOrCounted(OpRename, from);
    error = error != 0 ? error : (IsDenied(to) ? EACCES : 0);
    return error != 0 ? error : m_inner.Rename(from, to);
}

int CFaultyFileSystem::Remove(const std::string& path)
{
    const int error = DeniedOrCounted(OpRemove, path);
    return error != 0 ? error : m_inner.Remove(path);
}

bool CFaultyFileSystem::Exists(const std::string& path)
{
    return Count(OpExists) == 0 && m_inner.Exists(path);
}

int CFaultyFileSystem::MakeDirectory(const std::string& path)
{
    const int error = DeniedOrCounted(OpMakeDirectory, path);
    return error != 0 ? error : m_inner.MakeDirectory(path);
}

int CFaultyFileSystem::CopyNewFile(const std::string& from, const std::string& to)
{
    const int error = DeniedOrCounted(OpCopy, to);
    return error != 0 ? error : m_inner.CopyNewFile(from, to);
}

int CFaultyFileSystem::SyncDirectory(const std::string& directory)
{
    const int error = Count(OpSyncDirectory);
    return error != 0 ? error : m_inner.SyncDirectory(directory);
}

int CFaultyFileSystem::ListDirectory(const std::string& directory, std::vector<std::string>& names)
{
    names.clear();
    const int error = Count(OpList);
    return error != 0 ? error : m_inner.ListDirectory(directory, names);
}

int CFaultyFileSystem::MakePrivateDirectory(const std::string& path)
{
    const int error = DeniedOrCounted(OpMakeDirectory, path);
    return error != 0 ? error : m_inner.MakePrivateDirectory(path);
}

int CFaultyFileSystem::GetStatus(const std::string& path, CFileStatus& status)
{
    status = CFileStatus();
    const int error = Count(OpStatus);
    return error != 0 ? error : m_inner.GetStatus(path, status);
}

int CFaultyFileSystem::Link(const std::string& from, const std::string& to)
{
    const int error = DeniedOrCounted(OpLink, to);
    if (error != 0 || m_noLinks)
        return error != 0 ? error : EPERM;
    return m_inner.Link(from, to);
}

int CFaultyFileSystem::LockFile(const std::string& path, Handle& handle)
{
    return m_inner.LockFile(path, handle);
}

int CFaultyFileSystem::UnlockFile(const std::string& path, Handle handle)
{
    return m_inner.UnlockFile(path, handle);
}
