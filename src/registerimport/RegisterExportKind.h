#pragma once

#include "CsvColumns.h"
#include "RegisterSales.h"

#include <string>

class CFileSystem;

// What the user chose to import.
enum class ERegisterExportKind {
    Missing,       // nothing readable at that path
    DsfinvkFolder, // a folder: a DSFinV-K export unpacked
    DsfinvkZip,    // a ZIP archive (by its signature or its ".zip" ending)
    CsvJournal,    // any other file: a sales journal
};

// The one entry point for callers (the import flow, the cli, the tests): tell the kinds apart
// by the path and read them. Texts are Windows-1252; messages German.
namespace RegisterExport {

ERegisterExportKind GetKind(CFileSystem& fileSystem, const std::string& path);

// A DSFinV-K folder or ZIP.
[[nodiscard]] bool ReadDsfinvk(CFileSystem& fileSystem, const std::string& path, CRegisterSales& sales,
                               std::string& message);

// A CSV journal with the given column assignment.
[[nodiscard]] bool ReadCsv(CFileSystem& fileSystem, const std::string& path, const CCsvColumns& columns,
                           CRegisterSales& sales, std::string& message);

// Any kind; a CSV journal then needs a heading row whose names give a complete assignment
// (GuessCsvColumns), else it fails with a message that asks for the columns.
[[nodiscard]] bool Read(CFileSystem& fileSystem, const std::string& path, CRegisterSales& sales,
                        std::string& message);

} // namespace RegisterExport
