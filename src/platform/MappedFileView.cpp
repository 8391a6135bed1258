#include "MappedFileView.h"

#ifdef _WIN32

std::unique_ptr<CMappedFileView> CMappedFileView::Map(int, std::uint64_t)
{
    return nullptr;
}

CMappedFileView::CMappedFileView(char* base, std::size_t length, std::size_t mapped, int slot)
    : m_base(base), m_length(length), m_mapped(mapped), m_slot(slot)
{}

CMappedFileView::~CMappedFileView() = default;

std::string_view CMappedFileView::Text() const
{
    return {m_base, m_length};
}

bool CMappedFileView::IsDamaged() const
{
    return false;
}

#else

#include <atomic>
#include <csignal>
#include <cstdint>
#include <mutex>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The address ranges of the live views. The bus error handler reads them without a lock, so
// each entry is claimed and released through atomics only.
struct CGuardedRange
{
    std::atomic<std::uintptr_t> Begin{0};
    std::atomic<std::uintptr_t> End{0};
    std::atomic<bool> Damaged{false};
    std::atomic<bool> InUse{false};
};

constexpr int kSlots = 16;
CGuardedRange g_ranges[kSlots];
struct sigaction g_previous = {};
std::uintptr_t g_pageSize = 4096;
std::once_flag g_installed;

// Puts a private page of zeros over the vanished page of a view and lets the read go on; a bus
// error anywhere else goes to the handler that was there before, or ends the program as it
// would have.
void OnBusError(int signal, siginfo_t* info, void* context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (CGuardedRange& range : g_ranges) {
        if (address >= range.Begin.load() && address < range.End.load()) {
            void* start = reinterpret_cast<void*>(address / g_pageSize * g_pageSize);
            if (mmap(start, g_pageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1,
                     0) != MAP_FAILED) {
                range.Damaged.store(true);
                return;
            }
        }
    }
    if ((g_previous.sa_flags & SA_SIGINFO) != 0 && g_previous.sa_sigaction != nullptr) {
        g_previous.sa_sigaction(signal, info, context);
    } else if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN) {
        g_previous.sa_handler(signal);
    } else {
        // Returning runs the faulting access again, which now ends the program.
        struct sigaction fallback = {};
        fallback.sa_handler = SIG_DFL;
        sigaction(SIGBUS, &fallback, nullptr);
    }
}

void InstallGuard()
{
    g_pageSize = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    struct sigaction action = {};
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO;
    sigemptyset(&action.sa_mask);
    sigaction(SIGBUS, &action, &g_previous);
}

int ClaimSlot(std::uintptr_t begin, std::uintptr_t end)
{
    std::call_once(g_installed, InstallGuard);
    for (int slot = 0; slot < kSlots; ++slot) {
        bool expected = false;
        if (g_ranges[slot].InUse.compare_exchange_strong(expected, true)) {
            g_ranges[slot].Damaged.store(false);
            g_ranges[slot].End.store(end);
            g_ranges[slot].Begin.store(begin);
            return slot;
        }
    }
    return -1;
}

void ReleaseSlot(int slot)
{
    g_ranges[slot].Begin.store(0);
    g_ranges[slot].End.store(0);
    g_ranges[slot].InUse.store(false);
}

} // namespace

// One range of whole pages: the file's pages over a reservation of zeros that reaches at least
// one byte beyond the file, so the byte after the text is zero whatever the file's length.
std::unique_ptr<CMappedFileView> CMappedFileView::Map(int handle, std::uint64_t length)
{
    const auto page = static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
    const std::uint64_t mapped = (length / page + 1) * page;
    if (mapped > SIZE_MAX / 2)
        return nullptr;
    void* base = mmap(nullptr, static_cast<std::size_t>(mapped), PROT_READ | PROT_WRITE,
                      MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (base == MAP_FAILED)
        return nullptr;
    if (length != 0 && mmap(base, static_cast<std::size_t>(length), PROT_READ | PROT_WRITE,
                            MAP_PRIVATE | MAP_FIXED, handle, 0) == MAP_FAILED) {
        munmap(base, static_cast<std::size_t>(mapped));
        return nullptr;
    }
    const auto begin = reinterpret_cast<std::uintptr_t>(base);
    const int slot = ClaimSlot(begin, begin + mapped);
    if (slot < 0) {
        munmap(base, static_cast<std::size_t>(mapped));
        return nullptr;
    }
    return std::unique_ptr<CMappedFileView>(new CMappedFileView(
        static_cast<char*>(base), static_cast<std::size_t>(length), static_cast<std::size_t>(mapped), slot));
}

CMappedFileView::CMappedFileView(char* base, std::size_t length, std::size_t mapped, int slot)
    : m_base(base), m_length(length), m_mapped(mapped), m_slot(slot)
{}

CMappedFileView::~CMappedFileView()
{
    ReleaseSlot(m_slot);
    munmap(m_base, m_mapped);
}

std::string_view CMappedFileView::Text() const
{
    return {m_base, m_length};
}

bool CMappedFileView::IsDamaged() const
{
    return g_ranges[m_slot].Damaged.load();
}

#endif
