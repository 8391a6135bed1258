#include "Money.h"

#include <cmath>

namespace Money {

std::int64_t TruncateToCents(double amount)
{
    const double cents = amount * 100.0;
    if (std::isnan(cents))
        return 0;
    // Keep the rounding step well inside the 53-bit mantissa.
    const double magnitude = std::fabs(cents);
    const double scale = magnitude < 1e6 ? 1e9 : (magnitude < 1e9 ? 1e6 : 1.0);
    const double denoised = scale > 1.0 ? std::round(cents * scale) / scale : cents;
    const double whole = std::trunc(denoised);
    if (whole >= 9.2e18)
        return INT64_MAX;
    if (whole <= -9.2e18)
        return INT64_MIN;
    return static_cast<std::int64_t>(whole);
}

std::int64_t AddSaturated(std::int64_t a, std::int64_t b)
{
    if (b > 0 && a > INT64_MAX - b)
        return INT64_MAX;
    if (b < 0 && a < INT64_MIN - b)
        return INT64_MIN;
    return a + b;
}

} // namespace Money
