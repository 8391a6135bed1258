#pragma once

#include "File.h"
#include "FileSystem.h"

#include <string>

// An open file of a CFileSystem seen as a CFile, so the data file reader and writer work on
// any file system (the real one or a fault-injecting one). The CFile operations throw
// CFileException with the error code and the path; Sync and Close report by result. The
// destructor closes a file that is still open and ignores the result.
class CFileSystemFile : public CFile
{
public:
    CFileSystemFile(CFileSystem& files, CFileSystem::Handle handle, std::string path);
    ~CFileSystemFile() override;
    CFileSystemFile(const CFileSystemFile&) = delete;
    CFileSystemFile& operator=(const CFileSystemFile&) = delete;

    std::uint64_t GetLength() override;
    void SeekToBegin() override;
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* data, std::size_t count) override;
    std::unique_ptr<CFileView> MapForReading() override;

    // 0 or the error code.
    int Sync();
    int Close();

private:
    void ThrowIfFailed(int error) const;

    CFileSystem& m_files;
    CFileSystem::Handle m_handle;
    std::string m_path;
};
