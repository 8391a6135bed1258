#include "ListRow.h"

#include <algorithm>

namespace {

bool ColumnBefore(const CListCell& cell, int column)
{
    return cell.Column < column;
}

} // namespace

void CListRow::SetCell(CListCell cell)
{
    if (Cells.empty() || Cells.back().Column < cell.Column) {
        Cells.push_back(std::move(cell));
        return;
    }
    auto it = std::lower_bound(Cells.begin(), Cells.end(), cell.Column, ColumnBefore);
    if (it != Cells.end() && it->Column == cell.Column)
        *it = std::move(cell);
    else
        Cells.insert(it, std::move(cell));
}

const CListCell* CListRow::FindCell(int column) const
{
    if (column >= 0 && static_cast<size_t>(column) < Cells.size() && Cells[column].Column == column)
        return &Cells[column];
    auto it = std::lower_bound(Cells.begin(), Cells.end(), column, ColumnBefore);
    return it != Cells.end() && it->Column == column ? &*it : nullptr;
}
