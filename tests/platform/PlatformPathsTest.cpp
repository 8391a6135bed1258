#include "platform/PlatformPaths.h"

#include "TempDir.h"

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
        if (value)
            setenv(m_name, value, 1);
        else
            unsetenv(m_name);
    }

    const char* m_name;
    std::optional<std::string> m_old;
};

TEST(CPlatformPaths, BareSettingsFileLiesInTheConfigDirectory)
{
    const CScopedEnvironment config("XDG_CONFIG_HOME", "/tmp/kk-config");
    EXPECT_EQ(CPlatformPaths::SettingsFile("Kostenkoch.ini"),
              std::filesystem::path("/tmp/kk-config/Kostenkoch.ini"));
}

TEST(CPlatformPaths, ConfigDirectoryFallsBackToHome)
{
    const CScopedEnvironment home("HOME", "/tmp/kk-home");
    for (const char* config : {static_cast<const char*>(nullptr), "", "relative/dir"}) {
        const CScopedEnvironment unset("XDG_CONFIG_HOME", config);
        EXPECT_EQ(CPlatformPaths::ConfigDirectory(), std::filesystem::path("/tmp/kk-home/.config"))
            << (config ? config : "(unset)");
    }
}

TEST(CPlatformPaths, SettingsFileWithDirectoryIsUsedAsGiven)
{
    EXPECT_EQ(CPlatformPaths::SettingsFile("/etc/kk/Kostenkoch.ini"),
              std::filesystem::path("/etc/kk/Kostenkoch.ini"));
    EXPECT_EQ(CPlatformPaths::SettingsFile("conf/Kostenkoch.ini"),
              std::filesystem::path("conf/Kostenkoch.ini"));
}

TEST(CPlatformPaths, DataDirectoryFollowsXdgDataHomeOrHome)
{
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
    const CScopedEnvironment temporary("TMPDIR", directory.Path().c_str());
    EXPECT_EQ(CPlatformPaths::TemporaryDataDirectory(), directory.Path() / "Kostenkoch");
    const std::filesystem::path program = CPlatformPaths::ExecutableDirectory();
    EXPECT_TRUE(std::filesystem::exists(program / "kk_platform_tests")) << program;
}

TEST(CPlatformPaths, TextOfAPathIsWindows1252OrEmpty)
{
    EXPECT_EQ(CPlatformPaths::ToText(std::filesystem::path(u8"/home/jürgen")), "/home/j\xFCrgen");
    EXPECT_EQ(CPlatformPaths::ToText(std::filesystem::path(u8"/home/\u0142ukasz")), "");
}

} // namespace
