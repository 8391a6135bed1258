#pragma once

#include "platform/Clock.h"

#include <compare>
#include <string>

class CDateTimeSpan;

// A point in time as the data file and the evaluation count it: days since 30 December 1899
// 00:00 as a double, the fraction being the time of day, plus a status. Dates before 1899 are
// negative with the time of day counted forward from midnight (-1.25 is 29.12.1899 06:00).
// Components read -1 unless the value is valid.
class CDateTime
{
public:
    enum EStatus { Valid, Invalid, Null };

    // 30.12.1899 00:00, valid.
    CDateTime() = default;
    // Valid when the days lie between 1.1.100 and 31.12.9999, else invalid with value 0.
    explicit CDateTime(double days);
    // From components; invalid (value 0) unless year 100..9999, month 1..12, day within the
    // month, hour 0..23, minute and second 0..59.
    CDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

    static CDateTime FromLocalTime(const CLocalTime& time);
    static CDateTime Now(const CClock& clock);
    static CDateTime MakeInvalid();
    static CDateTime MakeNull();

    EStatus GetStatus() const { return m_status; }
    bool IsValid() const { return m_status == Valid; }
    double GetValue() const { return m_value; }

    int GetYear() const { return Component(&CParts::Year); }
    int GetMonth() const { return Component(&CParts::Month); }
    int GetDay() const { return Component(&CParts::Day); }
    int GetHour() const { return Component(&CParts::Hour); }
    int GetMinute() const { return Component(&CParts::Minute); }
    int GetSecond() const { return Component(&CParts::Second); }
    // 1 = Sunday .. 7 = Saturday; -1 unless valid.
    int GetDayOfWeek() const { return Component(&CParts::DayOfWeek); }

    // Year, month, day, hour and minute from one conversion; each -1 unless valid.
    struct CDateAndTime
    {
        int Year, Month, Day, Hour, Minute;
    };
    CDateAndTime GetDateAndTime() const;
    // The day as German texts write it, "03.05.2026" (fields of an invalid date as -1).
    std::string GetDayText() const;

    // Ordered by the point in time; values of equal status and value are equal. Comparisons
    // are meaningful only between valid values.
    bool operator==(const CDateTime& other) const;
    std::partial_ordering operator<=>(const CDateTime& other) const;

    // Time arithmetic; the result is invalid when an operand is not valid or it leaves the
    // valid range.
    CDateTime operator+(const CDateTimeSpan& span) const;
    CDateTime operator-(const CDateTimeSpan& span) const;
    CDateTimeSpan operator-(const CDateTime& other) const;

private:
    struct CParts
    {
        int Year, Month, Day, Hour, Minute, Second, DayOfWeek;
    };
    bool Split(CParts& parts) const;
    // One component of the value, -1 unless it is valid.
    int Component(int CParts::*member) const;
    static CDateTime FromSeconds(double seconds);
    double ToSeconds() const;

    double m_value = 0.0;
    EStatus m_status = Valid;
};

// A length of time in days (the fraction being hours, minutes and seconds).
class CDateTimeSpan
{
public:
    CDateTimeSpan() = default;
    explicit CDateTimeSpan(double days) : m_days(days) {}
    CDateTimeSpan(long days, int hours, int minutes, int seconds);

    double GetTotalDays() const { return m_days; }
    double GetTotalSeconds() const { return m_days * 86400.0; }

    bool operator==(const CDateTimeSpan&) const = default;
    auto operator<=>(const CDateTimeSpan&) const = default;

private:
    double m_days = 0.0;
};
