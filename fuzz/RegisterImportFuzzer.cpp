// Fuzz target over the readers of register exports and sales journals. The first byte chooses
// the reader: even, a CSV journal (load, the heading guess, every row, the preview); odd, a
// DSFinV-K export whose files follow one another separated by the byte 0x1E, in the order
// index.xml, cashpointclosing.csv, transactions.csv, lines.csv, references.csv, vat.csv,
// lines_vat.csv. Whatever is read must be consistent: every line belongs to a source and an
// item, figures are finite, a VAT rate is unknown or a percentage, and a failed read leaves
// nothing behind.

#include "registerimport/CsvJournal.h"
#include "registerimport/CsvPreview.h"
#include "registerimport/DsfinvkReader.h"
#include "registerimport/ExportFiles.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what)
{
    std::fprintf(stderr, "register import check failed: %s\n", what);
    std::abort();
}

// The files of an export held in memory.
class CMemoryExportFiles : public CExportFiles
{
public:
    explicit CMemoryExportFiles(std::map<std::string, std::string> files) : m_files(std::move(files)) {}
    bool Has(const std::string& name) override { return m_files.count(name) > 0; }
    bool Read(const std::string& name, std::string& bytes, std::string& message) override
    {
        const auto at = m_files.find(name);
        if (at == m_files.end()) {
            message = name + " fehlt";
            return false;
        }
        bytes = at->second;
        return true;
    }
    const std::string& GetName() const override { return m_name; }

private:
    std::map<std::string, std::string> m_files;
    std::string m_name = "fuzz";
};

void Check(bool read, const CRegisterSales& sales, const std::string& message)
{
    if (!read) {
        if (!sales.Lines.empty() || !sales.Sources.empty() || !sales.Skipped.empty())
            Fail("a failed read left sales behind");
        if (message.empty())
            Fail("a failed read gave no message");
        return;
    }
    for (const CRegisterLine& line : sales.Lines) {
        if (line.Source < 0 || static_cast<std::size_t>(line.Source) >= sales.Sources.size())
            Fail("a line without its source");
        if (line.Item < 0 || static_cast<std::size_t>(line.Item) >= sales.Items.size())
            Fail("a line without its item");
        if (!std::isfinite(line.Quantity) || !std::isfinite(line.GrossRevenue))
            Fail("a figure that is no number");
        if (line.VatRate != -1.0f && !(line.VatRate >= 0.0f && line.VatRate <= 100.0f))
            Fail("a VAT rate that is no percentage");
        if (!line.DateTime.IsValid())
            Fail("a sale without a valid time");
    }
    if (sales.Receipts < 0 || static_cast<std::size_t>(sales.Receipts) > sales.Lines.size())
        Fail("more receipts than lines");
}

void Journal(const std::string& text)
{
    CCsvJournal journal;
    std::string message;
    if (!journal.LoadText(text, "fuzz.csv", message))
        return;
    const CCsvColumns columns = GuessCsvColumns(journal.GetHeadings());
    const auto rows = CsvPreview::Rows(journal, columns, 20);
    if (rows.size() > journal.GetRowCount())
        Fail("more preview rows than rows");
    CRegisterSales sales;
    const bool read = journal.Read(columns, sales, message);
    Check(read, sales, message);
    if (read && sales.Sources.size() != 1)
        Fail("a journal is one source");
}

void Export(const std::string& text)
{
    static const char* const kNames[] = {"index.xml",    "cashpointclosing.csv", "transactions.csv",
                                         "lines.csv",    "references.csv",       "vat.csv",
                                         "lines_vat.csv"};
    std::map<std::string, std::string> files;
    std::size_t begin = 0;
    for (const char* name : kNames) {
        if (begin > text.size())
            break;
        const std::size_t end = std::min(text.find('\x1E', begin), text.size());
        files[name] = text.substr(begin, end - begin);
        begin = end + 1;
    }
    CMemoryExportFiles export_(std::move(files));
    CRegisterSales sales;
    std::string message;
    Check(DsfinvkReader::Read(export_, sales, message), sales, message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(bytes) + 1, size - 1);
    if (bytes[0] % 2 == 0)
        Journal(text);
    else
        Export(text);
    return 0;
}
