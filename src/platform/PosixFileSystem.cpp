#include "PosixFileSystem.h"

#include "MappedFileView.h"
#include "PlatformPaths.h"
#include "Windows1252.h"

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr std::size_t kCopyChunk = 64 * 1024;

// The error of the last failed call, never 0.
int LastError()
{
    return errno != 0 ? errno : EIO;
}

CLocalTime ToLocalTime(std::time_t time)
{
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &time);
#else
    localtime_r(&time, &parts);
#endif
    return CLocalTime{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday,
                      parts.tm_hour,        parts.tm_min,     parts.tm_sec};
}

std::filesystem::path NativePath(const std::string& path)
{
    return CPlatformPaths::FromText(path);
}

#ifdef _WIN32

// The errno value of a Windows error, so that callers see one set of codes on every system:
// the C runtime's calls report errno values, and a raw Windows code would collide with them
// (ERROR_ACCESS_DENIED is 5, which is EIO) or miss the checks for EEXIST and ENOSPC.
int ErrnoOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EACCES;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    case ERROR_WRITE_PROTECT:
        return EROFS;
    case ERROR_NOT_SAME_DEVICE:
        return EXDEV;
    case ERROR_INVALID_FUNCTION:
    case ERROR_NOT_SUPPORTED:
        return ENOTSUP;
    case ERROR_TOO_MANY_OPEN_FILES:
        return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return ENOMEM;
    default:
        return EIO;
    }
}

int LastWindowsError()
{
    return ErrnoOf(GetLastError());
}

int OpenFlags(CFileSystem::EOpenMode mode)
{
    switch (mode) {
    case CFileSystem::ReadOnly:
        return _O_RDONLY | _O_BINARY;
    case CFileSystem::CreateTruncate:
        return _O_WRONLY | _O_BINARY | _O_CREAT | _O_TRUNC;
    case CFileSystem::CreateNew:
        return _O_WRONLY | _O_BINARY | _O_CREAT | _O_EXCL;
    case CFileSystem::WriteExisting:
        return _O_WRONLY | _O_BINARY;
    }
    return _O_RDONLY | _O_BINARY;
}

int OpenNative(const std::filesystem::path& path, int flags)
{
    const int handle = _wopen(path.c_str(), flags, _S_IREAD | _S_IWRITE);
    // The C runtime refuses a directory with EACCES; callers tell a directory by EISDIR.
    std::error_code ignored;
    if (handle < 0 && errno == EACCES && std::filesystem::is_directory(path, ignored))
        errno = EISDIR;
    return handle;
}

// 0 for a regular file, else why it is not one.
int RegularFileError(int handle)
{
    struct _stat64 status
    {};
    if (_fstat64(handle, &status) != 0)
        return LastError();
    if ((status.st_mode & _S_IFDIR) != 0)
        return EISDIR;
    return (status.st_mode & _S_IFREG) != 0 ? 0 : EINVAL;
}

void MakeBlocking(int) {}

long long SeekTo(int handle, std::uint64_t position)
{
    return _lseeki64(handle, static_cast<long long>(position), SEEK_SET);
}

int SizeOf(int handle, std::uint64_t& size)
{
    struct _stat64 status
    {};
    if (_fstat64(handle, &status) != 0)
        return LastError();
    size = static_cast<std::uint64_t>(status.st_size);
    return 0;
}

// FlushFileBuffers writes the file's data and its size to the disk, as fsync does.
int SyncNative(int handle)
{
    const auto file = reinterpret_cast<HANDLE>(_get_osfhandle(handle));
    if (file == INVALID_HANDLE_VALUE)
        return EBADF;
    return FlushFileBuffers(file) ? 0 : LastWindowsError();
}

int CloseNative(int handle)
{
    return _close(handle) == 0 ? 0 : LastError();
}

int ReadSome(int handle, void* buffer, std::size_t count)
{
    return _read(handle, buffer, static_cast<unsigned>(count > 0x40000000 ? 0x40000000 : count));
}

int WriteSome(int handle, const void* data, std::size_t count)
{
    return _write(handle, data, static_cast<unsigned>(count > 0x40000000 ? 0x40000000 : count));
}

int RenameNative(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return 0;
    return LastWindowsError();
}

