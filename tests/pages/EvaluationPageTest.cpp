#include "pages/evaluation/EvaluationPage.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "SalesBuilder.h"
#include "TempDir.h"
#include "controls/ChartWnd.h"
#include "controls/model/ListLayoutRecord.h"
#include "pages/PageFactory.h"
#include "resources/StringIds.h"
#include "settings/RememberedValues.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <gtest/gtest.h>
#include <memory>

namespace {

// The user's 19 May 2009: the default range runs from 19 May 2008 to today.
const CLocalTime kToday{2009, 5, 19, 11, 30, 0};

// A main window whose catalogue can be replaced by another one, as "Öffnen ..." does.
class CReplacingHost : public CFakePageHost
{
public:
    CData* GetData() override { return Replacement ? Replacement.get() : &Data; }
    std::unique_ptr<CData> Replacement;
};

class EvaluationPageTest : public testing::Test
{
protected:
    EvaluationPageTest()
    {
        CStringTables::SetLanguage(CStringTables::German);
        Host.Time.SetLocalNow(kToday);
        Host.Chart.ChartActive = EMeasure::NetRevenue;
        Name(Host.Data);
        // Soup in January and March 2009, beer in March 2009.
        AddSale(Host.Data, {0, 2.0, 1.0, 5.0, 5.95, CDateTime(2009, 1, 10, 12, 0, 0)});
        AddSale(Host.Data, {0, 1.0, 1.0, 5.0, 5.95, CDateTime(2009, 3, 3, 12, 0, 0)});
        AddSale(Host.Data, {10, 4.0, 0.5, 2.5, 2.98, CDateTime(2009, 3, 20, 19, 0, 0)});
    }
    static void Name(CData& data)
    {
        data.NameGroup.fill("");
        const char* names[] = {"Suppen", "Salate", "Fisch", "", "Desserts", "Pasta", "Pizza"};
        for (int group = 0; group < 7; ++group)
            data.NameGroup[group] = names[group];
        data.NameGroup[10] = "Bier";
        data.NameGroup[11] = "Wein";
    }
    // The page as the main window makes it after loading: remembered values, then the
    // catalogue, then the tab shown.
    void Open()
    {
        Page.reset(static_cast<CEvaluationPage*>(PageFactory::Create(EPage::Evaluation, Host, nullptr)));
        Page->InitFromData(Host.Data);
        Page->resize(900, 600);
        Page->show();
        QApplication::setActiveWindow(Page.get());
        Page->RefreshPage();
    }
    template <typename T> T* Find(const char* name) const { return Page->findChild<T*>(name); }
    void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }
    // Chooses a series in the "Datenreihen" menu; returns the menu's entries.
    QStringList ChooseSeries(const QString& name)
    {
        QStringList seen;
        WhenMenuAppears(name, &seen);
        Click("seriesButton");
        return seen;
    }
    int ShownSeries() const { return static_cast<int>(Page->Chart()->Graph().GetLegend().GetCount()); }
    QStringList Headers() const
    {
        QStringList headers;
        for (int column = 0; column < Page->Table()->model()->columnCount(); ++column)
            headers << Page->Table()->model()->headerData(column, Qt::Horizontal).toString();
        return headers;
    }
    // A date put into a picker and confirmed with Enter, as after typing it.
    void TypeDate(const char* picker, const QDate& date)
    {
        QDateEdit* edit = Find<QDateEdit>(picker);
        edit->setFocus();
        edit->setDate(date);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    CReplacingHost Host;
    std::unique_ptr<CEvaluationPage> Page;
};

} // namespace

