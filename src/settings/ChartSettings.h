#pragma once

#include "catalogue/DateTime.h"
#include "catalogue/Measure.h"
#include "platform/Clock.h"

// What the evaluation page shows: the chart (0 in the profile) or the table (1).
enum class EChartDisplay { Chart = 0, Table = 1 };

// The evaluation page's settings that are kept between runs: display kind, measure, the
// per-month and original-data flags and the evaluated range. Dates that are not valid (null
// until the remembered values are read) stand for the default range.
struct CChartSettings
{
    EChartDisplay ShowActive = EChartDisplay::Chart;
    EMeasure ChartActive = EMeasure::CostRatio;
    bool ChartPerMonth = true;
    bool ChartOriginal = true;
    CDateTime Start = CDateTime::MakeNull(); // at 00:00:00
    CDateTime End = CDateTime::MakeNull();   // at 23:59:59

    // The same month and day one year before today at 00:00:00; 28 February for 29 February.
    static CDateTime DefaultStart(const CLocalTime& today)
    {
        const CDateTime start(today.Year - 1, today.Month, today.Day);
        if (!start.IsValid() && today.Month == 2 && today.Day == 29)
            return CDateTime(today.Year - 1, 2, 28);
        return start;
    }
    // Today at 23:59:59.
    static CDateTime DefaultEnd(const CLocalTime& today)
    {
        return CDateTime(today.Year, today.Month, today.Day, 23, 59, 59);
    }

    bool operator==(const CChartSettings&) const = default;
};
