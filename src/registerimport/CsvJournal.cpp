#include "CsvJournal.h"

#include "CsvFileBlocks.h"
#include "CsvRecords.h"
#include "RegisterItemPool.h"
#include "RegisterText.h"
#include "datafile/TextDigest.h"
#include "datafile/Utf8Text.h"
#include "platform/FileSystem.h"
#include "platform/PathText.h"

#include <algorithm>
#include <cstdio>

namespace {

using RegisterText::ENumberStyle;

constexpr char kCandidates[] = {';', ',', '\t'};
constexpr std::size_t kSampleRecords = 50;
constexpr std::size_t kStyleSampleRows = 5000;

// How well `delimiter` splits the first records: records that agree with the first one's
// field count, weighted by that count; 0 when it splits nothing.
std::size_t DelimiterScore(std::string_view text, char delimiter)
{
    CCsvRecords records(text, delimiter);
    std::vector<std::string_view> fields;
    std::size_t first = 0, agreeing = 0, sampled = 0;
    while (sampled < kSampleRecords) {
        const CCsvRecords::EResult result = records.Next(fields);
        if (result != CCsvRecords::Record)
            break;
        if (fields.size() == 1 && fields[0].empty())
            continue;
        if (sampled++ == 0)
            first = fields.size();
        agreeing += fields.size() == first ? 1 : 0;
    }
    return first > 1 ? agreeing * first * 2 + (agreeing == sampled ? 1 : 0) : 0;
}

bool IsBlankRow(const std::vector<std::string_view>& fields)
{
    for (std::string_view field : fields)
        if (field.find_first_not_of(" \t") != std::string::npos)
            return false;
    return true;
}

// A price as spreadsheets write it: a currency sign or "EUR" around it is left out.
std::string_view WithoutCurrency(std::string_view text)
{
    for (std::string_view sign : {std::string_view("\x80"), std::string_view("EUR")}) {
        const auto trim = [](std::string_view t) {
            while (!t.empty() && (t.front() == ' ' || t.front() == '\xA0'))
                t.remove_prefix(1);
            while (!t.empty() && (t.back() == ' ' || t.back() == '\xA0'))
                t.remove_suffix(1);
            return t;
        };
        text = trim(text);
        if (text.ends_with(sign))
            text = trim(text.substr(0, text.size() - sign.size()));
        else if (text.starts_with(sign))
            text = trim(text.substr(sign.size()));
    }
    return text;
}

} // namespace

bool CCsvJournal::Load(CFileSystem& fileSystem, const std::string& path, std::string& message)
{
    m_files = &fileSystem;
    m_path = path;
    // The first block of whole lines (an empty file gives none and reads as empty).
    CCsvFileBlocks blocks(fileSystem, path, kFirstBytes);
    std::string bytes, error;
    if (!blocks.Open(kMaxBytes, message))
        return false;
    if (!blocks.Next(bytes, error) && !error.empty()) {
        message = error;
        return false;
    }
    return Take(std::move(bytes), CPathText::FileNameOf(path), blocks.AtEnd(), message);
}

bool CCsvJournal::LoadText(std::string_view bytes, const std::string& name, std::string& message)
{
    return LoadBytes(std::string(bytes), name, message);
}

bool CCsvJournal::LoadBytes(std::string bytes, const std::string& name, std::string& message)
{
    m_files = nullptr;
    return Take(std::move(bytes), name, true, message);
}

bool CCsvJournal::Take(std::string bytes, const std::string& name, bool whole, std::string& message)
{
    m_name = name;
    m_complete = whole;
    ResetSplit();
    const std::size_t mark = RegisterText::ByteOrderMarkLength(bytes);
    m_encoding = mark > 0 ? RegisterText::EEncoding::Utf8 : RegisterText::DetectEncoding(bytes);
    RegisterText::MakeWindows1252(bytes, mark, m_encoding);
    m_text = std::move(bytes);
    if (m_text.find('\0') != std::string::npos) {
        message = name + Windows1252Text(" ist keine Textdatei (CSV).");
        return false;
    }
    std::size_t best = 0;
    m_delimiter = ';';
    for (char candidate : kCandidates)
        if (const std::size_t score = DelimiterScore(m_text, candidate); score > best) {
            best = score;
            m_delimiter = candidate;
        }
    if (!SplitUpTo(kEagerRows)) {
        message = m_splitError;
        m_rows.clear();
        return false;
    }
    if (m_rows.empty()) {
        message = m_name + Windows1252Text(" ist leer.");
        return false;
    }
    return true;
}

