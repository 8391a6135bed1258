#include "ListCtrlData.h"

#include "platform/ProfileStore.h"
#include "resources/StringTables.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <string_view>
#include <utility>

namespace {

// Cells a new row makes room for at once: one per column for the usual tables, not thousands
// for a wide evaluation.
constexpr size_t kReservedCells = 32;

int ToWidth(std::uint32_t stored)
{
    return static_cast<int>(std::min<std::uint32_t>(stored, INT_MAX));
}

bool IndexBefore(const CListColumn& column, int index)
{
    return column.Index < index;
}

} // namespace

void CListCtrlData::Reset()
{
    DeleteAllRows();
    m_columns.clear();
    m_columnIndexById.clear();
    m_shownColumnsValid = false;
    m_sortState = 0;
}

void CListCtrlData::DeleteAllRows()
{
    m_items.clear();
    m_rows.clear();
}

int CListCtrlData::InsertColumn(int index, const std::string& header, EColumnFormat format, int width)
{
    auto position = m_columns.end();
    if (index < 0)
        return -1;
    if (!m_columns.empty() && m_columns.back().Index >= index) {
        position = std::lower_bound(m_columns.begin(), m_columns.end(), index, IndexBefore);
        if (position->Index == index)
            return -1;
    }
    CListColumn column;
    column.Index = index;
    column.Header = header;
    column.Format = format;
    column.Hideable = index != 0;
    column.Width = std::max(width, 0);
    column.HiddenWidth = column.Width;
    column.DisplayOrder = static_cast<std::uint32_t>(m_columns.size());
    m_columns.insert(position, std::move(column));
    m_shownColumnsValid = false;
    if (index == 0)
        m_sortState = 1;
    return index;
}

int CListCtrlData::InsertColumnById(int index, std::uint32_t headerId, EColumnFormat format, int width)
{
    const int result = InsertColumn(index, CStringTables::Load(static_cast<int>(headerId)), format, width);
    if (result < 0 || headerId == 0)
        return result;
    FindColumnAt(index)->HeaderId = headerId;
    auto [known, inserted] = m_columnIndexById.try_emplace(headerId, index);
    if (!inserted)
        known->second = std::min(known->second, index);
    return result;
}

const CListColumn* CListCtrlData::FindColumn(int index) const
{
    if (index >= 0 && static_cast<size_t>(index) < m_columns.size() && m_columns[index].Index == index)
        return &m_columns[index];
    auto it = std::lower_bound(m_columns.begin(), m_columns.end(), index, IndexBefore);
    return it != m_columns.end() && it->Index == index ? &*it : nullptr;
}

CListColumn* CListCtrlData::FindColumnAt(int index)
{
    return const_cast<CListColumn*>(std::as_const(*this).FindColumn(index));
}

const CListColumn* CListCtrlData::FindColumnById(std::uint32_t headerId) const
{
    auto it = m_columnIndexById.find(headerId);
    return it != m_columnIndexById.end() ? FindColumn(it->second) : nullptr;
}

void CListCtrlData::SetColumnVisible(int index, bool visible)
{
    CListColumn* column = FindColumnAt(index);
    if (column == nullptr || column->Visible == visible || (!visible && !column->Hideable))
        return;
    if (visible) {
        column->Width = column->HiddenWidth;
    } else {
        column->HiddenWidth = column->Width;
        column->Width = 0;
    }
    column->Visible = visible;
    m_shownColumnsValid = false;
}

void CListCtrlData::SetColumnWidth(int index, int width)
{
    CListColumn* column = FindColumnAt(index);
    if (column == nullptr)
        return;
    (column->Visible ? column->Width : column->HiddenWidth) = std::max(width, 0);
}

std::vector<int> CListCtrlData::GetDisplayOrder() const
{
    std::vector<int> order(m_columns.size(), -1);
    for (const CListColumn& column : m_columns) {
        if (column.DisplayOrder < order.size())
            order[column.DisplayOrder] = column.Index;
    }
    return order;
}

