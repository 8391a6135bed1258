#include "datafile/SaveSequence.h"

#include "FileTestEnvironment.h"
#include "datafile/DataFileNames.h"
#include "platform/PathText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

const std::string kPrefix = CSaveSequence::kLogPrefix;

class SaveSequenceTest : public testing::Test
{
protected:
    // Each catalogue keeps the fingerprint of its own last save.
    bool Save(CData& data) { return m_sequence.WriteKostenkochData(&data, m_files[&data], m_dataPath); }
    std::optional<std::string> FileHolds(const std::string& path) const { return ReadFingerprint(path); }
    std::string QuestionText() const { return CStringTables::Load(216) + "\n\n" + m_dataPath; }
    // The log of a successful save with the given steps of the backup rotation.
    std::vector<std::string> SuccessLog(const std::vector<std::string>& rotation) const
    {
        std::vector<std::string> lines = {"DataPath: " + m_dataPath, "create new data file",
                                          "open new data file", "close new data file"};
        lines.insert(lines.end(), rotation.begin(), rotation.end());
        lines.insert(lines.end(), {"rename new data file", "sync data directory", "ok"});
        for (std::string& line : lines)
            line = kPrefix + line;
        return lines;
    }

    CFileTestEnvironment m_env;
    CSaveSequence m_sequence{m_env.Utilities, m_env.Messages};
    std::map<const CData*, CDataFile> m_files;
    std::string m_dataPath = m_env.Path("KostenkochData.xml");
    CDataFileNames m_names{m_dataPath};
    std::unique_ptr<CData> m_big = MakeCatalogue("Gross", 40);
    std::unique_ptr<CData> m_small = MakeCatalogue("Klein", 1);
    std::unique_ptr<CData> m_other = MakeCatalogue("Anders", 2);
};

TEST(DataFileNames, StemDropsTheLastFourCharactersWhateverTheyAre)
{
    const struct
    {
        std::string Path, Backup, Import;
    } cases[] = {
        {"/d/KostenkochData.xml", "/d/KostenkochData_Backup.XML", "/d/KostenkochData_Import.XML"},
        {"/d/Daten.dat", "/d/Daten_Backup.XML", "/d/Daten_Import.XML"},
        {"/d/Datenfile", "/d/Daten_Backup.XML", "/d/Daten_Import.XML"},
        {"abc", "_Backup.XML", "_Import.XML"},
        // never more than the file name: the files stay in the data file's directory
        {"/d/ab", "/d/_Backup.XML", "/d/_Import.XML"},
    };
    for (const auto& c : cases) {
        const CDataFileNames names(c.Path);
        EXPECT_EQ(names.Backup(), c.Backup) << c.Path;
        EXPECT_EQ(names.Import(), c.Import) << c.Path;
    }
    EXPECT_EQ(CDataFileNames("/d/KostenkochData.xml").RescueCopy({2009, 5, 9, 8, 7, 6}),
              "/d/KostenkochData_2009_05_09_08_07_06.XML");
}

TEST(DataFileNames, OwnFilesAreRecognisedInAnyCase)
{
    const CDataFileNames names("/d/KostenkochData.xml");
    for (const char* own : {"KostenkochData.xml", "kostenkochdata_backup.xml", "KostenkochData_Import.XML",
                            "KostenkochData_New.XML", "KostenkochData_2024_03_05_14_07_09.XML"})
        EXPECT_TRUE(names.IsOwnFileName(own)) << own;
    for (const char* other : {"Suppe.jpg", "KostenkochData_2024_03_05.XML",
                              "KostenkochData_2024_03_05_14_07_0x.XML", "Other_Backup.XML"})
        EXPECT_FALSE(names.IsOwnFileName(other)) << other;
}

TEST_F(SaveSequenceTest, FirstSaveWritesTheFileWithoutBackup)
{
    EXPECT_TRUE(Save(*m_big));

    EXPECT_EQ(FileHolds(m_dataPath), Fingerprint(*m_big));
    EXPECT_FALSE(m_env.RealFiles.Exists(m_names.Backup()));
    EXPECT_FALSE(m_env.RealFiles.Exists(m_names.NewFile()));
    EXPECT_THAT(m_env.Messages.GetMessages(), IsEmpty());
    EXPECT_EQ(m_env.Log.Lines, SuccessLog({}));
    EXPECT_EQ(m_env.Messages.MaxWaitCursorDepth(), 1);
    EXPECT_EQ(m_env.Messages.WaitCursorDepth(), 0);
}

