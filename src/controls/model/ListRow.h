#pragma once

#include "controls/model/ListCell.h"

#include <cstdint>
#include <vector>

// One row of a list model: its id (unique in the list), the caller's data (the index or handle
// of the record it shows) and its cells, at most one per column.
class CListRow
{
public:
    CListRow(std::uint32_t id, std::uint32_t userData) : Id(id), UserData(userData) {}

    // Adds the cell, or replaces the row's cell of the same column. Cells set in column order
    // (as pages fill them) are appended; any other order costs a search and an insert.
    void SetCell(CListCell cell);
    // The cell of `column`, or none. O(1) when the row holds columns 0, 1, ... without gaps,
    // else a binary search.
    const CListCell* FindCell(int column) const;

    std::uint32_t Id;
    std::uint32_t UserData;
    // Ordered by column index.
    std::vector<CListCell> Cells;
};
