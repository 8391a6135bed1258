#include "DsfinvkReader.h"
#include "ExportFiles.h"
#include "datafile/Utf8Text.h"
#include "platform/Windows1252.h"
#include "registerimport/zip/ZipArchive.h"

#include <algorithm>

namespace {

// The entries of a ZIP archive as the files of an export: the folder inside the archive that
// holds index.xml (the shallowest, where there are several) is the export's folder. Nothing
// is unpacked to disk; each entry is read into memory up to the readers' limit.
class CZipExportFiles : public CExportFiles
{
public:
    explicit CZipExportFiles(std::string path) : m_path(std::move(path)) {}

    bool Open(std::string& message);
    bool Has(const std::string& name) override { return !EntryOf(name).empty(); }
    [[nodiscard]] bool Read(const std::string& name, std::string& bytes, std::string& message) override;
    const std::string& GetName() const override { return m_path; }

private:
    std::string EntryOf(const std::string& name) const;

    std::string m_path;
    CZipArchive m_archive;
    std::vector<std::string> m_names;
    std::string m_folder;
};

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x >= 'A' && x <= 'Z' ? x + 32 : x) == (y >= 'A' && y <= 'Z' ? y + 32 : y);
           });
}

bool CZipExportFiles::Open(std::string& message)
{
    if (m_archive.Open(Windows1252ToUtf8(m_path)) != CZipArchive::Ok) {
        message = m_path + Windows1252Text(" ist keine lesbare ZIP-Datei.");
        return false;
    }
    m_names = m_archive.GetNames();
    std::size_t best = std::string::npos;
    for (const std::string& name : m_names) {
        const std::size_t slash = name.rfind('/');
        const std::string_view file =
            slash == std::string::npos ? std::string_view(name) : std::string_view(name).substr(slash + 1);
        const std::size_t depth = static_cast<std::size_t>(std::count(name.begin(), name.end(), '/'));
        if (EqualNoCase(file, "index.xml") && depth < best && name.find("..") == std::string::npos) {
            best = depth;
            m_folder = slash == std::string::npos ? std::string() : name.substr(0, slash + 1);
        }
    }
    return true;
}

// The archive's entry for a file of the export, or "" when it holds none. Names with a path
// of their own are refused.
std::string CZipExportFiles::EntryOf(const std::string& name) const
{
    if (name.empty() || name.find_first_of("/\\:") != std::string::npos || name == "..")
        return {};
    for (const std::string& entry : m_names)
        if (entry.size() == m_folder.size() + name.size() && entry.starts_with(m_folder) &&
            EqualNoCase(std::string_view(entry).substr(m_folder.size()), name))
            return entry;
    return {};
}

bool CZipExportFiles::Read(const std::string& name, std::string& bytes, std::string& message)
{
    const std::string entry = EntryOf(name);
    const CZipArchive::EResult result =
        entry.empty() ? CZipArchive::NotFound : m_archive.Read(entry, DsfinvkReader::kMaxFileBytes, bytes);
    switch (result) {
    case CZipArchive::Ok:
        return true;
    case CZipArchive::NotFound:
        message = Windows1252Text("Die Datei ") + name + Windows1252Text(" fehlt in ") + m_path + ".";
        break;
    case CZipArchive::TooLarge:
        message = Windows1252Text("Die Datei ") + name + Windows1252Text(" in ") + m_path +
                  Windows1252Text(" ist entpackt zu groß, um sie einzulesen.");
        break;
    default:
        message = Windows1252Text("Die Datei ") + name + Windows1252Text(" in ") + m_path +
                  Windows1252Text(" ist beschädigt und kann nicht entpackt werden.");
        break;
    }
    return false;
}

} // namespace

namespace DsfinvkReader {

bool CanReadZip()
{
    return true;
}

bool ReadZip(const std::string& zipPath, CRegisterSales& sales, std::string& message)
{
    sales = CRegisterSales();
    CZipExportFiles files(zipPath);
    return files.Open(message) && Read(files, sales, message);
}

} // namespace DsfinvkReader
