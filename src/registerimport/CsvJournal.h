#pragma once

#include "CsvColumns.h"
#include "RegisterSales.h"
#include "RegisterText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CFileSystem;

// How one row of a journal reads under an assignment: the sale it gives, or why it gives none
// (German, Windows-1252, naming the column), or that it is blank and left out.
struct CCsvRowResult
{
    enum EState { Sale, Blank, Unreadable };

    EState State = Unreadable;
    CRegisterLine Line; // without its item, which is Item
    CRegisterItem Item;
    std::string Error;
    int Column = -1;          // the column the error is about, -1 for the whole row
    std::size_t FileLine = 0; // the row's first line in the file, from 1
};

// A sales journal as CSV: the text decoded once (UTF-8 with or without byte order mark, or
// Windows-1252; kept as Windows-1252), the delimiter (";", "," or tab) detected, the records
// split with quotes, doubled quotes and line breaks inside quotes. Numbers are read German
// ("1.234,50") or English ("1,234.50"), whichever the file's numbers show; dates as dd.mm.yyyy
// or yyyy-mm-dd, with or without a time.
class CCsvJournal
{
public:
    // The largest journal read (a larger one is refused before it is read).
    static constexpr std::size_t kMaxBytes = std::size_t(1) << 30;

    // The part of a file Load reads at first: enough for the first rows of any journal.
    static constexpr std::size_t kFirstBytes = std::size_t(1) << 20;

    // Reads the first part of the file at `path` and splits its first rows, so that they show
    // at once however large the journal is; the rest is read when rows beyond the part, the
    // row count or Read ask for it (a failure then is Read's message). False with a German
    // message. The file system must outlive the journal.
    [[nodiscard]] bool Load(CFileSystem& fileSystem, const std::string& path, std::string& message);
    // The same for bytes in memory; `name` is the file name for labels and messages.
    [[nodiscard]] bool LoadText(std::string_view bytes, const std::string& name, std::string& message);
    // The same, taking the bytes over and decoding them in place, so that a large journal is
    // held once.
    [[nodiscard]] bool LoadBytes(std::string bytes, const std::string& name, std::string& message);

    char GetDelimiter() const { return m_delimiter; }
    // The size of the blocks Read takes from the file (small ones in tests put block ends
    // everywhere).
    static constexpr std::size_t kBlockBytes = std::size_t(1) << 20;
    void SetBlockBytes(std::size_t bytes) { m_blockBytes = bytes; }
    // The rows are split as far as they are asked for: Load splits the first kEagerRows, the
    // row count and Read split the rest.
    static constexpr std::size_t kEagerRows = 1000;
    std::size_t GetRowCount() const;
    // Whether the journal has that row (splitting up to it, not beyond).
    bool HasRow(std::size_t row) const;
    // The most fields of a row split so far (the first kEagerRows at least).
    std::size_t GetColumnCount() const { return m_columnCount; }
    // The fields of a row (the heading row included, as row 0).
    std::vector<std::string> GetFields(std::size_t row) const;
    // The first row's fields, the column names when the journal has a heading.
    std::vector<std::string> GetHeadings() const
    {
        return m_rows.empty() ? std::vector<std::string>{} : GetFields(0);
    }
    // The row as the assignment reads it; the heading row reads Blank.
    CCsvRowResult ReadRow(std::size_t row, const CCsvColumns& columns) const;

    // Every row into `sales`, one source for the whole journal (Key a digest of the rows
    // read, Label "Journal <name>, <first>–<last> date"). Receipts stays 0: a journal knows
    // no receipts. Fails at the first unreadable row with its message (file line and column)
    // and leaves `sales` empty. A journal loaded from its file is read from the file in blocks
    // (once to find its encoding, once to read it), so that a large journal needs little
    // beside its sales; one given in memory is read from its text.
    [[nodiscard]] bool Read(const CCsvColumns& columns, CRegisterSales& sales, std::string& message) const;

private:
    struct CRow
    {
        std::size_t Begin = 0; // offsets into m_text
        std::size_t End = 0;
        std::size_t FileLine = 0;
    };
    bool Take(std::string bytes, const std::string& name, bool whole, std::string& message);
    bool LoadRest() const;
    void ResetSplit() const;
    // Splits further until `rows` rows are known or the text ends, reading the rest of the
    // file when needed unless `loadRest` is false; false when a quote is never closed or the
    // rest cannot be read (m_splitError then says why).
    bool SplitUpTo(std::size_t rows, bool loadRest = true) const;
    bool UsesGermanNumbers(const CCsvColumns& columns) const;
    // The item's fields of a row being read, as views into the row's fields.
    struct CItemFields
    {
        std::string_view Number, Text, Group;
    };
    // Reads one row's fields under the assignment into `result` (without its FileLine and
    // Item) and `item`.
    void ReadFields(const std::vector<std::string_view>& fields, bool heading, const CCsvColumns& columns,
                    bool german, CCsvRowResult& result, CItemFields& item) const;
    // Read's state between the blocks of text it is given.
    struct CReading;
    // The records of `text` into the reading; a record that runs beyond the text (a quote not
    // closed) is left for the next block unless `last`. `consumed` says how far it got.
    [[nodiscard]] bool ReadText(std::string_view text, bool last, CReading& reading, std::size_t& consumed,
                                std::string& message) const;
    [[nodiscard]] bool ReadFileInBlocks(CReading& reading, std::string& message) const;
    // The first pass over the file: its encoding and how many records it holds at most.
    [[nodiscard]] bool SurveyFile(RegisterText::EEncoding& encoding, std::size_t& records,
                                  std::string& message) const;
    std::string ColumnName(int column, bool hasHeading) const;

    std::string m_name;
    // The file the journal is read from; none when it was given in memory.
    CFileSystem* m_files = nullptr;
    std::string m_path;
    // The text read so far, as Windows-1252, the encoding it was read in, and whether it is all.
    mutable std::string m_text;
    mutable RegisterText::EEncoding m_encoding = RegisterText::EEncoding::Utf8;
    mutable bool m_complete = true;
    std::size_t m_blockBytes = kBlockBytes;
    char m_delimiter = ';';
    // The number style found for the last assignment asked about.
    mutable std::optional<CCsvColumns> m_styleColumns;
    mutable bool m_germanNumbers = true;
    // What is split so far: the rows, where splitting goes on, and an error met on the way.
    mutable std::size_t m_columnCount = 0;
    mutable std::vector<CRow> m_rows;
    mutable std::size_t m_splitAt = 0;
    mutable std::size_t m_splitLine = 1;
    mutable bool m_splitDone = false;
    mutable std::string m_splitError;
};
