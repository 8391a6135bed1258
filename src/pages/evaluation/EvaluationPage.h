#pragma once

#include "evaluation/EvaluationSettings.h"
#include "evaluation/MenuEngineering.h"
#include "evaluation/SeriesMenuPlan.h"
#include "pages/common/SubDialog.h"
#include "settings/ChartSettings.h"

#include <QDate>
#include <QObject>
#include <cstdint>
#include <memory>
#include <optional>

class CChartWnd;
class CEvaluationRange;
class CListCtrlEx;
class CMenuChartWnd;
class QDateEdit;
class QPushButton;
class QRadioButton;
class QSplitter;
class QStackedWidget;

// "Auswertungen": one measure of the sales month by month, as a 3-D bar chart or as a table.
// The user chooses the display kind ("Anzeigeart"), the series the chart draws ("Datenreihen",
// one to eight), the months (start and end pickers, rounded to whole months), monthly values
// or running totals, and the prices frozen in the sales or the current ones; every change
// rebuilds chart and table from the catalogue of the moment. The choices except the series are
// remembered between runs through the host's chart settings. "Diagramm speichern …" writes
// the chart as a PNG picture, "Tabelle exportieren …" the table as semicolon-separated text.
//
// No Q_OBJECT: the page has no signals or slots of its own (the settings it holds pull in
// standard headers that moc cannot parse).
class CEvaluationPage : public CSubDialog
{
public:
    static constexpr int kChartCommand = 40118;
    static constexpr int kTableCommand = 40119;
    static constexpr int kMenuCommand = 40120;
    // The menu analysis's selection menu: this plus the selector.
    static constexpr int kSelectionCommandBase = 41000;
    static constexpr const char* kLayoutSection = "PageChart";
    static constexpr const char* kLayoutEntry = "ChartTable";
    static constexpr const char* kMenuLayoutEntry = "MenuTable";
    // Whether the menu analysis was shown last ("1") and its selection, beside the chart
    // settings, which keep chart or table for the other display kinds.
    static constexpr const char* kMenuShownEntry = "MenuAnalysis";
    static constexpr const char* kMenuSelectionEntry = "MenuSelection";

    CEvaluationPage(CPageHost& host, const COptions& options, QWidget* parent = nullptr);

    // Takes the remembered choices; series of groups without a name are dropped.
    void InitFromData(CData& data) override;
    // Builds for the measure the host's section bar has chosen.
    void RefreshPage() override;
    // Prints the evaluation table.
    void Print() override;

    // Stores the measure and rebuilds chart and table.
    void BuildEvaluation(EMeasure measure);

    const CEvaluationSettings& Settings() const { return m_settings; }
    EChartDisplay DisplayKind() const { return m_display; }
    CChartWnd* Chart() const { return m_chart; }
    CListCtrlEx* Table() const { return m_table; }
    bool IsMenuShown() const { return m_menuShown; }
    const CMenuAnalysis& MenuAnalysis() const { return m_analysis; }
    CMenuChartWnd* MenuChart() const { return m_menuChart; }
    CListCtrlEx* MenuTable() const { return m_menuTable; }

    // The commands of the page, as its buttons and menus give them.
    void ChooseDisplayKind();
    void ChooseSeries();
    void SetDisplayKind(EChartDisplay display);
    // Shows the menu analysis, built for the present choices.
    void ShowMenuAnalysis();
    void ChooseMenuSelection();
    // A group (0..19), all food or all drinks; other selectors are ignored.
    void SetMenuSelection(unsigned selector);
    // Opens the recipe of a dish of the analysis (its position + 1) in the recipe dialog.
    void OpenDish(std::uint32_t dishId);
    // A command of the last series menu.
    void SeriesCommand(int command);
    // Switches a series on or off; refusals are told with messages 134 and 147.
    void ToggleSeries(unsigned selector);
    void PickStart(const QDate& picked);
    void PickEnd(const QDate& picked);
    void PickDate(bool (CEvaluationRange::*pick)(const CDateTime&), const QDate& picked);
    void SetPerMonth(bool perMonth);
    void SetOriginalData(bool originalData);
    void SaveChart();
    void ExportTable();

private:
    void BuildBody();
    QWidget* BuildCommandRow();
    QWidget* BuildChoices();
    QRadioButton* AddRadio(QWidget* parent, const QString& text, const char* objectName);
    void ConnectPicker(QDateEdit* picker, void (CEvaluationPage::*pick)(const QDate&));
    void TakeRemembered();
    void DropUnnamedSeries(const CData& data);
    void ShowCurrentMonth();
    void ShowSettings();
    void ShowDisplayKind();
    void Remember();
    void RememberMenu();
    void Rebuild();
    void RebuildMenu();
    QWidget* BuildMenuView();
    void OpenMenuRow(std::uint32_t rowId);
    std::string ExportName() const;
    std::optional<std::string> AskSavePath(const char* extension, const char* filter);

    CEvaluationSettings m_settings;
    EChartDisplay m_display = EChartDisplay::Chart;
    std::optional<CSeriesMenuPlan> m_seriesMenu;
    QPushButton* m_displayButton = nullptr;
    QPushButton* m_seriesButton = nullptr;
    QDateEdit* m_startPicker = nullptr;
    QDateEdit* m_endPicker = nullptr;
    // The pickers report to the page through this object. It goes with the page's own members,
    // before the widgets: a picker that reports leaving its field while it is deleted reaches
    // nobody.
    std::unique_ptr<QObject> m_pickerReceiver = std::make_unique<QObject>();
    QRadioButton* m_perMonth = nullptr;
    QRadioButton* m_cumulative = nullptr;
    QRadioButton* m_original = nullptr;
    QRadioButton* m_simulation = nullptr;
    QStackedWidget* m_views = nullptr;
    CChartWnd* m_chart = nullptr;
    CListCtrlEx* m_table = nullptr;
    bool m_menuShown = false;
    unsigned m_menuSelector = CData::SeriesAllFood;
    CMenuAnalysis m_analysis;
    QPushButton* m_selectionButton = nullptr;
    QSplitter* m_menuView = nullptr;
    CMenuChartWnd* m_menuChart = nullptr;
    CListCtrlEx* m_menuTable = nullptr;
};
