#pragma once

#include "app/AppServices.h"
#include "catalogue/CatalogueOwner.h"
#include "datafile/DataSession.h"
#include "pages/common/PageHost.h"
#include "platform/FileUtilities.h"
#include "platform/LogSink.h"
#include "priceimpact/SellPriceStep.h"
#include "print/InventoryList.h"
#include "print/PrintJob.h"
#include "settings/ChartSettings.h"
#include "settings/LogFile.h"
#include "settings/RememberedValues.h"

#include <string>

class CDocumentFrame;
struct CWindowPlacement;

// The document behind the main window: the catalogue with its data file (CDataSession), the
// log, the remembered values and evaluation settings, the start-up and exit sequences and the
// file commands. It is no widget: the window shows it, the pages reach it as their host, and
// tests drive it without a window. Tabs and group sections belong to the frame that shows it.
class CKostenkochDocument : public CCatalogueOwner, public CLogSink, public CPageHost
{
public:
    // Every service pointer must be set; the services must outlive the document.
    explicit CKostenkochDocument(const CAppServices& services);
    CKostenkochDocument(const CKostenkochDocument&) = delete;
    CKostenkochDocument& operator=(const CKostenkochDocument&) = delete;

    // The window that shows the document; without one, tab requests are ignored.
    void SetFrame(CDocumentFrame* frame) { m_frame = frame; }

    // Data location and remembered settings, the log, then the first load of the data file
    // with its lock. False: the program must end at once without saving (another program has
    // the data open, or the data file cannot be used safely; the user has been told).
    bool StartUp();
    // Clears the start-up window's status line, lets the finished window wait as the start-up
    // rules say, and closes the start-up window.
    void CloseSplash();
    // The remembered values and the data (unless the user declines to save an import), then
    // the data file's lock is released. False: the save failed and the user wants to stay; the
    // window must stay open and the lock is kept.
    bool SaveOnExit();

    // "Öffnen ..." and "Daten importieren": true when another catalogue replaced this one.
    bool Open() { return m_session.Open(); }
    bool Import() { return m_session.Import(); }
    void Save()
    {
        m_session.Save();
        ForgetSellPricesOnceSaved();
    }
    void SaveAs()
    {
        m_session.SaveAs();
        ForgetSellPricesOnceSaved();
    }
    bool HasImportFile() { return m_session.HasImportFile(); }
    // Remembers the interface language for the next start and says so (message 160).
    void SetLanguage(int languageId);

    // String 102, followed by " - " and the path of the file the catalogue was read from.
    std::string GetWindowTitle() const { return m_session.GetWindowTitle(); }
    const std::string& GetDataPath() const { return m_session.GetDataPath(); }
    int GetLanguage() const { return m_languageId; }
    CDataSession& Session() { return m_session; }
    CRememberedValues& Remembered() { return m_remembered; }
    CAddressOpener& Opener() { return *m_services.Opener; }
    CFileSystem& Files() { return *m_services.Files; }

    // The catalogue's owner (log lines also come from the file utilities).
    void WriteLog(const std::string& line) override;
    void ShowMessage(int stringId) override;
    void ShowStatus(const std::string& text) override;

    // The pages' host.
    CData* GetData() override { return m_session.GetData(); }
    CMessageService& Messages() override { return *m_services.Messages; }
    CFileDialogService& FileDialogs() override { return *m_services.FileDialogs; }
    CProfileStore& Profile() override { return *m_services.Profile; }
    CClock& Clock() override { return *m_services.Clock; }
    void OpenHelp(const std::string& address) override;
    std::string HelpAddress(const std::string& anchor) const override;
    void RebuildTabs(int select) override;
    CGroupSelection GetGroupSelection() const override;
    CChartSettings& ChartSettings() override { return m_chart; }
    bool CopyPictureToDataDirectory(std::string& path) override;
    std::string DataDirectory() const override;
    bool CanPrint() const override { return true; }
    // Each printout opens in the print preview, from which the user prints or saves a PDF file.
    void PrintList(const CListCtrlEx& list, int titleId) override;
    void PrintRecipe(const CRecipe& recipe, const CRecipePrintRequest& request) override;
    // "leere Inventurliste drucken ..." and "Inventurliste drucken ...": sorts the ingredients by
    // group and name, then prints the list.
    void PrintInventoryList(CInventoryList::EKind kind);

    // "Preise übernehmen" of the price simulation: the new selling prices, as one step that
    // "Preisänderung rückgängig machen" takes back until the catalogue is saved or replaced.
    void ApplySellPrices(const std::vector<CSellPriceStep::CNewPrice>& prices);
    bool CanUndoSellPrices();
    // Gives back the prices the step replaced (those the user changed since stay) and says how
    // many; the step is gone afterwards.
    int UndoSellPrices();

private:
    void FindDataPath();
    void RunPrintJob(int titleId, const std::string& fileName, const CPrintJob::CLayoutOperation& layout);
    std::string PicturePath(const CRecipe& recipe) const;
    static std::string SafeFileName(std::string name);
    void ConfigureLog();
    void ForgetSellPricesOnceSaved();

    CAppServices m_services;
    CLogFile m_log;
    CFileUtilities m_utilities;
    CDataSession m_session;
    CRememberedValues m_remembered;
    CChartSettings m_chart;
    int m_languageId;
    CDocumentFrame* m_frame = nullptr;
    CSellPriceStep m_sellPriceStep;
    // The catalogue the step belongs to; another one (opened, imported) has nothing to undo.
    const CData* m_sellPriceData = nullptr;
};
