#include "platform/FileUtilities.h"

#include "FaultyFileSystem.h"
#include "ManualClock.h"
#include "RecordingLogSink.h"
#include "TempDir.h"
#include "platform/PathText.h"
#include "platform/PosixFileSystem.h"

#include <filesystem>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class FileUtilitiesTest : public testing::Test
{
protected:
    std::string Path(const std::string& name) const { return m_dir.File(name); }
    static void Write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_dir.Path()))
            names.push_back(entry.path().filename().string());
        return names;
    }

    CTempDir m_dir;
    CPosixFileSystem m_real;
    CFaultyFileSystem m_files{m_real};
    CManualClock m_clock;
    CRecordingLogSink m_log;
    CFileUtilities m_utilities{m_files, m_clock, m_log};
};

TEST_F(FileUtilitiesTest, ExistsAndSizeAskWhetherTheFileCanBeRead)
{
    Write(Path("a.xml"), "12345");
    EXPECT_TRUE(m_utilities.FileExists(Path("a.xml")));
    EXPECT_EQ(m_utilities.GetFileSize(Path("a.xml")), 5u);
    for (const std::string& other : {Path("fehlt.xml"), m_dir.Path().string()}) {
        EXPECT_FALSE(m_utilities.FileExists(other)) << other;
        EXPECT_EQ(m_utilities.GetFileSize(other), 0u) << other;
    }
    m_files.FailCall(CFaultyFileSystem::OpOpen, 1, EACCES);
    std::uint64_t size = 1;
    EXPECT_FALSE(m_utilities.TryGetFileSize(Path("a.xml"), size));
    EXPECT_EQ(size, 0u);
}

TEST_F(FileUtilitiesTest, RemoveFileThatCannotBeDeletedTriesFiveTimesForFiveSeconds)
{
    Write(Path("fest.xml"), "x");
    m_files.DenyChangesIn(m_dir.Path().string());

    EXPECT_FALSE(m_utilities.RemoveFile(Path("fest.xml")));

    const std::string line = "Remove File: " + Path("fest.xml") + " failed, error " + std::to_string(EACCES);
    EXPECT_THAT(m_log.Lines, ElementsAre(line, line, line, line, line));
    EXPECT_EQ(m_clock.SleptMilliseconds(), 5100u);
    EXPECT_TRUE(std::filesystem::exists(Path("fest.xml")));
}

// One failed attempt makes the result false even though a later attempt deletes the file.
TEST_F(FileUtilitiesTest, RemoveFileReportsEveryFailedAttempt)
{
    Write(Path("a.xml"), "x");
    m_files.FailCall(CFaultyFileSystem::OpRemove, 1, EBUSY);
    EXPECT_FALSE(m_utilities.RemoveFile(Path("a.xml")));
    EXPECT_FALSE(std::filesystem::exists(Path("a.xml")));
    EXPECT_EQ(m_log.Lines.size(), 1u);
    EXPECT_EQ(m_clock.SleptMilliseconds(), 1100u);

    m_log.Lines.clear();
    EXPECT_TRUE(m_utilities.RemoveFile(Path("fehlt.xml")));
    EXPECT_THAT(m_log.Lines, IsEmpty());
    EXPECT_EQ(m_clock.SleptMilliseconds(), 1200u);
}

TEST_F(FileUtilitiesTest, RenameFileReplacesTheTargetOrLogsAndWaitsTenSeconds)
{
    Write(Path("a.xml"), "neu");
    Write(Path("b.xml"), "alt");
    EXPECT_TRUE(m_utilities.RenameFile(Path("a.xml"), Path("b.xml")));
    EXPECT_EQ(Read(Path("b.xml")), "neu");
    EXPECT_THAT(m_log.Lines, IsEmpty());
    EXPECT_LT(m_clock.SleptMilliseconds(), 1000u);

    m_files.FailCall(CFaultyFileSystem::OpRename, 1, EXDEV);
    const uint64_t before = m_clock.SleptMilliseconds();
    EXPECT_FALSE(m_utilities.RenameFile(Path("b.xml"), Path("c.xml")));
    EXPECT_THAT(m_log.Lines, ElementsAre("FileRename : " + Path("b.xml") + " -> " + Path("c.xml") +
                                         " failed, error " + std::to_string(EXDEV)));
    EXPECT_GE(m_clock.SleptMilliseconds() - before, 10000u);
    EXPECT_LT(m_clock.SleptMilliseconds() - before, 10200u);
}

