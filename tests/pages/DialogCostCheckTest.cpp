#include "pages/costing/DialogCostCheck.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "TempDir.h"
#include "pages/ingredients/DialogIngredient.h"
#include "pages/recipes/DialogRecipe.h"
#include "pages/recipes/RecipeFiguresBox.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Flour bought at price 0 (a warning), bread without a selling price (a warning), and a dough
// that yields no portions (an error).
class DialogCostCheckTest : public testing::Test
{
protected:
    DialogCostCheckTest()
    {
        Flour = AddIngredient(Host.Data, "Mehl", "Backwaren", "kg", 0.0, 1.0);
        Bread = AddRecipe(Host.Data, "Brot", 0);
        Bread->AddRecipeIngredient(nullptr, Flour, 1.0, 0.0);
        CRecipe* dough = AddRecipe(Host.Data, "Teig", 0);
        dough->UseForSale = 0;
        dough->NbPortion = 0.0;
        dough->AddRecipeIngredient(nullptr, Flour, 1.0, 0.0);
    }
    void Open()
    {
        Dialog = std::make_unique<CDialogCostCheck>(Host);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
    }
    QStringList Names() const { return Column(*Dialog->List(), 2); }

    CFakePageHost Host;
    CIngredient* Flour = nullptr;
    CRecipe* Bread = nullptr;
    std::unique_ptr<CDialogCostCheck> Dialog;
};

} // namespace

TEST_F(DialogCostCheckTest, ErrorsComeFirstWithWhatToDo)
{
    Open();
    EXPECT_EQ(Dialog->windowTitle(), QStringLiteral("Kalkulationsprüfung"));
    const CListCtrlEx& list = *Dialog->List();
    EXPECT_EQ(Column(list, 0), (QStringList{"Fehler", "Warnung", "Warnung"}));
    EXPECT_EQ(Column(list, 1), (QStringList{"Rezeptur", "Zutat", "Rezeptur"}));
    EXPECT_EQ(Names(), (QStringList{"Teig", "Mehl", "Brot"}));
    EXPECT_EQ(Column(list, 3).at(1), QStringLiteral("Lieferant „Hofladen“ mit Preis 0: Zeilen kosten 0."));
    EXPECT_EQ(Column(list, 4).at(2), QStringLiteral("Verkaufspreis eintragen; kalkuliert sind 0,00."));
    EXPECT_EQ(Dialog->Summary()->text(), QStringLiteral("Fehler: 1, Warnungen: 2, Hinweise: 0"));
    EXPECT_EQ(Dialog->List()->GetSelectedUserData(), 0u) << "Enter opens the first finding at once";
    EXPECT_TRUE(Dialog->OpenButton()->isEnabled());
}

