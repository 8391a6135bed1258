#include "EvaluationPage.h"

#include "catalogue/Data.h"
#include "controls/ChartPainter.h"
#include "controls/ChartWnd.h"
#include "controls/ListCtrlEx.h"
#include "controls/MenuChartPainter.h"
#include "controls/MenuChartWnd.h"
#include "controls/model/AccessKeys.h"
#include "datafile/ProgramMessages.h"
#include "evaluation/ChartSettingsConversion.h"
#include "evaluation/EvaluationBuilder.h"
#include "evaluation/EvaluationRange.h"
#include "evaluation/EvaluationTableText.h"
#include "evaluation/MenuEngineeringView.h"
#include "pages/common/ExportFile.h"
#include "pages/common/FormFields.h"
#include "pages/common/PageHost.h"
#include "pages/recipes/DialogRecipe.h"
#include "platform/Clock.h"
#include "platform/ProfileStore.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QBuffer>
#include <QButtonGroup>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <charconv>

namespace {

// A picture of a chart that has never been laid out still gets a readable size.
const QSize kSmallestPicture(400, 300);
const QSize kDefaultPicture(800, 500);
// The table's columns: the sort key, the name, then one per month.
constexpr int kFirstMonthColumn = 2;

QAction* AddCommand(QMenu& menu, const QString& text, int command, bool checked)
{
    QAction* action = menu.addAction(text);
    action->setCheckable(true);
    action->setChecked(checked);
    action->setData(command);
    return action;
}

// The chosen command of a popup menu at the top right corner of its button; 0 for none. The
// menu carries its button's name, which a screen reader announces when it opens.
int ChooseCommand(QMenu& menu, QPushButton* button)
{
    menu.setAccessibleName(button->text().remove(QLatin1Char('&')));
    const QAction* chosen = menu.exec(button->mapToGlobal(button->rect().topRight()));
    return chosen != nullptr ? chosen->data().toInt() : 0;
}

QDate ToQDate(const CDateTime& date)
{
    return date.IsValid() ? QDate(date.GetYear(), date.GetMonth(), date.GetDay()) : QDate();
}

CDateTime ToDateTime(const QDate& date)
{
    return date.isValid() ? CDateTime(date.year(), date.month(), date.day()) : CDateTime::MakeInvalid();
}

QDateEdit* MakePicker(const char* objectName, QWidget* parent)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(objectName));
    picker->setLocale(QLocale(QLocale::German, QLocale::Germany));
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setDateRange(QDate(100, 1, 1), QDate(9999, 12, 31));
    picker->setCalendarPopup(true);
    return picker;
}

} // namespace

CEvaluationPage::CEvaluationPage(CPageHost& host, const COptions& options, QWidget* parent)
    : CSubDialog(host, options, parent)
{
    Title()->setText(UiText(DialogText::EvaluationPage::kTitle));
    Subtitle()->setText(ToQString(CStringTables::Load(StringId::kEvaluationHeading)));
    BuildBody();
    m_table->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
    connect(m_table, &CListCtrlEx::LayoutEdited, this,
            [this] { m_table->SaveLayout(Host().Profile(), kLayoutSection, kLayoutEntry); });
    // The columns first: a remembered layout applies only to the columns it was taken of.
    CListCtrlData dishes;
    MenuEngineeringView::SetUpColumns(dishes);
    m_menuTable->Assign(std::move(dishes));
    m_menuTable->LoadLayout(host.Profile(), kLayoutSection, kMenuLayoutEntry);
    connect(m_menuTable, &CListCtrlEx::LayoutEdited, this,
            [this] { m_menuTable->SaveLayout(Host().Profile(), kLayoutSection, kMenuLayoutEntry); });
    TakeRemembered();
    ShowSettings();
    ShowDisplayKind();
}

void CEvaluationPage::BuildBody()
{
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(BuildCommandRow());
    layout->addWidget(BuildChoices());
    m_views = new QStackedWidget(Body());
    m_chart = new CChartWnd(m_views);
    m_chart->setObjectName(QStringLiteral("evaluationChart"));
    m_table = new CListCtrlEx(m_views);
    m_table->setObjectName(QStringLiteral("evaluationTable"));
    m_views->addWidget(m_chart);
    m_views->addWidget(m_table);
    m_views->addWidget(BuildMenuView());
    layout->addWidget(m_views, 1);
    auto* exports = new QHBoxLayout;
    QPushButton* saveChart =
        FormFields::Button(UiText(DialogText::EvaluationPage::kSaveChart), "saveChart", Body());
    QPushButton* exportTable =
        FormFields::Button(UiText(DialogText::EvaluationPage::kExportTable), "exportTable", Body());
    exports->addStretch(1);
    exports->addWidget(saveChart);
    exports->addWidget(exportTable);
    layout->addLayout(exports);
    connect(saveChart, &QPushButton::clicked, this, &CEvaluationPage::SaveChart);
    connect(exportTable, &QPushButton::clicked, this, &CEvaluationPage::ExportTable);
}

