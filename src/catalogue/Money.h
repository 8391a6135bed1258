#pragma once

#include <cstdint>

// Money arithmetic shared by the price getters.
namespace Money {

// Whole cents of an amount, fractions of a cent cut off toward zero. Binary noise (below 1e-9
// cent for everyday amounts) is removed first, so 0.29 × 100 (28.999999999999996) counts as 29 cents.
// Saturates at the 64-bit range; NaN counts as 0.
std::int64_t TruncateToCents(double amount);

// a + b, held at the 64-bit range instead of wrapping.
std::int64_t AddSaturated(std::int64_t a, std::int64_t b);

} // namespace Money
