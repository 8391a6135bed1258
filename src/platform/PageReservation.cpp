#include "PageReservation.h"

#ifdef _WIN32
#include <windows.h>
#else
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
void* ReserveRange(std::size_t bytes)
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
void* ReserveRange(std::size_t bytes)
{
    void* base = mmap(nullptr, bytes, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return base == MAP_FAILED ? nullptr : base;
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

bool CPageReservation::Reserve(std::size_t bytes)
{
    Release();
    std::size_t rounded = 0;
    if (!RoundUpToPages(bytes, rounded) || rounded == 0)
        return false;
    m_base = ReserveRange(rounded);
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
