#pragma once

#include "platform/File.h"

#include <cstdio>
#include <filesystem>

// A file on disk, opened in binary mode for reading or created (truncated) for writing. Every
// operation throws CFileException with the system's error code and the path. Each Write is
// flushed before it returns, so a full disk shows up in Write and not at closing.
class CStdFile : public CFile
{
public:
    enum EMode { OpenRead, CreateWrite };

    CStdFile(const std::filesystem::path& path, EMode mode);
    ~CStdFile() override;
    CStdFile(const CStdFile&) = delete;
    CStdFile& operator=(const CStdFile&) = delete;

    std::uint64_t GetLength() override;
    void SeekToBegin() override;
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* data, std::size_t count) override;

    // Closes the file and reports a failure to do so; the destructor closes silently.
    void Close();

private:
    [[noreturn]] void Fail(int error) const;
    std::FILE* Handle() const;

    std::FILE* m_file = nullptr;
    std::string m_path;
};