TEST_F(SaveSequenceTest, SecondSaveKeepsTheFirstAsBackup)
{
    ASSERT_TRUE(Save(*m_big));
    m_env.Log.Lines.clear();
    EXPECT_TRUE(Save(*m_other));

    EXPECT_EQ(FileHolds(m_dataPath), Fingerprint(*m_other));
    EXPECT_EQ(FileHolds(m_names.Backup()), Fingerprint(*m_big));
    EXPECT_EQ(m_env.Log.Lines, SuccessLog({"remove old backup file", "link old data file to backup"}));
}

TEST_F(SaveSequenceTest, ShrinkingFileKeepsTheLargerBackupAsRescueCopy)
{
    ASSERT_TRUE(Save(*m_big));
    ASSERT_TRUE(Save(*m_small));
    m_env.Log.Lines.clear();
    EXPECT_TRUE(Save(*m_other));

    const std::string rescue = m_names.RescueCopy(m_env.Clock.LocalNow());
    EXPECT_EQ(rescue, m_env.Path("KostenkochData_2024_03_05_14_07_09.XML"));
    EXPECT_EQ(FileHolds(rescue), Fingerprint(*m_big));
    EXPECT_EQ(FileHolds(m_names.Backup()), Fingerprint(*m_small));
    EXPECT_EQ(FileHolds(m_dataPath), Fingerprint(*m_other));
    EXPECT_THAT(m_env.Messages.GetMessages(), ElementsAre(Message(CStringTables::Load(213))));
    EXPECT_EQ(m_env.Log.Lines, SuccessLog({"rename old backup file", "link old data file to backup"}));
}

// Creating, opening and writing the new file each fail once; the question decides the result
// and the saved file stays as it was.
TEST_F(SaveSequenceTest, FailureAsksWhetherToGoOnAndKeepsTheSavedFile)
{
    ASSERT_TRUE(Save(*m_big));
    const auto saved = ReadBytes(m_dataPath);
    const struct
    {
        const char* Step;
        CFaultyFileSystem::EOperation Operation;
        int Call;
        CMessageService::EAnswer Answer;
    } cases[] = {
        {"create", CFaultyFileSystem::OpOpen, 1, CMessageService::Yes},
        {"create", CFaultyFileSystem::OpOpen, 1, CMessageService::No},
        {"open", CFaultyFileSystem::OpOpen, 2, CMessageService::No},
        {"write", CFaultyFileSystem::OpWrite, 1, CMessageService::Yes},
        {"write", CFaultyFileSystem::OpWrite, 1, CMessageService::No},
    };
    for (const auto& c : cases) {
        m_env.Messages.Clear();
        m_env.Files.ResetCounts();
        m_env.Files.FailCall(c.Operation, c.Call, EACCES);
        m_env.Messages.QueueAnswer(c.Answer);

        EXPECT_EQ(Save(*m_other), c.Answer == CMessageService::Yes) << c.Step;
        EXPECT_THAT(m_env.Messages.GetMessages(),
                    ElementsAre(Message(QuestionText(), CRecordingMessageService::YesNo)))
            << c.Step;
        EXPECT_EQ(ReadBytes(m_dataPath), saved) << c.Step;
        EXPECT_FALSE(m_env.RealFiles.Exists(m_names.NewFile())) << c.Step;
        EXPECT_EQ(m_env.Messages.WaitCursorDepth(), 0) << c.Step;
    }
    EXPECT_THAT(m_env.Log.Lines,
                testing::Contains(kPrefix + "write new data file failed, error " + std::to_string(EACCES)));
}

// The data file was never taken away, so a failed final rename leaves it as it was; the
// backup already holds the same state.
TEST_F(SaveSequenceTest, FailedFinalRenameLeavesTheDataFileAsItWas)
{
    ASSERT_TRUE(Save(*m_small));
    ASSERT_TRUE(Save(*m_big));
    m_env.Files.ResetCounts();
    m_env.Files.FailCall(CFaultyFileSystem::OpRename, 1, EXDEV);

    EXPECT_FALSE(Save(*m_other));

    EXPECT_FALSE(m_files[m_other.get()].IsUnchanged(*m_other)); // written to the new file only: still unsaved
    EXPECT_EQ(FileHolds(m_dataPath), Fingerprint(*m_big));
    EXPECT_EQ(FileHolds(m_names.Backup()), Fingerprint(*m_big));
    EXPECT_FALSE(m_env.RealFiles.Exists(m_names.NewFile()));
    EXPECT_THAT(m_env.Log.Lines, testing::Contains("FileRename : " + m_names.NewFile() + " -> " + m_dataPath +
                                                   " failed, error " + std::to_string(EXDEV)));
}

