#include "MenuEngineeringView.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "controls/model/ListCtrlData.h"
#include "controls/model/MenuChart.h"
#include "evaluation/EvaluationBuilder.h"
#include "evaluation/MenuEngineering.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

struct CClassColor
{
    std::uint8_t Red, Green, Blue;
};
// Star green, workhorse blue, puzzle orange, dog red.
constexpr CClassColor kClassColors[CMenuChart::kQuadrants] = {
    {0, 150, 0}, {0, 100, 210}, {230, 140, 0}, {200, 30, 30}};
constexpr EMenuClass kClasses[CMenuChart::kQuadrants] = {EMenuClass::Star, EMenuClass::Workhorse,
                                                         EMenuClass::Puzzle, EMenuClass::Dog};

int QuadrantOf(EMenuClass menuClass)
{
    return static_cast<int>(menuClass) - 1;
}

// Dish positions in the table's default order: by class, then the larger margin in total.
std::vector<std::size_t> RankOrder(const std::vector<CMenuDish>& dishes)
{
    std::vector<std::size_t> order(dishes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int classA = QuadrantOf(dishes[a].Class), classB = QuadrantOf(dishes[b].Class);
        return classA != classB ? classA < classB : dishes[a].MarginTotal > dishes[b].MarginTotal;
    });
    return order;
}

std::string Money(double value)
{
    return NumberText::Format(value, 2);
}

// Name, class with its advice, portions, share and margin: what a hover over a dot tells.
std::string Details(const CMenuDish& dish, const std::string& currency)
{
    std::string text = dish.Name;
    if (dish.Class != EMenuClass::None)
        text +=
            "\n" + CMenuAnalysis::ClassName(dish.Class) + " \x96 " + CMenuAnalysis::ClassAdvice(dish.Class);
    text += "\n" + CStringTables::Load(StringId::kMenuPortionsHeader) + ": " +
            NumberText::Format(dish.Portions, -2);
    text += "\n" + CStringTables::Load(StringId::kMenuMixHeader) + ": " +
            NumberText::Format(dish.MenuMix * 100.0, 2);
    text +=
        "\n" + CStringTables::Load(StringId::kMenuMarginHeader) + ": " + Money(dish.Margin) + " " + currency;
    return text;
}

void SetChartTexts(const CData& data, const CMenuAnalysis& analysis, CMenuChart& chart)
{
    chart.Title = MenuEngineeringView::Title(data, analysis);
    chart.XTitle = CStringTables::Load(StringId::kMenuMixTitle);
    chart.YTitle = CStringTables::Load(StringId::kMenuMarginHeader) + " (" + data.CurrencyUnit + ")";
    chart.XThreshold = analysis.GetPopularityThreshold() * 100.0;
    chart.YThreshold = analysis.GetMarginThreshold();
    chart.XThresholdLabel =
        CStringTables::Load(StringId::kMenuPopularityLine) + " " + Money(chart.XThreshold) + " %";
    chart.YThresholdLabel = CStringTables::Load(StringId::kMenuMarginLine) + " " + Money(chart.YThreshold);
    for (int quadrant = 0; quadrant < CMenuChart::kQuadrants; ++quadrant) {
        const CClassColor& color = kClassColors[quadrant];
        chart.QuadrantLabels[quadrant] = CMenuAnalysis::ClassName(kClasses[quadrant]);
        chart.QuadrantColors[quadrant] = CChartColor(quadrant, color.Red, color.Green, color.Blue);
    }
}

} // namespace

void MenuEngineeringView::SetUpColumns(CListCtrlData& table)
{
    table.Reset();
    table.InsertColumn(kKeyColumn, "", EColumnFormat::Right, 20);
    table.InsertColumnById(kNameColumn, StringId::kNameHeader, EColumnFormat::Left, 190);
    table.InsertColumnById(kGroupColumn, StringId::kGroupHeader, EColumnFormat::Left, 130);
    table.InsertColumnById(kPortionsColumn, StringId::kMenuPortionsHeader, EColumnFormat::Right, 80);
    table.InsertColumnById(kMixColumn, StringId::kMenuMixHeader, EColumnFormat::Right, 80);
    table.InsertColumnById(kNetPriceColumn, StringId::kMenuNetPriceHeader, EColumnFormat::Right, 135);
    table.InsertColumnById(kCostColumn, StringId::kMenuCostHeader, EColumnFormat::Right, 105);
    table.InsertColumnById(kMarginColumn, StringId::kMenuMarginHeader, EColumnFormat::Right, 105);
    table.InsertColumnById(kMarginTotalColumn, StringId::kMenuMarginTotalHeader, EColumnFormat::Right, 95);
    table.InsertColumnById(kCostRatioColumn, StringId::kCostRatioHeader, EColumnFormat::Right, 105);
    table.InsertColumnById(kClassColumn, StringId::kMenuClassHeader, EColumnFormat::Left, 90);
    table.InsertColumnById(kAdviceColumn, StringId::kMenuAdviceHeader, EColumnFormat::Left, 240);
}

