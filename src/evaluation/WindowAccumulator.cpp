#include "WindowAccumulator.h"

#include <iterator>

CWindowAccumulator::CWindowAccumulator(int monthCount, bool runningTotals)
    : m_running(runningTotals), m_months(monthCount > 0 ? monthCount : 0)
{
    if (m_running && monthCount > 0)
        m_runStarts.insert(0);
}

void CWindowAccumulator::Add(int month, std::span<const unsigned> selectors,
                             const CSalesSums::CPrices& prices, double portions)
{
    if (!m_running) {
        for (unsigned selector : selectors)
            m_months[month][selector].Add(prices, portions);
        return;
    }
    for (auto run = SplitAt(month); run != m_runStarts.end(); ++run) {
        for (unsigned selector : selectors)
            m_months[*run][selector].Add(prices, portions);
    }
}

const CSalesSums& CWindowAccumulator::Get(int month, unsigned selector) const
{
    return m_months[m_running ? RunOf(month) : month][selector];
}

int CWindowAccumulator::RunOf(int month) const
{
    return *std::prev(m_runStarts.upper_bound(month));
}

std::set<int>::iterator CWindowAccumulator::SplitAt(int month)
{
    auto next = m_runStarts.lower_bound(month);
    if (next != m_runStarts.end() && *next == month)
        return next;
    m_months[month] = m_months[*std::prev(next)];
    return m_runStarts.insert(next, month);
}
