#pragma once

#include "catalogue/DateTime.h"

// The evaluation page's settings that are kept between runs: display kind, measure, the
// per-month and original-data flags and the evaluated range.
struct CChartSettings
{
    int ShowActive = 0;    // 0 .. 1
    int ChartActive = 3;   // 0 .. 4
    int ChartPerMonth = 1; // 0 .. 1
    int ChartOriginal = 1; // 0 .. 1
    CDateTime Start;       // at 00:00:00
    CDateTime End;         // at 23:59:59

    bool operator==(const CChartSettings&) const = default;
};
