#pragma once

#include "CatalogueFixtures.h"
#include "ManualClock.h"
#include "MemoryProfileStore.h"
#include "RecordingAddressOpener.h"
#include "RecordingLogSink.h"
#include "RecordingMessageService.h"
#include "ScriptedFileDialogService.h"
#include "TempDir.h"
#include "app/AppServices.h"
#include "app/KostenkochDlg.h"
#include "catalogue/Data.h"
#include "datafile/SaveSequence.h"
#include "platform/FileUtilities.h"
#include "platform/PosixFileSystem.h"
#include "resources/StringTables.h"

#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Everything a main window needs, in a temporary directory: the real file system, a clock
// that never sleeps, recorded messages and help addresses, scripted file dialogs, an
// in-memory profile and the three candidate directories of the data location search.
class CWindowTestBed
{
public:
    CWindowTestBed()
    {
        std::filesystem::create_directories(Dir.Path() / "program");
        Services.Clock = &Clock;
        Services.Messages = &Messages;
        Services.FileDialogs = &Dialogs;
        Services.Profile = &Profile;
        Services.Files = &Files;
        Services.SetSplashStatus = [this](const std::string& text) {
            SplashStatus.push_back(text);
            LastStatusAt = Clock.SleptMilliseconds();
        };
        Services.CloseSplash = [this] { SplashWaits.push_back(Clock.SleptMilliseconds() - LastStatusAt); };
        Services.Opener = &Opener;
        Services.ProgramDirectory = Dir.File("program");
        Services.SettingsFile = Dir.File("Kostenkoch.ini");
        Services.DataCandidates = {Dir.File("profile/Kostenkoch"), Dir.File("program"),
                                   Dir.File("temp/Kostenkoch")};
    }
    ~CWindowTestBed() { CStringTables::SetLanguage(CStringTables::German); }

    std::unique_ptr<CKostenkochDlg> Start() { return std::make_unique<CKostenkochDlg>(Services); }
    std::string DataPath() const { return Dir.File("profile/Kostenkoch/KostenkochData.xml"); }
    std::string Path(const std::string& name) const { return Dir.File(name); }

    // Writes a catalogue as a data file.
    void WriteDataFile(CData& data, const std::string& path)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        CRecordingLogSink log;
        CRecordingMessageService quiet;
        CFileUtilities utilities(Files, Clock, log);
        CDataFile file;
        CSaveSequence(utilities, quiet).WriteKostenkochData(&data, file, path);
    }

    // A data file with default master data and the given records, registered as the data file
    // of the last run.
    void RegisterDataFile(int ingredients, int recipes, int sales)
    {
        CData data;
        data.SetDefaults();
        AddRecords(data, ingredients, recipes, sales);
        WriteDataFile(data, DataPath());
        Profile.WriteString("", "DataPath", DataPath());
    }

    // The texts of the messages shown so far.
    std::vector<std::string> MessageTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& message : Messages.GetMessages())
            texts.push_back(message.Text);
        return texts;
    }

    CTempDir Dir;
    CManualClock Clock{CLocalTime{2024, 3, 5, 14, 7, 9}};
    CRecordingMessageService Messages;
    CScriptedFileDialogService Dialogs;
    CMemoryProfileStore Profile;
    CPosixFileSystem Files;
    CAppServices Services;
    std::vector<std::string> SplashStatus;
    uint64_t LastStatusAt = 0;
    // Per closing of the splash: milliseconds slept since its status line was last set.
    std::vector<uint64_t> SplashWaits;
    // Every address the program opened (help, hyperlinks).
    CRecordingAddressOpener Opener;
    const std::vector<std::string>& Opened = Opener.Opened;
};

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// Lets Qt finish pending layouts and resizes.
inline void SettleLayouts()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}
