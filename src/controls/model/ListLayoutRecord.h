#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The remembered layout of a list as one binary value (little-endian): column count, sort
// state, then per column a visible flag (1 byte), width and display order (4 bytes each), so
// 9 * n + 8 bytes for n columns.
class CListLayoutRecord
{
public:
    struct CColumn
    {
        bool Visible = true;
        std::uint32_t Width = 0;
        std::uint32_t DisplayOrder = 0;
        bool operator==(const CColumn&) const = default;
    };

    std::vector<std::uint8_t> Encode() const;
    // The record in `bytes` when it fits a list of `columnCount` columns: the stored count
    // matches, the size is exactly 9 * n + 8, |sort state| <= n and the display orders are
    // 0 .. n - 1 each once. Nothing otherwise, so a stale or damaged record changes nothing.
    static std::optional<CListLayoutRecord> Decode(const std::vector<std::uint8_t>& bytes,
                                                   std::size_t columnCount);

    bool operator==(const CListLayoutRecord&) const = default;

    std::int32_t SortState = 0;
    std::vector<CColumn> Columns;

private:
    bool HasValidOrder() const;
};
