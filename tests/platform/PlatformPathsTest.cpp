#include "platform/PlatformPaths.h"

#include "TempDir.h"
#include "WindowsSkip.h"
#include "platform/PathText.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>

namespace {

// Sets an environment variable for the life of the object and restores it afterwards.
class CScopedEnvironment
{
public:
    CScopedEnvironment(const char* name, const char* value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        Set(value);
    }
    ~CScopedEnvironment() { Set(m_old ? m_old->c_str() : nullptr); }

private:
    void Set(const char* value)
    {
#ifdef _WIN32
        // An empty value removes the variable on Windows; no test needs an empty one there.
        _putenv_s(m_name, value ? value : "");
#else
        if (value)
            setenv(m_name, value, 1);
        else
            unsetenv(m_name);
#endif
    }

    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(CPlatformPaths, BareSettingsFileLiesInTheConfigDirectory)
{
    KK_SKIP_ON_WINDOWS("the settings file lies in the Windows directory there");
    const CScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/kk-config");
    EXPECT_EQ(CPlatformPaths::SettingsFile("Kostenkoch.ini"),
              std::filesystem::path("/tmp/kk-config/Kostenkoch.ini"));
}

TEST(CPlatformPaths, ConfigDirectoryFallsBackToHome)
{
    KK_SKIP_ON_WINDOWS("no configuration directory there");
    const CScopedEnvironment home("HOME", "/tmp/kk-home");
    for (const char* config : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
        const CScopedEnvironment unset("XDG_CONFIG_HOME", config);
        EXPECT_EQ(CPlatformPaths::ConfigDirectory(), std::filesystem::path("/tmp/kk-home/.config"))
            << (config ? config : "(unset)");
    }
}

TEST(CPlatformPaths, SettingsFileWithDirectoryIsUsedAsGiven)
{
    KK_SKIP_ON_WINDOWS("POSIX path forms; the Windows forms are tested below");
    EXPECT_EQ(CPlatformPaths::SettingsFile("/etc/kk/Kostenkoch.ini"),
              std::filesystem::path("/etc/kk/Kostenkoch.ini"));
    EXPECT_EQ(CPlatformPaths::SettingsFile("conf/Kostenkoch.ini"),
              std::filesystem::path("conf/Kostenkoch.ini"));
}

TEST(CPlatformPaths, DataDirectoryFollowsXdgDataHomeOrHome)
{
    KK_SKIP_ON_WINDOWS("the data directory follows USERPROFILE there");
    const CScopedEnvironment home("HOME", "/tmp/kk-home");
    {
        const CScopedEnvironment data("XDG_DATA_HOME", "/tmp/kk-data");
        EXPECT_EQ(CPlatformPaths::DataDirectory(), std::filesystem::path("/tmp/kk-data/Kostenkoch"));
    }
    for (const char* data : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
        const CScopedEnvironment unset("XDG_DATA_HOME", data);
        EXPECT_EQ(CPlatformPaths::DataDirectory(),
                  std::filesystem::path("/tmp/kk-home/.local/share/Kostenkoch"))
            << (data ? data : "(unset)");
    }
}

TEST(CPlatformPaths, TemporaryAndProgramDirectories)
{
    const CTempDir directory;
#ifdef _WIN32
    const CScopedEnvironment temporary("TMP", directory.Path().string().c_str());
    const char* program = "kk_platform_tests.exe";
#else
    const CScopedEnvironment temporary("TMPDIR", directory.Path().c_str());
    const char* program = "kk_platform_tests";
#endif
    EXPECT_EQ(CPlatformPaths::TemporaryDataDirectory(), directory.Path() / "Kostenkoch");
    const std::filesystem::path folder = CPlatformPaths::ExecutableDirectory();
    EXPECT_TRUE(std::filesystem::exists(folder / program)) << folder;
}

TEST(CPlatformPaths, TextOfAPathIsWindows1252OrEmpty)
{
    EXPECT_EQ(CPlatformPaths::ToText(std::filesystem::path(u8"/home/jürgen")), "/home/j\xFCrgen");
    EXPECT_EQ(CPlatformPaths::ToText(std::filesystem::path(u8"/home/\u0142ukasz")), "");
    EXPECT_EQ(CPlatformPaths::FromText("M\xFCller"), std::filesystem::path(u8"Müller"));
    EXPECT_EQ(CPlatformPaths::ToText(CPlatformPaths::FromText("K\xFC"
                                                              "che\x80")),
              "K\xFC"
              "che\x80");
    EXPECT_EQ(CPlatformPaths::SettingsFile("M\xFCller.ini").filename(),
              std::filesystem::path(u8"Müller.ini"));
}

#ifdef _WIN32
// The profile's folder may hold any letter; Windows-1252 letters such as the umlaut reach the
// core as their byte, the rest makes the path unusable (empty text), never a wrong folder.
TEST(CPlatformPaths, WindowsFoldersFollowTheProfileAndTheWindowsDirectory)
{
    const std::wstring ownProfile = _wgetenv(L"USERPROFILE");
    for (const char8_t* profile : {u8"C:\\Users\\Müller", u8"C:\\Users\\Müller\\"}) {
        _wputenv_s(L"USERPROFILE", std::filesystem::path(profile).c_str());
        EXPECT_EQ(CPlatformPaths::ToText(CPlatformPaths::DataDirectory()),
                  "C:\\Users\\M\xFCller\\Anwendungsdaten\\Kostenkoch");
    }
    _wputenv_s(L"USERPROFILE", L"C:\\Users\\\u0141ukasz");
    EXPECT_EQ(CPlatformPaths::ToText(CPlatformPaths::DataDirectory()), "");
    _wputenv_s(L"USERPROFILE", ownProfile.c_str());

    const std::string windows = CPlatformPaths::ToText(CPlatformPaths::SettingsFile("Kostenkoch.ini"));
    EXPECT_TRUE(windows.ends_with("\\Kostenkoch.ini")) << windows;
    EXPECT_TRUE(CPathText::EqualIgnoringCase(windows.substr(1, 2), ":\\")) << windows;
    EXPECT_EQ(CPlatformPaths::SettingsFile("D:\\Daten\\Kostenkoch.ini"),
              std::filesystem::path("D:\\Daten\\Kostenkoch.ini"));
}
#endif

} // namespace
