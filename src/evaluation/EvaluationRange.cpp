#include "EvaluationRange.h"

namespace {

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month)
{
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

} // namespace

CDateTime CEvaluationRange::FirstOfMonth(const CDateTime& date)
{
    if (!date.IsValid())
        return CDateTime::MakeInvalid();
    return CDateTime(date.GetYear(), date.GetMonth(), 1);
}

// Counted from the month's own last day, so that December 9999 has one too.
CDateTime CEvaluationRange::LastSecondOfMonth(const CDateTime& date)
{
    if (!date.IsValid())
        return CDateTime::MakeInvalid();
    const int year = date.GetYear();
    const int month = date.GetMonth();
    return CDateTime(year, month, DaysInMonth(year, month), 23, 59, 59);
}

bool CEvaluationRange::PickStart(const CDateTime& picked)
{
    if (!picked.IsValid())
        return false;
    Start = FirstOfMonth(picked);
    if (!End.IsValid() || End <= Start)
        End = LastSecondOfMonth(Start);
    return true;
}

bool CEvaluationRange::PickEnd(const CDateTime& picked)
{
    if (!picked.IsValid())
        return false;
    End = LastSecondOfMonth(picked);
    if (!Start.IsValid() || End <= Start)
        Start = FirstOfMonth(End);
    return true;
}
