#include "SalesPage.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "pages/common/FormFields.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"
#include "pages/sales/DialogSales.h"
#include "pages/sales/SalesFigures.h"
#include "platform/Clock.h"
#include "resources/StringIds.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTextCharFormat>
#include <QVBoxLayout>

namespace {

constexpr int kNbColumns = 13;
constexpr int kFiguresPerPeriod = 4;
constexpr int kInputPrecision = -1;
constexpr int kLegendIconSize = 14;
// The background of today in the calendar and of its legend icon.
const QColor kTodayColour(255, 214, 153);

// Name, then per period (day, month, year): revenue, portions, margin, cost-of-goods ratio.
constexpr CListColumnSpec kColumns[kNbColumns] = {
    {StringId::kNameHeader, EColumnFormat::Left, 180},
    {StringId::kDayRevenueHeader, EColumnFormat::Right, 90},
    {StringId::kDayPortionsHeader, EColumnFormat::Right, 90},
    {StringId::kDayMarginHeader, EColumnFormat::Right, 90},
    {StringId::kDayRatioHeader, EColumnFormat::Right, 90},
    {StringId::kMonthRevenueHeader, EColumnFormat::Right, 90},
    {StringId::kMonthPortionsHeader, EColumnFormat::Right, 90},
    {StringId::kMonthMarginHeader, EColumnFormat::Right, 90},
    {StringId::kMonthRatioHeader, EColumnFormat::Right, 90},
    {StringId::kYearRevenueHeader, EColumnFormat::Right, 90},
    {StringId::kYearPortionsHeader, EColumnFormat::Right, 90},
    {StringId::kYearMarginHeader, EColumnFormat::Right, 90},
    {StringId::kYearRatioHeader, EColumnFormat::Right, 90},
};

constexpr int kRatioColumns[] = {4, 8, 12};

QPixmap LegendIcon(const QColor& colour)
{
    QPixmap icon(kLegendIconSize, kLegendIconSize);
    icon.fill(colour);
    QPainter painter(&icon);
    painter.setPen(colour.darker(150));
    painter.drawRect(0, 0, kLegendIconSize - 1, kLegendIconSize - 1);
    return icon;
}

QWidget* LegendRow(const QColor& colour, const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* icon = new QLabel(row);
    icon->setPixmap(LegendIcon(colour));
    layout->addWidget(icon);
    QLabel* label = buddy ? CFormFields::Label(text, buddy, row) : new QLabel(text, row);
    layout->addWidget(label, 1);
    return row;
}

QDate ToQDate(const CLocalTime& time)
{
    return QDate(time.Year, time.Month, time.Day);
}

} // namespace

CSalesPage::CSalesPage(CPageHost& host, const COptions& options, QWidget* parent)
    : CSubDialog(host, options, parent)
{
    Title()->setText(QStringLiteral("Abverkäufe lt. Kassenjournal (Erfassung z.B. monatlich)"));
    Subtitle()->setText(
        QStringLiteral("Sobald Sie mindestens einen Abverkauf erfasst haben, können Sie "
                       "im nächsten Schritt Ihre betriebswirtschaftlichen Kennzahlen auswerten"));
    BuildBody();
    AddColumns();
    // A fresh installation shows the nine columns without the cost-of-goods ratios.
    if (!m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry)) {
        for (const int column : kRatioColumns)
            m_list->SetColumnVisible(column, false);
    }
    m_calendar->setSelectedDate(ToQDate(host.Clock().LocalNow()));
    UpdateEnabling();
}

CSalesPage::~CSalesPage()
{
    m_list->SaveLayout(Host().Profile(), kLayoutSection, kLayoutEntry);
}

