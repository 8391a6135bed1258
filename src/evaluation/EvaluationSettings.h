#pragma once

#include "catalogue/Data.h"
#include "catalogue/DateTime.h"

#include <array>

// What the evaluation shows: the measure, monthly values or running totals,
// the prices frozen in the sales or the current ones, the date range (start inclusive; the
// end's month is the last month shown) and which series the chart draws, one flag per
// selector (0..19 the groups, then CData::SeriesAll, SeriesAllFood, SeriesAllDrinks).
class CEvaluationSettings
{
public:
    bool operator==(const CEvaluationSettings&) const = default;

    EMeasure Measure = EMeasure::NetRevenue;
    bool PerMonth = true;
    bool OriginalData = true;
    CDateTime Start;
    CDateTime End;
    std::array<bool, CData::NbSeries> SeriesFlags{};
};