void CCsvJournal::ResetSplit() const
{
    m_rows.clear();
    m_columnCount = 0;
    m_splitAt = 0;
    m_splitLine = 1;
    m_splitDone = false;
    m_splitError.clear();
    m_styleColumns.reset();
}

// The rest of a journal of which Load read the first part. The rows split so far stay when the
// whole file starts as the part did; else (the file changed meanwhile, or its later bytes
// decide another encoding) splitting starts anew.
bool CCsvJournal::LoadRest() const
{
    if (m_complete)
        return m_splitError.empty();
    std::string bytes, block, error;
    CCsvFileBlocks blocks(*m_files, m_path, m_blockBytes);
    if (blocks.Open(kMaxBytes, error)) {
        bytes.reserve(static_cast<std::size_t>(blocks.GetSize()));
        while (blocks.Next(block, error))
            bytes += block;
    }
    if (!error.empty()) {
        m_splitError = error;
        m_splitDone = true;
        return false;
    }
    m_complete = true;
    const std::size_t mark = RegisterText::ByteOrderMarkLength(bytes);
    const auto encoding = mark > 0 ? RegisterText::EEncoding::Utf8 : RegisterText::DetectEncoding(bytes);
    RegisterText::MakeWindows1252(bytes, mark, encoding);
    const bool samePart = encoding == m_encoding && bytes.compare(0, m_text.size(), m_text) == 0;
    m_encoding = encoding;
    m_text = std::move(bytes);
    if (!samePart)
        ResetSplit();
    if (m_text.find('\0') != std::string::npos) {
        m_splitError = m_name + Windows1252Text(" ist keine Textdatei (CSV).");
        m_splitDone = true;
        return false;
    }
    return true;
}

bool CCsvJournal::SplitUpTo(std::size_t rows, bool loadRest) const
{
    while (!m_splitDone && m_rows.size() < rows) {
        CCsvRecords records(std::string_view(m_text).substr(m_splitAt), m_delimiter);
        std::vector<std::string_view> fields;
        const std::size_t lineBase = m_splitLine - 1;
        CCsvRecords::EResult result = CCsvRecords::Record;
        while (m_rows.size() < rows) {
            result = records.Next(fields);
            if (result != CCsvRecords::Record)
                break;
            m_rows.push_back({m_splitAt + records.GetRecordBegin(), m_splitAt + records.GetRecordEnd(),
                              lineBase + records.GetLine()});
            m_columnCount = std::max(m_columnCount, fields.size());
        }
        if (result == CCsvRecords::UnclosedQuote && m_complete) {
            m_splitError = m_name + ", Zeile " + std::to_string(lineBase + records.GetLine()) +
                           Windows1252Text(": ein Anführungszeichen wird nicht geschlossen.");
            m_splitDone = true;
            return false;
        }
        if (result == CCsvRecords::Record) { // as many rows as asked for
            m_splitAt += records.GetRecordEnd();
            m_splitLine = lineBase + records.GetNextLine();
            break;
        }
        // The text ends, or a quote runs beyond the part read: the rest of the file, if any.
        m_splitAt += result == CCsvRecords::End ? records.GetRecordEnd() : records.GetRecordBegin();
        m_splitLine =
            result == CCsvRecords::End ? lineBase + records.GetNextLine() : lineBase + records.GetLine();
        if (m_complete)
            m_splitDone = true;
        else if (!loadRest)
            break;
        else if (!LoadRest())
            return false;
    }
    return m_splitError.empty();
}

std::size_t CCsvJournal::GetRowCount() const
{
    SplitUpTo(static_cast<std::size_t>(-1));
    return m_rows.size();
}

bool CCsvJournal::HasRow(std::size_t row) const
{
    SplitUpTo(row + 1);
    return row < m_rows.size();
}

