#include "ListLayoutRecord.h"

#include <cstdlib>

namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kColumnSize = 9;

void Put(std::vector<std::uint8_t>& bytes, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t Get(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | bytes[offset + i];
    return value;
}

} // namespace

std::vector<std::uint8_t> CListLayoutRecord::Encode() const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kHeaderSize + kColumnSize * Columns.size());
    Put(bytes, static_cast<std::uint32_t>(Columns.size()));
    Put(bytes, static_cast<std::uint32_t>(SortState));
    for (const CColumn& column : Columns) {
        bytes.push_back(column.Visible ? 1 : 0);
        Put(bytes, column.Width);
        Put(bytes, column.DisplayOrder);
    }
    return bytes;
}

std::optional<CListLayoutRecord> CListLayoutRecord::Decode(const std::vector<std::uint8_t>& bytes,
                                                           std::size_t columnCount)
{
    if (bytes.size() < kHeaderSize || Get(bytes, 0) != columnCount ||
        bytes.size() != kHeaderSize + kColumnSize * columnCount)
        return std::nullopt;
    CListLayoutRecord record;
    record.SortState = static_cast<std::int32_t>(Get(bytes, 4));
    if (static_cast<std::size_t>(std::llabs(record.SortState)) > columnCount)
        return std::nullopt;
    for (std::size_t i = 0; i < columnCount; ++i) {
        const std::size_t offset = kHeaderSize + kColumnSize * i;
        record.Columns.push_back({bytes[offset] != 0, Get(bytes, offset + 1), Get(bytes, offset + 5)});
    }
    if (!record.HasValidOrder())
        return std::nullopt;
    return record;
}

bool CListLayoutRecord::HasValidOrder() const
{
    std::vector<bool> seen(Columns.size(), false);
    for (const CColumn& column : Columns) {
        if (column.DisplayOrder >= Columns.size() || seen[column.DisplayOrder])
            return false;
        seen[column.DisplayOrder] = true;
    }
    return true;
}
