#pragma once

#include <filesystem>
#include <string>

// Where the platform keeps the program's files. One place for every location the program
// derives from the operating system, so the rest of the code never asks the environment.
class CPlatformPaths
{
public:
    // The settings file the profile-file functions would open for `name`: a bare name lies in
    // the Windows directory on Windows and in the user's configuration directory elsewhere;
    // a name with a directory part is used as it is.
    static std::filesystem::path SettingsFile(const std::string& name);

    // $XDG_CONFIG_HOME when it is an absolute path, else ~/.config (not used on Windows).
    static std::filesystem::path ConfigDirectory();

private:
    static std::filesystem::path HomeDirectory();
    static std::filesystem::path SettingsDirectory();
};
