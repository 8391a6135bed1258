#pragma once

#include "FileSystem.h"

// The operating system's files: POSIX calls, or the C runtime and Win32 calls on Windows.
// Paths arrive as Windows-1252 text and are converted to the system's encoding (UTF-8 on
// POSIX systems, UTF-16 on Windows); directory names that Windows-1252 cannot hold are left
// out of listings. Files are created only under their own name, never through a symbolic link.
class CPosixFileSystem : public CFileSystem
{
public:
    int Open(const std::string& path, EOpenMode mode, Handle& handle) override;
    int Read(Handle handle, void* buffer, std::size_t count, std::size_t& read) override;
    int Write(Handle handle, const void* data, std::size_t count) override;
    int Seek(Handle handle, std::uint64_t position) override;
    int GetSize(Handle handle, std::uint64_t& size) override;
    int Sync(Handle handle) override;
    int Close(Handle handle) override;
    std::unique_ptr<CFileView> MapForReading(Handle handle, std::uint64_t length) override;

    int Rename(const std::string& from, const std::string& to) override;
    int Remove(const std::string& path) override;
    bool Exists(const std::string& path) override;
    int MakeDirectory(const std::string& path) override;
    int MakePrivateDirectory(const std::string& path) override;
    int GetStatus(const std::string& path, CFileStatus& status) override;
    int Link(const std::string& from, const std::string& to) override;
    int CopyNewFile(const std::string& from, const std::string& to) override;
    int SyncDirectory(const std::string& directory) override;
    int ListDirectory(const std::string& directory, std::vector<std::string>& names) override;
    int LockFile(const std::string& path, Handle& handle) override;
    int UnlockFile(const std::string& path, Handle handle) override;

private:
    int CopyContent(Handle source, Handle target);
};
