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

    // Adds the cell, or replaces the row's cell of the same column.
    void SetCell(CListCell cell);
    // The cell of `column`, or none.
    const CListCell* FindCell(int column) const;

    std::uint32_t Id;
    std::uint32_t UserData;
    std::vector<CListCell> Cells;
};
