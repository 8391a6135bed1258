#pragma once

#include <QByteArray>
#include <optional>
#include <string>

class CPageHost;

// Files the user exports from a page or dialog (a table as CSV, a chart as a picture).
namespace ExportFile {

// Asks where to save, offering `defaultFileName` (with its extension) and the filter.
std::optional<std::string> AskPath(CPageHost& host, const char* extension, const std::string& defaultFileName,
                                   const char* filter);
// Writes the whole file or nothing (a failed write leaves an older file of that name as it
// was); false after telling the user.
bool Write(CPageHost& host, const std::string& path, const QByteArray& bytes);
// Writes a table's Windows-1252 CSV text as UTF-8 with a byte order mark, so that spreadsheets
// read the umlauts.
bool WriteCsv(CPageHost& host, const std::string& path, const std::string& csv);

} // namespace ExportFile
