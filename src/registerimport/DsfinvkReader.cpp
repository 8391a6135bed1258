#include "DsfinvkReader.h"

#include "CsvRecords.h"
#include "ExportFiles.h"
#include "FolderExportFiles.h"
#include "GdpduIndex.h"
#include "RegisterItemPool.h"
#include "RegisterText.h"
#include "datafile/Utf8Text.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>

namespace {

using RegisterText::EEncoding;

constexpr char kIndexFile[] = "index.xml";
constexpr char kClosingsFile[] = "cashpointclosing.csv";
constexpr char kReceiptsFile[] = "transactions.csv";
constexpr char kLinesFile[] = "lines.csv";
constexpr char kReferencesFile[] = "references.csv";
constexpr char kVatFile[] = "vat.csv";
constexpr char kLineVatFile[] = "lines_vat.csv";

// One table's file, read record by record with the symbols its description names. Fields are
// views into the file (or the reader's scratch) until the next record.
class CTableFile
{
public:
    bool Open(CExportFiles& files, const CGdpduTable& table, std::string& message);
    bool Require(std::initializer_list<const char*> columns, std::string& message) const;
    bool Has(std::initializer_list<const char*> columns) const
    {
        return std::all_of(columns.begin(), columns.end(),
                           [this](const char* column) { return Column(column) >= 0; });
    }
    int Column(const char* name) const { return m_table->Find(name); }
    // The next record; false at the end or on an error (then `message` is set).
    bool Next(std::string& message);
    bool Failed() const { return m_failed; }

    std::string_view Field(int column) const
    {
        return column >= 0 && static_cast<std::size_t>(column) < m_fields.size() ? m_fields[column]
                                                                                 : std::string_view();
    }
    std::string Text(int column) const { return Convert(Field(column)); }
    std::string Convert(std::string_view field) const
    {
        return RegisterText::ToWindows1252(field, m_encoding);
    }
    bool Number(int column, double& value, std::string& message) const;
    bool DateTime(int column, CDateTime& value, std::string& message) const;
    std::string Where(int column) const;
    std::size_t CountRecordsAbove() const
    {
        const std::string_view text = m_bytes.Text();
        return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    }

private:
    bool IsHeading() const;

