#include "ListCtrlData.h"

#include "platform/ProfileStore.h"
#include "resources/StringTables.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace {

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

int CListCtrlData::InsertColumn(int index, const std::string& header, std::uint32_t format, int width)
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

int CListCtrlData::InsertColumnById(int index, std::uint32_t headerId, std::uint32_t format, int width)
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
    m_rows.emplace_back(id, userData);
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

int CListCtrlData::SetCellNumber(std::uint32_t rowId, int column, double number, int type)
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

int CListCtrlData::SetCellNumberById(std::uint32_t rowId, std::uint32_t headerId, double number, int type)
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

void CListCtrlData::Sort()
{
    const int column = GetSortColumn();
    if (column < 0)
        return;
    // The sort cell of every item is looked up once, not on every comparison.
    std::vector<std::pair<const CListCell*, std::uint32_t>> keys;
    keys.reserve(m_items.size());
    for (std::uint32_t id : m_items)
        keys.emplace_back(FindRow(id)->FindCell(column), id);
    std::stable_sort(keys.begin(), keys.end(),
                     [this](const auto& a, const auto& b) { return CompareCells(a.first, b.first) < 0; });
    for (size_t i = 0; i < keys.size(); ++i)
        m_items[i] = keys[i].second;
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
            text += cell->Text;
    }
    text += '\n';
}

int CListCtrlData::GetSortColumn() const
{
    return m_sortState == 0 ? -1 : (m_sortState > 0 ? m_sortState : -m_sortState) - 1;
}

void CListCtrlData::ClickHeader(int column)
{
    const bool sortedByIt = m_sortState == column + 1 || m_sortState == -(column + 1);
    m_sortState = sortedByIt ? -m_sortState : column + 1;
    Sort();
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
