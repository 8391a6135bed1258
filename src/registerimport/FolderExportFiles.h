#pragma once

#include "ExportFiles.h"
#include "platform/FileSystem.h"

// The files of an export unpacked into a folder. Names are taken only as plain file names of
// that folder: a name with a path separator or ".." is refused, so an index.xml cannot send
// the reader elsewhere.
class CFolderExportFiles : public CExportFiles
{
public:
    CFolderExportFiles(CFileSystem& fileSystem, std::string folder);

    bool Has(const std::string& name) override;
    [[nodiscard]] bool Read(const std::string& name, std::string& bytes, std::string& message) override;
    [[nodiscard]] bool Open(const std::string& name, CExportBytes& bytes, std::string& message) override;
    const std::string& GetName() const override { return m_folder; }

private:
    bool PathOf(const std::string& name, std::string& path) const;
    // Opens the file and checks its size; false with a message.
    bool OpenFile(const std::string& name, CFileSystem::Handle& handle, std::uint64_t& size,
                  std::string& message);

    CFileSystem& m_fileSystem;
    std::string m_folder;
};
