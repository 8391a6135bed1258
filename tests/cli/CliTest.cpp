#include "FaultyFileSystem.h"
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
#include <sys/stat.h>

namespace {

// A small catalogue in a data file: two ingredients (one without supplier), a base recipe used
// by a dish, and two sales, one with an invalid date.
class KostenkochCli : public testing::Test
{
protected:
    void SetUp() override
    {
        CData data;
        data.SetDefaults();
        CIngredient onions(&data);
        onions.Name = "Zwiebeln";
        onions.Group = "Gem\xFCse";
        onions.Unit = "kg";
        onions.StockAmount = 2.0;
        onions.AddIngredientSupplier("Hof M\xFCller", 3.0, 2.0);
        onions.AddIngredientSupplier("Gro\xDF"
                                     "markt",
                                     1.0, 1.0);
        onions.SupplierInUse = onions.Suppliers.At(0);
        EXPECT_EQ(data.AddIngredient(onions), 1);
        CIngredient apples(&data);
        apples.Name = "\xC4pfel";
        apples.Group = "Obst";
        EXPECT_EQ(data.AddIngredient(apples), 1);

        CRecipe sauce(&data);
        sauce.Name = "Zwiebelsauce";
        sauce.NbPortion = 4.0;
        sauce.UseAsIngredient = 1;
        sauce.AddRecipeIngredient(nullptr, data.Ingredients.At(0), 1.0, 20.0);
        EXPECT_EQ(data.AddRecipe(sauce), 1);
        CRecipe steak(&data);
        steak.Name = "Zwiebelrostbraten";
        steak.NameGroupIndex = 3;
        steak.PriceSell = 11.90;
        steak.AddRecipeIngredient(data.Recipes.At(0), nullptr, 2.0, 0.0);
        EXPECT_EQ(data.AddRecipe(steak), 1);
        EXPECT_EQ(data.AddSaleFromRecipe(data.Recipes.At(1), 3, CDateTime(2009, 5, 19, 18, 30)), 1);
        CSale odd(&data);
        odd.Name = "Alt";
        odd.DateTime = CDateTime::MakeInvalid();
        EXPECT_EQ(data.AddSale(odd), 1);

        CStdFile file(m_path, CStdFile::CreateWrite);
        CDataFile().WriteToXML(data, file);
        file.Close();
    }

    int Run(std::vector<std::string> args)
    {
        m_out.str({});
        m_err.str({});
        return RunCli(args, m_out, m_err);
    }
    std::string Bytes(const std::string& path) const
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // The number of sales the file holds when it reads completely, else -1.
    int SalesIn(const std::string& path)
    {
        if (Run({"check", path}) != 0)
            return -1;
        return Json()["counts"].toObject()["sales"].toInt();
    }

    QJsonObject Json() const
    {
        return QJsonDocument::fromJson(QByteArray::fromStdString(m_out.str())).object();
    }

