#pragma once

#include "RegisterSales.h"

#include <string>

class CExportFiles;
class CFileSystem;

// Reads a DSFinV-K export: index.xml for each table's file, columns, delimiters, number
// symbols and encoding; the daily closings (cashpointclosing.csv), the receipts
// (transactions.csv) and the receipt lines (lines.csv), joined by Z_KASSE_ID, Z_NR and BON_ID.
// Only lines of type "Umsatz" on receipts of type "Beleg" count; everything else is counted in
// CRegisterSales::Skipped by reason. Each closing is one CRegisterSource (Key "Z_KASSE_ID/Z_NR").
// Every function returns false with a German message (naming file, row and column where it
// helps) and leaves `sales` empty when the export cannot be read.
namespace DsfinvkReader {

[[nodiscard]] bool Read(CExportFiles& files, CRegisterSales& sales, std::string& message);
[[nodiscard]] bool ReadFolder(CFileSystem& fileSystem, const std::string& folder, CRegisterSales& sales,
                              std::string& message);
// Where this build reads no ZIP archives, always false with a message that says so.
[[nodiscard]] bool ReadZip(const std::string& zipPath, CRegisterSales& sales, std::string& message);
// Whether this build reads ZIP archives (the Windows core build does not).
bool CanReadZip();

// The largest file of an export the readers take (a larger one is refused, not read).
inline constexpr unsigned long long kMaxFileBytes = 1ull << 30;

} // namespace DsfinvkReader
