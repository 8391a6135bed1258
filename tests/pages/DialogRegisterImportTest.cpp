#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "controls/ListCtrlEx.h"
#include "pages/sales/DialogImportSummary.h"
#include "pages/sales/DialogRegisterMapping.h"
#include "registerimport/DishProposer.h"
#include "registerimport/ImportPlan.h"
#include "registerimport/RegisterItemTable.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

using EChoice = CRegisterItemTable::EChoice;

CRegisterLine Line(CRegisterSales& sales, const char* number, const char* text, double quantity, double gross)
{
    CRegisterLine line;
    line.Item = sales.AddItem(number, text);
    line.DateTime = CDateTime(2025, 5, 3, 19, 30);
    line.Quantity = quantity;
    line.GrossRevenue = gross;
    line.HasPrice = true;
    return line;
}

// A schnitzel named exactly, cheese noodles spelt without umlauts, a beer with its size in the
// name (closest name only) and a deposit that is no dish.
class DialogRegisterImportTest : public testing::Test
{
protected:
    DialogRegisterImportTest()
    {
        Host.Data.SetDefaults();
        Host.Data.Taxes[0] = 7.0;
        Schnitzel = AddRecipe(Host.Data, "Wiener Schnitzel", 0);
        AddRecipe(Host.Data, "K\xE4sesp\xE4tzle", 0);
        Pils = AddRecipe(Host.Data, "Pils", 0);
        Sales.SourceName = "journal.csv";
        Sales.Sources = {{"J1", "Journal vom 03.05.2025", CDateTime::MakeNull()}};
        Sales.Receipts = 3;
        Sales.Lines = {Line(Sales, "1", "Wiener Schnitzel", 2, 37.0),
                       Line(Sales, "2", "kaese-spaetzle", 1, 12.5), Line(Sales, "3", "Pils 0,3", 4, 14.0),
                       Line(Sales, "4", "Pfand", 4, 0.6)};
    }
    CRegisterItemTable Items() const
    {
        return CRegisterItemTable::Build(Sales, {}, Host.Data, CDishProposer(Host.Data));
    }
    void OpenMapping()
    {
        Mapping = std::make_unique<CDialogRegisterMapping>(Host, Host.Data, Items());
        Mapping->show();
        QApplication::setActiveWindow(Mapping.get());
    }
    QPushButton* Button(const char* name) const { return Mapping->findChild<QPushButton*>(name); }

    CFakePageHost Host;
    CRecipe* Schnitzel = nullptr;
    CRecipe* Pils = nullptr;
    CRegisterSales Sales;
    std::unique_ptr<CDialogRegisterMapping> Mapping;
};

} // namespace

TEST_F(DialogRegisterImportTest, MappingShowsItemsWithProposalsAndNothingChosen)
{
    OpenMapping();
    const CListCtrlEx& list = *Mapping->List();
    EXPECT_EQ(Column(list, 1), (QStringList{"Wiener Schnitzel", "kaese-spaetzle", "Pils 0,3", "Pfand"}));
    EXPECT_EQ(Column(list, 2), (QStringList{"37,00", "12,50", "14,00", "0,60"}));
    EXPECT_EQ(Column(list, 4), (QStringList{"Wiener Schnitzel", "Käsespätzle", "Pils", ""}));
    // "pils03" and "pils" share 4 of 7 and 5 triples: 8 / 12, weighed 0,85
    EXPECT_EQ(Column(list, 5), (QStringList{"100 %", "90 %", "57 %", ""}));
    EXPECT_EQ(Column(list, 6), (QStringList{"offen", "offen", "offen", "offen"}));
    EXPECT_EQ(Mapping->OpenCount()->text(), QStringLiteral("Offene Artikel werden nicht gebucht. Offen: 4"));
}

