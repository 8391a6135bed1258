#pragma once

#include "cli/JsonObject.h"

#include <optional>
#include <string>

class CCliArguments;
class CFileSystem;
struct CImportPlan;
struct CRegisterSales;

// The parts of "import" that are more than reading and writing the data file: the export read
// with the journal's columns from the options, and the JSON summary.
namespace CliImport {

// Reads a DSFinV-K folder or ZIP, or a CSV journal whose columns come from its heading row,
// changed by the column options (--date-column N and so on, counting from 1; --no-heading).
// None with the argument's fault in `fault`, or false with a German message in `message`.
enum class ERead { Done, WrongArgument, Failed };
ERead ReadExport(CFileSystem& files, const std::string& path, const CCliArguments& args,
                 CRegisterSales& sales, std::string& fault, std::string& message);

// The summary as JSON, the same counts the summary dialog shows; texts UTF-8.
CJsonObject Report(const CImportPlan& plan, bool dryRun, bool written, int acceptedExact);

} // namespace CliImport
