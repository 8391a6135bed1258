#include "SalesPeriods.h"

CSalesPeriods::CSalesPeriods(const CLocalTime& now) : m_now(CDateTime::FromLocalTime(now))
{
    CDateTime day(now.Year, now.Month, now.Day);
    if (now.Hour < kBusinessDayStartHour)
        day = day - CDateTimeSpan(1, 0, 0, 0);
    m_starts[static_cast<int>(EPeriod::Day)] = day;
    m_starts[static_cast<int>(EPeriod::Month)] = CDateTime(now.Year, now.Month, 1);
    m_starts[static_cast<int>(EPeriod::Year)] = CDateTime(now.Year, 1, 1);
}

const CDateTime& CSalesPeriods::Earliest() const
{
    const CDateTime& day = Start(EPeriod::Day);
    const CDateTime& year = Start(EPeriod::Year);
    return day.IsValid() && year.IsValid() && day < year ? day : year;
}
