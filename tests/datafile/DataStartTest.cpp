// The first load at start (CDataSession::LoadAtStart): unreadable files put aside and never
// lost, the data file recovered from what an interrupted save or the backup left, files that
// cannot be used refused, one program per data file; and no file outside the data directory
// touched through a link planted in it.

#include "FileTestEnvironment.h"
#include "WindowsSkip.h"
#include "datafile/DataFileNames.h"
#include "datafile/DataLocator.h"
#include "datafile/DataSession.h"
#include "datafile/ProgramMessages.h"
#include "datafile/SaveSequence.h"
#include "datafile/StartRecovery.h"
#include "platform/PathText.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using EStart = CDataSession::EStart;
using testing::ElementsAre;
using testing::HasSubstr;

class DataStartTest : public testing::Test
{
protected:
    // A program's session on the shared directory, with its own message boxes.
    struct CProgram
    {
        explicit CProgram(CFileTestEnvironment& env) : Session(env.Utilities, Messages, env.Dialogs, nullptr)
        {}
        CRecordingMessageService Messages;
        CDataSession Session;
    };

    void Write(const CData& data, const std::string& path)
    {
        CRecordingMessageService quiet;
        CDataFile file;
        ASSERT_TRUE(CSaveSequence(m_env.Utilities, quiet).WriteKostenkochData(&data, file, path));
    }
    std::string SavedText(const CData& data)
    {
        const std::string path = m_env.Path("scratch.xml");
        Write(data, path);
        const std::string text = ReadBytes(path).value_or("");
        std::filesystem::remove(path);
        return text;
    }
    static void SetTime(const std::string& path, int minutesAgo)
    {
        std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() -
                                                   std::chrono::minutes(minutesAgo));
    }
    static std::string Shown(const CProgram& program, std::size_t index)
    {
        return program.Messages.GetMessages().at(index).Text;
    }
    std::vector<std::string> FilesInDirectory() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_env.Dir.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    CFileTestEnvironment m_env;
    std::string m_dataPath = m_env.Path("KostenkochData.xml");
    CDataFileNames m_names{m_dataPath};
};

// Before: the unreadable file became the backup on the first exit and was deleted by the
// second. Now it is put aside on the first start and survives every later start and save.
TEST_F(DataStartTest, UnreadableFileSurvivesTwoStartsAndIsNamed)
{
    const auto data = MakeCatalogue("Kunde", 60);
    Write(*data, m_dataPath);
    const std::string truncated = ReadBytes(m_dataPath)->substr(0, 1500);
    WriteBytes(m_dataPath, truncated);
    const std::string aside = m_env.Path("KostenkochData_Unreadable_2024_03_05_14_07_09.XML");

    for (int start = 1; start <= 2; ++start) {
        CProgram program(m_env);
        ASSERT_EQ(program.Session.LoadAtStart(m_dataPath), EStart::Ready) << start;
        EXPECT_EQ(program.Session.GetData()->Company, "") << start; // the defaults
        ASSERT_TRUE(program.Session.SaveOnExit()) << start;
        program.Session.ReleaseLock();
        if (start == 1) {
            ASSERT_EQ(program.Messages.GetMessages().size(), 1u);
            EXPECT_THAT(Shown(program, 0), HasSubstr("\n\n" + aside + "\n\n"));
            EXPECT_THAT(Shown(program, 0), HasSubstr(CStringTables::Load(237))); // no backup that reads
        } else {
            EXPECT_TRUE(program.Messages.GetMessages().empty());
        }
    }
    EXPECT_EQ(ReadBytes(aside), truncated);
    EXPECT_TRUE(m_names.IsOwnFileName(CPathText::FileNameOf(aside)));
    EXPECT_THAT(m_env.Log.Lines, testing::Contains(std::string(CStartRecovery::kLogPrefix) +
                                                   "keep unreadable data file as " + aside));
}

