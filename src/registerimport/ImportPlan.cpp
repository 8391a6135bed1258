#include "ImportPlan.h"

#include "catalogue/CostMemo.h"
#include "catalogue/Data.h"
#include "registerimport/RegisterItemTable.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace {

constexpr int kBusinessDayStartHour = 5;
// Register prices per portion are kept to a hundredth of a cent, so that a price divided from
// a line's total groups with the same price of other lines.
constexpr double kPriceSteps = 10000.0;
constexpr double kVatTolerance = 0.005;

using EChoice = CRegisterItemTable::EChoice;

void AddTo(std::vector<CImportItemRow>& rows, std::unordered_map<std::string, std::size_t>& index,
           const CRegisterItemTable::CRow& item, const CRegisterLine& line)
{
    const auto [at, added] = index.try_emplace(item.Key, rows.size());
    if (added)
        rows.push_back({item.Key, item.Text});
    CImportItemRow& row = rows[at->second];
    ++row.Lines;
    row.Portions += line.Quantity;
    row.Gross += line.GrossRevenue;
}

// Collects the planned sales and the rows per dish while the lines are visited.
class CPlanner
{
public:
    CPlanner(const CData& data, CImportPlan& plan) : m_data(data), m_plan(plan)
    {
        for (const CRecipe& recipe : data.Recipes)
            m_recipes.emplace(recipe.Id, &recipe);
    }

    void Book(const CRecipe& dish, const CRegisterLine& line)
    {
        const double tax = m_data.GetTax(dish.NameGroupIndex);
        const double cost = CostOf(dish);
        const double unit = line.HasPrice
                                ? std::round(line.GrossRevenue / line.Quantity * kPriceSteps) / kPriceSteps
                                : dish.PriceSell;
        const double gross = line.HasPrice ? line.GrossRevenue : line.Quantity * dish.PriceSell;
        const CDateTime day = ImportPlanning::BusinessDay(line.DateTime);
        const auto key = std::make_tuple(&dish, day.GetValue(), unit);
        const auto [at, added] = m_sales.try_emplace(key, m_plan.Sales.size());
        if (added)
            m_plan.Sales.push_back({&dish, day, unit, unit * 100.0 / (tax + 100.0), cost, 0.0});
        m_plan.Sales[at->second].Portions += line.Quantity;

        CImportDishRow& row = m_dishes[&dish];
        row.Dish = &dish;
        row.Name = dish.Name;
        ++row.Lines;
        row.Portions += line.Quantity;
        row.Gross += gross;
        row.Net += gross * 100.0 / (tax + 100.0);
        row.Cost += line.Quantity * cost;
        if (line.VatRate >= 0.0 && std::abs(line.VatRate - tax) > kVatTolerance) {
            ++m_plan.VatDifferingLines;
            m_plan.VatDifferingGross += gross;
        }
    }

    const CRecipe* Recipe(int id) const
    {
        const auto found = m_recipes.find(id);
        return found == m_recipes.end() ? nullptr : found->second;
    }

    // The dish rows in catalogue order and the totals; sales that came to no portions (sold
    // and returned) are dropped, the others ordered by day and dish.
    void Finish()
    {
        std::unordered_map<const CRecipe*, int> order;
        for (const CRecipe& recipe : m_data.Recipes) {
            order.emplace(&recipe, static_cast<int>(order.size()));
            const auto found = m_dishes.find(&recipe);
            if (found == m_dishes.end())
                continue;
            const CImportDishRow& row = found->second;
            m_plan.Dishes.push_back(row);
            m_plan.LinesBooked += row.Lines;
            m_plan.Portions += row.Portions;
            m_plan.Gross += row.Gross;
            m_plan.Net += row.Net;
            m_plan.Cost += row.Cost;
        }
        std::erase_if(m_plan.Sales, [](const CPlannedSale& sale) { return sale.Portions == 0.0; });
        std::stable_sort(m_plan.Sales.begin(), m_plan.Sales.end(),
                         [&](const CPlannedSale& a, const CPlannedSale& b) {
                             return std::make_pair(a.Day.GetValue(), order[a.Dish]) <
                                    std::make_pair(b.Day.GetValue(), order[b.Dish]);
                         });
    }

private:
    double CostOf(const CRecipe& dish)
    {
        if (const double* known = m_memo.Find(&dish))
            return *known;
        return m_memo.Keep(&dish, dish.GetPriceBuyPerPortion(&m_memo));
    }

    struct CKeyHash
    {
        std::size_t operator()(const std::tuple<const CRecipe*, double, double>& key) const
        {
            const auto [dish, day, unit] = key;
            return std::hash<const void*>()(dish) ^ (std::hash<double>()(day) * 31) ^
                   (std::hash<double>()(unit) * 131);
        }
    };

