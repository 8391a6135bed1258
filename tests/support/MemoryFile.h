#pragma once

#include "platform/File.h"

#include <string>
#include <utility>

// A file held in memory, for tests: reads and writes at a position like a file on disk, and
// can be told to fail every later operation with an error code.
class CMemoryFile : public CFile
{
public:
    explicit CMemoryFile(std::string content = {}) : m_content(std::move(content)) {}

    std::uint64_t GetLength() override;
    void SeekToBegin() override;
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* data, std::size_t count) override;

    const std::string& Content() const { return m_content; }
    int WriteCalls() const { return m_writeCalls; }
    // From now on every operation throws CFileException with `error` (0 = work again).
    void SetFailure(int error) { m_failure = error; }

private:
    void ThrowIfFailing() const;

    std::string m_content;
    std::size_t m_position = 0;
    int m_writeCalls = 0;
    int m_failure = 0;
};
