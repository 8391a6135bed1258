#pragma once

#include "catalogue/DateTime.h"
#include "platform/Clock.h"

#include <array>

// The day, month and year over which the sales page sums each dish's sales: each from its
// start (inclusive) up to the moment of the computation (exclusive), so that sales dated after
// today count nowhere. A business day runs until 05:00 the next morning: before five the day
// starts yesterday at 00:00, while month and year stay those of the calendar date.
class CSalesPeriods
{
public:
    enum class EPeriod { Day, Month, Year };
    static constexpr int kNbPeriods = 3;
    static constexpr int kBusinessDayStartHour = 5;

    explicit CSalesPeriods(const CLocalTime& now);

    const CDateTime& Start(EPeriod period) const { return m_starts[static_cast<int>(period)]; }
    const CDateTime& End() const { return m_now; }
    // The earliest of the three starts (the day's, on 1 January before five in the morning).
    const CDateTime& Earliest() const;

private:
    std::array<CDateTime, kNbPeriods> m_starts;
    CDateTime m_now;
};
