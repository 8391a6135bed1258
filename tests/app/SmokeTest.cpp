// Runs the real program offscreen with a home of its own: it finds its data file, loads it,
// and is closed through the exit sequence (KOSTENKOCH_SMOKE_EXIT_MS), which saves the data
// with a backup and remembers the data file's path.

#include "TempDir.h"
#include "catalogue/Data.h"
#include "datafile/DataFile.h"
#include "platform/StdFile.h"

#include <QProcess>
#include <QSettings>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;

constexpr int kCloseAfterMs = 300;
constexpr int kRunLimitMs = 120000;

std::string Bytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct CCounts
{
    int Ingredients = -1;
    int Recipes = -1;
    int Sales = -1;
    bool operator==(const CCounts&) const = default;
};

// Reads a data file as the program does; nothing when it does not read.
std::optional<CCounts> ReadDataFile(const fs::path& path)
{
    CData data;
    CStdFile file(path, CStdFile::OpenRead);
    if (CDataFile().ReadFromXML(data, file) != 0)
        return std::nullopt;
    return CCounts{data.GetNbIngredients(), data.GetNbRecipes(), static_cast<int>(data.Sales.Count())};
}

class SmokeTest : public testing::Test
{
protected:
    fs::path DataDirectory() const { return m_home.Path() / "data" / "Kostenkoch"; }
    fs::path DataFile() const { return DataDirectory() / "KostenkochData.xml"; }
    fs::path Backup() const { return DataDirectory() / "KostenkochData_Backup.XML"; }

    QProcessEnvironment Environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const auto set = [&environment](const char* name, const fs::path& path) {
            fs::create_directories(path);
            environment.insert(QString::fromLatin1(name), QString::fromStdString(path.string()));
        };
        set("HOME", m_home.Path());
        set("XDG_CONFIG_HOME", m_home.Path() / "config");
        set("XDG_DATA_HOME", m_home.Path() / "data");
        set("XDG_CACHE_HOME", m_home.Path() / "cache");
        set("TMPDIR", m_home.Path() / "tmp");
        set("XDG_RUNTIME_DIR", m_home.Path() / "runtime");
        fs::permissions(m_home.Path() / "runtime", fs::perms::owner_all);
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("KOSTENKOCH_SMOKE_EXIT_MS"), QString::number(kCloseAfterMs));
        return environment;
    }

    // The program's exit status; fails the test when it crashed or did not end.
    int RunProgram()
    {
        QProcess program;
        program.setProcessEnvironment(Environment());
        program.setProcessChannelMode(QProcess::ForwardedChannels);
        program.start(QStringLiteral(KK_PROGRAM_PATH), {});
        EXPECT_TRUE(program.waitForStarted()) << KK_PROGRAM_PATH;
        if (!program.waitForFinished(kRunLimitMs)) {
            program.kill();
            program.waitForFinished();
            ADD_FAILURE() << "the program did not end within " << kRunLimitMs << " ms";
            return -1;
        }
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        return program.exitCode();
    }

    // The values the program remembered in its QSettings file.
    QString Remembered(const char* key) const
    {
        const fs::path file = m_home.Path() / "config" / "Harlow-Software" / "Kostenkoch.conf";
        QSettings settings(QString::fromStdString(file.string()), QSettings::IniFormat);
        return settings.value(QString::fromLatin1(key)).toString();
    }

    CTempDir m_home;
};

TEST_F(SmokeTest, LoadsTheDataFileAndSavesItOnExitKeepingTheOldOneAsBackup)
{
    fs::create_directories(DataDirectory());
    fs::copy_file(KK_SAMPLE_DATA_FILE, DataFile());
    const std::string original = Bytes(DataFile());
    const auto sample = ReadDataFile(DataFile());
    ASSERT_TRUE(sample.has_value());

    ASSERT_EQ(RunProgram(), 0);

    // Nothing was edited, so the saved file is the file that was loaded.
    EXPECT_EQ(ReadDataFile(DataFile()), sample);
    EXPECT_EQ(Bytes(DataFile()), original);
    ASSERT_TRUE(fs::exists(Backup()));
    EXPECT_EQ(Bytes(Backup()), original);
    EXPECT_EQ(Remembered("DataPath"), QString::fromStdString(DataFile().string()));
    EXPECT_EQ(Remembered("Language"), QStringLiteral("German (Germany)"));
}

TEST_F(SmokeTest, FirstStartWithoutDataSavesTheDefaultMasterDataOnExit)
{
    ASSERT_EQ(RunProgram(), 0);

    EXPECT_EQ(ReadDataFile(DataFile()), (CCounts{0, 0, 0}));
    EXPECT_FALSE(fs::exists(Backup()));
    EXPECT_EQ(Remembered("DataPath"), QString::fromStdString(DataFile().string()));
}

} // namespace
