#pragma once

#include "platform/FileView.h"

#include <memory>
#include <string>
#include <string_view>

// A file's bytes as an export gives them: mapped from the disk, or read into memory.
struct CExportBytes
{
    std::string Read;
    std::unique_ptr<CFileView> Mapped;

    std::string_view Text() const { return Mapped ? Mapped->Text() : std::string_view(Read); }
    // A mapped file cut short by another program while it was read: its bytes cannot be trusted.
    bool IsDamaged() const { return Mapped && Mapped->IsDamaged(); }
};

// The files of a register export, by the names its index.xml gives them: a folder on disk or
// the entries of a ZIP archive. Texts and messages are Windows-1252, as everywhere in the core.
class CExportFiles
{
public:
    virtual ~CExportFiles() = default;

    // Whether the export holds a file of that name.
    virtual bool Has(const std::string& name) = 0;
    // The whole file into `bytes`; false with a German message naming the file when it is
    // missing, unreadable or larger than the readers accept.
    [[nodiscard]] virtual bool Read(const std::string& name, std::string& bytes, std::string& message) = 0;
    // The same, mapped where the export can map its files (a large table then costs no copy).
    [[nodiscard]] virtual bool Open(const std::string& name, CExportBytes& bytes, std::string& message)
    {
        bytes.Mapped.reset();
        return Read(name, bytes.Read, message);
    }
    // The folder or archive, for messages.
    virtual const std::string& GetName() const = 0;
};