TEST_F(FileUtilitiesTest, CreateDirectoryPathCreatesEveryMissingParent)
{
    const std::string deep = Path("a/b/c") + "/";
    EXPECT_TRUE(m_utilities.CreateDirectoryPath(deep));
    EXPECT_TRUE(std::filesystem::is_directory(Path("a/b/c")));
    EXPECT_FALSE(m_utilities.CreateDirectoryPath(Path("a/b/c")));
    EXPECT_FALSE(m_utilities.CreateDirectoryPath(""));
}

TEST_F(FileUtilitiesTest, TestDirectoryLeavesNothingBehindAndAnExistingTestFileAlone)
{
    EXPECT_TRUE(m_utilities.TestDirectory(m_dir.Path().string()));
    EXPECT_THAT(Entries(), IsEmpty());

    Write(Path("Test.txt"), "vom Benutzer");
    EXPECT_TRUE(m_utilities.TestDirectory(m_dir.Path().string() + "/"));
    EXPECT_EQ(Read(Path("Test.txt")), "vom Benutzer");

    EXPECT_FALSE(m_utilities.TestDirectory(Path("fehlt")));
}

TEST_F(FileUtilitiesTest, TestWriteFileNeverTouchesAnExistingFile)
{
    EXPECT_TRUE(m_utilities.TestWriteFile(Path("neu.xml")));
    EXPECT_THAT(Entries(), IsEmpty());

    Write(Path("Daten.xml"), "<Kostenkoch/>");
    EXPECT_TRUE(m_utilities.TestWriteFile(Path("Daten.xml")));
    EXPECT_EQ(Read(Path("Daten.xml")), "<Kostenkoch/>");
    EXPECT_THAT(Entries(), ElementsAre("Daten.xml"));

    m_files.DenyChangesIn(m_dir.Path().string());
    EXPECT_FALSE(m_utilities.TestWriteFile(Path("Daten.xml")));
    EXPECT_FALSE(m_utilities.TestWriteFile(Path("neu.xml")));
}

// A short read, a failed write and a failed delete each fail the test.
TEST_F(FileUtilitiesTest, TestWriteFileFailsWhenTheTextDoesNotComeBack)
{
    const struct
    {
        CFaultyFileSystem::EOperation Operation;
        int Call;
    } cases[] = {{CFaultyFileSystem::OpWrite, 1},
                 {CFaultyFileSystem::OpRead, 1},
                 {CFaultyFileSystem::OpOpen, 2},
                 {CFaultyFileSystem::OpRemove, 1}};
    for (const auto& c : cases) {
        m_files.ResetCounts();
        m_files.FailCall(c.Operation, c.Call, EIO);
        EXPECT_FALSE(m_utilities.TestWriteFile(Path("probe.xml"))) << CFaultyFileSystem::Name(c.Operation);
        std::filesystem::remove(Path("probe.xml"));
    }
}

TEST_F(FileUtilitiesTest, PrepareDataDirectoryCreatesOrRefuses)
{
    EXPECT_TRUE(m_utilities.PrepareDataDirectory(Path("x/y/Kostenkoch")));
    EXPECT_TRUE(std::filesystem::is_empty(Path("x/y/Kostenkoch")));

    m_files.DenyChangesIn(Path("ro"));
    std::filesystem::create_directories(Path("ro"));
    EXPECT_FALSE(m_utilities.PrepareDataDirectory(Path("ro")));
    EXPECT_FALSE(m_utilities.PrepareDataDirectory(Path("ro/Kostenkoch")));
    EXPECT_FALSE(std::filesystem::exists(Path("ro/Kostenkoch")));
}

