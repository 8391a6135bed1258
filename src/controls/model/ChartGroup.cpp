#include "ChartGroup.h"

int CChartGroup::GetValue(int seriesIndex) const
{
    for (const CChartValue& value : m_values) {
        if (value.SeriesIndex == seriesIndex)
            return value.Value;
    }
    return 0;
}