TEST_F(EvaluationPageTest, StartsWithAllThreeSumsOverTheLastYearAndFillsChartAndTable)
{
    Host.Chart.ChartActive = EMeasure::NetRevenue;
    Open();
    EXPECT_EQ(Page->Settings().Start, CDateTime(2008, 5, 19));
    EXPECT_EQ(Page->Settings().End, CDateTime(2009, 5, 19, 23, 59, 59));
    EXPECT_EQ(Find<QDateEdit>("startPicker")->date(), QDate(2008, 5, 19));
    EXPECT_EQ(Find<QDateEdit>("endPicker")->date(), QDate(2009, 5, 19));
    EXPECT_TRUE(Find<QRadioButton>("perMonthRadio")->isChecked());
    EXPECT_TRUE(Find<QRadioButton>("originalRadio")->isChecked());

    const CChartGraph& chart = Page->Chart()->Graph();
    EXPECT_EQ(chart.GetTitle(), "Umsatz netto");
    EXPECT_EQ(chart.GetGroupCount(), 13);
    ASSERT_EQ(ShownSeries(), 3);
    EXPECT_EQ(chart.GetLegend().GetName(2), "Alle Getr\xE4nke");
    // The table lists every named group whatever the chart draws.
    EXPECT_EQ(Column(*Page->Table(), 1),
              QStringList({"Alle", "Alle Speisen", "Alle Getränke", "Suppen", "Salate", "Fisch", "Desserts",
                           "Pasta", "Pizza", "Bier", "Wein"}));
    EXPECT_EQ(Headers().size(), 2 + 13);
    EXPECT_EQ(Column(*Page->Table(), 10).first(), QStringLiteral("10")); // Jan. 09: two soups at 5
    EXPECT_TRUE(Page->Chart()->isVisible());
    EXPECT_TRUE(Find<QPushButton>("seriesButton")->isVisible());
}

TEST_F(EvaluationPageTest, TheMeasureOfTheSectionBarIsBuiltAndRemembered)
{
    Open();
    Host.Chart.ChartActive = EMeasure::CostOfGoods;
    Page->RefreshPage();
    EXPECT_EQ(Page->Chart()->Graph().GetTitle(), "Wareneinsatz");
    Page->BuildEvaluation(EMeasure::ContributionMargin);
    EXPECT_EQ(Page->Chart()->Graph().GetTitle(), "Deckungsbeitrag");
    EXPECT_EQ(Host.Chart.ChartActive, EMeasure::ContributionMargin);
}

TEST_F(EvaluationPageTest, SeriesMenuSkipsUnnamedGroupsAndKeepsBetweenOneAndEightSeries)
{
    Open();
    const QStringList entries = ChooseSeries(QStringLiteral("Suppen"));
    // Every entry has an access key of its own, at a word's start where one is free.
    EXPECT_EQ(entries, QStringList({"&Alle", "Alle &Speisen", "S&uppen", "Sa&late", "&Fisch", "&Desserts",
                                    "&Pasta", "P&izza", "Alle &Getränke", "&Bier", "&Wein"}));
    EXPECT_EQ(ShownSeries(), 4);
    for (const char* name : {"Salate", "Fisch", "Desserts", "Pasta"})
        ChooseSeries(QString::fromUtf8(name));
    EXPECT_EQ(ShownSeries(), 8);
    EXPECT_TRUE(Host.Texts().empty());

    // A ninth series is refused and nothing changes.
    const CEvaluationSettings eight = Page->Settings();
    ChooseSeries(QStringLiteral("Bier"));
    ASSERT_EQ(Host.Texts().size(), 1u);
    EXPECT_EQ(Host.Texts()[0], Text(StringId::kTooManySeries));
    EXPECT_EQ(Page->Settings(), eight);
    EXPECT_EQ(ShownSeries(), 8);

    // Down to a single series; switching that one off is refused too.
    for (const char* name :
         {"Alle", "Alle Speisen", "Alle Getränke", "Suppen", "Salate", "Fisch", "Desserts"})
        ChooseSeries(QString::fromUtf8(name));
    ASSERT_EQ(ShownSeries(), 1);
    EXPECT_EQ(Page->Chart()->Graph().GetLegend().GetName(0), "Pasta");
    ChooseSeries(QStringLiteral("Pasta"));
    ASSERT_EQ(Host.Texts().size(), 2u);
    EXPECT_EQ(Host.Texts()[1], Text(StringId::kNoSeriesLeft));
    EXPECT_EQ(ShownSeries(), 1);
}

