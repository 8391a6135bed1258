#pragma once

#include "platform/FileUtilities.h"

#include <string>

class CData;
class CDataFile;

// Writes a catalogue so that the file it replaces is never seen half-written: the text goes to
// a new file (created exclusively, never through a link), is flushed to disk and closed, and
// only then takes the target's place in one rename, followed by a flush of the directory.
// Until that rename the target is untouched; after it the target holds the new text. Each
// step is logged under the prefix given, each failed step with its error code. The save
// sequence and kostenkoch-cli share it.
class CNewDataFile
{
public:
    CNewDataFile(CFileUtilities& utilities, std::string logPrefix);

    // Creates `newPath`, writes the catalogue's text into it, flushes and closes it.
    [[nodiscard]] bool Write(const CData& data, CDataFile& file, const std::string& newPath);
    // Renames `newPath` over `target` and flushes the directory.
    [[nodiscard]] bool Replace(const std::string& newPath, const std::string& target);
    // Removes what a failed save left at `newPath`.
    void Discard(const std::string& newPath);

    // Logs "<step> failed, error <n>" for a failure; true when `error` is 0.
    bool Succeeded(const std::string& step, int error);
    void Log(const std::string& step);

private:
    bool WriteText(const CData& data, CDataFile& dataFile, CFileSystem::Handle handle,
                   const std::string& path);

    CFileUtilities& m_utilities;
    std::string m_logPrefix;
};