// Texts that parse but hold no catalogue, and a file that breaks off, are all put aside; a
// backup that reads is named in the notice and then offered for restoring.
TEST_F(DataStartTest, FilesWithoutACatalogueArePutAsideAndTheBackupIsOffered)
{
    const auto saved = MakeCatalogue("Gesichert", 3);
    for (const char* text : {"[Name]\nWert=1\n", "<?xml version=\"1.0\"?><html><body/></html>", "<Kosten"}) {
        CFileTestEnvironment env;
        const std::string path = env.Path("KostenkochData.xml");
        CRecordingMessageService quiet;
        CDataFile file;
        ASSERT_TRUE(CSaveSequence(env.Utilities, quiet).WriteKostenkochData(saved.get(), file, path));
        ASSERT_TRUE(CSaveSequence(env.Utilities, quiet).WriteKostenkochData(saved.get(), file, path));
        WriteBytes(path, text);
        CProgram program(env);
        program.Messages.QueueAnswer(CMessageService::Yes);

        ASSERT_EQ(program.Session.LoadAtStart(path), EStart::Ready) << text;

        EXPECT_EQ(program.Session.GetData()->Company, "Gesichert") << text;
        ASSERT_EQ(program.Messages.GetMessages().size(), 2u) << text;
        EXPECT_THAT(Shown(program, 0), HasSubstr(CDataFileNames(path).Backup() + " vom ")) << text;
        EXPECT_EQ(program.Messages.GetMessages()[1].Kind, CRecordingMessageService::YesNo) << text;
        EXPECT_EQ(ReadBytes(env.Path("KostenkochData_Unreadable_2024_03_05_14_07_09.XML")), text);
    }
}

// With no data file, the newest complete copy is offered; Yes restores it, No starts with the
// defaults and keeps the copies. An incomplete new file is never offered.
TEST_F(DataStartTest, MissingDataFileIsRecoveredFromTheNewestCompleteCopy)
{
    const auto older = MakeCatalogue("Sicherung", 2);
    const auto newer = MakeCatalogue("Unterbrochen", 3);
    const std::string olderText = SavedText(*older);
    const std::string newerText = SavedText(*newer);
    const struct
    {
        const char* Name;
        std::optional<std::string> NewFile, Backup;
        CMessageService::EAnswer Answer;
        std::string Company;
        int Kind; // string id of the copy named in the question, 0 for none
    } cases[] = {
        {"interrupted save", newerText, olderText, CMessageService::Yes, "Unterbrochen", 240},
        {"backup only", std::nullopt, olderText, CMessageService::Yes, "Sicherung", 239},
        {"broken new file", newerText.substr(0, 300), olderText, CMessageService::Yes, "Sicherung", 239},
        {"declined", newerText, olderText, CMessageService::No, "", 240},
        {"nothing", std::nullopt, std::nullopt, CMessageService::Yes, "", 0},
    };
    for (const auto& c : cases) {
        CFileTestEnvironment env;
        const CDataFileNames names(env.Path("KostenkochData.xml"));
        if (c.Backup) {
            WriteBytes(names.Backup(), *c.Backup);
            SetTime(names.Backup(), 10);
        }
        if (c.NewFile)
            WriteBytes(names.NewFile(), *c.NewFile);
        CProgram program(env);
        program.Messages.QueueAnswer(c.Answer);

        ASSERT_EQ(program.Session.LoadAtStart(names.DataFile()), EStart::Ready) << c.Name;

        EXPECT_EQ(program.Session.GetData()->Company, c.Company) << c.Name;
        EXPECT_EQ(program.Messages.GetMessages().size(), c.Kind ? 1u : 0u) << c.Name;
        if (c.Kind) {
            EXPECT_THAT(Shown(program, 0), HasSubstr(CStringTables::Load(c.Kind) + " vom ")) << c.Name;
            EXPECT_EQ(ReadFingerprint(names.DataFile()).has_value(), c.Answer == CMessageService::Yes)
                << c.Name;
        }
        EXPECT_EQ(ReadBytes(names.Backup()), c.Backup) << c.Name; // the backup stays the backup
    }
}

// A data file that cannot be opened, or a path that is no regular file, ends the start at once
// with a message, and the file stays as it is.
TEST_F(DataStartTest, FilesThatCannotBeUsedEndTheStartUntouched)
{
    const auto data = MakeCatalogue("Kunde", 2);
    Write(*data, m_dataPath);
    const auto bytes = ReadBytes(m_dataPath);
    {
        CProgram program(m_env);
        m_env.Files.FailCall(CFaultyFileSystem::OpOpen, 1, EACCES);
        EXPECT_EQ(program.Session.LoadAtStart(m_dataPath), EStart::CannotUse);
        ASSERT_EQ(program.Messages.GetMessages().size(), 1u);
        EXPECT_THAT(Shown(program, 0), HasSubstr("(" + CStringTables::Load(245) + ")"));
        EXPECT_FALSE(program.Session.HoldsLock());
    }
    EXPECT_EQ(ReadBytes(m_dataPath), bytes);

    const std::string directory = m_env.Path("Ordner.xml");
    std::filesystem::create_directory(directory);
    std::vector<std::string> paths = {directory};
#ifndef _WIN32
    // FIFOs are POSIX's alone.
    const std::string fifo = m_env.Path("Rohr.xml");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    paths.push_back(fifo);
#endif
    for (const std::string& path : paths) {
        CProgram program(m_env);
        EXPECT_EQ(program.Session.LoadAtStart(path), EStart::CannotUse) << path;
        EXPECT_THAT(program.Messages.GetMessages(),
                    ElementsAre(Message(CProgramMessages::Format(242, {path}))))
            << path;
    }
}

