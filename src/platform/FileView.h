#pragma once

#include <string_view>

// The bytes of a whole file mapped into memory for reading, followed by a zero byte. Reading a
// file this way takes no fresh memory of its size and no copy: the pages are those the system
// already holds for the file.
class CFileView
{
public:
    virtual ~CFileView() = default;

    // The file's bytes; the byte after them is zero.
    virtual std::string_view Text() const = 0;
    // True once a part of the file went away while it was mapped (another program cut the
    // file short): those bytes read as zeros, so nothing read from the view can be trusted.
    virtual bool IsDamaged() const = 0;
};