    CTempDir m_dir;
    std::string m_path = m_dir.File("KostenkochData.xml");
    std::ostringstream m_out, m_err;
};

TEST_F(KostenkochCli, ArgumentsAndExitStatus)
{
    EXPECT_EQ(Run({}), 0);
    EXPECT_NE(m_out.str().find("Usage: kostenkoch-cli"), std::string::npos);
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(m_out.str().find("book FILE OUT"), std::string::npos);

    for (const std::vector<std::string>& wrong :
         std::vector<std::vector<std::string>>{{"frobnicate", m_path},
                                               {"check"},
                                               {"check", m_path, "extra"},
                                               {"recipes", m_path, "--sort", "Name"},
                                               {"ingredients", m_path, "--sort"},
                                               {"ingredients", m_path, "--sort", "Preis"},
                                               {"book", m_path, m_dir.File("out.xml"), "--recipe", "X"}}) {
        EXPECT_EQ(Run(wrong), 2) << wrong[0];
        EXPECT_NE(m_err.str().find("Usage"), std::string::npos) << wrong[0];
        EXPECT_TRUE(m_out.str().empty()) << wrong[0];
    }

    const std::string missing = m_dir.File("fehlt.xml");
    EXPECT_EQ(Run({"check", missing}), 1);
    EXPECT_EQ(m_err.str(), "read file failed: " + missing + "\n");
}

TEST_F(KostenkochCli, CheckCountsTheCatalogue)
{
    ASSERT_EQ(Run({"check", m_path}), 0) << m_err.str();
    const QJsonObject json = Json();
    EXPECT_EQ(json["readResult"].toInt(), 0);
    EXPECT_TRUE(json["unchanged"].isBool());
    const QJsonObject counts = json["counts"].toObject();
    EXPECT_EQ(counts["ingredients"].toInt(), 2);
    EXPECT_EQ(counts["suppliers"].toInt(), 2);
    EXPECT_EQ(counts["recipes"].toInt(), 2);
    EXPECT_EQ(counts["lines"].toInt(), 2);
    EXPECT_EQ(counts["sales"].toInt(), 2);
    EXPECT_EQ(json["unresolvedLines"].toInt(), 0);
    EXPECT_EQ(json["salesWithoutRecipe"].toInt(), 1);
}

TEST_F(KostenkochCli, IngredientsInUtf8WithPricesAndSortOrder)
{
    ASSERT_EQ(Run({"ingredients", m_path}), 0) << m_err.str();
    QJsonArray rows = Json()["ingredients"].toArray();
    ASSERT_EQ(rows.size(), 2);
    const QJsonObject onions = rows[0].toObject();
    EXPECT_EQ(onions["group"].toString(), QString::fromUtf8("Gemüse"));
    EXPECT_EQ(onions["supplierInUse"].toString(), QString::fromUtf8("Hof Müller"));
    EXPECT_DOUBLE_EQ(onions["pricePerUnit"].toDouble(), 1.5);
    EXPECT_DOUBLE_EQ(onions["stockValue"].toDouble(), 3.0);
    EXPECT_EQ(onions["suppliers"].toArray().size(), 2);
    EXPECT_TRUE(rows[1].toObject()["supplierInUse"].isNull());
    EXPECT_DOUBLE_EQ(Json()["stockValue"].toDouble(), 4.0); // the apples without supplier count 1.00

    auto firstName = [this] { return Json()["ingredients"].toArray()[0].toObject()["name"].toString(); };
    ASSERT_EQ(Run({"ingredients", m_path, "--sort", "Name"}), 0);
    EXPECT_EQ(firstName(), QString::fromUtf8("Äpfel")); // APFEL before ZWIEBELN
    ASSERT_EQ(Run({"ingredients", m_path, "--sort", "Name", "--descending"}), 0);
    EXPECT_EQ(firstName(), QString::fromUtf8("Zwiebeln"));
    ASSERT_EQ(Run({"ingredients", m_path, "--sort", "Group|Name"}), 0);
    EXPECT_EQ(firstName(), QString::fromUtf8("Zwiebeln")); // GEMUSE before OBST
    ASSERT_EQ(Run({"ingredients", m_path, "--sort", "Group|Name", "--descending"}), 0);
    EXPECT_EQ(firstName(), QString::fromUtf8("Äpfel"));
}

TEST_F(KostenkochCli, CsvUsesTheProgramsNumberText)
{
    ASSERT_EQ(Run({"ingredients", m_path, "--csv"}), 0);
    const std::string csv = m_out.str();
    EXPECT_EQ(csv.substr(0, csv.find('\n')),
              "name;group;unit;stockActive;stockAmount;supplierInUse;price;amount;pricePerUnit;stockValue");
    EXPECT_NE(csv.find("\nZwiebeln;Gemüse;kg;1;2;Hof Müller;3;2;1,5;3\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\nÄpfel;Obst;;1;0;;0;1;0;1\n"), std::string::npos) << csv;
}

TEST_F(KostenkochCli, RecipesWithLinesAndFigures)
{
    ASSERT_EQ(Run({"recipes", m_path}), 0) << m_err.str();
    const QJsonArray rows = Json()["recipes"].toArray();
    ASSERT_EQ(rows.size(), 2);
    const QJsonObject steak = rows[1].toObject();
    EXPECT_EQ(steak["group"].toString(), "Fleischgerichte");
    EXPECT_DOUBLE_EQ(steak["priceBuy"].toDouble(), 0.9375); // 2 portions of 1.875 / 4
    EXPECT_DOUBLE_EQ(steak["priceSellNoTax"].toDouble(), 10.0);
    const QJsonObject line = steak["lines"].toArray()[0].toObject();
    EXPECT_EQ(line["subRecipe"].toString(), "Zwiebelsauce");
    EXPECT_TRUE(line["ingredient"].isNull());
    EXPECT_EQ(line["unit"].toString(), "Portionen");
    EXPECT_EQ(line["sortNum"].toInt(), 1);
}

TEST_F(KostenkochCli, SalesWithDates)
{
    ASSERT_EQ(Run({"sales", m_path}), 0) << m_err.str();
    const QJsonArray rows = Json()["sales"].toArray();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].toObject()["dateTime"].toString(), "2009-05-19T18:30");
    EXPECT_EQ(rows[0].toObject()["recipe"].toString(), "Zwiebelrostbraten");
    EXPECT_TRUE(rows[1].toObject()["dateTime"].isNull());
    EXPECT_TRUE(rows[1].toObject()["recipe"].isNull());
}

