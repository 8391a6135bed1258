#include "CatalogueBuilder.h"
#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "SalesBuilder.h"
#include "TempDir.h"
#include "controls/MenuChartPainter.h"
#include "controls/MenuChartWnd.h"
#include "evaluation/MenuEngineeringView.h"
#include "pages/PageFactory.h"
#include "pages/evaluation/EvaluationPage.h"
#include "pages/recipes/DialogRecipe.h"
#include "pages/recipes/RecipeFiguresBox.h"
#include "platform/qt/TextConversion.h"
#include "resources/StringIds.h"

#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QStackedWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

const CLocalTime kToday{2009, 5, 19, 11, 30, 0};
const CDateTime kMarch(2009, 3, 10, 12, 0, 0);

// Three main courses sold in March 2009, a beer beside them; no VAT, so that a recipe's net
// price is its price. Booked: Schnitzel 50 at 15,00 - 5,00, Suppe 40 at 5,00 - 1,00, Salat 10
// at 8,00 - 2,00. Today the recipes cost nothing and sell at 15,00, 5,00 and 8,00.
class MenuAnalysisPageTest : public testing::Test
{
protected:
    MenuAnalysisPageTest()
    {
        CStringTables::SetLanguage(CStringTables::German);
        Host.Time.SetLocalNow(kToday);
        Host.Data.Taxes.fill(0.0);
        Host.Data.NameGroup[0] = "Hauptgerichte";
        Host.Data.NameGroup[10] = "Bier";
        Sell("Schnitzel", 0, 15.0, 50, 5.0);
        Sell("Suppe", 0, 5.0, 40, 1.0);
        Sell("Salat", 0, 8.0, 10, 2.0);
        Sell("Pils", 10, 3.0, 80, 1.0);
    }
    void Sell(const char* name, int group, double price, double portions, double cost)
    {
        CRecipe& recipe = AddRecipe(Host.Data, name, 1.0, group);
        recipe.PriceSell = price;
        AddSale(Host.Data, {group, portions, cost, price, price, kMarch, &recipe}).Name = name;
    }
    void Open()
    {
        Page.reset(static_cast<CEvaluationPage*>(PageFactory::Create(EPage::Evaluation, Host, nullptr)));
        Page->InitFromData(Host.Data);
        Page->resize(1000, 700);
        Page->show();
        QApplication::setActiveWindow(Page.get());
        Page->RefreshPage();
    }
    template <typename T> T* Find(const char* name) const { return Page->findChild<T*>(name); }
    void ChooseFrom(const char* button, const QString& entry)
    {
        WhenMenuAppears(entry);
        QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton);
    }
    QStringList Names() const { return Column(*Page->MenuTable(), MenuEngineeringView::kNameColumn); }
    QStringList Classes() const { return Column(*Page->MenuTable(), MenuEngineeringView::kClassColumn); }
    const CMenuChartPoint& Point(const std::string& name) const
    {
        for (const CMenuChartPoint& point : Page->MenuChart()->Chart().Points) {
            if (point.Label == name)
                return point;
        }
        throw std::runtime_error("no point " + name);
    }

    CFakePageHost Host;
    std::unique_ptr<CEvaluationPage> Page;
};

// Booked margins 10, 4 and 6: threshold 720 / 100 = 7,20; shares 0,5, 0,4 and 0,1 against
// 0,7 / 3. The table lists the classes in order.
TEST_F(MenuAnalysisPageTest, DisplayKindMenuShowsTheAnalysisOfAllFood)
{
    Open();
    ChooseFrom("displayKindButton", QStringLiteral("Menüanalyse"));
    ASSERT_TRUE(Page->IsMenuShown());
    EXPECT_TRUE(Find<QSplitter>("menuView")->isVisible());
    EXPECT_TRUE(Find<QPushButton>("menuSelectionButton")->isVisible());
    EXPECT_FALSE(Find<QPushButton>("seriesButton")->isVisible());
    EXPECT_FALSE(Find<QRadioButton>("perMonthRadio")->isEnabled());
    EXPECT_EQ(Page->MenuChart()->Chart().Title, "Men\xFC"
                                                "analyse: Alle Speisen");
    EXPECT_EQ(Names(), (QStringList{"Schnitzel", "Suppe", "Salat"}));
    EXPECT_EQ(Classes(), (QStringList{"Star", "Zugpferd", "Ladenhüter"}));
    EXPECT_DOUBLE_EQ(Page->MenuChart()->Chart().YThreshold, 7.2);

    ChooseFrom("menuSelectionButton", QStringLiteral("Alle Getränke"));
    EXPECT_EQ(Names(), (QStringList{"Pils"}));
    EXPECT_EQ(Classes(), (QStringList{"Star"}));

    ChooseFrom("displayKindButton", QStringLiteral("Grafik"));
    EXPECT_FALSE(Page->IsMenuShown());
    EXPECT_FALSE(Find<QSplitter>("menuView")->isVisible());
    EXPECT_TRUE(Find<QPushButton>("seriesButton")->isVisible());
    EXPECT_EQ(Host.Chart.ShowActive, EChartDisplay::Chart);
}

