#include "ModalWindows.h"
#include "WindowTestBed.h"
#include "app/AboutDialog.h"
#include "app/SectionBar.h"
#include "controls/FlatButton.h"
#include "controls/LinkStatic.h"
#include "controls/ListCtrlEx.h"
#include "costcheck/CostFindingText.h"
#include "datafile/DataFile.h"
#include "datafile/DataLocator.h"
#include "pages/common/ListPage.h"
#include "pages/common/SubDialog.h"
#include "pages/costing/DialogCostCheck.h"
#include "pages/ingredients/DialogIngredient.h"
#include "pages/stock/DialogIngredientList.h"
#include "platform/StdFile.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

QStringList TabTexts(const CKostenkochDlg& dlg)
{
    QStringList texts;
    for (int tab = 0; tab < dlg.Tabs()->count(); ++tab)
        texts << dlg.Tabs()->tabText(tab);
    return texts;
}

QStringList SectionTexts(const CSectionBar& bar)
{
    QStringList texts;
    for (int index = 0; index < bar.GetCount(); ++index)
        texts << bar.Button(index)->text();
    return texts;
}

void ClickTab(CKostenkochDlg& dlg, int tab)
{
    QTest::mouseClick(dlg.Tabs(), Qt::LeftButton, {}, dlg.Tabs()->tabRect(tab).center());
}

QAction* Action(const CKostenkochDlg& dlg, const char* name)
{
    return dlg.findChild<QAction*>(QString::fromLatin1(name));
}

void OpenMenu(const CKostenkochDlg& dlg, const char* name)
{
    emit dlg.findChild<QMenu*>(QString::fromLatin1(name))->aboutToShow();
}

// Writes a picture of the window for a look by eye when KK_SCREENSHOT_DIR names a directory.
void SaveScreenshot(QWidget& window, const QString& name)
{
    const QPixmap picture = window.grab();
    EXPECT_FALSE(picture.isNull());
    if (const char* directory = std::getenv("KK_SCREENSHOT_DIR"))
        picture.save(QStringLiteral("%1/%2.png").arg(QString::fromLocal8Bit(directory), name));
}

TEST(KostenkochDlgTest, FirstStartWithoutDataShowsDefaultMasterDataAndTwoTabs)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();

    CData defaults;
    defaults.SetDefaults();
    EXPECT_EQ(dlg->Document().GetDataPath(), bed.DataPath());
    EXPECT_EQ(dlg->Document().GetData()->NameGroup, defaults.NameGroup);
    EXPECT_EQ(dlg->Document().GetData()->Taxes, defaults.Taxes);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Kostenkoch"));
    EXPECT_EQ(TabTexts(*dlg), (QStringList{"Stammdaten", "Einkauf und Zutaten"}));
    EXPECT_EQ(SectionTexts(*dlg->SectionBar()),
              (QStringList{"Benutzer", "Speisen-Gruppen", "Getränke-Gruppen", "Steuersätze Speisen",
                           "Steuersätze Getränke", "WE-Quoten Speisen", "WE-Quoten Getränke", "Währungen"}));
    EXPECT_EQ(dlg->SectionBar()->GetSelected(), 0);
    EXPECT_EQ(dlg->CurrentPage(), dlg->Page(EPage::UserData));
    EXPECT_TRUE(bed.Messages.GetMessages().empty());
    // The splash's status line is cleared and the splash closed 3 s after the window is ready.
    ASSERT_FALSE(bed.SplashStatus.empty());
    EXPECT_EQ(bed.SplashStatus.back(), "");
    EXPECT_THAT(bed.SplashWaits, ElementsAre(3000));
    EXPECT_EQ(dlg->minimumHeight(), 440);
}

TEST(KostenkochDlgTest, TabsAppearInOrderAsRecordsAppearAndKeepTheSelection)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    CData& data = *dlg->Document().GetData();
    ClickTab(*dlg, 1);
    ASSERT_EQ(dlg->CurrentPage(), dlg->Page(EPage::Ingredients));

    AddRecords(data, 1, 0, 0);
    dlg->RebuildTabs(-1);
    EXPECT_EQ(TabTexts(*dlg).last(), QStringLiteral("Rezepturen"));
    AddRecords(data, 0, 1, 0);
    dlg->RebuildTabs(-1);
    EXPECT_EQ(TabTexts(*dlg).last(), QStringLiteral("Abverkäufe"));
    AddRecords(data, 0, 0, 1);
    dlg->RebuildTabs(-1);
    EXPECT_EQ(TabTexts(*dlg),
              (QStringList{"Stammdaten", "Einkauf und Zutaten", "Rezepturen", "Abverkäufe", "Auswertungen"}));
    EXPECT_EQ(dlg->CurrentTab(), 1);
    EXPECT_EQ(dlg->CurrentPage(), dlg->Page(EPage::Ingredients));
}