TEST_F(KostenkochCli, BookMergesIntoTheSameDayAndWrites)
{
    const std::string out = m_dir.File("gebucht.xml");
    ASSERT_EQ(Run({"book", m_path, out, "--recipe", "Zwiebelrostbraten", "--portions", "2", "--date",
                   "2009-05-19T12:00"}),
              0)
        << m_err.str();
    EXPECT_EQ(Json()["result"].toInt(), 1);
    ASSERT_EQ(Run({"sales", out}), 0);
    EXPECT_DOUBLE_EQ(Json()["sales"].toArray()[0].toObject()["nbPortion"].toDouble(), 5.0);

    EXPECT_EQ(
        Run({"book", m_path, out, "--recipe", "Gibt es nicht", "--portions", "1", "--date", "2009-05-19"}),
        2);
    EXPECT_EQ(Run({"book", m_path, out, "--recipe", "Zwiebelrostbraten", "--portions", "1", "--date",
                   "2009-02-30"}),
              2);
    EXPECT_EQ(Run({"book", m_path, out, "--recipe", "Zwiebelrostbraten", "--portions", "zwei", "--date",
                   "2009-05-19"}),
              2);
}

TEST_F(KostenkochCli, ResaveWritesAReadableCopy)
{
    const std::string out = m_dir.File("kopie.xml");
    ASSERT_EQ(Run({"resave", m_path, out}), 0) << m_err.str();
    EXPECT_TRUE(Json()["unchangedAfterRead"].isBool());
    ASSERT_EQ(Run({"check", out}), 0);
    EXPECT_EQ(Json()["counts"].toObject()["sales"].toInt(), 2);
    EXPECT_EQ(Run({"resave", m_path, m_dir.File("kein/verzeichnis.xml")}), 1);
    EXPECT_NE(m_err.str().find("write file failed"), std::string::npos);
}

