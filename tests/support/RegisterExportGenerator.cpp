#include "RegisterExportGenerator.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <optional>
#include <tuple>

namespace {

struct CItem
{
    std::string Number; // empty: the register gives none
    std::string Text;   // Windows-1252
    std::string Group;
    double Price;
    bool Drink;
    const char* VatKey() const { return Drink ? "1" : "2"; }
    float VatRate() const { return Drink ? 19.0f : 7.0f; }
};

// Names with umlauts, quotes and both delimiters, one without an article number, one priced
// above a thousand (digit grouping).
std::vector<CItem> MakeItems(int count)
{
    std::vector<CItem> items = {
        {"1001", "K\xE4sesp\xE4tzle", "Hauptgerichte", 12.90, false},
        {"1002", "Schnitzel \"Wiener Art\"", "Hauptgerichte", 16.50, false},
        {"", "Pommes; gro\xDF", "Beilagen", 4.20, false},
        {"1004", "Apfelstrudel, warm", "Desserts", 6.80, false},
        {"2001",
         "Wei\xDF"
         "bier 0,5 l",
         "Getr\xE4nke", 4.90, true},
        {"2002", "Weinpaket Gala", "Getr\xE4nke", 1234.50, true},
        {"2003", "Espresso", "Getr\xE4nke", 2.60, true},
        {"2004", "Gr\xFCner Veltliner 0,2 l", "Getr\xE4nke", 5.40, true},
    };
    for (int i = static_cast<int>(items.size()); i < count; ++i)
        items.push_back({std::to_string(3000 + i), "Tagesgericht " + std::to_string(i), "Tageskarte",
                         9.50 + i % 7, false});
    items.resize(static_cast<std::size_t>(count));
    return items;
}

// A small generator of its own, so that the same seed gives the same export everywhere.
class CRandom
{
public:
    explicit CRandom(unsigned seed) : m_state(seed * 2654435761u + 1u) {}
    int Below(int bound)
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((m_state >> 33) % static_cast<unsigned long long>(bound));
    }
    bool Percent(int percent) { return Below(100) < percent; }

private:
    unsigned long long m_state;
};

std::string FormatNumber(double value, int decimals, char decimal, char grouping)
{
    const long long scale = decimals == 3 ? 1000 : decimals == 2 ? 100 : 1;
    long long scaled = std::llround(value * static_cast<double>(scale));
    std::string text;
    if (scaled < 0) {
        text = "-";
        scaled = -scaled;
    }
    const std::string whole = std::to_string(scaled / scale);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (grouping != 0 && i > 0 && (whole.size() - i) % 3 == 0)
            text.push_back(grouping);
        text.push_back(whole[i]);
    }
    if (decimals > 0) {
        text.push_back(decimal);
        std::string fraction = std::to_string(scaled % scale);
        text += std::string(static_cast<std::size_t>(decimals) - fraction.size(), '0') + fraction;
    }
    return text;
}

std::string IsoDate(const CDateTime& time)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", time.GetYear(), time.GetMonth(), time.GetDay());
    return text;
}

std::string IsoDateTime(const CDateTime& time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", time.GetYear(), time.GetMonth(),
                  time.GetDay(), time.GetHour(), time.GetMinute(), time.GetSecond());
    return text;
}

// One table being written: its columns and records.
class CTableWriter
{
public:
    CTableWriter(const CRegisterExportOptions& options, std::vector<std::string> columns, const bool& writing)
        : m_options(options), m_columns(std::move(columns)), m_writing(writing)
    {
        if (options.HeadingRow)
            for (std::size_t i = 0; i < m_columns.size(); ++i)
                Field(m_columns[i], i + 1 == m_columns.size());
    }
    const std::vector<std::string>& Columns() const { return m_columns; }