TEST(KostenkochDlgTest, RecipesTabShowsSelectorsAndNamedGroups)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    dlg->show();
    CData& data = *dlg->Document().GetData();
    NameThreeGroups(data);
    AddRecords(data, 1, 1, 0);
    // The master data pages show what the catalogue holds, as after a load; leaving the tab
    // stores them.
    for (int page = 0; page < kNbMasterDataPages; ++page)
        dlg->Page(PageAt(page))->InitFromData(data);
    dlg->RebuildTabs(-1);

    ClickTab(*dlg, 2);
    CSectionBar& bar = *dlg->SectionBar();
    EXPECT_EQ(SectionTexts(bar),
              (QStringList{"Alle", "Alle Speisen", "Vorspeisen", "Hauptgerichte", "Alle Getränke", "Biere"}));
    EXPECT_EQ(bar.Button(0)->GetColor(CFlatButton::kBackground), QColor(255, 220, 220));
    EXPECT_EQ(bar.Button(1)->GetColor(CFlatButton::kBackground), QColor(220, 220, 255));
    EXPECT_EQ(bar.Button(4)->GetColor(CFlatButton::kBackground), QColor(220, 220, 255));
    EXPECT_EQ(bar.Button(3)->GetColor(CFlatButton::kBackground), bar.FaceColor());
    EXPECT_EQ(data.GroupSection[2], 3);
    EXPECT_EQ(data.GroupSection[10], 5);
    EXPECT_EQ(dlg->CurrentPage(), dlg->Page(EPage::Recipes));
    EXPECT_TRUE(bar.isVisible());

    QTest::mouseClick(bar.Button(3), Qt::LeftButton);
    const CGroupSelection selection = dlg->GetGroupSelection();
    EXPECT_EQ(selection.Selected, 3);
    EXPECT_TRUE(selection.ShowsGroup(2, data));
    EXPECT_FALSE(selection.ShowsGroup(0, data));

    // The ingredients page covers the bar's place; the bar keeps its sections.
    ClickTab(*dlg, 1);
    EXPECT_EQ(dlg->CurrentPage(), dlg->Page(EPage::Ingredients));
    EXPECT_FALSE(bar.isVisible());
    EXPECT_EQ(bar.GetCount(), 6);
    ClickTab(*dlg, 0);
    EXPECT_EQ(bar.GetCount(), 8);
    EXPECT_EQ(dlg->CurrentPage(), dlg->Page(EPage::UserData));
}

TEST(KostenkochDlgTest, EvaluationTabSelectsTheRememberedMeasureAndExitRemembersTheNewOne)
{
    CWindowTestBed bed;
    bed.RegisterDataFile(1, 1, 1);
    bed.Profile.WriteString("Chart", "ChartActive", "2");
    auto dlg = bed.Start();
    dlg->show();
    ASSERT_EQ(dlg->Tabs()->count(), 5);

    ClickTab(*dlg, 4);
    EXPECT_EQ(SectionTexts(*dlg->SectionBar()), (QStringList{"Umsatz netto", "Umsatz brutto", "Wareneinsatz",
                                                             "Wareneinsatzquote", "Deckungsbeitrag"}));
    EXPECT_EQ(dlg->SectionBar()->GetSelected(), 2);
    EXPECT_EQ(dlg->CurrentPage(), dlg->Page(EPage::Evaluation));
    QTest::mouseClick(dlg->SectionBar()->Button(4), Qt::LeftButton);
    EXPECT_EQ(dlg->Document().ChartSettings().ChartActive, EMeasure::ContributionMargin);

    dlg->close();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(bed.Profile.GetString("Chart", "ChartActive"), "4");
    EXPECT_EQ(bed.Profile.GetString("", "DataPath"), bed.DataPath());
    EXPECT_TRUE(bed.Profile.GetString("MainWindow", "WindowPos").has_value());
    EXPECT_TRUE(fs::exists(bed.Path("profile/Kostenkoch/KostenkochData_Backup.XML")));
}