TEST_F(KostenkochCli, EvaluateReportsTableAndChart)
{
    ASSERT_EQ(Run({"evaluate", m_path, "--measure", "0", "--start", "2009-05-01", "--end", "2009-06-30"}), 0)
        << m_err.str();
    const QJsonObject json = Json();
    EXPECT_EQ(json["title"].toString(), "Umsatz netto");
    EXPECT_EQ(json["valueTitle"].toString(), "EUR");
    EXPECT_DOUBLE_EQ(json["divisor"].toDouble(), 1.0);

    const QJsonObject table = json["table"].toObject();
    EXPECT_EQ(table["columns"].toArray(), (QJsonArray{"", "Name", "Mai", "Juni"}));
    const QJsonArray rows = table["rows"].toArray();
    ASSERT_GE(rows.size(), 4);
    EXPECT_EQ(rows[0].toObject()["name"].toString(), "Alle");
    EXPECT_EQ(rows[0].toObject()["cells"].toArray(), (QJsonArray{"30", "0"}));
    EXPECT_EQ(rows[2].toObject()["name"].toString(), QString::fromUtf8("Alle Getränke"));
    bool meatRow = false;
    for (const QJsonValue& row : rows) {
        if (row.toObject()["name"].toString() == "Fleischgerichte") {
            meatRow = true;
            EXPECT_DOUBLE_EQ(row.toObject()["values"].toArray()[0].toDouble(), 30.0);
        }
    }
    EXPECT_TRUE(meatRow);

    const QJsonObject chart = json["chart"].toObject();
    EXPECT_EQ(chart["series"].toArray().size(), 3);
    EXPECT_EQ(chart["series"].toArray()[0].toObject()["color"].toArray(), (QJsonArray{0, 192, 0}));
    const QJsonArray groups = chart["groups"].toArray();
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].toObject()["label"].toString(), "Mai");
    EXPECT_EQ(groups[0].toObject()["values"].toArray()[1].toArray(), (QJsonArray{1, 30}));
    EXPECT_EQ(chart["min"].toInt(), 0);
    EXPECT_EQ(chart["max"].toInt(), 32);
    EXPECT_EQ(chart["step"].toInt(), 2);

    ASSERT_EQ(Run({"evaluate", m_path, "--measure", "0", "--start", "2009-05-01", "--end", "2009-06-30",
                   "--series", "3", "--csv"}),
              0);
    EXPECT_EQ(m_out.str().substr(0, m_out.str().find('\n')), "Name;Mai;Juni");
    EXPECT_NE(m_out.str().find("\nFleischgerichte;30;0\n"), std::string::npos) << m_out.str();

    for (const char* series : {"23", "a", "", "1,,2"}) {
        EXPECT_EQ(Run({"evaluate", m_path, "--measure", "0", "--start", "2009-05-01", "--end", "2009-06-30",
                       "--series", series}),
                  2)
            << series;
    }
    EXPECT_EQ(Run({"evaluate", m_path, "--start", "2009-05-01", "--end", "2009-06-30"}), 2);
}

// Revenue beyond the 32-bit range reads as sold, in the JSON cells and in the CSV rows; the
// chart's axis keeps a few ticks.
TEST_F(KostenkochCli, EvaluateShowsRevenueBeyondTheIntegerRange)
{
    CData data;
    data.SetDefaults();
    CRecipe feast(&data);
    feast.Name = "Festbankett";
    feast.NameGroupIndex = 3;
    feast.PriceSell = 3000000000.0;
    EXPECT_EQ(data.AddRecipe(feast), 1);
    EXPECT_EQ(data.AddSaleFromRecipe(data.Recipes.At(0), 2, CDateTime(2009, 5, 19, 18, 30)), 1);
    const std::string path = m_dir.File("Bankett.xml");
    CStdFile file(path, CStdFile::CreateWrite);
    CDataFile().WriteToXML(data, file);
    file.Close();

    const std::vector<std::string> evaluate = {"evaluate", path,         "--measure", "1",
                                               "--start",  "2009-05-01", "--end",     "2009-06-30"};
    ASSERT_EQ(Run(evaluate), 0) << m_err.str();
    const QJsonObject json = Json();
    const QJsonArray rows = json["table"].toObject()["rows"].toArray();
    ASSERT_GE(rows.size(), 1);
    EXPECT_EQ(rows[0].toObject()["cells"].toArray(), (QJsonArray{"6.000.000.000", "0"}));
    EXPECT_LE(json["chart"].toObject()["tickCount"].toInt(), 26);

    std::vector<std::string> csv = evaluate;
    csv.insert(csv.end(), {"--series", "3", "--csv"});
    ASSERT_EQ(Run(csv), 0) << m_err.str();
    EXPECT_NE(m_out.str().find("\nFleischgerichte;6.000.000.000;0\n"), std::string::npos) << m_out.str();
}