TEST(PathText, PartsAndComparison)
{
    const struct
    {
        const char* Path;
        std::optional<std::string> Directory;
        const char* Name;
    } cases[] = {
        {"/home/koch/KostenkochData.xml", "/home/koch", "KostenkochData.xml"},
        {"/Daten.xml", "", "Daten.xml"},
        {"Daten.xml", std::nullopt, "Daten.xml"},
        {"/home/koch/", "/home/koch", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CPathText::DirectoryOf(c.Path), c.Directory) << c.Path;
        EXPECT_EQ(CPathText::FileNameOf(c.Path), c.Name) << c.Path;
    }
    EXPECT_TRUE(CPathText::EqualIgnoringCase("Bilder\xC4", "bILDER\xE4"));
    EXPECT_FALSE(CPathText::EqualIgnoringCase("\xD7", "\xF7"));
    EXPECT_TRUE(CPathText::EqualIgnoringCase("\x8A\x8C\x8E", "\x9A\x9C\x9E")); // Š Œ Ž
#ifdef _WIN32
    // Either separator divides, the backslash joins, and folder names compare without case.
    EXPECT_EQ(CPathText::DirectoryOf("C:\\Users\\M\xFCller/Daten.xml"), "C:\\Users\\M\xFCller");
    EXPECT_EQ(CPathText::Join("C:\\Daten\\", "b.xml"), "C:\\Daten\\b.xml");
    EXPECT_EQ(CPathText::Join("C:/Daten", "b.xml"), "C:/Daten\\b.xml");
    EXPECT_EQ(CPathText::WithTrailingSeparator("C:/Daten/"), "C:/Daten/");
    EXPECT_TRUE(CPathText::SamePath("C:\\Users\\M\xFCller", "c:\\users\\M\xDCLLER"));
#else
    EXPECT_EQ(CPathText::Join("/a/", "b.xml"), "/a/b.xml");
    EXPECT_EQ(CPathText::Join("/a", "b.xml"), "/a/b.xml");
    EXPECT_EQ(CPathText::WithTrailingSeparator("/a"), "/a/");
    // A case-sensitive file system holds both folders.
    EXPECT_FALSE(CPathText::SamePath("/home/Bilder", "/home/bilder"));
#endif
    EXPECT_TRUE(CPathText::SamePath("/home/Bilder", "/home/Bilder"));
}

TEST(PosixFileSystem, CopyNeverOverwritesAndRenameReplaces)
{
    CTempDir dir;
    CPosixFileSystem files;
    std::ofstream(dir.File("a.jpg")) << "a";
    std::ofstream(dir.File("b.jpg")) << "b";
    EXPECT_EQ(files.CopyNewFile(dir.File("a.jpg"), dir.File("b.jpg")), EEXIST);
    EXPECT_EQ(files.CopyNewFile(dir.File("a.jpg"), dir.File("c.jpg")), 0);
    EXPECT_EQ(files.CopyNewFile(dir.File("fehlt.jpg"), dir.File("d.jpg")), ENOENT);
    EXPECT_EQ(files.Rename(dir.File("c.jpg"), dir.File("b.jpg")), 0);
    EXPECT_EQ(files.SyncDirectory(dir.Path().string()), 0);
    std::vector<std::string> names;
    EXPECT_EQ(files.ListDirectory(dir.Path().string(), names), 0);
    EXPECT_THAT(names, testing::UnorderedElementsAre("a.jpg", "b.jpg"));
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    EXPECT_EQ(files.Open(dir.Path().string(), CFileSystem::ReadOnly, handle), EISDIR);
    EXPECT_EQ(files.Open(dir.File("a.jpg"), CFileSystem::CreateNew, handle), EEXIST);
}

// Paths are Windows-1252 text in the core and UTF-8 on the disk.
TEST(PosixFileSystem, PathsAreConvertedFromWindows1252)
{
    CTempDir dir;
    CPosixFileSystem files;
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    ASSERT_EQ(files.Open(dir.File("M\xFCller.xml"), CFileSystem::CreateNew, handle), 0);
    files.Close(handle);
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / std::filesystem::path(u8"Müller.xml")));
    std::vector<std::string> names;
    files.ListDirectory(dir.Path().string(), names);
    EXPECT_THAT(names, ElementsAre("M\xFCller.xml"));
}

} // namespace
