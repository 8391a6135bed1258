#include "evaluation/EvaluationTableText.h"

#include "controls/model/ListCtrlData.h"

#include <gtest/gtest.h>

namespace {

TEST(EvaluationTableText, ShownColumnsAndRowsAsSemicolonSeparatedGermanNumbers)
{
    CListCtrlData table;
    table.InsertColumn(0, "", EColumnFormat::Right, 20);
    table.InsertColumn(1, "Name", EColumnFormat::Left, 130);
    table.InsertColumn(2, "Jan. 09", EColumnFormat::Right, 60);
    table.InsertColumn(3, "Feb. 09", EColumnFormat::Right, 60);
    table.InsertColumn(4, "M\xE4rz 09", EColumnFormat::Right, 60);
    const struct
    {
        double Key;
        const char* Name;
        double Values[3];
    } rows[] = {
        {14.0, "Bier; hell", {1234567.9, -12.5, 0.0}},
        {1.0, "Alle", {2500.0, 33.333, 7.0}},
        {4.0, "S\xFC\xDF \"extra\"", {0.4, 1000.0, 12.0}},
    };
    for (const auto& row : rows) {
        const std::uint32_t id = table.AddRow(0);
        table.SetCellNumber(id, 0, row.Key, ECellType::Truncated);
        table.SetCellText(id, 1, row.Name);
        for (int month = 0; month < 3; ++month)
            table.SetCellNumber(id, month + 2, row.Values[month],
                                month == 1 ? ECellType::TwoDecimals : ECellType::Truncated);
    }
    table.SetColumnVisible(3, false);
    table.SetDisplayOrder({0, 4, 1, 2, 3});
    table.Fill();
    table.Sort();
    EXPECT_EQ(CEvaluationTableText::ToCsv(table), "M\xE4rz 09;Name;Jan. 09\r\n"
                                                  "7;Alle;2.500\r\n"
                                                  "12;\"S\xFC\xDF \"\"extra\"\"\";0\r\n"
                                                  "0;\"Bier; hell\";1.234.567\r\n");
}

TEST(EvaluationTableText, AnEmptyTableGivesAnEmptyHeader)
{
    EXPECT_EQ(CEvaluationTableText::ToCsv(CListCtrlData()), "\r\n");
    EXPECT_EQ(CEvaluationTableText::CsvField("a\nb"), "\"a\nb\"");
    EXPECT_EQ(CEvaluationTableText::CsvField("plain"), "plain");
}

} // namespace