void CSalesPage::BuildBody()
{
    m_list = new CListCtrlEx(Body());
    m_list->setObjectName(QStringLiteral("salesRecipeList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BuildCalendar());
    bottom->addStretch(1);
    bottom->addWidget(BuildBooking(), 0, Qt::AlignBottom);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);
    connect(m_list, &CListCtrlEx::SelectionChanged, this, &CSalesPage::UpdateEnabling);
    connect(m_list, &CListCtrlEx::RowDoubleClicked, this, [this] { OpenSalesList(); });
    // Enter on a dish goes on to its portions.
    connect(m_list, &CListCtrlEx::RowActivated, this, [this] {
        if (SelectedRecipe()) {
            m_portions->setFocus(Qt::OtherFocusReason);
            m_portions->selectAll();
        }
    });
}

// The month calendar (German, weeks from Monday) and its legend.
QWidget* CSalesPage::BuildCalendar()
{
    auto* column = new QWidget(Body());
    m_calendar = new QCalendarWidget(column);
    m_calendar->setObjectName(QStringLiteral("saleDate"));
    m_calendar->setLocale(QLocale(QLocale::German, QLocale::Germany));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_calendar->setFixedSize(m_calendar->sizeHint());
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_calendar);
    layout->addWidget(LegendRow(palette().color(QPalette::Active, QPalette::Highlight),
                                QStringLiteral("&Datum des Abverkaufs"), m_calendar, column));
    layout->addWidget(LegendRow(kTodayColour, QStringLiteral("aktuelles Datum"), nullptr, column));
    return column;
}

// The portions field, "Hinzufügen", "Verkaufsliste" and the hint how to book.
QWidget* CSalesPage::BuildBooking()
{
    auto* column = new QWidget(Body());
    m_portions = CFormFields::TextField("portions", column);
    m_portions->setMaximumWidth(100);
    m_portions->installEventFilter(this);
    CNumberField::Show(m_portions, 1.0, kInputPrecision);
    m_add = CFormFields::Button(QStringLiteral("&Hinzufügen"), "addSale", column, false);
    m_salesList = CFormFields::Button(QStringLiteral("&Verkaufsliste"), "salesList", column, false);
    auto* hint =
        new QLabel(QStringLiteral("(Klicken Sie auf ein Gericht aus der Liste, geben Sie die verkaufte "
                                  "Menge ein und drücken Sie \"Hinzufügen\") "),
                   column);
    hint->setObjectName(QStringLiteral("bookingHint"));
    hint->setWordWrap(true);
    hint->setMaximumWidth(320);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    CFormFields::AddRow(grid, 0, 0, QStringLiteral("verkaufte &Portionen :"), m_portions);
    grid->addWidget(m_add, 1, 1);
    grid->addWidget(m_salesList, 2, 1);
    grid->addWidget(hint, 3, 0, 1, 2);
    connect(m_add, &QPushButton::clicked, this, &CSalesPage::RecordSale);
    connect(m_salesList, &QPushButton::clicked, this, &CSalesPage::OpenSalesList);
    return column;
}

void CSalesPage::AddColumns()
{
    m_list->InsertColumns(kColumns);
}

// Another catalogue: nothing of the last one stays selected, and the calendar shows today.
void CSalesPage::InitFromData(CData& data)
{
    (void)data;
    m_rows.clear();
    m_list->DeleteAllRows();
    m_calendar->setSelectedDate(ToQDate(Host().Clock().LocalNow()));
    FillList();
}

void CSalesPage::RefreshPage()
{
    FillList();
}

void CSalesPage::Print()
{
    Host().PrintList(*m_list, StringId::kSalesListTitle);
}

// The selected dish stays selected when the group still shows it.
void CSalesPage::FillList()
{
    const int selected = SelectedId();
    Refill();
    SelectRecipe(selected);
    UpdateEnabling();
    ShowToday();
    UpdateHint();
}

// The dishes of the selected section in catalogue order with their figures at the clock's time,
// then sorted as the user last sorted the list.
void CSalesPage::Refill()
{
    m_list->DeleteAllRows();
    m_rows.clear();
    if (CData* data = Host().GetData()) {
        const CGroupSelection selection = Host().GetGroupSelection();
        const CSalesFigures figures(*data, CSalesPeriods(Host().Clock().LocalNow()));
        for (CRecipe& recipe : data->Recipes) {
            if (recipe.UseForSale && selection.ShowsGroup(recipe.NameGroupIndex, *data))
                AddRow(recipe, figures);
        }
    }
    m_list->Fill();
    m_list->Sort();
}

