#pragma once

#include "platform/FileSystem.h"

#include <cstddef>
#include <string>

// Reads a file from its start in blocks of whole lines (a block ends after its last line end;
// the last block holds the rest), so that a large journal can be read without holding all of
// it. A line longer than a block makes that block longer.
class CCsvFileBlocks
{
public:
    CCsvFileBlocks(CFileSystem& files, std::string path, std::size_t blockBytes);
    ~CCsvFileBlocks();
    CCsvFileBlocks(const CCsvFileBlocks&) = delete;
    CCsvFileBlocks& operator=(const CCsvFileBlocks&) = delete;

    // Opens the file; false with a German message naming it. `maxBytes` refuses a larger file.
    [[nodiscard]] bool Open(std::uint64_t maxBytes, std::string& message);
    // The next block into `block` (replacing what it held); false at the end of the file, or
    // on an error, which then sets `message`.
    bool Next(std::string& block, std::string& message);
    // The file's size, known once it is open.
    std::uint64_t GetSize() const { return m_size; }
    // Whether the blocks so far were all of the file.
    bool AtEnd() const { return m_atEnd && m_pending.empty(); }

private:
    CFileSystem& m_files;
    std::string m_path;
    std::size_t m_blockBytes;
    CFileSystem::Handle m_handle = CFileSystem::kNoHandle;
    std::uint64_t m_size = 0;
    std::string m_pending; // bytes after the last block's last line end
    bool m_atEnd = false;
};
