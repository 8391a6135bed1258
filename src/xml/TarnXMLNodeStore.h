#pragma once

#include "platform/PageReservation.h"
#include "xml/TarnXMLNode.h"

#include <cstddef>
#include <cstdint>

// The node records of one document and the root of their tree. Records live in one address
// range reserved for the maximum number of nodes and committed in steps of whole pages (at least ten
// records, whole pages, never beyond the maximum); they are handed out in order, zero-filled,
// and only freed all at once.
class CTarnXMLNodeStore
{
public:
    explicit CTarnXMLNodeStore(std::uint64_t maxNodes) : m_maximum(maxNodes) {}

    // Zero-fills the records handed out so far and empties the tree.
    void Clear();
    // Sets the maximum number of records. Only valid while the store is empty.
    void SetMaximum(std::uint64_t maxNodes);
    // The size of the text about to be parsed. From a large page of text on, records are
    // committed a large page at a time from the start: a text of markup needs about as many
    // bytes of records as of text, and one fault per large page is cheaper than one per page.
    void ExpectText(std::uint64_t bytes);

    // Hands out the next zero-filled record with InUse 1, linked nowhere. Throws code 0 when
    // the maximum is reached or memory cannot be committed.
    CTarnXMLNode* NewRecord()
    {
        if (m_count + 1 >= m_capacity)
            Grow(m_count + 1);
        CTarnXMLNode* node = m_base + m_count++;
        node->InUse = 1;
        return node;
    }

    // Links a fresh record under `parent` (none = top level) directly after `previous` (none =
    // as first child) and sets its parent and level.
    void Link(CTarnXMLNode* node, CTarnXMLNode* parent, CTarnXMLNode* previous);
    // Links a fresh record as the last child of `parent`, whose last child the caller knows.
    void LinkLast(CTarnXMLNode* node, CTarnXMLNode* parent, CTarnXMLNode* last)
    {
        node->Parent = parent;
        node->Level = parent != nullptr ? parent->Level + 1 : 0;
        node->Previous = last;
        if (last != nullptr)
            last->Next = node;
        else if (parent != nullptr)
            parent->FirstChild = node;
        else
            m_root = node;
    }

    // Unlinks `node`, the last child of its parent (or the last top-level node), and takes it
    // back with every record handed out after it, which must all lie in its subtree. The
    // records are zero-filled again and handed out anew.
    void ReleaseLastSubtree(CTarnXMLNode* node);

    // True when `node` points at a handed-out record of this store.
    bool IsLiveRecord(const CTarnXMLNode* node) const;

    CTarnXMLNode* Root() const { return m_root; }
    std::uint32_t Count() const { return static_cast<std::uint32_t>(m_count); }

private:
    void Grow(std::uint64_t records);
    void Reserve();

    CPageReservation m_pages;
    CTarnXMLNode* m_base = nullptr;
    CTarnXMLNode* m_root = nullptr;
    std::uint64_t m_count = 0;
    std::uint64_t m_capacity = 0;
    std::uint64_t m_maximum;
    bool m_largeSteps = false;
};
