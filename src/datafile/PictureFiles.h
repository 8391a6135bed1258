#pragma once

#include "platform/FileUtilities.h"
#include "platform/MessageService.h"

#include <string>

class CData;

// Brings recipe pictures into the data directory: one picture chosen in the recipe dialog,
// or every picture of the catalogue when "Speichern unter ..." moves the data file to another
// directory. Only bare names are used in the data directory (CPictureName), and no file of
// the program (data file, backup, import file, rescue copies, the file a save writes first,
// the log file) and nothing that is not a picture is ever replaced.
class CPictureFiles
{
public:
    // Shown when a picture would replace or take the name of a file of the program (UTF-8 here,
    // shown as Windows-1252).
    static constexpr const char* kProtectedNameText =
        "Die Bilddatei kann nicht in das Datenverzeichnis kopiert werden: Eine Datei dieses Namens gehört zu "
        "Kostenkoch oder ist keine Bilddatei (.jpg, .jpeg, .gif, .bmp, .png). Bitte benennen Sie die "
        "Bilddatei "
        "anders.";

    CPictureFiles(CFileUtilities& utilities, CMessageService& messages);

    // The log file's path, which a picture must not replace either.
    void SetLogFilePath(const std::string& path) { m_logFilePath = path; }

    // Copies the picture at `path` next to the data file; `path` becomes the bare name in
    // every case that gets that far (empty when the name is refused). True when the picture
    // is there now (already in the data directory, or copied).
    [[nodiscard]] bool CopyToDataDirectory(const CData& data, const std::string& dataPath, std::string& path);

    // Copies every recipe's picture from the old to the new directory without overwriting;
    // false when a target exists already or a copy fails. Nothing to do within one directory.
    [[nodiscard]] bool CopyForSaveAs(const CData& data, const std::string& oldDirectory,
                                     const std::string& newDirectory);

private:
    bool MakeRoom(const CData& data, const std::string& dataPath, const std::string& target,
                  std::string& name);
    bool IsProtectedName(const std::string& dataPath, const std::string& name) const;
    bool IsUsedByRecipe(const CData& data, const std::string& name) const;
    bool Refuse(const std::string& text, std::string& path);

    CFileUtilities& m_utilities;
    CMessageService& m_messages;
    std::string m_logFilePath;
};
