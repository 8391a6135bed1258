#include "TarnXMLParser.h"

#include "TarnXMLCharTable.h"
#include "TarnXMLErrors.h"
#include "TarnXMLException.h"

#include <cstring>

namespace {

// Names in messages are cut to this many bytes.
constexpr std::size_t kTokenBytes = 127;

constexpr CTarnXMLCharTable kTagNameStops("> /\r\n\t<&?!");
constexpr CTarnXMLCharTable kAttrNameStops("= \r\n\t<>&/?!");
constexpr CTarnXMLCharTable kAttrValueStops("\"'&\n");
constexpr CTarnXMLCharTable kBrackets("<>");

// Stacks never need more entries than the text can open elements (two bytes each at least).
std::size_t StackCapacity(std::uint64_t limit, const char* begin, const char* end)
{
    const std::uint64_t bound = static_cast<std::uint64_t>(end - begin) / 2 + 2;
    return static_cast<std::size_t>(limit < bound ? limit : bound);
}

char* Find(char* p, char* end, char c)
{
    void* found = std::memchr(p, c, static_cast<std::size_t>(end - p));
    return found != nullptr ? static_cast<char*>(found) : end;
}

// The value of `node` becomes [start, end) with white space trimmed at both ends.
void SetTrimmedValue(CTarnXMLNode* node, char* start, char* end)
{
    start = SkipTarnXMLSpaces(start, end);
    node->Value = start;
    node->ValueLength = TarnXMLTokenLength(start, TrimTarnXMLSpacesAtEnd(start, end));
}

// "<![CDATA[" at `p`, compared byte by byte so that the terminating zero stops the look-ahead.
bool IsCDataStart(const char* p)
{
    static const char kOpen[] = "<![CDATA[";
    for (const char* q = kOpen; *q != 0; ++q, ++p) {
        if (*p != *q)
            return false;
    }
    return true;
}

} // namespace

CTarnXMLParser::CTarnXMLParser(char* begin, char* end, bool strict, std::uint64_t maxDepth,
                               CTarnXMLNodeStore& nodes, CTarnXMLElementSink* sink)
    : m_begin(begin), m_end(end), m_strict(strict), m_nodes(nodes), m_sink(sink),
      m_open(StackCapacity(maxDepth, begin, end)), m_returns(StackCapacity(maxDepth + 100, begin, end))
{}

void CTarnXMLParser::Run()
{
    char* p = m_begin;
    while (p != nullptr) {
        switch (m_state) {
        case Outside:
            p = OnOutside(p);
            break;
        case SkipMarkup:
            p = OnSkipMarkup(p);
            break;
        case TagName:
            p = OnTagName(p);
            break;
        case InTag:
            p = OnInTag(p);
            break;
        case EndTagName:
            p = OnEndTagName(p);
            break;
        case Content:
            p = OnContent(p);
            break;
        case CData:
            p = OnCData(p);
            break;
        case AttrName:
            p = OnAttrName(p);
            break;
        case AfterAttrName:
            p = OnAfterAttrName(p);
            break;
        case AttrValue:
            p = OnAttrValue(p);
            break;
        }
    }
}

char* CTarnXMLParser::OnOutside(char* p)
{
    char* open = Find(p, m_end, '<');
    if (open == m_end)
        return Finish(open);
    m_returns.Push(Outside);
    const char next = open[1];
    if (next == '?' || next == '!' || next == '/') {
        EnterSkipMarkup();
    } else {
        m_tokenStart = open + 1;
        m_state = TagName;
    }
    return open + 1;
}

char* CTarnXMLParser::OnSkipMarkup(char* p)
{
    for (;; ++p) {
        p = const_cast<char*>(kBrackets.Skip(p));
        if (*p == 0)
            return Finish(p);
        if (*p == '<') {
            ++m_brackets;
        } else if (--m_brackets == m_rememberedBrackets) {
            m_state = static_cast<EState>(m_returns.Pop());
            return p + 1;
        }
    }
}

