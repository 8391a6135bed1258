#pragma once

#include "xml/TarnXMLException.h"
#include "xml/TarnXMLNode.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CTarnXMLElementSink;

// A small XML (and section-based object text) document: the text is copied once, scanned once
// by a state machine, and described by fixed-size node records that point into it. Node
// records live in one address-space reservation committed page by page. Every failure throws
// CTarnXMLException; after one, only another Parse or destruction is safe.
class CTarnXMLDocument
{
public:
    enum EFormat { DetectFormat = 0, XmlFormat = 1, ObjectTextFormat = 2 };
    enum ECheckingMode { Lenient = 0, Strict = 2 };

    // Passed as `after` to AddNode: insert as first child.
    static CTarnXMLNode* const InsertFirst;

    // `maxNodes` bounds the node reservation; Parse raises it to what the text can hold (a node
    // takes at least two bytes of text), so every text that fits can be parsed. `maxDepth`
    // bounds the element nesting (deeper throws code 7).
    CTarnXMLDocument(uint32_t maxNodes, uint32_t maxDepth, int checkingMode = Strict);
    ~CTarnXMLDocument();
    CTarnXMLDocument(const CTarnXMLDocument&) = delete;
    CTarnXMLDocument& operator=(const CTarnXMLDocument&) = delete;

    // Lenient (0) or strict (any other value, normally 2).
    void SetCheckingMode(int mode);
    int GetCheckingMode() const;

    // Parses `length` bytes of `text` (0 = up to the terminating zero); a zero byte inside them
    // ends the text early. `format` 0 detects, 1 forces XML, 2 forces object text, anything else
    // throws code 2. With `useCallerBuffer` 0 the text is copied; otherwise the caller's buffer
    // is used in place (text[length] must be zero, else code 3), names and values point into it
    // and it must outlive the document. Texts of 4 GiB - 101 bytes or more are refused with
    // code 0, as is a single name or value of 2 GiB or more.
    void Parse(const char* text, size_t length = 0, int format = DetectFormat, int useCallerBuffer = 0);

    // XML texts only: from the next Parse on, `sink` (none = no sink) is told of every element
    // as it ends and may have it dropped from the tree. The tree then holds what the sink kept.
    void SetElementSink(CTarnXMLElementSink* sink);

    // First top-level node, or none while the document is empty.
    CTarnXMLNode* GetRoot() const;
    uint32_t GetNodeCount() const;
    // The format of the last Parse (1 or 2; 0 before one succeeded in detecting).
    int GetFormat() const;
    // The parsed text (the document's copy or the caller's buffer) and its length in bytes.
    const char* GetText() const;
    uint32_t GetTextLength() const;

    // Hands out the next node record and links it under `parent` (none = top level): `after`
    // none appends, InsertFirst inserts as first child, else the node goes directly after the
    // sibling `after`; when `after` is not a child of `parent` the result is none.
    CTarnXMLNode* AddNode(CTarnXMLNode* parent, CTarnXMLNode* after);

    // Strict mode: throws code 4 unless `node` is a live record of this document.
    void CheckNode(const CTarnXMLNode* node) const;

    // 1 + the number of line feeds in the text before `position`; -1 when `position` is not
    // within the text (its terminating zero included).
    int GetLineNumber(const char* position) const;

    // The node's value with "&amp;", "&lt;" and "&gt;" replaced; unchanged unless it needs decoding.
    static std::string DecodeValue(const CTarnXMLNode& node);
    // "&" -> "&amp;", "<" -> "&lt;", ">" -> "&gt;", in this order; quotes stay.
    static std::string EscapeXML(std::string_view text);
    // The same, appended to `escaped` (saves a string per value when building a whole file).
    static void EscapeXML(std::string_view text, std::string& escaped);

private:
    void Clear();
    void CopyText(const char* text, size_t length);
    void UseCallerText(const char* text, size_t length);
    CTarnXMLNode* LastChild(CTarnXMLNode* parent) const;

    struct CImpl;
    std::unique_ptr<CImpl> m_impl;
};
