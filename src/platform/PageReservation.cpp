#include "PageReservation.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// Rounds up to whole pages; false when that does not fit in size_t.
bool RoundUpToPages(std::size_t bytes, std::size_t& rounded)
{
    const std::size_t page = CPageReservation::PageSize();
    const std::size_t pages = bytes / page + (bytes % page != 0 ? 1 : 0);
    if (pages > static_cast<std::size_t>(-1) / page)
        return false;
    rounded = pages * page;
    return true;
}

#ifdef _WIN32
// Windows hands out reservations on 64 KiB boundaries; large pages are not used there.
void* ReserveRange(std::size_t bytes, std::size_t)
{
    return VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_TOP_DOWN, PAGE_READWRITE);
}

bool CommitRange(void* start, std::size_t bytes)
{
    return VirtualAlloc(start, bytes, MEM_COMMIT, PAGE_READWRITE) != nullptr;
}

void ReleaseRange(void* base, std::size_t)
{
    VirtualFree(base, 0, MEM_RELEASE);
}
#else
// Reserves `alignment` more and returns the unaligned head and the rest of the tail.
void* ReserveRange(std::size_t bytes, std::size_t alignment)
{
    const std::size_t extra = alignment > CPageReservation::PageSize() ? alignment : 0;
    if (bytes > static_cast<std::size_t>(-1) - extra)
        return nullptr;
    void* mapped =
        mmap(nullptr, bytes + extra, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    if (extra == 0)
        return mapped;
    char* begin = static_cast<char*>(mapped);
    char* aligned =
        reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(begin) + extra - 1) & ~(extra - 1));
    if (aligned != begin)
        munmap(begin, static_cast<std::size_t>(aligned - begin));
    const std::size_t tail = extra - static_cast<std::size_t>(aligned - begin);
    if (tail != 0)
        munmap(aligned + bytes, tail);
    return aligned;
}

// Fresh anonymous pages read as zero once they become accessible.
bool CommitRange(void* start, std::size_t bytes)
{
    return mprotect(start, bytes, PROT_READ | PROT_WRITE) == 0;
}

void ReleaseRange(void* base, std::size_t bytes)
{
    munmap(base, bytes);
}
#endif

} // namespace

CPageReservation::~CPageReservation()
{
    Release();
}

std::size_t CPageReservation::PageSize()
{
#ifdef _WIN32
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return info.dwPageSize;
#else
    static const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return page;
#endif
}

bool CPageReservation::Reserve(std::size_t bytes, std::size_t alignment)
{
    Release();
    std::size_t rounded = 0;
    if (!RoundUpToPages(bytes, rounded) || rounded == 0)
        return false;
    m_base = ReserveRange(rounded, alignment);
    if (m_base == nullptr)
        return false;
    m_reserved = rounded;
    return true;
}

bool CPageReservation::CommitUpTo(std::size_t bytes)
{
    std::size_t rounded = 0;
    if (!RoundUpToPages(bytes, rounded) || rounded > m_reserved)
        return false;
    if (rounded <= m_committed)
        return true;
    if (!CommitRange(static_cast<char*>(m_base) + m_committed, rounded - m_committed))
        return false;
    m_committed = rounded;
    return true;
}

void CPageReservation::Release()
{
    if (m_base != nullptr)
        ReleaseRange(m_base, m_reserved);
    m_base = nullptr;
    m_reserved = 0;
    m_committed = 0;
}
