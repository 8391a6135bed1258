#pragma once

// One node of a parsed document: an element, an attribute or an object-text section. Name and
// value point into the document's text and are not zero-terminated; the byte after each
// belongs to the surrounding markup and may be overwritten with a zero by a consumer.
struct CTarnXMLNode
{
    enum EKind { Element = 0, Attribute = 1, ObjectSection = 2 };

    int InUse;
    // 1 when the value holds "&" or a CDATA section (object text: the byte 0x02 or 0x03).
    int NeedsDecoding;
    int Kind;
    // 0 for top-level elements, 1 for their children and attributes, and so on.
    int Level;
    char* Name;
    int NameLength;
    char* Value;
    int ValueLength;
    CTarnXMLNode* Parent;
    CTarnXMLNode* Previous;
    CTarnXMLNode* Next;
    CTarnXMLNode* FirstChild;
};
