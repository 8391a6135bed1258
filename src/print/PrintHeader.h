#pragma once

#include <QString>

class CData;
struct CLocalTime;

// The four lines above the body of every printed page: the user's name, the company, the
// document's title and the date and time of printing.
struct CPrintHeader
{
    QString Name;
    QString Company;
    QString Title;
    QString DateTime;

    // From the master data, the title's string id and the time of printing, which is written
    // in the short date and time format of the user's locale.
    static CPrintHeader Make(const CData& data, int titleId, const CLocalTime& now);
};