    const CData& m_data;
    CImportPlan& m_plan;
    CCostMemo m_memo;
    std::unordered_map<int, const CRecipe*> m_recipes;
    std::unordered_map<std::tuple<const CRecipe*, double, double>, std::size_t, CKeyHash> m_sales;
    std::unordered_map<const CRecipe*, CImportDishRow> m_dishes;
};

void Widen(CImportPlan& plan, const CDateTime& moment)
{
    if (!plan.First.IsValid() || moment < plan.First)
        plan.First = moment;
    if (!plan.Last.IsValid() || moment > plan.Last)
        plan.Last = moment;
}

} // namespace

namespace ImportPlanning {

CDateTime BusinessDay(const CDateTime& moment)
{
    if (!moment.IsValid())
        return CDateTime::MakeInvalid();
    const CDateTime::CDateAndTime parts = moment.GetDateAndTime();
    const CDateTime day(parts.Year, parts.Month, parts.Day);
    return parts.Hour < kBusinessDayStartHour ? day - CDateTimeSpan(1.0) : day;
}

std::vector<int> SourcesBookedBefore(const CRegisterSales& sales, const CRegisterMapping& mapping)
{
    std::unordered_set<std::string> booked;
    for (const CRegisterImportedSource& source : mapping.Sources)
        booked.insert(source.Key);
    std::vector<int> result;
    for (std::size_t i = 0; i < sales.Sources.size(); ++i) {
        if (booked.contains(sales.Sources[i].Key))
            result.push_back(static_cast<int>(i));
    }
    return result;
}

CImportPlan Plan(const CRegisterSales& sales, const CRegisterItemTable& items, const CData& data)
{
    CImportPlan plan;
    plan.SourceName = sales.SourceName;
    plan.Receipts = sales.Receipts;
    plan.Skipped = sales.Skipped;
    const std::vector<int> before = SourcesBookedBefore(sales, data.RegisterMapping);
    const std::unordered_set<int> skip(before.begin(), before.end());
    for (std::size_t i = 0; i < sales.Sources.size(); ++i) {
        const CRegisterSource& source = sales.Sources[i];
        if (skip.contains(static_cast<int>(i)))
            plan.AlreadyImported.push_back(source.Label.empty() ? source.Key : source.Label);
        else
            plan.NewSources.push_back({source.Key, source.Label});
    }

    std::unordered_map<std::string, int> rowOfKey;
    for (std::size_t i = 0; i < items.Rows().size(); ++i)
        rowOfKey.emplace(items.Rows()[i].Key, static_cast<int>(i));
    std::vector<const CRegisterItemTable::CRow*> rowOfItem;
    rowOfItem.reserve(sales.Items.size());
    for (const CRegisterItem& item : sales.Items) {
        const auto row = rowOfKey.find(MappingKey(item));
        rowOfItem.push_back(row == rowOfKey.end() ? nullptr : &items.Rows()[row->second]);
    }
    std::unordered_map<std::string, std::size_t> openIndex, noDishIndex;
    CPlanner planner(data, plan);
    for (const CRegisterLine& line : sales.Lines) {
        if (skip.contains(line.Source)) {
            CRegisterSkipCount& count = plan.Skipped[ERegisterSkip::AlreadyImported];
            ++count.Lines;
            count.Gross += line.GrossRevenue;
            continue;
        }
        ++plan.LinesRead;
        if (line.DateTime.IsValid())
            Widen(plan, line.DateTime);
        const CRegisterItemTable::CRow* item = rowOfItem[static_cast<std::size_t>(line.Item)];
        const CRecipe* dish =
            item && item->Choice == EChoice::Dish ? planner.Recipe(item->RecipeId) : nullptr;
        if (item && item->Choice == EChoice::NoDish) {
            AddTo(plan.NoDishItems, noDishIndex, *item, line);
        } else if (!dish) {
            if (item)
                AddTo(plan.OpenItems, openIndex, *item, line);
        } else if (!line.DateTime.IsValid() || line.Quantity == 0.0) {
            CRegisterSkipCount& count = plan.Skipped[ERegisterSkip::OtherLine];
            ++count.Lines;
            count.Gross += line.GrossRevenue;
        } else {
            planner.Book(*dish, line);
        }
    }
    planner.Finish();
    plan.MappingAfter = data.RegisterMapping;
    items.StoreIn(plan.MappingAfter);
    plan.MappingAfter.Sources.insert(plan.MappingAfter.Sources.end(), plan.NewSources.begin(),
                                     plan.NewSources.end());
    return plan;
}

} // namespace ImportPlanning