// Enter confirms the proposal of the current row; "Sichere Vorschläge übernehmen" takes those
// found by name alone, never the closest name; a dish is picked from the field; the deposit
// is marked as no dish. OK hands the choices back.
TEST_F(DialogRegisterImportTest, ProposalsConfirmedDishesPickedAndNoDish)
{
    OpenMapping();
    CListCtrlEx& list = *Mapping->List();
    list.setFocus();
    ClickRow(list, 0);
    QTest::keyClick(&list, Qt::Key_Return);
    EXPECT_EQ(Column(list, 6)[0], QStringLiteral("Wiener Schnitzel"));

    QTest::mouseClick(Button("confirmSureProposals"), Qt::LeftButton);
    EXPECT_EQ(Column(list, 6), (QStringList{"Wiener Schnitzel", "Käsespätzle", "offen", "offen"}));

    ClickRow(list, 3);
    QTest::mouseClick(Button("noDish"), Qt::LeftButton);
    ClickRow(list, 2);
    Mapping->DishField()->setCurrentIndex(Mapping->DishField()->findText(QStringLiteral("Pils")));
    QTest::mouseClick(Button("assignDish"), Qt::LeftButton);
    EXPECT_EQ(Column(list, 6),
              (QStringList{"Wiener Schnitzel", "Käsespätzle", "Pils", "kein Gericht – nicht buchen"}));
    EXPECT_EQ(Mapping->OpenCount()->text(), QStringLiteral("Offene Artikel werden nicht gebucht. Offen: 0"));

    ClickRow(list, 1);
    QTest::mouseClick(Button("reopenItem"), Qt::LeftButton);
    EXPECT_EQ(Column(list, 6)[1], QStringLiteral("offen"));

    QTest::mouseClick(Button("okButton"), Qt::LeftButton);
    EXPECT_EQ(Mapping->result(), QDialog::Accepted);
    const auto& rows = Mapping->Items().Rows();
    EXPECT_EQ(rows[0].RecipeId, Schnitzel->Id);
    EXPECT_EQ(rows[1].Choice, EChoice::Open);
    EXPECT_EQ(rows[2].RecipeId, Pils->Id);
    EXPECT_EQ(rows[3].Choice, EChoice::NoDish);
}

TEST_F(DialogRegisterImportTest, MappingWorksOnACopyAndEscapeCancels)
{
    const CRegisterItemTable items = Items();
    Mapping = std::make_unique<CDialogRegisterMapping>(Host, Host.Data, items);
    Mapping->show();
    QApplication::setActiveWindow(Mapping.get());
    Mapping->ChooseNoDish(); // the first row is selected when the dialog opens
    EXPECT_EQ(Mapping->Items().Rows()[0].Choice, EChoice::NoDish);
    QTest::keyClick(Mapping.get(), Qt::Key_Escape);
    EXPECT_EQ(Mapping->result(), QDialog::Rejected);
    EXPECT_EQ(items.Rows()[0].Choice, EChoice::Open);
    EXPECT_TRUE(Host.Data.RegisterMapping.IsEmpty());
}

// Two dishes booked, the beer left open with its revenue, the deposit not booked; 19:30 on
// 3 May. 37,00 / 1,07 + 12,50 / 1,07 = 46,26 net.
TEST_F(DialogRegisterImportTest, SummaryShowsFiguresAndRowsAndBooksOnlyWithSomethingToBook)
{
    CRegisterItemTable items = Items();
    items.AcceptExact();
    ASSERT_TRUE(items.ConfirmProposal(1));
    items.ChooseNoDish(3);
    Sales.Skipped[ERegisterSkip::VoidedReceipt] = {2, 9.5};
    const CImportPlan plan = ImportPlanning::Plan(Sales, items, Host.Data);
    CDialogImportSummary summary(Host, plan);
    summary.show();
    const QString figures = summary.Figures()->text();
    EXPECT_TRUE(figures.contains(QStringLiteral("Quelle: journal.csv"))) << figures.toStdString();
    EXPECT_TRUE(figures.contains(QStringLiteral("Zeitraum: 03.05.2025 – 03.05.2025")));
    EXPECT_TRUE(figures.contains(QStringLiteral("Zeilen gelesen / gebucht: 4 / 2")));
    EXPECT_TRUE(figures.contains(QStringLiteral("Umsatz brutto / netto: 49,50 / 46,26")));
    EXPECT_TRUE(figures.contains(QStringLiteral("Wareneinsatz: 0,00 (Kosten der Gerichte beim Import")));
    EXPECT_TRUE(figures.contains(QStringLiteral("Nicht zugeordnete Artikel werden nicht gebucht")));
    const CListCtrlEx& list = *summary.List();
    EXPECT_EQ(Column(list, 0),
              (QStringList{"Gericht", "Gericht", "nicht zugeordnet", "kein Gericht", "ausgelassen"}));
    EXPECT_EQ(Column(list, 1),
              (QStringList{"Wiener Schnitzel", "Käsespätzle", "Pils 0,3", "Pfand", "stornierter Beleg"}));
    EXPECT_EQ(Column(list, 4), (QStringList{"37,00", "12,50", "14,00", "0,60", "9,50"}));
    EXPECT_TRUE(summary.BookButton()->isEnabled());

    CImportPlan nothing;
    nothing.AlreadyImported = {"Journal vom 03.05.2025"};
    CDialogImportSummary empty(Host, nothing);
    EXPECT_FALSE(empty.BookButton()->isEnabled());
    EXPECT_EQ(Column(*empty.List(), 1), (QStringList{"Journal vom 03.05.2025"}));
}