namespace {

void AddRow(const CData& data, const CMenuDish& dish, std::size_t position, std::size_t rank,
            CListCtrlData& table)
{
    using namespace MenuEngineeringView;
    const std::uint32_t row = table.AddRow(static_cast<std::uint32_t>(position + 1));
    table.SetCellNumber(row, kKeyColumn, static_cast<double>(rank + 1), ECellType::Truncated);
    table.SetCellText(row, kNameColumn, dish.Name);
    table.SetCellText(row, kGroupColumn, data.GetGroupName(dish.Group));
    table.SetCellNumber(row, kPortionsColumn, dish.Portions, ECellType::General);
    table.SetCellNumber(row, kMixColumn, dish.MenuMix * 100.0, ECellType::TwoDecimals);
    table.SetCellNumber(row, kNetPriceColumn, dish.NetPrice, ECellType::TwoDecimals);
    table.SetCellNumber(row, kCostColumn, dish.Cost, ECellType::TwoDecimals);
    table.SetCellNumber(row, kMarginColumn, dish.Margin, ECellType::TwoDecimals);
    table.SetCellNumber(row, kMarginTotalColumn, dish.MarginTotal, ECellType::TwoDecimals);
    table.SetCellNumber(row, kCostRatioColumn, dish.CostRatio, ECellType::TwoDecimals);
    table.SetCellText(row, kClassColumn, CMenuAnalysis::ClassName(dish.Class));
    table.SetCellText(row, kAdviceColumn, CMenuAnalysis::ClassAdvice(dish.Class));
}

} // namespace

std::string MenuEngineeringView::Title(const CData& data, const CMenuAnalysis& analysis)
{
    return CStringTables::Load(StringId::kMenuAnalysisTitle) + ": " +
           CEvaluationBuilder::DisplayName(data, analysis.GetRequest().Selector);
}

void MenuEngineeringView::FillChart(const CData& data, const CMenuAnalysis& analysis, CMenuChart& chart)
{
    chart = CMenuChart();
    SetChartTexts(data, analysis, chart);
    const std::vector<CMenuDish>& dishes = analysis.GetDishes();
    if (dishes.empty() || !analysis.HasSales()) {
        chart.EmptyText =
            CStringTables::Load(dishes.empty() ? StringId::kMenuNoDishes : StringId::kMenuNoSales);
        return;
    }
    // The dishes that earn most come first and keep their names when names would collide.
    std::vector<std::size_t> order(dishes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return dishes[a].MarginTotal > dishes[b].MarginTotal;
    });
    chart.Points.reserve(dishes.size());
    for (std::size_t position : order) {
        const CMenuDish& dish = dishes[position];
        chart.Points.push_back({dish.MenuMix * 100.0, dish.Margin, QuadrantOf(dish.Class), dish.Name,
                                Details(dish, data.CurrencyUnit), static_cast<std::uint32_t>(position + 1)});
    }
}

void MenuEngineeringView::FillTable(const CData& data, const CMenuAnalysis& analysis, CListCtrlData& table)
{
    if (table.GetColumns().size() == kAdviceColumn + 1)
        table.DeleteAllRows();
    else
        SetUpColumns(table);
    const std::vector<CMenuDish>& dishes = analysis.GetDishes();
    const std::vector<std::size_t> order = RankOrder(dishes);
    std::vector<std::size_t> rank(dishes.size());
    for (std::size_t place = 0; place < order.size(); ++place)
        rank[order[place]] = place;
    for (std::size_t position = 0; position < dishes.size(); ++position)
        AddRow(data, dishes[position], position, rank[position], table);
    table.Fill();
    table.Sort();
}