// The menu analysis and its selection come back with the next page (the next run); a
// remembered group that lost its name falls back to all food, and another display kind chosen
// ends it.
TEST_F(MenuAnalysisPageTest, TheAnalysisAndItsSelectionAreRemembered)
{
    Open();
    ChooseFrom("displayKindButton", QStringLiteral("Menüanalyse"));
    ChooseFrom("menuSelectionButton", QStringLiteral("Alle Getränke"));
    Open();
    ASSERT_TRUE(Page->IsMenuShown());
    EXPECT_TRUE(Find<QSplitter>("menuView")->isVisible());
    EXPECT_EQ(Names(), (QStringList{"Pils"}));

    ChooseFrom("menuSelectionButton", QStringLiteral("Hauptgerichte"));
    EXPECT_EQ(Names().size(), 3);
    Host.Data.NameGroup[0] = "";
    Open();
    ASSERT_TRUE(Page->IsMenuShown());
    EXPECT_EQ(Page->MenuChart()->Chart().Title, "Men\xFC"
                                                "analyse: Alle Speisen");

    ChooseFrom("displayKindButton", QStringLiteral("Tabelle"));
    Open();
    EXPECT_FALSE(Page->IsMenuShown());
    EXPECT_FALSE(Find<QSplitter>("menuView")->isVisible());
}