int RemoveNative(const std::filesystem::path& path)
{
    return _wunlink(path.c_str()) == 0 ? 0 : LastError();
}

int MakeDirectoryNative(const std::filesystem::path& path)
{
    return _wmkdir(path.c_str()) == 0 ? 0 : LastError();
}

// A directory of the user's own profile is private already on Windows.
int MakePrivateDirectoryNative(const std::filesystem::path& path)
{
    return MakeDirectoryNative(path);
}

int StatusNative(const std::filesystem::path& path, CFileStatus& status)
{
    std::error_code error;
    const auto own = std::filesystem::symlink_status(path, error);
    if (own.type() == std::filesystem::file_type::not_found)
        return 0;
    status.IsLink = own.type() == std::filesystem::file_type::symlink;
    struct _stat64 target
    {};
    if (_wstat64(path.c_str(), &target) != 0) {
        status.Type = CFileStatus::Other;
        return 0;
    }
    status.Type = (target.st_mode & _S_IFDIR) != 0   ? CFileStatus::Directory
                  : (target.st_mode & _S_IFREG) != 0 ? CFileStatus::Regular
                                                     : CFileStatus::Other;
    status.OwnedByUser = true;
    status.Modified = ToLocalTime(static_cast<std::time_t>(target.st_mtime));
    return 0;
}

int LinkNative(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return CreateHardLinkW(to.c_str(), from.c_str(), nullptr) ? 0 : LastWindowsError();
}

// A lock file opened without sharing: a second open fails until the handle is closed, which
// the system does when the process ends, and the file goes away with the handle.
int LockNative(const std::filesystem::path& path, int& handle)
{
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_SHARING_VIOLATION ? CFileSystem::kLockedError : ErrnoOf(error);
    }
    handle = _open_osfhandle(reinterpret_cast<intptr_t>(file), 0);
    if (handle < 0) {
        CloseHandle(file);
        return EMFILE;
    }
    return 0;
}

int UnlockNative(const std::filesystem::path&, int handle)
{
    return _close(handle) == 0 ? 0 : LastError();
}

// Directory entries reach the disk with the file operations themselves on Windows.
int SyncDirectoryNative(const std::filesystem::path&)
{
    return 0;
}

#else

int OpenFlags(CFileSystem::EOpenMode mode)
{
    switch (mode) {
    case CFileSystem::ReadOnly:
        // Without waiting for a writer, should the path name a FIFO.
        return O_RDONLY | O_CLOEXEC | O_NONBLOCK;
    case CFileSystem::CreateTruncate:
        return O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_CREAT | O_TRUNC;
    case CFileSystem::CreateNew:
        return O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_CREAT | O_EXCL;
    case CFileSystem::WriteExisting:
        return O_WRONLY | O_CLOEXEC | O_NOFOLLOW;
    }
    return O_RDONLY | O_CLOEXEC | O_NONBLOCK;
}

int OpenNative(const std::filesystem::path& path, int flags)
{
    return ::open(path.c_str(), flags, 0666);
}

// 0 for a regular file, else why it is not one.
int RegularFileError(int handle)
{
    struct stat status
    {};
    if (::fstat(handle, &status) != 0)
        return LastError();
    if (S_ISDIR(status.st_mode))
        return EISDIR;
    return S_ISREG(status.st_mode) ? 0 : EINVAL;
}

void MakeBlocking(int handle)
{
    ::fcntl(handle, F_SETFL, ::fcntl(handle, F_GETFL) & ~O_NONBLOCK);
}

off_t SeekTo(int handle, std::uint64_t position)
{
    return ::lseek(handle, static_cast<off_t>(position), SEEK_SET);
}

int SizeOf(int handle, std::uint64_t& size)
{
    struct stat status
    {};
    if (::fstat(handle, &status) != 0)
        return LastError();
    size = static_cast<std::uint64_t>(status.st_size);
    return 0;
}

int SyncNative(int handle)
{
    return ::fsync(handle) == 0 ? 0 : LastError();
}

int CloseNative(int handle)
{
    return ::close(handle) == 0 ? 0 : LastError();
}

ssize_t ReadSome(int handle, void* buffer, std::size_t count)
{
    return ::read(handle, buffer, count);
}

ssize_t WriteSome(int handle, const void* data, std::size_t count)
{
    return ::write(handle, data, count);
}

