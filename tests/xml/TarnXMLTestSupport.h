#pragma once

#include "xml/TarnXMLDocument.h"

#include <gtest/gtest.h>
#include <span>
#include <string>

// Shared helpers of the XML document library tests.

inline std::string NodeName(const CTarnXMLNode& node)
{
    return node.Name != nullptr ? std::string(node.Name, static_cast<size_t>(node.NameLength))
                                : std::string();
}

// A compact picture of a tree: name ("@" before attributes, "#" before object sections), the
// value in brackets when set, "*" when it needs decoding, children in braces, siblings by ",".
inline std::string DumpTree(const CTarnXMLNode* node)
{
    std::string out;
    for (; node != nullptr; node = node->Next) {
        if (!out.empty())
            out += ',';
        out += node->Kind == CTarnXMLNode::Attribute       ? "@"
               : node->Kind == CTarnXMLNode::ObjectSection ? "#"
                                                           : "";
        out += NodeName(*node);
        if (node->Value != nullptr)
            out += "[" + std::string(node->Value, static_cast<size_t>(node->ValueLength)) + "]";
        if (node->NeedsDecoding)
            out += "*";
        if (node->FirstChild != nullptr)
            out += "{" + DumpTree(node->FirstChild) + "}";
    }
    return out;
}

// Every link agrees with its counterpart, every level is its parent's + 1, every record is live.
inline void ExpectConsistentTree(const CTarnXMLDocument& document, const CTarnXMLNode* first,
                                 const CTarnXMLNode* parent = nullptr)
{
    const CTarnXMLNode* previous = nullptr;
    for (const CTarnXMLNode* node = first; node != nullptr; node = node->Next) {
        ASSERT_NO_THROW(document.CheckNode(node));
        ASSERT_EQ(node->InUse, 1);
        ASSERT_EQ(node->Parent, parent);
        ASSERT_EQ(node->Previous, previous);
        ASSERT_EQ(node->Level, parent != nullptr ? parent->Level + 1 : 0);
        ExpectConsistentTree(document, node->FirstChild, node);
        previous = node;
    }
}

// The exception a parse throws, or one with code -1 when it succeeds.
inline CTarnXMLException ParseError(CTarnXMLDocument& document, const std::string& text, int format)
{
    try {
        document.Parse(text.c_str(), text.size(), format, 1);
    } catch (const CTarnXMLException& error) {
        return error;
    }
    CTarnXMLException none;
    none.Code = -1;
    return none;
}

struct CTreeCase
{
    const char* Name;
    std::string Text;
    const char* Tree;
};

// Each text parses in strict and in lenient mode to the tree DumpTree shows as `Tree`.
inline void ExpectTreesInBothModes(std::span<const CTreeCase> cases, int format)
{
    for (const CTreeCase& c : cases) {
        for (int mode :
             {static_cast<int>(CTarnXMLDocument::Strict), static_cast<int>(CTarnXMLDocument::Lenient)}) {
            SCOPED_TRACE(std::string(c.Name) + (mode == CTarnXMLDocument::Strict ? " strict" : " lenient"));
            CTarnXMLDocument document(100, 100, mode);
            const CTarnXMLException error = ParseError(document, c.Text, format);
            ASSERT_EQ(error.Code, -1) << error.Message;
            EXPECT_EQ(DumpTree(document.GetRoot()), c.Tree);
            ExpectConsistentTree(document, document.GetRoot());
        }
    }
}