std::vector<std::string> CCsvJournal::GetFields(std::size_t row) const
{
    std::vector<std::string> result;
    if (!HasRow(row))
        return result;
    const CRow& at = m_rows[row];
    CCsvRecords records(std::string_view(m_text).substr(at.Begin, at.End - at.Begin), m_delimiter);
    std::vector<std::string_view> fields;
    if (records.Next(fields) == CCsvRecords::Record)
        result.assign(fields.begin(), fields.end());
    return result;
}

// German unless the numbers of the quantity and price columns show English writing
// ("1,234.50", "0.25") and none shows German.
bool CCsvJournal::UsesGermanNumbers(const CCsvColumns& columns) const
{
    if (m_styleColumns && *m_styleColumns == columns)
        return m_germanNumbers;
    int german = 0, english = 0;
    // The rows of the part read so far, so that choosing the columns never waits for the rest.
    for (std::size_t row = columns.HasHeading ? 1 : 0;
         row < kStyleSampleRows && SplitUpTo(row + 1, false) && row < m_rows.size(); ++row) {
        const std::vector<std::string> fields = GetFields(row);
        for (int column : {columns.Quantity, columns.Price})
            if (column >= 0 && static_cast<std::size_t>(column) < fields.size()) {
                const ENumberStyle style = RegisterText::GetNumberStyle(WithoutCurrency(fields[column]));
                german += style == ENumberStyle::German ? 1 : 0;
                english += style == ENumberStyle::English ? 1 : 0;
            }
    }
    m_styleColumns = columns;
    m_germanNumbers = english == 0 || german > 0;
    return m_germanNumbers;
}

std::string CCsvJournal::ColumnName(int column, bool hasHeading) const
{
    std::string name = "Spalte " + std::to_string(column + 1);
    if (hasHeading) {
        const std::vector<std::string> headings = GetHeadings();
        if (static_cast<std::size_t>(column) < headings.size() && !headings[column].empty())
            name += " (" + RegisterText::Quoted(headings[column]) + ")";
    }
    return name;
}

CCsvRowResult CCsvJournal::ReadRow(std::size_t row, const CCsvColumns& columns) const
{
    CCsvRowResult result;
    result.FileLine = HasRow(row) ? m_rows[row].FileLine : 0;
    const std::vector<std::string> texts = GetFields(row);
    const std::vector<std::string_view> fields(texts.begin(), texts.end());
    CItemFields item;
    ReadFields(fields, row == 0 && columns.HasHeading, columns,
               columns.IsComplete() && UsesGermanNumbers(columns), result, item);
    if (result.State == CCsvRowResult::Sale)
        result.Item = {std::string(item.Number), std::string(item.Text), std::string(item.Group)};
    return result;
}

void CCsvJournal::ReadFields(const std::vector<std::string_view>& fields, bool heading,
                             const CCsvColumns& columns, bool german, CCsvRowResult& result,
                             CItemFields& item) const
{
    if (heading || IsBlankRow(fields)) {
        result.State = CCsvRowResult::Blank;
        return;
    }
    const auto field = [&fields](int column) {
        return column >= 0 && static_cast<std::size_t>(column) < fields.size() ? fields[column]
                                                                               : std::string_view();
    };
    const auto fail = [&](int column, const std::string& text) {
        result.State = CCsvRowResult::Unreadable;
        result.Column = column;
        result.Error = ColumnName(column, columns.HasHeading) + ": " + text;
    };
    if (!columns.IsComplete()) {
        result.State = CCsvRowResult::Unreadable;
        result.Error = Windows1252Text("Datum, Artikel und Menge sind noch keiner Spalte zugeordnet.");
        return;
    }
    CRegisterLine& line = result.Line;
    if (!RegisterText::ParseDateTime(field(columns.Date), line.DateTime))
        return fail(columns.Date, RegisterText::Quoted(field(columns.Date)) + " ist kein Datum.");
    if (columns.Time >= 0 && !field(columns.Time).empty()) {
        int hour = 0, minute = 0, second = 0;
        if (!RegisterText::ParseTime(field(columns.Time), hour, minute, second))
            return fail(columns.Time, RegisterText::Quoted(field(columns.Time)) + " ist keine Uhrzeit.");
        line.DateTime = CDateTime(line.DateTime.GetYear(), line.DateTime.GetMonth(), line.DateTime.GetDay(),
                                  hour, minute, second);
    }
    item.Text = field(columns.ItemText);
    item.Number = field(columns.ItemNumber);
    if (item.Text.find_first_not_of(' ') == std::string_view::npos &&
        item.Number.find_first_not_of(' ') == std::string_view::npos)
        return fail(columns.ItemText >= 0 ? columns.ItemText : columns.ItemNumber,
                    Windows1252Text("der Artikel fehlt."));
    const char decimal = german ? ',' : '.';
    const char grouping = german ? '.' : ',';
    if (!RegisterText::ParseNumber(field(columns.Quantity), decimal, grouping, line.Quantity))
        return fail(columns.Quantity, RegisterText::Quoted(field(columns.Quantity)) + " ist keine Zahl.");
    if (columns.Price >= 0 && !WithoutCurrency(field(columns.Price)).empty()) {
        double price = 0.0;
        if (!RegisterText::ParseNumber(WithoutCurrency(field(columns.Price)), decimal, grouping, price))
            return fail(columns.Price,
                        RegisterText::Quoted(field(columns.Price)) + Windows1252Text(" ist kein Preis."));
        line.HasPrice = true;
        line.GrossRevenue = price * line.Quantity;
    }
    item.Group = field(columns.Group);
    result.State = CCsvRowResult::Sale;
}

