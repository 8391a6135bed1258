#include "datafile/DataLocator.h"

#include "FileTestEnvironment.h"
#include "WindowsSkip.h"
#include "datafile/ProgramMessages.h"
#include "platform/PathText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class DataLocatorTest : public testing::Test
{
protected:
    CDataLocation Find(const std::string& registered = {})
    {
        return m_locator.FindDataPath(registered, m_candidates);
    }
    std::string DataFileIn(const std::string& directory) const
    {
        return CPathText::Join(directory, "KostenkochData.xml");
    }
    // Every file left in the directory tree, so a test sees that no probe stayed behind.
    std::vector<std::string> FilesUnder(const std::string& directory) const
    {
        std::vector<std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(directory)) {
            if (entry.is_regular_file())
                files.push_back(entry.path().filename().string());
        }
        return files;
    }

    CFileTestEnvironment m_env;
    CDataLocator m_locator{m_env.Utilities, m_env.Messages, m_env.Dialogs};
    CDataCandidates m_candidates{m_env.Path("home/.local/share/Kostenkoch"), m_env.Path("program"),
                                 m_env.Path("tmp/Kostenkoch")};
};

TEST_F(DataLocatorTest, RegisteredNonEmptyFileIsTakenWithoutWriteTest)
{
    const std::string registered = m_env.Path("Daten.xml");
    WriteBytes(registered, "x");

    const CDataLocation location = Find(registered);

    EXPECT_EQ(location.Path, registered);
    EXPECT_FALSE(location.InTemporaryDirectory);
    EXPECT_EQ(m_env.Files.Calls(CFaultyFileSystem::OpWrite), 0);
}

TEST_F(DataLocatorTest, EmptyOrMissingRegisteredFileIsSkippedAndProfileDirectoryCreatedWithParents)
{
    const std::string empty = m_env.Path("Leer.xml");
    WriteBytes(empty, "");
    for (const std::string& registered : {empty, m_env.Path("fehlt.xml"), std::string()}) {
        const CDataLocation location = Find(registered);
        EXPECT_EQ(location.Path, DataFileIn(m_candidates.ProfileDirectory)) << registered;
        EXPECT_FALSE(location.InTemporaryDirectory);
    }
    EXPECT_TRUE(std::filesystem::is_directory(m_candidates.ProfileDirectory));
    EXPECT_THAT(FilesUnder(m_env.Path("home")), IsEmpty());
    EXPECT_THAT(m_env.Messages.GetMessages(), IsEmpty());
}

// Permission bits do not stop a test that runs as root, so the file system refuses instead.
TEST_F(DataLocatorTest, ReadOnlyCandidatesAreSkippedInOrder)
{
    std::filesystem::create_directories(m_candidates.ProfileDirectory);
    m_env.Files.DenyChangesIn(m_candidates.ProfileDirectory);
    EXPECT_EQ(Find().Path, DataFileIn(m_candidates.ProgramDirectory));

    m_env.Files.DenyChangesIn(m_candidates.ProgramDirectory);
    const CDataLocation location = Find();
    EXPECT_EQ(location.Path, DataFileIn(m_candidates.TemporaryDirectory));
    EXPECT_TRUE(location.InTemporaryDirectory);

    // The next start finds the file registered and still knows where it lies.
    WriteBytes(location.Path, "x");
    EXPECT_TRUE(Find(location.Path).InTemporaryDirectory);

    const std::string notice = CDataLocator::TemporaryLocationNotice(location.Path);
    EXPECT_NE(notice.find("\n\n" + location.Path + "\n\n"), std::string::npos);
    EXPECT_NE(notice.find("tempor\xE4ren Verzeichnis"), std::string::npos);
}

TEST_F(DataLocatorTest, ExistingDataFileAtACandidatePathSurvivesTheWriteTest)
{
    std::filesystem::create_directories(m_candidates.ProfileDirectory);
    const std::string dataFile = DataFileIn(m_candidates.ProfileDirectory);
    WriteBytes(dataFile, "<Kostenkoch>earlier data</Kostenkoch>");
    WriteBytes(m_candidates.ProfileDirectory + "/Test.txt", "belongs to the user");

    EXPECT_EQ(Find().Path, dataFile);

    EXPECT_EQ(ReadBytes(dataFile), "<Kostenkoch>earlier data</Kostenkoch>");
    EXPECT_EQ(ReadBytes(m_candidates.ProfileDirectory + "/Test.txt"), "belongs to the user");
    EXPECT_THAT(FilesUnder(m_candidates.ProfileDirectory),
                testing::UnorderedElementsAre("KostenkochData.xml", "Test.txt"));
}

