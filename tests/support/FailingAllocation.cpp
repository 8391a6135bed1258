#include "FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {
// Allocations still allowed before one fails (only that one); -1 = never fail.
int g_allocationsLeft = -1;
} // namespace

void FailingAllocation::FailAfter(int allowed)
{
    g_allocationsLeft = allowed;
}

void* operator new(std::size_t size)
{
    if (g_allocationsLeft == 0) {
        g_allocationsLeft = -1;
        throw std::bad_alloc();
    }
    if (g_allocationsLeft > 0)
        --g_allocationsLeft;
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}

// The standard library's temporary buffers come from here; they take what they get.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    return std::malloc(size ? size : 1);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}
