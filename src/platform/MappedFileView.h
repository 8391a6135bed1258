#pragma once

#include "FileView.h"

#include <cstddef>
#include <cstdint>
#include <memory>

// A POSIX file mapped privately for reading, with a zero byte after it (the rest of its last
// page, or one more page of zeros). Where a page of the file is gone when it is touched (the
// file was cut short meanwhile), the system would end the program with a bus error; instead a
// page of zeros takes its place and the view counts as damaged.
class CMappedFileView : public CFileView
{
public:
    // None where mapping fails (the caller then reads the file) or on systems without it.
    static std::unique_ptr<CMappedFileView> Map(int handle, std::uint64_t length);
    ~CMappedFileView() override;
    CMappedFileView(const CMappedFileView&) = delete;
    CMappedFileView& operator=(const CMappedFileView&) = delete;

    std::string_view Text() const override;
    bool IsDamaged() const override;

private:
    CMappedFileView(char* base, std::size_t length, std::size_t mapped, int slot);

    char* m_base;
    std::size_t m_length;
    std::size_t m_mapped;
    // The entry of the bus error guard that covers this view.
    int m_slot;
};
