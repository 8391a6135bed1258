#pragma once

#include "registerimport/RegisterSales.h"

#include <map>
#include <string>
#include <tuple>
#include <vector>

// Generates the exports of a cash register (DSFinV-K: index.xml, cashpointclosing.csv,
// transactions.csv, lines.csv, references.csv, vat.csv, lines_vat.csv) and sales journals (CSV) for tests,
// the fuzz corpus and the benchmark, and works out while writing what a correct reader must find: portions
// and gross revenue per item and day of the sales that count, and the lines left out by reason. Texts are
// written as UTF-8 or Windows-1252; expectations are Windows-1252.

struct CExpectedSale
{
    double Quantity = 0.0;
    double Gross = 0.0;
    int Lines = 0;
};

struct CRegisterExpectation
{
    // By item key (article number, else text) and day (yyyymmdd of the sale's time).
    std::map<std::pair<std::string, int>, CExpectedSale> PerItemDay;
    std::map<ERegisterSkip, CRegisterSkipCount> Skipped;
    int Lines = 0;    // lines that count
    int Receipts = 0; // receipts with at least one line that counts
    std::vector<std::string> SourceKeys;
    // The VAT rate each item's lines must carry, by item key; -1 where the export gives none.
    std::map<std::string, float> VatRates;
};

struct CRegisterExportOptions
{
    int Year = 2026, Month = 3, Day = 30; // the first business day
    int Days = 3;
    int Items = 6;
    int ReceiptsPerDay = 12;
    int MaxLinesPerReceipt = 4;
    int Registers = 1;
    unsigned Seed = 1;
    // Out of 100 receipts, how many are of each special kind; the rest are plain sales.
    int TrainingPercent = 5;
    int VoidedReceiptPercent = 5;
    int OtherReceiptPercent = 3;
    int ReturnPercent = 5;
    // Out of 100 days after the first, on how many the day begins by voiding a sale of the day
    // before (a receipt of the earlier closing, named in references.csv).
    int VoidEarlierPercent = 0;
    // Out of 100 lines of a plain sale, how many get a special line next to them.
    int VoidedLinePercent = 6;
    int DepositPercent = 5;
    int DiscountPercent = 5;
    int TipPercent = 3;
    int VoucherPercent = 2;
    // How the tables are written, as index.xml describes them.
    char Delimiter = ';';
    char DecimalSymbol = ',';
    char DigitGrouping = 0; // 0: none
    char Quote = '"';
    bool Utf8 = true;            // else Windows-1252 ("ANSI")
    bool NameEncoding = true;    // index.xml names the encoding
    bool HeadingRow = true;      // the tables start with a row of column names (index.xml: Range From 2)
    bool ShuffleColumns = false; // lines.csv columns in another order than usual
    const char* RecordEnd = "\r\n";
    // The VAT tables: lines_vat.csv with each line's VAT key (food 7 %, drinks 19 %), and
    // vat.csv naming the keys' rates (without it, a reader knows the keys' standard rates).
    bool VatTables = true;
    bool VatMasterTable = true;
    // Only the closings of these days are written (and expected); the others are generated all
    // the same, so that exports of parts of one register's history fit together.
    int FirstWrittenDay = 0;
    int LastWrittenDay = 1 << 30;
};

struct CGeneratedExport
{
    std::map<std::string, std::string> Files; // name -> bytes
    CRegisterExpectation Expected;
};

CGeneratedExport GenerateDsfinvkExport(const CRegisterExportOptions& options);
// Writes the files into the folder (which must exist); false when a file cannot be written.
bool WriteExportFolder(const CGeneratedExport& generated, const std::string& folder);

struct CCsvJournalOptions
{
    int Year = 2026, Month = 3, Day = 30;
    int Days = 3;
    int Items = 6;
    int RowsPerDay = 20;
    unsigned Seed = 1;
    char Delimiter = ';';
    bool GermanNumbers = true;
    bool Utf8 = true; // else Windows-1252
    bool ByteOrderMark = false;
    bool Heading = true;
    bool EnglishHeadings = false;
    bool SeparateTime = false; // a time column beside the date; else the date holds the time
    bool IsoDates = false;     // yyyy-mm-dd; else dd.mm.yyyy
    bool WithPrice = true;
    bool WithNumber = false; // an article number column
    int ReturnPercent = 5;
    const char* RecordEnd = "\n";
};

struct CGeneratedJournal
{
    std::string Bytes;
    CRegisterExpectation Expected;
    std::vector<std::string> Headings; // as written (Windows-1252); empty without a heading
};

CGeneratedJournal GenerateCsvJournal(const CCsvJournalOptions& options);

// The day key of a point in time, yyyymmdd.
int DayKey(const CDateTime& time);

// What a reader found, in the shape of the generator's expectation: per item key and day.
std::map<std::pair<std::string, int>, CExpectedSale> PerItemDay(const CRegisterSales& sales);
