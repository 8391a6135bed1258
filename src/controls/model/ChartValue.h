#pragma once

// One bar of a chart group: the series it belongs to and its whole-number value.
class CChartValue
{
public:
    CChartValue() = default;
    CChartValue(int seriesIndex, int value) : SeriesIndex(seriesIndex), Value(value) {}

    // A double as chart values and axis bounds take it: truncated toward zero, saturated at the
    // 32-bit range, 0 for NaN.
    static int Truncate(double value);

    bool operator==(const CChartValue&) const = default;

    int SeriesIndex = 0;
    int Value = 0;
};
