#include "datafile/DataSession.h"

#include "FileTestEnvironment.h"
#include "datafile/DataFileNames.h"
#include "datafile/PictureFiles.h"
#include "datafile/PictureName.h"
#include "datafile/SaveSequence.h"
#include "datafile/Utf8Text.h"
#include "platform/PathText.h"

#include <filesystem>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::ElementsAre;
using testing::IsEmpty;

constexpr const char* kDeclaration = R"(<?xml version="1.0" encoding="ISO-8859-1"?>)";

class DataSessionTest : public testing::Test
{
protected:
    DataSessionTest()
    {
        std::filesystem::create_directories(m_env.Path("data"));
        std::filesystem::create_directories(m_env.Path("other"));
    }

    // Writes the catalogue as a data file at `path`.
    void WriteDataFile(CData& data, const std::string& path)
    {
        CRecordingMessageService quiet;
        CDataFile file;
        ASSERT_TRUE(CSaveSequence(m_env.Utilities, quiet).WriteKostenkochData(&data, file, path));
    }
    // A session that started with a data file holding the catalogue "Start" with two pictures,
    // saved once so that the file matches the catalogue's record numbers.
    void StartWithDataFile()
    {
        auto data = MakeCatalogue("Start", 2);
        AddRecipe(*data, "Suppe", "suppe.jpg");
        AddRecipe(*data, "Brot", "../../brot.jpg");
        WriteDataFile(*data, m_dataPath);
        m_session.SetDataPath(m_dataPath);
        ASSERT_TRUE(m_session.ReadKostenkochData(m_dataPath));
        ASSERT_TRUE(m_session.WriteKostenkochData());
        ASSERT_TRUE(m_session.IsUnchanged());
        m_env.Log.Lines.clear();
    }
    static void AddRecipe(CData& data, const std::string& name, const std::string& picture)
    {
        CRecipe& recipe = data.Recipes.Append(std::make_unique<CRecipe>(&data));
        recipe.Name = name;
        recipe.PictureFilename = picture;
    }
    std::string Title(const std::string& path) const { return CStringTables::Load(102) + " - " + path; }

    CFileTestEnvironment m_env;
    CDataSession m_session{m_env.Utilities, m_env.Messages, m_env.Dialogs, nullptr};
    std::string m_dataPath = m_env.Path("data/KostenkochData.xml");
    std::string m_importPath = m_env.Path("data/KostenkochData_Import.XML");
};

TEST_F(DataSessionTest, StartWithoutOrWithBrokenFileUsesDefaultMasterData)
{
    CData defaults;
    defaults.SetDefaults();

    EXPECT_FALSE(m_session.ReadKostenkochData(m_dataPath));
    ASSERT_NE(m_session.GetData(), nullptr);
    EXPECT_EQ(m_session.GetData()->NameGroup, defaults.NameGroup);
    EXPECT_EQ(m_session.GetWindowTitle(), CStringTables::Load(102));
    EXPECT_THAT(m_env.Messages.GetMessages(), IsEmpty());

    CDataSession broken(m_env.Utilities, m_env.Messages, m_env.Dialogs, nullptr);
    WriteBytes(m_dataPath, std::string(kDeclaration) + "<Kostenkoch><MainUserdata>");
    EXPECT_FALSE(broken.ReadKostenkochData(m_dataPath));
    EXPECT_EQ(broken.GetData()->Taxes, defaults.Taxes);
    EXPECT_EQ(broken.GetWindowTitle(), CStringTables::Load(102));
    EXPECT_THAT(m_env.Messages.GetMessages(), ElementsAre(Message("read file failed: " + m_dataPath)));
    EXPECT_EQ(m_env.Messages.MaxWaitCursorDepth(), 1);
    EXPECT_EQ(m_env.Messages.WaitCursorDepth(), 0);
}

