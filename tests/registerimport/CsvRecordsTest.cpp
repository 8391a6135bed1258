#include "registerimport/CsvRecords.h"

#include <gtest/gtest.h>

namespace {

// Every record of the text, its fields joined with "|", records with "/".
std::string Records(std::string_view text, char delimiter, CCsvRecords::EResult* last = nullptr)
{
    CCsvRecords records(text, delimiter);
    std::vector<std::string_view> fields;
    std::string joined;
    CCsvRecords::EResult result;
    while ((result = records.Next(fields)) == CCsvRecords::Record) {
        for (std::size_t i = 0; i < fields.size(); ++i)
            joined += (i > 0 ? "|" : "") + std::string(fields[i]);
        joined += "/";
    }
    if (last)
        *last = result;
    return joined;
}

TEST(CCsvRecords, SplitsFieldsAndRecords)
{
    const struct
    {
        const char* Text;
        char Delimiter;
        const char* Expected;
    } cases[] = {
        {"a;b;c\n1;2;3\n", ';', "a|b|c/1|2|3/"},
        {"a;b\r\n1;2", ';', "a|b/1|2/"},
        {"a;b\r1;2\r", ';', "a|b/1|2/"},
        {"a,b\n", ',', "a|b/"},
        {"a\tb\n", '\t', "a|b/"},
        {";;\n", ';', "||/"},
        {"\"x;y\";z\n", ';', "x;y|z/"},
        {"\"say \"\"hi\"\"\";2\n", ';', "say \"hi\"|2/"},
        {"\"two\nlines\";2\nnext;3\n", ';', "two\nlines|2/next|3/"},
        {"\"\";1\n", ';', "|1/"},
        {"a\"b;c\n", ';', "a\"b|c/"},
        {"\"q\"tail;c\n", ';', "qtail|c/"},
        {"a;b\n\n1;2\n", ';', "a|b//1|2/"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Records(c.Text, c.Delimiter), c.Expected) << c.Text;
}

TEST(CCsvRecords, ReportsAQuoteNeverClosedWithTheLineItStarted)
{
    CCsvRecords records("a;b\n1;\"open\nstill open\n", ';');
    std::vector<std::string_view> fields;
    ASSERT_EQ(records.Next(fields), CCsvRecords::Record);
    EXPECT_EQ(records.Next(fields), CCsvRecords::UnclosedQuote);
    EXPECT_EQ(records.GetLine(), 2u);
}

TEST(CCsvRecords, CountsLinesInsideQuotedFields)
{
    CCsvRecords records("\"a\nb\nc\";1\nx;2\n", ';');
    std::vector<std::string_view> fields;
    ASSERT_EQ(records.Next(fields), CCsvRecords::Record);
    EXPECT_EQ(records.GetLine(), 1u);
    ASSERT_EQ(records.Next(fields), CCsvRecords::Record);
    EXPECT_EQ(records.GetLine(), 4u);
    EXPECT_EQ(fields[0], "x");
}

} // namespace
