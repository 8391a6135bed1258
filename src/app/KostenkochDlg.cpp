#include "KostenkochDlg.h"

#include "app/AboutDialog.h"
#include "app/HelpAddress.h"
#include "app/MenuState.h"
#include "app/PageArea.h"
#include "app/ProgramIcon.h"
#include "app/TabRules.h"
#include "app/WindowPlacer.h"
#include "catalogue/Data.h"
#include "controls/AppFonts.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/MessageText.h"
#include "pages/common/SubDialog.h"
#include "pages/costing/DialogCostCheck.h"
#include "pages/costing/DialogPriceSimulation.h"
#include "pages/stock/DialogIngredientList.h"
#include "platform/qt/TextConversion.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr QSize kDefaultSize{860, 620};
// What the window can carry out: every command is built.
constexpr CMenuFeatures kFeatures{.Printing = true, .StockEntry = true};

} // namespace

CKostenkochDlg::CKostenkochDlg(const CAppServices& services, QWidget* parent)
    : QDialog(parent), m_document(services), m_menu(this)
{
    m_document.SetFrame(this);
    BuildWindow();
    ConnectMenu();
    RunStartUp();
}

// The pages go first, while the document they may still use on their way out is there.
CKostenkochDlg::~CKostenkochDlg()
{
    delete m_pageArea;
    m_document.SetFrame(nullptr);
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
    const QMargins margins = layout->contentsMargins();
    setMinimumWidth(std::max(kMinimumWidth, FullTabRowWidth() + margins.left() + margins.right()));
    m_pageArea = new CPageArea(m_document, this);
    connect(m_pageArea, &CPageArea::SectionChosen, this, &CKostenkochDlg::ShowCurrentPage);
    layout->addWidget(m_pageArea, 1);
    AddTabKeys();
}

// The keys of every tabbed desktop program, wherever the focus is in the window; they change
// the tab as a click on it does, and wrap around at both ends.
void CKostenkochDlg::AddTabKeys()
{
    const auto add = [this](const QKeySequence& keys, int step) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this, step] { StepTab(step); });
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

void CKostenkochDlg::StepTab(int step)
{
    const int count = m_tabs->count();
    if (count > 0)
        m_tabs->setCurrentIndex((CurrentTab() + step + count) % count);
}

void CKostenkochDlg::ConnectMenu()
{
    const auto on = [this](CMainMenu::ECommand command, auto handler) {
        connect(m_menu.Action(command), &QAction::triggered, this, handler);
    };
    on(CMainMenu::Open, [this] {
        if (TakeMasterData() && m_document.Open())
            AfterLoad();
    });
    on(CMainMenu::Save, [this] {
        if (TakeMasterData())
            m_document.Save();
    });
    on(CMainMenu::SaveAs, [this] {
        if (TakeMasterData())
            m_document.SaveAs();
    });
    on(CMainMenu::Print, [this] { OnPrint(); });
    on(CMainMenu::InventoryEmptyList, [this] { m_document.PrintInventoryList(CInventoryList::Empty); });
    on(CMainMenu::InventoryList, [this] { m_document.PrintInventoryList(CInventoryList::Filled); });
    on(CMainMenu::Exit, [this] { reject(); });
    on(CMainMenu::InventoryStockEntry, [this] { OnStockEntry(); });
    on(CMainMenu::German, [this] { m_document.SetLanguage(CStringTables::German); });
    on(CMainMenu::English, [this] { m_document.SetLanguage(CStringTables::English); });
    on(CMainMenu::Romanian, [this] { m_document.SetLanguage(CStringTables::Romanian); });
    on(CMainMenu::Import, [this] {
        if (m_document.Import())
            AfterLoad();
    });
    on(CMainMenu::RegisterImport, [this] {
        if (TakeMasterData() && m_registerImport.Run())
            AfterLoad();
    });
    on(CMainMenu::RegisterUndo, [this] {
        if (m_registerImport.Undo())
            AfterLoad();
    });
    on(CMainMenu::CostCheck, [this] { OnCostCheck(); });
    on(CMainMenu::PriceSimulation, [this] { OnPriceSimulation(); });
    on(CMainMenu::UndoPriceChange, [this] { OnUndoPriceChange(); });
    on(CMainMenu::Help, [this] { m_document.OpenHelp(m_document.HelpAddress(CHelpAddress::kMainAnchor)); });
    on(CMainMenu::About, [this] { OnAbout(); });
    for (int menu = 0; menu < CMainMenu::NbMenus; ++menu)
        connect(m_menu.Menu(static_cast<CMainMenu::EMenu>(menu)), &QMenu::aboutToShow, this,
                &CKostenkochDlg::OnMenuAboutToShow);
}

void CKostenkochDlg::RunStartUp()
{
    UpdateTitle();
    if (!m_document.StartUp())
        return; // the application closes the start-up window

    m_startedUp = true;
    UpdateTitle();
    m_pageArea->InitDialogsFromKostenkochData();
    RebuildTabs(CTabRules::MasterData);
    m_tabs->setFocus();
    m_pageArea->SetSections(CTabRules::MasterData);
    ShowCurrentPage();
    m_document.CloseSplash();
    RestoreWindowPlacement();
}

void CKostenkochDlg::RestoreWindowPlacement()
{
    CWindowPlacer::Restore(*this, m_document.Remembered().ReadWindowPlacement(), kDefaultSize,
                           CWindowPlacer::AvailableScreens());
}

