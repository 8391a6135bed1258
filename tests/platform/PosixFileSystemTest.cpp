#include "platform/PosixFileSystem.h"

#include "TempDir.h"
#include "WindowsSkip.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <vector>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

#ifndef _WIN32
// Another process that takes the lock and holds it until it is killed.
pid_t HoldLockInChild(const std::string& path)
{
    int ready[2];
    if (::pipe(ready) != 0)
        return -1;
    const pid_t child = ::fork();
    if (child == 0) {
        CPosixFileSystem files;
        CFileSystem::Handle handle = CFileSystem::kNoHandle;
        const char result = files.LockFile(path, handle) == 0 ? '1' : '0';
        if (::write(ready[1], &result, 1) != 1)
            ::_exit(1);
        for (;;)
            ::pause();
    }
    char result = '0';
    const bool locked = child > 0 && ::read(ready[0], &result, 1) == 1 && result == '1';
    ::close(ready[0]);
    ::close(ready[1]);
    return locked ? child : -1;
}

void KillChild(pid_t child)
{
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

int MakeFifo(const std::string& path)
{
    return ::mkfifo(path.c_str(), 0600);
}
#else
int HoldLockInChild(const std::string&)
{
    return -1;
}

void KillChild(int) {}
#endif

TEST(PosixFileSystem, LockIsRefusedWhileHeldAndFreeAfterUnlock)
{
    CTempDir dir;
    CPosixFileSystem files;
    const std::string path = dir.File("KostenkochData.xml.lock");
    CFileSystem::Handle first = CFileSystem::kNoHandle;
    CFileSystem::Handle second = CFileSystem::kNoHandle;

    ASSERT_EQ(files.LockFile(path, first), 0);
    EXPECT_EQ(files.LockFile(path, second), CFileSystem::kLockedError);
    EXPECT_EQ(files.UnlockFile(path, first), 0);
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(files.LockFile(path, second), 0);
    EXPECT_EQ(files.UnlockFile(path, second), 0);
}

// A holder killed without a word leaves its lock file behind, but not its lock.
TEST(PosixFileSystem, LockIsFreeOnceTheHolderIsKilled)
{
    KK_SKIP_ON_WINDOWS("fork and SIGKILL");
    CTempDir dir;
    CPosixFileSystem files;
    const std::string path = dir.File("KostenkochData.xml.lock");
    CFileSystem::Handle first = CFileSystem::kNoHandle;
    const auto child = HoldLockInChild(path);
    ASSERT_GT(child, 0);
    EXPECT_EQ(files.LockFile(path, first), CFileSystem::kLockedError);
    KillChild(child);
    EXPECT_TRUE(std::filesystem::exists(path));
    ASSERT_EQ(files.LockFile(path, first), 0);
    EXPECT_EQ(files.UnlockFile(path, first), 0);
}

// Reading never waits on a FIFO and takes nothing but a regular file.
TEST(PosixFileSystem, StatusAndReadingTellRegularFilesFromTheRest)
{
    CTempDir dir;
    CPosixFileSystem files;
    const std::string file = dir.File("datei");
    std::ofstream(file) << "x";
    struct CCase
    {
        std::string Path;
        CFileStatus::EType Type;
        bool IsLink;
        int OpenError;
    };
    std::vector<CCase> cases = {
        {file, CFileStatus::Regular, false, 0},
        {dir.Path().string(), CFileStatus::Directory, false, EISDIR},
        {dir.File("fehlt"), CFileStatus::Missing, false, ENOENT},
    };
#ifndef _WIN32
    // FIFOs and symbolic links that any user may make are POSIX's alone.
    const std::string fifo = dir.File("fifo");
    const std::string link = dir.File("link");
    ASSERT_EQ(MakeFifo(fifo), 0);
    std::filesystem::create_symlink(file, link);
    std::filesystem::create_symlink(dir.File("nirgends"), dir.File("tot"));
    cases.push_back({link, CFileStatus::Regular, true, 0});
    cases.push_back({fifo, CFileStatus::Other, false, EINVAL});
    cases.push_back({dir.File("tot"), CFileStatus::Other, true, ENOENT});
#endif
    for (const auto& c : cases) {
        CFileStatus status;
        EXPECT_EQ(files.GetStatus(c.Path, status), 0) << c.Path;
        EXPECT_EQ(status.Type, c.Type) << c.Path;
        EXPECT_EQ(status.IsLink, c.IsLink) << c.Path;
        CFileSystem::Handle handle = CFileSystem::kNoHandle;
        EXPECT_EQ(files.Open(c.Path, CFileSystem::ReadOnly, handle), c.OpenError) << c.Path;
        if (handle != CFileSystem::kNoHandle)
            files.Close(handle);
    }
}

// No mode that writes follows a symbolic link to a file elsewhere.
TEST(PosixFileSystem, WritingNeverFollowsALink)
{
    KK_SKIP_ON_WINDOWS("symbolic links and O_NOFOLLOW");
    CTempDir dir;
    CPosixFileSystem files;
    const std::string victim = dir.File("opfer");
    const std::string link = dir.File("link");
    std::ofstream(victim) << "Opfer";
    std::filesystem::create_symlink(victim, link);
    for (const auto mode :
         {CFileSystem::CreateTruncate, CFileSystem::CreateNew, CFileSystem::WriteExisting}) {
        CFileSystem::Handle handle = CFileSystem::kNoHandle;
        EXPECT_NE(files.Open(link, mode, handle), 0) << mode;
        EXPECT_EQ(handle, CFileSystem::kNoHandle) << mode;
    }
    CFileSystem::Handle lock = CFileSystem::kNoHandle;
    EXPECT_NE(files.LockFile(link, lock), 0);
    EXPECT_EQ(Contents(victim), "Opfer");
}

// A hard link is a second name of the same file and never replaces anything.
TEST(PosixFileSystem, LinkNamesTheSameFileAndNeverReplaces)
{
    CTempDir dir;
    CPosixFileSystem files;
    const std::string victim = dir.File("opfer");
    std::ofstream(victim) << "Opfer";
    EXPECT_EQ(files.Link(victim, dir.File("zweiter")), 0);
    EXPECT_EQ(Contents(dir.File("zweiter")), "Opfer");
    EXPECT_EQ(files.Link(victim, dir.File("zweiter")), EEXIST);
}

TEST(PosixFileSystem, PrivateDirectoryIsTheUsersAlone)
{
    KK_SKIP_ON_WINDOWS("file modes");
    CTempDir dir;
    CPosixFileSystem files;
    const std::string privateDir = dir.File("privat");
    const std::string shared = dir.File("offen");
    ASSERT_EQ(files.MakePrivateDirectory(privateDir), 0);
    ASSERT_EQ(files.MakeDirectory(shared), 0);
    ::chmod(shared.c_str(), 0777);
    CFileStatus status;
    ASSERT_EQ(files.GetStatus(privateDir, status), 0);
    EXPECT_TRUE(status.OwnedByUser);
    EXPECT_FALSE(status.WritableByOthers);
    ASSERT_EQ(files.GetStatus(shared, status), 0);
    EXPECT_TRUE(status.WritableByOthers);
}

// Rename replaces the target in one step (MoveFileExW with MOVEFILE_REPLACE_EXISTING and
// MOVEFILE_WRITE_THROUGH on Windows); a missing source is ENOENT there as here.
TEST(PosixFileSystem, RenameReplacesTheTargetAndSyncFlushes)
{
    CTempDir dir;
    CPosixFileSystem files;
    const std::string fresh = dir.File("neu.tmp");
    const std::string data = dir.File("Daten.xml");
    std::ofstream(data) << "alt";
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    ASSERT_EQ(files.Open(fresh, CFileSystem::CreateNew, handle), 0);
    EXPECT_EQ(files.Write(handle, "neu", 3), 0);
    EXPECT_EQ(files.Sync(handle), 0);
    EXPECT_EQ(files.Close(handle), 0);

    EXPECT_EQ(files.Rename(fresh, data), 0);
    EXPECT_EQ(Contents(data), "neu");
    EXPECT_FALSE(files.Exists(fresh));
    EXPECT_EQ(files.Rename(fresh, data), ENOENT);
    EXPECT_EQ(files.Open(data, CFileSystem::CreateNew, handle), EEXIST);
}

// The core keeps paths as Windows-1252 text: a folder named "Müller" is the byte 0xFC in the
// core and the letter ü for the system, in both directions.
TEST(PosixFileSystem, PathsWithUmlautsReachTheSystemAsLetters)
{
    CTempDir dir;
    CPosixFileSystem files;
    const std::string folder =
        dir.Path().string() + static_cast<char>(std::filesystem::path::preferred_separator) + "M\xFCller";
    ASSERT_EQ(files.MakeDirectory(folder), 0);
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / std::filesystem::path(u8"Müller")));

    const std::string file = folder + static_cast<char>(std::filesystem::path::preferred_separator) +
                             "K\xFC"
                             "che.xml";
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    ASSERT_EQ(files.Open(file, CFileSystem::CreateNew, handle), 0);
    EXPECT_EQ(files.Close(handle), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / std::filesystem::path(u8"Müller/Küche.xml")));

    std::vector<std::string> names;
    EXPECT_EQ(files.ListDirectory(folder, names), 0);
    EXPECT_EQ(names, std::vector<std::string>{"K\xFC"
                                              "che.xml"});
    EXPECT_EQ(files.Rename(file, file + ".bak"), 0);
    EXPECT_TRUE(files.Exists(file + ".bak"));
}

