#include "EvaluationAxis.h"

#include "controls/model/ChartValue.h"

#include <cstdint>

namespace {

constexpr std::int64_t kLargestStep = 1000000000;

int Saturated(std::int64_t value)
{
    return CChartValue::Truncate(static_cast<double>(value));
}

} // namespace

void CEvaluationAxis::Include(double value)
{
    if (m_empty) {
        m_smallest = m_largest = value;
        m_empty = false;
        return;
    }
    if (value < m_smallest)
        m_smallest = value;
    if (value > m_largest)
        m_largest = value;
}

int CEvaluationAxis::GetStep() const
{
    const std::int64_t span =
        (static_cast<std::int64_t>(CChartValue::Truncate(m_largest)) - CChartValue::Truncate(m_smallest)) /
        10;
    if (span < 5)
        return 2;
    if (span < 25)
        return 10;
    if (span < 250)
        return 100;
    std::int64_t step = 1000;
    while (span * 10 >= 25 * step && step < kLargestStep)
        step *= 10;
    return static_cast<int>(step);
}

int CEvaluationAxis::GetMinimum() const
{
    const int step = GetStep();
    return CChartValue::Truncate(m_smallest) / step * step;
}

int CEvaluationAxis::GetMaximum() const
{
    const std::int64_t step = GetStep();
    return Saturated((CChartValue::Truncate(m_largest) / step + 1) * step);
}