    const CGdpduTable* m_table = nullptr;
    std::string m_file;
    CExportBytes m_bytes;
    EEncoding m_encoding = EEncoding::Utf8;
    std::unique_ptr<CCsvRecords> m_records;
    std::vector<std::string_view> m_fields;
    std::size_t m_skip = 0;
    bool m_first = true;
    bool m_failed = false;
};

bool CTableFile::Open(CExportFiles& files, const CGdpduTable& table, std::string& message)
{
    m_table = &table;
    m_file = table.Url;
    if (!table.UnknownEncoding.empty()) {
        message = Windows1252Text("Die Datei ") + m_file + Windows1252Text(" ist im Zeichensatz ") +
                  table.UnknownEncoding + Windows1252Text(" geschrieben, den Kostenkoch nicht liest.");
        return false;
    }
    if (table.ColumnDelimiter == 0 || table.ColumnDelimiter == '\n' || table.ColumnDelimiter == '\r' ||
        table.ColumnDelimiter == table.TextEncapsulator) {
        message = Windows1252Text("index.xml nennt für ") + m_file +
                  Windows1252Text(" kein brauchbares Spaltentrennzeichen.");
        return false;
    }
    if (!files.Open(m_file, m_bytes, message))
        return false;
    const std::string_view text = m_bytes.Text();
    const std::size_t mark = RegisterText::ByteOrderMarkLength(text);
    m_encoding = mark > 0 ? EEncoding::Utf8
                          : (table.EncodingGiven ? table.Encoding : RegisterText::DetectEncoding(text));
    m_records =
        std::make_unique<CCsvRecords>(text.substr(mark), table.ColumnDelimiter, table.TextEncapsulator);
    m_skip = table.FirstRecord;
    return true;
}

bool CTableFile::Require(std::initializer_list<const char*> columns, std::string& message) const
{
    for (const char* column : columns)
        if (Column(column) < 0) {
            message = Windows1252Text("index.xml nennt für ") + m_file + Windows1252Text(" keine Spalte ") +
                      column + ".";
            return false;
        }
    return true;
}

// A first record that repeats the column names is a heading, not data.
bool CTableFile::IsHeading() const
{
    return !m_fields.empty() && !m_table->Columns.empty() && m_fields[0] == m_table->Columns[0] &&
           (m_fields.size() < 2 || m_table->Columns.size() < 2 || m_fields[1] == m_table->Columns[1]);
}

bool CTableFile::Next(std::string& message)
{
    for (;;) {
        const CCsvRecords::EResult result = m_records->Next(m_fields);
        if (result == CCsvRecords::End) {
            if (m_bytes.IsDamaged()) {
                message = Windows1252Text("Die Datei ") + m_file +
                          Windows1252Text(" wurde während des Lesens von einem anderen Programm gekürzt.");
                m_failed = true;
            }
            return false;
        }
        if (result == CCsvRecords::UnclosedQuote) {
            message = m_file + ", Zeile " + std::to_string(m_records->GetLine()) +
                      Windows1252Text(": ein Anführungszeichen wird nicht geschlossen.");
            m_failed = true;
            return false;
        }
        if (m_skip > 0) {
            --m_skip;
            m_first = false;
            continue;
        }
        const bool first = m_first;
        m_first = false;
        if (first && IsHeading())
            continue;
        if (m_fields.size() == 1 && m_fields[0].empty())
            continue; // a blank line
        return true;
    }
}

std::string CTableFile::Where(int column) const
{
    std::string where = m_file + ", Zeile " + std::to_string(m_records->GetLine());
    if (column >= 0)
        where += ", Spalte " + m_table->Columns[column];
    return where;
}

bool CTableFile::Number(int column, double& value, std::string& message) const
{
    const std::string_view field = Field(column);
    if (RegisterText::ParseNumber(field, m_table->DecimalSymbol, m_table->DigitGroupingSymbol, value))
        return true;
    message = Where(column) + ": " + RegisterText::Quoted(Text(column)) + " ist keine Zahl.";
    return false;
}

bool CTableFile::DateTime(int column, CDateTime& value, std::string& message) const
{
    if (RegisterText::ParseDateTime(Field(column), value))
        return true;
    message = Where(column) + ": " + RegisterText::Quoted(Text(column)) + " ist kein Datum.";
    return false;
}

std::string JoinKey(std::string_view a, std::string_view b, std::string_view c = {})
{
    std::string key;
    key.reserve(a.size() + b.size() + c.size() + 2);
    key.append(a).push_back('\x1F');
    key.append(b).push_back('\x1F');
    key.append(c);
    return key;
}

// A receipt's key: its closing's source index and its BON_ID, short enough to need no heap
// for the usual ids.
void ReceiptKey(int source, std::string_view id, std::string& key)
{
    key.assign(reinterpret_cast<const char*>(&source), sizeof source);
    key.append(id);
}

ERegisterSkip SkipOfLineType(std::string_view type)
{
    if (type == "Pfand" || type == "PfandRueckzahlung")
        return ERegisterSkip::Deposit;
    if (type == "Rabatt" || type == "Aufschlag")
        return ERegisterSkip::Discount;
    if (type.find("gutschein") != std::string_view::npos || type.find("Gutschein") != std::string_view::npos)
        return ERegisterSkip::Voucher;
    if (type == "TrinkgeldAG" || type == "TrinkgeldAN")
        return ERegisterSkip::Tip;
    return ERegisterSkip::OtherLine;
}

// What the reader knows of a receipt when it comes to its lines.
struct CReceipt
{
    CDateTime End;
    bool Counts = false;
    bool IsSale = false; // of type "Beleg"
    ERegisterSkip Skip = ERegisterSkip::OtherReceipt;
    int Source = 0;
    bool HasSale = false;
};

// A voiding line with a negative quantity: it takes back an earlier line of its receipt.
struct CVoid
{
    const CReceipt* Receipt;
    int Item;
    double Quantity;
};

// A counted line's place, for finding it again from its VAT parts: a digest of the fields that
// name it (register, closing, receipt, POS_ZEILE) as the file writes them.
struct CLinePlace
{
    std::uint64_t Key;
    int Line; // index into the lines read