TEST_F(EvaluationPageTest, PickersRoundToWholeMonthsAndMoveTheOtherDate)
{
    Open();
    TypeDate("endPicker", QDate(2009, 2, 10));
    EXPECT_EQ(Page->Settings().End, CDateTime(2009, 2, 28, 23, 59, 59));
    EXPECT_EQ(Find<QDateEdit>("endPicker")->date(), QDate(2009, 2, 28));
    EXPECT_EQ(Page->Settings().Start, CDateTime(2008, 5, 19)) << "an earlier start stays as it is";

    // 15 March as start: 1 March, and the end, now before it, the last second of March.
    TypeDate("startPicker", QDate(2009, 3, 15));
    EXPECT_EQ(Page->Settings().Start, CDateTime(2009, 3, 1));
    EXPECT_EQ(Page->Settings().End, CDateTime(2009, 3, 31, 23, 59, 59));
    EXPECT_EQ(Find<QDateEdit>("startPicker")->date(), QDate(2009, 3, 1));
    EXPECT_EQ(Find<QDateEdit>("endPicker")->date(), QDate(2009, 3, 31));
    EXPECT_EQ(Headers(), QStringList({"", "Name", "März"}));
    EXPECT_EQ(Column(*Page->Table(), 2).mid(0, 3), QStringList({"15", "5", "10"}));

    // An end picked in the drop-down calendar in a month before the start month moves the
    // start, and the build covers exactly that month.
    emit Find<QDateEdit>("endPicker")->calendarWidget()->clicked(QDate(2009, 1, 20));
    QApplication::processEvents();
    EXPECT_EQ(Page->Settings().Start, CDateTime(2009, 1, 1));
    EXPECT_EQ(Page->Settings().End, CDateTime(2009, 1, 31, 23, 59, 59));
    EXPECT_EQ(Find<QDateEdit>("startPicker")->date(), QDate(2009, 1, 1));
    EXPECT_EQ(Headers(), QStringList({"", "Name", "Jan."}));
    EXPECT_EQ(Host.Chart.Start, CDateTime(2009, 1, 1));
}

TEST_F(EvaluationPageTest, RadioButtonsSwitchToRunningTotalsAndCurrentPrices)
{
    Host.Chart.Start = CDateTime(2009, 1, 1);
    Host.Chart.End = CDateTime(2009, 3, 31, 23, 59, 59);
    Host.Chart.ChartActive = EMeasure::NetRevenue;
    Open();
    EXPECT_EQ(Column(*Page->Table(), 4).first(), QStringLiteral("15")); // March alone
    QTest::mouseClick(Find<QRadioButton>("cumulativeRadio"), Qt::LeftButton);
    EXPECT_FALSE(Page->Settings().PerMonth);
    EXPECT_EQ(Column(*Page->Table(), 4).first(), QStringLiteral("25")); // January to March
    EXPECT_FALSE(Host.Chart.ChartPerMonth);

    // Without recipes behind the sales, current prices count nothing.
    QTest::mouseClick(Find<QRadioButton>("simulationRadio"), Qt::LeftButton);
    EXPECT_FALSE(Page->Settings().OriginalData);
    EXPECT_EQ(Column(*Page->Table(), 4).first(), QStringLiteral("0"));
    QTest::mouseClick(Find<QRadioButton>("originalRadio"), Qt::LeftButton);
    EXPECT_EQ(Column(*Page->Table(), 4).first(), QStringLiteral("25"));
}

TEST_F(EvaluationPageTest, TableModeHidesTheSeriesButtonAndShowsTheTable)
{
    Open();
    WhenMenuAppears(QStringLiteral("&Tabelle"));
    Click("displayKindButton");
    EXPECT_EQ(Page->DisplayKind(), EChartDisplay::Table);
    EXPECT_TRUE(Page->Table()->isVisible());
    EXPECT_FALSE(Page->Chart()->isVisible());
    EXPECT_FALSE(Find<QPushButton>("seriesButton")->isVisible());
    EXPECT_EQ(Host.Chart.ShowActive, EChartDisplay::Table);
    WhenMenuAppears(QStringLiteral("&Grafik"));
    Click("displayKindButton");
    EXPECT_TRUE(Page->Chart()->isVisible());
    EXPECT_TRUE(Find<QPushButton>("seriesButton")->isVisible());
}

// The table keeps its layout as the user changes it, not when the page is deleted: the page
// area may then delete its pages after the host.
TEST_F(EvaluationPageTest, TableLayoutIsKeptAsTheUserChangesIt)
{
    Open();
    Page->SetDisplayKind(EChartDisplay::Table);
    QHeaderView* header = Page->Table()->header();
    const int x = header->sectionViewportPosition(1) + header->sectionSize(1) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(x, header->height() / 2));
    const auto bytes = Host.Store.GetBinary(CEvaluationPage::kLayoutSection, CEvaluationPage::kLayoutEntry);
    ASSERT_TRUE(bytes.has_value());
    const auto record = CListLayoutRecord::Decode(*bytes, Page->Table()->GetData().GetColumns().size());
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->SortState, 2) << "ascending by the second column";
}

