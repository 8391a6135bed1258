#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <string>

// The names of the files that belong to a data file. The stem is the data file path without
// its last four characters, whatever they are (for the usual name this drops ".xml"), but
// never more than its file name, so that every file stays in the data file's directory; the
// backup, the rescue copies, the import file, the file a save is written to first and the
// place of an unreadable file are the stem with their own endings, in the same directory.
class CDataFileNames
{
public:
    explicit CDataFileNames(std::string dataPath) : m_dataPath(std::move(dataPath)) {}

    const std::string& DataFile() const { return m_dataPath; }
    std::string Stem() const;
    // stem + "_Backup.XML": the data file as it was before the last save.
    std::string Backup() const;
    // stem + "_%Y_%m_%d_%H_%M_%S.XML": an older, larger backup kept when a save shrinks.
    std::string RescueCopy(const CLocalTime& now) const;
    // The first of RescueCopy(now), then stem + "_%Y_%m_%d_%H_%M_%S_2.XML" and so on, that
    // names nothing yet; empty when a hundred are taken.
    std::string FreeRescueCopy(CFileSystem& files, const CLocalTime& now) const;
    // stem + "_Unreadable_%Y_%m_%d_%H_%M_%S.XML" (numbered like the rescue copy when taken):
    // where a data file that cannot be read is put aside; no save ever touches it.
    std::string FreeUnreadable(CFileSystem& files, const CLocalTime& now) const;
    // stem + "_Import.XML": a data file the import command takes over.
    std::string Import() const;
    // stem + "_New.XML": where a save writes the new text before it replaces the data file.
    std::string NewFile() const;
    // The data file path + ".lock": held by the program that has the data file open.
    std::string LockFile() const;

    // Whether a bare file name in the data file's directory names one of these files;
    // compared without regard to case, so that no spelling of them passes on any system.
    bool IsOwnFileName(const std::string& name) const;

private:
    static std::string TimeText(const CLocalTime& time);
    static std::string FreeName(CFileSystem& files, const std::string& base);
    static bool IsTimedName(const std::string& lowerName, const std::string& lowerStart);

    std::string m_dataPath;
};
