#include "KostenkochDocument.h"

#include "app/DocumentFrame.h"
#include "app/HelpAddress.h"
#include "app/ProgramVersion.h"
#include "datafile/DataLocator.h"
#include "datafile/ProgramMessages.h"
#include "platform/AddressOpener.h"
#include "platform/Clock.h"
#include "platform/PathText.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

namespace {

constexpr const char* kLogSection = "Logfile";
// Milliseconds the finished window waits before the start-up window closes.
constexpr uint32_t kSplashWait = 3000;

} // namespace

CKostenkochDocument::CKostenkochDocument(const CAppServices& services)
    : m_services(services), m_log(*services.Clock, *services.Messages),
      m_utilities(*services.Files, *services.Clock, *this),
      m_session(m_utilities, *services.Messages, *services.FileDialogs, this),
      m_remembered(*services.Profile, *services.Clock), m_languageId(CStringTables::Language())
{}

bool CKostenkochDocument::StartUp()
{
    FindDataPath();
    ConfigureLog();
    return m_session.LoadAtStart(GetDataPath()) == CDataSession::EStart::Ready;
}

// The data location, then the remembered settings. A data file in the temporary directory
// may vanish with the next reboot: the user is told where it is.
void CKostenkochDocument::FindDataPath()
{
    CDataLocator locator(m_utilities, Messages(), *m_services.FileDialogs);
    const CDataLocation location =
        locator.FindDataPath(m_remembered.ReadDataPath(), m_services.DataCandidates);
    m_session.SetDataPath(location.Path);
    if (location.InTemporaryDirectory)
        CProgramMessages::ShowText(Messages(), CDataLocator::TemporaryLocationNotice(location.Path));
    m_languageId = m_remembered.ReadLanguage();
    m_chart = m_remembered.ReadChart();
}

void CKostenkochDocument::ConfigureLog()
{
    if (!m_services.SettingsFile.empty())
        m_log.Configure(m_services.SettingsFile, kLogSection);
    m_log.Write(ProgramVersion::kLogLine);
    m_session.SetLogFilePath(m_log.GetFileName());
}

void CKostenkochDocument::CloseSplash()
{
    if (m_services.SetSplashStatus)
        m_services.SetSplashStatus(std::string());
    m_services.Clock->Sleep(kSplashWait);
    if (m_services.CloseSplash)
        m_services.CloseSplash();
}

bool CKostenkochDocument::SaveOnExit()
{
    m_remembered.WriteDataPath(GetDataPath());
    m_remembered.WriteChart(m_chart);
    if (!m_session.SaveOnExit())
        return false;
    m_session.ReleaseLock();
    return true;
}

// Texts already shown stay in their language until the next start, which message 160 says.
void CKostenkochDocument::SetLanguage(int languageId)
{
    CStringTables::SetLanguage(languageId);
    m_remembered.WriteLanguage(languageId);
    m_languageId = languageId;
    ShowMessage(StringId::kRestart);
}

void CKostenkochDocument::WriteLog(const std::string& line)
{
    m_log.Write(line);
}

void CKostenkochDocument::ShowMessage(int stringId)
{
    CProgramMessages::Show(Messages(), stringId);
}

void CKostenkochDocument::ShowStatus(const std::string& text)
{
    if (m_services.SetSplashStatus)
        m_services.SetSplashStatus(text);
}

void CKostenkochDocument::OpenHelp(const std::string& address)
{
    m_services.Opener->Open(address);
}

std::string CKostenkochDocument::HelpAddress(const std::string& anchor) const
{
    return CHelpAddress::Make(m_services.Files, m_services.ProgramDirectory, anchor);
}

void CKostenkochDocument::RebuildTabs(int select)
{
    if (m_frame)
        m_frame->RebuildTabs(select);
}

CGroupSelection CKostenkochDocument::GetGroupSelection() const
{
    return m_frame ? m_frame->GetGroupSelection() : CGroupSelection{};
}

bool CKostenkochDocument::CopyPictureToDataDirectory(std::string& path)
{
    return m_session.CopyPictureToDataDirectory(path);
}

std::string CKostenkochDocument::DataDirectory() const
{
    return CPathText::DirectoryOf(GetDataPath()).value_or(std::string());
}

CFileDialogService& CKostenkochDocument::FileDialogs()
{
    return *m_services.FileDialogs;
}

// Printing comes with the print frame; until then CanPrint() keeps every print command greyed.
void CKostenkochDocument::PrintList(const CListCtrlEx& list, int titleId)
{
    (void)list;
    (void)titleId;
}

void CKostenkochDocument::PrintRecipe(const CRecipe& recipe, const CRecipePrintRequest& request)
{
    (void)recipe;
    (void)request;
}
