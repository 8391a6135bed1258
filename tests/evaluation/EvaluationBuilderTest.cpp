#include "evaluation/EvaluationBuilder.h"

#include "CatalogueBuilder.h"
#include "SalesBuilder.h"
#include "controls/model/ChartGraph.h"
#include "controls/model/ListCtrlData.h"
#include "evaluation/EvaluationAxis.h"
#include "evaluation/EvaluationTableText.h"
#include "resources/StringTables.h"

#include <climits>
#include <gtest/gtest.h>
#include <limits>

namespace {

// A catalogue with named groups 0 (Suppen), 1 (Salate), 10 (Bier) and 12 (Wein), and an
// evaluation of 2009 drawing "Alle" only.
class Evaluation : public testing::Test
{
protected:
    void SetUp() override
    {
        CStringTables::SetLanguage(CStringTables::German);
        data.NameGroup[0] = "Suppen";
        data.NameGroup[1] = "Salate";
        data.NameGroup[10] = "Bier";
        data.NameGroup[12] = "Wein";
        settings.Start = CDateTime(2009, 1, 1);
        settings.End = CDateTime(2009, 12, 31);
        settings.SeriesFlags[CData::SeriesAll] = true;
    }
    void Sell(int group, double net, const CDateTime& date, double cost = 0.0)
    {
        AddSale(data, {group, 1.0, cost, net, net * 1.19, date});
    }
    void Build() { CEvaluationBuilder(data).Build(settings, chart, table); }
    CEvaluationBuilder Builder()
    {
        CEvaluationBuilder builder(data);
        builder.Build(settings, chart, table);
        return builder;
    }
    const CListRow& Row(unsigned selector) const
    {
        for (const CListRow& row : table.GetRows()) {
            if (row.UserData == selector)
                return row;
        }
        throw std::runtime_error("no row");
    }
    std::string Cell(unsigned selector, int month) const
    {
        return Row(selector).FindCell(month + 2)->GetText();
    }
    double Value(unsigned selector, int month) const { return Row(selector).FindCell(month + 2)->Number; }
    int ChartValue(int month, int series) const { return chart.GetGroups().at(month).GetValue(series); }

