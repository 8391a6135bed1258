#include "pages/sales/SalesPage.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "SalesBuilder.h"
#include "pages/PageFactory.h"
#include "pages/sales/DialogSales.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum EColumn { kName, kDayRevenue, kDayPortions, kDayMargin, kDayRatio, kMonthRevenue, kMonthPortions };

// The section bar shows "Alle" (section 0) unless a test picks another section.
class CSalesHost : public CFakePageHost
{
public:
    CSalesHost()
    {
        Data.GroupSection.fill(-1);
        Time.SetLocalNow({2024, 3, 5, 14, 0, 0});
    }
    CGroupSelection GetGroupSelection() const override { return Selection; }
    CGroupSelection Selection{.Selected = 0, .All = 0, .AllFood = 1, .AllDrinks = 2};
};

class SalesPageTest : public testing::Test
{
protected:
    CRecipe* AddDish(const std::string& name, int group, double price)
    {
        CRecipe* dish = AddRecipe(Host.Data, name, group);
        dish->PriceSell = price;
        return dish;
    }
    void Open()
    {
        Page.reset(static_cast<CSalesPage*>(PageFactory::Create(EPage::Sales, Host, nullptr)));
        Page->InitFromData(Host.Data);
        Page->resize(1100, 700);
        Page->show();
        QApplication::setActiveWindow(Page.get());
    }
    QStringList Shown(int column) const { return Column(*Page->List(), column); }
    void Select(const QString& name)
    {
        ClickRow(*Page->List(), static_cast<int>(Shown(kName).indexOf(name)));
    }
    QString SelectedName() const
    {
        const QModelIndex current = Page->List()->currentIndex();
        return Page->List()->selectionModel()->isSelected(current)
                   ? current.siblingAtColumn(kName).data().toString()
                   : QString();
    }
    void Book(const QString& portions)
    {
        TypeInto(Page->PortionsField(), portions);
        QTest::mouseClick(Page->AddButton(), Qt::LeftButton);
    }

    CSalesHost Host;
    std::unique_ptr<CSalesPage> Page;
};

} // namespace

// A fresh installation hides the three ratio columns; a remembered layout is taken as it is.
TEST_F(SalesPageTest, RatioColumnsStartHiddenUnlessALayoutIsRemembered)
{
    Open();
    const QHeaderView* header = Page->List()->header();
    QStringList shown;
    for (int section = 0; section < header->count(); ++section) {
        if (!header->isSectionHidden(section))
            shown << header->model()->headerData(section, Qt::Horizontal).toString();
    }
    EXPECT_EQ(shown, (QStringList{"Name", "Tagesumsatz", "Tagesmenge", "Tages-DB", "Monatsumsatz",
                                  "Monatsmenge", "Monats-DB", "Jahresumsatz", "Jahresmenge", "Jahres-DB"}));

    // The user shows a ratio column from the header's menu: the layout is kept at once.
    const std::unique_ptr<QMenu> menu(Page->List()->CreateHeaderMenu(nullptr));
    for (QAction* entry : menu->actions()) {
        if (entry->text() == QStringLiteral("Tages-WE-Quote"))
            entry->trigger();
    }
    Open();
    EXPECT_TRUE(Page->List()->GetData().FindColumn(kDayRatio)->Visible);
    EXPECT_FALSE(Page->List()->GetData().FindColumn(8)->Visible);
}

// Only dishes of the selected section; recipes not for sale never.
TEST_F(SalesPageTest, ListsTheDishesOfTheSelectedSection)
{
    AddDish("Gulasch", 3, 12);
    AddDish("Pils", 11, 4);
    AddDish("Fond", 3, 0)->UseForSale = 0;
    Host.Data.GroupSection[3] = 7;
    Open();
    EXPECT_EQ(Shown(kName), (QStringList{"Gulasch", "Pils"}));
    Host.Selection.Selected = 7;
    Page->RefreshPage();
    EXPECT_EQ(Shown(kName), QStringList{"Gulasch"});
    Host.Selection.Selected = Host.Selection.AllDrinks;
    Page->RefreshPage();
    EXPECT_EQ(Shown(kName), QStringList{"Pils"});
}