char* CTarnXMLParser::OnTagName(char* p)
{
    p = const_cast<char*>(kTagNameStops.Skip(p));
    switch (*p) {
    case 0:
        return Finish(p);
    case '<':
    case '&':
    case '?':
    case '!':
        Fail(p, "Invalid character in tag name: %s", m_tokenStart);
    case '/':
        OpenNode(CTarnXMLNode::Element, m_tokenStart, p);
        m_emptyElement = true;
        m_state = InTag;
        break;
    case '>':
        OpenNode(CTarnXMLNode::Element, m_tokenStart, p);
        m_contentStart = p + 1;
        m_state = Content;
        break;
    default:
        OpenNode(CTarnXMLNode::Element, m_tokenStart, p);
        m_state = InTag;
        break;
    }
    return p + 1;
}

char* CTarnXMLParser::OnInTag(char* p)
{
    while (IsTarnXMLSpace(*p))
        ++p;
    if (*p == 0)
        return Finish(p);
    if (*p != '>') {
        m_tokenStart = p;
        m_state = AttrName;
    } else if (m_emptyElement) {
        m_emptyElement = false;
        CloseElement();
        m_state = static_cast<EState>(m_returns.Pop());
    } else {
        m_contentStart = p + 1;
        m_state = Content;
    }
    return p + 1;
}

char* CTarnXMLParser::OnEndTagName(char* p)
{
    char* close = Find(p, m_end, '>');
    if (close == m_end)
        return Finish(close);
    CloseEndTag(p, close);
    return close + 1;
}

char* CTarnXMLParser::OnContent(char* p)
{
    CTarnXMLNode* element = m_open.Top().Node;
    // Leading white space is skipped once, for the search and for the value.
    char* text = SkipTarnXMLSpaces(p, m_end);
    if (p == m_contentStart)
        m_contentStart = text;
    // Between tags the next tag usually follows the white space at once.
    char* open = text != m_end && *text == '<' ? text : Find(text, m_end, '<');
    if (element->NeedsDecoding == 0 && open != text &&
        std::memchr(text, '&', static_cast<std::size_t>(open - text)) != nullptr)
        element->NeedsDecoding = 1;
    if (open == m_end)
        return Finish(open);
    if (open[1] == '!' && IsCDataStart(open)) {
        element->NeedsDecoding = 1;
        m_returns.Push(Content);
        m_state = CData;
        return open + 9;
    }
    if (element->Value == nullptr)
        SetTrimmedValue(element, m_contentStart, open);
    const char next = open[1];
    if (next == '/') {
        m_state = EndTagName;
        return open + 2;
    }
    m_returns.Push(Content);
    if (next == '?' || next == '!') {
        EnterSkipMarkup();
    } else {
        m_tokenStart = open + 1;
        m_state = TagName;
    }
    return open + 1;
}

char* CTarnXMLParser::OnCData(char* p)
{
    for (;;) {
        char* bracket = Find(p, m_end, ']');
        if (bracket == m_end)
            return Finish(bracket);
        // bracket[1] is at most the terminating zero, and bracket[2] is read only after a "]".
        if (bracket[1] == ']' && bracket[2] == '>') {
            m_state = static_cast<EState>(m_returns.Pop());
            return bracket + 3;
        }
        p = bracket + 1;
    }
}

char* CTarnXMLParser::OnAttrName(char* p)
{
    p = const_cast<char*>(kAttrNameStops.Skip(p));
    if (*p == 0)
        return Finish(p);
    if (*p != '=' && !IsTarnXMLSpace(*p))
        Fail(p, "Invalid character in attribute name: %s", m_tokenStart);
    OpenNode(CTarnXMLNode::Attribute, m_tokenStart, p);
    if (*p == '=') {
        m_quote = 0;
        m_tokenStart = p + 1;
        m_state = AttrValue;
    } else {
        m_state = AfterAttrName;
    }
    return p + 1;
}

char* CTarnXMLParser::OnAfterAttrName(char* p)
{
    while (IsTarnXMLSpace(*p))
        ++p;
    if (*p == 0)
        return Finish(p);
    if (*p == '=') {
        m_quote = 0;
        m_tokenStart = p + 1;
        m_state = AttrValue;
    } else if (m_strict) {
        const CTarnXMLNode* attribute = m_open.Top().Node;
        const std::string name =
            TarnXMLToken(attribute->Name, static_cast<std::size_t>(attribute->NameLength), kTokenBytes);
        ThrowTarnXMLSyntaxError(LineOf(p), "Expecting equal behind attribute: %s", name.c_str());
    }
    return p + 1;
}

