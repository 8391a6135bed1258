#pragma once

#include "platform/FileDialogService.h"
#include "platform/FileUtilities.h"
#include "platform/MessageService.h"

#include <string>

// The directories the data location search tries after the registered path, in this order.
// An empty entry is skipped.
struct CDataCandidates
{
    std::string ProfileDirectory;
    std::string ProgramDirectory;
    std::string TemporaryDirectory;

    // The platform's: the per-user data directory, the program's directory and the temporary
    // directory + "Kostenkoch" (CPlatformPaths).
    static CDataCandidates FromPlatform();
};

// Where the data file lives; an empty path when no place was found.
struct CDataLocation
{
    std::string Path;
    // The path lies in the temporary candidate directory (found there now or registered from an
    // earlier start), which the system may empty at any reboot: the window tells the user at
    // start-up (TemporaryLocationNotice).
    bool InTemporaryDirectory = false;
};

// Finds the data file: the registered path when it names a non-empty file, else the first
// candidate directory that can be prepared and written, else a path the user chooses
// (messages 204 and 205). The remembered settings are read by the caller afterwards.
//
// A candidate directory that cannot be written but holds a data file is not passed over for
// an empty start elsewhere: the user is told why it cannot be written (message 244) and that
// data file is used. The temporary directory is used only when it belongs to the user and no
// one else may write in it (created private when missing), so that no one else can plant
// files there.
class CDataLocator
{
public:
    static constexpr const char* kDataFileName = "KostenkochData.xml";

    CDataLocator(CFileUtilities& utilities, CMessageService& messages, CFileDialogService& dialogs);

    CDataLocation FindDataPath(const std::string& registeredPath, const CDataCandidates& candidates);

    // The German notice for a data file in the temporary directory (Windows-1252).
    static std::string TemporaryLocationNotice(const std::string& path);

private:
    std::string FindPath(const std::string& registeredPath, const CDataCandidates& candidates);
    bool IsUsableRegisteredFile(const std::string& path);
    std::string TryDirectory(const std::string& directory);
    std::string TryTemporaryDirectory(const std::string& directory);
    bool IsPrivateDirectory(const std::string& directory);
    // The data file in a directory that cannot be written, after message 244; empty when
    // there is none.
    std::string DataFileInReadOnlyDirectory(const std::string& directory);
    std::string AskUser();
    static CFileDialogRequest DataFileRequest();

    CFileUtilities& m_utilities;
    CMessageService& m_messages;
    CFileDialogService& m_dialogs;
};