// Without a dish the portions field is read-only and out of the tab chain and nothing can be
// booked; a selection opens both; a text that is no number books nothing.
TEST_F(SalesPageTest, PortionsFieldFollowsTheSelection)
{
    AddDish("Gulasch", 3, 12);
    Open();
    QLineEdit* portions = Page->PortionsField();
    EXPECT_EQ(portions->text(), QStringLiteral("1"));
    EXPECT_TRUE(portions->isReadOnly());
    EXPECT_EQ(portions->focusPolicy(), Qt::NoFocus);
    EXPECT_FALSE(Page->AddButton()->isEnabled());
    QTest::keyClick(portions, Qt::Key_Return);
    EXPECT_TRUE(Host.Data.Sales.IsEmpty());

    Select(QStringLiteral("Gulasch"));
    EXPECT_FALSE(portions->isReadOnly());
    EXPECT_EQ(portions->focusPolicy(), Qt::StrongFocus);
    EXPECT_TRUE(Page->AddButton()->isEnabled());

    Book(QStringLiteral("drei"));
    EXPECT_TRUE(Host.Data.Sales.IsEmpty());
    EXPECT_EQ(Host.Texts(), std::vector<std::string>{"Geben Sie eine Zahl ein."});

    Page->List()->clearSelection();
    EXPECT_TRUE(portions->isReadOnly());
    EXPECT_FALSE(Page->AddButton()->isEnabled());
}

// Two bookings of a dish on one day at unchanged prices make one sale; the first sale makes
// the window rebuild its tabs, the second does not. After each booking the field reads 1 again
// and the dish stays selected.
TEST_F(SalesPageTest, BookingTwiceOnADayMergesIntoOneSale)
{
    AddDish("Gulasch", 3, 12.5);
    AddDish("Pils", 11, 4);
    Open();
    EXPECT_FALSE(Page->Subtitle()->isHidden());
    Select(QStringLiteral("Gulasch"));
    Page->Calendar()->setSelectedDate(QDate(2024, 3, 4));
    Book(QStringLiteral("3"));
    EXPECT_EQ(Host.Rebuilds, std::vector<int>{-1});
    EXPECT_EQ(Page->PortionsField()->text(), QStringLiteral("1"));
    EXPECT_EQ(SelectedName(), QStringLiteral("Gulasch"));
    EXPECT_TRUE(Page->Subtitle()->isHidden());

    TypeInto(Page->PortionsField(), QStringLiteral("2,5"));
    PressEnter(Page->PortionsField());
    ASSERT_EQ(Host.Data.Sales.Count(), 1);
    const CSale& sale = *Host.Data.Sales.Head();
    EXPECT_EQ(sale.NbPortion, 5.5);
    EXPECT_EQ(sale.DateTime, CDateTime(2024, 3, 4));
    EXPECT_EQ(sale.Name, "Gulasch");
    EXPECT_EQ(Host.Rebuilds, std::vector<int>{-1}) << "only the first sale rebuilds the tabs";
    EXPECT_EQ(Page->PortionsField()->text(), QStringLiteral("1"));
    EXPECT_EQ(SelectedName(), QStringLiteral("Gulasch"));
    // 5,5 portions yesterday at 12,50: the month shows them, today does not.
    EXPECT_EQ(Shown(kMonthRevenue), (QStringList{"68,75", "0,00"}));
    EXPECT_EQ(Shown(kMonthPortions), (QStringList{"5", "0"}));
    EXPECT_EQ(Shown(kDayPortions), (QStringList{"0", "0"}));
}

// A new price between two bookings on the same day keeps the first sale at its old price.
TEST_F(SalesPageTest, APriceChangeBetweenBookingsMakesTwoSales)
{
    CRecipe* gulasch = AddDish("Gulasch", 3, 11.9);
    Open();
    Select(QStringLiteral("Gulasch"));
    Book(QStringLiteral("2"));
    gulasch->PriceSell = 13.5;
    Book(QStringLiteral("1"));
    ASSERT_EQ(Host.Data.Sales.Count(), 2);
    EXPECT_EQ(Host.Data.Sales.At(0)->PriceSellPerPortionTax, 11.9);
    EXPECT_EQ(Host.Data.Sales.At(0)->NbPortion, 2);
    EXPECT_EQ(Host.Data.Sales.At(1)->PriceSellPerPortionTax, 13.5);
    EXPECT_EQ(Host.Data.Sales.At(1)->DateTime, CDateTime(2024, 3, 5));
    // Both today (14:00): 2 x 11,90 + 13,50.
    EXPECT_EQ(Shown(kDayRevenue), QStringList{"37,30"});
    EXPECT_EQ(Shown(kDayPortions), QStringList{"3"});
}

// At 04:59 the business day still began yesterday; at 05:00 a new one begins. Sales dated
// after today count nowhere. The clock is the host's, never the system's.
TEST_F(SalesPageTest, BusinessDayStartsAtFiveThroughTheClock)
{
    CRecipe* pils = AddDish("Pils", 11, 4);
    const auto sell = [&](double portions, const CDateTime& date) {
        AddSale(Host.Data, {.Group = 11,
                            .Portions = portions,
                            .Buy = 1,
                            .Net = 3.36,
                            .Gross = 4,
                            .Date = date,
                            .Recipe = pils});
    };
    sell(10, {2024, 3, 4});
    sell(3, {2024, 3, 5});
    sell(100, {2024, 3, 6});
    sell(1000, {2024, 2, 29});
    Host.Time.SetLocalNow({2024, 3, 5, 4, 59, 0});
    Open();
    EXPECT_EQ(Shown(kDayPortions), QStringList{"13"});
    EXPECT_EQ(Shown(kDayRevenue), QStringList{"52,00"});
    EXPECT_EQ(Shown(kMonthPortions), QStringList{"13"});
    Host.Time.SetLocalNow({2024, 3, 5, 5, 0, 0});
    Page->RefreshPage();
    EXPECT_EQ(Shown(kDayPortions), QStringList{"3"});
    EXPECT_EQ(Shown(kDayMargin), QStringList{"7,08"});
    EXPECT_EQ(Shown(kMonthPortions), QStringList{"13"});
    EXPECT_EQ(Shown(10), QStringList{"1.013"}) << "the year";
}