TEST(KostenkochDlgTest, PageScrollBarsAppearWhenSmallAndVanishWithPositionResetWhenLarge)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    dlg->show();
    dlg->resize(620, 440);
    SettleLayouts();
    QScrollArea* area = dlg->Page(EPage::UserData)->ScrollArea();
    QScrollBar* horizontal = area->horizontalScrollBar();
    QScrollBar* vertical = area->verticalScrollBar();
    ASSERT_TRUE(horizontal->isVisible());
    ASSERT_TRUE(vertical->isVisible());
    SaveScreenshot(*dlg, QStringLiteral("main-window-smallest"));
    EXPECT_EQ(horizontal->maximum(), 520 - area->viewport()->width());

    vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(vertical->value(), 1);
    horizontal->setValue(40);

    dlg->resize(1100, 800);
    SettleLayouts();
    EXPECT_FALSE(horizontal->isVisible());
    EXPECT_FALSE(vertical->isVisible());
    EXPECT_EQ(horizontal->value(), 0);
    EXPECT_EQ(vertical->value(), 0);
    EXPECT_EQ(dlg->Page(EPage::UserData)->HelpButton()->geometry().right(),
              area->viewport()->width() - 1 - area->widget()->layout()->contentsMargins().right());
}

TEST(KostenkochDlgTest, WindowCannotGetSmallerThanItsMinimum)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    dlg->show();
    dlg->resize(300, 200);
    SettleLayouts();
    EXPECT_GE(dlg->minimumWidth(), 620);
    EXPECT_EQ(dlg->size(), QSize(dlg->minimumWidth(), 440));
    EXPECT_LE(dlg->layout()->minimumSize().width(), dlg->minimumWidth());
    EXPECT_LE(dlg->layout()->minimumSize().height(), 440);
}

TEST(KostenkochDlgTest, EscapeAndEnterDoNothing)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    dlg->show();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(dlg.get(), key);
        QTest::keyClick(dlg->Tabs(), key);
    }
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->CurrentPage(), dlg->Page(EPage::UserData));
    EXPECT_TRUE(bed.Messages.GetMessages().empty());
    EXPECT_FALSE(bed.Profile.Contains("", "DataPath")); // the exit sequence did not run
}

TEST(KostenkochDlgTest, MenuStatesFollowTabCatalogueImportFileAndLanguage)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    const std::string importPath = bed.Path("profile/Kostenkoch/KostenkochData_Import.XML");
    std::ofstream(importPath) << "x";

    OpenMenu(*dlg, "menuFile");
    EXPECT_FALSE(Action(*dlg, "actionPrint")->isEnabled());
    EXPECT_FALSE(Action(*dlg, "actionInventoryStockEntry")->isEnabled());
    EXPECT_NE(Action(*dlg, "actionImport"), nullptr);

    AddRecords(*dlg->Document().GetData(), 1, 0, 0);
    ClickTab(*dlg, 1);
    fs::remove(importPath);
    OpenMenu(*dlg, "menuExtras");
    // Printing and the stock entry work: enabled.
    for (const char* name :
         {"actionPrint", "actionInventoryEmptyList", "actionInventoryList", "actionInventoryStockEntry"})
        EXPECT_TRUE(Action(*dlg, name)->isEnabled()) << name;
    EXPECT_EQ(Action(*dlg, "actionImport"), nullptr);
    std::ofstream(importPath) << "x"; // once gone, it does not come back
    OpenMenu(*dlg, "menuExtras");
    EXPECT_EQ(Action(*dlg, "actionImport"), nullptr);

    OpenMenu(*dlg, "menuLanguage");
    EXPECT_TRUE(Action(*dlg, "actionLanguageGerman")->isChecked());
    Action(*dlg, "actionLanguageEnglish")->trigger();
    OpenMenu(*dlg, "menuLanguage");
    EXPECT_FALSE(Action(*dlg, "actionLanguageGerman")->isChecked());
    EXPECT_TRUE(Action(*dlg, "actionLanguageEnglish")->isChecked());
    EXPECT_FALSE(Action(*dlg, "actionLanguageRomanian")->isChecked());
    EXPECT_EQ(bed.Profile.GetString("", "Language"), "English (U.S.)");
    EXPECT_THAT(bed.MessageTexts(), ElementsAre(StartsWith("To show all texts")));
}

TEST(KostenkochDlgTest, FailingSaveAnsweredNoKeepsTheWindowOpenAndYesClosesIt)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    dlg->show();
    // The data directory becomes a file: nothing can be created in it any more.
    fs::remove_all(bed.Path("profile/Kostenkoch"));
    std::ofstream(bed.Path("profile/Kostenkoch")) << "x";

    bed.Messages.QueueAnswer(CMessageService::No);
    dlg->close();
    EXPECT_TRUE(dlg->isVisible());
    ASSERT_EQ(bed.Messages.GetMessages().size(), 1u);
    EXPECT_EQ(bed.Messages.GetMessages()[0].Kind, CRecordingMessageService::YesNo);
    EXPECT_THAT(bed.Messages.GetMessages()[0].Text, StartsWith(CStringTables::Load(216)));
    EXPECT_EQ(bed.Profile.GetString("", "DataPath"), bed.DataPath());
    EXPECT_FALSE(bed.Profile.Contains("MainWindow", "WindowPos"));

    bed.Messages.QueueAnswer(CMessageService::Yes);
    Action(*dlg, "actionExit")->trigger();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(bed.Profile.Contains("MainWindow", "WindowPos"));
}

