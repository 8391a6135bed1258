#pragma once

#include "FaultyFileSystem.h"
#include "ManualClock.h"
#include "RecordingLogSink.h"
#include "RecordingMessageService.h"
#include "ScriptedFileDialogService.h"
#include "TempDir.h"
#include "catalogue/Data.h"
#include "datafile/DataFile.h"
#include "platform/FileSystemFile.h"
#include "platform/FileUtilities.h"
#include "platform/PosixFileSystem.h"
#include "resources/StringTables.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>

// A temporary directory with the real file system behind a fault-injecting one, a clock that
// never sleeps, and recording stand-ins for the log, the message boxes and the file dialogs.
struct CFileTestEnvironment
{
    CTempDir Dir;
    CPosixFileSystem RealFiles;
    CFaultyFileSystem Files{RealFiles};
    CManualClock Clock{CLocalTime{2024, 3, 5, 14, 7, 9}};
    CRecordingLogSink Log;
    CRecordingMessageService Messages;
    CScriptedFileDialogService Dialogs;
    CFileUtilities Utilities{Files, Clock, Log};

    std::string Path(const std::string& name) const { return Dir.File(name); }
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The file's bytes, or nothing when it cannot be opened.
inline std::optional<std::string> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A catalogue told apart by its company name and the number of its ingredients (which also
// sets the size of its file).
inline std::unique_ptr<CData> MakeCatalogue(const std::string& company, int ingredients)
{
    auto data = std::make_unique<CData>();
    data->SetDefaults();
    data->Company = company;
    for (int i = 0; i < ingredients; ++i)
        data->Ingredients.Append(std::make_unique<CIngredient>(data.get())).Name =
            "Zutat " + std::to_string(i);
    return data;
}

inline std::string Fingerprint(const CData& data)
{
    return data.Company + "/" + std::to_string(data.GetNbIngredients());
}

// The fingerprint of the catalogue a data file holds, or nothing when it is missing or cannot
// be read completely.
inline std::optional<std::string> ReadFingerprint(const std::string& path)
{
    CPosixFileSystem files;
    CFileSystem::Handle handle = CFileSystem::kNoHandle;
    if (files.Open(path, CFileSystem::ReadOnly, handle) != 0)
        return std::nullopt;
    CFileSystemFile file(files, handle, path);
    CData data;
    try {
        if (CDataFile().ReadFromXML(data, file) != 0)
            return std::nullopt;
    } catch (...) {
        return std::nullopt;
    }
    return Fingerprint(data);
}

inline CRecordingMessageService::CShownMessage
Message(const std::string& text, CRecordingMessageService::EKind kind = CRecordingMessageService::Message)
{
    return {text, CStringTables::Load(102), kind};
}