TEST_F(EvaluationPageTest, ChoicesAreRememberedAcrossARestart)
{
    CRememberedValues remembered(Host.Store, Host.Time);
    Host.Chart = remembered.ReadChart();
    Open();
    WhenMenuAppears(QStringLiteral("&Tabelle"));
    Click("displayKindButton");
    QTest::mouseClick(Find<QRadioButton>("cumulativeRadio"), Qt::LeftButton);
    QTest::mouseClick(Find<QRadioButton>("simulationRadio"), Qt::LeftButton);
    TypeDate("startPicker", QDate(2008, 11, 12));
    TypeDate("endPicker", QDate(2009, 2, 2));
    Page->BuildEvaluation(EMeasure::GrossRevenue);
    Page.reset();
    ASSERT_TRUE(remembered.WriteChart(Host.Chart)); // the exit sequence

    CFakePageHost next; // the next run, on the same profile
    next.Store = Host.Store;
    next.Time.SetLocalNow({2009, 6, 1, 9, 0, 0});
    next.Chart = CRememberedValues(next.Store, next.Time).ReadChart();
    Name(next.Data);
    CEvaluationPage page(next, CSubDialog::COptions{});
    page.InitFromData(next.Data);
    page.RefreshPage();
    EXPECT_EQ(page.DisplayKind(), EChartDisplay::Table);
    EXPECT_FALSE(page.Settings().PerMonth);
    EXPECT_FALSE(page.Settings().OriginalData);
    EXPECT_EQ(page.Settings().Measure, EMeasure::GrossRevenue);
    EXPECT_EQ(page.Settings().Start, CDateTime(2008, 11, 1));
    EXPECT_EQ(page.Settings().End, CDateTime(2009, 2, 28, 23, 59, 59));
    EXPECT_TRUE(page.findChild<QRadioButton*>("cumulativeRadio")->isChecked());
    EXPECT_TRUE(page.findChild<QRadioButton*>("simulationRadio")->isChecked());
    EXPECT_EQ(page.findChild<QDateEdit*>("startPicker")->date(), QDate(2008, 11, 1));
    // The series are not kept: the three sums again.
    EXPECT_EQ(page.Chart()->Graph().GetLegend().GetCount(), 3);
}

TEST_F(EvaluationPageTest, ANewCatalogueIsEvaluatedAndItsUnnamedGroupsLoseTheirSeries)
{
    Open();
    ChooseSeries(QStringLiteral("Wein"));
    ASSERT_EQ(ShownSeries(), 4);
    Host.Replacement = std::make_unique<CData>();
    CData& next = *Host.Replacement;
    next.SetDefaults(); // 16 named groups
    next.NameGroup[11].clear();
    AddSale(next, {1, 3.0, 1.0, 4.0, 4.76, CDateTime(2009, 4, 2)});
    Page->InitFromData(next);
    Host.Data.Sales.Clear(); // the old catalogue's sales are gone
    EXPECT_EQ(Page->Chart()->Graph().GetGroupCount(), 0) << "nothing of the old catalogue stays";
    Page->RefreshPage();
    EXPECT_EQ(ShownSeries(), 3);
    EXPECT_FALSE(Page->Settings().SeriesFlags[11]);
    EXPECT_EQ(Page->Table()->model()->rowCount(), 3 + 15);
    EXPECT_EQ(Column(*Page->Table(), 13).first(), QStringLiteral("12")); // April 09: 3 portions at 4
}

TEST_F(EvaluationPageTest, ChartSavedAsPictureAndTableExportedForASpreadsheet)
{
    const CTempDir directory;
    Host.Chart.Start = CDateTime(2009, 1, 1);
    Host.Chart.End = CDateTime(2009, 3, 31);
    Host.Chart.ChartActive = EMeasure::NetRevenue;
    Open();
    Host.Dialogs.QueueAnswer(directory.File("Umsatz.png"));
    Click("saveChart");
    ASSERT_EQ(Host.Dialogs.GetRequests().size(), 1u);
    EXPECT_EQ(Host.Dialogs.GetRequests()[0].Request.DefaultFileName, "Umsatz netto.png");
    const QImage picture((directory.Path() / "Umsatz.png").c_str());
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), Page->Chart()->size() * Page->Chart()->devicePixelRatioF());

    Host.Dialogs.QueueAnswer(directory.File("Umsatz.csv"));
    Click("exportTable");
    QFile csv((directory.Path() / "Umsatz.csv").c_str());
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QByteArray bytes = csv.readAll();
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << "UTF-8 with a byte order mark";
    const QString text = QString::fromUtf8(bytes);
    EXPECT_TRUE(text.contains(QStringLiteral("Name;Jan.;Feb.;März\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Alle;10;0;15\r\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Alle Getränke;0;0;10\r\n"))) << text.toStdString();
    EXPECT_TRUE(Host.Texts().empty());

    // A place that cannot be written is told, and cancelling asks nothing more.
    Host.Dialogs.QueueAnswer(directory.File("fehlt/Umsatz.csv"));
    Click("exportTable");
    ASSERT_EQ(Host.Texts().size(), 1u);
    EXPECT_NE(Host.Texts()[0].find("kann nicht geschrieben werden"), std::string::npos);
    Host.Dialogs.QueueAnswer(std::nullopt);
    Click("saveChart");
    EXPECT_EQ(Host.Texts().size(), 1u);
}

