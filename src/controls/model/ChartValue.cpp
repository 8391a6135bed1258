#include "ChartValue.h"

#include "catalogue/NumberText.h"

int CChartValue::Truncate(double value)
{
    return NumberText::TruncateToInt(value);
}
