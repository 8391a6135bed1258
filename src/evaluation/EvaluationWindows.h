#pragma once

#include "catalogue/DateTime.h"

#include <string>
#include <vector>

// The calendar months of an evaluation range and their date windows. Month i covers
// [cursor i, end i): month 0 begins at the start itself, every later month on the first of the
// month at 00:00, and each ends on the first of the following month. Only the years and months
// of start and end count, not the end's day. A range whose end month lies before its start
// month, or with a date that is not valid, has no months.
class CEvaluationWindows
{
public:
    CEvaluationWindows(const CDateTime& start, const CDateTime& end);

    // (end year - start year) * 12 - start month + end month + 1; 0 when a date is not valid.
    static int MonthCount(const CDateTime& start, const CDateTime& end);

    int GetCount() const { return static_cast<int>(m_ends.size()); }
    const CDateTime& GetStart() const { return m_start; }
    const CDateTime& GetCursor(int month) const { return month == 0 ? m_start : m_ends[month - 1]; }
    // Not valid after December 9999; such a window holds no sale.
    const CDateTime& GetEnd(int month) const { return m_ends[month]; }
    // The window of the month begins at its cursor for monthly values and at the start for
    // running totals.
    const CDateTime& GetWindowStart(int month, bool perMonth) const;
    // The months whose end is valid, the first ones.
    int GetValidCount() const { return m_validCount; }
    // The month whose window [cursor, end) holds `date`; -1 when none does.
    int FindMonth(const CDateTime& date) const;
    // The same, trying month `hint` first: sales mostly follow each other in date order.
    int FindMonth(const CDateTime& date, int hint) const;

    // "Jan." .. "Dez."; with more than 12 months the year follows ("Jan. 09").
    std::string GetTableLabel(int month) const;
    // The first letter and the year beyond 12 months ("J 09"); beyond 20 months only every
    // (count / 10)-th month is labelled.
    std::string GetChartLabel(int month) const;

private:
    std::string MonthName(int month) const;
    std::string YearSuffix(int month) const;

    CDateTime m_start;
    std::vector<CDateTime> m_ends;
    int m_validCount = 0;
};
