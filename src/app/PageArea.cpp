#include "PageArea.h"

#include "app/SectionBar.h"
#include "app/SectionPlan.h"
#include "app/TabRules.h"
#include "catalogue/Data.h"
#include "pages/PageFactory.h"
#include "pages/common/PageHost.h"
#include "pages/common/PageTable.h"
#include "pages/common/SubDialog.h"
#include "pages/masterdata/MasterDataTransfer.h"
#include "settings/ChartSettings.h"

#include <QHBoxLayout>
#include <QStackedWidget>
#include <algorithm>
#include <span>

namespace {

constexpr int kSectionBarWidth = 200;
constexpr int kTopMargin = 10;
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

CPageArea::CPageArea(CPageHost& host, QWidget* parent) : QFrame(parent), m_host(host)
{
    setObjectName(QStringLiteral("pageArea"));
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, kTopMargin, 6, 6);
    m_sectionBar = new CSectionBar(this);
    m_sectionBar->setFixedWidth(kSectionBarWidth);
    connect(m_sectionBar, &CSectionBar::SectionClicked, this, &CPageArea::OnSectionClicked);
    layout->addWidget(m_sectionBar);
    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("pageStack"));
    layout->addWidget(m_stack, 1);
    BuildPages();
}

// An empty widget stands in while no page belongs to the tab.
void CPageArea::BuildPages()
{
    m_empty = new QWidget(m_stack);
    m_stack->addWidget(m_empty);
    for (int index = 0; index < kNbPages; ++index) {
        CSubDialog* page = PageFactory::Create(PageAt(index), m_host, m_stack);
        page->SetHelpAddress(m_host.HelpAddress(PageTable::HelpAnchor(PageAt(index))));
        m_stack->addWidget(page);
        m_pages[index] = page;
    }
    m_stack->setCurrentWidget(m_empty);
}

CSubDialog* CPageArea::CurrentPage() const
{
    return m_stack->currentWidget() == m_empty ? nullptr : static_cast<CSubDialog*>(m_stack->currentWidget());
}

CGroupSelection CPageArea::GetGroupSelection() const
{
    CGroupSelection selection = m_selectors;
    selection.Selected = m_sectionBar->GetSelected();
    return selection;
}

void CPageArea::SetSections(int tab)
{
    switch (tab) {
    case CTabRules::MasterData:
        m_sectionBar->Apply(CSectionPlan::MasterData());
        m_selectors = {};
        m_sectionBar->Select(0);
        break;
    case CTabRules::Recipes:
    case CTabRules::Sales: {
        const CSectionPlan plan = CSectionPlan::Groups(*m_host.GetData());
        m_sectionBar->Apply(plan);
        m_selectors = plan.Selectors;
        m_host.GetData()->GroupSection = plan.GroupSection;
        m_sectionBar->Select(0);
        break;
    }
    case CTabRules::Evaluation:
        m_sectionBar->Apply(CSectionPlan::Evaluation());
        m_selectors = {};
        m_sectionBar->Select(static_cast<int>(m_host.ChartSettings().ChartActive));
        break;
    default: // the ingredients page covers the bar, which keeps its sections
        break;
    }
}

// Another master data section is shown only once the pages' edits are in the catalogue; a
// refused number keeps the section that shows it.
void CPageArea::OnSectionClicked()
{
    if (m_tab == CTabRules::MasterData && !TakeMasterData(*m_host.GetData())) {
        m_sectionBar->Select(m_shownSection);
        return;
    }
    emit SectionChosen();
}

// The caller has taken the master data pages' edits into the catalogue. Leaving the address
// page may have named the first group: the tabs follow.
void CPageArea::ShowCurrentPage(int tab)
{
    if (CurrentPage() == Page(EPage::UserData) && tab == CTabRules::MasterData)
        m_host.RebuildTabs(-1);
    m_stack->setCurrentWidget(m_empty);
    m_tab = tab;
    m_shownSection = m_sectionBar->GetSelected();
    EPage page = EPage::UserData;
    if (PageForTab(tab, page))
        ShowPage(tab, Page(page));
}

bool CPageArea::PageForTab(int tab, EPage& page) const
{
    const int section = m_sectionBar->GetSelected();
    switch (tab) {
    case CTabRules::MasterData:
        page = section >= 0 && section < kNbMasterDataPages ? PageAt(section) : EPage::UserData;
        return section >= 0 && section < kNbMasterDataPages;
    case CTabRules::Ingredients:
        page = EPage::Ingredients;
        return true;
    case CTabRules::Recipes:
        page = EPage::Recipes;
        return true;
    case CTabRules::Sales:
        page = EPage::Sales;
        return true;
    case CTabRules::Evaluation:
        page = EPage::Evaluation;
        return true;
    default:
        return false;
    }
}

void CPageArea::ShowPage(int tab, CSubDialog* page)
{
    switch (tab) {
    case CTabRules::MasterData:
        RefreshMasterDataLabels();
        break;
    case CTabRules::Evaluation:
        m_host.ChartSettings().ChartActive =
            static_cast<EMeasure>(std::clamp(m_sectionBar->GetSelected(), 0, kNbMeasures - 1));
        page->RefreshPage();
        break;
    case CTabRules::Ingredients:
        break;
    default:
        page->RefreshPage();
        break;
    }
    m_sectionBar->setVisible(page->IsBesideBar());
    m_stack->setCurrentWidget(page);
}

void CPageArea::InitDialogsFromKostenkochData()
{
    CData& data = *m_host.GetData();
    m_host.WriteLog(kInitLog);
    for (int index = 0; index < kNbMasterDataPages; ++index)
        m_pages[index]->InitFromData(data);
    for (const CRefreshStep& step : kRefreshSteps) {
        m_host.WriteLog(std::string(kInitLog) + " -> " + step.LogName);
        Page(step.Page)->InitFromData(data);
    }
    m_host.WriteLog(std::string(kInitLog) + " -> OK");
}

bool CPageArea::TakeMasterData(CData& data)
{
    return MasterDataTransfer::Take(std::span(m_pages).first(kNbMasterDataPages), data, m_host.Messages());
}

// Group names and currency names may have changed on another master data page.
void CPageArea::RefreshMasterDataLabels()
{
    for (const EPage page : kLabelPages)
        Page(page)->RefreshPage();
}