    // A record from values by column name; columns without a value stay empty.
    void Record(const std::map<std::string, std::string>& values, const std::vector<std::string>& textColumns)
    {
        if (!m_writing)
            return;
        for (std::size_t i = 0; i < m_columns.size(); ++i) {
            const auto at = values.find(m_columns[i]);
            const std::string value = at == values.end() ? std::string() : at->second;
            const bool text =
                std::find(textColumns.begin(), textColumns.end(), m_columns[i]) != textColumns.end();
            Field(value, i + 1 == m_columns.size(), text);
        }
    }
    std::string Take() { return std::move(m_bytes); }

private:
    void Field(const std::string& value, bool last, bool text = true)
    {
        const std::string encoded = m_options.Utf8 ? Windows1252ToUtf8(value) : value;
        if (text && m_options.Quote != 0) {
            m_bytes.push_back(m_options.Quote);
            for (char c : encoded) {
                if (c == m_options.Quote)
                    m_bytes.push_back(c);
                m_bytes.push_back(c);
            }
            m_bytes.push_back(m_options.Quote);
        } else {
            m_bytes += encoded;
        }
        if (last)
            m_bytes += m_options.RecordEnd;
        else
            m_bytes.push_back(m_options.Delimiter);
    }

    const CRegisterExportOptions& m_options;
    std::vector<std::string> m_columns;
    const bool& m_writing;
    std::string m_bytes;
};

const std::vector<std::string> kClosingColumns = {"Z_KASSE_ID",    "Z_ERSTELLUNG",      "Z_NR",
                                                  "Z_BUCHUNGSTAG", "TAXONOMIE_VERSION", "NAME"};
const std::vector<std::string> kReceiptColumns = {"Z_KASSE_ID", "Z_ERSTELLUNG", "Z_NR",     "BON_ID",
                                                  "BON_NR",     "BON_TYP",      "BON_NAME", "TERMINAL_ID",
                                                  "BON_STORNO", "BON_START",    "BON_ENDE", "UMS_BRUTTO"};
const std::vector<std::string> kLineKeys = {"Z_KASSE_ID", "Z_ERSTELLUNG", "Z_NR", "BON_ID", "POS_ZEILE"};
const std::vector<std::string> kLineColumns = {"GUTSCHEIN_NR", "ARTIKELTEXT", "POS_TERMINAL_ID", "GV_TYP",
                                               "GV_NAME",      "INHAUS",      "P_STORNO",        "AGENTUR_ID",
                                               "ART_NR",       "GTIN",        "WARENGR_ID",      "WARENGR",
                                               "MENGE",        "FAKTOR",      "EINHEIT",         "STK_BR"};
const std::vector<std::string> kReferenceColumns = {
    "Z_KASSE_ID", "Z_ERSTELLUNG", "Z_NR",           "BON_ID",   "POS_ZEILE", "REF_TYP",
    "REF_NAME",   "REF_DATUM",    "REF_Z_KASSE_ID", "REF_Z_NR", "REF_BON_ID"};
const std::vector<std::string> kVatColumns = {"Z_KASSE_ID",     "Z_ERSTELLUNG", "Z_NR",
                                              "UST_SCHLUESSEL", "UST_SATZ",     "UST_BESCHR"};
const std::vector<std::string> kLineVatColumns = {"Z_KASSE_ID", "Z_ERSTELLUNG", "Z_NR",
                                                  "BON_ID",     "POS_ZEILE",    "UST_SCHLUESSEL",
                                                  "POS_BRUTTO", "POS_NETTO",    "POS_UST"};
const std::vector<std::string> kTextColumns = {"Z_KASSE_ID", "BON_ID",  "BON_TYP", "ARTIKELTEXT", "GV_TYP",
                                               "ART_NR",     "WARENGR", "NAME",    "REF_TYP",     "EINHEIT"};

// A line as the generator writes it and what a reader must make of it.
struct CLine
{
    const CItem* Item;
    std::string Type = "Umsatz";
    double Quantity;
    double Price;
    bool Voided = false;
};

