#include "PlatformPaths.h"

#include "Windows1252.h"

#include <cstdlib>
#include <system_error>

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

constexpr const char* kProgramDirectoryName = "Kostenkoch";

} // namespace

std::filesystem::path CPlatformPaths::SettingsFile(const std::string& name)
{
    const std::filesystem::path path = FromText(name);
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

std::filesystem::path CPlatformPaths::DataDirectory()
{
#ifdef _WIN32
    const wchar_t* profile = _wgetenv(L"USERPROFILE");
    if (profile == nullptr || *profile == L'\0')
        return {};
    std::wstring directory(profile);
    if (directory.back() == L'\\')
        directory.pop_back();
    return std::filesystem::path(directory + L"\\Anwendungsdaten\\Kostenkoch");
#else
    std::filesystem::path data = AbsoluteFromEnvironment("XDG_DATA_HOME");
    if (data.empty()) {
        const std::filesystem::path home = HomeDirectory();
        if (home.empty())
            return {};
        data = home / ".local" / "share";
    }
    return data / kProgramDirectoryName;
#endif
}

std::filesystem::path CPlatformPaths::ExecutableDirectory()
{
#ifdef _WIN32
    wchar_t buffer[1024] = {};
    const DWORD length = GetModuleFileNameW(nullptr, buffer, 1024);
    if (length == 0 || length >= 1024)
        return {};
    return std::filesystem::path(buffer).parent_path();
#else
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
#endif
}

std::filesystem::path CPlatformPaths::TemporaryDataDirectory()
{
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    if (error || temporary.empty())
        return {};
    return temporary / kProgramDirectoryName;
}

std::filesystem::path CPlatformPaths::FromText(const std::string& text)
{
    const std::string utf8 = Windows1252ToUtf8(text);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string CPlatformPaths::ToText(const std::filesystem::path& path)
{
    const std::u8string utf8 = path.u8string();
    std::string text;
    if (!Utf8ToWindows1252(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()), text))
        return {};
    return text;
}
