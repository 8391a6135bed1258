// The print commands of the main window: each printout opens in the print preview, whose
// "Als PDF speichern ..." writes the PDF file the user names; the inventory lists sort the
// ingredients by group and name first.

#include "CatalogueBuilder.h"
#include "ModalWindows.h"
#include "WindowTestBed.h"
#include "app/TabRules.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QAction* Action(const QWidget& window, const char* name)
{
    return window.findChild<QAction*>(QString::fromLatin1(name));
}

// When the preview appears: saves the printout as PDF under `path`.
void SavePdfFromPreview(CWindowTestBed& bed, const std::string& path, bool* shown)
{
    bed.Dialogs.QueueAnswer(path);
    WhenModalAppears<QPrintPreviewDialog>([shown](QPrintPreviewDialog& preview) {
        *shown = true;
        Action(preview, "actionSavePdf")->trigger();
    });
}

// The text of a PDF file, or nothing when pdftotext is not installed.
std::optional<QString> PdfText(const std::string& path)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, {QStringLiteral("-layout"), QString::fromStdString(path), QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintCommandsTest : public testing::Test
{
protected:
    PrintCommandsTest()
    {
        CData data;
        data.SetDefaults();
        data.Firstname = "Marta";
        data.Lastname = "Brenner";
        AddIngredient(data, "Zwiebeln", 1.8, 1.0,
                      "Gem\xFC"
                      "se")
            .StockAmount = 3.0;
        AddIngredient(data,
                      "Rinderh\xFC"
                      "fte",
                      24.9, 1.0, "Fleisch")
            .StockAmount = 1.5;
        AddIngredient(data, "Karotten", 2.0, 1.0,
                      "Gem\xFC"
                      "se")
            .StockAmount = 10.0;
        m_bed.WriteDataFile(data, m_bed.DataPath());
        m_bed.Profile.WriteString("", "DataPath", m_bed.DataPath());
        m_dlg = m_bed.Start();
        m_dlg->Tabs()->setCurrentIndex(CTabRules::Ingredients);
    }

    CWindowTestBed m_bed;
    std::unique_ptr<CKostenkochDlg> m_dlg;
};

} // namespace

TEST_F(PrintCommandsTest, IngredientListGoesThroughThePreviewIntoAPdfFile)
{
    ASSERT_EQ(m_dlg->CurrentTab(), CTabRules::Ingredients);
    QAction* print = Action(*m_dlg, "actionPrint");
    ASSERT_TRUE(print->isEnabled());
    bool shown = false;
    const std::string path = m_bed.Path("Zutatenliste.pdf");
    SavePdfFromPreview(m_bed, path, &shown);
    print->trigger();

    EXPECT_TRUE(shown);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_TRUE(m_bed.MessageTexts().empty());
    const std::optional<QString> text = PdfText(path);
    if (!text)
        GTEST_SKIP() << "pdftotext is not installed";
    for (const char* expected :
         {"Marta Brenner", "Zutatenliste", "Seite 1 von 1", "Rinderh\u00fcfte", "Zwiebeln", "24,90"})
        EXPECT_TRUE(text->contains(QString::fromUtf8(expected))) << expected << "\n" << text->toStdString();
}

TEST_F(PrintCommandsTest, InventoryListsSortTheIngredientsByGroupAndNameFirst)
{
    for (const char* command : {"actionInventoryEmptyList", "actionInventoryList"}) {
        CData& data = *m_dlg->Document().GetData();
        data.SortIngredients("Name", false);
        bool shown = false;
        const std::string path = m_bed.Path(std::string(command) + ".pdf");
        SavePdfFromPreview(m_bed, path, &shown);
        Action(*m_dlg, command)->trigger();

        EXPECT_TRUE(shown) << command;
        EXPECT_EQ(Names(data.Ingredients), "Rinderh\xFC"
                                           "fte,Karotten,Zwiebeln")
            << command;
        ASSERT_TRUE(std::filesystem::exists(path)) << command;
        const std::optional<QString> text = PdfText(path);
        if (!text)
            continue;
        EXPECT_TRUE(text->contains("Inventurliste")) << command;
        EXPECT_EQ(text->contains("........."), std::string(command) == "actionInventoryEmptyList") << command;
        EXPECT_EQ(text->contains("Gesamtsumme"), std::string(command) == "actionInventoryList") << command;
    }
}

TEST_F(PrintCommandsTest, ClosingThePreviewPrintsNothingAndSaysNothing)
{
    bool shown = false;
    WhenModalAppears<QPrintPreviewDialog>([&shown](QPrintPreviewDialog& preview) {
        shown = true;
        preview.reject();
    });
    Action(*m_dlg, "actionInventoryList")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(m_bed.MessageTexts().empty());
    // A cancelled file dialog keeps the preview open; closing it then ends the job.
    m_bed.Dialogs.QueueAnswer(std::nullopt);
    shown = false;
    WhenModalAppears<QPrintPreviewDialog>([&shown](QPrintPreviewDialog& preview) {
        Action(preview, "actionSavePdf")->trigger();
        shown = preview.isVisible();
        preview.reject();
    });
    Action(*m_dlg, "actionInventoryEmptyList")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(m_bed.MessageTexts().empty());
}

TEST_F(PrintCommandsTest, PrintOnTheMasterDataTabDoesNothing)
{
    m_dlg->Tabs()->setCurrentIndex(CTabRules::MasterData);
    EXPECT_FALSE(Action(*m_dlg, "actionPrint")->isEnabled());
    QTest::keySequence(m_dlg.get(), QKeySequence::Print);
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(m_bed.MessageTexts().empty());
}
