#include "DataLocator.h"

#include "datafile/FileErrorText.h"
#include "datafile/ProgramMessages.h"
#include "datafile/Utf8Text.h"
#include "platform/PathText.h"
#include "platform/PlatformPaths.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <cerrno>

namespace {

constexpr const char* kNoticeStart =
    "Kostenkoch speichert Ihre Daten in einem temporären Verzeichnis, weil kein "
    "anderes Verzeichnis beschreibbar ist:\n\n";
constexpr const char* kNoticeEnd =
    "\n\nDer Inhalt dieses Verzeichnisses kann vom System gelöscht werden, zum Beispiel beim nächsten "
    "Neustart; Ihre Daten gehen dann verloren. Bitte speichern Sie Ihre Daten mit „Speichern unter ...“ "
    "in einem dauerhaften Verzeichnis.";

} // namespace

CDataCandidates CDataCandidates::FromPlatform()
{
    return {CPlatformPaths::ToText(CPlatformPaths::DataDirectory()),
            CPlatformPaths::ToText(CPlatformPaths::ExecutableDirectory()),
            CPlatformPaths::ToText(CPlatformPaths::TemporaryDataDirectory())};
}

CDataLocator::CDataLocator(CFileUtilities& utilities, CMessageService& messages, CFileDialogService& dialogs)
    : m_utilities(utilities), m_messages(messages), m_dialogs(dialogs)
{}

CDataLocation CDataLocator::FindDataPath(const std::string& registeredPath, const CDataCandidates& candidates)
{
    const std::string path = FindPath(registeredPath, candidates);
    const auto directory = CPathText::DirectoryOf(path);
    const bool temporary =
        !candidates.TemporaryDirectory.empty() && directory &&
        CPathText::SamePath(*directory, CPathText::WithoutTrailingSeparator(candidates.TemporaryDirectory));
    return {path, temporary};
}

std::string CDataLocator::FindPath(const std::string& registeredPath, const CDataCandidates& candidates)
{
    if (IsUsableRegisteredFile(registeredPath))
        return registeredPath;
    for (const std::string* directory : {&candidates.ProfileDirectory, &candidates.ProgramDirectory}) {
        if (std::string path = TryDirectory(*directory); !path.empty())
            return path;
    }
    if (std::string path = TryTemporaryDirectory(candidates.TemporaryDirectory); !path.empty())
        return path;
    return AskUser();
}

std::string CDataLocator::TemporaryLocationNotice(const std::string& path)
{
    return Windows1252Text(kNoticeStart) + path + Windows1252Text(kNoticeEnd);
}

// No write test here: a file that was saved before is trusted.
bool CDataLocator::IsUsableRegisteredFile(const std::string& path)
{
    return !path.empty() && m_utilities.FileExists(path) && m_utilities.GetFileSize(path) > 0;
}

std::string CDataLocator::TryDirectory(const std::string& directory)
{
    if (directory.empty())
        return {};
    if (!m_utilities.PrepareDataDirectory(directory))
        return DataFileInReadOnlyDirectory(directory);
    const std::string path = CPathText::Join(directory, kDataFileName);
    return m_utilities.TestWriteFile(path) ? path : DataFileInReadOnlyDirectory(directory);
}

std::string CDataLocator::TryTemporaryDirectory(const std::string& directory)
{
    if (directory.empty() || !IsPrivateDirectory(directory))
        return {};
    return TryDirectory(directory);
}

bool CDataLocator::IsPrivateDirectory(const std::string& directory)
{
    CFileSystem& files = m_utilities.Files();
    CFileStatus status;
    const std::string path = CPathText::WithoutTrailingSeparator(directory);
    if (files.GetStatus(path, status) == 0 && status.Type == CFileStatus::Missing) {
        if (const auto parent = CPathText::DirectoryOf(path); parent && !files.Exists(*parent))
            m_utilities.CreateDirectoryPath(*parent);
        files.MakePrivateDirectory(path);
    }
    return files.GetStatus(path, status) == 0 && status.Type == CFileStatus::Directory && !status.IsLink &&
           status.OwnedByUser && !status.WritableByOthers;
}

// The reason is that of creating a file there, as the directory test does.
std::string CDataLocator::DataFileInReadOnlyDirectory(const std::string& directory)
{
    const std::string path = CPathText::Join(directory, kDataFileName);
    CFileStatus status;
    if (m_utilities.Files().GetStatus(path, status) != 0 || status.Type != CFileStatus::Regular)
        return {};
    const std::string probe = CPathText::Join(directory, CFileUtilities::kDataDirectoryProbeName);
    const int error = m_utilities.CreateNewFile(probe);
    if (error == 0)
        m_utilities.RemoveFile(probe);
    const std::string reason = CFileErrorText::Reason(error != 0 ? error : EIO);
    CProgramMessages::ShowText(m_messages,
                               CProgramMessages::Format(StringId::kReadOnlyDirectory, {directory, reason}));
    return path;
}

std::string CDataLocator::AskUser()
{
    CProgramMessages::Show(m_messages, StringId::kNoDirectory);
    for (;;) {
        const std::optional<std::string> chosen = m_dialogs.AskSavePath(DataFileRequest());
        if (chosen && m_utilities.TestWriteFile(*chosen))
            return *chosen;
        if (!CProgramMessages::AskYesNo(m_messages, CStringTables::Load(StringId::kCannotWriteQuestion)))
            return {};
    }
}

CFileDialogRequest CDataLocator::DataFileRequest()
{
    CFileDialogRequest request;
    request.DefaultExtension = "xml";
    request.DefaultFileName = kDataFileName;
    request.Filter = "Datenfile (*.xml)|*.xml|All Files (*.*)|*.*||";
    request.ConfirmOverwrite = true;
    return request;
}