// A double click opens the ingredient; after OK the list is checked anew, and the row that
// took the mended finding's place is selected.
TEST_F(DialogCostCheckTest, DoubleClickOpensTheRecordAndOkChecksAnew)
{
    Open();
    WhenModalAppears<CDialogIngredient>([](CDialogIngredient& dialog) {
        TypeInto(dialog.PriceField(), QStringLiteral("1,20"));
        PressEnter(dialog.PriceField());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    DoubleClickRow(*Dialog->List(), 1);
    EXPECT_DOUBLE_EQ(Flour->GetPrice(), 1.2);
    EXPECT_TRUE(Dialog->Changed());
    EXPECT_EQ(Names(), (QStringList{"Teig", "Brot"}));
    EXPECT_EQ(Dialog->List()->GetSelectedText().toStdString(),
              "Warnung\tRezeptur\tBrot\tKein Verkaufspreis: Deckungsbeitrag und WE-Quote fehlen.\t"
              "Verkaufspreis eintragen; kalkuliert sind 4,76.\n")
        << "1,20 / 30 % × 1,19";
}

TEST_F(DialogCostCheckTest, CancelLeavesCatalogueAndListAlone)
{
    Open();
    WhenModalAppears<CDialogIngredient>([](CDialogIngredient& dialog) {
        TypeInto(dialog.PriceField(), QStringLiteral("1,20"));
        PressEnter(dialog.PriceField());
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    });
    DoubleClickRow(*Dialog->List(), 1);
    EXPECT_DOUBLE_EQ(Flour->GetPrice(), 0.0);
    EXPECT_FALSE(Dialog->Changed());
    EXPECT_EQ(Names(), (QStringList{"Teig", "Mehl", "Brot"}));
}

// Enter on a recipe's finding opens the recipe dialog; a selling price mends the finding.
TEST_F(DialogCostCheckTest, EnterOpensTheRecipe)
{
    Open();
    ClickRow(*Dialog->List(), 2);
    WhenModalAppears<CDialogRecipe>([](CDialogRecipe& dialog) {
        EXPECT_EQ(dialog.NameField()->text(), QStringLiteral("Brot"));
        TypeInto(dialog.Figures()->PriceSellField(), QStringLiteral("3,50"));
        PressEnter(dialog.Figures()->PriceSellField());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    QTest::keyClick(Dialog->List(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(Bread->PriceSell, 3.5);
    EXPECT_EQ(Names(), (QStringList{"Teig", "Mehl"}));
}

TEST_F(DialogCostCheckTest, CleanCatalogueSaysSo)
{
    Flour->SupplierInUse->Price = 1.0;
    Bread->PriceSell = 4.80;
    Host.Data.Recipes.Remove(Host.Data.Recipes.At(1));
    Open();
    EXPECT_EQ(Dialog->List()->model()->rowCount(), 0);
    EXPECT_EQ(Dialog->Summary()->text(),
              QStringLiteral("Keine Befunde: Die Kalkulation ist vollständig und stimmig."));
    EXPECT_FALSE(Dialog->OpenButton()->isEnabled());
    QTest::keyClick(Dialog.get(), Qt::Key_Escape);
    EXPECT_EQ(Dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(Dialog->isVisible());
}

// The file holds the shown columns in screen order and the rows as shown, in UTF-8 for a
// spreadsheet; printing hands the list to the print frame under the check's title.
TEST_F(DialogCostCheckTest, ExportAndPrintTheListAsShown)
{
    Host.Printing = true;
    Open();
    Dialog->List()->SetColumnVisible(4, false);
    Dialog->List()->SetColumnVisible(1, false);
    CTempDir dir;
    const std::string path = dir.File("Befunde.csv");
    Host.Dialogs.QueueAnswer(path);
    QTest::mouseClick(Dialog->findChild<QPushButton*>("exportFindings"), Qt::LeftButton);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray expected =
        "\xEF\xBB\xBF"
        "Schwere;Name;Befund\r\n"
        "Fehler;Teig;0 Portionen: Preise pro Portion und WE-Quote gelten als 0.\r\n"
        "Warnung;Mehl;Lieferant \xE2\x80\x9EHofladen\xE2\x80\x9C mit Preis 0: Zeilen kosten 0.\r\n"
        "Warnung;Brot;Kein Verkaufspreis: Deckungsbeitrag und WE-Quote fehlen.\r\n";
    EXPECT_EQ(file.readAll(), expected);

    QTest::mouseClick(Dialog->PrintButton(), Qt::LeftButton);
    EXPECT_EQ(Host.PrintedLists, (std::vector<int>{358}));
}

// A sort by a header click is kept for the next opening.
TEST_F(DialogCostCheckTest, SortIsRememberedAsTheUserChangesIt)
{
    Open();
    QHeaderView* header = Dialog->List()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    EXPECT_EQ(Names(), (QStringList{"Brot", "Mehl", "Teig"}));
    Dialog.reset();
    Open();
    EXPECT_EQ(Names(), (QStringList{"Brot", "Mehl", "Teig"}));
}
