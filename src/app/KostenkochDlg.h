#pragma once

#include "app/AppServices.h"
#include "app/MainMenu.h"
#include "app/ServiceAddressOpener.h"
#include "catalogue/CatalogueOwner.h"
#include "datafile/DataSession.h"
#include "pages/PageHost.h"
#include "pages/PageKind.h"
#include "platform/FileUtilities.h"
#include "platform/LogSink.h"
#include "settings/ChartSettings.h"
#include "settings/LogFile.h"
#include "settings/RememberedValues.h"

#include <QDialog>
#include <array>
#include <memory>

class CSectionBar;
class CSubDialog;
class QFrame;
class QTabBar;

// The main window: the tab row, the section bar, the twelve work pages and the menu. It owns
// the catalogue with its data file (CDataSession) and the log, and it is the catalogue's
// owner and the pages' host. Constructing it runs the whole start-up: data location, settings,
// log, first load, frame, splash and window placement. Enter and Escape do nothing; closing it
// runs the exit sequence, which may keep it open when the data cannot be saved.
class CKostenkochDlg : public QDialog, public CCatalogueOwner, public CLogSink, public CPageHost
{
    Q_OBJECT

public:
    static constexpr int kMinimumWidth = 620;
    static constexpr int kMinimumHeight = 440;
    // Milliseconds the finished window waits before the splash closes.
    static constexpr uint32_t kSplashWait = 3000;

    // Every service pointer must be set; the services must outlive the window.
    explicit CKostenkochDlg(const CAppServices& services, QWidget* parent = nullptr);
    ~CKostenkochDlg() override;

    // The catalogue's owner (log lines also come from the file utilities).
    void WriteLog(const std::string& line) override;
    void ShowMessage(int stringId) override;
    void ShowStatus(const std::string& text) override;

    // The pages' host.
    CData* GetData() override { return m_session.GetData(); }
    CMessageService& Messages() override { return *m_services.Messages; }
    CProfileStore& Profile() override { return *m_services.Profile; }
    void OpenHelp(const std::string& address) override;
    std::string HelpAddress(const std::string& anchor) const override;
    void RebuildTabs(int select) override;
    CGroupSelection GetGroupSelection() const override;
    CChartSettings& ChartSettings() override { return m_chart; }
    bool CopyPictureToDataDirectory(std::string& path) override;

    // Shows the page of the selected tab and section.
    void ShowCurrentPage();
    // Refreshes every page from the catalogue after a load.
    void InitDialogsFromKostenkochData();

    CDataSession& Session() { return m_session; }
    const std::string& GetDataPath() const { return m_session.GetDataPath(); }
    int GetLanguage() const { return m_languageId; }
    int CurrentTab() const;
    CSubDialog* Page(EPage page) const { return m_pages[IndexOf(page)]; }
    CSubDialog* CurrentPage() const { return m_currentPage; }
    CSectionBar* SectionBar() const { return m_sectionBar; }
    QTabBar* Tabs() const { return m_tabs; }
    const CMainMenu& Menu() const { return m_menu; }

public slots:
    // Closing by the close box, "Beenden" or the system: the exit sequence decides.
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildWindow();
    void BuildPages(QWidget* stack);
    void ConnectMenu();
    void RunStartUp();
    void FindDataPath();
    void ConfigureLog();
    void BuildFrame();
    void CloseSplash();
    void RestoreWindowPlacement();

    void OnTabChanged(int tab);
    void OnSectionClicked(int index);
    void SetSections(int tab);
    void ChooseSection(int tab);
    EPage PageForTab(int tab, bool& found) const;
    void ShowPage(CSubDialog* page);
    void TakeMasterData(CData& data);
    void RefreshMasterDataLabels();

    void UpdateMenuStates();
    void OnOpen();
    void OnSaveAs();
    void OnPrint();
    void OnImport();
    void OnLanguage(int languageId);
    void OnAbout();
    void AfterLoad();
    bool RunExitSequence();

    CAppServices m_services;
    CLogFile m_log;
    CFileUtilities m_utilities;
    CDataSession m_session;
    CRememberedValues m_remembered;
    CServiceAddressOpener m_opener;
    CChartSettings m_chart;
    int m_languageId;
    CGroupSelection m_selectors;

    CMainMenu m_menu;
    QTabBar* m_tabs = nullptr;
    QFrame* m_pageArea = nullptr;
    CSectionBar* m_sectionBar = nullptr;
    std::array<CSubDialog*, kNbPages> m_pages{};
    CSubDialog* m_currentPage = nullptr;
    int m_selectedSection = -1;
};
