#pragma once

#include "TarnXMLElementSink.h"
#include "TarnXMLNodeStore.h"
#include "TarnXMLStack.h"

#include <cstddef>
#include <cstdint>

// The XML scanner: one pass over the text in ten states, building the node tree in the store.
// Names and values point into the text. Strict mode compares end tags with start tags and
// refuses a byte between an attribute name and its "="; lenient mode does neither.
class CTarnXMLParser
{
public:
    // `begin`..`end` is the text; `*end` is its terminating zero. A `sink`, when given, is told
    // of every element as it ends and may have it dropped.
    CTarnXMLParser(char* begin, char* end, bool strict, std::uint64_t maxDepth, CTarnXMLNodeStore& nodes,
                   CTarnXMLElementSink* sink = nullptr);

    // Builds the tree; throws CTarnXMLException (code 6 with line for syntax, 7 for nesting).
    void Run();

private:
    enum EState : std::uint8_t {
        Outside = 0,       // between top-level elements
        SkipMarkup = 1,    // declaration, processing instruction, comment, DOCTYPE, stray end tag
        TagName = 2,       // start-tag name
        InTag = 3,         // inside a start tag, between attributes
        EndTagName = 4,    // after "</"
        Content = 5,       // element content
        CData = 6,         // inside "<![CDATA[" ... "]]>"
        AttrName = 7,      // attribute name
        AfterAttrName = 8, // between an attribute name and its "="
        AttrValue = 9,     // quoted attribute value
    };

    // An open element or attribute and the last child linked under it so far.
    struct COpen
    {
        CTarnXMLNode* Node;
        CTarnXMLNode* LastChild;
    };

    char* OnOutside(char* p);
    char* OnSkipMarkup(char* p);
    char* OnTagName(char* p);
    char* OnInTag(char* p);
    char* OnEndTagName(char* p);
    char* OnContent(char* p);
    char* OnCData(char* p);
    char* OnAttrName(char* p);
    char* OnAfterAttrName(char* p);
    char* OnAttrValue(char* p);

    void EnterSkipMarkup();
    CTarnXMLNode* OpenNode(int kind, char* nameStart, char* nameEnd);
    void CloseEndTag(char* nameStart, char* close);
    // Pops the open element and offers it to the sink.
    void CloseElement();
    // At the terminating zero: returns null when every element is closed, else throws.
    char* Finish(char* p);
    // Throws a syntax message whose "%s" is the token from `tokenStart` to `position`.
    [[noreturn]] void Fail(const char* position, const char* format, const char* tokenStart);
    int LineOf(const char* position) const;

    char* m_begin;
    char* m_end;
    bool m_strict;
    CTarnXMLNodeStore& m_nodes;
    CTarnXMLElementSink* m_sink;
    CTarnXMLStack<COpen> m_open;
    CTarnXMLStack<std::uint8_t> m_returns;
    CTarnXMLNode* m_lastTopLevel = nullptr;
    EState m_state = Outside;
    std::size_t m_brackets = 0;
    std::size_t m_rememberedBrackets = 0;
    char* m_tokenStart = nullptr;
    char* m_contentStart = nullptr;
    char m_quote = 0;
    bool m_emptyElement = false;
};
