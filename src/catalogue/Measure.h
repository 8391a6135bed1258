#pragma once

// What a sales evaluation adds up. The numbers are those the remembered settings and the
// command line use.
enum class EMeasure {
    NetRevenue = 0,
    GrossRevenue = 1,
    CostOfGoods = 2,
    CostRatio = 3,
    ContributionMargin = 4
};

inline constexpr int kNbMeasures = 5;

// The measure of a stored number; false for a number that names none.
inline bool MeasureFromIndex(int index, EMeasure& measure)
{
    if (index < 0 || index >= kNbMeasures)
        return false;
    measure = static_cast<EMeasure>(index);
    return true;
}
