#include "LargePages.h"

#include "PageReservation.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace {

constexpr std::size_t kLargePage = 2 * 1024 * 1024;

} // namespace

void AdviseLargePages(void* start, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes < kLargePage)
        return;
    const std::uintptr_t page = CPageReservation::PageSize();
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(start) + page - 1) / page * page;
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(start) + bytes) / page * page;
    if (end > begin)
        madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)start;
    (void)bytes;
#endif
}

std::size_t LargePageSize()
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    return kLargePage;
#else
    return CPageReservation::PageSize();
#endif
}
