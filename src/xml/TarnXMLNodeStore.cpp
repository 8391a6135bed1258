#include "TarnXMLNodeStore.h"

#include "TarnXMLErrors.h"
#include "TarnXMLException.h"
#include "platform/LargePages.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr std::uint64_t kRecordSize = sizeof(CTarnXMLNode);
constexpr std::uint64_t kMinimumRecords = 10;
// Records are committed in steps of whole pages, at least 64 KiB at a time: one commit call
// per 4 KiB page costs about a third of the parse time on large texts. Beyond the first large
// page the steps are whole large pages, so that the system can back them with large pages
// (one page fault per 2 MiB of records instead of one per 4 KiB).
constexpr std::uint64_t kMinimumCommitStep = 64 * 1024;

std::uint64_t CommitStep(std::uint64_t committed, bool largeSteps)
{
    const std::uint64_t page = CPageReservation::PageSize();
    const std::uint64_t large = LargePageSize();
    if (largeSteps || committed >= large)
        return large;
    return page >= kMinimumCommitStep ? page : (kMinimumCommitStep + page - 1) / page * page;
}

} // namespace

void CTarnXMLNodeStore::Clear()
{
    // Records are handed out in order, so everything beyond the count is still zero.
    if (m_count != 0)
        std::memset(m_base, 0, static_cast<std::size_t>(m_count * kRecordSize));
    m_count = 0;
    m_root = nullptr;
}

void CTarnXMLNodeStore::SetMaximum(std::uint64_t maxNodes)
{
    m_maximum = maxNodes;
    if (m_base != nullptr && maxNodes * kRecordSize > m_pages.ReservedBytes()) {
        m_pages.Release();
        m_base = nullptr;
    }
    m_capacity = std::min<std::uint64_t>(m_pages.CommittedBytes() / kRecordSize, m_maximum);
}

void CTarnXMLNodeStore::ExpectText(std::uint64_t bytes)
{
    m_largeSteps = bytes >= LargePageSize();
}

void CTarnXMLNodeStore::Reserve()
{
    const std::uint64_t bytes = m_maximum * kRecordSize;
    if (m_maximum == 0 || bytes > SIZE_MAX ||
        !m_pages.Reserve(static_cast<std::size_t>(bytes), LargePageSize()))
        ThrowTarnXMLError(CTarnXMLException::NoMemory);
    m_base = static_cast<CTarnXMLNode*>(m_pages.Base());
    AdviseLargePages(m_pages.Base(), m_pages.ReservedBytes());
}

void CTarnXMLNodeStore::Grow(std::uint64_t records)
{
    if (m_base == nullptr)
        Reserve();
    std::uint64_t wanted = records < kMinimumRecords ? kMinimumRecords : records;
    if (wanted > m_maximum)
        wanted = m_maximum;
    const std::uint64_t step = CommitStep(m_pages.CommittedBytes(), m_largeSteps);
    std::uint64_t bytes = (wanted * kRecordSize / step + 1) * step;
    if (bytes > m_pages.ReservedBytes())
        bytes = m_pages.ReservedBytes();
    if (bytes > m_pages.CommittedBytes() && !m_pages.CommitUpTo(static_cast<std::size_t>(bytes)))
        ThrowTarnXMLError(CTarnXMLException::NoMemory);
    // Whole pages may hold a few records more than the maximum; those are never handed out.
    m_capacity = std::min<std::uint64_t>(m_pages.CommittedBytes() / kRecordSize, m_maximum);
    if (m_count >= m_capacity)
        ThrowTarnXMLError(CTarnXMLException::NoMemory);
}

void CTarnXMLNodeStore::Link(CTarnXMLNode* node, CTarnXMLNode* parent, CTarnXMLNode* previous)
{
    node->Parent = parent;
    node->Level = parent != nullptr ? parent->Level + 1 : 0;
    node->Previous = previous;
    CTarnXMLNode*& slot = previous != nullptr ? previous->Next
                          : parent != nullptr ? parent->FirstChild
                                              : m_root;
    node->Next = slot;
    if (slot != nullptr)
        slot->Previous = node;
    slot = node;
}

void CTarnXMLNodeStore::ReleaseLastSubtree(CTarnXMLNode* node)
{
    CTarnXMLNode* previous = node->Previous;
    if (previous != nullptr)
        previous->Next = nullptr;
    else if (node->Parent != nullptr)
        node->Parent->FirstChild = nullptr;
    else
        m_root = nullptr;
    const auto first = static_cast<std::uint64_t>(node - m_base);
    std::memset(node, 0, static_cast<std::size_t>((m_count - first) * kRecordSize));
    m_count = first;
}

bool CTarnXMLNodeStore::IsLiveRecord(const CTarnXMLNode* node) const
{
    if (m_base == nullptr)
        return false;
    const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(m_base);
    const std::uintptr_t address = reinterpret_cast<std::uintptr_t>(node);
    if (address < base)
        return false;
    const std::uint64_t offset = address - base;
    if (offset % kRecordSize != 0 || offset + kRecordSize > m_pages.CommittedBytes())
        return false;
    return node->InUse != 0;
}