QWidget* CEvaluationPage::BuildCommandRow()
{
    auto* row = new QWidget(Body());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_displayButton =
        FormFields::Button(UiText(DialogText::EvaluationPage::kDisplayKind), "displayKindButton", row);
    m_seriesButton = FormFields::Button(UiText(DialogText::EvaluationPage::kSeries), "seriesButton", row);
    m_selectionButton =
        FormFields::Button(UiText(DialogText::EvaluationPage::kMenuSelection), "menuSelectionButton", row);
    layout->addWidget(m_displayButton);
    layout->addWidget(m_seriesButton);
    layout->addWidget(m_selectionButton);
    layout->addStretch(1);
    m_startPicker = MakePicker("startPicker", row);
    m_endPicker = MakePicker("endPicker", row);
    for (const auto& [text, picker] : {std::pair{UiText(DialogText::EvaluationPage::kStart), m_startPicker},
                                       std::pair{UiText(DialogText::EvaluationPage::kEnd), m_endPicker}}) {
        auto* label = new QLabel(text, row);
        label->setBuddy(picker);
        layout->addWidget(label);
        layout->addWidget(picker);
    }
    connect(m_displayButton, &QPushButton::clicked, this, &CEvaluationPage::ChooseDisplayKind);
    connect(m_seriesButton, &QPushButton::clicked, this, &CEvaluationPage::ChooseSeries);
    connect(m_selectionButton, &QPushButton::clicked, this, &CEvaluationPage::ChooseMenuSelection);
    ConnectPicker(m_startPicker, &CEvaluationPage::PickStart);
    ConnectPicker(m_endPicker, &CEvaluationPage::PickEnd);
    return row;
}

// A day chosen in the drop-down calendar, or a date typed and confirmed with Enter or by
// leaving the field. The calendar's choice is taken once the picker has closed it.
void CEvaluationPage::ConnectPicker(QDateEdit* picker, void (CEvaluationPage::*pick)(const QDate&))
{
    QCalendarWidget* calendar = picker->calendarWidget();
    const auto picked = [this, pick](QDate date) { (this->*pick)(date); };
    QObject* receiver = m_pickerReceiver.get();
    connect(calendar, &QCalendarWidget::clicked, receiver, picked, Qt::QueuedConnection);
    connect(calendar, &QCalendarWidget::activated, receiver, picked, Qt::QueuedConnection);
    connect(picker, &QDateEdit::editingFinished, receiver, [this, picker, pick] {
        const CDateTime& shown = picker == m_startPicker ? m_settings.Start : m_settings.End;
        if (picker->date() != ToQDate(shown))
            (this->*pick)(picker->date());
    });
}

QWidget* CEvaluationPage::BuildChoices()
{
    auto* box = new QWidget(Body());
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_perMonth = AddRadio(box, UiText(DialogText::EvaluationPage::kPerMonth), "perMonthRadio");
    m_cumulative = AddRadio(box, UiText(DialogText::EvaluationPage::kCumulative), "cumulativeRadio");
    m_original = AddRadio(box, UiText(DialogText::EvaluationPage::kOriginal), "originalRadio");
    m_simulation = AddRadio(box, UiText(DialogText::EvaluationPage::kSimulation), "simulationRadio");
    // The two short choices side by side, the two long ones below each other, so that the page
    // fits beside the section bar in the smallest window.
    layout->addWidget(m_perMonth, 0, 0);
    layout->addWidget(m_cumulative, 0, 1);
    layout->addWidget(m_original, 1, 0, 1, 3);
    layout->addWidget(m_simulation, 2, 0, 1, 3);
    layout->setColumnStretch(2, 1);
    for (QRadioButton* first : {m_perMonth, m_original}) {
        auto* group = new QButtonGroup(box);
        group->addButton(first);
        group->addButton(first == m_perMonth ? m_cumulative : m_simulation);
    }
    connect(m_perMonth, &QRadioButton::clicked, this, [this] { SetPerMonth(true); });
    connect(m_cumulative, &QRadioButton::clicked, this, [this] { SetPerMonth(false); });
    connect(m_original, &QRadioButton::clicked, this, [this] { SetOriginalData(true); });
    connect(m_simulation, &QRadioButton::clicked, this, [this] { SetOriginalData(false); });
    return box;
}