class CExportWriter
{
public:
    explicit CExportWriter(const CRegisterExportOptions& options)
        : m_options(options), m_random(options.Seed), m_items(MakeItems(options.Items)),
          m_closings(options, kClosingColumns, m_writing), m_receipts(options, kReceiptColumns, m_writing),
          m_lines(options, LineColumns(), m_writing), m_references(options, kReferenceColumns, m_writing),
          m_vat(options, kVatColumns, m_writing), m_lineVat(options, kLineVatColumns, m_writing)
    {
        for (const CItem& item : m_items)
            m_expected.VatRates[item.Number.empty() ? item.Text : item.Number] =
                options.VatTables ? item.VatRate() : -1.0f;
    }

    CGeneratedExport Run();

private:
    std::vector<std::string> LineColumns() const
    {
        std::vector<std::string> columns = kLineKeys;
        std::vector<std::string> rest = kLineColumns;
        if (m_options.ShuffleColumns)
            std::reverse(rest.begin(), rest.end());
        columns.insert(columns.end(), rest.begin(), rest.end());
        return columns;
    }
    std::string Number(double value, int decimals) const
    {
        return FormatNumber(value, decimals, m_options.DecimalSymbol, m_options.DigitGrouping);
    }
    void Day(int register_, int dayIndex);
    void Receipt(const std::string& type, bool voided, const CDateTime& end, const std::vector<CLine>& lines,
                 ERegisterSkip skip, bool counts);
    std::vector<CLine> SaleLines(bool allowSpecials);
    void Expect(ERegisterSkip reason, double gross);
    // What the written closings must give; a day not written goes to a throwaway.
    CRegisterExpectation& Expected() { return m_writing ? m_expected : m_unwritten; }
    void VoidEarlierSale(const CDateTime& when);
    void Reference(const std::string& closingNr, const std::string& id, const CDateTime& time);
    std::string IndexXml() const;
    std::string TableXml(const char* file, const char* name, const std::vector<std::string>& columns,
                         std::size_t keys) const;

    const CRegisterExportOptions& m_options;
    CRandom m_random;
    std::vector<CItem> m_items;
    bool m_writing = true;
    CTableWriter m_closings, m_receipts, m_lines, m_references, m_vat, m_lineVat;
    CRegisterExpectation m_expected, m_unwritten;
    std::string m_registerId, m_closingNr, m_created;
    int m_receiptId = 0;
    // The last plain sale of the day before, which the next day may void.
    struct CSale
    {
        std::string Id, ClosingNr;
        CDateTime End;
        std::vector<CLine> Lines;
    };
    std::optional<CSale> m_lastSale;
};

void CExportWriter::Expect(ERegisterSkip reason, double gross)
{
    CRegisterSkipCount& count = Expected().Skipped[reason];
    ++count.Lines;
    count.Gross += gross;
}

// The lines of a plain sale, with voided lines, deposits, discounts, tips and vouchers beside
// them as the options ask.
std::vector<CLine> CExportWriter::SaleLines(bool allowSpecials)
{
    std::vector<CLine> lines;
    const int count = 1 + m_random.Below(m_options.MaxLinesPerReceipt);
    for (int i = 0; i < count; ++i) {
        const CItem& item =
            m_items[static_cast<std::size_t>(m_random.Below(static_cast<int>(m_items.size())))];
        const double quantity = item.Drink && m_random.Percent(20) ? 0.5 : 1 + m_random.Below(3);
        CLine line{&item, "Umsatz", quantity, item.Price};
        if (allowSpecials && m_random.Percent(m_options.VoidedLinePercent)) {
            // Half marked on the line itself, half taken back by a line of its own.
            line.Voided = true;
            lines.push_back(line);
            if (m_random.Percent(50)) {
                lines.back().Voided = false;
                CLine back = line;
                back.Quantity = -quantity;
                lines.push_back(back);
            }
        } else {
            lines.push_back(line);
        }
        if (!allowSpecials)
            continue;
        if (item.Drink && m_random.Percent(m_options.DepositPercent))
            lines.push_back({&item, m_random.Percent(50) ? "Pfand" : "PfandRueckzahlung", 1, 0.25});
        if (m_random.Percent(m_options.DiscountPercent))
            lines.push_back({&item, "Rabatt", 1, -1.00});
    }
    if (allowSpecials && m_random.Percent(m_options.TipPercent))
        lines.push_back({&m_items[0], "TrinkgeldAN", 1, 2.00});
    if (allowSpecials && m_random.Percent(m_options.VoucherPercent))
        lines.push_back({&m_items[0], "MehrzweckgutscheinKauf", 1, 20.00});
    return lines;
}

