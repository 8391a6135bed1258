#pragma once

#include "catalogue/DateTime.h"

// The evaluated range as the page's two date pickers set it. A picked start becomes the first
// of its month at 00:00:00 and a picked end the last second of its month, so that picked
// ranges always cover whole months; when a pick leaves the end at or before the start, the
// other date moves to the picked month. Dates that are not valid are never produced from valid
// picks; a pick that is not valid changes nothing.
class CEvaluationRange
{
public:
    CEvaluationRange() = default;
    CEvaluationRange(const CDateTime& start, const CDateTime& end) : Start(start), End(end) {}

    // The first day of the date's month at 00:00:00; not valid when the date is not.
    static CDateTime FirstOfMonth(const CDateTime& date);
    // The last day of the date's month at 23:59:59; not valid when the date is not.
    static CDateTime LastSecondOfMonth(const CDateTime& date);

    // Start = first of the picked month; an end at or before it (or not valid) becomes the last
    // second of that month. False when the pick is not valid.
    bool PickStart(const CDateTime& picked);
    // End = last second of the picked month; a start at or after it (or not valid) becomes the
    // first of that month. False when the pick is not valid.
    bool PickEnd(const CDateTime& picked);

    bool operator==(const CEvaluationRange&) const = default;

    CDateTime Start;
    CDateTime End;
};