// The menu chart above the table of dishes; the user moves the border between them.
QWidget* CEvaluationPage::BuildMenuView()
{
    m_menuView = new QSplitter(Qt::Vertical, m_views);
    m_menuView->setObjectName(QStringLiteral("menuView"));
    m_menuChart = new CMenuChartWnd(m_menuView);
    m_menuChart->setObjectName(QStringLiteral("menuChart"));
    m_menuTable = new CListCtrlEx(m_menuView);
    m_menuTable->setObjectName(QStringLiteral("menuTable"));
    m_menuView->addWidget(m_menuChart);
    m_menuView->addWidget(m_menuTable);
    // The chart gets the room; a short menu needs few table rows, a long one scrolls.
    m_menuView->setStretchFactor(0, 3);
    m_menuView->setStretchFactor(1, 1);
    m_menuView->setSizes({300, 100});
    m_menuView->setChildrenCollapsible(false);
    connect(m_menuChart, &CMenuChartWnd::PointActivated, this, &CEvaluationPage::OpenDish);
    // The dish chosen in the table is ringed in the chart, the dot chosen by keyboard selected
    // in the table.
    connect(m_menuTable, &CListCtrlEx::SelectionChanged, this, [this] {
        if (const auto dish = m_menuTable->GetSelectedUserData())
            m_menuChart->SetCurrentPointById(*dish);
    });
    connect(m_menuChart, &CMenuChartWnd::CurrentPointChanged, this, [this](std::uint32_t dish) {
        for (const CListRow& row : m_menuTable->GetData().GetRows())
            if (row.UserData == dish)
                (void)m_menuTable->SelectRowById(row.Id);
    });
    connect(m_menuTable, &CListCtrlEx::RowOpened, this,
            [this](std::uint32_t rowId, Qt::KeyboardModifiers) { OpenMenuRow(rowId); });
    return m_menuView;
}

QRadioButton* CEvaluationPage::AddRadio(QWidget* parent, const QString& text, const char* objectName)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QString::fromLatin1(objectName));
    return radio;
}

void CEvaluationPage::InitFromData(CData& data)
{
    TakeRemembered();
    DropUnnamedSeries(data);
    m_seriesMenu.reset();
    // Nothing of the catalogue that was replaced stays on show until the next build.
    m_chart->Graph().Reset();
    m_chart->update();
    m_table->Assign(CListCtrlData());
    m_analysis = CMenuAnalysis();
    m_menuChart->Chart() = CMenuChart();
    m_menuTable->DeleteAllRows();
    ShowSettings();
    ShowDisplayKind();
}

// A group without a name has no menu entry and no legend name: its series is not drawn, and
// the defaults come back when no series is left.
void CEvaluationPage::DropUnnamedSeries(const CData& data)
{
    for (int group = 0; group < CData::kNbGroups; ++group) {
        if (data.GetGroupName(group).empty())
            m_settings.SeriesFlags[static_cast<std::size_t>(group)] = false;
    }
    if (std::none_of(m_settings.SeriesFlags.begin(), m_settings.SeriesFlags.end(),
                     [](bool flag) { return flag; }))
        m_settings.SeriesFlags = CSeriesMenuPlan::DefaultFlags();
}

// The remembered choices; the series drawn so far stay.
void CEvaluationPage::TakeRemembered()
{
    const CChartSettings& chart = Host().ChartSettings();
    const auto flags = m_settings.SeriesFlags;
    const bool fresh = std::none_of(flags.begin(), flags.end(), [](bool flag) { return flag; });
    m_settings = CChartSettingsConversion::ToEvaluation(chart, Host().Clock().LocalNow());
    if (!fresh)
        m_settings.SeriesFlags = flags;
    m_display = chart.ShowActive == EChartDisplay::Table ? EChartDisplay::Table : EChartDisplay::Chart;
    const CProfileStore& profile = Host().Profile();
    m_menuShown = profile.GetString(kLayoutSection, kMenuShownEntry).value_or("") == "1";
    const std::string selection = profile.GetString(kLayoutSection, kMenuSelectionEntry).value_or("");
    unsigned selector = 0;
    const auto [end, error] =
        std::from_chars(selection.data(), selection.data() + selection.size(), selector);
    if (error == std::errc() && end == selection.data() + selection.size() &&
        CMenuAnalysis::IsValidSelector(selector))
        m_menuSelector = selector;
    Remember();
}

