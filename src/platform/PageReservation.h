#pragma once

#include <cstddef>

// A range of address space reserved once and committed page by page from its start. Committed
// pages are readable, writable and zero-filled when first committed; the rest of the range is
// inaccessible, so a stray access beyond the committed part faults instead of corrupting memory.
// Not copyable; the destructor releases the range.
class CPageReservation
{
public:
    CPageReservation() = default;
    ~CPageReservation();
    CPageReservation(const CPageReservation&) = delete;
    CPageReservation& operator=(const CPageReservation&) = delete;

    // Size of one page of the operating system in bytes.
    static std::size_t PageSize();

    // Releases any earlier range and reserves `bytes` (rounded up to whole pages) without
    // committing, starting at a multiple of `alignment` where the system allows it (a power of
    // two; 0 = any page). Returns false when the address space cannot be obtained.
    bool Reserve(std::size_t bytes, std::size_t alignment = 0);
    // Commits the pages that hold the first `bytes` bytes (rounded up to whole pages). Returns
    // false when that is beyond the reservation or the system refuses; what was committed stays.
    bool CommitUpTo(std::size_t bytes);
    // Returns every page to the system and forgets the range.
    void Release();

    void* Base() const { return m_base; }
    std::size_t ReservedBytes() const { return m_reserved; }
    std::size_t CommittedBytes() const { return m_committed; }

private:
    void* m_base = nullptr;
    std::size_t m_reserved = 0;
    std::size_t m_committed = 0;
};
