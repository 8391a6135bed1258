#pragma once

#include "datafile/DataFile.h"
#include "datafile/DataFileLoader.h"
#include "datafile/PictureFiles.h"
#include "datafile/SaveSequence.h"
#include "platform/FileDialogService.h"
#include "platform/FileUtilities.h"
#include "platform/MessageService.h"

#include <functional>
#include <memory>
#include <string>

class CCatalogueOwner;
class CData;

// The catalogue of the main window with its data file: loading, the file commands
// ("Öffnen ...", "Speichern", "Speichern unter ...", "Daten importieren"), the save on exit
// and bringing recipe pictures next to the data file. The window calls these and afterwards
// refreshes its pages and title when a command says the catalogue was replaced; all talk
// with the user goes through the message and file dialog services.
//
// A catalogue is only ever replaced by one that was read completely: a file that cannot be
// read leaves the current catalogue, its data file path and the title as they were (with no
// catalogue yet, the default master data are used).
class CDataSession
{
public:
    CDataSession(CFileUtilities& utilities, CMessageService& messages, CFileDialogService& dialogs,
                 CCatalogueOwner* owner);
    ~CDataSession();
    CDataSession(const CDataSession&) = delete;
    CDataSession& operator=(const CDataSession&) = delete;

    CData* GetData() const { return m_data.get(); }
    const std::string& GetDataPath() const { return m_dataPath; }
    // Set once from the data location search; later changed only by Open and SaveAs.
    void SetDataPath(const std::string& path) { m_dataPath = path; }
    bool IsImported() const { return m_imported; }
    // String 102, followed by " - " and the path of the file the catalogue was read from.
    std::string GetWindowTitle() const;
    // Called with the catalogue before it is saved or compared with its file: the window takes
    // the master data page's values into the catalogue here.
    void SetBeforeSave(std::function<void(CData&)> beforeSave) { m_beforeSave = std::move(beforeSave); }
    void SetLogFilePath(const std::string& path) { m_pictures.SetLogFilePath(path); }

    // Loads a data file into a fresh catalogue that replaces the current one only when the
    // whole file was read. True when it did; the window then refreshes all pages (at start-up
    // it refreshes them in every case).
    bool ReadKostenkochData(const std::string& path);
    // The save sequence (CSaveSequence) for the current catalogue and data file path.
    bool WriteKostenkochData();
    // Whether saving now would write the text last read or written (CDataFile::IsUnchanged).
    bool IsUnchanged() const;

    // "Speichern": saves under the wait cursor; a failure has been answered by the user.
    void Save();
    // "Öffnen ...": true when another file's catalogue was loaded.
    bool Open();
    // "Speichern unter ...": saves under a new path and copies the recipes' pictures there.
    void SaveAs();
    // Whether the import file exists now (the menu shows "Daten importieren" only then).
    bool HasImportFile();
    // "Daten importieren": true when the import file's catalogue replaced the current one.
    bool Import();
    // The save of the exit sequence: true when the window may close.
    bool SaveOnExit();
    // Brings a picture chosen in the recipe dialog next to the data file (CPictureFiles).
    bool CopyPictureToDataDirectory(std::string& path);

private:
    std::unique_ptr<CData> ReadFresh(const std::string& path, CDataFile& file);
    bool AskToSaveBeforeOpen();
    bool SaveUnder(const std::string& path, const std::string& oldDirectory, const std::string& newDirectory);
    CFileDialogRequest DataFileRequest() const;

    CFileUtilities& m_utilities;
    CMessageService& m_messages;
    CFileDialogService& m_dialogs;
    CCatalogueOwner* m_owner;
    CDataFileLoader m_loader;
    CSaveSequence m_saveSequence;
    CPictureFiles m_pictures;
    std::unique_ptr<CData> m_data;
    // The fingerprint of the text m_data was last read from or written to.
    CDataFile m_file;
    std::string m_dataPath;
    std::string m_titlePath;
    bool m_imported = false;
    std::function<void(CData&)> m_beforeSave;
};
