#pragma once

#include <string>

class CData;
class CListCtrlData;
class CMenuAnalysis;
struct CMenuChart;

// What the evaluation page and the cli show of a menu analysis: the chart model and the table
// of dishes. Texts come from the string tables of the current language, numbers through the
// program's number text. Rows and points carry the dish's position in the analysis + 1.
namespace MenuEngineeringView {

// Columns of the table, column 0 being the sort key: the classes in order, within a class the
// larger margin in total first.
enum EColumn {
    kKeyColumn = 0,
    kNameColumn,
    kGroupColumn,
    kPortionsColumn,
    kMixColumn,
    kNetPriceColumn,
    kCostColumn,
    kMarginColumn,
    kMarginTotalColumn,
    kCostRatioColumn,
    kClassColumn,
    kAdviceColumn,
};

// Drops everything and sets up the columns of the table of dishes.
void SetUpColumns(CListCtrlData& table);
// "Menüanalyse: " and the selection's name.
std::string Title(const CData& data, const CMenuAnalysis& analysis);
void FillChart(const CData& data, const CMenuAnalysis& analysis, CMenuChart& chart);
// Rows for the dishes, shown in the order of the list's sort state (the key's when unsorted).
// A table that has the columns keeps them with their layout.
void FillTable(const CData& data, const CMenuAnalysis& analysis, CListCtrlData& table);

} // namespace MenuEngineeringView