#ifdef _WIN32
// The lock file is opened without sharing: no other program can even open it while the lock
// is held, and it goes away with the last handle.
TEST(PosixFileSystem, LockFileSharesNothingOnWindows)
{
    CTempDir dir;
    CPosixFileSystem files;
    const std::filesystem::path path = dir.Path() / "Daten.xml.lock";
    CFileSystem::Handle lock = CFileSystem::kNoHandle;
    ASSERT_EQ(files.LockFile(path.string(), lock), 0);
    const HANDLE other =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(other, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(files.UnlockFile(path.string(), lock), 0);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// A data file another program holds open without FILE_SHARE_DELETE cannot be replaced: the
// rename fails as "no access" (an errno value, not a raw Windows code) and the file stays.
TEST(PosixFileSystem, ReplacingAFileHeldOpenElsewhereFailsCleanlyOnWindows)
{
    CTempDir dir;
    CPosixFileSystem files;
    const std::filesystem::path data = dir.Path() / "Daten.xml";
    std::ofstream(data) << "alt";
    std::ofstream(dir.Path() / "neu.tmp") << "neu";
    const HANDLE reader = CreateFileW(data.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(files.Rename(dir.File("neu.tmp"), data.string()), EACCES);
    CloseHandle(reader);
    EXPECT_EQ(Contents(data.string()), "alt");
    EXPECT_EQ(files.Rename(dir.File("neu.tmp"), data.string()), 0);
    EXPECT_EQ(Contents(data.string()), "neu");
}
#endif

} // namespace
