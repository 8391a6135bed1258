#include "ListRow.h"

#include <algorithm>

void CListRow::SetCell(CListCell cell)
{
    auto it = std::find_if(Cells.begin(), Cells.end(),
                           [&cell](const CListCell& existing) { return existing.Column == cell.Column; });
    if (it != Cells.end())
        *it = std::move(cell);
    else
        Cells.push_back(std::move(cell));
}

const CListCell* CListRow::FindCell(int column) const
{
    for (const CListCell& cell : Cells) {
        if (cell.Column == column)
            return &cell;
    }
    return nullptr;
}
