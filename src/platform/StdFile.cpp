#include "StdFile.h"

#include <cerrno>

namespace {

std::FILE* OpenFile(const std::filesystem::path& path, CStdFile::EMode mode)
{
#ifdef _WIN32
    return _wfopen(path.c_str(), mode == CStdFile::OpenRead ? L"rb" : L"wb");
#else
    return std::fopen(path.c_str(), mode == CStdFile::OpenRead ? "rb" : "wb");
#endif
}

int SeekEnd(std::FILE* file)
{
#ifdef _WIN32
    return _fseeki64(file, 0, SEEK_END);
#else
    return fseeko(file, 0, SEEK_END);
#endif
}

std::int64_t Tell(std::FILE* file)
{
#ifdef _WIN32
    return _ftelli64(file);
#else
    return ftello(file);
#endif
}

int SeekTo(std::FILE* file, std::int64_t position)
{
#ifdef _WIN32
    return _fseeki64(file, position, SEEK_SET);
#else
    return fseeko(file, static_cast<off_t>(position), SEEK_SET);
#endif
}

} // namespace

CStdFile::CStdFile(const std::filesystem::path& path, EMode mode) : m_path(path.string())
{
    errno = 0;
    m_file = OpenFile(path, mode);
    if (!m_file)
        Fail(errno);
}

CStdFile::~CStdFile()
{
    if (m_file)
        std::fclose(m_file);
}

// Measures by seeking to the end and returns to where the file stood.
std::uint64_t CStdFile::GetLength()
{
    std::FILE* file = Handle();
    const std::int64_t position = Tell(file);
    if (position < 0 || SeekEnd(file) != 0)
        Fail(errno);
    const std::int64_t length = Tell(file);
    if (length < 0 || SeekTo(file, position) != 0)
        Fail(errno);
    return static_cast<std::uint64_t>(length);
}

void CStdFile::SeekToBegin()
{
    if (SeekTo(Handle(), 0) != 0)
        Fail(errno);
}

std::size_t CStdFile::Read(void* buffer, std::size_t count)
{
    std::FILE* file = Handle();
    const std::size_t read = std::fread(buffer, 1, count, file);
    if (read < count && std::ferror(file))
        Fail(errno);
    return read;
}

void CStdFile::Write(const void* data, std::size_t count)
{
    std::FILE* file = Handle();
    errno = 0;
    if (std::fwrite(data, 1, count, file) != count || std::fflush(file) != 0)
        Fail(errno);
}

void CStdFile::Close()
{
    if (!m_file)
        return;
    std::FILE* file = m_file;
    m_file = nullptr;
    errno = 0;
    if (std::fclose(file) != 0)
        Fail(errno);
}

void CStdFile::Fail(int error) const
{
    throw CFileException{error != 0 ? error : EIO, m_path};
}

std::FILE* CStdFile::Handle() const
{
    if (!m_file)
        Fail(EBADF);
    return m_file;
}