TEST(KostenkochDlgTest, PlacementSavedWhileMinimisedComesBackNormal)
{
    CWindowTestBed bed;
    {
        auto dlg = bed.Start();
        dlg->show();
        dlg->move(40, 30);
        dlg->resize(760, 500);
        SettleLayouts();
        dlg->showMinimized();
        SettleLayouts();
        dlg->close();
        ASSERT_FALSE(dlg->isVisible());
    }
    const std::optional<std::string> saved = bed.Profile.GetString("MainWindow", "WindowPos");
    ASSERT_TRUE(saved.has_value());
    EXPECT_THAT(*saved, StartsWith("0,2,")); // minimised

    auto dlg = bed.Start();
    dlg->show();
    SettleLayouts();
    EXPECT_FALSE(dlg->isMinimized());
    EXPECT_FALSE(dlg->isMaximized());
    EXPECT_EQ(dlg->pos(), QPoint(40, 30));
    EXPECT_EQ(dlg->size(), QSize(760, 500));
}

TEST(KostenkochDlgTest, PlacementOnAScreenThatIsGoneLandsOnAnAvailableScreen)
{
    CWindowTestBed bed;
    bed.Profile.WriteString("MainWindow", "WindowPos", "0,1,-1,-1,-1,-1,3000,2000,5900,4700");
    auto dlg = bed.Start();
    dlg->show();
    SettleLayouts();
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect window(dlg->pos(), dlg->size());
    EXPECT_LE(window.width(), available.width());
    EXPECT_LE(window.height(), available.height());
    EXPECT_GE(window.top(), available.top());
    const QRect visible = window.intersected(available);
    EXPECT_GE(visible.width(), 100);
    EXPECT_GE(visible.height(), 100);

    CWindowTestBed maximised;
    maximised.Profile.WriteString("MainWindow", "WindowPos", "2,3,-1,-1,-1,-1,10,10,700,500");
    auto second = maximised.Start();
    second->show();
    EXPECT_TRUE(second->isMaximized());
}

TEST(KostenkochDlgTest, OpenAndImportBringAnotherCatalogueWithTitleAndTabs)
{
    CWindowTestBed bed;
    CData imported;
    imported.SetDefaults();
    AddRecords(imported, 1, 0, 0);
    const std::string importPath = bed.Path("profile/Kostenkoch/KostenkochData_Import.XML");
    bed.WriteDataFile(imported, importPath);
    CData other;
    other.SetDefaults();
    AddRecords(other, 2, 1, 0);
    const std::string otherPath = bed.Path("elsewhere/Andere.xml");
    bed.WriteDataFile(other, otherPath);
    auto dlg = bed.Start();

    Action(*dlg, "actionImport")->trigger();
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Kostenkoch - " + importPath);
    EXPECT_EQ(dlg->Tabs()->count(), 3);
    EXPECT_FALSE(fs::exists(importPath));
    EXPECT_EQ(dlg->Document().GetDataPath(), bed.DataPath());

    bed.Messages.QueueAnswer(CMessageService::No); // do not save before opening
    bed.Dialogs.QueueAnswer(otherPath);
    Action(*dlg, "actionOpen")->trigger();
    EXPECT_EQ(dlg->windowTitle().toStdString(), "Kostenkoch - " + otherPath);
    EXPECT_EQ(dlg->Tabs()->count(), 4);
    EXPECT_EQ(dlg->Document().GetData()->GetNbIngredients(), 2);
    EXPECT_EQ(dlg->Document().GetDataPath(), otherPath);
}

