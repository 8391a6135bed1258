#pragma once

#include "ManualClock.h"
#include "MemoryProfileStore.h"
#include "RecordingMessageService.h"
#include "catalogue/Data.h"
#include "pages/PageHost.h"
#include "settings/ChartSettings.h"

// A main window as the benchmarked pages and dialogs see it: the catalogue and quiet services.
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
    CGroupSelection GetGroupSelection() const override { return {}; }
    CChartSettings& ChartSettings() override { return m_chart; }
    bool CopyPictureToDataDirectory(std::string&) override { return false; }
    bool CanPrint() const override { return false; }
    void PrintList(const CListCtrlEx&, int) override {}
    void PrintRecipe(const CRecipe&, const CRecipePrintRequest&) override {}

private:
    CData& m_data;
    CRecordingMessageService m_messages;
    CMemoryProfileStore m_profile;
    CManualClock m_clock;
    CChartSettings m_chart;
};
