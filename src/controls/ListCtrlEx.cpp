#include "ListCtrlEx.h"

#include "controls/ListTableModel.h"
#include "controls/model/ListColor.h"
#include "platform/qt/TextConversion.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <memory>

namespace {

const char* const kFitColumnsText = "Spaltenbreite anpassen";

// The sorted column is shaded only where the display can tell the colours apart.
constexpr int kMinShadingDepth = 9;

// The background of the sorted column's cells; none on displays of 8 bits or less.
QColor SortShade(const QColor& base, const QScreen* display)
{
    if (display != nullptr && display->depth() < kMinShadingDepth)
        return {};
    const CListColor background{static_cast<std::uint8_t>(base.red()),
                                static_cast<std::uint8_t>(base.green()),
                                static_cast<std::uint8_t>(base.blue())};
    const CListColor shade = background.SortShade();
    return QColor(shade.Red, shade.Green, shade.Blue);
}

} // namespace

CListCtrlEx::CListCtrlEx(QWidget* parent) : QTreeView(parent), m_model(new CListTableModel(m_data, this))
{
    setModel(m_model);
    SetUpView();
    SetUpHeader();
    UpdatePalette();
}

CListCtrlEx::~CListCtrlEx()
{
    // The view lets go of the model before the data it reads is gone.
    setModel(nullptr);
}

void CListCtrlEx::SetUpView()
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &CListCtrlEx::SelectionChanged);
}

void CListCtrlEx::SetUpHeader()
{
    QHeaderView* bar = header();
    bar->setSectionsMovable(true);
    bar->setFirstSectionMovable(true);
    bar->setSectionsClickable(true);
    bar->setSortIndicatorShown(true);
    bar->setSortIndicator(-1, Qt::AscendingOrder);
    bar->setStretchLastSection(false);
    bar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(bar, &QHeaderView::sectionClicked, this, &CListCtrlEx::OnHeaderClicked);
    connect(bar, &QHeaderView::sectionResized, this, &CListCtrlEx::OnSectionResized);
    connect(bar, &QHeaderView::sectionMoved, this, &CListCtrlEx::OnSectionMoved);
    connect(bar, &QWidget::customContextMenuRequested, this, &CListCtrlEx::ShowHeaderMenu);
}

// Selected rows: the highlight while the list has the focus, the button face otherwise (the
// view paints with the inactive colours without the focus); the sorted column's shading from
// the background.
void CListCtrlEx::UpdatePalette()
{
    QPalette colors = palette();
    const QColor face = colors.color(QPalette::Active, QPalette::Button);
    const QColor faceText = colors.color(QPalette::Active, QPalette::ButtonText);
    if (colors.color(QPalette::Inactive, QPalette::Highlight) != face ||
        colors.color(QPalette::Inactive, QPalette::HighlightedText) != faceText) {
        colors.setColor(QPalette::Inactive, QPalette::Highlight, face);
        colors.setColor(QPalette::Inactive, QPalette::HighlightedText, faceText);
        setPalette(colors);
    }
    m_model->SetSortShade(SortShade(colors.color(QPalette::Active, QPalette::Base), screen()));
}

void CListCtrlEx::Reset()
{
    ChangeRows([this] { m_data.Reset(); });
    m_widest.clear();
    SyncSortIndicator();
}

void CListCtrlEx::DeleteAllRows()
{
    ChangeRows([this] { m_data.DeleteAllRows(); });
}

// The view reads everything again; a selection that was there is gone, which the owner hears.
template <typename Change> void CListCtrlEx::ChangeRows(Change change)
{
    const bool hadSelection = selectionModel()->hasSelection();
    m_model->BeginReset();
    change();
    m_model->EndReset();
    if (hadSelection)
        emit SelectionChanged();
}

int CListCtrlEx::InsertColumn(int index, const std::string& header, EColumnFormat format, int width,
                              const char* widest)
{
    return AddColumn(index, widest, [&] { m_data.InsertColumn(index, header, format, width); });
}

