#include "UpdateFile.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

std::FILE* OpenFile(const fs::path& path, const char* mode)
{
#ifdef _WIN32
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(path.c_str(), wideMode.c_str());
#else
    return std::fopen(path.c_str(), mode);
#endif
}

} // namespace

CUpdateFile::CUpdateFile(const fs::path& path, bool create) : m_path(path)
{
    m_file = OpenFile(path, "r+b");
    std::error_code ignored;
    if (!m_file && create && !fs::exists(path, ignored)) {
        if (std::FILE* created = OpenFile(path, "wb"))
            std::fclose(created);
        m_file = OpenFile(path, "r+b");
    }
}

CUpdateFile::~CUpdateFile()
{
    Close();
}

void CUpdateFile::Close()
{
    if (m_file)
        std::fclose(m_file);
    m_file = nullptr;
}

bool CUpdateFile::SeekTo(std::uint64_t offset)
{
#ifdef _WIN32
    return _fseeki64(m_file, static_cast<__int64>(offset), SEEK_SET) == 0;
#else
    return fseeko(m_file, static_cast<off_t>(offset), SEEK_SET) == 0;
#endif
}

bool CUpdateFile::IsEmpty()
{
    return m_file && std::fseek(m_file, 0, SEEK_END) == 0 && std::ftell(m_file) == 0;
}

bool CUpdateFile::Append(std::string_view text)
{
    return m_file && std::fseek(m_file, 0, SEEK_END) == 0 &&
           std::fwrite(text.data(), 1, text.size(), m_file) == text.size();
}

std::optional<std::string> CUpdateFile::ReadAll()
{
    std::error_code error;
    const std::uintmax_t size = fs::file_size(m_path, error);
    if (!m_file || error || !SeekTo(0))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (std::fread(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
        return std::nullopt;
    return bytes;
}

bool CUpdateFile::ReplaceContents(const std::string& contents)
{
    if (!m_file || !SeekTo(0) || std::fwrite(contents.data(), 1, contents.size(), m_file) != contents.size())
        return false;
    Close();
    std::error_code error;
    fs::resize_file(m_path, contents.size(), error);
    return !error;
}
