#pragma once

#include "datafile/XmlNameCode.h"
#include "xml/TarnXMLNode.h"

#include <string>
#include <string_view>

// Read access to one node of a parsed data file. Elements are known by their name code; of the
// attributes only Index and Version carry meaning, so an element named Index and every other
// attribute count as unknown names. Values are decoded before use.
class CDataFileNode
{
public:
    explicit CDataFileNode(const CTarnXMLNode& node) : m_node(node) {}

    const CTarnXMLNode& Node() const { return m_node; }
    EXmlName Name() const;
    std::string_view RawName() const;
    bool IsElement() const { return m_node.Kind == CTarnXMLNode::Element; }

    std::string Text() const;
    double Double() const;
    int Int() const;
    // `parse` applied to the decoded value; only a value that needs decoding is copied.
    template <class Parse> auto ParseValue(Parse parse) const
    {
        return m_node.NeedsDecoding ? parse(std::string_view(Text())) : parse(RawValue());
    }
    // The value of the first attribute named Index, -1 without one.
    int IndexAttribute() const;

    template <class Visit> void ForEachChild(Visit visit) const
    {
        for (const CTarnXMLNode* child = m_node.FirstChild; child; child = child->Next)
            visit(CDataFileNode(*child));
    }

private:
    std::string_view RawValue() const;

    const CTarnXMLNode& m_node;
};