// A second program on the same data file is told and must end; once the first has let go, the
// next one starts normally. "Öffnen ..." refuses a file that another program holds.
TEST_F(DataStartTest, OneProgramPerDataFile)
{
    const auto data = MakeCatalogue("Kunde", 2);
    Write(*data, m_dataPath);
    auto first = std::make_unique<CProgram>(m_env);
    ASSERT_EQ(first->Session.LoadAtStart(m_dataPath), EStart::Ready);

    CProgram second(m_env);
    EXPECT_EQ(second.Session.LoadAtStart(m_dataPath), EStart::AlreadyOpen);
    EXPECT_THAT(second.Messages.GetMessages(),
                ElementsAre(Message(CProgramMessages::Format(233, {m_dataPath}))));

    const std::string otherPath = m_env.Path("Andere.xml");
    Write(*data, otherPath);
    CProgram third(m_env);
    ASSERT_EQ(third.Session.LoadAtStart(otherPath), EStart::Ready);
    m_env.Dialogs.QueueAnswer(m_dataPath);
    third.Messages.QueueAnswer(CMessageService::No); // should it save first
    EXPECT_FALSE(third.Session.Open());
    EXPECT_EQ(third.Messages.GetMessages().back(), Message(CProgramMessages::Format(234, {m_dataPath})));
    EXPECT_EQ(third.Session.GetDataPath(), otherPath);

    first.reset(); // the first program ends
    CProgram fourth(m_env);
    EXPECT_EQ(fourth.Session.LoadAtStart(m_dataPath), EStart::Ready);
    EXPECT_EQ(fourth.Session.GetData()->Company, "Kunde");
}

// A link planted under every name that the directory tests, the probes, the save and the lock
// create never leads to a change outside the data directory.
TEST_F(DataStartTest, LinksPlantedInTheDataDirectoryTouchNothingOutside)
{
    KK_SKIP_ON_WINDOWS("symbolic links any user may plant");
    const std::string directory = m_env.Path("daten");
    const std::string outside = m_env.Path("fremd");
    std::filesystem::create_directories(directory);
    std::filesystem::create_directories(outside);
    const std::string dataPath = directory + "/KostenkochData.xml";
    const CDataFileNames names(dataPath);
    std::vector<std::string> planted = {directory + "/Test.txt",
                                        directory + "/KostenkochTest.000",
                                        dataPath + CFileUtilities::kSideProbeSuffix,
                                        names.NewFile(),
                                        names.Backup(),
                                        names.LockFile(),
                                        names.RescueCopy(m_env.Clock.LocalNow()),
                                        names.FreeUnreadable(m_env.RealFiles, m_env.Clock.LocalNow())};
    std::vector<std::string> victims;
    for (std::size_t i = 0; i < planted.size(); ++i) {
        victims.push_back(outside + "/opfer" + std::to_string(i));
        WriteBytes(victims.back(), "Opfer");
        std::filesystem::create_symlink(victims.back(), planted[i]);
    }
    // A link that leads nowhere must neither be followed nor block the directory test.
    std::filesystem::remove(planted[1]);
    std::filesystem::create_symlink(outside + "/neu", planted[1]);

    CDataLocator locator(m_env.Utilities, m_env.Messages, m_env.Dialogs);
    EXPECT_EQ(locator.FindDataPath({}, {directory, {}, {}}).Path, dataPath);
    m_env.Utilities.PrepareDataDirectory(directory);
    {
        CProgram program(m_env);
        ASSERT_EQ(program.Session.LoadAtStart(dataPath), EStart::Ready);
        for (int ingredients : {40, 1, 3}) { // the third save keeps the larger backup as rescue copy
            program.Session.GetData()->Ingredients.Clear();
            for (int i = 0; i < ingredients; ++i)
                program.Session.GetData()->Ingredients.Append(
                    std::make_unique<CIngredient>(program.Session.GetData()));
            ASSERT_TRUE(program.Session.WriteKostenkochData());
        }
    }
    WriteBytes(m_env.Path("kaputt"), "<Kosten");
    std::filesystem::rename(m_env.Path("kaputt"), dataPath);
    CProgram program(m_env);
    EXPECT_EQ(program.Session.LoadAtStart(dataPath), EStart::Ready); // put aside next to the link

    for (const std::string& victim : victims)
        EXPECT_EQ(ReadBytes(victim), "Opfer") << victim;
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(outside), std::filesystem::directory_iterator()),
        static_cast<long>(victims.size()));
}

} // namespace
