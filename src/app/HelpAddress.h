#pragma once

#include <string>

class CFileSystem;

// Addresses in the help file "KostenkochHelp.html": help file path + "#" + anchor. The file lies
// beside the program in the build folder and in a Windows installation; an installed Linux
// program (<prefix>/bin) finds it in <prefix>/share/kostenkoch.
class CHelpAddress
{
public:
    static constexpr const char* kFileName = "KostenkochHelp.html";
    // The folder below <prefix>/share that an installation puts the help file into.
    static constexpr const char* kShareFolder = "kostenkoch";
    // The main window's entry point ("? -> Hilfe aufrufen").
    static constexpr const char* kMainAnchor = "Main";
    static constexpr const char* kAboutBoxAnchor = "DialogAboutBox";

    // The help file beside the program when it is there, else the one in the share folder when
    // that is there, else (neither found, or no file system given) the one beside the program,
    // so that the browser's complaint names the usual place. Without a program directory the
    // path is the bare file name.
    static std::string Locate(CFileSystem* files, const std::string& programDirectory);
    static std::string Make(CFileSystem* files, const std::string& programDirectory,
                            const std::string& anchor);

private:
    static std::string InShareFolder(const std::string& programDirectory);
};
