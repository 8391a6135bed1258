#include "KostenkochDlg.h"

#include "app/AboutDialog.h"
#include "app/AppFonts.h"
#include "app/HelpAddress.h"
#include "app/MenuState.h"
#include "app/ProgramIcon.h"
#include "app/ProgramVersion.h"
#include "app/SectionBar.h"
#include "app/SectionPlan.h"
#include "app/SubDialog.h"
#include "app/TabRules.h"
#include "app/WindowPlacer.h"
#include "catalogue/Data.h"
#include "platform/qt/TextConversion.h"
#include "datafile/DataLocator.h"
#include "datafile/ProgramMessages.h"
#include "pages/PageFactory.h"
#include "pages/PageTable.h"
#include "platform/Clock.h"
#include "resources/StringTables.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int kSectionBarWidth = 200;
constexpr int kPageAreaTopMargin = 10;
constexpr QSize kDefaultSize{860, 620};
constexpr int kGroupNameKeptMessage = 120;
constexpr int kRestartMessage = 160;
constexpr const char* kLogSection = "Logfile";
constexpr const char* kInitLog = "CKostenkochDlg::InitDialogsFromKostenkochData()";

// The pages refreshed after the master data pages, each announced in the log.
struct CRefreshStep
{
    EPage Page;
    const char* LogName;
};
constexpr CRefreshStep kRefreshSteps[] = {{EPage::Ingredients, "SubDialogIngredient"},
                                          {EPage::Recipes, "SubDialogRecipe"},
                                          {EPage::Sales, "SubDialogSale"},
                                          {EPage::Evaluation, "SubDialogChart"}};

// The pages that show group names as row labels or currency names, refreshed whenever the
// master data tab shows a page.
constexpr EPage kLabelPages[] = {EPage::FoodTaxes, EPage::DrinkTaxes, EPage::FoodQuotes, EPage::DrinkQuotes,
                                 EPage::Currencies};

} // namespace

CKostenkochDlg::CKostenkochDlg(const CAppServices& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_log(*services.Clock, *services.Messages),
      m_utilities(*services.Files, *services.Clock, *this),
      m_session(m_utilities, *services.Messages, *services.FileDialogs, this),
      m_remembered(*services.Profile, *services.Clock), m_opener(services.OpenUrl),
      m_languageId(CStringTables::Language()), m_menu(this)
{
    BuildWindow();
    ConnectMenu();
    m_session.SetBeforeSave([this](CData& data) { TakeMasterData(data); });
    RunStartUp();
}

// The pages go first, while the services they may still use on their way out are there.
CKostenkochDlg::~CKostenkochDlg()
{
    for (CSubDialog*& page : m_pages) {
        delete page;
        page = nullptr;
    }
}

void CKostenkochDlg::BuildWindow()
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowIcon(CProgramIcon::Create());
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setMinimumSize(kMinimumWidth, kMinimumHeight);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(m_menu.Bar());
    layout->setSpacing(0);
    m_tabs = new QTabBar(this);
    m_tabs->setObjectName(QStringLiteral("tabControl"));
    m_tabs->setFont(CAppFonts::Tab());
    m_tabs->setExpanding(false);
    m_tabs->setUsesScrollButtons(true);
    m_tabs->setDrawBase(false);
    connect(m_tabs, &QTabBar::currentChanged, this, &CKostenkochDlg::OnTabChanged);
    layout->addWidget(m_tabs);
    m_pageArea = new QFrame(this);
    m_pageArea->setObjectName(QStringLiteral("pageArea"));
    m_pageArea->setFrameShape(QFrame::StyledPanel);
    auto* area = new QHBoxLayout(m_pageArea);
    area->setContentsMargins(6, kPageAreaTopMargin, 6, 6);
    m_sectionBar = new CSectionBar(m_pageArea);
    m_sectionBar->setFixedWidth(kSectionBarWidth);
    connect(m_sectionBar, &CSectionBar::SectionClicked, this, &CKostenkochDlg::OnSectionClicked);
    area->addWidget(m_sectionBar);
    auto* stack = new QWidget(m_pageArea);
    stack->setObjectName(QStringLiteral("pageStack"));
    area->addWidget(stack, 1);
    layout->addWidget(m_pageArea, 1);
    BuildPages(stack);
}

