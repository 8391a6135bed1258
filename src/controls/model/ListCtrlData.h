#pragma once

#include "controls/model/ListColumn.h"
#include "controls/model/ListLayoutRecord.h"
#include "controls/model/ListRow.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class CProfileStore;

// The data behind every table: column definitions, rows of typed cells, the items the list
// shows (rows in shown order), the sort state and the remembered layout. Pages fill the model,
// then call Fill and Sort; the list widget only displays the items. Columns are addressed by
// model index throughout; display positions count only the shown columns.
//
// Sort state: 0 unsorted, +k ascending by column k - 1, -k descending by column k - 1.
//
// Every lookup is O(1) or O(log n): rows are only appended and only deleted all at once, so a
// row's id is its position + 1; columns are kept ordered by index and rows keep their cells
// ordered by column, so filling n rows in column order is linear and sorting O(n log n).
class CListCtrlData
{
public:
    // Drops rows, items and columns; the list is unsorted again.
    void Reset();
    // Drops rows and items; columns stay.
    void DeleteAllRows();

    // Adds a column and returns its index; -1 when the index is negative or taken. Column 0
    // is never hideable and sorts the list ascending by it; every other column is hideable.
    // A new column is shown last. Inserting in ascending index order is O(1) per column.
    int InsertColumn(int index, const std::string& header, EColumnFormat format, int width);
    // The same with the header text from the string tables.
    int InsertColumnById(int index, std::uint32_t headerId, EColumnFormat format, int width);
    // In model order.
    const std::vector<CListColumn>& GetColumns() const { return m_columns; }
    const CListColumn* FindColumn(int index) const;
    // The column with that header string id (the first in model order), or none; never for 0.
    const CListColumn* FindColumnById(std::uint32_t headerId) const;
    // Hiding keeps the width to restore it when shown again; column 0 cannot be hidden.
    void SetColumnVisible(int index, bool visible);
    void SetColumnWidth(int index, int width);

    // Model indices of all columns, hidden ones included, in the order they appear on screen.
    std::vector<int> GetDisplayOrder() const;
    // Stores the order after a header drag: `columns` lists every model index once, in screen
    // order. False and nothing changed otherwise.
    bool SetDisplayOrder(const std::vector<int>& columns);
    // The model index of the shown column at `position` among the shown columns, or -1.
    int DisplayToModel(int position) const;
    // The position of column `index` among the shown columns, or -1 when hidden or unknown.
    int ModelToDisplay(int index) const;
    int GetShownColumnCount() const;

    // A new row; its id is one more than the largest id present (1 for the first).
    std::uint32_t AddRow(std::uint32_t userData);
    const std::vector<CListRow>& GetRows() const { return m_rows; }
    const CListRow* FindRow(std::uint32_t rowId) const;

    // Create or replace a cell; 0 when there is no such row, else 1. The ById forms address
    // the column by its header string id and also give 0 when no column has it.
    int SetCellText(std::uint32_t rowId, int column, const std::string& text);
    int SetCellNumber(std::uint32_t rowId, int column, double number, ECellType type);
    // A date cell: shows `text`, sorts by `when`.
    int SetCellDate(std::uint32_t rowId, int column, const std::string& text, double when);
    int SetCellTextById(std::uint32_t rowId, std::uint32_t headerId, const std::string& text);
    int SetCellNumberById(std::uint32_t rowId, std::uint32_t headerId, double number, ECellType type);

    // Rebuilds the items from the rows in model order; rows without a cell in column 0 get no
    // item. Does not sort.
    void Fill();
    // Orders the items by the sort state; rows that compare equal keep their model order.
    // O(n log n) compares of plain keys, not of cells. Returns where each item went: the new
    // position of the item that was at position i is element i.
    std::vector<int> Sort();
    // Row ids of the items in shown order.
    const std::vector<std::uint32_t>& GetItems() const { return m_items; }
    // The row shown at `item`, or none.
    const CListRow* GetItemRow(std::size_t item) const;
    // The position of the row among the items, or -1 when it is not shown. Linear.
    int FindItem(std::uint32_t rowId) const;
    // The shown text of each of these items, one line each ending in "\n", the shown columns
    // in screen order separated by tabs.
    std::string GetItemsText(const std::vector<std::size_t>& items) const;

    int GetSortState() const { return m_sortState; }
    void SetSortState(int sortState) { m_sortState = sortState; }
    // The model index of the sort column, or -1 when unsorted.
    int GetSortColumn() const;
    // A click on the header of `column`: the sort direction turns over when the list is sorted
    // by that column, else the list sorts ascending by it. Sorts the items and returns where each
    // went, as Sort does.
    std::vector<int> ClickHeader(int column);
    // Negative, 0 or positive as row `a` is shown before, with or after row `b` under the sort
    // state. A row without a cell in the sort column comes after rows with one (ascending).
    int Compare(const CListRow& a, const CListRow& b) const;

    CListLayoutRecord GetLayout() const;
    // Applies a record; false and nothing changed when it does not fit these columns.
    bool ApplyLayout(const std::vector<std::uint8_t>& bytes);
    bool SaveLayout(CProfileStore& store, const std::string& section, const std::string& entry) const;
    bool LoadLayout(const CProfileStore& store, const std::string& section, const std::string& entry);

private:
    CListColumn* FindColumnAt(int index);
    CListRow* FindRowToEdit(std::uint32_t rowId);
    int CompareCells(const CListCell* a, const CListCell* b) const;
    // The type every given cell has, or 0 when they differ or there are none.
    static ECellType CommonType(const std::vector<const CListCell*>& cells);
    // Each puts the items in order by their cells (one per item, or null) in the sort column.
    void SortTexts(const std::vector<const CListCell*>& cells);
    void SortNumbers(const std::vector<const CListCell*>& cells);
    void SortCells(const std::vector<const CListCell*>& cells);
    // New positions of the items that were shown as `before`.
    std::vector<int> MovesFrom(const std::vector<std::uint32_t>& before) const;
    void ApplyColumnLayout(CListColumn& column, const CListLayoutRecord::CColumn& stored);
    void UpdateShownColumns() const;
    void AppendRowText(const CListRow& row, std::string& text) const;

    std::vector<CListColumn> m_columns; // ordered by model index
    std::unordered_map<std::uint32_t, int> m_columnIndexById;
    std::vector<CListRow> m_rows; // in insertion order; a row's id is its position + 1
    std::vector<std::uint32_t> m_items;
    int m_sortState = 0;
    // Model indices of the shown columns in screen order, and each column's position among
    // them (-1 when hidden) by its place in m_columns; rebuilt on demand after a change of
    // order or visibility.
    mutable std::vector<int> m_shownColumns;
    mutable std::vector<int> m_shownPositions;
    mutable bool m_shownColumnsValid = false;
};
