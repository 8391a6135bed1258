#include "ListCtrlData.h"

#include "platform/ProfileStore.h"
#include "resources/StringTables.h"

#include <algorithm>
#include <climits>
#include <unordered_map>
#include <utility>

namespace {

int ToWidth(std::uint32_t stored)
{
    return static_cast<int>(std::min<std::uint32_t>(stored, INT_MAX));
}

} // namespace

void CListCtrlData::Reset()
{
    DeleteAllRows();
    m_columns.clear();
    m_sortState = 0;
}

void CListCtrlData::DeleteAllRows()
{
    m_items.clear();
    m_rows.clear();
}

int CListCtrlData::InsertColumn(int index, const std::string& header, std::uint32_t format, int width)
{
    if (index < 0 || FindColumn(index) != nullptr)
        return -1;
    CListColumn column;
    column.Index = index;
    column.Header = header;
    column.Format = format;
    column.Hideable = index != 0;
    column.Width = std::max(width, 0);
    column.HiddenWidth = column.Width;
    column.DisplayOrder = static_cast<std::uint32_t>(m_columns.size());
    auto position = std::find_if(m_columns.begin(), m_columns.end(),
                                 [index](const CListColumn& other) { return other.Index > index; });
    m_columns.insert(position, column);
    if (index == 0)
        m_sortState = 1;
    return index;
}

int CListCtrlData::InsertColumnById(int index, std::uint32_t headerId, std::uint32_t format, int width)
{
    const int result = InsertColumn(index, CStringTables::Load(static_cast<int>(headerId)), format, width);
    if (result >= 0)
        FindColumnAt(index)->HeaderId = headerId;
    return result;
}

const CListColumn* CListCtrlData::FindColumn(int index) const
{
    for (const CListColumn& column : m_columns) {
        if (column.Index == index)
            return &column;
    }
    return nullptr;
}

CListColumn* CListCtrlData::FindColumnAt(int index)
{
    return const_cast<CListColumn*>(std::as_const(*this).FindColumn(index));
}

CListColumn* CListCtrlData::FindColumnById(std::uint32_t headerId)
{
    for (CListColumn& column : m_columns) {
        if (column.HeaderId == headerId)
            return &column;
    }
    return nullptr;
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
}

void CListCtrlData::SetColumnWidth(int index, int width)
{
    CListColumn* column = FindColumnAt(index);
    if (column == nullptr)
        return;
    (column->Visible ? column->Width : column->HiddenWidth) = std::max(width, 0);
}

std::uint32_t CListCtrlData::AddRow(std::uint32_t userData)
{
    std::uint32_t largest = 0;
    for (const CListRow& row : m_rows)
        largest = std::max(largest, row.Id);
    m_rows.emplace_back(largest + 1, userData);
    return largest + 1;
}

const CListRow* CListCtrlData::FindRow(std::uint32_t rowId) const
{
    for (const CListRow& row : m_rows) {
        if (row.Id == rowId)
            return &row;
    }
    return nullptr;
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
    return column != nullptr && headerId != 0 ? SetCellText(rowId, column->Index, text) : 0;
}

int CListCtrlData::SetCellNumberById(std::uint32_t rowId, std::uint32_t headerId, double number, int type)
{
    const CListColumn* column = FindColumnById(headerId);
    return column != nullptr && headerId != 0 ? SetCellNumber(rowId, column->Index, number, type) : 0;
}

void CListCtrlData::Fill()
{
    m_items.clear();
    for (const CListRow& row : m_rows) {
        if (row.FindCell(0) != nullptr)
            m_items.push_back(row.Id);
    }
}

void CListCtrlData::Sort()
{
    if (m_sortState == 0)
        return;
    std::unordered_map<std::uint32_t, const CListRow*> rows;
    for (const CListRow& row : m_rows)
        rows.emplace(row.Id, &row);
    std::stable_sort(m_items.begin(), m_items.end(), [this, &rows](std::uint32_t a, std::uint32_t b) {
        return Compare(*rows.at(a), *rows.at(b)) < 0;
    });
}

void CListCtrlData::ClickHeader(int column)
{
    const bool sortedByIt = m_sortState == column + 1 || m_sortState == -(column + 1);
    m_sortState = sortedByIt ? -m_sortState : column + 1;
    Sort();
}

int CListCtrlData::Compare(const CListRow& a, const CListRow& b) const
{
    if (m_sortState == 0)
        return 0;
    const int column = (m_sortState > 0 ? m_sortState : -m_sortState) - 1;
    const CListCell* cellA = a.FindCell(column);
    const CListCell* cellB = b.FindCell(column);
    int result = 0;
    if (cellA != nullptr && cellB != nullptr)
        result = cellA->Compare(*cellB);
    else if (cellA != cellB)
        result = cellA != nullptr ? -1 : 1;
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
