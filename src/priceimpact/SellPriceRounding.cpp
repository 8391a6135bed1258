#include "SellPriceRounding.h"

#include <cmath>

namespace {

// A price computed as 12,5 may come out as 12,500000000001; that is still 12,50.
constexpr double kCentTolerance = 1e-6;

} // namespace

namespace SellPriceRounding {

double Round(double price, ERounding rounding)
{
    if (!(price > 0.0))
        return 0.0;
    double cents = std::ceil(price * 100.0 - kCentTolerance);
    switch (rounding) {
    case Cents:
        break;
    case Tenths:
        cents = std::ceil(cents / 10.0) * 10.0;
        break;
    case Endings50And90: {
        const double euros = std::floor(cents / 100.0);
        const double rest = cents - euros * 100.0;
        cents = euros * 100.0 + (rest <= 50.0 ? 50.0 : rest <= 90.0 ? 90.0 : 150.0);
        break;
    }
    }
    return cents / 100.0;
}

} // namespace SellPriceRounding