bool CListCtrlData::SetDisplayOrder(const std::vector<int>& columns)
{
    if (columns.size() != m_columns.size())
        return false;
    std::vector<std::uint32_t> orders(m_columns.size(), UINT32_MAX);
    for (size_t position = 0; position < columns.size(); ++position) {
        const CListColumn* column = FindColumn(columns[position]);
        if (column == nullptr)
            return false;
        std::uint32_t& order = orders[static_cast<size_t>(column - m_columns.data())];
        if (order != UINT32_MAX)
            return false;
        order = static_cast<std::uint32_t>(position);
    }
    for (size_t slot = 0; slot < m_columns.size(); ++slot)
        m_columns[slot].DisplayOrder = orders[slot];
    m_shownColumnsValid = false;
    return true;
}

void CListCtrlData::UpdateShownColumns() const
{
    if (m_shownColumnsValid)
        return;
    const std::vector<int> order = GetDisplayOrder();
    m_shownColumns.clear();
    m_shownPositions.assign(m_columns.size(), -1);
    for (int index : order) {
        const CListColumn* column = FindColumn(index);
        if (column == nullptr || !column->Visible)
            continue;
        m_shownPositions[static_cast<size_t>(column - m_columns.data())] =
            static_cast<int>(m_shownColumns.size());
        m_shownColumns.push_back(index);
    }
    m_shownColumnsValid = true;
}

int CListCtrlData::DisplayToModel(int position) const
{
    UpdateShownColumns();
    if (position < 0 || static_cast<size_t>(position) >= m_shownColumns.size())
        return -1;
    return m_shownColumns[static_cast<size_t>(position)];
}

int CListCtrlData::ModelToDisplay(int index) const
{
    const CListColumn* column = FindColumn(index);
    if (column == nullptr)
        return -1;
    UpdateShownColumns();
    return m_shownPositions[static_cast<size_t>(column - m_columns.data())];
}

int CListCtrlData::GetShownColumnCount() const
{
    UpdateShownColumns();
    return static_cast<int>(m_shownColumns.size());
}

std::uint32_t CListCtrlData::AddRow(std::uint32_t userData)
{
    const auto id = static_cast<std::uint32_t>(m_rows.size() + 1);
    m_rows.emplace_back(id, userData).Cells.reserve(std::min<size_t>(m_columns.size(), kReservedCells));
    return id;
}

const CListRow* CListCtrlData::FindRow(std::uint32_t rowId) const
{
    return rowId >= 1 && rowId <= m_rows.size() ? &m_rows[rowId - 1] : nullptr;
}

CListRow* CListCtrlData::FindRowToEdit(std::uint32_t rowId)
{
    return const_cast<CListRow*>(std::as_const(*this).FindRow(rowId));
}

int CListCtrlData::SetCellText(std::uint32_t rowId, int column, const std::string& text)
{
    CListRow* row = FindRowToEdit(rowId);
    if (row == nullptr)
        return 0;
    row->SetCell(CListCell::MakeText(column, text));
    return 1;
}

int CListCtrlData::SetCellDate(std::uint32_t rowId, int column, const std::string& text, double when)
{
    CListRow* row = FindRowToEdit(rowId);
    if (row == nullptr)
        return 0;
    row->SetCell(CListCell::MakeDate(column, text, when));
    return 1;
}

int CListCtrlData::SetCellNumber(std::uint32_t rowId, int column, double number, ECellType type)
{
    CListRow* row = FindRowToEdit(rowId);
    if (row == nullptr)
        return 0;
    row->SetCell(CListCell::MakeNumber(column, number, type));
    return 1;
}

int CListCtrlData::SetCellTextById(std::uint32_t rowId, std::uint32_t headerId, const std::string& text)
{
    const CListColumn* column = FindColumnById(headerId);
    return column != nullptr ? SetCellText(rowId, column->Index, text) : 0;
}

int CListCtrlData::SetCellNumberById(std::uint32_t rowId, std::uint32_t headerId, double number,
                                     ECellType type)
{
    const CListColumn* column = FindColumnById(headerId);
    return column != nullptr ? SetCellNumber(rowId, column->Index, number, type) : 0;
}

void CListCtrlData::Fill()
{
    m_items.clear();
    m_items.reserve(m_rows.size());
    for (const CListRow& row : m_rows) {
        if (row.FindCell(0) != nullptr)
            m_items.push_back(row.Id);
    }
}

