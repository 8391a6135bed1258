#pragma once

#include <cstddef>

// Asks the system to back the whole pages of [start, start + bytes) with large pages where it
// can (Linux: transparent huge pages). Only a hint for speed: filling a large buffer then takes
// one page fault per 2 MiB instead of one per 4 KiB. Does nothing for small ranges and on
// systems without the facility.
void AdviseLargePages(void* start, std::size_t bytes);

// The size of a large page where AdviseLargePages has an effect (2 MiB), else the page size.
std::size_t LargePageSize();