    CData data;
    CEvaluationSettings settings;
    CChartGraph chart;
    CListCtrlData table;
};

TEST_F(Evaluation, WithoutSalesTheTableListsEverySeriesInKeyOrderAndTheBarsAreZero)
{
    Build();
    const auto& columns = table.GetColumns();
    ASSERT_EQ(columns.size(), 14u);
    EXPECT_EQ(columns[1].Header, "Name");
    EXPECT_EQ(columns[13].Header, "Dez.");
    EXPECT_EQ(columns[13].Format, EColumnFormat::Right);

    std::string shown;
    for (std::uint32_t id : table.GetItems()) {
        const CListRow& row = *table.FindRow(id);
        shown += row.FindCell(0)->GetText() + " " + row.FindCell(1)->GetText() + ";";
    }
    EXPECT_EQ(shown, "1 Alle;2 Alle Speisen;3 Alle Getr\xE4nke;4 Suppen;5 Salate;14 Bier;16 Wein;");
    EXPECT_EQ(Cell(CData::SeriesAll, 4), "0");
    EXPECT_EQ(ChartValue(4, 0), 0);
    EXPECT_EQ(chart.GetValueMaximum(), 2);
    EXPECT_EQ(chart.GetTitle(), "Umsatz netto");
    EXPECT_EQ(chart.GetValueTitle(), "EUR");
}

TEST_F(Evaluation, LargeValuesAreDrawnInThousandsWhileTheTableKeepsThem)
{
    Sell(0, 30000.0, CDateTime(2009, 3, 1));
    const CEvaluationBuilder builder = Builder();
    EXPECT_EQ(builder.GetDivisor(), 1000.0);
    EXPECT_EQ(chart.GetValueTitle(), "1000 EUR");
    EXPECT_EQ(ChartValue(2, 0), 30);
    EXPECT_EQ(Cell(CData::SeriesAll, 2), "30.000");
    EXPECT_EQ(chart.GetValueMaximum(), 32);

    data.Sales.Clear();
    Sell(0, 40e6, CDateTime(2009, 3, 1));
    EXPECT_EQ(Builder().GetDivisor(), 1e6);
    EXPECT_EQ(chart.GetValueTitle(), "1000000 EUR");
    EXPECT_EQ(ChartValue(2, 0), 40);
    EXPECT_EQ(Cell(CData::SeriesAll, 2), "40.000.000");
}

TEST_F(Evaluation, CostRatioShowsTwoDecimalsAndDrawsTruncated)
{
    settings.Measure = EMeasure::CostRatio;
    Sell(0, 3.0, CDateTime(2009, 5, 5), 1.0);
    Build();
    EXPECT_EQ(Cell(CData::SeriesAll, 4), "33,33");
    EXPECT_EQ(Cell(CData::SeriesAll, 5), "0,00");
    EXPECT_EQ(ChartValue(4, 0), 33);
    EXPECT_EQ(chart.GetTitle(), "Wareneinsatzquote");
    EXPECT_EQ(chart.GetValueTitle(), "Prozent");
}

TEST_F(Evaluation, RunningTotalsEqualTheSumOfTheMonths)
{
    const double nets[] = {12.5, 0.0, 7.25, 30.0, 1.0, 0.5};
    for (int month = 0; month < 6; ++month) {
        Sell(month % 2, nets[month], CDateTime(2009, month + 1, 10));
        Sell(10, nets[month] * 2, CDateTime(2009, month + 1, 28, 23, 59));
    }
    Sell(0, 1000.0, CDateTime(2008, 12, 31, 23, 59, 59)); // before the start: never counted
    Build();
    std::vector<double> monthly;
    for (int month = 0; month < 12; ++month)
        monthly.push_back(Value(CData::SeriesAll, month));
    settings.PerMonth = false;
    Build();
    double sum = 0.0;
    for (int month = 0; month < 12; ++month) {
        sum += monthly[month];
        EXPECT_EQ(Value(CData::SeriesAll, month), sum) << month;
    }
    EXPECT_EQ(Value(CData::SeriesAll, 11), 3 * (12.5 + 7.25 + 30.0 + 1.0 + 0.5));
}

TEST_F(Evaluation, AxisFollowsTheDrawnValues)
{
    struct Case
    {
        double smallest, largest;
        int minimum, maximum, step;
    };
    const Case cases[] = {
        {0, 37, 0, 38, 2},
        {120, 480, 100, 500, 100},
        {-57, 100, -50, 110, 10},
        {0, 2500, 0, 3000, 1000},
        {0, 24999, 0, 25000, 1000},
        // Wider spans take steps ten times as large, so that the axis keeps at most 26 ticks.
        {0, 25000, 0, 30000, 10000},
        {-3e6, 90, -3000000, 1000000, 1000000},
        {-1e12, 35, -2100000000, 100000000, 100000000}, // saturated at the 32-bit range
        {0, 3e9, 0, INT_MAX, 100000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.smallest << ".." << c.largest);
        CEvaluationAxis axis;
        axis.Include(c.largest);
        axis.Include((c.smallest + c.largest) / 2);
        axis.Include(c.smallest);
        EXPECT_EQ(axis.GetMinimum(), c.minimum);
        EXPECT_EQ(axis.GetMaximum(), c.maximum);
        EXPECT_EQ(axis.GetStep(), c.step);
    }
}

// A cost ratio over a net revenue just below zero is a huge negative percentage: the axis takes
// a few large steps instead of millions of small ones.
TEST_F(Evaluation, CostRatioOverATinyNegativeNetRevenueKeepsTheTicksFew)
{
    settings.Measure = EMeasure::CostRatio;
    Sell(0, 10.0, CDateTime(2009, 3, 3), 3.0);
    Sell(0, -10.000000001, CDateTime(2009, 3, 4));
    Sell(0, 10.0, CDateTime(2009, 4, 3), 3.0);
    Build();
    EXPECT_EQ(ChartValue(3, 0), 30);
    EXPECT_EQ(ChartValue(2, 0), INT_MIN);
    EXPECT_GE(chart.GetTickCount(), 2);
    EXPECT_LE(chart.GetTickCount(), 26);
    EXPECT_LE(chart.GetValueMinimum(), -2000000000);
    EXPECT_GE(chart.GetValueMaximum(), 30);
}

TEST_F(Evaluation, SeriesTakeSlotsWithAllDrinksBeforeTheFirstDrinkGroup)
{
    settings.SeriesFlags = {};
    for (unsigned selector : {12u, 0u, unsigned(CData::SeriesAllDrinks), unsigned(CData::SeriesAll), 3u})
        settings.SeriesFlags[selector] = true;
    Sell(12, 9.0, CDateTime(2009, 1, 3));
    const CEvaluationBuilder builder = Builder();
    EXPECT_EQ(builder.GetSeriesSlot(CData::SeriesAll), 0);
    EXPECT_EQ(builder.GetSeriesSlot(0), 1);
    EXPECT_EQ(builder.GetSeriesSlot(3), 2); // drawn although it has no name and no table row
    EXPECT_EQ(builder.GetSeriesSlot(CData::SeriesAllDrinks), 3);
    EXPECT_EQ(builder.GetSeriesSlot(12), 4);
    EXPECT_EQ(builder.GetSeriesSlot(CData::SeriesAllFood), -1);

    std::vector<std::string> names;
    for (const auto& entry : chart.GetLegend().GetEntries())
        names.push_back(entry.Name);
    EXPECT_EQ(names, (std::vector<std::string>{"Alle", "Suppen", "", "Alle Getr\xE4nke", "Wein"}));
    EXPECT_EQ(chart.GetSeriesCount(), 5);
    EXPECT_EQ(ChartValue(0, 3), 9);
    ASSERT_EQ(chart.GetColors().size(), 8u);
    EXPECT_EQ(chart.GetColor(4), CChartColor(4, 255, 226, 177));
    EXPECT_EQ(chart.GetColor(7), CChartColor(7, 192, 0, 0));
}

TEST_F(Evaluation, NoMoreThanEightSeriesAreDrawn)
{
    settings.SeriesFlags.fill(true);
    const CEvaluationBuilder builder = Builder();
    EXPECT_EQ(chart.GetSeriesCount(), 8);
    EXPECT_EQ(builder.GetSeriesSlot(5), 7);
    EXPECT_EQ(builder.GetSeriesSlot(6), -1);
}

TEST_F(Evaluation, EndMonthBeforeStartMonthEndsTheBuildWithoutMonths)
{
    Sell(0, 10.0, CDateTime(2009, 4, 3));
    settings.Start = CDateTime(2009, 5, 1);
    settings.End = CDateTime(2008, 4, 30);
    Build();
    EXPECT_EQ(chart.GetGroupCount(), 0);
    EXPECT_EQ(chart.GetLegend().GetCount(), 1);
    EXPECT_EQ(chart.GetValueMinimum(), 0);
    EXPECT_EQ(chart.GetValueMaximum(), 2);
    EXPECT_EQ(chart.GetTickStep(), 2);
    EXPECT_EQ(table.GetColumns().size(), 2u);
    EXPECT_EQ(table.GetItems().size(), 7u);
    EXPECT_EQ(Row(CData::SeriesAll).Cells.size(), 2u);
}

TEST_F(Evaluation, ValuesBeyondTheIntegerRangeSaturateAndTheBuildEnds)
{
    settings.Measure = EMeasure::ContributionMargin;
    Sell(0, std::numeric_limits<double>::infinity(), CDateTime(2009, 1, 3));
    Sell(1, 0.0, CDateTime(2009, 2, 3), 5e12);
    settings.SeriesFlags[0] = settings.SeriesFlags[1] = true;
    const CEvaluationBuilder builder = Builder();
    EXPECT_EQ(builder.GetDivisor(), 1.0); // an infinite maximum ends the divisor loop
    EXPECT_EQ(ChartValue(0, 1), INT_MAX);
    EXPECT_EQ(ChartValue(1, 2), INT_MIN);
    EXPECT_EQ(chart.GetValueMaximum(), INT_MAX);
    EXPECT_EQ(chart.GetValueMinimum(), -2000000000);
}

// The table shows what was sold, also beyond the 32-bit range of the chart's bars; so does its
// text for a spreadsheet.
TEST_F(Evaluation, TableShowsValuesBeyondTheIntegerRangeWhole)
{
    settings.Measure = EMeasure::ContributionMargin;
    Sell(1, 0.0, CDateTime(2009, 2, 3), 5e12);
    Sell(0, 3000000000.75, CDateTime(2009, 3, 3));
    Sell(0, -2147483648.5, CDateTime(2009, 4, 3));
    Build();
    EXPECT_EQ(Cell(1, 1), "-5.000.000.000.000");
    EXPECT_EQ(Cell(0, 2), "3.000.000.000");
    EXPECT_EQ(Cell(0, 3), "-2.147.483.648");
    EXPECT_EQ(Cell(CData::SeriesAll, 1), "-5.000.000.000.000");
    const std::string csv = CEvaluationTableText::ToCsv(table);
    EXPECT_NE(csv.find("Salate;0;-5.000.000.000.000;0;"), std::string::npos) << csv;
    EXPECT_NE(csv.find("Suppen;0;0;3.000.000.000;-2.147.483.648;"), std::string::npos) << csv;
}

} // namespace
