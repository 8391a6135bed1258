#include "TempDir.h"
#include "catalogue/Data.h"
#include "cli/CliRunner.h"
#include "datafile/DataFile.h"
#include "platform/StdFile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// Main courses (group 0) and a beer (group 10), no VAT, sold in March 2025: Schnitzel 50 at
// 15,00 - 5,00, Suppe 40 at 5,00 - 1,00, Salat 10 at 8,00 - 2,00; Pils 80 at 3,00 - 1,00.
// Today Salat sells at 20,00 and costs nothing (no lines).
class CliMenu : public testing::Test
{
protected:
    void SetUp() override
    {
        CData data;
        data.SetDefaults();
        data.Taxes.fill(0.0);
        data.NameGroup[0] = "Hauptgerichte";
        data.NameGroup[10] = "Bier";
        Sell(data, "Schnitzel", 0, 15.0, 50, 15.0, 5.0);
        Sell(data, "Suppe", 0, 5.0, 40, 5.0, 1.0);
        Sell(data, "Salat", 0, 20.0, 10, 8.0, 2.0);
        Sell(data, "Pils", 10, 3.0, 80, 3.0, 1.0);
        CStdFile file(m_path, CStdFile::CreateWrite);
        CDataFile().WriteToXML(data, file);
        file.Close();
    }
    static void Sell(CData& data, const char* name, int group, double price, double portions, double net,
                     double cost)
    {
        CRecipe recipe(&data);
        recipe.Name = name;
        recipe.NameGroupIndex = group;
        recipe.PriceSell = price;
        ASSERT_EQ(data.AddRecipe(recipe), 1);
        CSale sale(&data);
        sale.Name = name;
        sale.NameGroupIndex = group;
        sale.NbPortion = portions;
        sale.PriceSellPerPortionNoTax = net;
        sale.PriceSellPerPortionTax = net;
        sale.PriceBuyPerPortion = cost;
        sale.DateTime = CDateTime(2025, 3, 12, 19, 0, 0);
        sale.Recipe = data.Recipes.At(data.Recipes.Count() - 1);
        ASSERT_EQ(data.AddSale(sale), 1);
    }
    int Run(std::vector<std::string> args)
    {
        m_out.str({});
        m_err.str({});
        args.insert(args.begin(), {"menu", m_path, "--start", "2025-01-01", "--end", "2025-03-31"});
        return RunCli(args, m_out, m_err);
    }
    QJsonObject Json() const
    {
        return QJsonDocument::fromJson(QByteArray::fromStdString(m_out.str())).object();
    }
    QStringList Classes() const
    {
        QStringList classes;
        for (const QJsonValue& dish : Json()["dishes"].toArray())
            classes << dish.toObject()["name"].toString() + "=" + dish.toObject()["class"].toString();
        return classes;
    }

    CTempDir m_dir;
    std::string m_path = m_dir.File("KostenkochData.xml");
    std::ostringstream m_out, m_err;
};

// Booked: margins 10, 4, 6 over 100 portions, 720 in total: threshold 7,20; shares 0,5, 0,4,
// 0,1 against 0,7 / 3. Today's prices: margins 15, 5, 20, 750 + 200 + 200 = 1150: threshold
// 11,50, and Salat (0,1, 20,00) turns from dog to puzzle.
TEST_F(CliMenu, ReportsDishesClassesAndThresholds)
{
    ASSERT_EQ(Run({}), 0) << m_err.str();
    const QJsonObject json = Json();
    EXPECT_EQ(json["title"].toString(), QStringLiteral("Menüanalyse: Alle Speisen"));
    EXPECT_EQ(json["prices"].toString(), "booked");
    EXPECT_TRUE(json["hasSales"].toBool());
    EXPECT_DOUBLE_EQ(json["marginThreshold"].toDouble(), 7.2);
    EXPECT_DOUBLE_EQ(json["popularityThreshold"].toDouble(), 0.7 / 3.0);
    EXPECT_DOUBLE_EQ(json["totalMargin"].toDouble(), 720.0);
    EXPECT_EQ(Classes(), (QStringList{"Schnitzel=star", "Suppe=workhorse", "Salat=dog"}));
    const QJsonObject salat = json["dishes"].toArray()[2].toObject();
    EXPECT_DOUBLE_EQ(salat["menuMix"].toDouble(), 0.1);
    EXPECT_DOUBLE_EQ(salat["costRatio"].toDouble(), 25.0);
    EXPECT_EQ(salat["className"].toString(), QStringLiteral("Ladenhüter"));
    EXPECT_EQ(salat["group"].toString(), "Hauptgerichte");

    ASSERT_EQ(Run({"--prices", "current"}), 0) << m_err.str();
    EXPECT_DOUBLE_EQ(Json()["marginThreshold"].toDouble(), 11.5);
    EXPECT_EQ(Classes(), (QStringList{"Schnitzel=star", "Suppe=workhorse", "Salat=puzzle"}));

    for (const auto& selection :
         {std::vector<std::string>{"--drinks"}, std::vector<std::string>{"--group", "10"}}) {
        ASSERT_EQ(Run(selection), 0) << m_err.str();
        EXPECT_EQ(Classes(), (QStringList{"Pils=star"}));
    }
}

TEST_F(CliMenu, CsvRowsUseTheProgramsNumberText)
{
    ASSERT_EQ(Run({"--csv"}), 0) << m_err.str();
    std::istringstream lines(m_out.str());
    std::string header, first;
    std::getline(lines, header);
    std::getline(lines, first);
    EXPECT_EQ(header,
              "name;group;portions;menuMix;netPrice;cost;margin;marginTotal;costRatio;className;advice");
    EXPECT_EQ(first,
              "Schnitzel;Hauptgerichte;50;0,5;15;5;10;500;33,3333333333333;Star;Halten und hervorheben");
}

TEST_F(CliMenu, EmptyPeriodAndWrongArgumentsAreTold)
{
    m_out.str({});
    ASSERT_EQ(RunCli({"menu", m_path, "--start", "2024-01-01", "--end", "2024-12-31"}, m_out, m_err), 0);
    EXPECT_FALSE(Json()["hasSales"].toBool());
    EXPECT_EQ(Json()["marginThreshold"].toDouble(), 0.0);
    EXPECT_TRUE(Json()["dishes"].toArray()[0].toObject()["class"].isNull());

    const struct
    {
        std::vector<std::string> Args;
        std::string Message;
    } cases[] = {
        {{"--group", "20"}, "invalid --group: 20"},
        {{"--group", "x"}, "invalid --group: x"},
        {{"--group", "1", "--drinks"}, "menu takes one of --group N, --food, --drinks"},
        {{"--food", "--drinks"}, "menu takes one of --group N, --food, --drinks"},
        {{"--prices", "heute"}, "invalid --prices: heute"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Run(c.Args), 2) << c.Message;
        EXPECT_EQ(m_err.str().rfind(c.Message, 0), 0u) << m_err.str();
    }
    m_err.str({});
    EXPECT_EQ(RunCli({"menu", m_path, "--start", "2025-01-01"}, m_out, m_err), 2);
    EXPECT_EQ(m_err.str().rfind("menu needs --end DATE", 0), 0u) << m_err.str();
    m_err.str({});
    EXPECT_EQ(RunCli({"menu", m_path, "--start", "2025-01-01", "--end", "2024-01-01"}, m_out, m_err), 2);
    EXPECT_EQ(m_err.str().rfind("invalid --end: 2024-01-01", 0), 0u) << m_err.str();
}

} // namespace
