#include "KostenkochDocument.h"

#include "app/DocumentFrame.h"
#include "app/HelpAddress.h"
#include "app/ProgramVersion.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "datafile/DataLocator.h"
#include "datafile/ProgramMessages.h"
#include "platform/AddressOpener.h"
#include "platform/Clock.h"
#include "platform/PathText.h"
#include "platform/qt/TextConversion.h"
#include "print/PrintLayout.h"
#include "print/PrintRunner.h"
#include "print/RecipeSheet.h"
#include "print/TablePrinter.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QApplication>
#include <string_view>

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

void CKostenkochDocument::PrintList(const CListCtrlEx& list, int titleId)
{
    const CListCtrlData& data = list.GetData();
    RunPrintJob(titleId, CStringTables::Load(titleId),
                [&data](CPrintLayout& layout) { return CTablePrinter::Layout(layout, data); });
}

void CKostenkochDocument::PrintRecipe(const CRecipe& recipe, const CRecipePrintRequest& request)
{
    const std::string picture = PicturePath(recipe);
    RunPrintJob(StringId::kRecipeTitle, CStringTables::Load(StringId::kRecipeTitle) + " " + recipe.Name,
                [&](CPrintLayout& layout) {
                    return CRecipeSheet(recipe, request, ToQString(picture)).Layout(layout);
                });
}

// The command sorts the ingredients by group and name first; that order stays.
void CKostenkochDocument::PrintInventoryList(CInventoryList::EKind kind)
{
    CData* data = GetData();
    if (!data)
        return;
    data->SortIngredients("Group|Name", true);
    RunPrintJob(StringId::kInventoryTitle, CStringTables::Load(StringId::kInventoryTitle),
                [data, kind](CPrintLayout& layout) { return CInventoryList(*data, kind).Layout(layout); });
}

void CKostenkochDocument::RunPrintJob(int titleId, const std::string& fileName,
                                      const CPrintJob::CLayoutOperation& layout)
{
    const CData* data = GetData();
    if (!data)
        return;
    const CPrintJob job(CPrintHeader::Make(*data, titleId, Clock().LocalNow()), layout);
    CPrintRunner(Messages(), *m_services.FileDialogs, QApplication::activeWindow())
        .Run(job, SafeFileName(fileName));
}

// The full path of the recipe's picture in the data directory; empty without one.
std::string CKostenkochDocument::PicturePath(const CRecipe& recipe) const
{
    const std::optional<std::string> directory = CPathText::DirectoryOf(GetDataPath());
    if (recipe.PictureFilename.empty() || !directory)
        return {};
    return CPathText::Join(*directory, recipe.PictureFilename);
}

// A name offered for a PDF file: characters that no file name may hold become "_".
std::string CKostenkochDocument::SafeFileName(std::string name)
{
    for (char& c : name)
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos ||
            static_cast<unsigned char>(c) < 32)
            c = '_';
    return name;
}

void CKostenkochDocument::ApplySellPrices(const std::vector<CSellPriceStep::CNewPrice>& prices)
{
    m_sellPriceStep = CSellPriceStep::Apply(prices);
    m_sellPriceData = GetData();
    WriteLog("CKostenkochDocument::ApplySellPrices() -> " + std::to_string(prices.size()) +
             " selling prices");
}

bool CKostenkochDocument::CanUndoSellPrices()
{
    return !m_sellPriceStep.IsEmpty() && m_sellPriceData && m_sellPriceData == GetData();
}

int CKostenkochDocument::UndoSellPrices()
{
    const int restored = CanUndoSellPrices() ? m_sellPriceStep.Undo(*GetData()) : 0;
    m_sellPriceStep = CSellPriceStep();
    m_sellPriceData = nullptr;
    WriteLog("CKostenkochDocument::UndoSellPrices() -> " + std::to_string(restored) + " selling prices");
    return restored;
}

// A save that wrote the catalogue as it is ends the step; a failed one keeps it.
void CKostenkochDocument::ForgetSellPricesOnceSaved()
{
    if (!GetData() || !m_session.IsUnchanged())
        return;
    m_sellPriceStep = CSellPriceStep();
    m_sellPriceData = nullptr;
}
