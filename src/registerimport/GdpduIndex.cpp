#include "GdpduIndex.h"

#include "RegisterText.h"
#include "datafile/Utf8Text.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cctype>

namespace {

using RegisterText::EEncoding;

constexpr std::size_t kMaxDepth = 64;

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Trimmed(std::string_view text)
{
    return std::string(RegisterText::Trim(text));
}

// Walks the elements of the index and fills the tables from the elements it knows.
class CIndexScanner
{
public:
    CIndexScanner(std::string_view xml, std::vector<CGdpduTable>& tables) : m_xml(xml), m_tables(tables)
    {
        m_utf8 = DeclaresUtf8();
    }

    bool Run(std::string& message);

private:
    bool DeclaresUtf8() const;
    bool Markup(std::string& message);
    bool Open(std::string_view name, bool empty, std::string& message);
    bool Close(std::string_view name, std::string& message);
    void Text(std::string_view raw);
    void AppendCodePoint(unsigned long codePoint);
    std::string_view Parent(std::size_t up) const
    {
        return m_stack.size() > up ? std::string_view(m_stack[m_stack.size() - 1 - up]) : std::string_view();
    }
    void Element(std::string_view name, const std::string& text);
    void Begin(std::string_view name);
    bool Skip(std::string_view end, std::string& message);