// All pages share one cell; only the shown one takes part in the layout.
void CKostenkochDlg::BuildPages(QWidget* stack)
{
    auto* grid = new QGridLayout(stack);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int index = 0; index < kNbPages; ++index) {
        CSubDialog* page = CPageFactory::Create(PageAt(index), *this, stack);
        page->SetHelpAddress(HelpAddress(CPageTable::HelpAnchor(PageAt(index))));
        page->hide();
        grid->addWidget(page, 0, 0);
        m_pages[index] = page;
    }
}

void CKostenkochDlg::ConnectMenu()
{
    const auto on = [this](CMainMenu::ECommand command, auto handler) {
        connect(m_menu.Action(command), &QAction::triggered, this, handler);
    };
    on(CMainMenu::Open, [this] { OnOpen(); });
    on(CMainMenu::Save, [this] { m_session.Save(); });
    on(CMainMenu::SaveAs, [this] { OnSaveAs(); });
    on(CMainMenu::Print, [this] { OnPrint(); });
    on(CMainMenu::Exit, [this] { reject(); });
    on(CMainMenu::German, [this] { OnLanguage(CStringTables::German); });
    on(CMainMenu::English, [this] { OnLanguage(CStringTables::English); });
    on(CMainMenu::Romanian, [this] { OnLanguage(CStringTables::Romanian); });
    on(CMainMenu::Import, [this] { OnImport(); });
    on(CMainMenu::Help, [this] { OpenHelp(HelpAddress(CHelpAddress::kMainAnchor)); });
    on(CMainMenu::About, [this] { OnAbout(); });
    for (int menu = 0; menu < CMainMenu::NbMenus; ++menu)
        connect(m_menu.Menu(static_cast<CMainMenu::EMenu>(menu)), &QMenu::aboutToShow, this,
                &CKostenkochDlg::UpdateMenuStates);
}

// ---- Start-up ----

void CKostenkochDlg::RunStartUp()
{
    FindDataPath();
    ConfigureLog();
    setWindowTitle(ToQString(CStringTables::Load(CProgramMessages::kCaption)));
    m_session.ReadKostenkochData(GetDataPath());
    setWindowTitle(ToQString(m_session.GetWindowTitle()));
    InitDialogsFromKostenkochData();
    BuildFrame();
    CloseSplash();
    RestoreWindowPlacement();
}

// The data location, then the remembered settings. A data file in the temporary directory
// may vanish with the next reboot: the user is told where it is.
void CKostenkochDlg::FindDataPath()
{
    CDataLocator locator(m_utilities, Messages(), *m_services.FileDialogs);
    const CDataLocation location =
        locator.FindDataPath(m_remembered.ReadDataPath(), m_services.DataCandidates);
    m_session.SetDataPath(location.Path);
    if (location.InTemporaryDirectory)
        CProgramMessages::ShowText(Messages(), CDataLocator::TemporaryLocationNotice(location.Path));
    m_languageId = m_remembered.ReadLanguage();
    m_chart = m_remembered.ReadChart();
}

void CKostenkochDlg::ConfigureLog()
{
    if (!m_services.SettingsFile.empty())
        m_log.Configure(m_services.SettingsFile, kLogSection);
    m_log.Write(ProgramVersion::kLogLine);
    m_session.SetLogFilePath(m_log.GetFileName());
}

void CKostenkochDlg::BuildFrame()
{
    RebuildTabs(CTabRules::MasterData);
    m_tabs->setFocus();
    SetSections(CTabRules::MasterData);
    ShowCurrentPage();
}

void CKostenkochDlg::CloseSplash()
{
    if (m_services.SetSplashStatus)
        m_services.SetSplashStatus(std::string());
    m_services.Clock->Sleep(kSplashWait);
    if (m_services.CloseSplash)
        m_services.CloseSplash();
}

void CKostenkochDlg::RestoreWindowPlacement()
{
    CWindowPlacer::Restore(*this, m_remembered.ReadWindowPlacement(), kDefaultSize,
                           CWindowPlacer::AvailableScreens());
}