void CEvaluationPage::RefreshPage()
{
    BuildEvaluation(Host().ChartSettings().ChartActive);
}

void CEvaluationPage::Print()
{
    if (m_menuShown)
        Host().PrintList(*m_menuTable, StringId::kMenuAnalysisTitle);
    else
        Host().PrintList(*m_table, StringId::kEvaluationTableTitle);
}

void CEvaluationPage::BuildEvaluation(EMeasure measure)
{
    m_settings.Measure = measure;
    Remember();
    Rebuild();
}

// A builder over the catalogue of this moment: the catalogue is replaced by every load, and
// group names change on the master data pages meanwhile.
void CEvaluationPage::Rebuild()
{
    const CData* data = Host().GetData();
    if (data == nullptr)
        return;
    DropUnnamedSeries(*data);
    CListCtrlData table;
    CEvaluationBuilder(*data).Build(m_settings, m_chart->Graph(), table);
    m_table->Assign(std::move(table));
    m_chart->update();
    ShowCurrentMonth();
    if (m_menuShown)
        RebuildMenu();
}

// The analysis over the months and prices of the evaluation, into the chart and the table; the
// table keeps its layout and sort order.
void CEvaluationPage::RebuildMenu()
{
    const CData* data = Host().GetData();
    if (data == nullptr)
        return;
    // A remembered group that has no name in this catalogue: all food or all drinks instead.
    if (m_menuSelector < static_cast<unsigned>(CData::kNbGroups) &&
        data->GetGroupName(static_cast<int>(m_menuSelector)).empty())
        m_menuSelector = static_cast<int>(m_menuSelector) < data->NbFoodGroups ? CData::SeriesAllFood
                                                                               : CData::SeriesAllDrinks;
    const CMenuRequest request{m_settings.Start, m_settings.End, m_menuSelector, m_settings.OriginalData};
    m_analysis = CMenuAnalysis::Build(*data, request);
    MenuEngineeringView::FillChart(*data, m_analysis, m_menuChart->Chart());
    m_menuChart->setAccessibleName(ToQString(m_menuChart->Chart().Title));
    m_menuChart->SetCurrentPoint(m_menuChart->GetCurrentPoint());
    CListCtrlData table = m_menuTable->GetData();
    MenuEngineeringView::FillTable(*data, m_analysis, table);
    m_menuTable->Assign(std::move(table));
}

// Today's month, or the range's last one when today lies outside it, scrolled into view.
void CEvaluationPage::ShowCurrentMonth()
{
    const QAbstractItemModel* model = m_table->model();
    const int months = model != nullptr ? model->columnCount() - kFirstMonthColumn : 0;
    if (months <= 0 || model->rowCount() == 0)
        return;
    const CLocalTime now = Host().Clock().LocalNow();
    const int offset = (now.Year - m_settings.Start.GetYear()) * 12 + now.Month - m_settings.Start.GetMonth();
    const int month = offset >= 0 && offset < months ? offset : months - 1;
    m_table->scrollTo(model->index(0, kFirstMonthColumn + month), QAbstractItemView::EnsureVisible);
}

void CEvaluationPage::Remember()
{
    CChartSettings& chart = Host().ChartSettings();
    CChartSettingsConversion::Remember(m_settings, chart);
    chart.ShowActive = m_display;
}

void CEvaluationPage::RememberMenu()
{
    CProfileStore& profile = Host().Profile();
    (void)profile.WriteString(kLayoutSection, kMenuShownEntry, m_menuShown ? "1" : "0");
    (void)profile.WriteString(kLayoutSection, kMenuSelectionEntry, std::to_string(m_menuSelector));
}

void CEvaluationPage::ShowSettings()
{
    const QSignalBlocker blockStart(m_startPicker);
    const QSignalBlocker blockEnd(m_endPicker);
    m_startPicker->setDate(ToQDate(m_settings.Start));
    m_endPicker->setDate(ToQDate(m_settings.End));
    (m_settings.PerMonth ? m_perMonth : m_cumulative)->setChecked(true);
    (m_settings.OriginalData ? m_original : m_simulation)->setChecked(true);
}

