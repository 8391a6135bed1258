#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <functional>
#include <vector>

class CListCtrlData;

// The Qt view's window onto a list data model: one view row per shown item, one section per
// column in model order (hidden ones included; the header hides and moves them). Nothing is
// copied: every request reads the data model, so the view shows 200,000 rows as fast as 20.
// The view changes only when the owner says so (BeginReset/EndReset, BeginInsertColumn/
// EndInsertColumn), which keeps the data model's rule that edits show after Fill.
class CListTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // The role that answers a row's id (an unsigned 32-bit number).
    static constexpr int RowIdRole = Qt::UserRole;

    explicit CListTableModel(const CListCtrlData& data, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Around any change of the items or of the column set.
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    // Around inserting one column that will be at `section`.
    void BeginInsertColumn(int section) { beginInsertColumns(QModelIndex(), section, section); }
    void EndInsertColumn() { endInsertColumns(); }
    // Runs `reorder`, which puts the same items in another order and returns the new position
    // of each old one (-1 for gone), as a layout change: the selection, the current row and
    // every other persistent index follow their rows.
    void Reorder(const std::function<std::vector<int>()>& reorder);

    // The model column index shown in `section`, or -1.
    int ColumnIndex(int section) const;
    // The section of model column `index`, or -1.
    int Section(int index) const;

    // The background of the sorted column's cells; an invalid colour for none.
    void SetSortShade(const QColor& shade) { m_sortShade = shade; }

private:
    QVariant Alignment(int section) const;

    const CListCtrlData& m_data;
    QColor m_sortShade;
};