char* CTarnXMLParser::OnAttrValue(char* p)
{
    for (;; ++p) {
        p = const_cast<char*>(kAttrValueStops.Skip(p));
        switch (*p) {
        case 0:
            return Finish(p);
        case '\n':
            Fail(p, "Invalid line break in attribute data: %s", m_tokenStart);
        case '&':
            m_open.Top().Node->NeedsDecoding = 1;
            break;
        default:
            if (m_quote == 0) {
                m_quote = *p;
                m_tokenStart = p + 1;
            } else if (*p == m_quote) {
                SetTrimmedValue(m_open.Top().Node, m_tokenStart, p);
                m_open.Pop();
                m_state = InTag;
                return p + 1;
            }
            break;
        }
    }
}

void CTarnXMLParser::EnterSkipMarkup()
{
    m_rememberedBrackets = m_brackets;
    ++m_brackets;
    m_state = SkipMarkup;
}

CTarnXMLNode* CTarnXMLParser::OpenNode(int kind, char* nameStart, char* nameEnd)
{
    CTarnXMLNode* node = m_nodes.NewRecord();
    node->Kind = kind;
    node->Name = nameStart;
    node->NameLength = TarnXMLTokenLength(nameStart, nameEnd);
    if (m_open.Empty()) {
        m_nodes.LinkLast(node, nullptr, m_lastTopLevel);
        m_lastTopLevel = node;
    } else {
        COpen& parent = m_open.Top();
        m_nodes.LinkLast(node, parent.Node, parent.LastChild);
        parent.LastChild = node;
    }
    m_open.Push(COpen{node, nullptr});
    node->Level = static_cast<int>(m_open.TopIndex());
    return node;
}

void CTarnXMLParser::CloseEndTag(char* nameStart, char* close)
{
    const CTarnXMLNode* element = m_open.Top().Node;
    const std::size_t length = static_cast<std::size_t>(close - nameStart);
    // The start tag lies before the end tag, so its name plus `length` bytes stays in the text.
    if (m_strict && std::memcmp(element->Name, nameStart, length) != 0) {
        const std::string endName = TarnXMLToken(nameStart, length, kTokenBytes);
        const std::string startName =
            TarnXMLToken(element->Name, static_cast<std::size_t>(element->NameLength), kTokenBytes);
        ThrowTarnXMLSyntaxError(LineOf(close), "End tag \"%s\" does not match start tag \"%s\"",
                                endName.c_str(), startName.c_str());
    }
    CloseElement();
    m_state = static_cast<EState>(m_returns.Pop());
}

void CTarnXMLParser::CloseElement()
{
    CTarnXMLNode* element = m_open.Pop().Node;
    if (m_sink == nullptr || !m_sink->OnElementEnd(*element))
        return;
    // The element was the last node linked under its parent, and every record handed out
    // after it belongs to its subtree.
    CTarnXMLNode* previous = element->Previous;
    m_nodes.ReleaseLastSubtree(element);
    if (m_open.Empty())
        m_lastTopLevel = previous;
    else
        m_open.Top().LastChild = previous;
}

char* CTarnXMLParser::Finish(char* p)
{
    if (m_state != Outside || !m_open.Empty() || !m_returns.Empty())
        ThrowTarnXMLSyntaxError(LineOf(p), "End tags do not match start tags");
    return nullptr;
}

void CTarnXMLParser::Fail(const char* position, const char* format, const char* tokenStart)
{
    const std::size_t length = static_cast<std::size_t>(position - tokenStart) + 1;
    const std::string token = TarnXMLToken(tokenStart, length, kTokenBytes);
    ThrowTarnXMLSyntaxError(LineOf(position), format, token.c_str());
}

int CTarnXMLParser::LineOf(const char* position) const
{
    return CountTarnXMLLines(m_begin, position);
}
