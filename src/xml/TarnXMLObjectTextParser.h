#pragma once

#include "TarnXMLNodeStore.h"

#include <cstdint>

// The section-based object text: "[Name]" headers, each followed by its value up to the next
// "[" (white space trimmed). A text may start with "@" and the number of objects it holds;
// headers "[OBJECTn]" open object sections that own the sections after them.
//
// Tree shape: the first record is a top-level node of kind ObjectSection that holds everything.
// Its name is the "@n" announcement (empty without one) and its value is the text before the
// first section. Plain sections are elements; before the first object section they are children
// of the top node, after it children of the latest object section. Object sections are children
// of the top node.
//
// Lenient mode takes a header's name up to its "]" whatever it holds, takes a header cut off by
// the end of the text as a section with the rest of the text as its name, and accepts every
// object number and count. A text whose count is only "@" announces 0 objects. The bytes 0x02 and
// 0x03 only mark the section; DecodeValue leaves them as they are.
class CTarnXMLObjectTextParser
{
public:
    // `begin`..`end` is the text; `*end` is its terminating zero.
    CTarnXMLObjectTextParser(char* begin, char* end, bool strict, CTarnXMLNodeStore& nodes);

    // Builds the tree; throws CTarnXMLException (code 6 with line).
    void Run();

    // True when the text began with "@" or with an object section.
    bool IsMultiObject() const { return m_multiObject; }

private:
    char* ReadAnnouncement(char* p);
    char* ReadHeader(char* open);
    void AddObjectSection(char* name, char* nameEnd);
    void AddSection(char* name, char* nameEnd);
    void SetValue(CTarnXMLNode* node, char* start, char* end);
    CTarnXMLNode* NewNode(int kind, CTarnXMLNode* parent, CTarnXMLNode*& lastChild, char* name,
                          char* nameEnd);
    [[noreturn]] void Fail(const char* position, const char* message);
    int LineOf(const char* position) const;

    char* m_begin;
    char* m_end;
    bool m_strict;
    CTarnXMLNodeStore& m_nodes;
    CTarnXMLNode* m_top = nullptr;
    CTarnXMLNode* m_lastOfTop = nullptr;
    CTarnXMLNode* m_object = nullptr;
    CTarnXMLNode* m_lastOfObject = nullptr;
    CTarnXMLNode* m_current = nullptr;
    bool m_multiObject = false;
    bool m_announced = false;
    bool m_firstSection = true;
    std::uint64_t m_announcedCount = 0;
    std::uint64_t m_objectCount = 0;
};
