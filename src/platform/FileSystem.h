#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The primitive file operations the program's file handling is built from. Paths are
// Windows-1252 text like every text of the core; an implementation converts them to the
// operating system's encoding. Every operation returns 0 on success or the operating
// system's error code; nothing throws. CPosixFileSystem is the real one, CFaultyFileSystem
// wraps another to make chosen calls fail.
class CFileSystem
{
public:
    using Handle = int;
    static constexpr Handle kNoHandle = -1;

    enum EOpenMode {
        ReadOnly,       // an existing regular file, for reading
        CreateTruncate, // for writing; created when missing, emptied when present
        CreateNew,      // for writing; fails when anything of that name exists
        WriteExisting,  // for writing; an existing file, neither created nor emptied
    };

    virtual ~CFileSystem() = default;

    virtual int Open(const std::string& path, EOpenMode mode, Handle& handle) = 0;
    // Reads up to `count` bytes at the current position; `read` < `count` only at the end.
    virtual int Read(Handle handle, void* buffer, std::size_t count, std::size_t& read) = 0;
    // Writes all `count` bytes at the current position or fails.
    virtual int Write(Handle handle, const void* data, std::size_t count) = 0;
    virtual int Seek(Handle handle, std::uint64_t position) = 0;
    virtual int GetSize(Handle handle, std::uint64_t& size) = 0;
    // Flushes the file's data to the disk.
    virtual int Sync(Handle handle) = 0;
    // Releases the handle in every case; the result reports a failure to write back.
    virtual int Close(Handle handle) = 0;

    // Renames `from` to `to`, replacing a file at `to` in one step.
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
    // Whether anything (file or directory) of that name exists.
    virtual bool Exists(const std::string& path) = 0;
    virtual int MakeDirectory(const std::string& path) = 0;
    // Copies a file; fails when anything of the target's name exists already.
    virtual int CopyNewFile(const std::string& from, const std::string& to) = 0;
    // Makes the directory's entries (created, renamed, removed files) durable.
    virtual int SyncDirectory(const std::string& directory) = 0;
    // The names of the directory's entries, without "." and "..", in no particular order.
    virtual int ListDirectory(const std::string& directory, std::vector<std::string>& names) = 0;
};