void CListCtrlEx::InsertColumns(std::span<const CListColumnSetup> columns)
{
    int index = 0;
    for (const CListColumnSetup& column : columns)
        InsertColumnById(index++, static_cast<std::uint32_t>(column.HeaderId), column.Format, column.Width,
                         column.Widest);
}

int CListCtrlEx::InsertColumnById(int index, std::uint32_t headerId, EColumnFormat format, int width,
                                  const char* widest)
{
    return AddColumn(index, widest, [&] { m_data.InsertColumnById(index, headerId, format, width); });
}

// One new section for the column; the header learns its width, and its place when it is not
// the last in model order.
template <typename Insert> int CListCtrlEx::AddColumn(int index, const char* widest, Insert insert)
{
    if (index < 0 || m_data.FindColumn(index) != nullptr)
        return -1;
    const int section = SectionForNewColumn(index);
    m_model->BeginInsertColumn(section);
    insert();
    m_model->EndInsertColumn();
    SyncSection(section);
    if (section + 1 != m_model->columnCount())
        SyncOrder();
    SyncSortIndicator();
    if (widest != nullptr)
        m_widest[index] = ToQString(widest);
    FitColumn(section);
    return index;
}

// No header is cut, with or without the sort mark, and no cell of the widest sensible
// content; a width the user sets later is kept as it is until the layout is read again.
void CListCtrlEx::FitColumn(int section)
{
    if (section < 0 || section >= m_model->columnCount())
        return;
    const CListColumn& column = m_data.GetColumns()[static_cast<size_t>(section)];
    if (!column.Visible)
        return;
    int width = std::max(column.Width, header()->sectionSizeHint(section));
    const auto widest = m_widest.find(column.Index);
    if (widest != m_widest.end())
        width = std::max(width, CellWidth(widest->second));
    m_data.SetColumnWidth(column.Index, width);
    SyncSection(section);
}

int CListCtrlEx::CellWidth(const QString& text) const
{
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.text = text;
    option.features |= QStyleOptionViewItem::HasDisplay;
    return style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width();
}

int CListCtrlEx::SectionForNewColumn(int index) const
{
    const auto& columns = m_data.GetColumns();
    auto it = std::lower_bound(columns.begin(), columns.end(), index,
                               [](const CListColumn& column, int value) { return column.Index < value; });
    return static_cast<int>(it - columns.begin());
}

void CListCtrlEx::SetColumnVisible(int index, bool visible)
{
    m_data.SetColumnVisible(index, visible);
    SyncSection(m_model->Section(index));
    FitColumn(m_model->Section(index));
}

std::uint32_t CListCtrlEx::AddRow(std::uint32_t userData)
{
    return m_data.AddRow(userData);
}

int CListCtrlEx::SetCellText(std::uint32_t rowId, int column, const std::string& text)
{
    return m_data.SetCellText(rowId, column, text);
}

int CListCtrlEx::SetCellDate(std::uint32_t rowId, int column, const std::string& text, double when)
{
    return m_data.SetCellDate(rowId, column, text, when);
}

int CListCtrlEx::SetCellNumber(std::uint32_t rowId, int column, double number, ECellType type)
{
    return m_data.SetCellNumber(rowId, column, number, type);
}

int CListCtrlEx::SetCellTextById(std::uint32_t rowId, std::uint32_t headerId, const std::string& text)
{
    return m_data.SetCellTextById(rowId, headerId, text);
}

int CListCtrlEx::SetCellNumberById(std::uint32_t rowId, std::uint32_t headerId, double number, ECellType type)
{
    return m_data.SetCellNumberById(rowId, headerId, number, type);
}

void CListCtrlEx::Fill()
{
    ChangeRows([this] { m_data.Fill(); });
}

void CListCtrlEx::Assign(CListCtrlData data)
{
    ChangeRows([this, &data] { m_data = std::move(data); });
    m_widest.clear();
    SyncHeader();
}

void CListCtrlEx::Sort()
{
    m_model->Reorder([this] { return m_data.Sort(); });
    SyncSortIndicator();
}

