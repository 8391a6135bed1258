#include "pages/sales/DialogSales.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "SalesBuilder.h"
#include "resources/StringTables.h"

#include <QHeaderView>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

class DialogSalesTest : public testing::Test
{
protected:
    DialogSalesTest()
    {
        Soup = AddRecipe(Host.Data, "Kartoffelsuppe", 0);
        Cake = AddRecipe(Host.Data, "K\xE4sekuchen", 7);
        AddSale(Host.Data, {.Portions = 4, .Gross = 5.9, .Date = {2024, 3, 1, 12, 30}, .Recipe = Soup});
        AddSale(Host.Data, {.Portions = 1.5, .Gross = 3.2, .Date = {2024, 2, 29}, .Recipe = Cake});
        AddSale(Host.Data, {.Portions = 2, .Gross = 5.9, .Date = CDateTime::MakeInvalid(), .Recipe = Soup});
        Host.Data.Sales.At(1)->Name = "K\xE4sekuchen";
        Host.Data.Sales.At(0)->Name = Host.Data.Sales.At(2)->Name = "Kartoffelsuppe";
    }
    void Open(const CRecipe* recipe)
    {
        Dialog = std::make_unique<CDialogSales>(Host, recipe);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
    }
    QStringList Headers() const
    {
        const QHeaderView* header = Dialog->List()->header();
        QStringList texts;
        for (int section = 0; section < header->count(); ++section) {
            if (!header->isSectionHidden(header->logicalIndex(section)))
                texts
                    << header->model()->headerData(header->logicalIndex(section), Qt::Horizontal).toString();
        }
        return texts;
    }

    CFakePageHost Host;
    CRecipe* Soup = nullptr;
    CRecipe* Cake = nullptr;
    std::unique_ptr<CDialogSales> Dialog;
};

} // namespace

// All sales: name, German date, price (gross x portions) and portions, sorted by name.
TEST_F(DialogSalesTest, AllSalesWithTheirNames)
{
    Open(nullptr);
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Verkaufsliste : alle Verkäufe"));
    EXPECT_EQ(Headers(), (QStringList{"Name", "Datum", "Preis", "Menge"}));
    const CListCtrlEx& list = *Dialog->List();
    EXPECT_EQ(Column(list, 0), (QStringList{"Kartoffelsuppe", "Kartoffelsuppe", "Käsekuchen"}));
    EXPECT_EQ(Column(list, 1), (QStringList{"01.03.2024", "Invalid DateTime", "29.02.2024"}));
    EXPECT_EQ(Column(list, 2), (QStringList{"23,60", "11,80", "4,80"}));
    EXPECT_EQ(Column(list, 3), (QStringList{"4", "2", "1,5"}));
}

// An English user reads the dates as English dates.
TEST_F(DialogSalesTest, DatesFollowTheChosenLanguage)
{
    CStringTables::SetLanguage(CStringTables::English);
    Open(nullptr);
    CStringTables::SetLanguage(CStringTables::German);
    EXPECT_EQ(Column(*Dialog->List(), 1), (QStringList{"3/1/2024", "Invalid DateTime", "2/29/2024"}));
}

TEST_F(DialogSalesTest, OneDishWithoutItsName)
{
    Open(Soup);
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Verkaufsliste : Kartoffelsuppe"));
    EXPECT_EQ(Headers(), (QStringList{"Datum", "Preis", "Menge"}));
    EXPECT_EQ(Column(*Dialog->List(), 2), (QStringList{"4", "2"}));
}

// "Löschen" asks question 188 with the sale's name; No keeps the sale, Yes deletes it and the
// row that takes its place is selected. Without a selection nothing is asked.
TEST_F(DialogSalesTest, DeleteAsksFirst)
{
    Open(nullptr);
    QTest::mouseClick(Dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_TRUE(Host.Texts().empty());

    ClickRow(*Dialog->List(), 2);
    QTest::mouseClick(Dialog->DeleteButton(), Qt::LeftButton);
    EXPECT_EQ(Host.Texts(), std::vector<std::string>{"Wollen Sie den Abverkauf 'K\xE4sekuchen' wirklich "
                                                     "l\xF6schen? (Kann nicht r\xFC"
                                                     "ckg\xE4ngig gemacht werden)"});
    EXPECT_EQ(Host.Data.Sales.Count(), 3);

    Host.Recorded.QueueAnswer(CMessageService::Yes);
    ClickRow(*Dialog->List(), 0);
    QTest::keyClick(Dialog->List(), Qt::Key_Delete);
    ASSERT_EQ(Host.Data.Sales.Count(), 2);
    EXPECT_EQ(Host.Data.Sales.At(0)->Name, "K\xE4sekuchen") << "the first sale of the soup went";
    EXPECT_FALSE(Host.Data.Sales.At(1)->DateTime.IsValid());
    EXPECT_EQ(Column(*Dialog->List(), 1), (QStringList{"Invalid DateTime", "29.02.2024"}));
    EXPECT_EQ(Dialog->List()->currentIndex().row(), 0);
    EXPECT_TRUE(Dialog->List()->selectionModel()->isRowSelected(0));
}

// The list of one dish and the list of all sales each keep their own layout, also when the
// dialog is left with Escape.
TEST_F(DialogSalesTest, EachModeKeepsItsLayout)
{
    Open(nullptr);
    Dialog->List()->SetColumnVisible(3, false);
    QTest::mouseClick(Dialog->OkButton(), Qt::LeftButton);
    Open(Soup);
    Dialog->List()->setColumnWidth(0, 140);
    QTest::keyClick(Dialog.get(), Qt::Key_Escape);

    Open(nullptr);
    EXPECT_EQ(Headers(), (QStringList{"Name", "Datum", "Preis"}));
    Open(Cake);
    EXPECT_EQ(Headers(), (QStringList{"Datum", "Preis", "Menge"}));
    EXPECT_EQ(Dialog->List()->columnWidth(0), 140);
}
