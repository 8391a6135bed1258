#include "TempDir.h"
#include "catalogue/Data.h"
#include "cli/CliRunner.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileNames.h"
#include "platform/PosixFileSystem.h"
#include "platform/StdFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

namespace {

// A restaurant with a schnitzel (food, 7 %) and a beer (drinks, 19 %), and a sales journal of
// its register with a heading row the readers recognise.
class CliImport : public testing::Test
{
protected:
    void SetUp() override
    {
        CData data;
        data.SetDefaults();
        data.Taxes[0] = 7.0;
        data.Taxes[10] = 19.0;
        AddDish(data, "Schnitzel", 0, 18.5);
        AddDish(data, "Pils", 10, 4.0);
        CStdFile file(m_path, CStdFile::CreateWrite);
        CDataFile().WriteToXML(data, file);
        file.Close();
        Write(m_journal, "Datum;Uhrzeit;Artikel;Menge;Preis\n"
                         "03.05.2025;19:30;Schnitzel;2;18,50\n"
                         "04.05.2025;01:30;Schnitzel;1;18,50\n"
                         "03.05.2025;20:00;Pils;3;4,00\n"
                         "03.05.2025;21:00;Weizenbier;1;4,50\n");
    }
    static void AddDish(CData& data, const char* name, int group, double price)
    {
        CRecipe dish(&data);
        dish.Name = name;
        dish.NameGroupIndex = group;
        dish.PriceSell = price;
        EXPECT_EQ(data.AddRecipe(dish), 1);
    }
    static void Write(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Bytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    int Run(std::vector<std::string> args)
    {
        m_out.str({});
        m_err.str({});
        return RunCli(args, m_out, m_err);
    }
    QJsonObject Json() const
    {
        return QJsonDocument::fromJson(QByteArray::fromStdString(m_out.str())).object();
    }

    CTempDir m_dir;
    std::string m_path = m_dir.File("KostenkochData.xml");
    std::string m_journal = m_dir.File("journal.csv");
    std::ostringstream m_out, m_err;
};

TEST_F(CliImport, DryRunCountsAndChangesNothing)
{
    const std::string before = Bytes(m_path);
    ASSERT_EQ(Run({"import", m_path, m_journal, "--dry-run", "--accept-exact"}), 0) << m_err.str();
    const QJsonObject json = Json();
    EXPECT_TRUE(json["dryRun"].toBool());
    EXPECT_FALSE(json["written"].toBool());
    EXPECT_EQ(json["linesRead"].toInt(), 4);
    EXPECT_EQ(json["linesBooked"].toInt(), 3);
    EXPECT_EQ(json["acceptedExact"].toInt(), 2);
    EXPECT_EQ(json["first"].toString(), "2025-05-03T19:30");
    EXPECT_EQ(json["last"].toString(), "2025-05-04T01:30");
    EXPECT_EQ(Bytes(m_path), before);

    // Without a stored mapping and without --accept-exact every item stays open.
    ASSERT_EQ(Run({"import", m_path, m_journal, "--dry-run"}), 0) << m_err.str();
    EXPECT_EQ(Json()["linesBooked"].toInt(), 0);
    EXPECT_EQ(Json()["openItems"].toArray().size(), 3);
    EXPECT_EQ(Bytes(m_path), before);
}

// Schnitzel: 2 + 1 portions at 18,50 on the business day 3 May (01:30 belongs to it); beer:
// 3 at 4,00; the wheat beer names no dish and stays open with its revenue.
TEST_F(CliImport, AcceptExactBooksAndRemembersAndASecondRunBooksNothing)
{
    ASSERT_EQ(Run({"import", m_path, m_journal, "--accept-exact"}), 0) << m_err.str();
    QJsonObject json = Json();
    EXPECT_TRUE(json["written"].toBool());
    EXPECT_EQ(json["sales"].toInt(), 2);
    EXPECT_DOUBLE_EQ(json["portions"].toDouble(), 6.0);
    EXPECT_DOUBLE_EQ(json["gross"].toDouble(), 55.5 + 12.0);
    EXPECT_NEAR(json["net"].toDouble(), 55.5 / 1.07 + 12.0 / 1.19, 1e-9);
    const QJsonArray dishes = json["dishes"].toArray();
    ASSERT_EQ(dishes.size(), 2);
    EXPECT_EQ(dishes[0].toObject()["name"].toString(), "Schnitzel");
    EXPECT_EQ(dishes[0].toObject()["lines"].toInt(), 2);
    const QJsonArray open = json["openItems"].toArray();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open[0].toObject()["text"].toString(), "Weizenbier");
    EXPECT_DOUBLE_EQ(open[0].toObject()["gross"].toDouble(), 4.5);

