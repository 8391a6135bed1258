#pragma once

#include "controls/model/ListColumnSetup.h"
#include "controls/model/ListCtrlData.h"

#include <QTreeView>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

class CListTableModel;
class CProfileStore;
class QMenu;

// The list every table of the program uses: a report-style view over a CListCtrlData that it
// owns. Pages fill it through the operations below (model column indices throughout), then
// call Fill and Sort; nothing changes on screen until Fill. The user sorts by clicking a header
// (a second click reverses), drags headers to reorder, hides and shows columns and fits their
// widths from the header's context menu, and copies the selected rows with Ctrl+C. The layout
// (visibility, widths, order, sort) is kept in the profile as one binary record.
//
// The view is a QTreeView itself, so a page places, sizes and connects it like any view; the
// data model stays a plain class beside it, testable without Qt.
class CListCtrlEx : public QTreeView
{
    Q_OBJECT

public:
    explicit CListCtrlEx(QWidget* parent = nullptr);
    ~CListCtrlEx() override;

    // Drops rows, items and columns.
    void Reset();
    // Drops rows and items; the list is empty until the next Fill.
    void DeleteAllRows();
    // Adds a column (see CListCtrlData::InsertColumn), at least as wide as its header with the
    // sort mark and as `widest` (Windows-1252) shows in a cell; -1 when the index is taken or
    // negative.
    int InsertColumn(int index, const std::string& header, EColumnFormat format, int width,
                     const char* widest = nullptr);
    // Inserts the columns as columns 0, 1, ... in their order.
    void InsertColumns(std::span<const CListColumnSetup> columns);
    int InsertColumnById(int index, std::uint32_t headerId, EColumnFormat format, int width,
                         const char* widest = nullptr);
    // Hiding keeps the width; column 0 cannot be hidden.
    void SetColumnVisible(int index, bool visible);

    std::uint32_t AddRow(std::uint32_t userData);
    int SetCellText(std::uint32_t rowId, int column, const std::string& text);
    int SetCellNumber(std::uint32_t rowId, int column, double number, ECellType type);
    int SetCellDate(std::uint32_t rowId, int column, const std::string& text, double when);
    int SetCellTextById(std::uint32_t rowId, std::uint32_t headerId, const std::string& text);
    int SetCellNumberById(std::uint32_t rowId, std::uint32_t headerId, double number, ECellType type);
    // Shows the rows as they are now, in model order. The selection is cleared.
    void Fill();
    // Orders the shown rows by the sort state; the selection and the current row stay on their
    // rows.
    void Sort();
    // Sets the sort state (see CListCtrlData) a page starts with, and sorts by it.
    void SetSortState(int sortState);
    // What the list holds and shows; changes go through the list's own operations.
    const CListCtrlData& GetData() const { return m_data; }
    // Replaces columns, rows and shown items with a model filled elsewhere (the evaluation
    // build fills one without knowing the widget); the header follows its columns.
    void Assign(CListCtrlData data);

    bool SaveLayout(CProfileStore& store, const std::string& section, const std::string& entry) const;
    // A record that does not fit the columns changes nothing and gives false.
    bool LoadLayout(const CProfileStore& store, const std::string& section, const std::string& entry);

    // The id of the current row when it is selected, else of the first selected row; 0 for none.
    std::uint32_t GetSelectedRowId() const;
    // The user data of that row.
    std::optional<std::uint32_t> GetSelectedUserData() const;
    // Ids of every selected row in shown order.
    std::vector<std::uint32_t> GetSelectedRowIds() const;
    // Selects the row alone, makes it current and scrolls to it; false when it is not shown.
    bool SelectRowById(std::uint32_t rowId);

    // The selected rows' shown texts, tab-separated in screen order, one line per row: what
    // Ctrl+C puts on the clipboard.
    QString GetSelectedText() const;
    void CopySelection() const;
    // The header's context menu: one checkable entry per column in model order (greyed when
    // the column cannot be hidden), then "Spaltenbreite anpassen". Null when no column can be
    // hidden. The caller owns it.
    QMenu* CreateHeaderMenu(QWidget* parent);
    // Widens or narrows every shown column to its contents.
    void FitColumnsToContents();

signals:
    // "Open this row": a double click on a row or Enter on the current row, once per gesture,
    // with the keys held. While something listens, Enter goes no further (a dialog's default
    // button stays untouched).
    void RowOpened(std::uint32_t rowId, Qt::KeyboardModifiers modifiers);
    // A double click on a row, with the keys held (Ctrl+double click means something on some
    // pages).
    void RowDoubleClicked(std::uint32_t rowId, Qt::KeyboardModifiers modifiers);
    void SelectionChanged();
    // The user sorted by clicking a header; the new sort state.
    void SortChanged(int sortState);
    // The user changed the layout: sort, a width, the order or the shown columns. Owners keep
    // the layout from here rather than on their way out.
    void LayoutEdited();

protected:
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Widens the shown column in `section` to its header (with the sort mark) and to its
    // widest text.
    void FitColumn(int section);
    // The width a cell needs to show `text` whole.
    int CellWidth(const QString& text) const;
    void SetUpView();
    void SetUpHeader();
    void UpdatePalette();
    void OnHeaderClicked(int section);
    void OnSectionResized(int section, int oldSize, int newSize);
    void OnSectionMoved();
    void ShowHeaderMenu(const QPoint& position);
    void ToggleColumn(int index);
    void SyncHeader();
    void SyncSection(int section);
    void SyncOrder();
    void SyncSortIndicator();
    int SectionForNewColumn(int index) const;
    std::uint32_t RowIdAt(const QModelIndex& index) const;
    std::vector<std::size_t> SelectedItems() const;
    template <typename Change> void ChangeRows(Change change);
    template <typename Insert> int AddColumn(int index, const char* widest, Insert insert);

    CListCtrlData m_data;
    CListTableModel* m_model;
    // Set while the header is being brought in line with the data model, so that its signals
    // are not taken for the user's changes.
    bool m_syncing = false;
    // The widest text each column is meant to show whole, by model index.
    std::unordered_map<int, QString> m_widest;
};