void CSalesPage::AddRow(CRecipe& recipe, const CSalesFigures& figures)
{
    const std::uint32_t row = m_list->AddRow(static_cast<std::uint32_t>(m_rows.size()));
    m_rows.push_back({&recipe, recipe.Id});
    m_list->SetCellText(row, 0, recipe.Name);
    for (int period = 0; period < CSalesPeriods::kNbPeriods; ++period) {
        const CSalesFigures::CFigures shown =
            figures.Get(&recipe, static_cast<CSalesPeriods::EPeriod>(period));
        const int first = 1 + period * kFiguresPerPeriod;
        m_list->SetCellNumber(row, first, shown.GrossRevenue, ECellType::TwoDecimals);
        m_list->SetCellNumber(row, first + 1, shown.Portions, ECellType::Truncated);
        m_list->SetCellNumber(row, first + 2, shown.Margin, ECellType::TwoDecimals);
        m_list->SetCellNumber(row, first + 3, shown.CostRatio, ECellType::TwoDecimalsAlt);
    }
}

CRecipe* CSalesPage::SelectedRecipe() const
{
    const auto index = m_list->GetSelectedUserData();
    return index && *index < m_rows.size() ? m_rows[*index].Recipe : nullptr;
}

int CSalesPage::SelectedId() const
{
    const auto index = m_list->GetSelectedUserData();
    return index && *index < m_rows.size() ? m_rows[*index].Id : -1;
}

// Rows are added in order, so a row's id is its index + 1.
void CSalesPage::SelectRecipe(int id)
{
    if (id < 0)
        return;
    for (std::size_t index = 0; index < m_rows.size(); ++index) {
        if (m_rows[index].Id == id) {
            m_list->SelectRowById(static_cast<std::uint32_t>(index + 1));
            return;
        }
    }
}

// The calendar's day at 00:00; invalid when the calendar has no day the catalogue can hold.
CDateTime CSalesPage::SelectedDate() const
{
    const QDate date = m_calendar->selectedDate();
    if (!date.isValid())
        return CDateTime::MakeInvalid();
    return CDateTime(date.year(), date.month(), date.day());
}

void CSalesPage::RecordSale()
{
    CRecipe* recipe = SelectedRecipe();
    CData* data = Host().GetData();
    if (!recipe || !data)
        return;
    double portions = 1.0;
    if (!CNumberField::Read(m_portions, Host().Messages(), portions))
        return;
    const CDateTime date = SelectedDate();
    if (!date.IsValid())
        return;
    const bool first = data->Sales.IsEmpty();
    if (data->AddSaleFromRecipe(recipe, portions, date) != 1)
        return;
    FillList();
    CNumberField::Show(m_portions, 1.0, kInputPrecision);
    if (m_portions->hasFocus())
        m_portions->selectAll();
    if (first)
        Host().RebuildTabs(-1);
}

void CSalesPage::OpenSalesList()
{
    CData* data = Host().GetData();
    if (!data)
        return;
    const bool hadSales = !data->Sales.IsEmpty();
    {
        CDialogSales dialog(Host(), SelectedRecipe(), this);
        dialog.exec();
    }
    FillList();
    if (hadSales && data->Sales.IsEmpty())
        Host().RebuildTabs(-1);
}

// Booking needs a dish: without one the portions field is read-only and skipped by Tab.
void CSalesPage::UpdateEnabling()
{
    const bool selected = SelectedRecipe() != nullptr;
    m_portions->setReadOnly(!selected);
    m_portions->setFocusPolicy(selected ? Qt::StrongFocus : Qt::NoFocus);
    m_add->setEnabled(selected);
}

// Today in the calendar, as the clock says (it may have passed midnight since the last refill).
void CSalesPage::ShowToday()
{
    const QDate today = ToQDate(Host().Clock().LocalNow());
    if (today == m_markedToday)
        return;
    if (m_markedToday.isValid())
        m_calendar->setDateTextFormat(m_markedToday, QTextCharFormat());
    QTextCharFormat format;
    format.setBackground(kTodayColour);
    format.setFontWeight(QFont::Bold);
    m_calendar->setDateTextFormat(today, format);
    m_markedToday = today;
}

void CSalesPage::UpdateHint()
{
    const CData* data = Host().GetData();
    Subtitle()->setVisible(!data || data->Sales.IsEmpty());
}

// Enter in the portions field books the sale.
bool CSalesPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_portions && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            RecordSale();
            return true;
        }
    }
    return CSubDialog::eventFilter(watched, event);
}
