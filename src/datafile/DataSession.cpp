#include "DataSession.h"

#include "catalogue/Data.h"
#include "datafile/DataFileNames.h"
#include "datafile/FileErrorText.h"
#include "datafile/ProgramMessages.h"
#include "datafile/StartRecovery.h"
#include "platform/PathText.h"
#include "platform/WaitCursor.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

CDataSession::CDataSession(CFileUtilities& utilities, CMessageService& messages, CFileDialogService& dialogs,
                           CCatalogueOwner* owner)
    : m_utilities(utilities), m_messages(messages), m_dialogs(dialogs), m_owner(owner),
      m_loader(utilities, messages), m_saveSequence(utilities, messages), m_pictures(utilities, messages),
      m_lock(utilities.Files())
{}

CDataSession::~CDataSession() = default;

std::string CDataSession::GetWindowTitle() const
{
    const std::string title = CStringTables::Load(CProgramMessages::kCaption);
    return m_titlePath.empty() ? title : title + " - " + m_titlePath;
}

CDataSession::EStart CDataSession::LoadAtStart(const std::string& dataPath)
{
    m_dataPath = dataPath;
    if (dataPath.empty()) {
        UseDefaults();
        return EStart::Ready;
    }
    if (!IsRegularOrMissing(dataPath)) {
        m_utilities.Log(std::string(CStartRecovery::kLogPrefix) + "not a regular file: " + dataPath);
        CProgramMessages::ShowText(m_messages, CProgramMessages::Format(StringId::kNotAFile, {dataPath}));
        return EStart::CannotUse;
    }
    if (const int error = m_lock.MoveTo(dataPath); error != 0) {
        m_utilities.Log(std::string(CStartRecovery::kLogPrefix) + "lock data file failed, error " +
                        std::to_string(error));
        if (error == CFileSystem::kLockedError) {
            CProgramMessages::ShowText(m_messages,
                                       CProgramMessages::Format(StringId::kAlreadyOpenAtStart, {dataPath}));
            return EStart::AlreadyOpen;
        }
    }
    const EStart result = LoadExisting(dataPath);
    if (result != EStart::Ready)
        m_lock.Release();
    return result;
}

// A data file that reads is simply loaded; one that does not is put aside, and a missing or
// put-aside one is replaced by a copy the user chooses to restore, else by the defaults.
CDataSession::EStart CDataSession::LoadExisting(const std::string& dataPath)
{
    CStartRecovery recovery(m_utilities, m_messages, m_loader);
    if (m_utilities.Files().Exists(dataPath)) {
        CDataFile file;
        auto fresh = std::make_unique<CData>(m_owner);
        const auto result = m_loader.Load(*fresh, file, dataPath, false);
        if (result == CDataFileLoader::Loaded && Adopt(std::move(fresh), file, dataPath))
            return EStart::Ready;
        if (result == CDataFileLoader::CannotOpen) {
            m_utilities.Log(std::string(CStartRecovery::kLogPrefix) + "open data file failed, error " +
                            std::to_string(m_loader.LastOpenError()));
            const std::string reason = CFileErrorText::Reason(m_loader.LastOpenError());
            CProgramMessages::ShowText(
                m_messages, CProgramMessages::Format(StringId::kCannotOpenAtStart, {dataPath, reason}));
            return EStart::CannotUse;
        }
        if (!recovery.PutAside(dataPath))
            return EStart::CannotUse;
    }
    if (!recovery.RestoreCopy(dataPath) || !ReadKostenkochData(dataPath))
        UseDefaults();
    return EStart::Ready;
}

bool CDataSession::IsRegularOrMissing(const std::string& path)
{
    CFileStatus status;
    m_utilities.Files().GetStatus(path, status);
    return status.Type == CFileStatus::Missing || status.Type == CFileStatus::Regular;
}

bool CDataSession::ReadKostenkochData(const std::string& path)
{
    CDataFile file;
    if (Adopt(ReadFresh(path, file), file, path))
        return true;
    if (!m_data)
        UseDefaults();
    return false;
}

bool CDataSession::Adopt(std::unique_ptr<CData> fresh, const CDataFile& file, const std::string& path)
{
    if (!fresh)
        return false;
    m_data = std::move(fresh);
    m_file = file;
    m_titlePath = path;
    return true;
}

void CDataSession::UseDefaults()
{
    m_data = std::make_unique<CData>(m_owner);
    m_data->SetDefaults();
    m_file = CDataFile();
}

// The file this session holds already needs no second lock.
bool CDataSession::LockFor(const std::string& path, CDataFileLock& lock)
{
    if (m_lock.IsHeld() && path == m_lock.DataPath())
        return true;
    if (lock.MoveTo(path) != CFileSystem::kLockedError)
        return true;
    CProgramMessages::ShowText(m_messages, CProgramMessages::Format(StringId::kAlreadyOpen, {path}));
    return false;
}