int RenameNative(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : LastError();
}

int RemoveNative(const std::filesystem::path& path)
{
    return ::unlink(path.c_str()) == 0 ? 0 : LastError();
}

int MakeDirectoryNative(const std::filesystem::path& path)
{
    return ::mkdir(path.c_str(), 0777) == 0 ? 0 : LastError();
}

int MakePrivateDirectoryNative(const std::filesystem::path& path)
{
    return ::mkdir(path.c_str(), 0700) == 0 ? 0 : LastError();
}

int StatusNative(const std::filesystem::path& path, CFileStatus& status)
{
    struct stat own
    {};
    if (::lstat(path.c_str(), &own) != 0)
        return errno == ENOENT || errno == ENOTDIR ? 0 : LastError();
    status.IsLink = S_ISLNK(own.st_mode);
    struct stat target
    {};
    if (::stat(path.c_str(), &target) != 0) {
        status.Type = CFileStatus::Other;
        return 0;
    }
    status.Type = S_ISDIR(target.st_mode) ? CFileStatus::Directory
                  : S_ISREG(target.st_mode) ? CFileStatus::Regular
                                            : CFileStatus::Other;
    status.OwnedByUser = target.st_uid == ::geteuid();
    status.WritableByOthers = (target.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    status.Modified = ToLocalTime(target.st_mtime);
    return 0;
}

int LinkNative(const std::filesystem::path& from, const std::filesystem::path& to)
{
    return ::link(from.c_str(), to.c_str()) == 0 ? 0 : LastError();
}

// Whether the open lock file is still the one at `path`: an earlier holder removes it when it
// lets go, and a lock on a removed file locks nothing.
bool IsCurrentLockFile(int handle, const std::filesystem::path& path)
{
    struct stat open
    {};
    struct stat named
    {};
    return ::fstat(handle, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_ino == named.st_ino &&
           open.st_dev == named.st_dev;
}

// An advisory lock (flock) on the lock file: the system drops it when the process ends, so a
// crashed holder leaves no stale lock behind. The file holds the holder's process id for people.
int LockNative(const std::filesystem::path& path, int& handle)
{
    constexpr int kAttempts = 4;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int opened = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (opened < 0)
            return LastError();
        if (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
            const int error = errno;
            ::close(opened);
            return error == EWOULDBLOCK ? CFileSystem::kLockedError : (error != 0 ? error : EIO);
        }
        if (IsCurrentLockFile(opened, path)) {
            const std::string pid = std::to_string(::getpid()) + "\n";
            if (::ftruncate(opened, 0) == 0 && ::write(opened, pid.data(), pid.size()) < 0) {
                // The process id is only a hint; the lock holds without it.
            }
            handle = opened;
            return 0;
        }
        ::close(opened);
    }
    return CFileSystem::kLockedError;
}

// The file goes first, while the lock is still held, so that no one locks it in between.
int UnlockNative(const std::filesystem::path& path, int handle)
{
    ::unlink(path.c_str());
    return ::close(handle) == 0 ? 0 : LastError();
}

int SyncDirectoryNative(const std::filesystem::path& path)
{
    const int handle = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return LastError();
    const int result = ::fsync(handle) == 0 ? 0 : LastError();
    ::close(handle);
    return result;
}

#endif

} // namespace

int CPosixFileSystem::Open(const std::string& path, EOpenMode mode, Handle& handle)
{
    handle = kNoHandle;
    errno = 0;
    const int opened = OpenNative(NativePath(path), OpenFlags(mode));
    if (opened < 0)
        return LastError();
    if (mode == ReadOnly) {
        if (const int error = RegularFileError(opened)) {
            Close(opened);
            return error;
        }
        MakeBlocking(opened);
    }
    handle = opened;
    return 0;
}

int CPosixFileSystem::Read(Handle handle, void* buffer, std::size_t count, std::size_t& read)
{
    read = 0;
    auto* bytes = static_cast<char*>(buffer);
    while (read < count) {
        errno = 0;
        const auto got = ReadSome(handle, bytes + read, count - read);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return LastError();
        if (got == 0)
            break;
        read += static_cast<std::size_t>(got);
    }
    return 0;
}

