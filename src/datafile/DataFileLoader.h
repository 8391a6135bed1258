#pragma once

#include "platform/FileUtilities.h"
#include "platform/MessageService.h"

#include <string>

class CData;
class CDataFile;

// Reads a data file into a catalogue and tells the user when it cannot ("cannot open file: "
// or "read file failed: " followed by the path, caption string 102); a missing file is
// silent. A file that exists but cannot be opened (no permission, not a regular file) is
// CannotOpen, never Missing; a text without a catalogue in it is ReadFailed. Also the test
// that "Öffnen ..." applies before it reads a chosen file.
class CDataFileLoader
{
public:
    enum EResult { Loaded, Missing, CannotOpen, ReadFailed };

    static constexpr std::size_t kProbeLength = 512;

    CDataFileLoader(CFileUtilities& utilities, CMessageService& messages);

    // Reads `path` into `data`, which should be a fresh catalogue: after a failure it holds
    // whatever the reader got to and is best thrown away. `file` remembers the text read.
    // `report` false: the caller tells the user itself.
    EResult Load(CData& data, CDataFile& file, const std::string& path, bool report = true);
    // The system's error code of the last Load that could not open its file.
    int LastOpenError() const { return m_lastOpenError; }

    // Whether the file exists, can be read, and its first 512 bytes (up to a zero byte) hold
    // the XML declaration, "<Kostenkoch>" and "<MainUserdata>", in any order.
    bool IsKostenkochDataFile(const std::string& path);

private:
    EResult ReadOpenFile(CData& data, CDataFile& dataFile, CFileSystem::Handle handle,
                         const std::string& path);
    void Report(EResult result, const std::string& path);
    std::string ReadProbe(const std::string& path);

    CFileUtilities& m_utilities;
    CMessageService& m_messages;
    int m_lastOpenError = 0;
};