TEST_F(KostenkochCli, VersionAndHelpComeFromTheParser)
{
    EXPECT_EQ(Run({"--version"}), 0);
    EXPECT_EQ(m_out.str(), "kostenkoch-cli 4.0\n");
    EXPECT_EQ(Run({"-h"}), 0);
    EXPECT_EQ(m_out.str().rfind("Usage: kostenkoch-cli [options] COMMAND ARGUMENTS\n", 0), 0u) << m_out.str();
    EXPECT_NE(m_out.str().find("--portions <P>"), std::string::npos);
    EXPECT_EQ(Run({"recipes", m_path, "--version"}), 2);
    EXPECT_EQ(Run({"check", "--sort=Name"}), 2);
}

// Every wrong or missing argument of book and evaluate is named, with exit status 2.
TEST_F(KostenkochCli, WrongArgumentsAreNamed)
{
    const std::string out = m_dir.File("out.xml");
    const std::vector<std::string> book = {"book", m_path, out, "--recipe", "Zwiebelrostbraten"};
    const std::vector<std::string> evaluate = {"evaluate", m_path, "--measure"};
    auto with = [](std::vector<std::string> args, std::initializer_list<std::string> more) {
        args.insert(args.end(), more);
        return args;
    };
    const struct
    {
        std::vector<std::string> Args;
        std::string Message;
    } cases[] = {
        {{"book", m_path, out}, "book needs --recipe NAME"},
        {book, "book needs --portions P"},
        {with(book, {"--portions", "2"}), "book needs --date DATE"},
        {with(book, {"--portions", "2", "--date", "2009-02-30"}), "invalid --date: 2009-02-30"},
        {with(book, {"--portions", "zwei", "--date", "2009-05-19"}), "invalid --portions: zwei"},
        {with(book, {"--portions", "0", "--date", "2009-05-19"}), "invalid --portions: 0"},
        {with(book, {"--portions", "-1.5", "--date", "2009-05-19"}), "invalid --portions: -1.5"},
        {with(book, {"--portions", "inf", "--date", "2009-05-19"}), "invalid --portions: inf"},
        {with(book, {"--portions", "nan", "--date", "2009-05-19"}), "invalid --portions: nan"},
        {with(evaluate, {"5", "--start", "2009-05-01", "--end", "2009-06-30"}), "invalid --measure: 5"},
        {with(evaluate, {"-1", "--start", "2009-05-01", "--end", "2009-06-30"}), "invalid --measure: -1"},
        {with(evaluate, {"0", "--start", "2009-05-01"}), "evaluate needs --end DATE"},
        {with(evaluate, {"0", "--start", "2009-13-01", "--end", "2009-06-30"}),
         "invalid --start: 2009-13-01"},
        {with(evaluate, {"0", "--start", "2009-05-01", "--end", "2009-04-30"}),
         "invalid --end: 2009-04-30 lies before --start 2009-05-01"},
        {with(evaluate, {"0", "--start", "1900-01-01", "--end", "9999-12-31"}),
         "invalid --end: 9999-12-31 lies more than 100 years after --start 1900-01-01"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.Args), 2) << c.Message;
        EXPECT_EQ(m_err.str().rfind(c.Message, 0), 0u) << m_err.str();
        EXPECT_NE(m_err.str().find("\n\nUsage: kostenkoch-cli"), std::string::npos) << c.Message;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_EQ(Run(with(evaluate, {"4", "--start", "2009-05-01", "--end", "2009-05-01"})), 0) << m_err.str();
    EXPECT_EQ(Run(with(evaluate, {"4", "--start", "1950-01-01", "--end", "2049-12-31"})), 0) << m_err.str();
}

