#include "WindowTestBed.h"
#include "app/SectionBar.h"
#include "controls/FlatButton.h"
#include "pages/common/SubDialog.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <fstream>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using testing::ElementsAre;

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::unique_ptr<CKostenkochDlg> StartActive(CWindowTestBed& bed)
{
    auto dlg = bed.Start();
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    return dlg;
}

QLineEdit* Field(const CKostenkochDlg& dlg, EPage page, const char* name)
{
    return dlg.Page(page)->findChild<QLineEdit*>(QString::fromLatin1(name));
}

void TypeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
}

// The ways the master data pages' values go into the catalogue.
struct CTransfer
{
    const char* Name;
    std::function<void(CKostenkochDlg&, QLineEdit*)> Run;
    // Where the window is once the transfer went through.
    int TabAfter;
    bool VisibleAfter;
};

const CTransfer kTransfers[] = {
    {"Ctrl+S", [](CKostenkochDlg&, QLineEdit* field) { QTest::keySequence(field, QKeySequence::Save); }, 0,
     true},
    {"Speichern",
     [](CKostenkochDlg& dlg, QLineEdit*) {
         dlg.findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
     },
     0, true},
    {"Beenden",
     [](CKostenkochDlg& dlg, QLineEdit*) {
         dlg.findChild<QAction*>(QStringLiteral("actionExit"))->trigger();
     },
     0, false},
    {"close box", [](CKostenkochDlg& dlg, QLineEdit*) { dlg.close(); }, 0, false},
    {"tab click",
     [](CKostenkochDlg& dlg, QLineEdit*) {
         QTest::mouseClick(dlg.Tabs(), Qt::LeftButton, {}, dlg.Tabs()->tabRect(1).center());
     },
     1, true},
    {"Ctrl+Tab",
     [](CKostenkochDlg&, QLineEdit* field) { QTest::keyClick(field, Qt::Key_Tab, Qt::ControlModifier); }, 1,
     true},
    {"section click",
     [](CKostenkochDlg& dlg, QLineEdit*) { QTest::mouseClick(dlg.SectionBar()->Button(0), Qt::LeftButton); },
     0, true},
};

} // namespace

// "7%" as a VAT rate, then any transfer: the message comes first, the field keeps the focus and
// its text, and nothing is stored, saved, closed or switched. Escape takes the stored rate back,
// and the same transfer then goes through.
TEST(MasterDataTransfer, RefusedVatRateStopsEveryTransferUntilTheStoredRateIsBack)
{
    for (const CTransfer& transfer : kTransfers) {
        SCOPED_TRACE(transfer.Name);
        CWindowTestBed bed;
        bed.RegisterDataFile(1, 0, 0);
        const std::string fileBefore = FileText(bed.DataPath());
        auto dlg = StartActive(bed);
        const double stored = dlg->Document().GetData()->Taxes[3];
        QTest::mouseClick(dlg->SectionBar()->Button(3), Qt::LeftButton);
        QLineEdit* rate = Field(*dlg, EPage::FoodTaxes, "rate4");
        ASSERT_EQ(dlg->CurrentPage(), dlg->Page(EPage::FoodTaxes));
        TypeInto(rate, QStringLiteral("7%"));
        bed.Messages.Clear();

        transfer.Run(*dlg, rate);
        EXPECT_THAT(bed.MessageTexts(), ElementsAre("Geben Sie eine Zahl ein."));
        EXPECT_TRUE(rate->hasFocus());
        EXPECT_EQ(rate->text(), QStringLiteral("7%"));
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(dlg->CurrentTab(), 0);
        EXPECT_EQ(dlg->SectionBar()->GetSelected(), 3);
        EXPECT_EQ(dlg->CurrentPage(), dlg->Page(EPage::FoodTaxes));
        EXPECT_EQ(dlg->Document().GetData()->Taxes[3], stored);
        EXPECT_EQ(FileText(bed.DataPath()), fileBefore);
        EXPECT_FALSE(bed.Profile.Contains("MainWindow", "WindowPos"));

        QTest::keyClick(rate, Qt::Key_Escape);
        bed.Messages.Clear();
        transfer.Run(*dlg, rate);
        EXPECT_TRUE(bed.MessageTexts().empty());
        EXPECT_EQ(dlg->isVisible(), transfer.VisibleAfter);
        if (transfer.VisibleAfter) {
            EXPECT_EQ(dlg->CurrentTab(), transfer.TabAfter);
        }
        EXPECT_EQ(dlg->Document().GetData()->Taxes[3], stored);
    }
}

// The currency factor and a target ratio follow the same rule on a save.
TEST(MasterDataTransfer, RefusedFactorOrRatioIsNotSavedSilently)
{
    const struct
    {
        int section;
        EPage page;
        const char* field;
    } cases[] = {{7, EPage::Currencies, "factor"}, {6, EPage::DrinkQuotes, "rate2"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        CWindowTestBed bed;
        bed.RegisterDataFile(1, 0, 0);
        const std::string fileBefore = FileText(bed.DataPath());
        auto dlg = StartActive(bed);
        QTest::mouseClick(dlg->SectionBar()->Button(c.section), Qt::LeftButton);
        QLineEdit* field = Field(*dlg, c.page, c.field);
        TypeInto(field, QStringLiteral("1,5x"));
        bed.Messages.Clear();
        QTest::keySequence(field, QKeySequence::Save);
        EXPECT_THAT(bed.MessageTexts(), ElementsAre("Geben Sie eine Zahl ein."));
        EXPECT_TRUE(field->hasFocus());
        EXPECT_EQ(FileText(bed.DataPath()), fileBefore);

        TypeInto(field, QStringLiteral("1,5"));
        bed.Messages.Clear();
        QTest::keySequence(field, QKeySequence::Save);
        EXPECT_TRUE(bed.MessageTexts().empty());
        EXPECT_NE(FileText(bed.DataPath()), fileBefore);
    }
}

// A file whose unnamed groups hold recipes: nothing was emptied, so neither the start, nor
// tabs, sections or saves bring message 120.
TEST(MasterDataTransfer, UnnamedGroupsWithRecipesBringNoMessage)
{
    CWindowTestBed bed;
    {
        CData data;
        data.SetDefaults();
        AddRecords(data, 1, 2, 1);
        data.Recipes.At(0)->NameGroupIndex = 9;  // food group 10 has no name
        data.Recipes.At(1)->NameGroupIndex = 19; // nor has drink group 10
        bed.WriteDataFile(data, bed.DataPath());
        bed.Profile.WriteString("", "DataPath", bed.DataPath());
    }
    auto dlg = StartActive(bed);
    for (int section = 1; section < 8; ++section)
        QTest::mouseClick(dlg->SectionBar()->Button(section), Qt::LeftButton);
    for (int tab : {1, 2, 0, 3, 0})
        QTest::mouseClick(dlg->Tabs(), Qt::LeftButton, {}, dlg->Tabs()->tabRect(tab).center());
    dlg->findChild<QAction*>(QStringLiteral("actionSave"))->trigger();
    EXPECT_TRUE(bed.MessageTexts().empty());
}