void CExportWriter::Receipt(const std::string& type, bool voided, const CDateTime& end,
                            const std::vector<CLine>& lines, ERegisterSkip skip, bool counts)
{
    const std::string id = std::to_string(++m_receiptId);
    double total = 0.0;
    bool counted = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const CLine& line = lines[i];
        const double gross = line.Quantity * line.Price;
        total += gross;
        m_lines.Record(
            {{"Z_KASSE_ID", m_registerId},
             {"Z_ERSTELLUNG", m_created},
             {"Z_NR", m_closingNr},
             {"BON_ID", id},
             {"POS_ZEILE", std::to_string(i + 1)},
             {"ARTIKELTEXT", line.Type == "Umsatz" ? line.Item->Text : line.Type},
             {"GV_TYP", line.Type},
             {"INHAUS", "1"},
             {"P_STORNO", line.Voided || (line.Quantity < 0 && i > 0 && lines[i - 1].Item == line.Item &&
                                          lines[i - 1].Quantity == -line.Quantity)
                              ? "1"
                              : "0"},
             {"ART_NR", line.Type == "Umsatz" ? line.Item->Number : ""},
             {"WARENGR", line.Item->Group},
             {"MENGE", Number(line.Quantity, 3)},
             {"FAKTOR", Number(1, 3)},
             {"EINHEIT", "Stk"},
             {"STK_BR", Number(line.Price, 2)}},
            kTextColumns);
        if (m_options.VatTables) {
            const char* key = line.Type == "TrinkgeldAN" || line.Type == "MehrzweckgutscheinKauf" ? "5"
                              : line.Type == "Pfand" || line.Type == "PfandRueckzahlung"
                                  ? "1"
                                  : line.Item->VatKey();
            const double rate = key[0] == '1' ? 19.0 : key[0] == '2' ? 7.0 : 0.0;
            const double net = gross * 100.0 / (100.0 + rate);
            m_lineVat.Record({{"Z_KASSE_ID", m_registerId},
                              {"Z_ERSTELLUNG", m_created},
                              {"Z_NR", m_closingNr},
                              {"BON_ID", id},
                              {"POS_ZEILE", std::to_string(i + 1)},
                              {"UST_SCHLUESSEL", key},
                              {"POS_BRUTTO", Number(gross, 2)},
                              {"POS_NETTO", Number(net, 2)},
                              {"POS_UST", Number(gross - net, 2)}},
                             kTextColumns);
        }
        const bool takenBack = line.Quantity < 0 && i > 0 && lines[i - 1].Item == line.Item &&
                               lines[i - 1].Quantity == -line.Quantity && lines[i - 1].Type == line.Type;
        const bool takenBackLater = i + 1 < lines.size() && lines[i + 1].Item == line.Item &&
                                    lines[i + 1].Quantity == -line.Quantity && line.Quantity > 0 &&
                                    lines[i + 1].Type == line.Type;
        if (!counts) {
            Expect(skip, gross);
        } else if (line.Voided || takenBack || takenBackLater) {
            Expect(ERegisterSkip::VoidedLine, gross);
        } else if (line.Type != "Umsatz") {
            Expect(line.Type == "Rabatt"                   ? ERegisterSkip::Discount
                   : line.Type == "TrinkgeldAN"            ? ERegisterSkip::Tip
                   : line.Type == "MehrzweckgutscheinKauf" ? ERegisterSkip::Voucher
                                                           : ERegisterSkip::Deposit,
                   gross);
        } else {
            const std::string& key = line.Item->Number.empty() ? line.Item->Text : line.Item->Number;
            CExpectedSale& sale = Expected().PerItemDay[{key, DayKey(end)}];
            sale.Quantity += line.Quantity;
            sale.Gross += gross;
            ++sale.Lines;
            ++Expected().Lines;
            counted = true;
        }
    }
    Expected().Receipts += counted ? 1 : 0;
    m_receipts.Record({{"Z_KASSE_ID", m_registerId},
                       {"Z_ERSTELLUNG", m_created},
                       {"Z_NR", m_closingNr},
                       {"BON_ID", id},
                       {"BON_NR", id},
                       {"BON_TYP", type},
                       {"TERMINAL_ID", "T1"},
                       {"BON_STORNO", voided ? "1" : "0"},
                       {"BON_START", IsoDateTime(end)},
                       {"BON_ENDE", IsoDateTime(end)},
                       {"UMS_BRUTTO", Number(total, 2)}},
                      kTextColumns);
}

