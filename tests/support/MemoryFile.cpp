#include "MemoryFile.h"

#include <algorithm>
#include <cstring>

std::uint64_t CMemoryFile::GetLength()
{
    ThrowIfFailing();
    return m_content.size();
}

void CMemoryFile::SeekToBegin()
{
    ThrowIfFailing();
    m_position = 0;
}

std::size_t CMemoryFile::Read(void* buffer, std::size_t count)
{
    ThrowIfFailing();
    const std::size_t available = m_content.size() - std::min(m_position, m_content.size());
    const std::size_t read = std::min(count, available);
    if (read > 0)
        std::memcpy(buffer, m_content.data() + m_position, read);
    m_position += read;
    return read;
}

void CMemoryFile::Write(const void* data, std::size_t count)
{
    ++m_writeCalls;
    ThrowIfFailing();
    if (m_content.size() < m_position + count)
        m_content.resize(m_position + count);
    if (count > 0)
        std::memcpy(m_content.data() + m_position, data, count);
    m_position += count;
}

void CMemoryFile::ThrowIfFailing() const
{
    if (m_failure != 0)
        throw CFileException{m_failure, "<memory>"};
}
