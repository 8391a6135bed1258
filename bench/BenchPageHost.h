#pragma once

#include "ManualClock.h"
#include "MemoryProfileStore.h"
#include "RecordingMessageService.h"
#include "ScriptedFileDialogService.h"
#include "catalogue/Data.h"
#include "pages/common/PageHost.h"
#include "settings/ChartSettings.h"

// The pages' view of a main window in the widget benchmarks: the catalogue, a clock that
// stands still, the section the benchmark picks ("Alle" unless told), quiet services.
class CBenchPageHost : public CPageHost
{
public:
    explicit CBenchPageHost(CData& data, const CLocalTime& now = {}) : m_data(data), m_clock(now) {}
    CData* GetData() override { return &m_data; }
    CMessageService& Messages() override { return m_messages; }
    CFileDialogService& FileDialogs() override { return m_dialogs; }
    CProfileStore& Profile() override { return m_profile; }
    void WriteLog(const std::string&) override {}
    CClock& Clock() override { return m_clock; }
    void OpenHelp(const std::string&) override {}
    std::string HelpAddress(const std::string& anchor) const override { return anchor; }
    void RebuildTabs(int) override {}
    CGroupSelection GetGroupSelection() const override { return Selection; }
    CChartSettings& ChartSettings() override { return m_chart; }
    bool CopyPictureToDataDirectory(std::string&) override { return false; }
    std::string DataDirectory() const override { return {}; }
    bool CanPrint() const override { return false; }
    void PrintList(const CListCtrlEx&, int) override {}
    void PrintRecipe(const CRecipe&, const CRecipePrintRequest&) override {}

    CGroupSelection Selection{.Selected = 0, .All = 0, .AllFood = 1, .AllDrinks = 2};

private:
    CData& m_data;
    CRecordingMessageService m_messages;
    CScriptedFileDialogService m_dialogs;
    CMemoryProfileStore m_profile;
    CManualClock m_clock;
    CChartSettings m_chart;
};