struct CCsvJournal::CReading
{
    CReading(const CCsvColumns& columns, bool german, CRegisterSales& sales)
        : Columns(columns), German(german), Sales(sales), Items(sales)
    {}

    const CCsvColumns& Columns;
    const bool German;
    CRegisterSales& Sales;
    CRegisterItemPool Items;
    CTextDigest Digest;
    CDateTime First, Last;
    std::size_t Row = 0;      // the next record's index
    std::size_t LineBase = 0; // file lines before the text being read
    std::vector<std::string_view> Fields;
};

bool CCsvJournal::Read(const CCsvColumns& columns, CRegisterSales& sales, std::string& message) const
{
    sales = CRegisterSales();
    sales.SourceName = m_name;
    const auto fail = [&] {
        sales = CRegisterSales();
        return false;
    };
    if (!columns.IsComplete()) {
        message = m_name + Windows1252Text(": ordnen Sie Datum, Artikel und Menge je einer Spalte zu.");
        return fail();
    }
    if (!m_splitError.empty()) {
        message = m_splitError;
        return fail();
    }
    CReading reading(columns, UsesGermanNumbers(columns), sales);
    if (m_complete) {
        // One line a record at most: reserved once, so that the lines are never held twice.
        const auto ends = [this](char end) {
            return static_cast<std::size_t>(std::count(m_text.begin(), m_text.end(), end));
        };
        sales.Lines.reserve(std::max(ends('\n'), ends('\r')) + 1);
        std::size_t consumed = 0;
        if (!ReadText(m_text, true, reading, consumed, message))
            return fail();
    } else if (!ReadFileInBlocks(reading, message)) {
        return fail();
    }
    if (sales.Lines.empty()) {
        message = m_name + Windows1252Text(" enthält keine Verkäufe.");
        return fail();
    }
    char key[48];
    std::snprintf(key, sizeof key, "csv:%016llx:%llu", static_cast<unsigned long long>(reading.Digest.Hash()),
                  static_cast<unsigned long long>(sales.Lines.size()));
    CRegisterSource source;
    source.Key = key;
    source.Label =
        "Journal " + m_name + ", " + reading.First.GetDayText() + "\x96" + reading.Last.GetDayText();
    source.BusinessDay = CDateTime::MakeNull();
    sales.Sources.push_back(std::move(source));
    return true;
}

