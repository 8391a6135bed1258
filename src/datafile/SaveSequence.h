#pragma once

#include "datafile/DataFileNames.h"
#include "platform/FileUtilities.h"
#include "platform/MessageService.h"

#include <string>

class CData;
class CDataFile;

// Writes the catalogue to its data file and keeps the file as it was before as the backup;
// a backup larger than the data file is kept as a rescue copy (message 213). Every step is
// logged under the main window's name, so a failed save can be traced in the log file.
//
// The last successfully saved state is never lost, whatever step fails: the new text is
// written to stem + "_New.XML" and flushed to disk first, while data file and backup stay as
// they are; only then are the old files rotated, the new file renamed into place and the
// directory flushed. A failed rotation stops the save before anything is replaced, and a
// failed final rename puts the old data file back. Only after the directory flush does the
// save report success; any failure asks question 216 (Yes: go on without saving).
class CSaveSequence
{
public:
    static constexpr const char* kLogPrefix = "CKostenkochDlg::WriteKostenkochData() -> ";

    CSaveSequence(CFileUtilities& utilities, CMessageService& messages);

    // True: saved, or the user chose to go on without saving. False: not saved, and the user
    // does not want to go on. Without a catalogue there is nothing to save: true. `file`
    // remembers the text written, or forgets it when the save failed.
    bool WriteKostenkochData(const CData* data, CDataFile& file, const std::string& dataPath);

private:
    bool Save(const CData& data, CDataFile& file, const CDataFileNames& names);
    bool WriteNewFile(const CData& data, CDataFile& file, const std::string& path);
    bool WriteText(const CData& data, CDataFile& dataFile, CFileSystem::Handle handle, const std::string& path);
    bool RotateOldFiles(const CDataFileNames& names, bool& dataFileMoved);
    bool IsBackupLarger(const CDataFileNames& names);
    bool KeepLargerBackup(const CDataFileNames& names);
    bool MoveNewFileIntoPlace(const CDataFileNames& names, bool dataFileMoved);
    void DiscardNewFile(const std::string& path);
    bool AskFailure(const std::string& dataPath);
    bool Succeeded(const std::string& step, int error);
    void Log(const std::string& step);

    CFileUtilities& m_utilities;
    CMessageService& m_messages;
};
