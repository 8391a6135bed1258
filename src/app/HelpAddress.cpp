#include "HelpAddress.h"

#include "platform/FileSystem.h"
#include "platform/PathText.h"

std::string CHelpAddress::Locate(CFileSystem* files, const std::string& programDirectory)
{
    if (programDirectory.empty())
        return kFileName;
    const std::string beside = CPathText::Join(programDirectory, kFileName);
    if (!files || files->Exists(beside))
        return beside;
    const std::string shared = InShareFolder(programDirectory);
    return !shared.empty() && files->Exists(shared) ? shared : beside;
}

std::string CHelpAddress::Make(CFileSystem* files, const std::string& programDirectory,
                               const std::string& anchor)
{
    return Locate(files, programDirectory) + "#" + anchor;
}

// <prefix>/bin -> <prefix>/share/kostenkoch/KostenkochHelp.html; empty when the program
// directory has no parent.
std::string CHelpAddress::InShareFolder(const std::string& programDirectory)
{
    const auto prefix = CPathText::DirectoryOf(CPathText::WithoutTrailingSeparator(programDirectory));
    if (!prefix)
        return {};
    const std::string share = CPathText::Join(CPathText::Join(*prefix, "share"), kShareFolder);
    return CPathText::Join(share, kFileName);
}
