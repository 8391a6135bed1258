#pragma once

#include "platform/FileView.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// Failure of a file operation: the operating system's error code and the file's path.
struct CFileException
{
    int Error = 0;
    std::string Path;
};

// An open file as the data file reader and writer use it. Every operation throws
// CFileException on failure.
class CFile
{
public:
    virtual ~CFile() = default;

    virtual std::uint64_t GetLength() = 0;
    virtual void SeekToBegin() = 0;
    // Reads up to `count` bytes at the current position; returns how many were read.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes all `count` bytes at the current position.
    virtual void Write(const void* data, std::size_t count) = 0;
    // The whole file mapped for reading, or none where it cannot be mapped (then Read it).
    virtual std::unique_ptr<CFileView> MapForReading() { return nullptr; }
};
