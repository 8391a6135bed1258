#pragma once

// Replaces the global allocator of the test program that links it (kk_failing_allocation, an
// object library, so that the replacement always takes effect), so that a chosen allocation
// fails as if memory had run out. Link it only into a program of its own.
namespace FailingAllocation {

// Lets `allowed` allocations succeed and makes the next one throw std::bad_alloc, once;
// -1: none fails.
void FailAfter(int allowed);

} // namespace FailingAllocation
