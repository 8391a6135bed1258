#pragma once

#include "datafile/DataFile.h"
#include "datafile/DataFileLoader.h"
#include "datafile/DataFileLock.h"
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
//
// The session holds the lock of its data file (CDataFileLock) from the first load until
// ReleaseLock or its end; "Öffnen ..." and "Speichern unter ..." move the lock to the new file
// and refuse a file that another program holds (message 234).
class CDataSession
{
public:
    // What the first load at start allows.
    enum class EStart {
        Ready,       // the catalogue is loaded (or the defaults, when there was nothing to load)
        AlreadyOpen, // another program has the data file open (message 233): end without saving
        CannotUse,   // the data file is there but cannot be used safely (messages 241 to 243):
                     // end without saving, so that it is not replaced
    };

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

    // The first load at start, after the data location search: refuses a path that is not a
    // regular file, takes the lock, loads the data file; puts an unreadable one aside and
    // offers to restore the newest complete copy when the data file is missing or was put
    // aside (CStartRecovery); else the default master data. On Ready the window refreshes all
    // pages and the title; on anything else it ends at once without the exit save.
    EStart LoadAtStart(const std::string& dataPath);
    // Lets other programs open the data file: at the end of the exit sequence, after the save.
    void ReleaseLock() { m_lock.Release(); }
    bool HoldsLock() const { return m_lock.IsHeld(); }

    // Loads a data file into a fresh catalogue that replaces the current one only when the
    // whole file was read. True when it did; the window then refreshes all pages (at start-up
    // it refreshes them in every case).
    [[nodiscard]] bool ReadKostenkochData(const std::string& path);
    // The save sequence (CSaveSequence) for the current catalogue and data file path.
    [[nodiscard]] bool WriteKostenkochData();
    // Whether saving now would write the text last read or written (CDataFile::IsUnchanged).
    bool IsUnchanged() const;

    // "Speichern": saves under the wait cursor; a failure has been answered by the user.
    void Save();
    // "Öffnen ...": true when another file's catalogue was loaded.
    [[nodiscard]] bool Open();
    // "Speichern unter ...": saves under a new path and copies the recipes' pictures there.
    void SaveAs();
    // Whether the import file exists now (the menu shows "Daten importieren" only then).
    bool HasImportFile();
    // "Daten importieren": true when the import file's catalogue replaced the current one.
    [[nodiscard]] bool Import();
    // The save of the exit sequence: true when the window may close.
    [[nodiscard]] bool SaveOnExit();
    // Brings a picture chosen in the recipe dialog next to the data file (CPictureFiles).
    [[nodiscard]] bool CopyPictureToDataDirectory(std::string& path);

private:
    std::unique_ptr<CData> ReadFresh(const std::string& path, CDataFile& file);
    EStart LoadExisting(const std::string& dataPath);
    bool Adopt(std::unique_ptr<CData> fresh, const CDataFile& file, const std::string& path);
    void UseDefaults();
    bool IsRegularOrMissing(const std::string& path);
    // Takes the lock of `path` into `lock`; tells the user (message 234) when another program
    // holds it. A lock that cannot be taken for another reason does not stop the command.
    bool LockFor(const std::string& path, CDataFileLock& lock);
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
    CDataFileLock m_lock;
    std::unique_ptr<CData> m_data;
    // The fingerprint of the text m_data was last read from or written to.
    CDataFile m_file;
    std::string m_dataPath;
    std::string m_titlePath;
    bool m_imported = false;
    std::function<void(CData&)> m_beforeSave;
};