void CKostenkochDlg::InitDialogsFromKostenkochData()
{
    CData& data = *GetData();
    WriteLog(kInitLog);
    for (int index = 0; index < kNbMasterDataPages; ++index)
        m_pages[index]->InitFromData(data);
    for (const CRefreshStep& step : kRefreshSteps) {
        WriteLog(std::string(kInitLog) + " -> " + step.LogName);
        Page(step.Page)->InitFromData(data);
    }
    WriteLog(std::string(kInitLog) + " -> OK");
}

// ---- Catalogue owner and page host ----

void CKostenkochDlg::WriteLog(const std::string& line)
{
    m_log.Write(line);
}

void CKostenkochDlg::ShowMessage(int stringId)
{
    CProgramMessages::Show(Messages(), stringId);
}

void CKostenkochDlg::ShowStatus(const std::string& text)
{
    if (m_services.SetSplashStatus)
        m_services.SetSplashStatus(text);
}

void CKostenkochDlg::OpenHelp(const std::string& address)
{
    if (m_services.OpenUrl)
        m_services.OpenUrl(address);
}

std::string CKostenkochDlg::HelpAddress(const std::string& anchor) const
{
    return CHelpAddress::Make(m_services.Files, m_services.ProgramDirectory, anchor);
}

CGroupSelection CKostenkochDlg::GetGroupSelection() const
{
    CGroupSelection selection = m_selectors;
    selection.Selected = m_selectedSection;
    return selection;
}

bool CKostenkochDlg::CopyPictureToDataDirectory(std::string& path)
{
    return m_session.CopyPictureToDataDirectory(path);
}

// ---- Tabs, sections and pages ----

int CKostenkochDlg::CurrentTab() const
{
    return m_tabs->currentIndex();
}

// Selecting a tab here does not run the tab-change rules, except when the selected tab is
// gone: then the tab that takes its place is shown properly.
void CKostenkochDlg::RebuildTabs(int select)
{
    const int count = CTabRules::TabCount(GetData());
    const bool selectedTabGone = CurrentTab() >= count;
    {
        const QSignalBlocker blocker(m_tabs);
        while (m_tabs->count() > count)
            m_tabs->removeTab(m_tabs->count() - 1);
        while (m_tabs->count() < count)
            m_tabs->addTab(ToQString(CStringTables::Load(CTabRules::TextId(m_tabs->count()))));
        if (select >= 0 && select < count)
            m_tabs->setCurrentIndex(select);
    }
    if (selectedTabGone && select == -1)
        OnTabChanged(CurrentTab());
}

void CKostenkochDlg::OnTabChanged(int tab)
{
    TakeMasterData(*GetData());
    SetSections(tab);
    ShowCurrentPage();
}

void CKostenkochDlg::SetSections(int tab)
{
    switch (tab) {
    case CTabRules::MasterData:
        m_sectionBar->Apply(CSectionPlan::MasterData());
        m_selectors = {};
        m_sectionBar->Select(0);
        break;
    case CTabRules::Recipes:
    case CTabRules::Sales: {
        const CSectionPlan plan = CSectionPlan::Groups(*GetData());
        m_sectionBar->Apply(plan);
        m_selectors = plan.Selectors;
        GetData()->GroupSection = plan.GroupSection;
        m_sectionBar->Select(0);
        break;
    }
    case CTabRules::Evaluation:
        m_sectionBar->Apply(CSectionPlan::Evaluation());
        m_selectors = {};
        m_sectionBar->Select(m_chart.ChartActive);
        break;
    default: // the ingredients page covers the bar, which keeps its sections
        break;
    }
}

void CKostenkochDlg::OnSectionClicked(int)
{
    ShowCurrentPage();
}

void CKostenkochDlg::ShowCurrentPage()
{
    if (m_currentPage) {
        if (m_currentPage == Page(EPage::UserData) && CurrentTab() == CTabRules::MasterData) {
            TakeMasterData(*GetData());
            RebuildTabs(-1);
        }
        m_currentPage->hide();
        m_currentPage = nullptr;
    }
    m_selectedSection = m_sectionBar->GetSelected();
    bool found = false;
    const EPage page = PageForTab(CurrentTab(), found);
    if (found)
        ShowPage(Page(page));
}