// The file's catalogue, or nothing when the file is missing or cannot be read.
std::unique_ptr<CData> CDataSession::ReadFresh(const std::string& path, CDataFile& file)
{
    auto fresh = std::make_unique<CData>(m_owner);
    if (m_loader.Load(*fresh, file, path) != CDataFileLoader::Loaded)
        return nullptr;
    return fresh;
}

bool CDataSession::WriteKostenkochData()
{
    if (m_data && m_beforeSave)
        m_beforeSave(*m_data);
    return m_saveSequence.WriteKostenkochData(m_data.get(), m_file, m_dataPath);
}

bool CDataSession::IsUnchanged() const
{
    return m_data && m_file.IsUnchanged(*m_data);
}

void CDataSession::Save()
{
    if (!m_data)
        return;
    const CWaitCursor cursor(m_messages);
    // A failed save has told the user why; the catalogue stays as it is, unsaved.
    static_cast<void>(WriteKostenkochData());
}

bool CDataSession::Open()
{
    if (!AskToSaveBeforeOpen())
        return false;
    const std::optional<std::string> path = m_dialogs.AskOpenPath(DataFileRequest());
    if (!path)
        return false;
    bool accepted = false;
    {
        const CWaitCursor cursor(m_messages);
        accepted = m_loader.IsKostenkochDataFile(*path);
    }
    if (!accepted) {
        CProgramMessages::Show(m_messages, StringId::kNotADataFile);
        return false;
    }
    CDataFileLock lock(m_utilities.Files());
    if (!LockFor(*path, lock) || !ReadKostenkochData(*path))
        return false;
    m_lock.TakeOver(lock);
    m_dataPath = *path;
    return true;
}

// False when the user cancels; a save that fails does not stop the command.
bool CDataSession::AskToSaveBeforeOpen()
{
    if (!m_data)
        return true;
    if (m_beforeSave)
        m_beforeSave(*m_data);
    if (IsUnchanged())
        return true;
    const auto answer = CProgramMessages::AskYesNoCancel(m_messages, StringId::kSaveBeforeOpenQuestion);
    if (answer == CMessageService::Cancel)
        return false;
    // When the save fails the open stops, so that the unsaved changes are not replaced.
    if (answer == CMessageService::Yes && !WriteKostenkochData())
        return false;
    return true;
}

void CDataSession::SaveAs()
{
    if (!m_data)
        return;
    const std::optional<std::string> path = m_dialogs.AskSavePath(DataFileRequest());
    if (!path)
        return;
    const auto newDirectory = CPathText::DirectoryOf(*path);
    const auto oldDirectory = CPathText::DirectoryOf(m_dataPath);
    if (!newDirectory || !oldDirectory)
        return;
    CDataFileLock lock(m_utilities.Files());
    if (!LockFor(*path, lock))
        return;
    const std::string oldPath = m_dataPath;
    if (!SaveUnder(*path, *oldDirectory, *newDirectory)) {
        m_dataPath = oldPath;
        CProgramMessages::Show(m_messages, StringId::kCannotSave);
        return;
    }
    m_lock.TakeOver(lock);
}

// The file written at the new path stays even when a picture cannot follow it.
bool CDataSession::SaveUnder(const std::string& path, const std::string& oldDirectory,
                             const std::string& newDirectory)
{
    const CWaitCursor cursor(m_messages);
    m_dataPath = path;
    return WriteKostenkochData() && m_pictures.CopyForSaveAs(*m_data, oldDirectory, newDirectory);
}

bool CDataSession::HasImportFile()
{
    return !m_dataPath.empty() && m_utilities.FileExists(CDataFileNames(m_dataPath).Import());
}

bool CDataSession::Import()
{
    if (!HasImportFile())
        return false;
    const std::string importPath = CDataFileNames(m_dataPath).Import();
    if (!ReadKostenkochData(importPath))
        return false;
    m_imported = true;
    m_utilities.RemoveFile(importPath);
    return true;
}

bool CDataSession::SaveOnExit()
{
    if (m_imported &&
        !CProgramMessages::AskYesNo(m_messages, CStringTables::Load(StringId::kImportedQuestion)))
        return true;
    return WriteKostenkochData();
}

bool CDataSession::CopyPictureToDataDirectory(std::string& path)
{
    return m_data && m_pictures.CopyToDataDirectory(*m_data, m_dataPath, path);
}

CFileDialogRequest CDataSession::DataFileRequest() const
{
    CFileDialogRequest request;
    request.InitialDirectory = CPathText::DirectoryOf(m_dataPath).value_or(std::string());
    request.Filter = "XML Dateien (*.xml)|*.xml|Alle Dateien (*.*)|*.*||";
    request.ConfirmOverwrite = true;
    return request;
}
