#include "CsvRecords.h"

CCsvRecords::CCsvRecords(std::string_view text, char delimiter, char quote)
    : m_text(text), m_delimiter(delimiter), m_quote(quote)
{}

CCsvRecords::EResult CCsvRecords::Next(std::vector<std::string_view>& fields)
{
    fields.clear();
    if (m_position >= m_text.size())
        return End;
    m_recordBegin = m_position;
    m_recordLine = m_line;
    m_scratch.clear();
    m_fields.clear();
    for (;;) {
        if (m_quote != 0 && m_position < m_text.size() && m_text[m_position] == m_quote) {
            if (!ReadQuoted(m_fields))
                return UnclosedQuote;
        } else {
            ReadPlain(m_fields);
        }
        if (m_position < m_text.size() && m_text[m_position] == m_delimiter) {
            ++m_position;
            continue;
        }
        EndOfRecord();
        break;
    }
    fields.reserve(m_fields.size());
    for (const CField& field : m_fields)
        fields.push_back(field.InScratch ? std::string_view(m_scratch).substr(field.Begin, field.Length)
                                         : m_text.substr(field.Begin, field.Length));
    return Record;
}

void CCsvRecords::ReadPlain(std::vector<CField>& fields)
{
    const std::size_t begin = m_position;
    while (m_position < m_text.size()) {
        const char c = m_text[m_position];
        if (c == m_delimiter || c == '\n' || c == '\r')
            break;
        ++m_position;
    }
    fields.push_back({begin, m_position - begin, false});
}

// From the opening quote to the closing one; what stands between the closing quote and the
// next delimiter is kept as it is (a lenient reading of a sloppy writer).
bool CCsvRecords::ReadQuoted(std::vector<CField>& fields)
{
    ++m_position;
    // The usual field, without doubled quotes: a view into the text.
    const std::size_t close = m_text.find(m_quote, m_position);
    if (close == std::string_view::npos)
        return false;
    if (close + 1 >= m_text.size() || m_text[close + 1] == m_delimiter || m_text[close + 1] == '\n' ||
        m_text[close + 1] == '\r') {
        for (std::size_t at = m_position; at < close; ++at)
            m_line += m_text[at] == '\n' ? 1 : 0;
        fields.push_back({m_position, close - m_position, false});
        m_position = close + 1;
        return true;
    }
    const std::size_t begin = m_scratch.size();
    for (;;) {
        const std::size_t next = m_text.find(m_quote, m_position);
        if (next == std::string_view::npos)
            return false;
        const std::string_view part = m_text.substr(m_position, next - m_position);
        for (char c : part)
            m_line += c == '\n' ? 1 : 0;
        m_scratch.append(part);
        m_position = next + 1;
        if (m_position < m_text.size() && m_text[m_position] == m_quote) {
            m_scratch.push_back(m_quote);
            ++m_position;
            continue;
        }
        break;
    }
    while (m_position < m_text.size()) {
        const char c = m_text[m_position];
        if (c == m_delimiter || c == '\n' || c == '\r')
            break;
        m_scratch.push_back(c);
        ++m_position;
    }
    fields.push_back({begin, m_scratch.size() - begin, true});
    return true;
}

bool CCsvRecords::EndOfRecord()
{
    if (m_position >= m_text.size())
        return true;
    if (m_text[m_position] == '\r')
        ++m_position;
    if (m_position < m_text.size() && m_text[m_position] == '\n')
        ++m_position;
    ++m_line;
    return true;
}
