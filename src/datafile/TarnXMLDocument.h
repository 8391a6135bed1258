#pragma once

#include "datafile/TarnXMLException.h"
#include "datafile/TarnXMLNode.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CPageReservation;

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

    // `maxNodes` bounds the node reservation: Parse raises it so that every text can hold one
    // node per three bytes. `maxDepth` bounds the element nesting.
    CTarnXMLDocument(uint32_t maxNodes, uint32_t maxDepth, int checkingMode = Strict);
    ~CTarnXMLDocument();
    CTarnXMLDocument(const CTarnXMLDocument&) = delete;
    CTarnXMLDocument& operator=(const CTarnXMLDocument&) = delete;

    void SetCheckingMode(int mode);
    int GetCheckingMode() const;

    // Parses `length` bytes of `text` (0 = up to the terminating zero). `format` 0 detects,
    // 1 forces XML, 2 forces object text. With `useCallerBuffer` 0 the text is copied; otherwise
    // the caller's zero-terminated buffer is used in place and must outlive the document.
    // Texts of 4 GiB - 101 bytes or more are refused with code 0.
    void Parse(const char* text, size_t length = 0, int format = DetectFormat, int useCallerBuffer = 0);

    // First top-level node, or none while the document is empty.
    CTarnXMLNode* GetRoot() const;
    uint32_t GetNodeCount() const;

    // Hands out the next node record and links it under `parent` (none = top level): `after`
    // none appends, InsertFirst inserts as first child, else the node goes directly after the
    // sibling `after`; when `after` is not a child of `parent` the result is none.
    CTarnXMLNode* AddNode(CTarnXMLNode* parent, CTarnXMLNode* after);

    // Strict mode: throws code 4 unless `node` is a live record of this document.
    void CheckNode(const CTarnXMLNode* node) const;

    // 1 + the number of line feeds in the text before `position`.
    int GetLineNumber(const char* position) const;

    // The node's value with "&amp;", "&lt;" and "&gt;" replaced; unchanged unless it needs decoding.
    static std::string DecodeValue(const CTarnXMLNode& node);
    // "&" -> "&amp;", "<" -> "&lt;", ">" -> "&gt;", in this order; quotes stay.
    static std::string EscapeXML(std::string_view text);

private:
    struct CImpl;
    std::unique_ptr<CImpl> m_impl;
};
