#pragma once

#include "platform/FileSystem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// A file system that passes every call to another one and makes chosen calls fail, for tests
// of failure paths: the n-th call of one operation, a "disk full" write that stores half of
// its bytes, a crash after which no call reaches the disk any more, or a directory in which
// nothing may be changed (as if it were read-only, which permission bits cannot show to a
// test running as root). Calls are counted per operation from the last ResetCounts.
class CFaultyFileSystem : public CFileSystem
{
public:
    enum EOperation {
        OpOpen,
        OpRead,
        OpWrite,
        OpSeek,
        OpGetSize,
        OpSync,
        OpClose,
        OpRename,
        OpRemove,
        OpExists,
        OpMakeDirectory,
        OpCopy,
        OpSyncDirectory,
        OpList,
        OpLink,
        OpStatus,
        kOperationCount
    };

    explicit CFaultyFileSystem(CFileSystem& inner) : m_inner(inner) {}

    // The n-th call (1-based) of `operation` from now fails with `error`.
    void FailCall(EOperation operation, int n, int error);
    // The n-th write from now stores the first half of its bytes and fails with ENOSPC.
    void FailDiskFull(int n);
    // The n-th call of any operation from now and every later call fail with EIO; Exists
    // answers false.
    void CrashAt(int n);
    // Creating, writing, renaming, removing or copying inside `directory` fails with EACCES.
    void DenyChangesIn(const std::string& directory);
    // Every hard link fails with EPERM, as on a file system that has none.
    void DenyLinks() { m_noLinks = true; }
    // Forgets the armed faults and starts counting anew.
    void ResetCounts();

    int Calls(EOperation operation) const { return m_calls[operation]; }
    int TotalCalls() const { return m_total; }
    int InjectedFaults() const { return m_injected; }
    static const char* Name(EOperation operation);

    int Open(const std::string& path, EOpenMode mode, Handle& handle) override;
    int Read(Handle handle, void* buffer, std::size_t count, std::size_t& read) override;
    int Write(Handle handle, const void* data, std::size_t count) override;
    int Seek(Handle handle, std::uint64_t position) override;
    int GetSize(Handle handle, std::uint64_t& size) override;
    int Sync(Handle handle) override;
    int Close(Handle handle) override;
    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    bool Exists(const std::string& path) override;
    int MakeDirectory(const std::string& path) override;
    int CopyNewFile(const std::string& from, const std::string& to) override;
    int SyncDirectory(const std::string& directory) override;
    int ListDirectory(const std::string& directory, std::vector<std::string>& names) override;
    int MakePrivateDirectory(const std::string& path) override;
    int GetStatus(const std::string& path, CFileStatus& status) override;
    int Link(const std::string& from, const std::string& to) override;
    // Locks pass through uncounted: they are taken before a save, not during it.
    int LockFile(const std::string& path, Handle& handle) override;
    int UnlockFile(const std::string& path, Handle handle) override;

private:
    // Counts the call; the error it must fail with, or 0 to pass it on.
    int Count(EOperation operation);
    bool IsDenied(const std::string& path) const;
    int DeniedOrCounted(EOperation operation, const std::string& path);

    CFileSystem& m_inner;
    std::array<int, kOperationCount> m_calls{};
    int m_total = 0;
    int m_injected = 0;
    EOperation m_failOperation = kOperationCount;
    int m_failAt = 0;
    int m_failError = 0;
    int m_diskFullAt = 0;
    int m_crashAt = 0;
    std::vector<std::string> m_denied;
    bool m_noLinks = false;
};
