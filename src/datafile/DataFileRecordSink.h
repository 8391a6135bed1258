#pragma once

#include "xml/TarnXMLElementSink.h"

#include <cstddef>
#include <utility>
#include <vector>

class CDataFileRecordReader;

// Reads the records of a data file while its text is parsed. Each Ingredient, Recipe and Sale
// element that stands in its section directly under a root element the reader reads is read
// and appended to the catalogue as soon as its end tag is read, and then dropped from the tree.
// The tree that is left (roots, sections, master data, anything unknown) is walked afterwards
// as before. The records are read in document order, the order of that walk, so their ids, the
// recipes the sales find and the order in the catalogue are the same; but a load needs the
// node records of one record at a time instead of those of the whole file.
class CDataFileRecordSink : public CTarnXMLElementSink
{
public:
    explicit CDataFileRecordSink(CDataFileRecordReader& records);

    bool OnElementEnd(const CTarnXMLNode& element) override;

    // How many children of `section` were read and dropped (refused records included).
    std::size_t DroppedChildren(const CTarnXMLNode& section) const;

private:
    // Whether `node` is a root the reader reads: an element named exactly Kostenkoch with no
    // such element above it (the walk does not look for roots inside a root).
    static bool IsReadRoot(const CTarnXMLNode& node);
    // Reads `element` (and appends it when accepted) if it is a record of `section`; false when
    // it is none.
    bool ReadRecord(const CTarnXMLNode& section, const CTarnXMLNode& element);
    void CountDropped(const CTarnXMLNode& section);

    CDataFileRecordReader& m_records;
    // The sections with dropped children, in the order they were first met.
    std::vector<std::pair<const CTarnXMLNode*, std::size_t>> m_dropped;
};