void CListCtrlEx::SetSortState(int sortState)
{
    m_data.SetSortState(sortState);
    Sort();
}

bool CListCtrlEx::SaveLayout(CProfileStore& store, const std::string& section, const std::string& entry) const
{
    return m_data.SaveLayout(store, section, entry);
}

bool CListCtrlEx::LoadLayout(const CProfileStore& store, const std::string& section, const std::string& entry)
{
    if (!m_data.LoadLayout(store, section, entry))
        return false;
    SyncHeader();
    // A record from an earlier version may hold widths that cut a header or a figure.
    for (int shown = 0; shown < m_model->columnCount(); ++shown)
        FitColumn(shown);
    Sort();
    return true;
}

std::uint32_t CListCtrlEx::RowIdAt(const QModelIndex& index) const
{
    const CListRow* row = index.isValid() ? m_data.GetItemRow(static_cast<size_t>(index.row())) : nullptr;
    return row != nullptr ? row->Id : 0;
}

std::vector<std::size_t> CListCtrlEx::SelectedItems() const
{
    std::vector<std::size_t> items;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row)
            items.push_back(static_cast<std::size_t>(row));
    }
    std::sort(items.begin(), items.end());
    items.erase(std::unique(items.begin(), items.end()), items.end());
    return items;
}

std::vector<std::uint32_t> CListCtrlEx::GetSelectedRowIds() const
{
    std::vector<std::uint32_t> ids;
    for (std::size_t item : SelectedItems())
        ids.push_back(m_data.GetItems()[item]);
    return ids;
}

std::uint32_t CListCtrlEx::GetSelectedRowId() const
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), QModelIndex()))
        return RowIdAt(current);
    const std::vector<std::size_t> items = SelectedItems();
    return items.empty() ? 0 : m_data.GetItems()[items.front()];
}

std::optional<std::uint32_t> CListCtrlEx::GetSelectedUserData() const
{
    const CListRow* row = m_data.FindRow(GetSelectedRowId());
    return row != nullptr ? std::optional<std::uint32_t>(row->UserData) : std::nullopt;
}