// The width the tab row needs with all five tabs, so that they fit at the smallest window size
// without scroll arrows in any font.
int CKostenkochDlg::FullTabRowWidth() const
{
    QTabBar probe;
    probe.setFont(m_tabs->font());
    probe.setExpanding(false);
    probe.setDrawBase(false);
    for (int tab = 0; tab < CTabRules::NbTabs; ++tab)
        probe.addTab(ToQString(CStringTables::Load(CTabRules::TextId(tab))));
    return probe.sizeHint().width();
}

// Exactly string 102, or string 102 + " - " + the data file's path.
void CKostenkochDlg::UpdateTitle()
{
    setWindowTitle(ToQString(m_document.GetWindowTitle()));
}

int CKostenkochDlg::CurrentTab() const
{
    return m_tabs->currentIndex();
}

CSubDialog* CKostenkochDlg::Page(EPage page) const
{
    return m_pageArea->Page(page);
}

CSubDialog* CKostenkochDlg::CurrentPage() const
{
    return m_pageArea->CurrentPage();
}

CSectionBar* CKostenkochDlg::SectionBar() const
{
    return m_pageArea->SectionBar();
}

CGroupSelection CKostenkochDlg::GetGroupSelection() const
{
    return m_pageArea->GetGroupSelection();
}

// Selecting a tab here does not run the tab-change rules, except when the selected tab is
// gone: then the tab that takes its place is shown properly.
void CKostenkochDlg::RebuildTabs(int select)
{
    const int count = CTabRules::TabCount(m_document.GetData());
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
    UpdateMenuStates();
}

// The master data pages' edits go into the catalogue before anything saves, closes or leaves
// them; a number field that holds no number stops that (the user has been told).
bool CKostenkochDlg::TakeMasterData()
{
    CData* data = m_document.GetData();
    return !data || m_pageArea->TakeMasterData(*data);
}

// A refused number keeps the tab that shows it.
void CKostenkochDlg::OnTabChanged(int tab)
{
    if (!TakeMasterData()) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(m_pageArea->ShownTab());
        return;
    }
    m_pageArea->SetSections(tab);
    ShowCurrentPage();
    UpdateMenuStates();
}

void CKostenkochDlg::ShowCurrentPage()
{
    m_pageArea->ShowCurrentPage(CurrentTab());
}

// The shortcuts act without a menu being open, so the states follow every change of tab and
// catalogue, not only the opening of a menu.
void CKostenkochDlg::UpdateMenuStates()
{
    m_menu.Apply(CMenuState::For(m_document.GetData(), CurrentTab(), m_document.GetLanguage(), kFeatures));
    const CData* data = m_document.GetData();
    m_menu.Action(CMainMenu::PriceSimulation)->setEnabled(data && data->GetNbIngredients() > 0);
    m_menu.Action(CMainMenu::UndoPriceChange)->setEnabled(m_document.CanUndoSellPrices());
}

void CKostenkochDlg::OnMenuAboutToShow()
{
    UpdateMenuStates();
    m_menu.Action(CMainMenu::RegisterUndo)->setEnabled(m_registerImport.CanUndo());
    if (m_menu.Action(CMainMenu::Import) && !m_document.HasImportFile())
        m_menu.RemoveImport();
}

void CKostenkochDlg::OnPrint()
{
    if (CurrentTab() != CTabRules::MasterData && CurrentPage())
        CurrentPage()->Print();
}

// The stock dialog reorders the ingredients, which the ingredients page shows.
void CKostenkochDlg::OnStockEntry()
{
    CDialogIngredientList::Run(m_document, this);
    if (CurrentPage() == Page(EPage::Ingredients))
        CurrentPage()->RefreshPage();
}

// The costing check opens ingredients and recipes for a change; the page shown follows. A
// figure typed on a master data page counts before the check.
void CKostenkochDlg::OnCostCheck()
{
    if (!TakeMasterData())
        return;
    if (CDialogCostCheck::Run(m_document, this) && CurrentPage())
        CurrentPage()->RefreshPage();
}

// The simulation leaves the catalogue alone; the prices the user takes over are one step.
void CKostenkochDlg::OnPriceSimulation()
{
    CData* data = m_document.GetData();
    if (!data || !TakeMasterData())
        return;
    CDialogPriceSimulation dialog(m_document, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_document.ApplySellPrices(dialog.ChosenPrices(*data));
    if (CurrentPage())
        CurrentPage()->RefreshPage();
    UpdateMenuStates();
}

void CKostenkochDlg::OnUndoPriceChange()
{
    const int restored = m_document.UndoSellPrices();
    if (CurrentPage())
        CurrentPage()->RefreshPage();
    UpdateMenuStates();
    CProgramMessages::ShowText(m_document.Messages(),
                               MessageText::WithName(StringId::kSellPricesUndone, std::to_string(restored)));
}

// Another catalogue: title, pages, tabs and sections follow it.
void CKostenkochDlg::AfterLoad()
{
    UpdateTitle();
    m_pageArea->InitDialogsFromKostenkochData();
    RebuildTabs(-1);
    OnTabChanged(CurrentTab());
}

void CKostenkochDlg::OnAbout()
{
    CAboutDialog about(
        m_document.GetDataPath(), m_document.Opener(), m_document.Messages(),
        [this] { m_document.OpenHelp(m_document.HelpAddress(CHelpAddress::kAboutBoxAnchor)); }, this);
    about.exec();
}

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
    if (!m_startedUp || RunExitSequence())
        QDialog::reject();
}

// The window placement is remembered only once the data are safe. False keeps the window open.
bool CKostenkochDlg::RunExitSequence()
{
    if (!TakeMasterData() || !m_document.SaveOnExit())
        return false;
    m_document.Remembered().WriteWindowPlacement(CWindowPlacer::Capture(*this), isMaximized());
    return true;
}
