#include "DataFileDateTime.h"

#include "datafile/DataFileNumber.h"

namespace {

// The characters [begin, begin + length) of `text`, as far as it reaches.
int PartAt(std::string_view text, std::size_t begin, std::size_t length)
{
    return begin < text.size() ? ParseFileInt(text.substr(begin, length)) : 0;
}

} // namespace

void AppendSaleDateTime(std::string& out, const CDateTime& dateTime)
{
    const CDateTime::CDateAndTime parts = dateTime.GetDateAndTime();
    AppendPaddedInt(out, parts.Year, 4);
    out += '.';
    AppendPaddedInt(out, parts.Month, 2);
    out += '.';
    AppendPaddedInt(out, parts.Day, 2);
    out += ' ';
    AppendPaddedInt(out, parts.Hour, 2);
    out += ':';
    AppendPaddedInt(out, parts.Minute, 2);
}

CDateTime ParseSaleDateTime(std::string_view text)
{
    return CDateTime(PartAt(text, 0, 4), PartAt(text, 5, 2), PartAt(text, 8, 2), PartAt(text, 11, 2),
                     PartAt(text, 14, 2), 0);
}