// Where the file system has no links, the backup is a copy; a backup that cannot be made
// stops the save before the data file is replaced. Each failed step is logged with its code.
TEST(SaveSequenceWithoutLinks, BackupIsACopyAndTheSaveStopsWhenNoneCanBeMade)
{
    const auto big = MakeCatalogue("Gross", 40);
    const auto other = MakeCatalogue("Anders", 2);
    const struct
    {
        bool CopyFails;
        std::optional<std::string> Data, Backup;
    } cases[] = {{false, Fingerprint(*other), Fingerprint(*big)}, {true, Fingerprint(*big), std::nullopt}};
    for (const auto& c : cases) {
        CFileTestEnvironment env;
        CSaveSequence sequence(env.Utilities, env.Messages);
        const std::string dataPath = env.Path("KostenkochData.xml");
        CDataFile file;
        ASSERT_TRUE(sequence.WriteKostenkochData(big.get(), file, dataPath));
        env.Files.DenyLinks();
        if (c.CopyFails)
            env.Files.FailCall(CFaultyFileSystem::OpCopy, 1, ENOSPC);
        env.Messages.QueueAnswer(CMessageService::Yes);

        sequence.WriteKostenkochData(other.get(), file, dataPath);

        EXPECT_EQ(ReadFingerprint(dataPath), c.Data) << c.CopyFails;
        EXPECT_EQ(ReadFingerprint(CDataFileNames(dataPath).Backup()), c.Backup) << c.CopyFails;
        EXPECT_THAT(env.Log.Lines, testing::Contains(kPrefix + "link old data file to backup failed, error " +
                                                     std::to_string(EPERM)));
        if (c.CopyFails) {
            EXPECT_THAT(env.Log.Lines,
                        testing::Contains(kPrefix + "copy old data file to backup failed, error " +
                                          std::to_string(ENOSPC)));
        }
    }
}

// Two saves that shrink the file within the same second: the second rescue copy gets a number
// of its own and the first stays.
TEST_F(SaveSequenceTest, RescueCopiesOfTheSameSecondAreNumbered)
{
    ASSERT_TRUE(Save(*m_big));
    ASSERT_TRUE(Save(*m_small));
    ASSERT_TRUE(Save(*m_other)); // rescue copy: Gross
    ASSERT_TRUE(Save(*m_big));
    ASSERT_TRUE(Save(*m_small)); // backup Gross, data Klein
    ASSERT_TRUE(Save(*m_other)); // rescue copy again, same second

    const std::string first = m_names.RescueCopy(m_env.Clock.LocalNow());
    const std::string second = m_env.Path("KostenkochData_2024_03_05_14_07_09_2.XML");
    EXPECT_EQ(FileHolds(first), Fingerprint(*m_big));
    EXPECT_EQ(FileHolds(second), Fingerprint(*m_big));
    EXPECT_TRUE(m_names.IsOwnFileName(CPathText::FileNameOf(second)));
}

// The failed creation of the new file is logged with its code like every other step.
TEST_F(SaveSequenceTest, FailedCreationIsLoggedWithItsCode)
{
    m_env.Files.FailCall(CFaultyFileSystem::OpOpen, 1, EROFS);
    m_env.Messages.QueueAnswer(CMessageService::No);
    EXPECT_FALSE(Save(*m_big));
    EXPECT_THAT(m_env.Log.Lines,
                testing::Contains(kPrefix + "create new data file failed, error " + std::to_string(EROFS)));
}

TEST_F(SaveSequenceTest, NoDataPathOrNoCatalogue)
{
    m_dataPath.clear();
    m_env.Messages.QueueAnswer(CMessageService::Yes);
    EXPECT_TRUE(Save(*m_big));
    EXPECT_THAT(m_env.Messages.GetMessages(),
                ElementsAre(Message(CStringTables::Load(216) + "\n\n", CRecordingMessageService::YesNo)));

    m_env.Log.Lines.clear();
    CDataFile none;
    EXPECT_TRUE(m_sequence.WriteKostenkochData(nullptr, none, m_env.Path("x.xml")));
    EXPECT_THAT(m_env.Log.Lines, IsEmpty());
}

} // namespace
