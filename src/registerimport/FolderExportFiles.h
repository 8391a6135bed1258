#pragma once

#include "ExportFiles.h"

class CFileSystem;

// The files of an export unpacked into a folder. Names are taken only as plain file names of
// that folder: a name with a path separator or ".." is refused, so an index.xml cannot send
// the reader elsewhere.
class CFolderExportFiles : public CExportFiles
{
public:
    CFolderExportFiles(CFileSystem& fileSystem, std::string folder);

    bool Has(const std::string& name) override;
    [[nodiscard]] bool Read(const std::string& name, std::string& bytes, std::string& message) override;
    const std::string& GetName() const override { return m_folder; }

private:
    bool PathOf(const std::string& name, std::string& path) const;

    CFileSystem& m_fileSystem;
    std::string m_folder;
};