// With today's prices the margins are 15, 5 and 8: threshold 1030 / 100 = 10,30, and Salat
// (0,1 of the portions, 8,00) is a dog. At 30,00 its margin is 30 against 1250 / 100 = 12,50:
// it moves up into the puzzles.
TEST_F(MenuAnalysisPageTest, APriceChangedInTheRecipeDialogMovesTheDish)
{
    Open();
    QTest::mouseClick(Find<QRadioButton>("simulationRadio"), Qt::LeftButton);
    Page->ShowMenuAnalysis();
    EXPECT_DOUBLE_EQ(Point("Salat").Y, 8.0);
    EXPECT_EQ(Point("Salat").Quadrant, 3);

    bool opened = false;
    WhenModalAppears<CDialogRecipe>([&](CDialogRecipe& dialog) {
        opened = dialog.NameField()->text() == QStringLiteral("Salat");
        TypeInto(dialog.Figures()->PriceSellField(), QStringLiteral("30,00"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    DoubleClickRow(*Page->MenuTable(), static_cast<int>(Names().indexOf(QStringLiteral("Salat"))));
    EXPECT_TRUE(opened);
    EXPECT_EQ(Host.Data.Recipes.At(2)->PriceSell, 30.0);
    EXPECT_DOUBLE_EQ(Point("Salat").Y, 30.0);
    EXPECT_EQ(Point("Salat").Quadrant, 2);
    EXPECT_DOUBLE_EQ(Page->MenuChart()->Chart().YThreshold, 12.5);
    EXPECT_EQ(Classes().at(Names().indexOf(QStringLiteral("Salat"))), QStringLiteral("Rätsel"));
}

// A double click on a dot opens the same dialog; Cancel leaves the analysis as it was.
TEST_F(MenuAnalysisPageTest, DoubleClickOnADotOpensItsRecipe)
{
    Open();
    Page->ShowMenuAnalysis();
    CMenuChartWnd& chart = *Page->MenuChart();
    const auto measure = CMenuChartPainter::Measure();
    const CMenuChartLayout layout(chart.Chart(), chart.width(), chart.height(), measure);
    int suppe = -1;
    for (std::size_t index = 0; index < chart.Chart().Points.size(); ++index)
        suppe = chart.Chart().Points[index].Label == "Suppe" ? static_cast<int>(index) : suppe;
    ASSERT_GE(suppe, 0);
    QString opened;
    WhenModalAppears<CDialogRecipe>([&](CDialogRecipe& dialog) {
        opened = dialog.NameField()->text();
        TypeInto(dialog.Figures()->PriceSellField(), QStringLiteral("99,00"));
        dialog.reject();
    });
    QTest::mouseDClick(&chart, Qt::LeftButton, Qt::NoModifier,
                       QPoint(layout.GetPointX(suppe), layout.GetPointY(suppe)));
    EXPECT_EQ(opened, QStringLiteral("Suppe"));
    EXPECT_EQ(Host.Data.Recipes.At(1)->PriceSell, 5.0);
    EXPECT_EQ(Classes(), (QStringList{"Star", "Zugpferd", "Ladenhüter"}));
}

// The chart from the keyboard: coming in, it is on its first dot; the arrows, Home and End go
// from dot to dot, each telling its dish and figures to screen readers; Enter opens the dish.
TEST_F(MenuAnalysisPageTest, TheKeyboardGoesFromDotToDotAndEnterOpensTheDish)
{
    Open();
    Page->ShowMenuAnalysis();
    CMenuChartWnd& chart = *Page->MenuChart();
    const std::vector<CMenuChartPoint>& points = chart.Chart().Points;
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(chart.accessibleName(), QString::fromLatin1("Men\xFC"
                                                          "analyse: Alle Speisen"));
    chart.setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(chart.hasFocus());
    EXPECT_EQ(chart.GetCurrentPoint(), 0);
    EXPECT_EQ(chart.accessibleDescription(), ToQString(points[0].Details));
    const struct
    {
        Qt::Key Key;
        int Point;
    } steps[] = {{Qt::Key_Right, 1}, {Qt::Key_Down, 2}, {Qt::Key_Right, 2}, {Qt::Key_Home, 0},
                 {Qt::Key_Left, 0},  {Qt::Key_End, 2},  {Qt::Key_Up, 1}};
    for (const auto& step : steps) {
        QTest::keyClick(&chart, step.Key);
        EXPECT_EQ(chart.GetCurrentPoint(), step.Point) << step.Key;
        EXPECT_EQ(chart.accessibleDescription(), ToQString(points[step.Point].Details)) << step.Key;
        // The table follows with the dot's dish.
        EXPECT_EQ(Page->MenuTable()->GetSelectedUserData(), points[step.Point].Id) << step.Key;
    }
    // A dish chosen in the table is the chart's current dot.
    const CListCtrlData& table = Page->MenuTable()->GetData();
    const auto salat = std::find_if(table.GetRows().begin(), table.GetRows().end(),
                                    [&](const CListRow& row) { return row.UserData == Point("Salat").Id; });
    ASSERT_NE(salat, table.GetRows().end());
    ASSERT_TRUE(Page->MenuTable()->SelectRowById(salat->Id));
    ASSERT_GE(chart.GetCurrentPoint(), 0);
    EXPECT_EQ(points[chart.GetCurrentPoint()].Label, "Salat");
    QTest::keyClick(&chart, Qt::Key_Home);
    QString opened;
    WhenModalAppears<CDialogRecipe>([&](CDialogRecipe& dialog) {
        opened = dialog.NameField()->text();
        dialog.reject();
    });
    QTest::keyClick(&chart, Qt::Key_Right);
    QTest::keyClick(&chart, Qt::Key_Return);
    EXPECT_EQ(opened, ToQString(points[1].Label));
}

// Picture, table and printout are the menu analysis's while it is shown. The picture shows the
// chart in its class colours (the star's green dot), the text lists the dishes in shown order.
TEST_F(MenuAnalysisPageTest, SaveExportAndPrintTakeTheAnalysis)
{
    const CTempDir directory;
    Open();
    Page->ShowMenuAnalysis();
    Host.Dialogs.QueueAnswer(directory.File("Menue.png"));
    QTest::mouseClick(Find<QPushButton>("saveChart"), Qt::LeftButton);
    ASSERT_EQ(Host.Dialogs.GetRequests().size(), 1u);
    EXPECT_EQ(Host.Dialogs.GetRequests()[0].Request.DefaultFileName, "Men\xFC"
                                                                     "analyse Alle Speisen.png");
    const QImage picture((directory.Path() / "Menue.png").c_str());
    ASSERT_FALSE(picture.isNull());
    int green = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            green += picture.pixelColor(x, y) == QColor(0, 150, 0) ? 1 : 0;
    }
    EXPECT_GT(green, 20);

    Host.Dialogs.QueueAnswer(directory.File("Menue.csv"));
    QTest::mouseClick(Find<QPushButton>("exportTable"), Qt::LeftButton);
    QFile csv((directory.Path() / "Menue.csv").c_str());
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(csv.readAll());
    EXPECT_TRUE(text.contains(
        QStringLiteral("\r\nSchnitzel;Hauptgerichte;50;50,00;15,00;5,00;10,00;500,00;33,33;Star;"
                       "Halten und hervorheben\r\nSuppe;")))
        << text.toStdString();

    Page->Print();
    ASSERT_EQ(Host.PrintedLists.size(), 1u);
    EXPECT_EQ(Host.PrintedLists[0], StringId::kMenuAnalysisTitle);
}

// A period without sales says so in the chart and lists the dishes without a class.
TEST_F(MenuAnalysisPageTest, PeriodWithoutSalesShowsTheEmptyState)
{
    Host.Chart.Start = CDateTime(2005, 1, 1);
    Host.Chart.End = CDateTime(2005, 12, 31);
    Open();
    Page->ShowMenuAnalysis();
    EXPECT_EQ(Page->MenuChart()->Chart().EmptyText,
              "Im gew\xE4hlten Zeitraum wurde aus dieser Auswahl nichts verkauft.");
    EXPECT_EQ(Names().size(), 3);
    EXPECT_EQ(Classes(), (QStringList{"", "", ""}));
}

} // namespace
