#pragma once

#include "platform/Clock.h"

#include <string>

// The names of the files that belong to a data file. The stem is the data file path without
// its last four characters, whatever they are (for the usual name this drops ".xml"); the
// backup, the rescue copies, the import file and the file a save is written to first are the
// stem with their own endings, in the same directory.
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
    // stem + "_Import.XML": a data file the import command takes over.
    std::string Import() const;
    // stem + "_New.XML": where a save writes the new text before it replaces the data file.
    std::string NewFile() const;

    // Whether a bare file name in the data file's directory names one of these files;
    // compared without regard to case, so that no spelling of them passes on any system.
    bool IsOwnFileName(const std::string& name) const;

private:
    bool IsRescueCopyName(const std::string& lowerName, const std::string& lowerStemName) const;

    std::string m_dataPath;
};
