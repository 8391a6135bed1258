#include "PrintHeader.h"

#include "catalogue/Data.h"
#include "platform/Clock.h"
#include "platform/qt/TextConversion.h"
#include "resources/StringTables.h"

#include <QDateTime>
#include <QLocale>

CPrintHeader CPrintHeader::Make(const CData& data, int titleId, const CLocalTime& now)
{
    CPrintHeader header;
    header.Name = ToQString(data.Firstname + " " + data.Lastname);
    header.Company = ToQString(data.Company);
    header.Title = ToQString(CStringTables::Load(titleId));
    const QDateTime time(QDate(now.Year, now.Month, now.Day), QTime(now.Hour, now.Minute, now.Second));
    header.DateTime = QLocale().toString(time, QLocale::ShortFormat);
    return header;
}
