#include "CsvColumnMemory.h"

#include "datafile/TextDigest.h"
#include "platform/ProfileStore.h"

#include <cstdio>
#include <sstream>

namespace {

constexpr char kSection[] = "CsvColumns";

// The entry of a set of headings: a digest of the headings in order, so that the same
// journal layout finds its assignment however many layouts are stored.
std::string EntryOf(const std::vector<std::string>& headings)
{
    CTextDigest digest;
    for (const std::string& heading : headings) {
        digest.Add(heading);
        digest.Add("\x1F");
    }
    char entry[24];
    std::snprintf(entry, sizeof entry, "H%016llx", static_cast<unsigned long long>(digest.Hash()));
    return entry;
}

// The fields in a fixed order: date, time, item text, item number, quantity, price, group,
// heading flag.
constexpr int CCsvColumns::*kFields[] = {
    &CCsvColumns::Date,     &CCsvColumns::Time,  &CCsvColumns::ItemText, &CCsvColumns::ItemNumber,
    &CCsvColumns::Quantity, &CCsvColumns::Price, &CCsvColumns::Group};

} // namespace

CCsvColumnMemory::CCsvColumnMemory(CProfileStore& store) : m_store(store) {}

std::optional<CCsvColumns> CCsvColumnMemory::Recall(const std::vector<std::string>& headings) const
{
    const std::optional<std::string> value = m_store.GetString(kSection, EntryOf(headings));
    if (!value)
        return std::nullopt;
    std::istringstream in(*value);
    CCsvColumns columns;
    const int count = static_cast<int>(headings.size());
    for (int CCsvColumns::*field : kFields) {
        int column = 0;
        if (!(in >> column) || column < -1 || column >= count)
            return std::nullopt;
        columns.*field = column;
        in.ignore(1);
    }
    int heading = 0;
    if (!(in >> heading) || (heading != 0 && heading != 1))
        return std::nullopt;
    columns.HasHeading = heading == 1;
    return columns;
}

bool CCsvColumnMemory::Remember(const std::vector<std::string>& headings, const CCsvColumns& columns)
{
    std::string value;
    for (int CCsvColumns::*field : kFields)
        value += std::to_string(columns.*field) + ",";
    value += columns.HasHeading ? "1" : "0";
    return m_store.WriteString(kSection, EntryOf(headings), value);
}

CCsvColumns CCsvColumnMemory::Offer(const std::vector<std::string>& headings) const
{
    if (const std::optional<CCsvColumns> remembered = Recall(headings))
        return *remembered;
    return GuessCsvColumns(headings);
}
