// kk-register-bench: generates register exports and sales journals of a chosen size and reads
// them as the import does, one step per process so that kk-run measures each step's time and
// peak memory alone.
//
//   kk-register-bench export DIR DAYS RECEIPTS_PER_DAY   writes a DSFinV-K export into DIR
//   kk-register-bench journal FILE DAYS ROWS_PER_DAY      writes a CSV journal
//   kk-register-bench read DIR                            reads the export
//   kk-register-bench csv FILE                            reads the journal (heading guess)
//   kk-register-bench preview FILE                        loads the journal, first 50 preview rows
//   kk-register-bench import PATH                         reads an export or journal, maps every
//                                                          item to a dish of its name and books it
//
// Each reading step prints its own wall time in milliseconds and what it read.
#include "RegisterExportGenerator.h"
#include "catalogue/Data.h"
#include "platform/PosixFileSystem.h"
#include "registerimport/CsvJournal.h"
#include "registerimport/CsvPreview.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterBooking.h"
#include "registerimport/RegisterExportKind.h"
#include "registerimport/RegisterItemTable.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using CClockType = std::chrono::steady_clock;

double Since(CClockType::time_point start)
{
    return std::chrono::duration<double, std::milli>(CClockType::now() - start).count();
}

int Export(const std::string& folder, int days, int receipts)
{
    CRegisterExportOptions options;
    options.Days = days;
    options.ReceiptsPerDay = receipts;
    options.Items = 80;
    options.Year = 2024;
    options.Month = 1;
    options.Day = 1;
    const CGeneratedExport generated = GenerateDsfinvkExport(options);
    std::filesystem::create_directories(folder);
    if (!WriteExportFolder(generated, folder))
        return 1;
    std::uintmax_t bytes = 0;
    for (const auto& [name, text] : generated.Files)
        bytes += text.size();
    std::printf("lines that count %d, bytes %ju, lines.csv %zu\n", generated.Expected.Lines, bytes,
                generated.Files.at("lines.csv").size());
    return 0;
}

int Journal(const std::string& file, int days, int rows)
{
    CCsvJournalOptions options;
    options.Days = days;
    options.RowsPerDay = rows;
    options.Items = 80;
    options.Year = 2024;
    options.Month = 1;
    options.Day = 1;
    options.WithNumber = true;
    options.SeparateTime = true;
    const CGeneratedJournal journal = GenerateCsvJournal(options);
    std::ofstream(file, std::ios::binary)
        .write(journal.Bytes.data(), static_cast<std::streamsize>(journal.Bytes.size()));
    std::printf("rows %d, bytes %zu\n", journal.Expected.Lines, journal.Bytes.size());
    return 0;
}

int Read(const std::string& path, bool csv)
{
    CPosixFileSystem files;
    CRegisterSales sales;
    std::string message;
    const auto start = CClockType::now();
    const bool read = csv ? RegisterExport::Read(files, path, sales, message)
                          : RegisterExport::ReadDsfinvk(files, path, sales, message);
    const double ms = Since(start);
    if (!read) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return 1;
    }
    int skipped = 0;
    for (const auto& [reason, count] : sales.Skipped)
        skipped += count.Lines;
    std::printf("%.1f ms: %zu lines, %d receipts, %zu sources, %d skipped\n", ms, sales.Lines.size(),
                sales.Receipts, sales.Sources.size(), skipped);
    return 0;
}

int Preview(const std::string& path)
{
    CPosixFileSystem files;
    std::string message;
    const auto start = CClockType::now();
    CCsvJournal journal;
    if (!journal.Load(files, path, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return 1;
    }
    const auto rows = CsvPreview::Rows(journal, GuessCsvColumns(journal.GetHeadings()), 50);
    const double ms = Since(start);
    std::printf("%.1f ms: %zu rows of %zu shown\n", ms, rows.size(), journal.GetRowCount());
    return 0;
}

// The whole import as the program does it, into a catalogue with a dish named like each item
// (all proposals exact): read, item table with proposals, plan, booking.
int Import(const std::string& path)
{
    CPosixFileSystem files;
    CRegisterSales sales;
    std::string message;
    const auto start = CClockType::now();
    if (!RegisterExport::Read(files, path, sales, message)) {
        std::fprintf(stderr, "%s\n", message.c_str());
        return 1;
    }
    const double read = Since(start);
    CData data;
    data.SetDefaults();
    for (const CRegisterItem& item : sales.Items) {
        CRecipe dish(&data);
        dish.Name = item.Text;
        dish.PriceSell = 10.0;
        if (data.AddRecipe(dish) != 1)
            return 1;
    }
    const auto mapStart = CClockType::now();
    CRegisterItemTable items = CRegisterItemTable::Build(sales, {}, data, CDishProposer(data));
    items.AcceptExact();
    const CImportPlan plan = ImportPlanning::Plan(sales, items, data);
    const double map = Since(mapStart);
    const auto bookStart = CClockType::now();
    CRegisterImportStep step;
    if (!step.Book(plan, data))
        return 1;
    const double book = Since(bookStart);
    std::printf("%.1f ms: read %.1f, map and plan %.1f, book %.1f; %zu lines, %zu items, %d lines booked, "
                "%zu sales\n",
                read + map + book, read, map, book, sales.Lines.size(), items.Rows().size(), plan.LinesBooked,
                plan.Sales.size());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "export" && argc == 5)
        return Export(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if (command == "journal" && argc == 5)
        return Journal(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    if ((command == "read" || command == "csv") && argc == 3)
        return Read(argv[2], command == "csv");
    if (command == "preview" && argc == 3)
        return Preview(argv[2]);
    if (command == "import" && argc == 3)
        return Import(argv[2]);
    std::fprintf(stderr, "usage: kk-register-bench export DIR DAYS RECEIPTS | journal FILE DAYS ROWS | "
                         "read DIR | csv FILE | preview FILE | import PATH\n");
    return 2;
}
