#include "cli/JsonValue.h"

#include "cli/JsonObject.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <sstream>

// The reports used to be written by the toolkit's JSON document; scripts that read them may
// compare texts, so the cli's own writer must give the very same bytes. These tests hold both
// writers side by side.
namespace {

std::string ToolkitText(const QJsonArray& array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString();
}

std::string ToolkitText(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

// Values at every boundary between the fixed and the exponent form, both signs, the extremes,
// and random values of every magnitude with few and with many digits.
std::vector<double> Numbers()
{
    std::vector<double> numbers = {0.0,
                                   -0.0,
                                   1.0,
                                   2.5,
                                   0.1,
                                   1.0 / 3,
                                   1e-4,
                                   1.2e-4,
                                   1e-3,
                                   1e-5,
                                   1.5e-5,
                                   1e5,
                                   1.2e5,
                                   3e5,
                                   3.5e5,
                                   1e6,
                                   1.25e7,
                                   1.2e7,
                                   1e15,
                                   1e16,
                                   1e17,
                                   1e20,
                                   1e21,
                                   1e100,
                                   5e-324,
                                   2.2250738585072014e-308,
                                   std::numeric_limits<double>::max(),
                                   9007199254740993.0,
                                   123456789012345678.0,
                                   0.000123,
                                   12345.678};
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<int> exponent(-40, 40), digits(1, 17);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int i = 0; i < 4000; ++i) {
        const double scale = std::pow(10.0, exponent(random));
        // Rounded to a few significant digits now and then, as prices and amounts are.
        const double rounding = std::pow(10.0, digits(random) - 1);
        const double value = std::round(mantissa(random) * rounding) / rounding * scale;
        numbers.push_back(i % 2 ? value : -value);
    }
    return numbers;
}

TEST(JsonValue, NumbersAreWrittenAsTheToolkitWroteThem)
{
    QJsonArray theirs;
    CJsonArray ours;
    for (const double number : Numbers()) {
        theirs.append(number);
        ours.push_back(number);
    }
    for (const double special : {std::numeric_limits<double>::infinity(), std::nan("")}) {
        theirs.append(special);
        ours.push_back(special);
    }
    for (const long long integer : {0LL, -1LL, 2147483647LL, -2147483648LL, 1LL << 60}) {
        theirs.append(integer);
        ours.push_back(integer);
    }
    EXPECT_EQ(CJsonValue(ours).ToText(), ToolkitText(theirs));
}

TEST(JsonValue, TextsAreEscapedAsTheToolkitEscapedThem)
{
    std::string every;
    for (int c = 1; c < 128; ++c)
        every += static_cast<char>(c);
    const std::vector<std::string> texts = {"", every, "Gem\xC3\xBCse \xE2\x82\xAC \xF0\x9F\x8D\xB2",
                                            "\"Quoted\" \\ back/slash", "line\r\nbreak\ttab"};
    QJsonArray theirs;
    CJsonArray ours;
    for (const std::string& text : texts) {
        theirs.append(QString::fromStdString(text));
        ours.push_back(text);
    }
    EXPECT_EQ(CJsonValue(ours).ToText(), ToolkitText(theirs));
}

// Members in key order whatever the order of insertion, a repeated key replacing its value
// (in a list of members too),
// empty containers on two lines, and nesting indented by four spaces a level.
TEST(JsonValue, NestingAndKeyOrderAsTheToolkitWroteThem)
{
    const QJsonObject theirs{{"name", "Zwiebeln"},
                             {"amount", 1.5},
                             {"Amount", 2},
                             {"nothing", QJsonValue()},
                             {"empty", QJsonArray{}},
                             {"emptyObject", QJsonObject{}},
                             {"flag", true},
                             {"off", false},
                             {"twice", 1},
                             {"twice", 2},
                             {"lines", QJsonArray{QJsonObject{{"z", 1}, {"a", QJsonArray{1, QJsonArray{}}}},
                                                  QJsonArray{QJsonObject{}}, "x"}}};
    CJsonObject ours{{"twice", 1},  {"name", "Zwiebeln"}, {"amount", 1.0},
                     {"Amount", 2}, {"nothing", nullptr}, {"twice", 2}};
    ours.Insert("amount", 1.5);
    ours.Insert("empty", CJsonArray{});
    ours.Insert("emptyObject", CJsonObject{});
    ours.Insert("flag", true);
    ours.Insert("off", false);
    ours.Insert("lines", CJsonArray{CJsonObject{{"z", 1}, {"a", CJsonArray{1, CJsonArray{}}}},
                                    CJsonArray{CJsonObject{}}, "x"});
    EXPECT_EQ(CJsonValue(ours).ToText(), ToolkitText(theirs));
    EXPECT_EQ(CJsonValue(CJsonObject{}).ToText(), ToolkitText(QJsonObject{}));
}

// Written to a stream in parts, a large report gives the same text.
TEST(JsonValue, StreamedTextIsTheWholeText)
{
    CJsonArray rows;
    for (int i = 0; i < 3000; ++i)
        rows.push_back(
            CJsonObject{{"name", "Zeile " + std::to_string(i)}, {"values", CJsonArray{i, i * 0.5, "x"}}});
    const CJsonValue report(CJsonObject{{"rows", rows}, {"count", 3000}});
    std::ostringstream stream;
    report.WriteTo(stream);
    EXPECT_GT(stream.str().size(), 200000u);
    EXPECT_EQ(stream.str(), report.ToText());
}

// Rows written as they are made give the text of the object holding them, wherever their key
// falls among the other members, also when there are none or it replaces one.
TEST(JsonValue, RowsWrittenOneByOneGiveTheWholeObject)
{
    for (const int count : {0, 1, 2500}) {
        CJsonArray all;
        for (int i = 0; i < count; ++i)
            all.push_back(
                CJsonObject{{"name", "Zeile " + std::to_string(i)}, {"lines", CJsonArray{i, CJsonArray{}}}});
        const CJsonRowSource rows = [&all](const CJsonRowSink& sink) {
            for (const CJsonValue& row : all)
                sink(row);
        };
        for (const char* key : {"a", "m", "z", "stockValue"}) {
            for (const CJsonObject& extra : {CJsonObject{}, CJsonObject{{"stockValue", 12.5}},
                                             CJsonObject{{"b", 1}, {"y", CJsonArray{}}}}) {
                CJsonObject whole = extra;
                whole.Insert(key, all);
                std::ostringstream stream;
                extra.WriteWithRows(stream, key, rows);
                EXPECT_EQ(stream.str(), CJsonValue(whole).ToText()) << key << " " << count;
            }
        }
    }
}

TEST(JsonValue, MembersAreFoundByKey)
{
    const CJsonValue row(CJsonObject{{"b", 2}, {"a", "x"}, {"c", 2.5}});
    EXPECT_EQ(row.Member("a").ToString(), "x");
    EXPECT_EQ(row.Member("b").ToDouble(), 2.0);
    EXPECT_EQ(row.Member("c").ToDouble(), 2.5);
    EXPECT_EQ(row.Member("d").Type(), CJsonValue::EType::Null);
    EXPECT_EQ(CJsonValue(3).Member("a").Type(), CJsonValue::EType::Null);
}

} // namespace
