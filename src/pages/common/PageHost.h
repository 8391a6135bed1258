#pragma once

#include "pages/common/GroupSelection.h"
#include "print/RecipePrintRequest.h"

#include <string>

class CClock;
class CData;
class CFileDialogService;
class CListCtrlEx;
class CRecipe;
class CMessageService;
class CProfileStore;
struct CChartSettings;

// What a page may ask of the main window that holds it. Pages reach the catalogue, the
// user, the remembered values and the help file only through this, so a page can be built
// and tested without the window.
class CPageHost
{
public:
    virtual ~CPageHost() = default;

    // The catalogue; replaced as a whole by every load, so pages do not keep it.
    virtual CData* GetData() = 0;
    virtual CMessageService& Messages() = 0;
    // Asks for the path of a file to open or to write.
    virtual CFileDialogService& FileDialogs() = 0;
    // Remembered values such as list layouts.
    virtual CProfileStore& Profile() = 0;
    virtual void WriteLog(const std::string& line) = 0;
    // The time: "today" for bookings and date pickers, the tick count for type-ahead.
    virtual CClock& Clock() = 0;

    // Opens a help address (OpenHelp); failures are ignored.
    virtual void OpenHelp(const std::string& address) = 0;
    // The help address of an anchor of "KostenkochHelp.html", for the page's dialogs.
    virtual std::string HelpAddress(const std::string& anchor) const = 0;

    // Rebuilds the tab row after the first ingredient, recipe or sale appeared or the last
    // one went; -1 keeps the selected tab.
    virtual void RebuildTabs(int select) = 0;
    virtual CGroupSelection GetGroupSelection() const = 0;
    // The evaluation settings, remembered between runs.
    virtual CChartSettings& ChartSettings() = 0;
    // Brings a picture next to the data file; `path` becomes its bare name.
    virtual bool CopyPictureToDataDirectory(std::string& path) = 0;
    // The directory of the data file, where the recipe pictures lie; empty without a data file.
    virtual std::string DataDirectory() const = 0;

    // False while the program cannot print; the pages grey their print buttons then.
    virtual bool CanPrint() const = 0;
    // Prints a page's list as a table (as shown: visible columns, current order) under the
    // title of string `titleId`.
    virtual void PrintList(const CListCtrlEx& list, int titleId) = 0;
    // Prints a recipe's calculation or recipe sheet; `recipe` is the dialog's working copy.
    virtual void PrintRecipe(const CRecipe& recipe, const CRecipePrintRequest& request) = 0;
};
