#pragma once

#include "pages/common/GroupSelection.h"
#include "pages/common/PageKind.h"

#include <QFrame>
#include <array>

class CData;
class CPageHost;
class CSectionBar;
class CSubDialog;
class QStackedWidget;

// The main window's page area: the section bar beside a stack of the twelve work pages. It
// fills the section bar for a tab, shows the page of the tab and the chosen section, refreshes
// the pages from the catalogue after a load and takes the master data pages' edits into it.
class CPageArea : public QFrame
{
    Q_OBJECT

public:
    // The pages are the area's children and go with it; none of them needs the host on its way
    // out, since every page keeps its layout as the user changes it.
    CPageArea(CPageHost& host, QWidget* parent);

    // The sections of `tab` in the section bar, the first (or the remembered measure) chosen.
    void SetSections(int tab);
    // Shows the page of `tab` and the chosen section, brought up to date.
    void ShowCurrentPage(int tab);
    // Refreshes every page from the catalogue after a load.
    void InitDialogsFromKostenkochData();
    // Edits of the eight master data pages go into the catalogue (MasterDataTransfer). False,
    // with the user told and the field focused, when a number field holds no number: then
    // nothing was stored, and the caller must not save, close or switch.
    [[nodiscard]] bool TakeMasterData(CData& data);
    // The tab whose page was shown last.
    int ShownTab() const { return m_tab; }

    CGroupSelection GetGroupSelection() const;
    CSubDialog* Page(EPage page) const { return m_pages[IndexOf(page)]; }
    CSubDialog* CurrentPage() const;
    CSectionBar* SectionBar() const { return m_sectionBar; }

signals:
    // The user chose another section.
    void SectionChosen();

private:
    void BuildPages();
    bool PageForTab(int tab, EPage& page) const;
    void ShowPage(int tab, CSubDialog* page);
    void RefreshMasterDataLabels();
    void OnSectionClicked();

    CPageHost& m_host;
    CSectionBar* m_sectionBar = nullptr;
    QStackedWidget* m_stack = nullptr;
    QWidget* m_empty = nullptr;
    std::array<CSubDialog*, kNbPages> m_pages{};
    CGroupSelection m_selectors;
    int m_tab = -1;
    int m_shownSection = -1;
};