// The costing check of the small catalogue: the apples have no supplier and no recipe uses
// them; the sauce has no group and no price, and is sold neither in the six months before the
// day given nor ever.
TEST_F(KostenkochCli, HealthListsTheFindingsErrorsFirst)
{
    ASSERT_EQ(Run({"health", m_path, "--today", "2009-08-01"}), 0) << m_err.str();
    QJsonObject json = Json();
    const QJsonObject counts = json["counts"].toObject();
    EXPECT_EQ(counts["errors"].toInt(), 0);
    EXPECT_EQ(counts["warnings"].toInt(), 3);
    EXPECT_EQ(counts["hints"].toInt(), 2);
    EXPECT_TRUE(json["message"].isNull());
    const struct
    {
        const char* Severity;
        const char* Fault;
        const char* Record;
        const char* Name;
    } expected[] = {
        {"warning", "noSupplierInUse", "ingredient", "\u00c4pfel"},
        {"warning", "noGroup", "recipe", "Zwiebelsauce"},
        {"warning", "noSellingPrice", "recipe", "Zwiebelsauce"},
        {"hint", "unusedIngredient", "ingredient", "\u00c4pfel"},
        {"hint", "notSoldLately", "recipe", "Zwiebelsauce"},
    };
    QJsonArray findings = json["findings"].toArray();
    ASSERT_EQ(findings.size(), std::size(expected));
    for (qsizetype index = 0; index < findings.size(); ++index) {
        const QJsonObject finding = findings[index].toObject();
        EXPECT_EQ(finding["severity"].toString(), expected[index].Severity) << index;
        EXPECT_EQ(finding["fault"].toString(), expected[index].Fault) << index;
        EXPECT_EQ(finding["record"].toString(), expected[index].Record) << index;
        EXPECT_EQ(finding["name"].toString(), QString::fromUtf8(expected[index].Name)) << index;
    }
    // One portion of the sauce: 1 kg at 1,50 after 20 % loss = 1,875 for 4 portions; without a
    // group neither VAT nor a target ratio raise it.
    const QJsonObject price = findings[2].toObject();
    EXPECT_DOUBLE_EQ(price["targetPrice"].toDouble(), 0.46875);
    EXPECT_TRUE(price["points"].isNull());
    EXPECT_EQ(price["advice"].toString(),
              QString::fromUtf8("Verkaufspreis eintragen; kalkuliert sind 0,47."));
    EXPECT_EQ(findings[4].toObject()["problem"].toString(),
              QString::fromUtf8("Seit dem 01.02.2009 nicht verkauft."));

    // Half a year later the steak's last sale lies outside the window too.
    ASSERT_EQ(Run({"health", m_path, "--today", "2010-01-01"}), 0) << m_err.str();
    findings = Json()["findings"].toArray();
    ASSERT_EQ(findings.size(), 6);
    EXPECT_EQ(findings[5].toObject()["name"].toString(), QString::fromUtf8("Zwiebelrostbraten"));

    EXPECT_EQ(Run({"health", m_path, "--today", "gestern"}), 2);
    EXPECT_EQ(m_err.str().rfind("invalid --today: gestern", 0), 0u) << m_err.str();
    EXPECT_EQ(Run({"health", m_path, "--csv"}), 2);

    // A catalogue without records has nothing to find, and says so.
    CData empty;
    empty.SetDefaults();
    const std::string clean = m_dir.File("Leer.xml");
    CStdFile file(clean, CStdFile::CreateWrite);
    CDataFile().WriteToXML(empty, file);
    file.Close();
    ASSERT_EQ(Run({"health", clean}), 0) << m_err.str();
    json = Json();
    EXPECT_TRUE(json["findings"].toArray().isEmpty());
    EXPECT_EQ(json["message"].toString(),
              QString::fromUtf8("Keine Befunde: Die Kalkulation ist vollst\u00e4ndig und stimmig."));
}

