#include "PlatformPaths.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

// An environment variable that holds an absolute path, else an empty path.
std::filesystem::path AbsoluteFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0')
        return {};
    std::filesystem::path path(value);
    return path.is_absolute() ? path : std::filesystem::path();
}

} // namespace

std::filesystem::path CPlatformPaths::SettingsFile(const std::string& name)
{
    const std::filesystem::path path(name);
    if (path.has_parent_path())
        return path;
    return SettingsDirectory() / path;
}

std::filesystem::path CPlatformPaths::ConfigDirectory()
{
    std::filesystem::path config = AbsoluteFromEnvironment("XDG_CONFIG_HOME");
    return config.empty() ? HomeDirectory() / ".config" : config;
}

std::filesystem::path CPlatformPaths::HomeDirectory()
{
    std::filesystem::path home = AbsoluteFromEnvironment("HOME");
#ifndef _WIN32
    if (home.empty()) {
        if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr)
            home = entry->pw_dir;
    }
#endif
    return home;
}

std::filesystem::path CPlatformPaths::SettingsDirectory()
{
#ifdef _WIN32
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryW(buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH)
        return {};
    return std::filesystem::path(buffer);
#else
    return ConfigDirectory();
#endif
}