TEST_F(DataLocatorTest, WithoutAnyDirectoryTheUserChoosesOrGivesUp)
{
    for (const std::string* directory :
         {&m_candidates.ProfileDirectory, &m_candidates.ProgramDirectory, &m_candidates.TemporaryDirectory})
        m_env.Files.DenyChangesIn(*directory);
    m_env.Files.DenyChangesIn(m_env.Path("locked"));
    m_env.Dialogs.QueueAnswer(m_env.Path("locked/Daten.xml"));
    m_env.Messages.QueueAnswer(CMessageService::Yes);
    m_env.Dialogs.QueueAnswer(m_env.Path("Daten.xml"));

    EXPECT_EQ(Find().Path, m_env.Path("Daten.xml"));
    EXPECT_THAT(m_env.Messages.GetMessages(),
                ElementsAre(Message(CStringTables::Load(204)),
                            Message(CStringTables::Load(205), CRecordingMessageService::YesNo)));
    const CFileDialogRequest& request = m_env.Dialogs.GetRequests().at(0).Request;
    EXPECT_TRUE(m_env.Dialogs.GetRequests().at(0).Save);
    EXPECT_EQ(request.DefaultExtension, "xml");
    EXPECT_EQ(request.DefaultFileName, "KostenkochData.xml");
    EXPECT_EQ(request.Filter, "Datenfile (*.xml)|*.xml|All Files (*.*)|*.*||");
    EXPECT_TRUE(request.ConfirmOverwrite);

    m_env.Messages.Clear();
    m_env.Messages.QueueAnswer(CMessageService::No);
    const CDataLocation none = Find();
    EXPECT_EQ(none.Path, "");
    EXPECT_FALSE(none.InTemporaryDirectory);
    EXPECT_EQ(m_env.Messages.GetMessages().size(), 2u);
}

// A usual directory that cannot be written but holds the user's data is not passed over for an
// empty start elsewhere: the user is told why, and that data file is used.
TEST_F(DataLocatorTest, DataFileInADirectoryThatCannotBeWrittenIsUsedAndNamed)
{
    std::filesystem::create_directories(m_candidates.ProfileDirectory);
    const std::string dataFile = DataFileIn(m_candidates.ProfileDirectory);
    WriteBytes(dataFile, "<Kostenkoch/>");
    m_env.Files.DenyChangesIn(m_candidates.ProfileDirectory);

    const CDataLocation location = Find();

    EXPECT_EQ(location.Path, dataFile);
    EXPECT_THAT(m_env.Messages.GetMessages(),
                ElementsAre(Message(CProgramMessages::Format(
                    244, {m_candidates.ProfileDirectory, CStringTables::Load(245)}))));
    EXPECT_FALSE(std::filesystem::exists(m_candidates.ProgramDirectory));
}

// The temporary directory is taken only when it is the user's own and closed to others.
TEST_F(DataLocatorTest, TemporaryDirectoryOpenToOthersIsNotUsed)
{
    KK_SKIP_ON_WINDOWS("directory modes; the temporary directory lies in the user's profile there");
    m_env.Files.DenyChangesIn(m_candidates.ProfileDirectory);
    m_env.Files.DenyChangesIn(m_candidates.ProgramDirectory);
    std::filesystem::create_directories(m_candidates.TemporaryDirectory);
    std::filesystem::permissions(m_candidates.TemporaryDirectory, std::filesystem::perms::all);
    m_env.Messages.QueueAnswer(CMessageService::No);
    EXPECT_EQ(Find().Path, "");

    std::filesystem::remove(m_candidates.TemporaryDirectory);
    const CDataLocation location = Find();
    EXPECT_EQ(location.Path, DataFileIn(m_candidates.TemporaryDirectory));
    EXPECT_EQ(std::filesystem::status(m_candidates.TemporaryDirectory).permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
}

} // namespace