void CEvaluationPage::ShowDisplayKind()
{
    const bool chart = m_display == EChartDisplay::Chart && !m_menuShown;
    if (m_menuShown)
        m_views->setCurrentWidget(m_menuView);
    else
        m_views->setCurrentWidget(chart ? static_cast<QWidget*>(m_chart) : m_table);
    m_seriesButton->setVisible(chart);
    m_selectionButton->setVisible(m_menuShown);
    m_perMonth->setEnabled(!m_menuShown);
    m_cumulative->setEnabled(!m_menuShown);
    if (!chart && !m_menuShown)
        ShowCurrentMonth();
}

void CEvaluationPage::ChooseDisplayKind()
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("displayKindMenu"));
    AddCommand(menu, UiText(DialogText::DisplayKindMenu::kChart), kChartCommand,
               m_display == EChartDisplay::Chart);
    AddCommand(menu, UiText(DialogText::DisplayKindMenu::kTable), kTableCommand,
               m_display == EChartDisplay::Table && !m_menuShown);
    AddCommand(menu, UiText(DialogText::DisplayKindMenu::kMenu), kMenuCommand, m_menuShown);
    const int command = ChooseCommand(menu, m_displayButton);
    if (command == kChartCommand)
        SetDisplayKind(EChartDisplay::Chart);
    else if (command == kTableCommand)
        SetDisplayKind(EChartDisplay::Table);
    else if (command == kMenuCommand)
        ShowMenuAnalysis();
}

// Both views are filled by every build: switching shows the other one without building.
void CEvaluationPage::SetDisplayKind(EChartDisplay display)
{
    m_display = display;
    m_menuShown = false;
    ShowDisplayKind();
    Remember();
    RememberMenu();
}

void CEvaluationPage::ShowMenuAnalysis()
{
    m_menuShown = true;
    RebuildMenu();
    ShowDisplayKind();
    RememberMenu();
}

// "Alle Speisen" and the food groups, then "Alle Getränke" and the drink groups; groups
// without a name have no entry.
void CEvaluationPage::ChooseMenuSelection()
{
    const CData* data = Host().GetData();
    if (data == nullptr)
        return;
    std::vector<unsigned> selectors{CData::SeriesAllFood};
    for (int group = 0; group <= CData::kNbGroups; ++group) {
        if (group == data->NbFoodGroups)
            selectors.push_back(CData::SeriesAllDrinks);
        if (group < CData::kNbGroups && !data->GetGroupName(group).empty())
            selectors.push_back(static_cast<unsigned>(group));
    }
    std::vector<std::string> names;
    for (unsigned selector : selectors)
        names.push_back(CEvaluationBuilder::DisplayName(*data, selector));
    const std::vector<std::string> texts = MenuTextsWithAccessKeys(names);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("menuSelectionMenu"));
    for (std::size_t i = 0; i < selectors.size(); ++i)
        AddCommand(menu, ToQString(texts[i]), kSelectionCommandBase + static_cast<int>(selectors[i]),
                   selectors[i] == m_menuSelector);
    if (const int command = ChooseCommand(menu, m_selectionButton))
        SetMenuSelection(static_cast<unsigned>(command - kSelectionCommandBase));
}

void CEvaluationPage::SetMenuSelection(unsigned selector)
{
    if (!CMenuAnalysis::IsValidSelector(selector))
        return;
    m_menuSelector = selector;
    RebuildMenu();
    RememberMenu();
}

void CEvaluationPage::OpenMenuRow(std::uint32_t rowId)
{
    if (const CListRow* row = m_menuTable->GetData().FindRow(rowId))
        OpenDish(row->UserData);
}

// The catalogue's own recipe is edited through a working copy, as on the recipes page.
void CEvaluationPage::OpenDish(std::uint32_t dishId)
{
    CData* data = Host().GetData();
    const auto& dishes = m_analysis.GetDishes();
    if (data == nullptr || dishId == 0 || dishId > dishes.size() || dishes[dishId - 1].Recipe == nullptr)
        return;
    CRecipe* recipe = nullptr;
    for (CRecipe& candidate : data->Recipes) {
        if (&candidate == dishes[dishId - 1].Recipe)
            recipe = &candidate;
    }
    if (recipe != nullptr && CDialogRecipe::ChangeStored(Host(), *recipe, this))
        RebuildMenu();
}

