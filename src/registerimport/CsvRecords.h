#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Splits CSV text into records and their fields: fields end at the delimiter, records at LF,
// CR LF or CR; a field that starts with the quote character runs to its closing quote, with
// doubled quotes for a quote and delimiters and line breaks taken as they are. The fields of
// the last record stay valid until the next call.
class CCsvRecords
{
public:
    enum EResult { Record, End, UnclosedQuote };

    // `quote` 0 reads without quoting. The text must outlive the reader.
    CCsvRecords(std::string_view text, char delimiter, char quote = '"');

    // The next record's fields. UnclosedQuote when the text ends inside a quoted field.
    EResult Next(std::vector<std::string_view>& fields);
    // The file line (from 1) the last record started on.
    std::size_t GetLine() const { return m_recordLine; }
    // The offsets of the last record in the text: its first byte and the byte after it.
    std::size_t GetRecordBegin() const { return m_recordBegin; }
    std::size_t GetRecordEnd() const { return m_position; }
    // The file line (from 1) the next record starts on.
    std::size_t GetNextLine() const { return m_line; }

private:
    struct CField
    {
        std::size_t Begin;
        std::size_t Length;
        bool InScratch;
    };
    bool ReadQuoted(std::vector<CField>& fields);
    void ReadPlain(std::vector<CField>& fields);
    bool EndOfRecord();

    std::string_view m_text;
    char m_delimiter;
    char m_quote;
    std::size_t m_position = 0;
    std::size_t m_line = 1;
    std::size_t m_recordLine = 1;
    std::size_t m_recordBegin = 0;
    std::string m_scratch;
    std::vector<CField> m_fields;
};
