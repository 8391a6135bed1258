#include "SalesPage.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "pages/common/FormFields.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"
#include "pages/sales/DialogSales.h"
#include "pages/sales/SalesFigures.h"
#include "platform/Clock.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
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
constexpr CListColumnSetup kColumns[kNbColumns] = {
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
    QLabel* label = buddy ? FormFields::Label(text, buddy, row) : new QLabel(text, row);
    layout->addWidget(label, 1);
    return row;
}

QDate ToQDate(const CLocalTime& time)
{
    return QDate(time.Year, time.Month, time.Day);
}

const CListPage::CListSetup kList{"salesRecipeList", kColumns, CSalesPage::kLayoutSection,
                                  CSalesPage::kLayoutEntry, StringId::kSalesListTitle};

} // namespace

CSalesPage::CSalesPage(CPageHost& host, const COptions& options, QWidget* parent)
    : CListPage(host, options, kList, parent)
{
    Title()->setText(UiText(DialogText::SalesPage::kTitle));
    Subtitle()->setText(UiText(DialogText::SalesPage::kSubtitle));
    BuildBody();
    // A fresh installation shows the nine columns without the cost-of-goods ratios.
    if (!LayoutLoaded()) {
        for (const int column : kRatioColumns)
            List()->SetColumnVisible(column, false);
    }
    m_calendar->setSelectedDate(ToQDate(host.Clock().LocalNow()));
    UpdateEnabling();
}

void CSalesPage::BuildBody()
{
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(BuildCalendar());
    bottom->addStretch(1);
    bottom->addWidget(BuildBooking(), 0, Qt::AlignBottom);
    BodyLayout()->addLayout(bottom);
    connect(List(), &CListCtrlEx::SelectionChanged, this, &CSalesPage::UpdateEnabling);
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
                                UiText(DialogText::SalesPage::kDate), m_calendar, column));
    layout->addWidget(LegendRow(kTodayColour, UiText(DialogText::SalesPage::kToday), nullptr, column));
    return column;
}

// The portions field, "Hinzufügen", "Verkaufsliste" and the hint how to book.
QWidget* CSalesPage::BuildBooking()
{
    auto* column = new QWidget(Body());
    m_portions = FormFields::TextField("portions", column);
    m_portions->setMaximumWidth(100);
    m_portions->installEventFilter(this);
    NumberField::Show(m_portions, 1.0, kInputPrecision);
    m_add = FormFields::Button(UiText(DialogText::SalesPage::kAdd), "addSale", column, false);
    m_salesList = FormFields::Button(UiText(DialogText::SalesPage::kSalesList), "salesList", column, false);
    auto* hint = new QLabel(UiText(DialogText::SalesPage::kBookingHint), column);
    hint->setObjectName(QStringLiteral("bookingHint"));
    hint->setWordWrap(true);
    hint->setMaximumWidth(320);
    auto* grid = new QGridLayout(column);
    grid->setContentsMargins(0, 0, 0, 0);
    FormFields::AddRow(grid, 0, 0, UiText(DialogText::SalesPage::kPortions), m_portions);
    grid->addWidget(m_add, 1, 1);
    grid->addWidget(m_salesList, 2, 1);
    grid->addWidget(hint, 3, 0, 1, 2);
    connect(m_add, &QPushButton::clicked, this, &CSalesPage::RecordSale);
    connect(m_salesList, &QPushButton::clicked, this, &CSalesPage::OpenSalesList);
    return column;
}

// Another catalogue: the calendar shows today.
void CSalesPage::InitFromData(CData& data)
{
    m_calendar->setSelectedDate(ToQDate(Host().Clock().LocalNow()));
    CListPage::InitFromData(data);
}

void CSalesPage::AfterFill()
{
    UpdateEnabling();
    ShowToday();
}

// The dishes of the selected section in catalogue order.
void CSalesPage::AddRows(CData& data)
{
    const CGroupSelection selection = Host().GetGroupSelection();
    const CSalesFigures figures(data, CSalesPeriods(Host().Clock().LocalNow()));
    for (const CRecipe& recipe : data.Recipes) {
        if (recipe.UseForSale && selection.ShowsGroup(recipe.NameGroupIndex, data))
            AddRow(recipe, figures);
    }
}

// The hint and the evaluation tab follow the sales, not the dishes.
int CSalesPage::CountRecords(const CData& data) const
{
    return data.Sales.Count();
}

void CSalesPage::AddRow(const CRecipe& recipe, const CSalesFigures& figures)
{
    CListCtrlEx& list = *List();
    const std::uint32_t row = AddRecordRow(recipe.Id);
    list.SetCellText(row, 0, recipe.Name);
    for (int period = 0; period < CSalesPeriods::kNbPeriods; ++period) {
        const CSalesFigures::CFigures shown =
            figures.Get(&recipe, static_cast<CSalesPeriods::EPeriod>(period));
        const int first = 1 + period * kFiguresPerPeriod;
        list.SetCellNumber(row, first, shown.GrossRevenue, ECellType::TwoDecimals);
        list.SetCellNumber(row, first + 1, shown.Portions, ECellType::Truncated);
        list.SetCellNumber(row, first + 2, shown.Margin, ECellType::TwoDecimals);
        list.SetCellNumber(row, first + 3, shown.CostRatio, ECellType::TwoDecimalsAlt);
    }
}

CRecipe* CSalesPage::SelectedRecipe() const
{
    CData* data = Host().GetData();
    return data ? SelectedIn(data->Recipes) : nullptr;
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
    if (!NumberField::Read(m_portions, Host().Messages(), portions))
        return;
    const CDateTime date = SelectedDate();
    if (!date.IsValid())
        return;
    const int before = data->Sales.Count();
    if (data->AddSaleFromRecipe(recipe, portions, date) != 1)
        return;
    NumberField::Show(m_portions, 1.0, kInputPrecision);
    if (m_portions->hasFocus())
        m_portions->selectAll();
    AfterEdit(before, recipe->Id);
}

void CSalesPage::OpenSalesList()
{
    CData* data = Host().GetData();
    if (!data)
        return;
    const int before = data->Sales.Count();
    {
        CDialogSales dialog(Host(), SelectedRecipe(), this);
        dialog.exec();
    }
    AfterEdit(before, std::nullopt);
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
