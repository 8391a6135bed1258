#include "DataFileDateTime.h"

#include "datafile/DataFileNumber.h"

namespace {

// The characters [begin, begin + length) of `text`, as far as it reaches.
int PartAt(std::string_view text, std::size_t begin, std::size_t length)
{
    return begin < text.size() ? ParseFileInt(text.substr(begin, length)) : 0;
}

} // namespace

char* PutSaleDateTime(char* out, const CDateTime& dateTime)
{
    const CDateTime::CDateAndTime parts = dateTime.GetDateAndTime();
    out = PutPaddedInt(out, parts.Year, 4);
    *out++ = '.';
    out = PutPaddedInt(out, parts.Month, 2);
    *out++ = '.';
    out = PutPaddedInt(out, parts.Day, 2);
    *out++ = ' ';
    out = PutPaddedInt(out, parts.Hour, 2);
    *out++ = ':';
    return PutPaddedInt(out, parts.Minute, 2);
}

void AppendSaleDateTime(std::string& out, const CDateTime& dateTime)
{
    char buffer[kMaxSaleDateTime];
    out.append(buffer, PutSaleDateTime(buffer, dateTime));
}

CDateTime ParseSaleDateTime(std::string_view text)
{
    return CDateTime(PartAt(text, 0, 4), PartAt(text, 5, 2), PartAt(text, 8, 2), PartAt(text, 11, 2),
                     PartAt(text, 14, 2), 0);
}
