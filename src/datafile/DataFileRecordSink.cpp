#include "DataFileRecordSink.h"

#include "datafile/DataFileNode.h"
#include "datafile/DataFileRecordReader.h"
#include "xml/TarnXMLNode.h"

#include <string_view>

namespace {

constexpr std::string_view kRootName = "Kostenkoch";

bool IsRootElement(const CTarnXMLNode& node)
{
    return node.Kind == CTarnXMLNode::Element && node.NameLength == static_cast<int>(kRootName.size()) &&
           std::string_view(node.Name, kRootName.size()) == kRootName;
}

} // namespace

CDataFileRecordSink::CDataFileRecordSink(CDataFileRecordReader& records) : m_records(records) {}

bool CDataFileRecordSink::IsReadRoot(const CTarnXMLNode& node)
{
    if (!IsRootElement(node))
        return false;
    for (const CTarnXMLNode* above = node.Parent; above != nullptr; above = above->Parent) {
        if (IsRootElement(*above))
            return false;
    }
    return true;
}

bool CDataFileRecordSink::OnElementEnd(const CTarnXMLNode& element)
{
    // Records stand two levels below their root: most elements that end are fields of a
    // record, and the name length of their grandparent rules them out at once.
    if (element.Level < 2)
        return false;
    const CTarnXMLNode& section = *element.Parent;
    if (!IsReadRoot(*section.Parent) || !ReadRecord(section, element))
        return false;
    CountDropped(section);
    return true;
}

bool CDataFileRecordSink::ReadRecord(const CTarnXMLNode& section, const CTarnXMLNode& element)
{
    const CDataFileNode node(element);
    switch (CDataFileNode(section).Name()) {
    case EXmlName::Ingredients:
        if (node.Name() != EXmlName::Ingredient)
            return false;
        m_records.AppendIngredient(node);
        return true;
    case EXmlName::Recipes:
        if (node.Name() != EXmlName::Recipe)
            return false;
        m_records.AppendRecipe(node);
        return true;
    case EXmlName::Sales:
        if (node.Name() != EXmlName::Sale)
            return false;
        m_records.AppendSale(node);
        return true;
    default:
        return false;
    }
}

void CDataFileRecordSink::CountDropped(const CTarnXMLNode& section)
{
    if (m_dropped.empty() || m_dropped.back().first != &section)
        m_dropped.emplace_back(&section, 0);
    ++m_dropped.back().second;
}

std::size_t CDataFileRecordSink::DroppedChildren(const CTarnXMLNode& section) const
{
    std::size_t dropped = 0;
    for (const auto& [node, count] : m_dropped) {
        if (node == &section)
            dropped += count;
    }
    return dropped;
}
