#pragma once

#include "ManualClock.h"
#include "MemoryProfileStore.h"
#include "RecordingMessageService.h"
#include "ScriptedFileDialogService.h"
#include "catalogue/Data.h"
#include "pages/PageHost.h"
#include "settings/ChartSettings.h"

#include <algorithm>
#include <chrono>
#include <vector>

// A page's view of a main window for the widget benchmarks: the catalogue and quiet services;
// every section selected ("Alle").
class CBenchHost : public CPageHost
{
public:
    explicit CBenchHost(CData& data) : m_data(data) {}
    CData* GetData() override { return &m_data; }
    CMessageService& Messages() override { return m_messages; }
    CProfileStore& Profile() override { return m_profile; }
    void WriteLog(const std::string&) override {}
    CClock& Clock() override { return m_clock; }
    void OpenHelp(const std::string&) override {}
    std::string HelpAddress(const std::string& anchor) const override { return anchor; }
    void RebuildTabs(int) override {}
    CGroupSelection GetGroupSelection() const override { return {0, 0, 1, 2}; }
    CChartSettings& ChartSettings() override { return m_chart; }
    bool CopyPictureToDataDirectory(std::string&) override { return false; }
    std::string DataDirectory() const override { return {}; }
    CFileDialogService& FileDialogs() override { return m_dialogs; }
    bool CanPrint() const override { return false; }
    void PrintList(const CListCtrlEx&, int) override {}
    void PrintRecipe(const CRecipe&, const CRecipePrintRequest&) override {}

private:
    CData& m_data;
    CRecordingMessageService m_messages;
    CMemoryProfileStore m_profile;
    CManualClock m_clock;
    CChartSettings m_chart;
    CScriptedFileDialogService m_dialogs;
};

using CSteadyClock = std::chrono::steady_clock;

inline double Milliseconds(CSteadyClock::time_point start, CSteadyClock::time_point end)
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

inline double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}
