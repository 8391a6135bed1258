#pragma once

#include "app/DocumentFrame.h"
#include "app/KostenkochDocument.h"
#include "app/MainMenu.h"
#include "app/RegisterImportCommand.h"
#include "pages/common/PageKind.h"

#include <QDialog>

class CPageArea;
class CSectionBar;
class CSubDialog;
class QTabBar;

// The main window: the menu, the tab row and the page area with the section bar and the twelve
// work pages. It shows a CKostenkochDocument, which owns the catalogue with its data file, the
// log and the remembered values. Constructing it runs the start-up: the document's first load,
// the frame, the start-up window's close and the window placement. Enter and Escape do
// nothing; closing it runs the exit sequence, which may keep it open when the data cannot be
// saved.
class CKostenkochDlg : public QDialog, public CDocumentFrame
{
    Q_OBJECT

public:
    // The smallest size; wider when the five tabs need more room in the fonts there are.
    static constexpr int kMinimumWidth = 620;
    static constexpr int kMinimumHeight = 440;

    // Every service pointer must be set; the services must outlive the window.
    explicit CKostenkochDlg(const CAppServices& services, QWidget* parent = nullptr);
    ~CKostenkochDlg() override;

    CKostenkochDocument& Document() { return m_document; }
    // False when the start-up ended the program (the data are open elsewhere or cannot be
    // used): the window is not to be shown, and closing it saves nothing.
    bool IsStartedUp() const { return m_startedUp; }

    // The frame the document and the pages ask for.
    void RebuildTabs(int select) override;
    CGroupSelection GetGroupSelection() const override;

    // Shows the page of the selected tab and section.
    void ShowCurrentPage();
    int CurrentTab() const;
    CSubDialog* Page(EPage page) const;
    CSubDialog* CurrentPage() const;
    CSectionBar* SectionBar() const;
    QTabBar* Tabs() const { return m_tabs; }
    const CMainMenu& Menu() const { return m_menu; }

public slots:
    // Closing by the close box, "Beenden" or the system: the exit sequence decides.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildWindow();
    void ConnectMenu();
    void RunStartUp();
    void RestoreWindowPlacement();
    int FullTabRowWidth() const;
    void AddTabKeys();
    void StepTab(int step);
    [[nodiscard]] bool TakeMasterData();
    void OnTabChanged(int tab);
    void UpdateMenuStates();
    void OnMenuAboutToShow();
    void UpdateTitle();
    void OnPrint();
    void OnStockEntry();
    void OnCostCheck();
    void OnPriceSimulation();
    void OnUndoPriceChange();
    void AfterLoad();
    void OnAbout();
    bool RunExitSequence();

    CKostenkochDocument m_document;
    CMainMenu m_menu;
    CRegisterImportCommand m_registerImport{m_document, this};
    QTabBar* m_tabs = nullptr;
    CPageArea* m_pageArea = nullptr;
    bool m_startedUp = false;
};
