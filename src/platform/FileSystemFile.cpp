#include "FileSystemFile.h"

#include <cerrno>
#include <utility>

CFileSystemFile::CFileSystemFile(CFileSystem& files, CFileSystem::Handle handle, std::string path)
    : m_files(files), m_handle(handle), m_path(std::move(path))
{}

CFileSystemFile::~CFileSystemFile()
{
    Close();
}

std::uint64_t CFileSystemFile::GetLength()
{
    std::uint64_t size = 0;
    ThrowIfFailed(m_handle == CFileSystem::kNoHandle ? EBADF : m_files.GetSize(m_handle, size));
    return size;
}

void CFileSystemFile::SeekToBegin()
{
    ThrowIfFailed(m_handle == CFileSystem::kNoHandle ? EBADF : m_files.Seek(m_handle, 0));
}

std::size_t CFileSystemFile::Read(void* buffer, std::size_t count)
{
    std::size_t read = 0;
    ThrowIfFailed(m_handle == CFileSystem::kNoHandle ? EBADF : m_files.Read(m_handle, buffer, count, read));
    return read;
}

void CFileSystemFile::Write(const void* data, std::size_t count)
{
    ThrowIfFailed(m_handle == CFileSystem::kNoHandle ? EBADF : m_files.Write(m_handle, data, count));
}

std::unique_ptr<CFileView> CFileSystemFile::MapForReading()
{
    return m_handle == CFileSystem::kNoHandle ? nullptr : m_files.MapForReading(m_handle, GetLength());
}

int CFileSystemFile::Sync()
{
    return m_handle == CFileSystem::kNoHandle ? EBADF : m_files.Sync(m_handle);
}

int CFileSystemFile::Close()
{
    if (m_handle == CFileSystem::kNoHandle)
        return 0;
    const CFileSystem::Handle handle = std::exchange(m_handle, CFileSystem::kNoHandle);
    return m_files.Close(handle);
}

void CFileSystemFile::ThrowIfFailed(int error) const
{
    if (error != 0)
        throw CFileException{error, m_path};
}
