#include "evaluation/MenuEngineeringView.h"

#include "CatalogueBuilder.h"
#include "SalesBuilder.h"
#include "controls/model/ListCtrlData.h"
#include "controls/model/MenuChart.h"
#include "evaluation/MenuEngineering.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>

namespace {

// Schnitzel 50 portions at a margin of 10, Suppe 40 at 4, Salat 10 at 6 in March 2025: margin
// threshold 720 / 100 = 7,20, popularity threshold 0,7 / 3 = 23,33 %.
class MenuEngineeringView : public testing::Test
{
protected:
    void SetUp() override
    {
        CStringTables::SetLanguage(CStringTables::German);
        data.NameGroup[0] = "Hauptgerichte";
        for (const auto& [name, portions, margin] :
             {std::tuple{"Schnitzel", 50.0, 10.0}, std::tuple{"Suppe", 40.0, 4.0},
              std::tuple{"Salat", 10.0, 6.0}}) {
            CRecipe& recipe = AddRecipe(data, name, 1.0, 0);
            AddSale(data, {0, portions, 1.0, margin + 1.0, margin + 1.0, CDateTime(2025, 3, 5), &recipe});
        }
        request.Start = CDateTime(2025, 1, 1);
        request.End = CDateTime(2025, 3, 31);
    }

    CData data;
    CMenuRequest request;
};

TEST_F(MenuEngineeringView, ChartPlacesDishesByShareAndMarginWithLabelledThresholds)
{
    CMenuChart chart;
    ::MenuEngineeringView::FillChart(data, CMenuAnalysis::Build(data, request), chart);
    EXPECT_EQ(chart.Title, "Men\xFC"
                           "analyse: Alle Speisen");
    EXPECT_EQ(chart.YTitle, "DB je Portion (EUR)");
    EXPECT_EQ(chart.XThresholdLabel, "Beliebtheitsschwelle 23,33 %");
    EXPECT_EQ(chart.YThresholdLabel, "\xD8 DB 7,20");
    EXPECT_TRUE(chart.EmptyText.empty());
    // The dishes earning most in total first: 500, 160, 60.
    const struct
    {
        const char* name;
        double x, y;
        int quadrant;
        std::uint32_t id;
    } expected[] = {{"Schnitzel", 50.0, 10.0, 0, 1}, {"Suppe", 40.0, 4.0, 1, 2}, {"Salat", 10.0, 6.0, 3, 3}};
    ASSERT_EQ(chart.Points.size(), 3u);
    for (std::size_t index = 0; index < 3; ++index) {
        const CMenuChartPoint& point = chart.Points[index];
        EXPECT_EQ(point.Label, expected[index].name);
        EXPECT_DOUBLE_EQ(point.X, expected[index].x);
        EXPECT_DOUBLE_EQ(point.Y, expected[index].y);
        EXPECT_EQ(point.Quadrant, expected[index].quadrant);
        EXPECT_EQ(point.Id, expected[index].id);
    }
    EXPECT_EQ(chart.Points[2].Details, "Salat\nLadenh\xFCter \x96 \xDC"
                                       "berarbeiten oder streichen\n"
                                       "Portionen: 10\nAnteil (%): 10,00\nDB je Portion: 6,00 EUR");
}

TEST_F(MenuEngineeringView, EmptyStatesSayWhatIsMissing)
{
    CMenuChart chart;
    request.End = CDateTime(2025, 2, 28);
    ::MenuEngineeringView::FillChart(data, CMenuAnalysis::Build(data, request), chart);
    EXPECT_EQ(chart.EmptyText, "Im gew\xE4hlten Zeitraum wurde aus dieser Auswahl nichts verkauft.");
    request.Selector = CData::SeriesAllDrinks;
    ::MenuEngineeringView::FillChart(data, CMenuAnalysis::Build(data, request), chart);
    EXPECT_EQ(chart.EmptyText, "Diese Auswahl enth\xE4lt kein Gericht.");
    EXPECT_TRUE(chart.Points.empty());
}

// Unsorted, the table lists the classes in order; a sort chosen by the user and a hidden
// column survive the next build.
TEST_F(MenuEngineeringView, TableKeepsItsLayoutAcrossBuilds)
{
    using namespace ::MenuEngineeringView;
    CListCtrlData table;
    FillTable(data, CMenuAnalysis::Build(data, request), table);
    const auto names = [&] {
        std::string text;
        for (std::size_t item = 0; item < table.GetItems().size(); ++item)
            text += table.GetItemRow(item)->FindCell(kNameColumn)->GetText() + ",";
        return text;
    };
    EXPECT_EQ(names(), "Schnitzel,Suppe,Salat,");
    EXPECT_EQ(table.GetItemRow(2)->FindCell(kClassColumn)->GetText(), "Ladenh\xFCter");
    EXPECT_EQ(table.GetItemRow(0)->FindCell(kMixColumn)->GetText(), "50,00");
    table.ClickHeader(kNameColumn);
    table.SetColumnVisible(kAdviceColumn, false);
    FillTable(data, CMenuAnalysis::Build(data, request), table);
    EXPECT_EQ(names(), "Salat,Schnitzel,Suppe,");
    EXPECT_FALSE(table.FindColumn(kAdviceColumn)->Visible);
}

} // namespace