void CExportWriter::Day(int register_, int dayIndex)
{
    const CDateTime day =
        CDateTime(m_options.Year, m_options.Month, m_options.Day) + CDateTimeSpan(dayIndex, 0, 0, 0);
    m_writing = dayIndex >= m_options.FirstWrittenDay && dayIndex <= m_options.LastWrittenDay;
    m_registerId = "KASSE-" + std::to_string(register_ + 1);
    m_closingNr = std::to_string(100 + dayIndex);
    m_created = IsoDateTime(day + CDateTimeSpan(1, 2, 0, 0));
    Expected().SourceKeys.push_back(m_registerId + "/" + m_closingNr);
    if (m_options.VatMasterTable)
        for (const auto& [key, rate, name] :
             {std::tuple("1", 19.0, "Regelsteuersatz"), std::tuple("2", 7.0, "Erm\xE4\xDFigter Steuersatz"),
              std::tuple("5", 0.0, "Nicht Steuerbar")})
            m_vat.Record({{"Z_KASSE_ID", m_registerId},
                          {"Z_ERSTELLUNG", m_created},
                          {"Z_NR", m_closingNr},
                          {"UST_SCHLUESSEL", key},
                          {"UST_SATZ", Number(rate, 2)},
                          {"UST_BESCHR", name}},
                         kTextColumns);
    m_closings.Record({{"Z_KASSE_ID", m_registerId},
                       {"Z_ERSTELLUNG", m_created},
                       {"Z_NR", m_closingNr},
                       {"Z_BUCHUNGSTAG", IsoDate(day)},
                       {"TAXONOMIE_VERSION", "2.3"},
                       {"NAME", "Gasthaus Zur M\xFChle"}},
                      kTextColumns);
    if (dayIndex == 0)
        m_lastSale.reset();
    else if (m_options.VoidEarlierPercent > 0 && m_random.Percent(m_options.VoidEarlierPercent))
        VoidEarlierSale(day + CDateTimeSpan(0, 10, 30, 0));
    for (int r = 0; r < m_options.ReceiptsPerDay; ++r) {
        // Spread from 11:00 to a quarter past midnight of the next day.
        const int minutes = 11 * 60 + (r * (13 * 60 + 15)) / std::max(1, m_options.ReceiptsPerDay);
        const CDateTime end = day + CDateTimeSpan(0, minutes / 60, minutes % 60, r % 60);
        int roll = m_random.Below(100);
        if ((roll -= m_options.TrainingPercent) < 0) {
            Receipt("AVTraining", false, end, SaleLines(false), ERegisterSkip::TrainingReceipt, false);
        } else if ((roll -= m_options.VoidedReceiptPercent) < 0) {
            std::vector<CLine> lines = SaleLines(false);
            Receipt("Beleg", false, end, lines, ERegisterSkip::VoidedReceipt, false);
            const std::string original = std::to_string(m_receiptId);
            for (CLine& line : lines)
                line.Quantity = -line.Quantity;
            Receipt("Beleg", true, end + CDateTimeSpan(0, 0, 5, 0), lines, ERegisterSkip::VoidedReceipt,
                    false);
            Reference(m_closingNr, original, end);
        } else if ((roll -= m_options.OtherReceiptPercent) < 0) {
            Receipt("AVBelegabbruch", false, end, SaleLines(false), ERegisterSkip::OtherReceipt, false);
        } else if ((roll -= m_options.ReturnPercent) < 0) {
            const CItem& item =
                m_items[static_cast<std::size_t>(m_random.Below(static_cast<int>(m_items.size())))];
            Receipt("Beleg", false, end, {{&item, "Umsatz", -1, item.Price}}, ERegisterSkip::OtherReceipt,
                    true);
        } else {
            const std::vector<CLine> lines = SaleLines(true);
            Receipt("Beleg", false, end, lines, ERegisterSkip::OtherReceipt, true);
            if (std::all_of(lines.begin(), lines.end(), [](const CLine& line) {
                    return line.Type == "Umsatz" && !line.Voided && line.Quantity > 0;
                }))
                m_lastSale = CSale{std::to_string(m_receiptId), m_closingNr, end, lines};
        }
    }
}