TEST_F(DataSessionTest, OpenRefusesAFileWithoutTheSignaturesInItsFirst512Bytes)
{
    StartWithDataFile();
    CData* const current = m_session.GetData();
    const std::string late = m_env.Path("other/Spaet.xml");
    WriteBytes(late, std::string(kDeclaration) + "<Kostenkoch><!--" + std::string(500, '-') +
                         "--><MainUserdata></MainUserdata></Kostenkoch>");
    const std::string cut = m_env.Path("other/Null.xml");
    WriteBytes(cut, std::string(kDeclaration) + std::string(1, '\0') + "<Kostenkoch><MainUserdata>");

    for (const std::string& path : {late, cut, m_env.Path("other/fehlt.xml")}) {
        m_env.Messages.Clear();
        m_env.Dialogs.QueueAnswer(path);
        EXPECT_FALSE(m_session.Open()) << path;
        EXPECT_THAT(m_env.Messages.GetMessages(), ElementsAre(Message(CStringTables::Load(228)))) << path;
        EXPECT_EQ(m_session.GetData(), current);
        EXPECT_EQ(m_session.GetDataPath(), m_dataPath);
    }
    const CFileDialogRequest& request = m_env.Dialogs.GetRequests().at(0).Request;
    EXPECT_EQ(request.InitialDirectory, m_env.Path("data"));
    EXPECT_EQ(request.Filter, "XML Dateien (*.xml)|*.xml|Alle Dateien (*.*)|*.*||");
    EXPECT_EQ(request.DefaultFileName, "");
}

TEST_F(DataSessionTest, OpenLoadsAnotherDataFileAndTakesItsPath)
{
    StartWithDataFile();
    auto other = MakeCatalogue("Anderswo", 5);
    const std::string otherPath = m_env.Path("other/Daten.xml");
    WriteDataFile(*other, otherPath);
    m_env.Dialogs.QueueAnswer(otherPath);

    EXPECT_TRUE(m_session.Open());

    EXPECT_EQ(Fingerprint(*m_session.GetData()), "Anderswo/5");
    EXPECT_EQ(m_session.GetDataPath(), otherPath);
    EXPECT_EQ(m_session.GetWindowTitle(), Title(otherPath));
    EXPECT_THAT(m_env.Messages.GetMessages(), IsEmpty());
}

// Only a complete read replaces the catalogue: the edits and the path stay otherwise.
TEST_F(DataSessionTest, OpenOfAnAcceptedButBrokenFileKeepsTheCurrentCatalogue)
{
    StartWithDataFile();
    const std::string broken = m_env.Path("other/Kaputt.xml");
    WriteBytes(broken, std::string(kDeclaration) + "<Kostenkoch><MainUserdata><Company>x</Comp");
    CData* const current = m_session.GetData();
    m_env.Dialogs.QueueAnswer(broken);
    m_env.Messages.QueueAnswer(CMessageService::No);
    current->Company = "bearbeitet";

    EXPECT_FALSE(m_session.Open());

    EXPECT_EQ(m_session.GetData(), current);
    EXPECT_EQ(current->Company, "bearbeitet");
    EXPECT_EQ(m_session.GetDataPath(), m_dataPath);
    EXPECT_EQ(m_session.GetWindowTitle(), Title(m_dataPath));
    EXPECT_THAT(m_env.Messages.GetMessages(),
                ElementsAre(Message(CStringTables::Load(231), CRecordingMessageService::YesNoCancel),
                            Message("read file failed: " + broken)));
}

TEST_F(DataSessionTest, OpenAsksToSaveChangesFirst)
{
    StartWithDataFile();
    EXPECT_FALSE(m_session.Open());
    EXPECT_THAT(m_env.Messages.GetMessages(), IsEmpty());
    EXPECT_EQ(m_env.Dialogs.GetRequests().size(), 1u);

    m_session.GetData()->Company = "Neu";
    m_env.Messages.QueueAnswer(CMessageService::Cancel);
    EXPECT_FALSE(m_session.Open());
    EXPECT_EQ(m_env.Dialogs.GetRequests().size(), 1u);

    int applied = 0;
    m_session.SetBeforeSave([&applied](CData&) { ++applied; });
    m_env.Messages.QueueAnswer(CMessageService::Yes);
    EXPECT_FALSE(m_session.Open());
    EXPECT_EQ(ReadFingerprint(m_dataPath), "Neu/2");
    EXPECT_EQ(m_env.Dialogs.GetRequests().size(), 2u);
    EXPECT_EQ(applied, 2);
}

// "Ja" to saving first, and the save fails: no file is offered, so the unsaved changes cannot
// be replaced by another file's catalogue.
TEST_F(DataSessionTest, OpenStopsWhenTheSaveBeforeItFails)
{
    StartWithDataFile();
    m_session.GetData()->Company = "Neu";
    m_env.Files.DenyChangesIn(m_env.Path("data"));
    m_env.Messages.QueueAnswer(CMessageService::Yes);
    EXPECT_FALSE(m_session.Open());
    EXPECT_TRUE(m_env.Dialogs.GetRequests().empty());
    EXPECT_EQ(m_session.GetData()->Company, "Neu");
    EXPECT_FALSE(m_session.IsUnchanged());
}

