#include "DateTime.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr double kSecondsPerDay = 86400.0;
// The day values just outside 1.1.100 (any time of that day is -657434.x) and 31.12.9999.
constexpr double kBeforeFirstDay = -657435.0;
constexpr double kAfterLastDay = 2958466.0;

long FloorDiv(long long value, long long divisor)
{
    long long quotient = value / divisor;
    if ((value % divisor != 0) && ((value < 0) != (divisor < 0)))
        --quotient;
    return static_cast<long>(quotient);
}

// Days since 1.1.1970 of a proleptic Gregorian date.
constexpr long DaysFromCivil(int year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const long yearOfEra = year - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long days, int& year, int& month, int& day)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long dayOfEra = days - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// A constant expression, so that values built during static initialisation elsewhere are right.
constexpr long kEpochDays = DaysFromCivil(1899, 12, 30);

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

bool InRange(double days)
{
    return std::isfinite(days) && days > kBeforeFirstDay && days < kAfterLastDay;
}

} // namespace

CDateTime::CDateTime(double days)
{
    if (InRange(days)) {
        m_value = days;
    } else {
        m_status = Invalid;
    }
}

CDateTime::CDateTime(int year, int month, int day, int hour, int minute, int second)
{
    const bool dateOk = year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
                        day <= DaysInMonth(year, month);
    const bool timeOk = hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    if (!dateOk || !timeOk) {
        m_status = Invalid;
        return;
    }
    const long dayNumber = DaysFromCivil(year, month, day) - kEpochDays;
    *this = FromSeconds(dayNumber * kSecondsPerDay + hour * 3600.0 + minute * 60.0 + second);
}

CDateTime CDateTime::FromLocalTime(const CLocalTime& time)
{
    return CDateTime(time.Year, time.Month, time.Day, time.Hour, time.Minute, time.Second);
}

CDateTime CDateTime::Now(const CClock& clock)
{
    return FromLocalTime(clock.LocalNow());
}

CDateTime CDateTime::MakeInvalid()
{
    CDateTime result;
    result.m_status = Invalid;
    return result;
}

CDateTime CDateTime::MakeNull()
{
    CDateTime result;
    result.m_status = Null;
    return result;
}

// Seconds since the epoch in chronological order: the day part counts toward zero, the time
// of day always forward from that day's midnight.
double CDateTime::ToSeconds() const
{
    const double days = std::trunc(m_value);
    const double fraction = std::fabs(m_value - days);
    return days * kSecondsPerDay + fraction * kSecondsPerDay;
}

CDateTime CDateTime::FromSeconds(double seconds)
{
    const double day = std::floor(seconds / kSecondsPerDay);
    const double fraction = (seconds - day * kSecondsPerDay) / kSecondsPerDay;
    return CDateTime(day >= 0 ? day + fraction : day - fraction);
}

bool CDateTime::Split(CParts& parts) const
{
    if (m_status != Valid)
        return false;
    const auto seconds = static_cast<long long>(std::llround(ToSeconds()));
    const long day = FloorDiv(seconds, 86400);
    const long secondOfDay = static_cast<long>(seconds - static_cast<long long>(day) * 86400);
    CivilFromDays(day + kEpochDays, parts.Year, parts.Month, parts.Day);
    parts.Hour = static_cast<int>(secondOfDay / 3600);
    parts.Minute = static_cast<int>(secondOfDay / 60 % 60);
    parts.Second = static_cast<int>(secondOfDay % 60);
    parts.DayOfWeek = static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
    return true;
}

int CDateTime::Component(int CParts::*member) const
{
    CParts parts{};
    return Split(parts) ? parts.*member : -1;
}

CDateTime::CDateAndTime CDateTime::GetDateAndTime() const
{
    CParts parts{};
    if (!Split(parts))
        return {-1, -1, -1, -1, -1};
    return {parts.Year, parts.Month, parts.Day, parts.Hour, parts.Minute};
}

bool CDateTime::operator==(const CDateTime& other) const
{
    if (m_status != other.m_status)
        return false;
    return m_status == Valid ? ToSeconds() == other.ToSeconds() : m_value == other.m_value;
}

std::partial_ordering CDateTime::operator<=>(const CDateTime& other) const
{
    if (m_status == Valid && other.m_status == Valid)
        return ToSeconds() <=> other.ToSeconds();
    if (m_status == other.m_status)
        return m_value <=> other.m_value;
    return std::partial_ordering::unordered;
}

CDateTime CDateTime::operator+(const CDateTimeSpan& span) const
{
    if (m_status != Valid || !std::isfinite(span.GetTotalDays()))
        return MakeInvalid();
    return FromSeconds(ToSeconds() + span.GetTotalSeconds());
}

CDateTime CDateTime::operator-(const CDateTimeSpan& span) const
{
    return *this + CDateTimeSpan(-span.GetTotalDays());
}

CDateTimeSpan CDateTime::operator-(const CDateTime& other) const
{
    return CDateTimeSpan((ToSeconds() - other.ToSeconds()) / kSecondsPerDay);
}

CDateTimeSpan::CDateTimeSpan(long days, int hours, int minutes, int seconds)
    : m_days(static_cast<double>(days) + (hours * 3600.0 + minutes * 60.0 + seconds) / kSecondsPerDay)
{}

std::string CDateTime::GetDayText() const
{
    const CDateAndTime parts = GetDateAndTime();
    char text[40];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", parts.Day, parts.Month, parts.Year);
    return text;
}