// A receipt of this day's closing voids the day before's last plain sale: its lines negated,
// the earlier receipt named in references.csv. The sale counts on its day; the voiding receipt
// reduces its own day.
void CExportWriter::VoidEarlierSale(const CDateTime& when)
{
    if (!m_lastSale)
        return;
    std::vector<CLine> lines = m_lastSale->Lines;
    for (CLine& line : lines)
        line.Quantity = -line.Quantity;
    Receipt("Beleg", true, when, lines, ERegisterSkip::OtherReceipt, true);
    Reference(m_lastSale->ClosingNr, m_lastSale->Id, m_lastSale->End);
    m_lastSale.reset();
}

// The last receipt written voids the receipt `id` of the closing `closingNr`.
void CExportWriter::Reference(const std::string& closingNr, const std::string& id, const CDateTime& time)
{
    m_references.Record({{"Z_KASSE_ID", m_registerId},
                         {"Z_ERSTELLUNG", m_created},
                         {"Z_NR", m_closingNr},
                         {"BON_ID", std::to_string(m_receiptId)},
                         {"REF_TYP", "Transaktion"},
                         {"REF_NAME", "Storno"},
                         {"REF_DATUM", IsoDateTime(time)},
                         {"REF_Z_KASSE_ID", m_registerId},
                         {"REF_Z_NR", closingNr},
                         {"REF_BON_ID", id}},
                        kTextColumns);
}

std::string CExportWriter::TableXml(const char* file, const char* name,
                                    const std::vector<std::string>& columns, std::size_t keys) const
{
    std::string xml = "    <Table>\n      <URL>" + std::string(file) + "</URL>\n      <Name>" + name +
                      "</Name>\n      <Description>" + name + "</Description>\n";
    if (m_options.NameEncoding)
        xml += m_options.Utf8 ? "      <UTF8/>\n" : "      <ANSI/>\n";
    xml += "      <DecimalSymbol>" + std::string(1, m_options.DecimalSymbol) + "</DecimalSymbol>\n";
    xml += "      <DigitGroupingSymbol>" +
           (m_options.DigitGrouping != 0 ? std::string(1, m_options.DigitGrouping) : std::string()) +
           "</DigitGroupingSymbol>\n";
    if (m_options.HeadingRow)
        xml += "      <Range>\n        <From>2</From>\n      </Range>\n";
    const std::string delimiter = m_options.Delimiter == '\t' ? "&#9;" : std::string(1, m_options.Delimiter);
    xml += "      <VariableLength>\n        <ColumnDelimiter>" + delimiter +
           "</ColumnDelimiter>\n        <RecordDelimiter>&#13;&#10;</RecordDelimiter>\n";
    xml += "        <TextEncapsulator>" + std::string(m_options.Quote == '"' ? "&quot;" : "") +
           "</TextEncapsulator>\n";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool numeric = columns[i] == "MENGE" || columns[i] == "STK_BR" || columns[i] == "FAKTOR" ||
                             columns[i] == "UMS_BRUTTO" || columns[i] == "UST_SATZ" ||
                             (columns[i].starts_with("POS_") && columns[i] != "POS_ZEILE");
        const char* element = i < keys ? "VariablePrimaryKey" : "VariableColumn";
        xml += "        <" + std::string(element) + ">\n          <Name>" + columns[i] +
               "</Name>\n          " +
               (numeric ? "<Numeric>\n            <Accuracy>3</Accuracy>\n          </Numeric>"
                        : "<AlphaNumeric/>\n          <MaxLength>200</MaxLength>") +
               "\n        </" + element + ">\n";
    }
    return xml + "      </VariableLength>\n    </Table>\n";
}