TEST(KostenkochDlgTest, HelpButtonsAndAboutBoxOpenTheirHelpAddresses)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    dlg->show();
    const std::string help = bed.Path("program/KostenkochHelp.html#");

    QTest::mouseClick(dlg->Page(EPage::UserData)->HelpButton(), Qt::LeftButton);
    Action(*dlg, "actionHelp")->trigger();
    EXPECT_THAT(bed.Opened, ElementsAre(help + "MainUserdata", help + "Main"));
    EXPECT_EQ(dlg->Page(EPage::Evaluation)->HelpAddress(), help + "Chart");
    EXPECT_EQ(dlg->Page(EPage::DrinkQuotes)->HelpAddress(), help + "MainQuotesDrink");

    QString shownPath;
    QString homepage;
    WhenModalAppears<CAboutDialog>([&](CAboutDialog& about) {
        shownPath = about.DataPathLabel()->text();
        SaveScreenshot(about, QStringLiteral("about-box"));
        homepage = about.HomepageLink()->GetAddress();
        about.HomepageLink()->OpenAddress();
        QApplication::setActiveWindow(&about);
        QTest::keyClick(&about, Qt::Key_F1);
        about.accept();
    });
    Action(*dlg, "actionAbout")->trigger();
    EXPECT_EQ(shownPath.toStdString(), bed.DataPath());
    EXPECT_THAT(bed.Opened, ElementsAre(help + "MainUserdata", help + "Main", homepage.toStdString(),
                                        help + "DialogAboutBox"));
}

TEST(KostenkochDlgTest, DataInTheTemporaryDirectoryIsAnnouncedOnce)
{
    CWindowTestBed bed;
    bed.Services.DataCandidates.ProfileDirectory.clear();
    bed.Services.DataCandidates.ProgramDirectory.clear();
    auto dlg = bed.Start();
    const std::string path = bed.Path("temp/Kostenkoch/KostenkochData.xml");
    EXPECT_EQ(dlg->Document().GetDataPath(), path);
    EXPECT_THAT(bed.MessageTexts(), ElementsAre(CDataLocator::TemporaryLocationNotice(path)));
}

TEST(KostenkochDlgTest, LogTellsTheVersionAndThePageRefresh)
{
    CWindowTestBed bed;
    const std::string logPath = bed.Path("kk.log");
    std::ofstream(bed.Services.SettingsFile) << "[Logfile]\nFilename=" << logPath << "\nActive=TRUE\n";
    auto dlg = bed.Start();
    std::ifstream in(logPath);
    const std::string log((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string init = "CKostenkochDlg::InitDialogsFromKostenkochData()";
    std::vector<size_t> positions;
    for (const std::string& line : {std::string("Kostenkoch Version 4.0, 19.05.2009, Build 00162"), init,
                                    init + " -> SubDialogIngredient", init + " -> SubDialogRecipe",
                                    init + " -> SubDialogSale", init + " -> SubDialogChart", init + " -> OK"})
        positions.push_back(log.find(line));
    EXPECT_THAT(log, HasSubstr(init + " -> OK"));
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << log;
    EXPECT_EQ(std::count(positions.begin(), positions.end(), std::string::npos), 0) << log;
}

// Every menu opens with an access key of its own, every entry has one that no other entry of
// its menu has, and the common commands carry the platform's standard shortcuts.
TEST(KostenkochDlgTest, MenusHaveDistinctAccessKeysAndTheCommonCommandsStandardShortcuts)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    const auto accessKey = [](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        return at < 0 || at + 1 >= text.size() ? QChar() : text.at(at + 1).toLower();
    };
    QString barKeys;
    for (QAction* menu : dlg->Menu().Bar()->actions()) {
        const QChar key = accessKey(menu->text());
        EXPECT_FALSE(key.isNull()) << menu->text().toStdString();
        EXPECT_FALSE(barKeys.contains(key)) << menu->text().toStdString();
        barKeys += key;
        QString entryKeys;
        for (QAction* entry : menu->menu()->actions()) {
            if (entry->isSeparator())
                continue;
            const QChar entryKey = accessKey(entry->text());
            EXPECT_FALSE(entryKey.isNull()) << entry->text().toStdString();
            EXPECT_FALSE(entryKeys.contains(entryKey)) << entry->text().toStdString();
            entryKeys += entryKey;
        }
    }
    EXPECT_EQ(barKeys, QStringLiteral("die?"));
    // The platform's keys where it has them, else the usual ones of desktop programs.
    const std::tuple<const char*, QKeySequence::StandardKey, QKeySequence> shortcuts[] = {
        {"actionOpen", QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"actionSave", QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"actionSaveAs", QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"actionPrint", QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"actionExit", QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"actionHelp", QKeySequence::HelpContents, QKeySequence(Qt::Key_F1)}};
    for (const auto& [name, key, usual] : shortcuts) {
        const QList<QKeySequence> platform = QKeySequence::keyBindings(key);
        EXPECT_EQ(Action(*dlg, name)->shortcuts(), platform.isEmpty() ? QList<QKeySequence>{usual} : platform)
            << name;
        EXPECT_TRUE(Action(*dlg, name)->shortcuts().contains(usual)) << name;
    }
}

TEST(KostenkochDlgTest, QuitShortcutRunsTheExitSequence)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    QTest::keySequence(dlg.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(bed.Profile.GetString("", "DataPath"), bed.DataPath());
    EXPECT_TRUE(fs::exists(bed.DataPath()));
}

// The chosen section must stand out from its neighbours, not only by a one-pixel frame.
TEST(KostenkochDlgTest, ChosenSectionIsDrawnPressedOnADarkerFace)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    dlg->show();
    SettleLayouts();
    const QImage bar = dlg->SectionBar()->grab().toImage();
    const auto faceAt = [&](int index) {
        const QRect button = dlg->SectionBar()->Button(index)->geometry();
        return QColor(bar.pixel(button.left() + 6, button.center().y()));
    };
    ASSERT_EQ(dlg->SectionBar()->GetSelected(), 0);
    EXPECT_GT(faceAt(1).lightness() - faceAt(0).lightness(), 25);
    EXPECT_EQ(faceAt(1), faceAt(2));
}

