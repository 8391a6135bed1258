#pragma once

#include "platform/Clock.h"
#include "platform/FileView.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// What a path names, as far as the program's file handling needs to know.
struct CFileStatus
{
    enum EType { Missing, Regular, Directory, Other };

    // The kind of what the path names, symbolic links followed; Other is a device, a FIFO, a
    // socket or a link that leads nowhere.
    EType Type = Missing;
    // The name itself is a symbolic link.
    bool IsLink = false;
    // Belongs to the user the program runs as, and no one else may change its entries.
    bool OwnedByUser = false;
    bool WritableByOthers = false;
    // The time of the last change, local time.
    CLocalTime Modified;
};

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
        CreateTruncate, // for writing; created when missing, emptied when present; never through a link
        CreateNew,      // for writing; fails when anything of that name exists, a link included
        WriteExisting,  // for writing; an existing file, neither created nor emptied; never through a link
    };

    virtual ~CFileSystem() = default;

    // ReadOnly opens only a regular file and never waits (a FIFO or a device is refused).
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
    // The first `length` bytes of an open file mapped for reading, or none where this file
    // system does not map files (the caller reads instead). The view outlives the handle.
    virtual std::unique_ptr<CFileView> MapForReading(Handle /*handle*/, std::uint64_t /*length*/)
    {
        return nullptr;
    }

    // Renames `from` to `to`, replacing a file at `to` in one step.
    virtual int Rename(const std::string& from, const std::string& to) = 0;
    virtual int Remove(const std::string& path) = 0;
    // Whether anything (file or directory) of that name exists.
    virtual bool Exists(const std::string& path) = 0;
    virtual int MakeDirectory(const std::string& path) = 0;
    // Creates a directory that only the user may enter (mode 0700 where modes exist).
    virtual int MakePrivateDirectory(const std::string& path) = 0;
    // What the path names; a missing path is Type Missing with the result 0.
    virtual int GetStatus(const std::string& path, CFileStatus& status) = 0;
    // Makes `to` a second name of the file `from` (a hard link); fails when anything of the
    // name `to` exists, or where the file system has no links.
    virtual int Link(const std::string& from, const std::string& to) = 0;
    // Copies a file and flushes the copy to disk; fails when anything of the target's name
    // exists already.
    virtual int CopyNewFile(const std::string& from, const std::string& to) = 0;
    // Makes the directory's entries (created, renamed, removed files) durable.
    virtual int SyncDirectory(const std::string& directory) = 0;
    // The names of the directory's entries, without "." and "..", in no particular order.
    virtual int ListDirectory(const std::string& directory, std::vector<std::string>& names) = 0;

    // Takes the lock that the file at `path` stands for, creating the file when missing; fails
    // with kLockedError while another holder (this process included) has it. The lock ends
    // with UnlockFile or when the holding process ends, however it ends, so a crash leaves no
    // stale lock.
    virtual int LockFile(const std::string& path, Handle& handle) = 0;
    // Releases the lock and removes its file.
    virtual int UnlockFile(const std::string& path, Handle handle) = 0;

    // The result of LockFile while another holder has the lock, the same on every system.
    static constexpr int kLockedError = 11;
};