std::string CExportWriter::IndexXml() const
{
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE DataSet SYSTEM \"gdpdu-01-09-2004.dtd\">\n"
        "<DataSet>\n  <Version>1.0</Version>\n  <DataSupplier>\n    <Name>Testkasse</Name>\n"
        "    <Location>Hamburg</Location>\n    <Comment>erzeugt f\xC3\xBCr Tests</Comment>\n"
        "  </DataSupplier>\n  <Media>\n    <Name>DSFinV-K</Name>\n    <!-- die Tabellen -->\n";
    xml += TableXml("cashpointclosing.csv", "Stamm_Abschluss", kClosingColumns, 3);
    xml += TableXml("transactions.csv", "Bonkopf", kReceiptColumns, 4);
    xml += TableXml("lines.csv", "Bonpos", m_lines.Columns(), kLineKeys.size());
    xml += TableXml("references.csv", "Bon_Referenzen", kReferenceColumns, 5);
    if (m_options.VatTables && m_options.VatMasterTable)
        xml += TableXml("vat.csv", "Stamm_USt", kVatColumns, 4);
    if (m_options.VatTables)
        xml += TableXml("lines_vat.csv", "Bonpos_USt", kLineVatColumns, 6);
    return xml + "  </Media>\n</DataSet>\n";
}

CGeneratedExport CExportWriter::Run()
{
    for (int register_ = 0; register_ < m_options.Registers; ++register_)
        for (int day = 0; day < m_options.Days; ++day)
            Day(register_, day);
    CGeneratedExport generated;
    generated.Files["index.xml"] = IndexXml();
    generated.Files["cashpointclosing.csv"] = m_closings.Take();
    generated.Files["transactions.csv"] = m_receipts.Take();
    generated.Files["lines.csv"] = m_lines.Take();
    generated.Files["references.csv"] = m_references.Take();
    if (m_options.VatTables && m_options.VatMasterTable)
        generated.Files["vat.csv"] = m_vat.Take();
    if (m_options.VatTables)
        generated.Files["lines_vat.csv"] = m_lineVat.Take();
    generated.Expected = std::move(m_expected);
    return generated;
}

std::string Field(const std::string& value, char delimiter)
{
    if (value.find_first_of(std::string(1, delimiter) + "\"\n") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"')
            quoted.push_back('"');
        quoted.push_back(c);
    }
    return quoted + "\"";
}

} // namespace

int DayKey(const CDateTime& time)
{
    return time.GetYear() * 10000 + time.GetMonth() * 100 + time.GetDay();
}

std::map<std::pair<std::string, int>, CExpectedSale> PerItemDay(const CRegisterSales& sales)
{
    std::map<std::pair<std::string, int>, CExpectedSale> sums;
    for (const CRegisterLine& line : sales.Lines) {
        CExpectedSale& sum = sums[{RegisterItemKey(sales.ItemOf(line)), DayKey(line.DateTime)}];
        sum.Quantity += line.Quantity;
        sum.Gross += line.GrossRevenue;
        ++sum.Lines;
    }
    return sums;
}

CGeneratedExport GenerateDsfinvkExport(const CRegisterExportOptions& options)
{
    return CExportWriter(options).Run();
}