    ASSERT_EQ(Run({"sales", m_path}), 0);
    const QJsonArray sales = Json()["sales"].toArray();
    ASSERT_EQ(sales.size(), 2);
    EXPECT_EQ(sales[0].toObject()["name"].toString(), "Schnitzel");
    EXPECT_DOUBLE_EQ(sales[0].toObject()["nbPortion"].toDouble(), 3.0);
    EXPECT_EQ(sales[0].toObject()["dateTime"].toString(), "2025-05-03T00:00");

    const std::string afterFirst = Bytes(m_path);
    ASSERT_EQ(Run({"import", m_path, m_journal, "--accept-exact"}), 0) << m_err.str();
    json = Json();
    EXPECT_FALSE(json["written"].toBool());
    EXPECT_EQ(json["linesBooked"].toInt(), 0);
    EXPECT_EQ(json["alreadyImported"].toArray().size(), 1);
    EXPECT_EQ(json["skipped"].toObject()["alreadyImported"].toObject()["lines"].toInt(), 4);
    EXPECT_EQ(Bytes(m_path), afterFirst);

    // The next journal books the remembered items without --accept-exact.
    Write(m_journal, "Datum;Artikel;Menge;Preis\n05.05.2025;Schnitzel;1;18,50\n05.05.2025;Pils;2;4,00\n");
    ASSERT_EQ(Run({"import", m_path, m_journal}), 0) << m_err.str();
    EXPECT_EQ(Json()["linesBooked"].toInt(), 2);
    EXPECT_EQ(Json()["acceptedExact"].toInt(), 0);
}

TEST_F(CliImport, JournalColumnsFromOptions)
{
    Write(m_journal, "2025-05-03,Pils,3,4.00\n2025-05-03,Schnitzel,1,18.50\n");
    ASSERT_EQ(Run({"import", m_path, m_journal, "--dry-run", "--accept-exact", "--no-heading", "--date-col",
                   "1", "--item-col", "2", "--qty-col", "3", "--price-col", "4"}),
              0)
        << m_err.str();
    EXPECT_EQ(Json()["linesBooked"].toInt(), 2);
    EXPECT_DOUBLE_EQ(Json()["gross"].toDouble(), 30.5);

    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"--no-heading", "--date-col", "1", "--item-col", "2", "--qty-col", "9"},
             {"--no-heading", "--date-col", "x", "--item-col", "2", "--qty-col", "3"},
             {"--no-heading", "--date-col", "1", "--item-col", "2"}}) {
        std::vector<std::string> args = {"import", m_path, m_journal, "--dry-run"};
        args.insert(args.end(), wrong.begin(), wrong.end());
        EXPECT_EQ(Run(args), 2) << wrong[2];
        EXPECT_NE(m_err.str().find("Usage"), std::string::npos);
    }
}

TEST_F(CliImport, HeldFileOrUnreadableExportIsRefusedAndNothingWritten)
{
    const std::string before = Bytes(m_path);
    CPosixFileSystem files;
    const std::string lockFile = CDataFileNames(m_path).LockFile();
    CFileSystem::Handle lock = CFileSystem::kNoHandle;
    ASSERT_EQ(files.LockFile(lockFile, lock), 0);
    EXPECT_EQ(Run({"import", m_path, m_journal, "--accept-exact"}), 1);
    EXPECT_EQ(m_err.str(), "file is open in another program: " + m_path + "\n");
    files.UnlockFile(lockFile, lock);

    Write(m_journal, "Datum;Artikel;Menge\n03.05.2025;Pils;drei\n");
    EXPECT_EQ(Run({"import", m_path, m_journal, "--accept-exact"}), 1);
    EXPECT_FALSE(m_err.str().empty());
    EXPECT_EQ(Run({"import", m_path, m_dir.File("fehlt.zip")}), 1);
    EXPECT_FALSE(m_err.str().empty());
    // A folder is read as an unpacked export; this one has no index.xml.
    EXPECT_EQ(Run({"import", m_path, m_dir.File("")}), 1);
    EXPECT_NE(m_err.str().find("index.xml"), std::string::npos) << m_err.str();
    EXPECT_EQ(Bytes(m_path), before);
}

} // namespace