TEST(KostenkochDlgTest, AllFiveTabsFitAtTheSmallestWindowSize)
{
    CWindowTestBed bed;
    bed.RegisterDataFile(1, 1, 1);
    auto dlg = bed.Start();
    dlg->show();
    dlg->resize(1, 1);
    SettleLayouts();
    ASSERT_EQ(dlg->Tabs()->count(), 5);
    EXPECT_EQ(dlg->width(), dlg->minimumWidth());
    EXPECT_LE(dlg->Tabs()->tabRect(4).right(), dlg->Tabs()->width() - 1);
    EXPECT_EQ(dlg->Tabs()->tabRect(0).left(), 0) << "scrolled, so some tab is cut";
}

// A hint that says what to do once the first record exists only shows while there is none.
TEST(KostenkochDlgTest, PageHintsShowOnlyWhileTheyAreTrue)
{
    CWindowTestBed bed;
    bed.RegisterDataFile(1, 1, 0);
    auto dlg = bed.Start();
    dlg->show();
    ClickTab(*dlg, 2);
    EXPECT_FALSE(dlg->Page(EPage::Recipes)->Subtitle()->isVisible());
    ClickTab(*dlg, 3);
    EXPECT_TRUE(dlg->Page(EPage::Sales)->Subtitle()->isVisible());
}

TEST(KostenkochDlgTest, AboutBoxLinksAreUnderlinedWithoutTheMouse)
{
    CWindowTestBed bed;
    auto dlg = bed.Start();
    bool homepage = false, mail = false;
    WhenModalAppears<CAboutDialog>([&](CAboutDialog& about) {
        homepage = about.HomepageLink()->font().underline();
        mail = about.findChild<CLinkStatic*>(QStringLiteral("mailLink"))->font().underline();
        about.accept();
    });
    Action(*dlg, "actionAbout")->trigger();
    EXPECT_TRUE(homepage);
    EXPECT_TRUE(mail);
}

} // namespace

