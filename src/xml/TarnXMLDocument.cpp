#include "TarnXMLDocument.h"

#include "TarnXMLCharTable.h"
#include "TarnXMLErrors.h"
#include "TarnXMLNodeStore.h"
#include "TarnXMLObjectTextParser.h"
#include "TarnXMLParser.h"
#include "platform/PageReservation.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// Texts of 4 GiB - 101 bytes or more are refused: the copy with its 100 spare bytes and the
// terminating zero must stay addressable by 32-bit lengths.
constexpr std::uint64_t kLengthLimit = 0xFFFFFFFFull - 100;
// Every node takes at least two bytes of text of its own ("<" and the byte that ends its name,
// or "[" and "]"), so a text of n bytes never needs more than n / 2 + kSpareNodes records.
constexpr std::uint64_t kSpareNodes = 16;
constexpr std::size_t kMaxNameLengthInFormat = 49;

// "@" + digits + "[", or "[" + letter + letters/digits (1 to 49 in all) + "]".
bool LooksLikeObjectText(const char* p)
{
    if (*p == '@') {
        const char* digits = ++p;
        while (IsTarnXMLDigit(*p))
            ++p;
        return p != digits && *p == '[';
    }
    if (*p != '[' || !IsTarnXMLLetter(p[1]))
        return false;
    std::size_t length = 1;
    for (p += 2; IsTarnXMLLetter(*p) || IsTarnXMLDigit(*p); ++p)
        ++length;
    return length <= kMaxNameLengthInFormat && *p == ']';
}

// Compared byte by byte so that the terminating zero ends the comparison.
bool StartsWith(const char* p, const char* prefix)
{
    for (; *prefix != 0; ++p, ++prefix) {
        if (*p != *prefix)
            return false;
    }
    return true;
}

int DetectTextFormat(const char* p)
{
    while (IsTarnXMLSpace(*p))
        ++p;
    if (StartsWith(p, "<?xml"))
        return CTarnXMLDocument::XmlFormat;
    if (LooksLikeObjectText(p))
        return CTarnXMLDocument::ObjectTextFormat;
    ThrowTarnXMLError(CTarnXMLException::UnknownFormat);
}

struct CFreeDeleter
{
    void operator()(char* p) const { std::free(p); }
};

} // namespace

CTarnXMLNode* const CTarnXMLDocument::InsertFirst = reinterpret_cast<CTarnXMLNode*>(std::uintptr_t{1});

struct CTarnXMLDocument::CImpl
{
    CImpl(std::uint32_t maxNodes, std::uint32_t maxDepth, int mode)
        : Nodes(maxNodes), MaxNodes(maxNodes), MaxDepth(maxDepth), Mode(mode)
    {}

    CTarnXMLNodeStore Nodes;
    std::uint32_t MaxNodes;
    std::uint32_t MaxDepth;
    int Mode;
    int Format = DetectFormat;
    int MultiObject = 0;
    CTarnXMLElementSink* Sink = nullptr;
    std::unique_ptr<char, CFreeDeleter> OwnText;
    char* Text = nullptr;
    std::uint32_t TextLength = 0;
    // The node appended last by AddNode and its parent: appending there again starts from it.
    CTarnXMLNode* LastAppended = nullptr;
    CTarnXMLNode* LastAppendedParent = nullptr;
};

CTarnXMLDocument::CTarnXMLDocument(uint32_t maxNodes, uint32_t maxDepth, int checkingMode)
    : m_impl(std::make_unique<CImpl>(maxNodes, maxDepth, checkingMode))
{}

CTarnXMLDocument::~CTarnXMLDocument() = default;

void CTarnXMLDocument::SetCheckingMode(int mode)
{
    m_impl->Mode = mode;
}

int CTarnXMLDocument::GetCheckingMode() const
{
    return m_impl->Mode;
}

void CTarnXMLDocument::Parse(const char* text, size_t length, int format, int useCallerBuffer)
{
    Clear();
    if (text == nullptr)
        ThrowTarnXMLError(CTarnXMLException::UnreadableText);
    if (length == 0)
        length = std::strlen(text);
    if (length >= kLengthLimit)
        ThrowTarnXMLError(CTarnXMLException::NoMemory);
    if (format != DetectFormat && format != XmlFormat && format != ObjectTextFormat)
        ThrowTarnXMLError(CTarnXMLException::UnknownFormat);
    if (useCallerBuffer != 0)
        UseCallerText(text, length);
    else
        CopyText(text, length);

    char* begin = m_impl->Text;
    void* zero = std::memchr(begin, 0, length);
    char* end = zero != nullptr ? static_cast<char*>(zero) : begin + length;
    m_impl->Nodes.SetMaximum(std::max<std::uint64_t>(m_impl->MaxNodes, length / 2 + kSpareNodes));
    m_impl->Format = format == DetectFormat ? DetectTextFormat(begin) : format;
    const bool strict = m_impl->Mode != Lenient;
    CTarnXMLElementSink* sink = m_impl->Format == XmlFormat ? m_impl->Sink : nullptr;
    // With a sink that drops elements the records no longer grow with the text.
    m_impl->Nodes.ExpectText(sink == nullptr ? length : 0);
    if (m_impl->Format == XmlFormat) {
        CTarnXMLParser(begin, end, strict, m_impl->MaxDepth, m_impl->Nodes, sink).Run();
    } else {
        CTarnXMLObjectTextParser parser(begin, end, strict, m_impl->Nodes);
        parser.Run();
        m_impl->MultiObject = parser.IsMultiObject() ? 1 : 0;
    }
}

