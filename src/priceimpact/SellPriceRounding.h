#pragma once

// How a new selling price is rounded before it is applied: always upward, so that the rounded
// price still holds the target ratio it was computed for.
namespace SellPriceRounding {

enum ERounding {
    // Up to the next whole cent.
    Cents,
    // Up to the next multiple of 0,10.
    Tenths,
    // Up to the next price ending in ,50 or ,90.
    Endings50And90,
};

// 0 for a price of 0 or less (there is nothing to charge).
double Round(double price, ERounding rounding);

} // namespace SellPriceRounding