TEST_F(EvaluationPageTest, PrintPrintsTheEvaluationTable)
{
    Open();
    Page->Print();
    EXPECT_EQ(Host.PrintedLists, std::vector<int>{StringId::kEvaluationTableTitle});
}

// The table opens on its last months: today's month stands in view at the page's opening size,
// also when the table is chosen later or the range changes.
TEST_F(EvaluationPageTest, TableShowsTheCurrentMonthAtTheOpeningSize)
{
    Open();
    WhenMenuAppears(QStringLiteral("&Tabelle"));
    Click("displayKindButton");
    const auto inView = [this](int column) {
        QTreeView* table = Page->Table();
        const QRect cell = table->visualRect(table->model()->index(0, column));
        return table->viewport()->rect().contains(cell);
    };
    const int columns = Page->Table()->model()->columnCount();
    ASSERT_EQ(columns, 2 + 13);
    EXPECT_EQ(Headers().last(), QStringLiteral("Mai 09"));
    EXPECT_TRUE(inView(columns - 1));

    // A range that ends before today shows its last month.
    TypeDate("endPicker", QDate(2009, 2, 10));
    EXPECT_EQ(Headers().last(), QStringLiteral("Feb."));
    EXPECT_TRUE(inView(Page->Table()->model()->columnCount() - 1));
}

// A shown group whose name is emptied on the master data page leaves the chart when the page
// is shown again: no nameless legend row, and its slot is free for another series.
TEST_F(EvaluationPageTest, SeriesOfAGroupThatLostItsNameIsDroppedAtOnce)
{
    Open();
    for (const char* name : {"Suppen", "Salate", "Fisch", "Desserts", "Pasta"})
        ChooseSeries(QString::fromUtf8(name));
    ASSERT_EQ(ShownSeries(), 8);
    Host.Data.NameGroup[2].clear(); // "Fisch"
    Page->RefreshPage();
    ASSERT_EQ(ShownSeries(), 7);
    for (int index = 0; index < ShownSeries(); ++index)
        EXPECT_FALSE(Page->Chart()->Graph().GetLegend().GetName(index).empty()) << index;
    ChooseSeries(QStringLiteral("Bier"));
    EXPECT_TRUE(Host.Texts().empty());
    EXPECT_EQ(ShownSeries(), 8);
}

// What a screen reader is told when a pop-up menu of the page opens: a pop-up menu named after
// its button, with its entries as items, chosen from the keyboard.
TEST_F(EvaluationPageTest, PopupMenusAreNamedForScreenReaders)
{
    Open();
    struct CCase
    {
        const char* Button;
        QString Name;
        QStringList Items;
    };
    const CCase cases[] = {
        {"displayKindButton", QStringLiteral("Anzeigeart"), {"Grafik", "Tabelle", "Menüanalyse"}},
        {"seriesButton",
         QStringLiteral("Datenreihen"),
         {"Alle", "Alle Speisen", "Suppen", "Salate", "Fisch", "Desserts", "Pasta", "Pizza",
          QString::fromUtf8("Alle Getränke"), "Bier", "Wein"}},
    };
    for (const CCase& c : cases) {
        SCOPED_TRACE(c.Button);
        QAccessible::Role role = QAccessible::NoRole;
        QString name;
        QStringList items;
        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_TRUE(qobject_cast<QMenu*>(popup));
            QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(popup);
            ASSERT_TRUE(menu);
            role = menu->role();
            name = menu->text(QAccessible::Name);
            for (int child = 0; child < menu->childCount(); ++child)
                items << menu->child(child)->text(QAccessible::Name);
            QTest::keyClick(popup, Qt::Key_Escape);
        });
        Click(c.Button);
        EXPECT_EQ(role, QAccessible::PopupMenu);
        EXPECT_EQ(name, c.Name);
        EXPECT_EQ(items, c.Items);
    }
}