    std::string_view m_xml;
    std::vector<CGdpduTable>& m_tables;
    std::size_t m_at = 0;
    bool m_utf8 = true;
    std::vector<std::string> m_stack;
    std::vector<std::string> m_texts;
    bool m_fixedLength = false;
};

bool CIndexScanner::DeclaresUtf8() const
{
    if (!m_xml.starts_with("<?xml"))
        return RegisterText::DetectEncoding(m_xml) == EEncoding::Utf8;
    const std::string_view declaration = m_xml.substr(0, m_xml.find("?>"));
    const auto at = declaration.find("encoding=");
    if (at == std::string_view::npos)
        return true;
    const std::string_view value = declaration.substr(at + 10, 5);
    return EqualsNoCase(value, "utf-8");
}

bool CIndexScanner::Run(std::string& message)
{
    while (m_at < m_xml.size()) {
        const std::size_t next = m_xml.find('<', m_at);
        const std::size_t end = next == std::string_view::npos ? m_xml.size() : next;
        if (end > m_at)
            Text(m_xml.substr(m_at, end - m_at));
        m_at = end;
        if (m_at < m_xml.size() && !Markup(message))
            return false;
    }
    if (!m_stack.empty()) {
        message = Windows1252Text("index.xml endet vor dem Ende des Elements <") + m_stack.back() + ">.";
        return false;
    }
    if (m_fixedLength && m_tables.empty()) {
        message = Windows1252Text("index.xml beschreibt Tabellen fester Feldlänge; gelesen werden nur "
                                  "Tabellen mit Trennzeichen.");
        return false;
    }
    return true;
}

bool CIndexScanner::Skip(std::string_view end, std::string& message)
{
    const std::size_t at = m_xml.find(end, m_at);
    if (at == std::string_view::npos) {
        message =
            Windows1252Text("index.xml ist unvollständig (ein Kommentar oder eine Anweisung endet nicht).");
        return false;
    }
    m_at = at + end.size();
    return true;
}

bool CIndexScanner::Markup(std::string& message)
{
    const std::string_view rest = m_xml.substr(m_at);
    if (rest.starts_with("<!--"))
        return Skip("-->", message);
    if (rest.starts_with("<?"))
        return Skip("?>", message);
    if (rest.starts_with("<![CDATA[")) {
        m_at += 9;
        const std::size_t end = m_xml.find("]]>", m_at);
        if (end == std::string_view::npos)
            return Skip("]]>", message);
        if (!m_texts.empty())
            AppendWindows1252(m_xml.substr(m_at, end - m_at),
                              m_utf8 ? EEncoding::Utf8 : EEncoding::Windows1252, m_texts.back());
        m_at = end + 3;
        return true;
    }
    if (rest.starts_with("<!")) {
        // A DOCTYPE, perhaps with an internal subset in brackets.
        const std::size_t bracket = rest.find('[');
        const std::size_t close = rest.find('>');
        if (bracket != std::string_view::npos && bracket < close)
            return Skip("]>", message);
        return Skip(">", message);
    }
    const bool closing = rest.starts_with("</");
    std::size_t at = closing ? 2 : 1;
    const std::size_t nameBegin = at;
    while (at < rest.size() && !std::isspace(static_cast<unsigned char>(rest[at])) && rest[at] != '>' &&
           rest[at] != '/')
        ++at;
    const std::string_view name = rest.substr(nameBegin, at - nameBegin);
    char quote = 0;
    for (; at < rest.size(); ++at) {
        if (quote != 0) {
            quote = rest[at] == quote ? 0 : quote;
        } else if (rest[at] == '"' || rest[at] == '\'') {
            quote = rest[at];
        } else if (rest[at] == '>') {
            break;
        }
    }
    if (at >= rest.size() || name.empty()) {
        message = Windows1252Text("index.xml ist kein lesbares XML (ein Element ist nicht abgeschlossen).");
        return false;
    }
    const bool empty = !closing && rest[at - 1] == '/';
    m_at += at + 1;
    return closing ? Close(name, message) : Open(name, empty, message);
}

bool CIndexScanner::Open(std::string_view name, bool empty, std::string& message)
{
    if (m_stack.size() >= kMaxDepth) {
        message = Windows1252Text("index.xml ist zu tief verschachtelt.");
        return false;
    }
    m_stack.emplace_back(name);
    m_texts.emplace_back();
    Begin(name);
    return empty ? Close(name, message) : true;
}

bool CIndexScanner::Close(std::string_view name, std::string& message)
{
    if (m_stack.empty() || m_stack.back() != name) {
        message = Windows1252Text("index.xml ist kein lesbares XML: </") + std::string(name) +
                  Windows1252Text("> passt nicht zum geöffneten Element.");
        return false;
    }
    const std::string text = std::move(m_texts.back());
    m_texts.pop_back();
    m_stack.pop_back();
    Element(name, text);
    return true;
}

void CIndexScanner::AppendCodePoint(unsigned long codePoint)
{
    const int byte = codePoint <= 0x10FFFF ? CodePointToWindows1252(static_cast<char32_t>(codePoint)) : -1;
    m_texts.back().push_back(byte < 0 ? '?' : static_cast<char>(byte));
}

void CIndexScanner::Text(std::string_view raw)
{
    if (m_texts.empty())
        return;
    const EEncoding encoding = m_utf8 ? EEncoding::Utf8 : EEncoding::Windows1252;
    while (!raw.empty()) {
        const std::size_t amp = raw.find('&');
        AppendWindows1252(raw.substr(0, amp), encoding, m_texts.back());
        if (amp == std::string_view::npos)
            return;
        raw.remove_prefix(amp);
        const std::size_t semicolon = raw.find(';');
        const std::string_view entity =
            raw.substr(1, semicolon == std::string_view::npos ? 0 : semicolon - 1);
        static constexpr std::pair<std::string_view, char> kNamed[] = {
            {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        bool known = false;
        for (const auto& [entityName, c] : kNamed)
            if (entity == entityName) {
                m_texts.back().push_back(c);
                known = true;
            }
        if (!known && entity.size() > 1 && entity[0] == '#') {
            const bool hex = entity[1] == 'x' || entity[1] == 'X';
            const std::string digits(entity.substr(hex ? 2 : 1, 8));
            AppendCodePoint(std::strtoul(digits.c_str(), nullptr, hex ? 16 : 10));
            known = true;
        }
        if (!known) {
            m_texts.back().push_back('&');
            raw.remove_prefix(1);
            continue;
        }
        raw.remove_prefix(semicolon + 1);
    }
}

void CIndexScanner::Begin(std::string_view name)
{
    if (name == "Table") {
        m_tables.emplace_back();
        return;
    }
    if (m_tables.empty() || Parent(1) != "Table")
        return;
    CGdpduTable& table = m_tables.back();
    if (name == "UTF8" || name == "ANSI" || name == "ISO8859") {
        table.Encoding = name == "UTF8" ? EEncoding::Utf8 : EEncoding::Windows1252;
        table.EncodingGiven = true;
    } else if (name == "UTF16" || name == "UTF7" || name == "Macintosh" || name == "OEM") {
        table.UnknownEncoding = std::string(name);
    } else if (name == "FixedLength") {
        m_fixedLength = true;
    }
}

void CIndexScanner::Element(std::string_view name, const std::string& text)
{
    if (m_tables.empty() || m_stack.empty())
        return;
    CGdpduTable& table = m_tables.back();
    const std::string_view parent = Parent(0);
    const auto symbol = [&text] { return text.empty() ? char(0) : text[0]; };
    if (parent == "Table") {
        if (name == "URL")
            table.Url = Trimmed(text);
        else if (name == "Name")
            table.Name = Trimmed(text);
        else if (name == "DecimalSymbol")
            table.DecimalSymbol = symbol();
        else if (name == "DigitGroupingSymbol")
            table.DigitGroupingSymbol = symbol();
    } else if (parent == "VariableLength") {
        if (name == "ColumnDelimiter")
            table.ColumnDelimiter = symbol();
        else if (name == "TextEncapsulator")
            table.TextEncapsulator = symbol();
    } else if (name == "Name" && (parent == "VariablePrimaryKey" || parent == "VariableColumn")) {
        table.Columns.push_back(Trimmed(text));
    } else if (name == "From" && parent == "Range" && Parent(1) == "Table") {
        const long from = std::strtol(Trimmed(text).c_str(), nullptr, 10);
        table.FirstRecord = from > 1 && from < 1000 ? static_cast<std::size_t>(from - 1) : 0;
    }
}

} // namespace

int CGdpduTable::Find(std::string_view column) const
{
    for (std::size_t i = 0; i < Columns.size(); ++i)
        if (EqualsNoCase(Columns[i], column))
            return static_cast<int>(i);
    return -1;
}

namespace GdpduIndex {

bool Parse(std::string_view xml, std::vector<CGdpduTable>& tables, std::string& message)
{
    tables.clear();
    xml.remove_prefix(RegisterText::ByteOrderMarkLength(xml));
    CIndexScanner scanner(xml, tables);
    if (!scanner.Run(message)) {
        tables.clear();
        return false;
    }
    std::erase_if(tables,
                  [](const CGdpduTable& table) { return table.Url.empty() || table.Columns.empty(); });
    if (tables.empty()) {
        message = Windows1252Text("index.xml beschreibt keine Tabelle.");
        return false;
    }
    return true;
}

const CGdpduTable* FindByFile(const std::vector<CGdpduTable>& tables, std::string_view file)
{
    for (const CGdpduTable& table : tables) {
        std::string_view url = table.Url;
        const std::size_t slash = url.find_last_of("/\\");
        if (slash != std::string_view::npos)
            url.remove_prefix(slash + 1);
        if (EqualsNoCase(url, file))
            return &table;
    }
    return nullptr;
}

} // namespace GdpduIndex
