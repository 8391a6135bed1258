#include "CliMenu.h"

#include "catalogue/Data.h"
#include "evaluation/MenuEngineering.h"
#include "evaluation/MenuEngineeringView.h"
#include "platform/Windows1252.h"

#include <memory>

namespace {

std::string Text(const std::string& windows1252)
{
    return Windows1252ToUtf8(windows1252);
}

CJsonValue ClassKey(EMenuClass menuClass)
{
    switch (menuClass) {
    case EMenuClass::Star:
        return std::string("star");
    case EMenuClass::Workhorse:
        return std::string("workhorse");
    case EMenuClass::Puzzle:
        return std::string("puzzle");
    case EMenuClass::Dog:
        return std::string("dog");
    default:
        return CJsonValue();
    }
}

CJsonObject DishRow(const CData& data, const CMenuDish& dish)
{
    return CJsonObject{{"name", Text(dish.Name)},
                       {"group", Text(data.GetGroupName(dish.Group))},
                       {"recipe", dish.Recipe != nullptr},
                       {"portions", dish.Portions},
                       {"menuMix", dish.MenuMix},
                       {"netPrice", dish.NetPrice},
                       {"cost", dish.Cost},
                       {"margin", dish.Margin},
                       {"marginTotal", dish.MarginTotal},
                       {"costRatio", dish.CostRatio},
                       {"class", ClassKey(dish.Class)},
                       {"className", Text(CMenuAnalysis::ClassName(dish.Class))},
                       {"advice", Text(CMenuAnalysis::ClassAdvice(dish.Class))}};
}

} // namespace

namespace CliMenu {

CJsonObject Summary(const CData& data, const CMenuAnalysis& analysis)
{
    const CMenuRequest& request = analysis.GetRequest();
    return CJsonObject{{"title", Text(MenuEngineeringView::Title(data, analysis))},
                       {"selector", static_cast<int>(request.Selector)},
                       {"prices", std::string(request.BookedPrices ? "booked" : "current")},
                       {"hasSales", analysis.HasSales()},
                       {"dishCount", static_cast<int>(analysis.GetDishes().size())},
                       {"totalPortions", analysis.GetTotalPortions()},
                       {"totalMargin", analysis.GetTotalMargin()},
                       {"popularityThreshold", analysis.GetPopularityThreshold()},
                       {"marginThreshold", analysis.GetMarginThreshold()}};
}

CCliTable Dishes(const CData& data, const CMenuAnalysis& analysis)
{
    CCliTable table;
    table.Columns = {"name",   "group",       "portions",  "menuMix",   "netPrice", "cost",
                     "margin", "marginTotal", "costRatio", "className", "advice"};
    auto rows = std::make_shared<CJsonArray>();
    for (const CMenuDish& dish : analysis.GetDishes())
        rows->push_back(DishRow(data, dish));
    table.Rows = [rows](const CJsonRowSink& sink) {
        for (const CJsonValue& row : *rows)
            sink(row);
    };
    return table;
}

} // namespace CliMenu
