#include "ListTableModel.h"

#include "controls/model/ListCtrlData.h"
#include "platform/qt/TextConversion.h"

#include <QBrush>

CListTableModel::CListTableModel(const CListCtrlData& data, QObject* parent)
    : QAbstractTableModel(parent), m_data(data)
{}

int CListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_data.GetItems().size());
}

int CListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_data.GetColumns().size());
}

QVariant CListTableModel::data(const QModelIndex& index, int role) const
{
    const CListRow* row = index.isValid() ? m_data.GetItemRow(static_cast<size_t>(index.row())) : nullptr;
    if (row == nullptr)
        return {};
    const int column = ColumnIndex(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const CListCell* cell = row->FindCell(column);
        return cell != nullptr ? ToQString(cell->GetText()) : QString();
    }
    case Qt::TextAlignmentRole:
        return Alignment(index.column());
    case Qt::BackgroundRole:
        return m_sortShade.isValid() && column == m_data.GetSortColumn() ? QBrush(m_sortShade) : QVariant();
    case RowIdRole:
        return row->Id;
    default:
        return {};
    }
}

void CListTableModel::Reorder(const std::function<std::vector<int>()>& reorder)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList from = persistentIndexList();
    const std::vector<int> moves = reorder();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& index : from) {
        const auto row = static_cast<std::size_t>(index.row());
        to.append(row < moves.size() && moves[row] >= 0 ? this->index(moves[row], index.column())
                                                        : QModelIndex());
    }
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVariant CListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return ToQString(m_data.GetColumns()[static_cast<size_t>(section)].Header);
    if (role == Qt::TextAlignmentRole)
        return Alignment(section);
    return {};
}

Qt::ItemFlags CListTableModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                           : Qt::NoItemFlags;
}

QVariant CListTableModel::Alignment(int section) const
{
    const bool right = m_data.GetColumns()[static_cast<size_t>(section)].Format == EColumnFormat::Right;
    return QVariant::fromValue(Qt::Alignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter));
}

int CListTableModel::ColumnIndex(int section) const
{
    const auto& columns = m_data.GetColumns();
    return section >= 0 && static_cast<size_t>(section) < columns.size()
               ? columns[static_cast<size_t>(section)].Index
               : -1;
}

int CListTableModel::Section(int index) const
{
    const CListColumn* column = m_data.FindColumn(index);
    return column != nullptr ? static_cast<int>(column - m_data.GetColumns().data()) : -1;
}