void CEvaluationPage::ChooseSeries()
{
    const CData* data = Host().GetData();
    if (data == nullptr)
        return;
    m_seriesMenu.emplace(*data, m_settings.SeriesFlags);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("seriesMenu"));
    const auto& entries = m_seriesMenu->GetEntries();
    std::vector<std::string> names;
    for (const CSeriesMenuPlan::CEntry& entry : entries)
        names.push_back(entry.Name);
    const std::vector<std::string> texts = MenuTextsWithAccessKeys(names);
    for (std::size_t i = 0; i < entries.size(); ++i)
        AddCommand(menu, ToQString(texts[i]), entries[i].Command, entries[i].Checked);
    if (const int command = ChooseCommand(menu, m_seriesButton))
        SeriesCommand(command);
}

void CEvaluationPage::SeriesCommand(int command)
{
    const std::optional<unsigned> selector = m_seriesMenu ? m_seriesMenu->SelectorOf(command) : std::nullopt;
    if (selector)
        ToggleSeries(*selector);
}

void CEvaluationPage::ToggleSeries(unsigned selector)
{
    const CSeriesMenuPlan::EToggle result = CSeriesMenuPlan::Toggle(m_settings.SeriesFlags, selector);
    if (result != CSeriesMenuPlan::EToggle::Switched) {
        if (const int message = CSeriesMenuPlan::RefusalMessage(result))
            CProgramMessages::Show(Host().Messages(), message);
        return;
    }
    Rebuild();
}

void CEvaluationPage::PickStart(const QDate& picked)
{
    PickDate(&CEvaluationRange::PickStart, picked);
}

void CEvaluationPage::PickEnd(const QDate& picked)
{
    PickDate(&CEvaluationRange::PickEnd, picked);
}

// The range rules decide what the picked day does to the other end; a changed range is
// remembered and drawn, and the pickers always show the range as it is.
void CEvaluationPage::PickDate(bool (CEvaluationRange::*pick)(const CDateTime&), const QDate& picked)
{
    CEvaluationRange range(m_settings.Start, m_settings.End);
    if ((range.*pick)(ToDateTime(picked))) {
        m_settings.Start = range.Start;
        m_settings.End = range.End;
        Remember();
        Rebuild();
    }
    ShowSettings();
}

void CEvaluationPage::SetPerMonth(bool perMonth)
{
    m_settings.PerMonth = perMonth;
    ShowSettings();
    Remember();
    Rebuild();
}

void CEvaluationPage::SetOriginalData(bool originalData)
{
    m_settings.OriginalData = originalData;
    ShowSettings();
    Remember();
    Rebuild();
}

void CEvaluationPage::SaveChart()
{
    const std::optional<std::string> path = AskSavePath("png", DialogText::EvaluationPage::kChartFilter);
    if (!path)
        return;
    const QWidget* shown = m_menuShown ? static_cast<QWidget*>(m_menuChart) : m_chart;
    QSize size = shown->size();
    if (size.width() < kSmallestPicture.width() || size.height() < kSmallestPicture.height())
        size = kDefaultPicture;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QImage image =
        m_menuShown ? CMenuChartPainter::Render(m_menuChart->Chart(), size, shown->devicePixelRatioF())
                    : CChartPainter::Render(m_chart->Graph(), size, shown->devicePixelRatioF());
    image.save(&buffer, "PNG");
    (void)ExportFile::Write(Host(), *path, bytes);
}

// UTF-8 with a byte order mark, so that spreadsheets read the umlauts of the group names.
void CEvaluationPage::ExportTable()
{
    const std::optional<std::string> path = AskSavePath("csv", DialogText::EvaluationPage::kTableFilter);
    if (!path)
        return;
    (void)ExportFile::WriteCsv(Host(), *path,
                               CEvaluationTableText::ToCsv((m_menuShown ? m_menuTable : m_table)->GetData()));
}

std::optional<std::string> CEvaluationPage::AskSavePath(const char* extension, const char* filter)
{
    return ExportFile::AskPath(Host(), extension, ExportName() + "." + extension, filter);
}

// The chart's title, or for the menu analysis its name and the selection's.
std::string CEvaluationPage::ExportName() const
{
    if (m_menuShown) {
        const CData* data = Host().GetData();
        return CStringTables::Load(StringId::kMenuAnalysisTitle) +
               (data != nullptr ? " " + CEvaluationBuilder::DisplayName(*data, m_menuSelector)
                                : std::string());
    }
    const std::string& title = m_chart->Graph().GetTitle();
    return title.empty() ? std::string("Auswertung") : title;
}

// The whole file or nothing: a failed write leaves an older file of that name as it was.
