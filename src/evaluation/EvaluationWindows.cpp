#include "EvaluationWindows.h"

#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <algorithm>
#include <cstdio>

namespace {

CDateTime FirstOfNextMonth(int year, int month)
{
    return month == 12 ? CDateTime(year + 1, 1, 1) : CDateTime(year, month + 1, 1);
}

} // namespace

CEvaluationWindows::CEvaluationWindows(const CDateTime& start, const CDateTime& end) : m_start(start)
{
    const int count = MonthCount(start, end);
    m_ends.reserve(std::max(count, 0));
    int year = start.GetYear();
    int month = start.GetMonth();
    for (int i = 0; i < count; ++i) {
        m_ends.push_back(FirstOfNextMonth(year, month));
        year += month / 12;
        month = month % 12 + 1;
    }
    m_validCount = static_cast<int>(
        std::find_if(m_ends.begin(), m_ends.end(), [](const CDateTime& end) { return !end.IsValid(); }) -
        m_ends.begin());
}

int CEvaluationWindows::MonthCount(const CDateTime& start, const CDateTime& end)
{
    if (!start.IsValid() || !end.IsValid())
        return 0;
    return (end.GetYear() - start.GetYear()) * 12 - start.GetMonth() + end.GetMonth() + 1;
}

const CDateTime& CEvaluationWindows::GetWindowStart(int month, bool perMonth) const
{
    return perMonth ? GetCursor(month) : m_start;
}

int CEvaluationWindows::FindMonth(const CDateTime& date) const
{
    if (m_validCount == 0 || !date.IsValid() || !(m_start <= date))
        return -1;
    const auto end = m_ends.begin() + m_validCount;
    const auto it = std::upper_bound(m_ends.begin(), end, date);
    return it == end ? -1 : static_cast<int>(it - m_ends.begin());
}

int CEvaluationWindows::FindMonth(const CDateTime& date, int hint) const
{
    const bool inHint =
        hint >= 0 && hint < m_validCount && date.IsValid() && GetCursor(hint) <= date && date < m_ends[hint];
    return inHint ? hint : FindMonth(date);
}

std::string CEvaluationWindows::MonthName(int month) const
{
    const int calendarMonth = GetCursor(month).GetMonth();
    if (calendarMonth < 1 || calendarMonth > 12)
        return {};
    return CStringTables::Load(StringId::kFirstMonthName + calendarMonth - 1);
}

std::string CEvaluationWindows::YearSuffix(int month) const
{
    if (GetCount() <= 12)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, " %02d", GetCursor(month).GetYear() % 100);
    return text;
}

std::string CEvaluationWindows::GetTableLabel(int month) const
{
    return MonthName(month) + YearSuffix(month);
}

std::string CEvaluationWindows::GetChartLabel(int month) const
{
    const int count = GetCount();
    if (count > 20 && month % (count / 10) != 0)
        return {};
    const std::string name = MonthName(month);
    return count > 12 ? name.substr(0, 1) + YearSuffix(month) : name;
}