// The sort compares keys built once per item rather than cells: a column of texts sorts the
// ranks of its distinct texts, a column of numbers its numbers; only a column of mixed types
// compares cells. Rows that compare equal keep their model order (the row id decides).
std::vector<int> CListCtrlData::Sort()
{
    const int column = GetSortColumn();
    const std::vector<std::uint32_t> before = m_items;
    if (column < 0 || m_items.empty())
        return MovesFrom(before);
    std::vector<const CListCell*> cells;
    cells.reserve(m_items.size());
    for (std::uint32_t id : m_items)
        cells.push_back(FindRow(id)->FindCell(column));
    const ECellType type = CommonType(cells);
    if (type == ECellType::Text)
        SortTexts(cells);
    else if (CListCell::IsNumberType(type))
        SortNumbers(cells);
    else
        SortCells(cells);
    return MovesFrom(before);
}

std::vector<int> CListCtrlData::MovesFrom(const std::vector<std::uint32_t>& before) const
{
    std::vector<int> positionOfRow(m_rows.size() + 1, -1);
    for (size_t item = 0; item < m_items.size(); ++item)
        positionOfRow[m_items[item]] = static_cast<int>(item);
    std::vector<int> moves;
    moves.reserve(before.size());
    for (std::uint32_t id : before)
        moves.push_back(positionOfRow[id]);
    return moves;
}

ECellType CListCtrlData::CommonType(const std::vector<const CListCell*>& cells)
{
    ECellType type = ECellType::None;
    for (const CListCell* cell : cells) {
        if (cell == nullptr)
            continue;
        if (type != ECellType::None && cell->Type != type)
            return ECellType::None;
        type = cell->Type;
    }
    return type;
}

void CListCtrlData::SortTexts(const std::vector<const CListCell*>& cells)
{
    // Distinct sort texts in order of appearance, and each item's one.
    std::unordered_map<std::string_view, std::uint32_t> known;
    std::vector<const CListCell*> distinct;
    std::vector<std::uint32_t> textOf(cells.size());
    for (size_t item = 0; item < cells.size(); ++item) {
        if (cells[item] == nullptr)
            continue;
        const auto [it, added] = known.try_emplace(cells[item]->SortText, distinct.size());
        if (added)
            distinct.push_back(cells[item]);
        textOf[item] = it->second;
    }
    std::vector<std::uint32_t> order(distinct.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&distinct](std::uint32_t a, std::uint32_t b) {
        return distinct[a]->Compare(*distinct[b]) < 0;
    });
    std::vector<std::uint32_t> rank(distinct.size());
    for (size_t position = 0; position < order.size(); ++position)
        rank[order[position]] = static_cast<std::uint32_t>(position);
    const auto count = static_cast<std::uint32_t>(distinct.size());
    const bool ascending = m_sortState > 0;
    std::vector<std::uint64_t> keys(cells.size());
    for (size_t item = 0; item < cells.size(); ++item) {
        // Missing cells after all others, before all others when descending.
        std::uint64_t key = ascending ? count : 0;
        if (cells[item] != nullptr)
            key = ascending ? rank[textOf[item]] : count - rank[textOf[item]];
        keys[item] = key << 32 | m_items[item];
    }
    std::sort(keys.begin(), keys.end());
    for (size_t item = 0; item < keys.size(); ++item)
        m_items[item] = static_cast<std::uint32_t>(keys[item]);
}

void CListCtrlData::SortNumbers(const std::vector<const CListCell*>& cells)
{
    // Numbers, then NaN, then missing cells; all turned over when descending.
    struct CKey
    {
        int Group;
        double Value;
        std::uint32_t RowId;
        bool operator<(const CKey& other) const
        {
            if (Group != other.Group)
                return Group < other.Group;
            if (Value != other.Value)
                return Value < other.Value;
            return RowId < other.RowId;
        }
    };
    const bool ascending = m_sortState > 0;
    std::vector<CKey> keys;
    keys.reserve(cells.size());
    for (size_t item = 0; item < cells.size(); ++item) {
        const CListCell* cell = cells[item];
        const int group = cell == nullptr ? 2 : (std::isnan(cell->Number) ? 1 : 0);
        const double value = group == 0 ? (ascending ? cell->Number : -cell->Number) : 0.0;
        keys.push_back({ascending ? group : 2 - group, value, m_items[item]});
    }
    std::sort(keys.begin(), keys.end());
    for (size_t item = 0; item < keys.size(); ++item)
        m_items[item] = keys[item].RowId;
}

