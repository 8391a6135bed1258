#include "platform/PosixFileSystem.h"

#include "TempDir.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string Contents(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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

TEST(PosixFileSystem, LockIsRefusedWhileHeldAndFreeOnceTheHolderIsGone)
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

    // A holder killed without a word leaves its lock file behind, but not its lock.
    const pid_t child = HoldLockInChild(path);
    ASSERT_GT(child, 0);
    EXPECT_EQ(files.LockFile(path, first), CFileSystem::kLockedError);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_TRUE(std::filesystem::exists(path));
    ASSERT_EQ(files.LockFile(path, first), 0);
    EXPECT_EQ(files.UnlockFile(path, first), 0);
}

// Reading never waits on a FIFO and takes nothing but a regular file.
TEST(PosixFileSystem, StatusAndReadingTellRegularFilesFromTheRest)
{
    CTempDir dir;
    CPosixFileSystem files;
    const std::string fifo = dir.File("fifo");
    const std::string file = dir.File("datei");
    const std::string link = dir.File("link");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::ofstream(file) << "x";
    std::filesystem::create_symlink(file, link);
    std::filesystem::create_symlink(dir.File("nirgends"), dir.File("tot"));

    const struct
    {
        std::string Path;
        CFileStatus::EType Type;
        bool IsLink;
        int OpenError;
    } cases[] = {
        {file, CFileStatus::Regular, false, 0},
        {link, CFileStatus::Regular, true, 0},
        {fifo, CFileStatus::Other, false, EINVAL},
        {dir.Path().string(), CFileStatus::Directory, false, EISDIR},
        {dir.File("tot"), CFileStatus::Other, true, ENOENT},
        {dir.File("fehlt"), CFileStatus::Missing, false, ENOENT},
    };
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

// No mode that writes follows a link to a file elsewhere; a hard link is a second name.
TEST(PosixFileSystem, WritingNeverFollowsALinkAndLinksNameTheSameFile)
{
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

    EXPECT_EQ(files.Link(victim, dir.File("zweiter")), 0);
    EXPECT_EQ(Contents(dir.File("zweiter")), "Opfer");
    EXPECT_EQ(files.Link(victim, dir.File("zweiter")), EEXIST);
}

TEST(PosixFileSystem, PrivateDirectoryIsTheUsersAlone)
{
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

} // namespace