TEST_F(DataSessionTest, SaveAsCopiesThePicturesAsBareNames)
{
    StartWithDataFile();
    WriteBytes(m_env.Path("data/suppe.jpg"), "suppe");
    WriteBytes(m_env.Path("data/brot.jpg"), "brot");
    const std::string newPath = m_env.Path("other/Kopie.xml");
    m_env.Dialogs.QueueAnswer(newPath);

    m_session.SaveAs();

    EXPECT_EQ(m_session.GetDataPath(), newPath);
    EXPECT_EQ(m_session.GetWindowTitle(), Title(m_dataPath));
    EXPECT_EQ(ReadFingerprint(newPath), "Start/2");
    EXPECT_EQ(ReadBytes(m_env.Path("other/suppe.jpg")), "suppe");
    EXPECT_EQ(ReadBytes(m_env.Path("other/brot.jpg")), "brot");
    EXPECT_FALSE(std::filesystem::exists(m_env.Path("../brot.jpg")));
    EXPECT_THAT(m_env.Messages.GetMessages(), IsEmpty());
}

TEST_F(DataSessionTest, SaveAsFailsWhenAPictureOfThatNameIsThere)
{
    StartWithDataFile();
    WriteBytes(m_env.Path("data/suppe.jpg"), "suppe");
    WriteBytes(m_env.Path("other/suppe.jpg"), "fremd");
    const std::string newPath = m_env.Path("other/Kopie.xml");
    m_env.Dialogs.QueueAnswer(newPath);

    m_session.SaveAs();

    EXPECT_EQ(m_session.GetDataPath(), m_dataPath);
    EXPECT_THAT(m_env.Messages.GetMessages(), ElementsAre(Message(CStringTables::Load(229))));
    EXPECT_EQ(ReadBytes(m_env.Path("other/suppe.jpg")), "fremd");
    EXPECT_EQ(ReadFingerprint(newPath), "Start/2");
}

TEST_F(DataSessionTest, SaveAsThatCannotSaveKeepsThePath)
{
    StartWithDataFile();
    m_env.Files.DenyChangesIn(m_env.Path("other"));
    m_env.Dialogs.QueueAnswer(m_env.Path("other/Kopie.xml"));
    m_env.Messages.QueueAnswer(CMessageService::No);

    m_session.SaveAs();

    EXPECT_EQ(m_session.GetDataPath(), m_dataPath);
    EXPECT_EQ(m_env.Messages.GetMessages().back(), Message(CStringTables::Load(229)));
}

TEST_F(DataSessionTest, ImportThenNoOnExitLeavesTheDataFileAsItWas)
{
    StartWithDataFile();
    auto imported = MakeCatalogue("Import", 7);
    WriteDataFile(*imported, m_importPath);
    const auto before = ReadBytes(m_dataPath);
    ASSERT_TRUE(m_session.HasImportFile());

    EXPECT_TRUE(m_session.Import());
    EXPECT_TRUE(m_session.IsImported());
    EXPECT_EQ(Fingerprint(*m_session.GetData()), "Import/7");
    EXPECT_EQ(m_session.GetWindowTitle(), Title(m_importPath));
    EXPECT_FALSE(m_session.HasImportFile());

    m_env.Messages.QueueAnswer(CMessageService::No);
    EXPECT_TRUE(m_session.SaveOnExit());
    EXPECT_EQ(ReadBytes(m_dataPath), before);
    EXPECT_THAT(m_env.Messages.GetMessages(),
                ElementsAre(Message(CStringTables::Load(185), CRecordingMessageService::YesNo)));

    m_env.Messages.QueueAnswer(CMessageService::Yes);
    EXPECT_TRUE(m_session.SaveOnExit());
    EXPECT_EQ(ReadFingerprint(m_dataPath), "Import/7");
}

TEST_F(DataSessionTest, FailedImportLosesNothing)
{
    StartWithDataFile();
    WriteBytes(m_importPath, std::string(kDeclaration) + "<Kostenkoch><MainUserdata>");
    CData* const current = m_session.GetData();
    current->Company = "ungespeichert";

    EXPECT_FALSE(m_session.Import());

    EXPECT_EQ(m_session.GetData(), current);
    EXPECT_EQ(current->Company, "ungespeichert");
    EXPECT_FALSE(m_session.IsImported());
    EXPECT_TRUE(m_session.HasImportFile());
    EXPECT_EQ(m_session.GetWindowTitle(), Title(m_dataPath));
    EXPECT_THAT(m_env.Messages.GetMessages(), ElementsAre(Message("read file failed: " + m_importPath)));
}

