#include "TarnXMLObjectTextParser.h"

#include "TarnXMLCharTable.h"
#include "TarnXMLErrors.h"
#include "TarnXMLException.h"

#include <cstdio>
#include <cstring>

namespace {

// Section names in messages are cut to this many bytes.
constexpr std::size_t kSectionNameBytes = 255;
constexpr char kObjectPrefix[] = "OBJECT";
constexpr std::size_t kObjectPrefixLength = sizeof kObjectPrefix - 1;

// Reads decimal digits at `p` into `number`, saturating instead of wrapping.
char* ReadNumber(char* p, std::uint64_t& number)
{
    number = 0;
    for (; IsTarnXMLDigit(*p); ++p) {
        const std::uint64_t digit = static_cast<std::uint64_t>(*p - '0');
        number = number > (UINT64_MAX - digit) / 10 ? UINT64_MAX : number * 10 + digit;
    }
    return p;
}

bool IsObjectHeader(const char* name, const char* nameEnd)
{
    return static_cast<std::size_t>(nameEnd - name) > kObjectPrefixLength &&
           std::memcmp(name, kObjectPrefix, kObjectPrefixLength) == 0 &&
           IsTarnXMLDigit(name[kObjectPrefixLength]);
}

} // namespace

CTarnXMLObjectTextParser::CTarnXMLObjectTextParser(char* begin, char* end, bool strict,
                                                   CTarnXMLNodeStore& nodes)
    : m_begin(begin), m_end(end), m_strict(strict), m_nodes(nodes)
{}

void CTarnXMLObjectTextParser::Run()
{
    char* p = m_begin;
    while (IsTarnXMLSpace(*p))
        ++p;
    CTarnXMLNode* none = nullptr;
    m_top = NewNode(CTarnXMLNode::ObjectSection, nullptr, none, p, p);
    p = ReadAnnouncement(p);
    m_current = m_top;
    for (;;) {
        char* open = static_cast<char*>(std::memchr(p, '[', static_cast<std::size_t>(m_end - p)));
        SetValue(m_current, p, open != nullptr ? open : m_end);
        if (open == nullptr)
            break;
        p = ReadHeader(open);
    }
    if (m_strict && m_announced && m_announcedCount != m_objectCount)
        Fail(m_end, "Number of objects does not match the announced count.");
}

char* CTarnXMLObjectTextParser::ReadAnnouncement(char* p)
{
    if (*p != '@')
        return p;
    char* end = ReadNumber(p + 1, m_announcedCount);
    m_announced = true;
    m_multiObject = true;
    m_top->NameLength = TarnXMLTokenLength(p, end);
    return end;
}

// Reads the header whose "[" is at `open` and the section it opens; returns where its value starts.
char* CTarnXMLObjectTextParser::ReadHeader(char* open)
{
    char* name = open + 1;
    char* p = name;
    for (; *p != ']'; ++p) {
        if (*p == 0) {
            if (m_strict)
                Fail(p, "Last section not terminated.");
            break;
        }
        if (m_strict && !(IsTarnXMLLetter(*p) || IsTarnXMLDigit(*p))) {
            const std::size_t length = static_cast<std::size_t>(p - name) + 1;
            const std::string token = TarnXMLToken(name, length, kSectionNameBytes);
            ThrowTarnXMLSyntaxError(LineOf(p), "Invalid character in Section name: %s", token.c_str());
        }
    }
    if (IsObjectHeader(name, p))
        AddObjectSection(name, p);
    else
        AddSection(name, p);
    m_firstSection = false;
    return *p == ']' ? p + 1 : p;
}

void CTarnXMLObjectTextParser::AddObjectSection(char* name, char* nameEnd)
{
    if (m_firstSection && m_top->Value != nullptr && m_top->ValueLength == 0)
        m_multiObject = true;
    if (!m_multiObject && m_strict)
        Fail(name, "Object section not allowed in single object string.");
    std::uint64_t number = 0;
    char* digits = name + kObjectPrefixLength;
    ReadNumber(digits, number);
    if (m_strict && (number == 0 || number != m_objectCount + 1)) {
        char message[64];
        std::snprintf(message, sizeof message, "Invalid object number %llu.",
                      static_cast<unsigned long long>(number));
        Fail(digits, message);
    }
    ++m_objectCount;
    m_object = NewNode(CTarnXMLNode::ObjectSection, m_top, m_lastOfTop, name, nameEnd);
    m_lastOfObject = nullptr;
    m_current = m_object;
}

void CTarnXMLObjectTextParser::AddSection(char* name, char* nameEnd)
{
    if (m_object != nullptr)
        m_current = NewNode(CTarnXMLNode::Element, m_object, m_lastOfObject, name, nameEnd);
    else
        m_current = NewNode(CTarnXMLNode::Element, m_top, m_lastOfTop, name, nameEnd);
}

void CTarnXMLObjectTextParser::SetValue(CTarnXMLNode* node, char* start, char* end)
{
    start = SkipTarnXMLSpaces(start, end);
    end = TrimTarnXMLSpacesAtEnd(start, end);
    node->Value = start;
    node->ValueLength = TarnXMLTokenLength(start, end);
    const std::size_t length = static_cast<std::size_t>(end - start);
    if (std::memchr(start, 0x02, length) != nullptr || std::memchr(start, 0x03, length) != nullptr)
        node->NeedsDecoding = 1;
}

CTarnXMLNode* CTarnXMLObjectTextParser::NewNode(int kind, CTarnXMLNode* parent, CTarnXMLNode*& lastChild,
                                                char* name, char* nameEnd)
{
    CTarnXMLNode* node = m_nodes.NewRecord();
    node->Kind = kind;
    node->Name = name;
    node->NameLength = TarnXMLTokenLength(name, nameEnd);
    m_nodes.LinkLast(node, parent, lastChild);
    lastChild = node;
    return node;
}

void CTarnXMLObjectTextParser::Fail(const char* position, const char* message)
{
    ThrowTarnXMLSyntaxError(LineOf(position), "%s", message);
}

int CTarnXMLObjectTextParser::LineOf(const char* position) const
{
    return CountTarnXMLLines(m_begin, position);
}
