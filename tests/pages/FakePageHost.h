#pragma once

#include "ManualClock.h"
#include "MemoryProfileStore.h"
#include "RecordingMessageService.h"
#include "ScriptedFileDialogService.h"
#include "catalogue/Data.h"
#include "pages/common/PageHost.h"
#include "settings/ChartSettings.h"

#include <string>
#include <vector>

// A main window as a page sees it: a catalogue, recorded messages, an in-memory profile, and
// the tab rebuilds and help addresses the page asked for.
class CFakePageHost : public CPageHost
{
public:
    CFakePageHost() { Data.SetDefaults(); }

    CData* GetData() override { return &Data; }
    CMessageService& Messages() override { return Recorded; }
    CFileDialogService& FileDialogs() override { return Dialogs; }
    CProfileStore& Profile() override { return Store; }
    void WriteLog(const std::string& line) override { Log.push_back(line); }
    CClock& Clock() override { return Time; }
    void OpenHelp(const std::string& address) override { Opened.push_back(address); }
    std::string HelpAddress(const std::string& anchor) const override { return "help#" + anchor; }
    void RebuildTabs(int select) override { Rebuilds.push_back(select); }
    CGroupSelection GetGroupSelection() const override { return Selection; }
    CChartSettings& ChartSettings() override { return Chart; }
    bool CopyPictureToDataDirectory(std::string& path) override
    {
        (void)path;
        return false;
    }
    std::string DataDirectory() const override { return DataDirectoryPath; }
    bool CanPrint() const override { return Printing; }
    void PrintList(const CListCtrlEx& list, int titleId) override
    {
        (void)list;
        PrintedLists.push_back(titleId);
    }
    void PrintRecipe(const CRecipe& recipe, const CRecipePrintRequest& request) override
    {
        (void)recipe;
        PrintedRecipes.push_back(request);
    }

    // The texts shown or asked so far.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& message : Recorded.GetMessages())
            texts.push_back(message.Text);
        return texts;
    }

    CData Data;
    CRecordingMessageService Recorded;
    CScriptedFileDialogService Dialogs;
    CMemoryProfileStore Store;
    CManualClock Time;
    CChartSettings Chart;
    CGroupSelection Selection;
    std::string DataDirectoryPath;
    std::vector<std::string> Log;
    std::vector<std::string> Opened;
    std::vector<int> Rebuilds;
    bool Printing = false;
    std::vector<int> PrintedLists;
    std::vector<CRecipePrintRequest> PrintedRecipes;
};
