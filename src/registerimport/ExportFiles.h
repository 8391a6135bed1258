#pragma once

#include <string>

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
    // The folder or archive, for messages.
    virtual const std::string& GetName() const = 0;
};