namespace {

// Ingredients, recipes and sales of the data file at `path`; -1 each when it does not read.
std::array<int, 3> CountsOf(const std::string& path)
{
    CData data;
    try {
        CStdFile file(path, CStdFile::OpenRead);
        if (CDataFile().ReadFromXML(data, file) != 0)
            return {-1, -1, -1};
    } catch (const CFileException&) {
        return {-1, -1, -1};
    }
    return {data.GetNbIngredients(), data.GetNbRecipes(), static_cast<int>(data.Sales.Count())};
}

// A double click too many: the second program on the same data ends at once, says why and
// saves nothing over the first one's work; once the first has closed, the data open again.
TEST(KostenkochDlgTest, SecondProgramOnTheSameDataEndsWithoutSaving)
{
    CWindowTestBed bed;
    bed.RegisterDataFile(2, 0, 0);
    auto first = bed.Start();
    ASSERT_TRUE(first->IsStartedUp());
    first->show();
    AddRecords(*first->Document().GetData(), 1, 0, 0);

    auto second = bed.Start();
    EXPECT_FALSE(second->IsStartedUp());
    ASSERT_EQ(bed.MessageTexts().size(), 1u);
    EXPECT_THAT(bed.MessageTexts()[0], HasSubstr("bereits in einem anderen Kostenkoch-Fenster"));
    second->show();
    second->close();
    EXPECT_FALSE(second->isVisible());
    second.reset();
    EXPECT_EQ(CountsOf(bed.DataPath()), (std::array<int, 3>{2, 0, 0})) << "the second one saved nothing";

    first->close();
    EXPECT_EQ(CountsOf(bed.DataPath()), (std::array<int, 3>{3, 0, 0}));
    auto third = bed.Start();
    EXPECT_TRUE(third->IsStartedUp());
    EXPECT_EQ(third->Document().GetData()->GetNbIngredients(), 3);
}

// An unreadable data file survives two starts and closes: it is put aside under a name no save
// touches, the user is told where, and the next start begins with the defaults saved before.
TEST(KostenkochDlgTest, UnreadableDataFileIsKeptAsideAcrossTwoStarts)
{
    CWindowTestBed bed;
    bed.RegisterDataFile(3, 0, 0);
    std::string text;
    {
        std::ifstream in(bed.DataPath(), std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    text.resize(1500);
    std::ofstream(bed.DataPath(), std::ios::binary | std::ios::trunc) << text;

    for (int start = 0; start < 2; ++start) {
        auto dlg = bed.Start();
        ASSERT_TRUE(dlg->IsStartedUp());
        dlg->show();
        dlg->close();
        ASSERT_FALSE(dlg->isVisible());
    }
    std::vector<fs::path> aside;
    for (const auto& entry : fs::directory_iterator(fs::path(bed.DataPath()).parent_path())) {
        if (entry.path().filename().string().find("_Unreadable_") != std::string::npos)
            aside.push_back(entry.path());
    }
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(fs::file_size(aside[0]), 1500u);
    EXPECT_THAT(bed.MessageTexts().front(), HasSubstr(aside[0].filename().string()));
}

} // namespace

namespace {

// Two group names that recipes still use are emptied on the food groups page; leaving the
// page keeps both names and says so once, however many pages take their values.
TEST(KostenkochDlgTest, EmptiedGroupNamesWithRecipesAreKeptWithOneMessage)
{
    CWindowTestBed bed;
    {
        CData data;
        data.SetDefaults();
        AddRecords(data, 1, 2, 0);
        data.Recipes.At(0)->NameGroupIndex = 0;
        data.Recipes.At(1)->NameGroupIndex = 1;
        bed.WriteDataFile(data, bed.DataPath());
        bed.Profile.WriteString("", "DataPath", bed.DataPath());
    }
    auto dlg = bed.Start();
    dlg->show();
    const std::string first = dlg->Document().GetData()->NameGroup[0];
    const std::string second = dlg->Document().GetData()->NameGroup[1];
    QTest::mouseClick(dlg->SectionBar()->Button(1), Qt::LeftButton);
    ASSERT_EQ(dlg->CurrentPage(), dlg->Page(EPage::FoodGroupNames));
    for (const char* name : {"group1", "group2"}) {
        auto* field = dlg->CurrentPage()->findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
    }
    bed.Messages.Clear();
    QTest::mouseClick(dlg->SectionBar()->Button(0), Qt::LeftButton);
    EXPECT_THAT(bed.MessageTexts(), ElementsAre(CStringTables::Load(120)));
    EXPECT_EQ(dlg->Document().GetData()->NameGroup[0], first);
    EXPECT_EQ(dlg->Document().GetData()->NameGroup[1], second);
}

// "Inventurbestände eintragen ..." puts the ingredients in name order, opens the stock dialog
// on the first, and what it stores makes the data differ from the file.
TEST(KostenkochDlgTest, StockEntrySortsByNameAndStoresIntoTheCatalogue)
{
    CWindowTestBed bed;
    {
        CData data;
        data.SetDefaults();
        for (const char* name : {"Zwiebeln", "butter", "Brot"})
            data.Ingredients.Append(std::make_unique<CIngredient>(&data)).Name = name;
        bed.WriteDataFile(data, bed.DataPath());
        bed.Profile.WriteString("", "DataPath", bed.DataPath());
    }
    auto dlg = bed.Start();
    dlg->show();
    ClickTab(*dlg, 1);
    dlg->Document().Save();
    ASSERT_TRUE(dlg->Document().Session().IsUnchanged());
    OpenMenu(*dlg, "menuInventory");
    ASSERT_TRUE(Action(*dlg, "actionInventoryStockEntry")->isEnabled());

    QString firstShown;
    WhenModalAppears<CDialogIngredientList>([&firstShown](CDialogIngredientList& dialog) {
        firstShown = dialog.Field(2, CDialogIngredientList::EColumn::Name)->text();
        dialog.StockField()->selectAll();
        QTest::keyClicks(dialog.StockField(), QStringLiteral("2,5"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Action(*dlg, "actionInventoryStockEntry")->trigger();

    const CData& data = *dlg->Document().GetData();
    EXPECT_EQ(firstShown, QStringLiteral("Brot"));
    EXPECT_EQ(data.Ingredients.At(0)->Name, "Brot");
    EXPECT_EQ(data.Ingredients.At(1)->Name, "butter");
    EXPECT_EQ(data.Ingredients.At(2)->Name, "Zwiebeln");
    EXPECT_EQ(data.Ingredients.At(0)->StockAmount, 2.5);
    EXPECT_FALSE(dlg->Document().Session().IsUnchanged());
}

// "Kalkulation prüfen ..." in the Extras menu shows the findings; an ingredient changed from
// there shows changed on the ingredients page once the check closes.
TEST(KostenkochDlgTest, CostCheckOpensRecordsAndThePageFollows)
{
    CWindowTestBed bed;
    {
        CData data;
        data.SetDefaults();
        CIngredient& onions = data.Ingredients.Append(std::make_unique<CIngredient>(&data));
        onions.Name = "Zwiebeln";
        onions.Unit = "kg";
        bed.WriteDataFile(data, bed.DataPath());
        bed.Profile.WriteString("", "DataPath", bed.DataPath());
    }
    auto dlg = bed.Start();
    dlg->show();
    ClickTab(*dlg, 1);
    QAction* action = Action(*dlg, "actionCostCheck");
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), QStringLiteral("Ka&lkulation prüfen ..."));
    EXPECT_TRUE(dlg->findChild<QMenu*>("menuExtras")->actions().contains(action));

    QStringList names;
    WhenModalAppears<CDialogCostCheck>([&names](CDialogCostCheck& check) {
        for (const CCostFinding& finding : check.Findings())
            names << QString::fromLatin1(CostFindingText::Key(finding.Fault));
        WhenModalAppears<CDialogIngredient>([](CDialogIngredient& ingredient) {
            ingredient.NameField()->selectAll();
            QTest::keyClicks(ingredient.NameField(), QStringLiteral("Zwiebeln rot"));
            QTest::mouseClick(ingredient.OkButton(), Qt::LeftButton);
        });
        check.List()->setCurrentIndex(check.List()->model()->index(0, 0));
        check.OpenSelected();
        QTest::mouseClick(check.CloseButton(), Qt::LeftButton);
    });
    action->trigger();

    EXPECT_EQ(names, (QStringList{"noSupplierInUse", "unusedIngredient"}));
    auto* page = qobject_cast<CListPage*>(dlg->CurrentPage());
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->List()->model()->index(0, 0).data().toString(), QStringLiteral("Zwiebeln rot"));
}

// Ctrl+Tab and Ctrl+Page Down go to the next tab, Ctrl+Shift+Tab and Ctrl+Page Up to the one
// before, from wherever the focus is: a field, a list, the tab row. Both ends wrap around.
TEST(KostenkochDlgTest, CtrlTabAndCtrlPageKeysChangeTheTabFromAnywhere)
{
    CWindowTestBed bed;
    bed.RegisterDataFile(1, 1, 1);
    auto dlg = bed.Start();
    dlg->show();
    QApplication::setActiveWindow(dlg.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    ASSERT_EQ(dlg->Tabs()->count(), 5);
    const struct
    {
        const char* focus; // object name of the widget with the focus, empty: the tab row
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int tabAfter;
    } steps[] = {
        {"company", Qt::Key_Tab, Qt::ControlModifier, 1},
        {"ingredientList", Qt::Key_PageDown, Qt::ControlModifier, 2},
        {"recipeList", Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {"ingredientList", Qt::Key_PageUp, Qt::ControlModifier, 0},
        {"", Qt::Key_PageUp, Qt::ControlModifier, 4},
        {"", Qt::Key_Tab, Qt::ControlModifier, 0},
        {"street", Qt::Key_PageDown, Qt::ControlModifier, 1},
    };
    for (const auto& step : steps) {
        QWidget* focus = *step.focus ? dlg->findChild<QWidget*>(QString::fromLatin1(step.focus))
                                     : static_cast<QWidget*>(dlg->Tabs());
        ASSERT_NE(focus, nullptr) << step.focus;
        focus->setFocus();
        QTest::keyClick(focus, step.key, step.modifiers);
        EXPECT_EQ(dlg->CurrentTab(), step.tabAfter) << step.focus << " " << step.key;
        EXPECT_EQ(dlg->CurrentPage(), dlg->Page(step.tabAfter == 0   ? EPage::UserData
                                                : step.tabAfter == 1 ? EPage::Ingredients
                                                : step.tabAfter == 2 ? EPage::Recipes
                                                : step.tabAfter == 3 ? EPage::Sales
                                                                     : EPage::Evaluation));
    }
    EXPECT_TRUE(bed.Messages.GetMessages().empty());
}

} // namespace
