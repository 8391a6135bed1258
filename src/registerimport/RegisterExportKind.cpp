#include "RegisterExportKind.h"

#include "CsvJournal.h"
#include "DsfinvkReader.h"
#include "datafile/Utf8Text.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

namespace {

// "C:\Kasse\" and "/kasse/" name the folder without the separator; Windows gives no status of a
// path that ends in one. A drive's or the file system's root keeps its separator.
std::string WithoutTrailingSeparator(std::string path)
{
    while (path.size() > 1 && (path.back() == '/' || path.back() == '\\') && path[path.size() - 2] != ':')
        path.pop_back();
    return path;
}

// The first bytes of a ZIP archive: a local file header, or the end record of an empty one.
bool StartsLikeZip(CFileSystem& fileSystem, const std::string& path)
{
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (fileSystem.Open(path, CFileSystem::ReadOnly, handle) != 0)
        return false;
    char head[4] = {};
    std::size_t read = 0;
    const int error = fileSystem.Read(handle, head, sizeof head, read);
    fileSystem.Close(handle);
    return error == 0 && read == 4 && head[0] == 'P' && head[1] == 'K' &&
           ((head[2] == 3 && head[3] == 4) || (head[2] == 5 && head[3] == 6));
}

} // namespace

namespace RegisterExport {

ERegisterExportKind GetKind(CFileSystem& fileSystem, const std::string& givenPath)
{
    const std::string path = WithoutTrailingSeparator(givenPath);
    CFileStatus status;
    if (path.empty() || fileSystem.GetStatus(path, status) != 0)
        return ERegisterExportKind::Missing;
    if (status.Type == CFileStatus::Directory)
        return ERegisterExportKind::DsfinvkFolder;
    if (status.Type != CFileStatus::Regular)
        return ERegisterExportKind::Missing;
    const std::string name = CPathText::ToLower(CPathText::FileNameOf(path));
    if (name.ends_with(".zip") || StartsLikeZip(fileSystem, path))
        return ERegisterExportKind::DsfinvkZip;
    return ERegisterExportKind::CsvJournal;
}

bool ReadDsfinvk(CFileSystem& fileSystem, const std::string& givenPath, CRegisterSales& sales,
                 std::string& message)
{
    const std::string path = WithoutTrailingSeparator(givenPath);
    switch (GetKind(fileSystem, path)) {
    case ERegisterExportKind::DsfinvkFolder:
        return DsfinvkReader::ReadFolder(fileSystem, path, sales, message);
    case ERegisterExportKind::DsfinvkZip:
        return DsfinvkReader::ReadZip(path, sales, message);
    case ERegisterExportKind::CsvJournal:
        message = path + Windows1252Text(" ist weder ein Ordner noch eine ZIP-Datei mit Kassendaten.");
        break;
    case ERegisterExportKind::Missing:
        message = path + Windows1252Text(" ist nicht vorhanden oder nicht lesbar.");
        break;
    }
    sales = CRegisterSales();
    return false;
}

bool ReadCsv(CFileSystem& fileSystem, const std::string& path, const CCsvColumns& columns,
             CRegisterSales& sales, std::string& message)
{
    CCsvJournal journal;
    if (!journal.Load(fileSystem, path, message)) {
        sales = CRegisterSales();
        return false;
    }
    return journal.Read(columns, sales, message);
}

bool Read(CFileSystem& fileSystem, const std::string& path, CRegisterSales& sales, std::string& message)
{
    if (GetKind(fileSystem, path) != ERegisterExportKind::CsvJournal)
        return ReadDsfinvk(fileSystem, path, sales, message);
    CCsvJournal journal;
    if (!journal.Load(fileSystem, path, message)) {
        sales = CRegisterSales();
        return false;
    }
    const CCsvColumns columns = GuessCsvColumns(journal.GetHeadings());
    if (!columns.IsComplete()) {
        message =
            path + Windows1252Text(": die Spalten für Datum, Artikel und Menge sind an den Überschriften "
                                   "nicht zu erkennen; ordnen Sie sie zu.");
        sales = CRegisterSales();
        return false;
    }
    return journal.Read(columns, sales, message);
}

} // namespace RegisterExport