TEST_F(DataSessionTest, FailedSaveOnExitKeepsTheWindowOpenOnNo)
{
    StartWithDataFile();
    m_env.Files.DenyChangesIn(m_env.Path("data"));
    m_env.Messages.QueueAnswer(CMessageService::No);
    EXPECT_FALSE(m_session.SaveOnExit());
    m_env.Messages.QueueAnswer(CMessageService::Yes);
    EXPECT_TRUE(m_session.SaveOnExit());
    EXPECT_EQ(ReadFingerprint(m_dataPath), "Start/2");
}

TEST_F(DataSessionTest, CopyPictureToDataDirectory)
{
    StartWithDataFile();
    m_session.SetLogFilePath(m_env.Path("data/Kostenkoch.log"));
    const std::string protectedText = Windows1252Text(CPictureFiles::kProtectedNameText);
    WriteBytes(m_env.Path("data/suppe.jpg"), "alt");
    WriteBytes(m_env.Path("data/frei.png"), "alt");
    WriteBytes(m_env.Path("data/KostenkochData_Backup.XML"), "alt");
    WriteBytes(m_env.Path("data/Kostenkoch.log"), "alt");
    WriteBytes(m_env.Path("data/notiz.txt"), "alt");
    const struct
    {
        std::string Source;
        bool Result;
        std::string Name;     // the name afterwards
        std::string Message;  // shown, if any
        std::string InTarget; // the file in the data directory afterwards
    } cases[] = {
        {m_env.Path("data/neu.jpg"), true, "neu.jpg", "", ""},
        {m_env.Path("other/suppe.jpg"), false, "", CStringTables::Load(226), "alt"},
        {m_env.Path("other/frei.png"), true, "frei.png", "", "neu"},
        {m_env.Path("other/KostenkochData_Backup.XML"), false, "", protectedText, "alt"},
        {m_env.Path("other/KostenkochData_Import.XML"), false, "", protectedText, ""},
        {m_env.Path("other/Kostenkoch.log"), false, "", protectedText, "alt"},
        {m_env.Path("other/notiz.txt"), false, "", protectedText, "alt"},
        {m_env.Path("other/bild.gif"), true, "bild.gif", "", "neu"},
        {"bild.gif", false, "bild.gif", "", ""},
    };
    for (const auto& c : cases) {
        const std::string name = CPictureName::Bare(c.Source);
        WriteBytes(m_env.Path("other/" + name), "neu");
        m_env.Messages.Clear();
        std::string path = c.Source;

        EXPECT_EQ(m_session.CopyPictureToDataDirectory(path), c.Result) << c.Source;

        EXPECT_EQ(path, c.Name) << c.Source;
        const auto expected = c.Message.empty() ? std::vector<CRecordingMessageService::CShownMessage>()
                                                : std::vector{Message(c.Message)};
        EXPECT_EQ(m_env.Messages.GetMessages(), expected) << c.Source;
        if (!c.InTarget.empty()) {
            EXPECT_EQ(ReadBytes(m_env.Path("data/" + name)), c.InTarget) << c.Source;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(m_env.Path("data/KostenkochData_Import.XML")));
}

TEST(PictureName, BareNamesNeverLeaveTheDirectory)
{
    const struct
    {
        const char* Name;
        const char* Bare;
    } cases[] = {
        {"suppe.jpg", "suppe.jpg"},
        {"../suppe.jpg", "suppe.jpg"},
        {"..\\..\\win.ini", "win.ini"},
        {"/etc/passwd", "passwd"},
        {"C:\\Bilder\\a.png", "a.png"},
        {"C:a.png", "a.png"},
        {"Suppe 12:30.jpg", "Suppe 12:30.jpg"},
        {"..", ""},
        {"bilder/.", ""},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CPictureName::Bare(c.Name), c.Bare) << c.Name;
    EXPECT_EQ(CPictureName::PathIn("/d", "../x.jpg"), CPathText::Join("/d", "x.jpg"));
    EXPECT_EQ(CPictureName::PathIn("/d", ".."), "");
    for (const char* picture : {"a.jpg", "b.JPEG", "c.Gif", "d.bmp", "e.PNG"})
        EXPECT_TRUE(CPictureName::HasPictureEnding(picture)) << picture;
    for (const char* other : {"a.xml", "b.jpg.txt", ".png", "png", "KostenkochData_Backup.XML"})
        EXPECT_FALSE(CPictureName::HasPictureEnding(other)) << other;
}

} // namespace