int CPosixFileSystem::Write(Handle handle, const void* data, std::size_t count)
{
    const auto* bytes = static_cast<const char*>(data);
    std::size_t written = 0;
    while (written < count) {
        errno = 0;
        const auto put = WriteSome(handle, bytes + written, count - written);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return put == 0 ? ENOSPC : LastError();
        written += static_cast<std::size_t>(put);
    }
    return 0;
}

std::unique_ptr<CFileView> CPosixFileSystem::MapForReading(Handle handle, std::uint64_t length)
{
    return CMappedFileView::Map(handle, length);
}

int CPosixFileSystem::Seek(Handle handle, std::uint64_t position)
{
    errno = 0;
    return SeekTo(handle, position) < 0 ? LastError() : 0;
}

int CPosixFileSystem::GetSize(Handle handle, std::uint64_t& size)
{
    size = 0;
    return SizeOf(handle, size);
}

int CPosixFileSystem::Sync(Handle handle)
{
    errno = 0;
    return SyncNative(handle);
}

int CPosixFileSystem::Close(Handle handle)
{
    errno = 0;
    return CloseNative(handle);
}

int CPosixFileSystem::Rename(const std::string& from, const std::string& to)
{
    errno = 0;
    return RenameNative(NativePath(from), NativePath(to));
}

int CPosixFileSystem::Remove(const std::string& path)
{
    errno = 0;
    return RemoveNative(NativePath(path));
}

bool CPosixFileSystem::Exists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::symlink_status(NativePath(path), error).type() !=
               std::filesystem::file_type::not_found &&
           !error;
}

int CPosixFileSystem::MakeDirectory(const std::string& path)
{
    errno = 0;
    return MakeDirectoryNative(NativePath(path));
}

// Creates the target exclusively, so an existing file is never overwritten, and flushes it;
// a copy that fails half-way is removed again.
int CPosixFileSystem::MakePrivateDirectory(const std::string& path)
{
    errno = 0;
    return MakePrivateDirectoryNative(NativePath(path));
}

int CPosixFileSystem::GetStatus(const std::string& path, CFileStatus& status)
{
    status = CFileStatus();
    errno = 0;
    return StatusNative(NativePath(path), status);
}

int CPosixFileSystem::Link(const std::string& from, const std::string& to)
{
    errno = 0;
    return LinkNative(NativePath(from), NativePath(to));
}

int CPosixFileSystem::LockFile(const std::string& path, Handle& handle)
{
    handle = kNoHandle;
    errno = 0;
    return LockNative(NativePath(path), handle);
}

int CPosixFileSystem::UnlockFile(const std::string& path, Handle handle)
{
    errno = 0;
    return UnlockNative(NativePath(path), handle);
}

int CPosixFileSystem::CopyNewFile(const std::string& from, const std::string& to)
{
    Handle source = kNoHandle;
    if (const int error = Open(from, ReadOnly, source))
        return error;
    Handle target = kNoHandle;
    int error = Open(to, CreateNew, target);
    if (error == 0) {
        error = CopyContent(source, target);
        error = error != 0 ? error : Sync(target);
        const int closeError = Close(target);
        error = error != 0 ? error : closeError;
        if (error != 0)
            Remove(to);
    }
    Close(source);
    return error;
}

int CPosixFileSystem::CopyContent(Handle source, Handle target)
{
    std::vector<char> buffer(kCopyChunk);
    for (;;) {
        std::size_t read = 0;
        if (const int error = Read(source, buffer.data(), buffer.size(), read))
            return error;
        if (read == 0)
            return 0;
        if (const int error = Write(target, buffer.data(), read))
            return error;
    }
}

int CPosixFileSystem::SyncDirectory(const std::string& directory)
{
    errno = 0;
    return SyncDirectoryNative(NativePath(directory.empty() ? std::string(".") : directory));
}

int CPosixFileSystem::ListDirectory(const std::string& directory, std::vector<std::string>& names)
{
    names.clear();
    std::error_code error;
    for (std::filesystem::directory_iterator it(NativePath(directory), error), end; !error && it != end;
         it.increment(error)) {
        const std::u8string name = it->path().filename().u8string();
        std::string text;
        if (Utf8ToWindows1252(std::string_view(reinterpret_cast<const char*>(name.data()), name.size()),
                              text))
            names.push_back(text);
    }
    return error ? (error.value() != 0 ? error.value() : EIO) : 0;
}