void CListCtrlData::SortCells(const std::vector<const CListCell*>& cells)
{
    std::vector<std::pair<const CListCell*, std::uint32_t>> keys;
    keys.reserve(cells.size());
    for (size_t item = 0; item < cells.size(); ++item)
        keys.emplace_back(cells[item], m_items[item]);
    std::sort(keys.begin(), keys.end(), [this](const auto& a, const auto& b) {
        const int result = CompareCells(a.first, b.first);
        return result != 0 ? result < 0 : a.second < b.second;
    });
    for (size_t item = 0; item < keys.size(); ++item)
        m_items[item] = keys[item].second;
}

const CListRow* CListCtrlData::GetItemRow(std::size_t item) const
{
    return item < m_items.size() ? FindRow(m_items[item]) : nullptr;
}

int CListCtrlData::FindItem(std::uint32_t rowId) const
{
    auto it = std::find(m_items.begin(), m_items.end(), rowId);
    return it != m_items.end() ? static_cast<int>(it - m_items.begin()) : -1;
}

std::string CListCtrlData::GetItemsText(const std::vector<std::size_t>& items) const
{
    std::string text;
    for (std::size_t item : items) {
        if (const CListRow* row = GetItemRow(item))
            AppendRowText(*row, text);
    }
    return text;
}

void CListCtrlData::AppendRowText(const CListRow& row, std::string& text) const
{
    UpdateShownColumns();
    for (size_t position = 0; position < m_shownColumns.size(); ++position) {
        if (position > 0)
            text += '\t';
        if (const CListCell* cell = row.FindCell(m_shownColumns[position]))
            text += cell->GetText();
    }
    text += '\n';
}

int CListCtrlData::GetSortColumn() const
{
    return m_sortState == 0 ? -1 : (m_sortState > 0 ? m_sortState : -m_sortState) - 1;
}

std::vector<int> CListCtrlData::ClickHeader(int column)
{
    const bool sortedByIt = m_sortState == column + 1 || m_sortState == -(column + 1);
    m_sortState = sortedByIt ? -m_sortState : column + 1;
    return Sort();
}

int CListCtrlData::Compare(const CListRow& a, const CListRow& b) const
{
    const int column = GetSortColumn();
    return column < 0 ? 0 : CompareCells(a.FindCell(column), b.FindCell(column));
}

int CListCtrlData::CompareCells(const CListCell* a, const CListCell* b) const
{
    int result = 0;
    if (a != nullptr && b != nullptr)
        result = a->Compare(*b);
    else if (a != b)
        result = a != nullptr ? -1 : 1;
    return m_sortState > 0 ? result : -result;
}

CListLayoutRecord CListCtrlData::GetLayout() const
{
    CListLayoutRecord record;
    record.SortState = m_sortState;
    for (const CListColumn& column : m_columns) {
        const int width = column.Visible ? column.Width : column.HiddenWidth;
        record.Columns.push_back(
            {!column.Hideable || column.Visible, static_cast<std::uint32_t>(width), column.DisplayOrder});
    }
    return record;
}

bool CListCtrlData::ApplyLayout(const std::vector<std::uint8_t>& bytes)
{
    const auto record = CListLayoutRecord::Decode(bytes, m_columns.size());
    if (!record)
        return false;
    m_sortState = record->SortState;
    for (size_t i = 0; i < m_columns.size(); ++i)
        ApplyColumnLayout(m_columns[i], record->Columns[i]);
    m_shownColumnsValid = false;
    return true;
}

void CListCtrlData::ApplyColumnLayout(CListColumn& column, const CListLayoutRecord::CColumn& stored)
{
    if (column.Hideable || stored.Visible)
        SetColumnVisible(column.Index, stored.Visible);
    SetColumnWidth(column.Index, ToWidth(stored.Width));
    column.DisplayOrder = stored.DisplayOrder;
}

bool CListCtrlData::SaveLayout(CProfileStore& store, const std::string& section,
                               const std::string& entry) const
{
    return store.WriteBinary(section, entry, GetLayout().Encode());
}

bool CListCtrlData::LoadLayout(const CProfileStore& store, const std::string& section,
                               const std::string& entry)
{
    const auto bytes = store.GetBinary(section, entry);
    return bytes && ApplyLayout(*bytes);
}