void CTarnXMLDocument::SetElementSink(CTarnXMLElementSink* sink)
{
    m_impl->Sink = sink;
}

void CTarnXMLDocument::Clear()
{
    m_impl->Nodes.Clear();
    m_impl->Format = DetectFormat;
    m_impl->MultiObject = 0;
    m_impl->OwnText.reset();
    m_impl->Text = nullptr;
    m_impl->TextLength = 0;
    m_impl->LastAppended = nullptr;
    m_impl->LastAppendedParent = nullptr;
}

void CTarnXMLDocument::CopyText(const char* text, size_t length)
{
    // One zero-filled allocation of whole pages with at least 100 spare bytes after the text.
    const std::uint64_t page = CPageReservation::PageSize();
    const std::uint64_t bytes = ((static_cast<std::uint64_t>(length) + 100) / page + 1) * page;
    char* copy = bytes <= SIZE_MAX ? static_cast<char*>(std::calloc(static_cast<size_t>(bytes), 1)) : nullptr;
    if (copy == nullptr)
        ThrowTarnXMLError(CTarnXMLException::NoMemory);
    std::memcpy(copy, text, length);
    m_impl->OwnText.reset(copy);
    m_impl->Text = copy;
    m_impl->TextLength = static_cast<std::uint32_t>(length);
}

void CTarnXMLDocument::UseCallerText(const char* text, size_t length)
{
    if (text[length] != 0)
        ThrowTarnXMLError(CTarnXMLException::UnreadableText);
    m_impl->Text = const_cast<char*>(text);
    m_impl->TextLength = static_cast<std::uint32_t>(length);
}

CTarnXMLNode* CTarnXMLDocument::GetRoot() const
{
    return m_impl->Nodes.Root();
}

uint32_t CTarnXMLDocument::GetNodeCount() const
{
    return m_impl->Nodes.Count();
}

int CTarnXMLDocument::GetFormat() const
{
    return m_impl->Format;
}

const char* CTarnXMLDocument::GetText() const
{
    return m_impl->Text;
}

uint32_t CTarnXMLDocument::GetTextLength() const
{
    return m_impl->TextLength;
}

CTarnXMLNode* CTarnXMLDocument::AddNode(CTarnXMLNode* parent, CTarnXMLNode* after)
{
    CTarnXMLNode* previous = nullptr;
    if (after == nullptr)
        previous = LastChild(parent);
    else if (after != InsertFirst && after->Parent != parent)
        return nullptr;
    else if (after != InsertFirst)
        previous = after;

    CTarnXMLNode* node = m_impl->Nodes.NewRecord();
    m_impl->Nodes.Link(node, parent, previous);
    m_impl->LastAppended = node;
    m_impl->LastAppendedParent = parent;
    return node;
}

CTarnXMLNode* CTarnXMLDocument::LastChild(CTarnXMLNode* parent) const
{
    CTarnXMLNode* last = m_impl->LastAppended != nullptr && m_impl->LastAppendedParent == parent
                             ? m_impl->LastAppended
                             : (parent != nullptr ? parent->FirstChild : m_impl->Nodes.Root());
    while (last != nullptr && last->Next != nullptr)
        last = last->Next;
    return last;
}

void CTarnXMLDocument::CheckNode(const CTarnXMLNode* node) const
{
    if (m_impl->Mode != Lenient && !m_impl->Nodes.IsLiveRecord(node))
        ThrowTarnXMLError(CTarnXMLException::InvalidNode);
}

int CTarnXMLDocument::GetLineNumber(const char* position) const
{
    const char* text = m_impl->Text;
    if (text == nullptr || position < text || position > text + m_impl->TextLength)
        return -1;
    return CountTarnXMLLines(text, position);
}

std::string CTarnXMLDocument::DecodeValue(const CTarnXMLNode& node)
{
    if (node.Value == nullptr || node.ValueLength <= 0)
        return std::string();
    const std::string_view value(node.Value, static_cast<size_t>(node.ValueLength));
    if (node.NeedsDecoding == 0)
        return std::string(value);

    static constexpr struct
    {
        std::string_view Reference;
        char Character;
    } kReferences[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}};
    std::string decoded;
    decoded.reserve(value.size());
    size_t done = 0;
    for (size_t amp = value.find('&'); amp != std::string_view::npos; amp = value.find('&', done)) {
        decoded.append(value, done, amp - done);
        done = amp + 1;
        decoded.push_back('&');
        for (const auto& reference : kReferences) {
            if (value.compare(amp, reference.Reference.size(), reference.Reference) == 0) {
                decoded.back() = reference.Character;
                done = amp + reference.Reference.size();
                break;
            }
        }
    }
    decoded.append(value, done);
    return decoded;
}

std::string CTarnXMLDocument::EscapeXML(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size() + text.size() / 8);
    EscapeXML(text, escaped);
    return escaped;
}

void CTarnXMLDocument::EscapeXML(std::string_view text, std::string& escaped)
{
    size_t done = 0;
    for (size_t special = text.find_first_of("&<>"); special != std::string_view::npos;
         special = text.find_first_of("&<>", done)) {
        escaped.append(text, done, special - done);
        escaped.append(text[special] == '&' ? "&amp;" : text[special] == '<' ? "&lt;" : "&gt;");
        done = special + 1;
    }
    escaped.append(text, done);
}