    bool operator<(const CLinePlace& other) const { return Key < other.Key; }
};

std::uint64_t PlaceKey(std::string_view register_, std::string_view closing, std::string_view receipt,
                       std::string_view position, std::string& buffer)
{
    buffer.assign(register_).push_back('\x1F');
    buffer.append(closing).push_back('\x1F');
    buffer.append(receipt).push_back('\x1F');
    buffer.append(position);
    return std::hash<std::string_view>()(buffer);
}

// While lines are read, a rate not known yet; a line whose VAT parts name different rates is
// marked mixed and ends unknown.
constexpr float kMixedRate = -2.0f;

// The rates of DSFinV-K's fixed VAT keys, for an export without vat.csv: the standard and the
// reduced rate, the two average rates of farmers, and the three kinds of untaxed sales.
float StandardRateOfKey(std::string_view key)
{
    static const std::pair<std::string_view, float> kRates[] = {
        {"1", 19.0f}, {"2", 7.0f}, {"3", 10.7f}, {"4", 5.5f}, {"5", 0.0f}, {"6", 0.0f}, {"7", 0.0f}};
    for (const auto& [name, rate] : kRates)
        if (name == key)
            return rate;
    return -1.0f;
}

class CExportReader
{
public:
    CExportReader(CExportFiles& files, CRegisterSales& sales) : m_files(files), m_sales(sales), m_items(sales)
    {}
    bool Run(std::string& message);

private:
    bool ReadIndex(std::string& message);
    const CGdpduTable* Table(const char* file, bool required, std::string& message) const;
    // A table the export may leave out: missing, opened, or there but not to be opened (then
    // `message` says why).
    enum class EOptional { Missing, Opened, Failed };
    EOptional OpenOptional(const char* fileName, CTableFile& file, std::string& message);
    bool ReadClosings(std::string& message);
    bool ReadReceipts(std::string& message);
    bool ReadReferences(std::string& message);
    bool ReadVatRates(std::string& message);
    bool ReadLines(std::string& message);
    bool ReadLineVat(std::string& message);
    float RateOf(int source, std::string_view key) const;
    void TakeBackVoidedLines();
    int SourceOf(std::string_view register_, std::string_view closing);
    // SourceOf for rows that come grouped by closing: the last answer is kept. Without
    // `create`, -1 for a closing not seen before.
    int CachedSourceOf(std::string_view register_, std::string_view closing, bool create = true);
    void Skip(ERegisterSkip reason, double gross);

