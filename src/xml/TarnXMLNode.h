#pragma once

// One node of a parsed document: an element, an attribute or an object-text section. Name and
// value point into the document's text and are not zero-terminated; the byte after each
// belongs to the surrounding markup and may be overwritten with a zero by a consumer.
// The 32-bit fields come first so that the record has no padding on 64-bit systems.
struct CTarnXMLNode
{
    enum EKind { Element = 0, Attribute = 1, ObjectSection = 2 };

    // 1 for every record handed out by the document.
    int InUse;
    // 1 when the value holds "&" or a CDATA section (object text: the byte 0x02 or 0x03).
    int NeedsDecoding;
    int Kind;
    // 0 for top-level elements, 1 for their children and attributes, and so on.
    int Level;
    int NameLength;
    // 0 while Value is null.
    int ValueLength;
    char* Name;
    // Null until the parser sets it; may be set to an empty value.
    char* Value;
    CTarnXMLNode* Parent;
    CTarnXMLNode* Previous;
    CTarnXMLNode* Next;
    CTarnXMLNode* FirstChild;
};