bool WriteExportFolder(const CGeneratedExport& generated, const std::string& folder)
{
    for (const auto& [name, bytes] : generated.Files) {
        std::ofstream out(folder + "/" + name, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out)
            return false;
    }
    return true;
}

CGeneratedJournal GenerateCsvJournal(const CCsvJournalOptions& options)
{
    CGeneratedJournal journal;
    CRandom random(options.Seed);
    const std::vector<CItem> items = MakeItems(options.Items);
    const char delimiter = options.Delimiter;
    const char decimal = options.GermanNumbers ? ',' : '.';
    const char grouping = options.GermanNumbers ? '.' : ',';
    std::string text;
    const auto row = [&](const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            text += (i > 0 ? std::string(1, delimiter) : std::string()) + Field(fields[i], delimiter);
        text += options.RecordEnd;
    };
    if (options.Heading) {
        journal.Headings = options.EnglishHeadings
                               ? std::vector<std::string>{"Date",     "Time",  "Item number", "Item",
                                                          "Quantity", "Price", "Group"}
                               : std::vector<std::string>{"Datum", "Uhrzeit", "Artikelnummer", "Artikel",
                                                          "Menge", "Preis",   "Warengruppe"};
        if (!options.SeparateTime)
            journal.Headings.erase(journal.Headings.begin() + 1);
        if (!options.WithNumber)
            std::erase(journal.Headings, options.EnglishHeadings ? "Item number" : "Artikelnummer");
        if (!options.WithPrice)
            std::erase(journal.Headings, options.EnglishHeadings ? "Price" : "Preis");
        row(journal.Headings);
    }
    CRegisterExpectation& expected = journal.Expected;
    for (int day = 0; day < options.Days; ++day) {
        const CDateTime date =
            CDateTime(options.Year, options.Month, options.Day) + CDateTimeSpan(day, 0, 0, 0);
        for (int r = 0; r < options.RowsPerDay; ++r) {
            const CItem& item = items[static_cast<std::size_t>(random.Below(static_cast<int>(items.size())))];
            const double quantity = random.Percent(options.ReturnPercent) ? -1 : 1 + random.Below(4);
            const int minutes = 11 * 60 + (r * 12 * 60) / std::max(1, options.RowsPerDay);
            const CDateTime time = date + CDateTimeSpan(0, minutes / 60, minutes % 60, 0);
            char dateText[32], timeText[16];
            if (options.IsoDates)
                std::snprintf(dateText, sizeof dateText, "%04d-%02d-%02d", time.GetYear(), time.GetMonth(),
                              time.GetDay());
            else
                std::snprintf(dateText, sizeof dateText, "%02d.%02d.%04d", time.GetDay(), time.GetMonth(),
                              time.GetYear());
            std::snprintf(timeText, sizeof timeText, "%02d:%02d", time.GetHour(), time.GetMinute());
            std::vector<std::string> fields = {options.SeparateTime ? std::string(dateText)
                                                                    : std::string(dateText) + " " + timeText};
            if (options.SeparateTime)
                fields.push_back(timeText);
            if (options.WithNumber)
                fields.push_back(item.Number);
            fields.push_back(item.Text);
            fields.push_back(FormatNumber(quantity, 0, decimal, grouping));
            if (options.WithPrice)
                fields.push_back(FormatNumber(item.Price, 2, decimal, grouping));
            fields.push_back(item.Group);
            row(fields);
            const std::string& key = options.WithNumber && !item.Number.empty() ? item.Number : item.Text;
            CExpectedSale& sale = expected.PerItemDay[{key, DayKey(time)}];
            sale.Quantity += quantity;
            sale.Gross += options.WithPrice ? quantity * item.Price : 0.0;
            ++sale.Lines;
            ++expected.Lines;
        }
    }
    journal.Bytes = options.ByteOrderMark ? "\xEF\xBB\xBF" : "";
    journal.Bytes += options.Utf8 ? Windows1252ToUtf8(text) : text;
    return journal;
}