// "Verkaufsliste" shows the selected dish's sales, or all sales without a selection; deleting
// the last sale there takes the evaluation tab away.
TEST_F(SalesPageTest, SalesListForTheDishOrForAll)
{
    CRecipe* gulasch = AddDish("Gulasch", 3, 11.9);
    CRecipe* pils = AddDish("Pils", 11, 4);
    AddSale(Host.Data, {.Date = {2024, 3, 1}, .Recipe = gulasch});
    AddSale(Host.Data, {.Date = {2024, 3, 2}, .Recipe = pils});
    Open();
    QString caption;
    int rows = 0;
    const auto look = [&](CDialogSales& dialog) {
        caption = dialog.windowTitle();
        rows = dialog.List()->model()->rowCount();
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    };
    WhenModalAppears<CDialogSales>(look);
    QTest::mouseClick(Page->SalesListButton(), Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Verkaufsliste : alle Verkäufe"));
    EXPECT_EQ(rows, 2);

    WhenModalAppears<CDialogSales>(look);
    DoubleClickRow(*Page->List(), static_cast<int>(Shown(kName).indexOf("Pils")));
    EXPECT_EQ(caption, QStringLiteral("Verkaufsliste : Pils"));
    EXPECT_EQ(rows, 1);
    EXPECT_TRUE(Host.Rebuilds.empty());

    EXPECT_EQ(Host.Data.DeleteSale(Host.Data.Sales.At(0)), 1);
    Host.Recorded.QueueAnswer(CMessageService::Yes);
    WhenModalAppears<CDialogSales>([](CDialogSales& dialog) {
        ClickRow(*dialog.List(), 0);
        QTest::mouseClick(dialog.DeleteButton(), Qt::LeftButton);
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(Page->SalesListButton(), Qt::LeftButton);
    EXPECT_TRUE(Host.Data.Sales.IsEmpty());
    EXPECT_EQ(Host.Rebuilds, std::vector<int>{-1});
    EXPECT_FALSE(Page->Subtitle()->isHidden());
}

TEST_F(SalesPageTest, PrintsTheListUnderItsTitle)
{
    Open();
    Page->Print();
    EXPECT_EQ(Host.PrintedLists, std::vector<int>{180});
}

// In the smallest main window the page area is about 470 x 330 pixels. The sales and the
// evaluation page need more than that: every button stays within reach by scrolling instead of
// being cut off at the page's edge.
TEST(PagesInTheSmallestWindow, EveryButtonCanBeScrolledTo)
{
    for (const EPage kind : {EPage::Sales, EPage::Evaluation}) {
        SCOPED_TRACE(static_cast<int>(kind));
        CSalesHost host;
        AddRecipe(host.Data, "Pils", 11);
        std::unique_ptr<CSubDialog> page(PageFactory::Create(kind, host, nullptr));
        page->InitFromData(host.Data);
        page->resize(470, 330);
        page->show();
        QApplication::processEvents();
        QWidget* content = page->ScrollArea()->widget();
        const QSize reach(content->width(), content->height());
        for (QPushButton* button : content->findChildren<QPushButton*>()) {
            if (!button->isVisibleTo(page.get()))
                continue;
            const QRect place(button->mapTo(content, QPoint(0, 0)), button->size());
            EXPECT_TRUE(QRect(QPoint(0, 0), reach).contains(place)) << button->objectName().toStdString();
        }
        const int hiddenHeight = content->height() - page->ScrollArea()->viewport()->height();
        const int hiddenWidth = content->width() - page->ScrollArea()->viewport()->width();
        for (const auto& [hidden, bar] :
             {std::pair{hiddenHeight, page->ScrollArea()->verticalScrollBar()},
              std::pair{hiddenWidth, page->ScrollArea()->horizontalScrollBar()}}) {
            if (hidden <= 0)
                continue;
            EXPECT_TRUE(bar->isVisible()) << "what lies beyond the edge can be scrolled to";
            EXPECT_GE(bar->maximum(), hidden);
        }
        EXPECT_GT(std::max(hiddenHeight, hiddenWidth), 0) << "the page needs more than the smallest window";
    }
}
