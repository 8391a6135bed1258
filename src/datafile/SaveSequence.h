#pragma once

#include "datafile/DataFileNames.h"
#include "datafile/NewDataFile.h"
#include "platform/FileUtilities.h"
#include "platform/MessageService.h"

#include <string>

class CData;
class CDataFile;

// Writes the catalogue to its data file and keeps the file as it was before as the backup;
// a backup larger than the data file is kept as a rescue copy under a name no other file has
// (message 213). Every step is logged under the main window's name, each failed one with its
// error code, so a failed save can be traced in the log file.
//
// There is a complete data file at every moment, whatever step fails or wherever the program
// is killed: the new text is written to stem + "_New.XML" and flushed to disk first; the
// backup is then made without taking the data file away (a second name for it, or where the
// file system has none a flushed copy); only then does the new file replace the data file in
// one rename, followed by a flush of the directory. A failure before that rename leaves the
// data file as it was; any failure asks question 216 (Yes: go on without saving).
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
    bool KeepBackup(const CDataFileNames& names, bool& keptLargerBackup);
    bool IsBackupLarger(const CDataFileNames& names);
    bool KeepLargerBackup(const CDataFileNames& names);
    bool MakeBackup(const CDataFileNames& names);
    bool AskFailure(const std::string& dataPath);

    CFileUtilities& m_utilities;
    CMessageService& m_messages;
    CNewDataFile m_newFile;
};
