#include "TempDir.h"
#include "catalogue/Data.h"
#include "datafile/DataFile.h"
#include "cli/CliRunner.h"
#include "platform/StdFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <sstream>

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
        data.AddIngredient(onions);
        CIngredient apples(&data);
        apples.Name = "\xC4pfel";
        apples.Group = "Obst";
        data.AddIngredient(apples);

        CRecipe sauce(&data);
        sauce.Name = "Zwiebelsauce";
        sauce.NbPortion = 4.0;
        sauce.UseAsIngredient = 1;
        sauce.AddRecipeIngredient(nullptr, data.Ingredients.At(0), 1.0, 20.0);
        data.AddRecipe(sauce);
        CRecipe steak(&data);
        steak.Name = "Zwiebelrostbraten";
        steak.NameGroupIndex = 3;
        steak.PriceSell = 11.90;
        steak.AddRecipeIngredient(data.Recipes.At(0), nullptr, 2.0, 0.0);
        data.AddRecipe(steak);
        data.AddSaleFromRecipe(data.Recipes.At(1), 3, CDateTime(2009, 5, 19, 18, 30));
        CSale odd(&data);
        odd.Name = "Alt";
        odd.DateTime = CDateTime::MakeInvalid();
        data.AddSale(odd);

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

} // namespace
