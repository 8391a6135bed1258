#include "DataFileNode.h"

#include "datafile/DataFileNumber.h"
#include "xml/TarnXMLDocument.h"

EXmlName CDataFileNode::Name() const
{
    const EXmlName name = FindXmlName(RawName());
    if (m_node.Kind == CTarnXMLNode::Attribute)
        return name == EXmlName::Index || name == EXmlName::Version ? name : EXmlName::Unknown;
    return IsElement() && name != EXmlName::Index ? name : EXmlName::Unknown;
}

std::string_view CDataFileNode::RawName() const
{
    return m_node.Name ? std::string_view(m_node.Name, static_cast<std::size_t>(m_node.NameLength))
                       : std::string_view();
}

std::string CDataFileNode::Text() const
{
    return CTarnXMLDocument::DecodeValue(m_node);
}

double CDataFileNode::Double() const
{
    return ParseValue(ParseFileDouble);
}

int CDataFileNode::Int() const
{
    return ParseValue(ParseFileInt);
}

int CDataFileNode::IndexAttribute() const
{
    for (const CTarnXMLNode* child = m_node.FirstChild; child; child = child->Next) {
        const CDataFileNode node(*child);
        if (node.Name() == EXmlName::Index)
            return node.Int();
    }
    return -1;
}

std::string_view CDataFileNode::RawValue() const
{
    return m_node.Value ? std::string_view(m_node.Value, static_cast<std::size_t>(m_node.ValueLength))
                        : std::string_view();
}
