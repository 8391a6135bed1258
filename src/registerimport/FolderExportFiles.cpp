#include "FolderExportFiles.h"

#include "DsfinvkReader.h"
#include "datafile/Utf8Text.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

#include <vector>

namespace {

std::string CannotRead(const std::string& name, int error)
{
    return Windows1252Text("Die Datei ") + name +
           Windows1252Text(" der Kassendaten kann nicht gelesen werden (Fehler ") + std::to_string(error) +
           ").";
}

} // namespace

CFolderExportFiles::CFolderExportFiles(CFileSystem& fileSystem, std::string folder)
    : m_fileSystem(fileSystem), m_folder(std::move(folder))
{}

// The entry of the folder whose name equals `name` (case-insensitively, since exports are
// written on Windows); refused for names that are no plain file name.
bool CFolderExportFiles::PathOf(const std::string& name, std::string& path) const
{
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\:") != std::string::npos)
        return false;
    std::vector<std::string> entries;
    if (m_fileSystem.ListDirectory(m_folder, entries) != 0)
        return false;
    for (const std::string& entry : entries)
        if (entry == name || CPathText::EqualIgnoringCase(entry, name)) {
            path = CPathText::Join(m_folder, entry);
            CFileStatus status;
            return m_fileSystem.GetStatus(path, status) == 0 && status.Type == CFileStatus::Regular;
        }
    return false;
}

bool CFolderExportFiles::Has(const std::string& name)
{
    std::string path;
    return PathOf(name, path);
}

bool CFolderExportFiles::OpenFile(const std::string& name, CFileSystem::Handle& handle, std::uint64_t& size,
                                  std::string& message)
{
    std::string path;
    if (!PathOf(name, path)) {
        message =
            Windows1252Text("Die Datei ") + name + Windows1252Text(" fehlt im Ordner ") + m_folder + ".";
        return false;
    }
    if (const int error = m_fileSystem.Open(path, CFileSystem::ReadOnly, handle); error != 0) {
        message = CannotRead(name, error);
        return false;
    }
    size = 0;
    const int error = m_fileSystem.GetSize(handle, size);
    if (error == 0 && size <= DsfinvkReader::kMaxFileBytes)
        return true;
    m_fileSystem.Close(handle);
    message = error != 0 ? CannotRead(name, error)
                         : Windows1252Text("Die Datei ") + name +
                               Windows1252Text(" ist zu groß, um sie einzulesen.");
    return false;
}

bool CFolderExportFiles::Read(const std::string& name, std::string& bytes, std::string& message)
{
    bytes.clear();
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    std::uint64_t size = 0;
    if (!OpenFile(name, handle, size, message))
        return false;
    bytes.resize(static_cast<std::size_t>(size));
    std::size_t read = 0;
    const int error = m_fileSystem.Read(handle, bytes.data(), bytes.size(), read);
    bytes.resize(read);
    m_fileSystem.Close(handle);
    if (error != 0) {
        bytes.clear();
        message = CannotRead(name, error);
        return false;
    }
    return true;
}

bool CFolderExportFiles::Open(const std::string& name, CExportBytes& bytes, std::string& message)
{
    bytes.Read.clear();
    bytes.Mapped.reset();
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    std::uint64_t size = 0;
    if (!OpenFile(name, handle, size, message))
        return false;
    if (size > 0)
        bytes.Mapped = m_fileSystem.MapForReading(handle, size);
    m_fileSystem.Close(handle);
    return bytes.Mapped != nullptr || Read(name, bytes.Read, message);
}