    CExportFiles& m_files;
    CRegisterSales& m_sales;
    std::vector<CGdpduTable> m_tables;
    std::unordered_map<std::string, int> m_sources;
    std::unordered_map<std::string, CReceipt> m_receipts;
    CRegisterItemPool m_items;
    // What ReadLines leaves for the VAT parts and the voiding lines.
    std::vector<CReceipt*> m_lineReceipts;
    std::vector<CLinePlace> m_linePlaces;
    std::vector<CVoid> m_voids;
    // vat.csv: the rate of each VAT key by closing.
    std::unordered_map<std::string, float> m_rates;
    std::string m_lastRegister, m_lastClosing;
    int m_lastSource = -1;
};

bool CExportReader::Run(std::string& message)
{
    if (!(ReadIndex(message) && ReadClosings(message) && ReadVatRates(message) && ReadReceipts(message) &&
          ReadReferences(message) && ReadLines(message) && ReadLineVat(message)))
        return false;
    TakeBackVoidedLines();
    return true;
}

bool CExportReader::ReadIndex(std::string& message)
{
    if (!m_files.Has(kIndexFile)) {
        message =
            m_files.GetName() + Windows1252Text(" enthält keine index.xml und ist daher kein DSFinV-K-Export "
                                                "einer Kasse.");
        return false;
    }
    std::string xml;
    if (!m_files.Read(kIndexFile, xml, message))
        return false;
    if (xml.size() > (16u << 20)) {
        message = Windows1252Text("index.xml ist zu groß für eine Tabellenbeschreibung.");
        return false;
    }
    return GdpduIndex::Parse(xml, m_tables, message);
}

const CGdpduTable* CExportReader::Table(const char* file, bool required, std::string& message) const
{
    const CGdpduTable* table = GdpduIndex::FindByFile(m_tables, file);
    if (table == nullptr && required)
        message = Windows1252Text("index.xml in ") + m_files.GetName() +
                  Windows1252Text(" beschreibt keine Datei ") + file +
                  Windows1252Text("; ohne sie lassen sich die Verkäufe nicht lesen.");
    return table;
}

CExportReader::EOptional CExportReader::OpenOptional(const char* fileName, CTableFile& file,
                                                     std::string& message)
{
    const CGdpduTable* table = Table(fileName, false, message);
    if (table == nullptr || !m_files.Has(table->Url))
        return EOptional::Missing;
    return file.Open(m_files, *table, message) ? EOptional::Opened : EOptional::Failed;
}

void CExportReader::Skip(ERegisterSkip reason, double gross)
{
    CRegisterSkipCount& count = m_sales.Skipped[reason];
    ++count.Lines;
    count.Gross += gross;
}

int CExportReader::SourceOf(std::string_view register_, std::string_view closing)
{
    const auto [at, added] =
        m_sources.try_emplace(JoinKey(register_, closing), static_cast<int>(m_sales.Sources.size()));
    if (added) {
        CRegisterSource source;
        source.Key = std::string(register_) + "/" + std::string(closing);
        source.Label = "Kasse " + std::string(register_) + ", Abschluss " + std::string(closing);
        source.BusinessDay = CDateTime::MakeNull();
        m_sales.Sources.push_back(std::move(source));
    }
    return at->second;
}

int CExportReader::CachedSourceOf(std::string_view register_, std::string_view closing, bool create)
{
    if (m_lastSource < 0 || register_ != m_lastRegister || closing != m_lastClosing) {
        if (!create) {
            const auto at = m_sources.find(JoinKey(register_, closing));
            if (at == m_sources.end())
                return -1;
        }
        m_lastSource = SourceOf(register_, closing);
        m_lastRegister = register_;
        m_lastClosing = closing;
    }
    return m_lastSource;
}

bool CExportReader::ReadClosings(std::string& message)
{
    const CGdpduTable* table = Table(kClosingsFile, true, message);
    CTableFile file;
    if (table == nullptr || !file.Open(m_files, *table, message) ||
        !file.Require({"Z_KASSE_ID", "Z_NR"}, message))
        return false;
    const int registerColumn = file.Column("Z_KASSE_ID");
    const int closingColumn = file.Column("Z_NR");
    const int dayColumn = file.Column("Z_BUCHUNGSTAG");
    while (file.Next(message)) {
        const std::string register_ = file.Text(registerColumn);
        const std::string closing = file.Text(closingColumn);
        CRegisterSource& source = m_sales.Sources[SourceOf(register_, closing)];
        if (dayColumn >= 0 && !file.Field(dayColumn).empty()) {
            if (!file.DateTime(dayColumn, source.BusinessDay, message))
                return false;
            source.Label += " vom " + source.BusinessDay.GetDayText();
        }
    }
    return !file.Failed();
}

bool CExportReader::ReadReceipts(std::string& message)
{
    const CGdpduTable* table = Table(kReceiptsFile, true, message);
    CTableFile file;
    if (table == nullptr || !file.Open(m_files, *table, message) ||
        !file.Require({"Z_KASSE_ID", "Z_NR", "BON_ID", "BON_TYP", "BON_STORNO", "BON_ENDE"}, message))
        return false;
    const int registerColumn = file.Column("Z_KASSE_ID");
    const int closingColumn = file.Column("Z_NR");
    const int idColumn = file.Column("BON_ID");
    const int typeColumn = file.Column("BON_TYP");
    const int voidColumn = file.Column("BON_STORNO");
    const int endColumn = file.Column("BON_ENDE");
    m_receipts.reserve(file.CountRecordsAbove());
    std::string key;
    while (file.Next(message)) {
        CReceipt receipt;
        if (!file.DateTime(endColumn, receipt.End, message))
            return false;
        receipt.Source = CachedSourceOf(file.Field(registerColumn), file.Field(closingColumn));
        const std::string_view type = file.Field(typeColumn);
        const std::string_view voided = file.Field(voidColumn);
        receipt.IsSale = type == "Beleg";
        if (voided == "1" || voided == "true")
            receipt.Skip = ERegisterSkip::VoidedReceipt;
        else if (type == "AVTraining")
            receipt.Skip = ERegisterSkip::TrainingReceipt;
        else
            receipt.Counts = receipt.IsSale;
        ReceiptKey(receipt.Source, file.Field(idColumn), key);
        m_receipts[key] = receipt;
    }
    return !file.Failed();
}

// A voiding receipt names the receipt it takes back. Within one closing neither is booked: the
// closing is imported as a whole, so the sale and its reversal never come apart. A receipt of
// an earlier closing was booked (or will be) with its own closing; the voiding receipt is then
// booked as what it is, a reduction of its own day by its negative lines.
bool CExportReader::ReadReferences(std::string& message)
{
    CTableFile file;
    if (const EOptional opened = OpenOptional(kReferencesFile, file, message); opened != EOptional::Opened)
        return opened == EOptional::Missing;
    const int registerColumn = file.Column("Z_KASSE_ID");
    const int closingColumn = file.Column("Z_NR");
    const int idColumn = file.Column("BON_ID");
    const int refRegister = file.Column("REF_Z_KASSE_ID");
    const int refClosing = file.Column("REF_Z_NR");
    const int refId = file.Column("REF_BON_ID");
    if (registerColumn < 0 || closingColumn < 0 || idColumn < 0 || refId < 0)
        return true;
    std::string key;
    while (file.Next(message)) {
        ReceiptKey(CachedSourceOf(file.Field(registerColumn), file.Field(closingColumn), false),
                   file.Field(idColumn), key);
        const auto from = m_receipts.find(key);
        if (from == m_receipts.end() || from->second.Skip != ERegisterSkip::VoidedReceipt ||
            from->second.Counts)
            continue;
        const std::string_view toRegister =
            file.Field(refRegister).empty() ? file.Field(registerColumn) : file.Field(refRegister);
        const std::string_view toClosing =
            file.Field(refClosing).empty() ? file.Field(closingColumn) : file.Field(refClosing);
        const auto closing = m_sources.find(JoinKey(toRegister, toClosing));
        if (closing == m_sources.end() || closing->second != from->second.Source) {
            from->second.Counts = from->second.IsSale;
            continue;
        }
        ReceiptKey(closing->second, file.Field(refId), key);
        const auto to = m_receipts.find(key);
        if (to != m_receipts.end()) {
            to->second.Counts = false;
            to->second.Skip = ERegisterSkip::VoidedReceipt;
        }
    }
    return !file.Failed();
}

bool CExportReader::ReadLines(std::string& message)
{
    const CGdpduTable* table = Table(kLinesFile, true, message);
    CTableFile file;
    if (table == nullptr || !file.Open(m_files, *table, message) ||
        !file.Require({"Z_KASSE_ID", "Z_NR", "BON_ID", "ARTIKELTEXT", "GV_TYP", "MENGE", "STK_BR"}, message))
        return false;
    const int registerColumn = file.Column("Z_KASSE_ID");
    const int closingColumn = file.Column("Z_NR");
    const int idColumn = file.Column("BON_ID");
    const int textColumn = file.Column("ARTIKELTEXT");
    const int numberColumn = file.Column("ART_NR");
    const int groupColumn = file.Column("WARENGR");
    const int quantityColumn = file.Column("MENGE");
    const int priceColumn = file.Column("STK_BR");
    const int typeColumn = file.Column("GV_TYP");
    const int voidColumn = file.Column("P_STORNO");
    const int positionColumn = file.Column("POS_ZEILE");
    const std::size_t records = file.CountRecordsAbove();
    m_sales.Lines.reserve(records);
    m_lineReceipts.reserve(records);
    m_linePlaces.reserve(records);
    const auto convert = [&file](std::string_view field) { return file.Convert(field); };
    std::string key, placeBuffer;
    while (file.Next(message)) {
        double quantity = 0.0, price = 0.0;
        if (!file.Number(quantityColumn, quantity, message) || !file.Number(priceColumn, price, message))
            return false;
        const double gross = quantity * price;
        ReceiptKey(CachedSourceOf(file.Field(registerColumn), file.Field(closingColumn), false),
                   file.Field(idColumn), key);
        const auto receipt = m_receipts.find(key);
        if (receipt == m_receipts.end() || !receipt->second.Counts) {
            Skip(receipt == m_receipts.end() ? ERegisterSkip::OtherReceipt : receipt->second.Skip, gross);
            continue;
        }
        const std::string_view voided = file.Field(voidColumn);
        if (voided == "1" || voided == "true") {
            Skip(ERegisterSkip::VoidedLine, gross);
            if (quantity < 0.0)
                m_voids.push_back({&receipt->second,
                                   m_items.Find(file.Field(numberColumn), file.Field(textColumn),
                                                file.Field(groupColumn), convert),
                                   -quantity});
            continue;
        }
        if (file.Field(typeColumn) != "Umsatz") {
            Skip(SkipOfLineType(file.Field(typeColumn)), gross);
            continue;
        }
        CRegisterLine& line = m_sales.Lines.emplace_back();
        line.Item =
            m_items.Find(file.Field(numberColumn), file.Field(textColumn), file.Field(groupColumn), convert);
        line.DateTime = receipt->second.End;
        line.Quantity = quantity;
        line.GrossRevenue = gross;
        line.HasPrice = true;
        line.Source = receipt->second.Source;
        m_linePlaces.push_back({PlaceKey(file.Field(registerColumn), file.Field(closingColumn),
                                         file.Field(idColumn), file.Field(positionColumn), placeBuffer),
                                static_cast<int>(m_sales.Lines.size()) - 1});
        m_lineReceipts.push_back(&receipt->second);
    }
    return !file.Failed();
}

// vat.csv: each closing's rate for each VAT key.
bool CExportReader::ReadVatRates(std::string& message)
{
    CTableFile file;
    if (const EOptional opened = OpenOptional(kVatFile, file, message); opened != EOptional::Opened)
        return opened == EOptional::Missing;
    if (!file.Has({"Z_KASSE_ID", "Z_NR", "UST_SCHLUESSEL", "UST_SATZ"}))
        return true;
    const int registerColumn = file.Column("Z_KASSE_ID");
    const int closingColumn = file.Column("Z_NR");
    const int keyColumn = file.Column("UST_SCHLUESSEL");
    const int rateColumn = file.Column("UST_SATZ");
    while (file.Next(message)) {
        double rate = 0.0;
        if (!file.Number(rateColumn, rate, message))
            return false;
        const int source = CachedSourceOf(file.Field(registerColumn), file.Field(closingColumn), false);
        if (source < 0)
            continue; // a closing the export does not list
        std::string key;
        ReceiptKey(source, file.Field(keyColumn), key);
        // A rate that is no percentage leaves the key's lines without a rate.
        m_rates[key] = rate >= 0.0 && rate <= 100.0 ? static_cast<float>(rate) : -1.0f;
    }
    return !file.Failed();
}

float CExportReader::RateOf(int source, std::string_view vatKey) const
{
    std::string key;
    ReceiptKey(source, vatKey, key);
    const auto found = m_rates.find(key);
    return found != m_rates.end() ? found->second : StandardRateOfKey(vatKey);
}

// lines_vat.csv: the VAT parts of each line. A line takes the rate of its parts when they all
// name the same one; the rate stays unknown without the table.
bool CExportReader::ReadLineVat(std::string& message)
{
    if (m_linePlaces.empty())
        return true;
    CTableFile file;
    if (const EOptional opened = OpenOptional(kLineVatFile, file, message); opened != EOptional::Opened)
        return opened == EOptional::Missing;
    if (!file.Has({"Z_KASSE_ID", "Z_NR", "BON_ID", "POS_ZEILE", "UST_SCHLUESSEL"}))
        return true;
    const int registerColumn = file.Column("Z_KASSE_ID");
    const int closingColumn = file.Column("Z_NR");
    const int idColumn = file.Column("BON_ID");
    const int positionColumn = file.Column("POS_ZEILE");
    const int keyColumn = file.Column("UST_SCHLUESSEL");
    std::sort(m_linePlaces.begin(), m_linePlaces.end());
    std::string buffer;
    while (file.Next(message)) {
        const CLinePlace place{PlaceKey(file.Field(registerColumn), file.Field(closingColumn),
                                        file.Field(idColumn), file.Field(positionColumn), buffer),
                               0};
        const auto at = std::lower_bound(m_linePlaces.begin(), m_linePlaces.end(), place);
        if (at == m_linePlaces.end() || at->Key != place.Key)
            continue; // a line that does not count
        const int source = CachedSourceOf(file.Field(registerColumn), file.Field(closingColumn), false);
        float& lineRate = m_sales.Lines[at->Line].VatRate;
        const float rate = RateOf(source, file.Field(keyColumn));
        if (lineRate == -1.0f)
            lineRate = rate < 0.0f ? kMixedRate : rate;
        else if (lineRate != rate)
            lineRate = kMixedRate;
    }
    if (file.Failed())
        return false;
    for (CRegisterLine& line : m_sales.Lines)
        line.VatRate = line.VatRate == kMixedRate ? -1.0f : line.VatRate;
    return true;
}

// Each voiding line with a negative quantity removes the first remaining line of its receipt
// with the same item and the opposite quantity: the register recorded the sale and its taking
// back, and neither is a sale. The removed line counts as voided too.
void CExportReader::TakeBackVoidedLines()
{
    const std::vector<CVoid>& voids = m_voids;
    const std::vector<CReceipt*>& lineReceipts = m_lineReceipts;
    std::vector<bool> removed(m_sales.Lines.size(), false);
    if (!voids.empty()) {
        std::unordered_map<const CReceipt*, std::vector<std::size_t>> linesOf;
        for (const CVoid& void_ : voids)
            linesOf.try_emplace(void_.Receipt);
        for (std::size_t i = 0; i < lineReceipts.size(); ++i)
            if (const auto at = linesOf.find(lineReceipts[i]); at != linesOf.end())
                at->second.push_back(i);
        for (const CVoid& void_ : voids)
            for (std::size_t i : linesOf[void_.Receipt]) {
                const CRegisterLine& line = m_sales.Lines[i];
                if (!removed[i] && line.Quantity == void_.Quantity &&
                    RegisterItemKey(m_sales.ItemOf(line)) == RegisterItemKey(m_sales.Items[void_.Item])) {
                    removed[i] = true;
                    Skip(ERegisterSkip::VoidedLine, line.GrossRevenue);
                    break;
                }
            }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_sales.Lines.size(); ++i) {
        if (removed[i])
            continue;
        lineReceipts[i]->HasSale = true;
        if (kept != i)
            m_sales.Lines[kept] = std::move(m_sales.Lines[i]);
        ++kept;
    }
    m_sales.Lines.resize(kept);
    for (const auto& [receiptKey, receipt] : m_receipts)
        m_sales.Receipts += receipt.HasSale ? 1 : 0;
}

} // namespace

namespace DsfinvkReader {

bool Read(CExportFiles& files, CRegisterSales& sales, std::string& message)
{
    sales = CRegisterSales();
    sales.SourceName = files.GetName();
    CExportReader reader(files, sales);
    if (!reader.Run(message)) {
        sales = CRegisterSales();
        return false;
    }
    if (sales.Lines.empty() && sales.Skipped.empty()) {
        message = files.GetName() + Windows1252Text(" enthält keine Bonpositionen.");
        sales = CRegisterSales();
        return false;
    }
    return true;
}

bool ReadFolder(CFileSystem& fileSystem, const std::string& folder, CRegisterSales& sales,
                std::string& message)
{
    CFolderExportFiles files(fileSystem, folder);
    return Read(files, sales, message);
}

} // namespace DsfinvkReader