// A file whose two recipes use each other: the reader cuts the second link, and the check
// names the line it cut and the recipe it led to.
TEST_F(KostenkochCli, HealthNamesTheCycleTheReaderCut)
{
    CData data;
    data.SetDefaults();
    for (const char* name : {"Kreis A", "Kreis B"}) {
        CRecipe recipe(&data);
        recipe.Name = name;
        recipe.NameGroupIndex = 0;
        recipe.UseForSale = 0;
        ASSERT_EQ(data.AddRecipe(recipe), 1);
    }
    data.Recipes.At(0)->AddRecipeIngredient(data.Recipes.At(1), nullptr, 1.0, 0.0);
    data.Recipes.At(1)->AddRecipeIngredient(data.Recipes.At(0), nullptr, 1.0, 0.0);
    const std::string path = m_dir.File("Kreis.xml");
    CStdFile file(path, CStdFile::CreateWrite);
    CDataFile().WriteToXML(data, file);
    file.Close();

    ASSERT_EQ(Run({"health", path}), 0) << m_err.str();
    const QJsonArray findings = Json()["findings"].toArray();
    ASSERT_EQ(findings.size(), 1);
    const QJsonObject cut = findings[0].toObject();
    EXPECT_EQ(cut["fault"].toString(), QStringLiteral("droppedCycle"));
    EXPECT_EQ(cut["name"].toString(), QStringLiteral("Kreis B"));
    EXPECT_EQ(cut["problem"].toString(),
              QString::fromUtf8("Zeile 1: Unterrezeptur „Kreis A“ beim Lesen abgetrennt (Kreis); kostet 0."));
}

// A data file that a program holds open is not written; a FIFO is refused at once.
TEST_F(KostenkochCli, LockedOutputAndFifoInputAreRefused)
{
    CPosixFileSystem files;
    const std::string lockFile = CDataFileNames(m_path).LockFile();
    CFileSystem::Handle lock = CFileSystem::kNoHandle;
    ASSERT_EQ(files.LockFile(lockFile, lock), 0);
    const std::string before = Bytes(m_path);
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"resave", m_path, m_path},
                                               {"book", m_path, m_path, "--recipe", "Zwiebelrostbraten",
                                                "--portions", "1", "--date", "2009-05-20"}}) {
        EXPECT_EQ(Run(args), 1) << args[0];
        EXPECT_EQ(m_err.str(), "file is open in another program: " + m_path + "\n");
    }
    EXPECT_EQ(Bytes(m_path), before);
    files.UnlockFile(lockFile, lock);
    EXPECT_EQ(Run({"resave", m_path, m_path}), 0) << m_err.str();

    const std::string fifo = m_dir.File("rohr.xml");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Run({"check", fifo}), 1);
    EXPECT_EQ(m_err.str(), "read file failed: " + fifo + "\n");
}

// `resave F F` and `book F F` stopped at every call they make (a crash: nothing reaches the
// disk after it) leave F complete, with the old or the new text, and nothing beside it but
// at most the new file. This runs the commands as functions on the fault-injecting file system.
TEST_F(KostenkochCli, WritingInPlaceStoppedAtAnyStepLeavesTheFileComplete)
{
    const std::string original = Bytes(m_path);
    const std::vector<std::vector<std::string>> commands = {
        {"resave", m_path, m_path},
        {"book", m_path, m_path, "--recipe", "Zwiebelrostbraten", "--portions", "1", "--date", "2009-06-01"}};
    for (const auto& command : commands) {
        CPosixFileSystem real;
        CFaultyFileSystem counted(real);
        std::ostringstream out, err;
        ASSERT_EQ(RunCli(command, out, err, counted), 0) << err.str();
        const int calls = counted.TotalCalls();
        for (int call = 1; call <= calls; ++call) {
            std::ofstream(m_path, std::ios::binary | std::ios::trunc) << original;
            CFaultyFileSystem faulty(real);
            faulty.CrashAt(call);
            RunCli(command, out, err, faulty);
            const int sales = SalesIn(m_path);
            EXPECT_TRUE(sales == 2 || (command[0] == "book" && sales == 3))
                << command[0] << " crash at " << call;
        }
    }
}

