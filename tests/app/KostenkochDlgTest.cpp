#include "StartTestSupport.h"
#include "WindowTestBed.h"
#include "app/AboutDialog.h"
#include "app/SectionBar.h"
#include "pages/SubDialog.h"
#include "controls/FlatButton.h"
#include "controls/LinkStatic.h"
#include "datafile/DataLocator.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
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
    EXPECT_EQ(dlg->minimumSize(), QSize(620, 440));
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
    EXPECT_EQ(dlg->Document().ChartSettings().ChartActive, 4);

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
    EXPECT_EQ(dlg->size(), QSize(620, 440));
    EXPECT_LE(dlg->layout()->minimumSize().width(), 620);
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
    EXPECT_TRUE(Action(*dlg, "actionPrint")->isEnabled());
    EXPECT_TRUE(Action(*dlg, "actionInventoryStockEntry")->isEnabled());
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
        dlg->resize(700, 500);
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
    EXPECT_EQ(dlg->size(), QSize(700, 500));
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

TEST(KostenkochDlgTest, EveryTabPaints)
{
    CWindowTestBed bed;
    bed.RegisterDataFile(1, 1, 1);
    auto dlg = bed.Start();
    dlg->show();
    dlg->resize(860, 600);
    EXPECT_FALSE(dlg->windowIcon().isNull());
    if (const char* directory = std::getenv("KK_SCREENSHOT_DIR"))
        dlg->windowIcon().pixmap(64).save(
            QStringLiteral("%1/icon.png").arg(QString::fromLocal8Bit(directory)));
    for (int tab = 0; tab < dlg->Tabs()->count(); ++tab) {
        ClickTab(*dlg, tab);
        SettleLayouts();
        SaveScreenshot(*dlg, QStringLiteral("main-window-tab%1").arg(tab));
    }
}

} // namespace