bool CListCtrlEx::SelectRowById(std::uint32_t rowId)
{
    const int item = m_data.FindItem(rowId);
    if (item < 0)
        return false;
    const QModelIndex index = m_model->index(item, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
    return true;
}

QString CListCtrlEx::GetSelectedText() const
{
    return ToQString(m_data.GetItemsText(SelectedItems()));
}

void CListCtrlEx::CopySelection() const
{
    QApplication::clipboard()->setText(GetSelectedText());
}

QMenu* CListCtrlEx::CreateHeaderMenu(QWidget* parent)
{
    const auto& columns = m_data.GetColumns();
    if (std::none_of(columns.begin(), columns.end(),
                     [](const CListColumn& column) { return column.Hideable; }))
        return nullptr;
    auto* menu = new QMenu(parent);
    for (const CListColumn& column : columns) {
        QAction* entry = menu->addAction(ToQString(column.Header));
        entry->setCheckable(true);
        entry->setChecked(column.Visible);
        entry->setEnabled(column.Hideable);
        connect(entry, &QAction::triggered, this, [this, index = column.Index] { ToggleColumn(index); });
    }
    menu->addSeparator();
    QAction* fit = menu->addAction(QString::fromLatin1(kFitColumnsText));
    connect(fit, &QAction::triggered, this, &CListCtrlEx::FitColumnsToContents);
    return menu;
}

void CListCtrlEx::ShowHeaderMenu(const QPoint& position)
{
    const std::unique_ptr<QMenu> menu(CreateHeaderMenu(this));
    if (menu)
        menu->exec(header()->viewport()->mapToGlobal(position));
}

void CListCtrlEx::ToggleColumn(int index)
{
    if (const CListColumn* column = m_data.FindColumn(index)) {
        SetColumnVisible(index, !column->Visible);
        emit LayoutEdited();
    }
}

void CListCtrlEx::FitColumnsToContents()
{
    for (int section = 0; section < m_model->columnCount(); ++section) {
        if (!header()->isSectionHidden(section))
            resizeColumnToContents(section);
    }
    emit LayoutEdited();
}

void CListCtrlEx::OnHeaderClicked(int section)
{
    const int column = m_model->ColumnIndex(section);
    m_model->Reorder([this, column] { return m_data.ClickHeader(column); });
    SyncSortIndicator();
    emit SortChanged(m_data.GetSortState());
    emit LayoutEdited();
}

void CListCtrlEx::OnSectionResized(int section, int, int newSize)
{
    if (!m_syncing && !header()->isSectionHidden(section)) {
        m_data.SetColumnWidth(m_model->ColumnIndex(section), newSize);
        emit LayoutEdited();
    }
}

void CListCtrlEx::OnSectionMoved()
{
    if (m_syncing)
        return;
    std::vector<int> order;
    for (int visual = 0; visual < header()->count(); ++visual)
        order.push_back(m_model->ColumnIndex(header()->logicalIndex(visual)));
    if (m_data.SetDisplayOrder(order))
        emit LayoutEdited();
}

void CListCtrlEx::SyncHeader()
{
    for (int section = 0; section < m_model->columnCount(); ++section)
        SyncSection(section);
    SyncOrder();
    SyncSortIndicator();
}

void CListCtrlEx::SyncSection(int section)
{
    if (section < 0 || section >= m_model->columnCount())
        return;
    const QScopedValueRollback guard(m_syncing, true);
    const CListColumn& column = m_data.GetColumns()[static_cast<size_t>(section)];
    setColumnHidden(section, !column.Visible);
    if (column.Visible)
        setColumnWidth(section, column.Width);
}

void CListCtrlEx::SyncOrder()
{
    const QScopedValueRollback guard(m_syncing, true);
    const std::vector<int> order = m_data.GetDisplayOrder();
    for (int visual = 0; visual < static_cast<int>(order.size()); ++visual) {
        const int section = m_model->Section(order[static_cast<size_t>(visual)]);
        const int from = header()->visualIndex(section);
        if (section >= 0 && from != visual)
            header()->moveSection(from, visual);
    }
}

void CListCtrlEx::SyncSortIndicator()
{
    const QScopedValueRollback guard(m_syncing, true);
    const int section = m_model->Section(m_data.GetSortColumn());
    header()->setSortIndicator(section, m_data.GetSortState() < 0 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void CListCtrlEx::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const
{
    QStyleOptionViewItem shown(option);
    shown.state.setFlag(QStyle::State_Active, hasFocus());
    QTreeView::drawRow(painter, shown, index);
}

void CListCtrlEx::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::Copy) {
        CopySelection();
        event->accept();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const std::uint32_t rowId = RowIdAt(currentIndex());
    if (enter && rowId != 0 && isSignalConnected(QMetaMethod::fromSignal(&CListCtrlEx::RowOpened))) {
        event->accept();
        emit RowOpened(rowId, event->modifiers());
        return;
    }
    QTreeView::keyPressEvent(event);
}

// The view's own "activated" is left alone: it comes with a double click and again with the
// click before it under styles that activate on one click.
void CListCtrlEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    const std::uint32_t rowId = RowIdAt(indexAt(event->position().toPoint()));
    QTreeView::mouseDoubleClickEvent(event);
    if (rowId == 0)
        return;
    emit RowDoubleClicked(rowId, event->modifiers());
    emit RowOpened(rowId, event->modifiers());
}

// Every selected row changes its colour, not only the current one.
void CListCtrlEx::focusInEvent(QFocusEvent* event)
{
    QTreeView::focusInEvent(event);
    viewport()->update();
}

void CListCtrlEx::focusOutEvent(QFocusEvent* event)
{
    QTreeView::focusOutEvent(event);
    viewport()->update();
}

void CListCtrlEx::changeEvent(QEvent* event)
{
    QTreeView::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        UpdatePalette();
}