// Onions +20 % (3,60 for 2 kg, 1,80/kg): the sauce needs 1,25 kg for 4 portions, 0,46875 ->
// 0,5625 a portion; the steak takes 2 portions: 0,9375 -> 1,125 of a net 10,00. The target
// price after is 1,125 / 30 % × 1,19 = 4,4625, up to 4,50 with ,50/,90 endings. The sauce (sold
// too, at 0,00) loses 0,09375 and comes second.
TEST_F(KostenkochCli, ImpactOfAPriceChangeLeavesTheFile)
{
    const std::string before = Bytes(m_path);
    for (const std::vector<std::string>& selection : std::vector<std::vector<std::string>>{
             {"--ingredient", "Zwiebeln"}, {"--group", "Gem\u00fcse"}, {"--supplier", "Hof M\u00fcller"}}) {
        std::vector<std::string> args{"impact", m_path, "--percent", "20", "--round", "endings"};
        args.insert(args.end(), selection.begin(), selection.end());
        ASSERT_EQ(Run(args), 0) << m_err.str();
        const QJsonObject json = Json();
        const QJsonArray changed = json["ingredients"].toArray();
        ASSERT_EQ(changed.size(), 1) << selection[0];
        EXPECT_DOUBLE_EQ(changed[0].toObject()["priceAfter"].toDouble(), 3.6);
        const QJsonArray recipes = json["recipes"].toArray();
        ASSERT_EQ(recipes.size(), 2) << selection[0];
        EXPECT_EQ(recipes[1].toObject()["name"].toString(), QStringLiteral("Zwiebelsauce"));
        EXPECT_NEAR(recipes[1].toObject()["marginLoss"].toDouble(), 0.09375, 1e-12);
        const QJsonObject steak = recipes[0].toObject();
        EXPECT_EQ(steak["name"].toString(), QStringLiteral("Zwiebelrostbraten"));
        EXPECT_NEAR(steak["before"].toObject()["priceBuyPerPortion"].toDouble(), 0.9375, 1e-12);
        EXPECT_NEAR(steak["after"].toObject()["priceBuyPerPortion"].toDouble(), 1.125, 1e-12);
        EXPECT_NEAR(steak["marginLoss"].toDouble(), 0.1875, 1e-12);
        EXPECT_NEAR(steak["after"].toObject()["priceSellCalculatedTax"].toDouble(), 4.4625, 1e-12);
        EXPECT_DOUBLE_EQ(steak["newPriceSell"].toDouble(), 4.5);
    }
    // The price it already has: nothing lost.
    ASSERT_EQ(Run({"impact", m_path, "--ingredient", "Zwiebeln", "--price", "3", "--all"}), 0);
    EXPECT_EQ(Json()["recipes"].toArray()[0].toObject()["marginLoss"].toDouble(), 0.0);
    EXPECT_EQ(Bytes(m_path), before);

    for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
             {"impact", m_path, "--percent", "5"},
             {"impact", m_path, "--group", "Obst", "--supplier", "X", "--percent", "5"},
             {"impact", m_path, "--group", "Obst"},
             {"impact", m_path, "--group", "Obst", "--percent", "-101"},
             {"impact", m_path, "--group", "Obst", "--price", "-1"},
             {"impact", m_path, "--group", "Obst", "--percent", "5", "--round", "euro"},
             {"impact", m_path, "--ingredient", "Zwiebeln", "--ingredient", "Lauch", "--percent", "5"}}) {
        EXPECT_EQ(Run(wrong), 2) << wrong[2];
        EXPECT_TRUE(m_out.str().empty());
    }
}

} // namespace
