#pragma once

#include "datafile/DataLocator.h"

#include <functional>
#include <string>

class CAddressOpener;
class CClock;
class CFileDialogService;
class CFileSystem;
class CMessageService;
class CProfileStore;

// What the main window needs from the application around it: time, talking to the user, the
// remembered values, the file system, the start-up window, the web browser and the places it
// looks for its files. The application object hands over the real services; tests hand over
// scripted ones (a manual clock, recorded messages, an in-memory profile, temporary
// directories), so the whole window runs headless and never waits for real.
struct CAppServices
{
    CClock* Clock = nullptr;
    CMessageService* Messages = nullptr;
    CFileDialogService* FileDialogs = nullptr;
    CProfileStore* Profile = nullptr;
    CFileSystem* Files = nullptr;

    // The start-up window's status line (Windows-1252 text) and its closing, which waits until
    // the window has been shown long enough. Either may be empty (no start-up window).
    std::function<void(const std::string&)> SetSplashStatus;
    std::function<void()> CloseSplash;

    // Opens help addresses and hyperlinks in the desktop's browser.
    CAddressOpener* Opener = nullptr;

    // The directory of the running program (the help file lies there), the settings file
    // ("Kostenkoch.ini") and the candidate directories of the data location search.
    std::string ProgramDirectory;
    std::string SettingsFile;
    CDataCandidates DataCandidates;
};