// The page of a tab and the selected section, brought up to date.
EPage CKostenkochDlg::PageForTab(int tab, bool& found) const
{
    found = true;
    switch (tab) {
    case CTabRules::MasterData:
        found = m_selectedSection >= 0 && m_selectedSection < kNbMasterDataPages;
        return found ? PageAt(m_selectedSection) : EPage::UserData;
    case CTabRules::Ingredients:
        return EPage::Ingredients;
    case CTabRules::Recipes:
        return EPage::Recipes;
    case CTabRules::Sales:
        return EPage::Sales;
    case CTabRules::Evaluation:
        return EPage::Evaluation;
    default:
        found = false;
        return EPage::UserData;
    }
}

void CKostenkochDlg::ShowPage(CSubDialog* page)
{
    switch (CurrentTab()) {
    case CTabRules::MasterData:
        RefreshMasterDataLabels();
        break;
    case CTabRules::Evaluation:
        m_chart.ChartActive = std::clamp(m_selectedSection, 0, CData::NbMeasures - 1);
        page->RefreshPage();
        break;
    case CTabRules::Ingredients:
        break;
    default:
        page->RefreshPage();
        break;
    }
    m_sectionBar->setVisible(page->IsBesideBar());
    page->show();
    m_currentPage = page;
}

// Edits of all eight master data pages go into the catalogue; a group name that had to stay
// is reported once.
void CKostenkochDlg::TakeMasterData(CData& data)
{
    bool keptNone = true;
    for (int index = 0; index < kNbMasterDataPages; ++index) {
        if (!m_pages[index]->TakeIntoData(data))
            keptNone = false;
    }
    if (!keptNone)
        ShowMessage(kGroupNameKeptMessage);
}

// Group names and currency names may have changed on another master data page.
void CKostenkochDlg::RefreshMasterDataLabels()
{
    TakeMasterData(*GetData());
    for (const EPage page : kLabelPages)
        Page(page)->RefreshPage();
}

// ---- Menu and commands ----

void CKostenkochDlg::UpdateMenuStates()
{
    m_menu.Apply(CMenuState::For(GetData(), CurrentTab(), m_languageId));
    if (m_menu.Action(CMainMenu::Import) && !m_session.HasImportFile())
        m_menu.RemoveImport();
}

void CKostenkochDlg::OnOpen()
{
    if (m_session.Open())
        AfterLoad();
}

void CKostenkochDlg::OnSaveAs()
{
    m_session.SaveAs();
}

void CKostenkochDlg::OnPrint()
{
    if (CurrentTab() != CTabRules::MasterData && m_currentPage)
        m_currentPage->Print();
}

void CKostenkochDlg::OnImport()
{
    if (m_session.Import())
        AfterLoad();
}

// Another catalogue: title, pages, tabs and sections follow it.
void CKostenkochDlg::AfterLoad()
{
    setWindowTitle(ToQString(m_session.GetWindowTitle()));
    InitDialogsFromKostenkochData();
    RebuildTabs(-1);
    OnTabChanged(CurrentTab());
}

// Texts already shown stay in their language until the next start, which message 160 says.
void CKostenkochDlg::OnLanguage(int languageId)
{
    CStringTables::SetLanguage(languageId);
    m_remembered.WriteLanguage(languageId);
    m_languageId = languageId;
    ShowMessage(kRestartMessage);
}

void CKostenkochDlg::OnAbout()
{
    CAboutDialog about(
        GetDataPath(), m_opener, [this] { OpenHelp(HelpAddress(CHelpAddress::kAboutBoxAnchor)); }, this);
    about.exec();
}

// ---- Keys and closing ----

void CKostenkochDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CKostenkochDlg::reject()
{
    if (RunExitSequence())
        QDialog::reject();
}

// The remembered values, the data (unless an import is declined), then the window placement
// once the data are safe. False keeps the window open.
bool CKostenkochDlg::RunExitSequence()
{
    m_remembered.WriteDataPath(GetDataPath());
    m_remembered.WriteChart(m_chart);
    if (!m_session.SaveOnExit())
        return false;
    m_remembered.WriteWindowPlacement(CWindowPlacer::Capture(*this), isMaximized());
    return true;
}
