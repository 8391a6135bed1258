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

    // The per-user data directory: USERPROFILE + "\Anwendungsdaten\Kostenkoch" on Windows
    // (one trailing separator of USERPROFILE dropped), elsewhere $XDG_DATA_HOME/Kostenkoch when
    // that is an absolute path, else ~/.local/share/Kostenkoch. Empty when the user's
    // directory is unknown.
    static std::filesystem::path DataDirectory();
    // The directory of the running program; empty when the system does not tell.
    static std::filesystem::path ExecutableDirectory();
    // The system's temporary directory + "Kostenkoch".
    static std::filesystem::path TemporaryDataDirectory();

    // A path as Windows-1252 text, the form the core keeps paths in; empty when the path holds
    // a character that Windows-1252 cannot represent.
    static std::string ToText(const std::filesystem::path& path);
    // The path that the core's Windows-1252 text names; the reverse of ToText. Never the
    // narrow std::filesystem::path constructor: that takes the bytes as they are on POSIX and
    // reads them in the system's ANSI code page on Windows.
    static std::filesystem::path FromText(const std::string& text);

private:
    static std::filesystem::path HomeDirectory();
    static std::filesystem::path SettingsDirectory();
};
