#include "TempDir.h"
#include "platform/FileSystemFile.h"
#include "platform/PosixFileSystem.h"

#include <fstream>
#include <gtest/gtest.h>
#include <string>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::unique_ptr<CFileView> MapFile(CPosixFileSystem& files, const std::string& path)
{
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    EXPECT_EQ(files.Open(path, CFileSystem::ReadOnly, handle), 0);
    CFileSystemFile file(files, handle, path);
    return file.MapForReading();
}

#ifdef _WIN32

// Windows keeps reading the data file into memory.
TEST(MappedFileView, FilesAreReadNotMapped)
{
    const CTempDir dir;
    CPosixFileSystem files;
    const std::string path = dir.File("KostenkochData.xml");
    WriteFile(path, "<Kostenkoch/>");
    EXPECT_FALSE(MapFile(files, path));
}

#else

// A view holds the file's bytes and a zero after them, whether the file ends inside a page,
// at a page's end or is empty, and it outlives the file that was closed.
TEST(MappedFileView, HoldsTheBytesAndAZeroAfterThem)
{
    const CTempDir dir;
    CPosixFileSystem files;
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    for (const std::size_t length : {std::size_t{0}, std::size_t{1}, page - 1, page, 3 * page + 17}) {
        std::string text(length, 'x');
        for (std::size_t i = 0; i < length; ++i)
            text[i] = static_cast<char>('a' + i % 26);
        const std::string path = dir.File("daten-" + std::to_string(length) + ".xml");
        WriteFile(path, text);
        const auto view = MapFile(files, path);
        ASSERT_TRUE(view) << length;
        EXPECT_EQ(view->Text(), text) << length;
        EXPECT_EQ(view->Text().data()[length], '\0') << length;
        EXPECT_FALSE(view->IsDamaged());
    }
}

// Cut short by another program while mapped: the vanished pages read as zeros and the view
// counts as damaged, where the system would otherwise end the program with a bus error.
TEST(MappedFileView, AFileCutShortReadsAsZerosAndDamaged)
{
    const CTempDir dir;
    CPosixFileSystem files;
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::string path = dir.File("KostenkochData.xml");
    WriteFile(path, std::string(4 * page, 'k'));
    const auto view = MapFile(files, path);
    ASSERT_TRUE(view);
    ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(page)), 0);

    std::size_t zeros = 0;
    for (const char c : view->Text())
        zeros += c == '\0' ? 1 : 0;
    EXPECT_EQ(zeros, 3 * page);
    EXPECT_EQ(view->Text()[page - 1], 'k');
    EXPECT_TRUE(view->IsDamaged());

    // A new view of the shorter file is whole again.
    const auto again = MapFile(files, path);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Text(), std::string(page, 'k'));
    EXPECT_FALSE(again->IsDamaged());
}

#endif

} // namespace