bool CCsvJournal::ReadText(std::string_view text, bool last, CReading& reading, std::size_t& consumed,
                           std::string& message) const
{
    CCsvRecords records(text, m_delimiter);
    for (;;) {
        const CCsvRecords::EResult next = records.Next(reading.Fields);
        if (next == CCsvRecords::End) {
            consumed = text.size();
            reading.LineBase += records.GetNextLine() - 1;
            return true;
        }
        if (next == CCsvRecords::UnclosedQuote) {
            if (last) {
                message = m_name + ", Zeile " + std::to_string(reading.LineBase + records.GetLine()) +
                          Windows1252Text(": ein Anführungszeichen wird nicht geschlossen.");
                return false;
            }
            consumed = records.GetRecordBegin();
            reading.LineBase += records.GetLine() - 1;
            return true;
        }
        CCsvRowResult result;
        CItemFields item;
        ReadFields(reading.Fields, reading.Row++ == 0 && reading.Columns.HasHeading, reading.Columns,
                   reading.German, result, item);
        if (result.State == CCsvRowResult::Blank)
            continue;
        if (result.State == CCsvRowResult::Unreadable) {
            message = m_name + ", Zeile " + std::to_string(reading.LineBase + records.GetLine()) + ", " +
                      result.Error;
            return false;
        }
        // The row without its line end, so that the same rows saved with other line ends match.
        std::string_view row =
            text.substr(records.GetRecordBegin(), records.GetRecordEnd() - records.GetRecordBegin());
        while (!row.empty() && (row.back() == '\n' || row.back() == '\r'))
            row.remove_suffix(1);
        reading.Digest.Add(row);
        reading.Digest.Add("\n");
        CRegisterSales& sales = reading.Sales;
        if (sales.Lines.empty() || result.Line.DateTime < reading.First)
            reading.First = result.Line.DateTime;
        if (sales.Lines.empty() || result.Line.DateTime > reading.Last)
            reading.Last = result.Line.DateTime;
        result.Line.Item = reading.Items.Find(item.Number, item.Text, item.Group);
        sales.Lines.push_back(result.Line);
    }
}

bool CCsvJournal::SurveyFile(RegisterText::EEncoding& encoding, std::size_t& records,
                             std::string& message) const
{
    CCsvFileBlocks blocks(*m_files, m_path, m_blockBytes);
    if (!blocks.Open(kMaxBytes, message))
        return false;
    std::string block, error;
    std::size_t lineFeeds = 0, returns = 0;
    bool first = true, byteOrderMark = false;
    auto kind = RegisterText::EUtf8Kind::Ascii;
    while (blocks.Next(block, error)) {
        const std::size_t mark = first ? RegisterText::ByteOrderMarkLength(block) : 0;
        byteOrderMark = byteOrderMark || mark > 0;
        first = false;
        if (block.find('\0') != std::string::npos) {
            message = m_name + Windows1252Text(" ist keine Textdatei (CSV).");
            return false;
        }
        if (kind != RegisterText::EUtf8Kind::Other) {
            const auto blockKind = RegisterText::GetUtf8Kind(std::string_view(block).substr(mark));
            kind = blockKind == RegisterText::EUtf8Kind::Ascii ? kind : blockKind;
        }
        lineFeeds += static_cast<std::size_t>(std::count(block.begin(), block.end(), '\n'));
        returns += static_cast<std::size_t>(std::count(block.begin(), block.end(), '\r'));
    }
    if (!error.empty()) {
        message = error;
        return false;
    }
    encoding = byteOrderMark || kind == RegisterText::EUtf8Kind::Utf8 ? RegisterText::EEncoding::Utf8
                                                                      : RegisterText::EEncoding::Windows1252;
    records = std::max(lineFeeds, returns) + 1;
    return true;
}

bool CCsvJournal::ReadFileInBlocks(CReading& reading, std::string& message) const
{
    auto encoding = RegisterText::EEncoding::Utf8;
    std::size_t records = 0;
    if (!SurveyFile(encoding, records, message))
        return false;
    reading.Sales.Lines.reserve(records);
    CCsvFileBlocks blocks(*m_files, m_path, m_blockBytes);
    if (!blocks.Open(kMaxBytes, message))
        return false;
    std::string block, carried, error;
    bool first = true;
    while (blocks.Next(block, error)) {
        RegisterText::MakeWindows1252(block, first ? RegisterText::ByteOrderMarkLength(block) : 0, encoding);
        first = false;
        // A record left over from the block before (a quoted field with line breaks) goes on here.
        if (!carried.empty()) {
            carried += block;
            block.swap(carried);
        }
        std::size_t consumed = 0;
        if (!ReadText(block, false, reading, consumed, message))
            return false;
        carried.assign(block, consumed);
    }
    if (!error.empty()) {
        message = error;
        return false;
    }
    std::size_t consumed = 0;
    return carried.empty() || ReadText(carried, true, reading, consumed, message);
}
