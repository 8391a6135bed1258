#include "RegisterBooking.h"

#include "catalogue/Data.h"
#include "registerimport/ImportPlan.h"

#include <new>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

namespace {

// The merge rule's key: dish, calendar day of the sale, cost and gross price per portion.
using CMergeKey = std::tuple<const CRecipe*, int, double, double>;

struct CMergeKeyHash
{
    std::size_t operator()(const CMergeKey& key) const
    {
        const auto& [dish, day, cost, price] = key;
        return std::hash<const void*>()(dish) ^ (std::hash<int>()(day) * 31) ^
               (std::hash<double>()(cost) * 131) ^ (std::hash<double>()(price) * 1031);
    }
};

int DayKey(const CDateTime& dateTime)
{
    const CDateTime::CDateAndTime parts = dateTime.GetDateAndTime();
    return parts.Year * 10000 + parts.Month * 100 + parts.Day;
}

// The sales of the plan's dishes that a planned sale may merge into, found in one pass instead
// of one pass per planned sale.
std::unordered_map<CMergeKey, CSale*, CMergeKeyHash> MergeIndex(CData& data, const CImportPlan& plan)
{
    std::unordered_set<const CRecipe*> dishes;
    for (const CPlannedSale& sale : plan.Sales)
        dishes.insert(sale.Dish);
    std::unordered_map<CMergeKey, CSale*, CMergeKeyHash> index;
    for (CSale& sale : data.Sales) {
        if (sale.Recipe && dishes.contains(sale.Recipe))
            index.try_emplace(
                {sale.Recipe, DayKey(sale.DateTime), sale.PriceBuyPerPortion, sale.PriceSellPerPortionTax},
                &sale);
    }
    return index;
}

} // namespace

namespace RegisterBooking {

namespace {

void BookSales(const CImportPlan& plan, CData& data, CImportUndo& undo)
{
    std::unordered_map<const CRecipe*, CRecipe*> owned;
    for (CRecipe& recipe : data.Recipes)
        owned.emplace(&recipe, &recipe);
    auto index = MergeIndex(data, plan);
    for (const CPlannedSale& planned : plan.Sales) {
        const auto dish = owned.find(planned.Dish);
        if (dish == owned.end())
            continue;
        const CMergeKey key{planned.Dish, DayKey(planned.Day), planned.PriceBuy, planned.PriceSellTax};
        if (const auto found = index.find(key); found != index.end()) {
            CSale& sale = *found->second;
            const double before = sale.NbPortion;
            sale.NbPortion += planned.Portions;
            undo.Merged.push_back({sale.Id, before, sale.NbPortion});
            continue;
        }
        CSale sale(&data);
        sale.Name = planned.Dish->Name;
        sale.NameGroupIndex = planned.Dish->NameGroupIndex;
        sale.NbPortion = planned.Portions;
        sale.PriceBuyPerPortion = planned.PriceBuy;
        sale.PriceSellPerPortionNoTax = planned.PriceSellNoTax;
        sale.PriceSellPerPortionTax = planned.PriceSellTax;
        sale.DateTime = planned.Day;
        sale.Recipe = dish->second;
        if (data.AddSale(sale) != 1)
            throw std::bad_alloc();
        CSale* added = data.Sales.At(data.Sales.Count() - 1);
        undo.Added.push_back(added->Id);
        index.emplace(key, added);
    }
}

// Takes the import's portions out of the sales it merged into, found in one pass over the sales.
void TakeBackMerged(const std::vector<CImportUndo::CMerged>& merged, CData& data)
{
    if (merged.empty())
        return;
    std::unordered_map<int, CSale*> sales;
    for (const CImportUndo::CMerged& entry : merged)
        sales.emplace(entry.SaleId, nullptr);
    for (CSale& sale : data.Sales) {
        if (const auto found = sales.find(sale.Id); found != sales.end())
            found->second = &sale;
    }
    for (const CImportUndo::CMerged& entry : merged) {
        CSale* sale = sales.at(entry.SaleId);
        if (!sale)
            continue;
        // Unchanged since the import: exactly the portions before; else only the import's share.
        sale->NbPortion =
            sale->NbPortion == entry.After ? entry.Before : sale->NbPortion - (entry.After - entry.Before);
    }
}

} // namespace

// Memory that runs out anywhere on the way takes back what was booked so far.
bool Book(const CImportPlan& plan, CData& data, CImportUndo& undo)
{
    undo = CImportUndo{data.Id, {}, {}, data.RegisterMapping};
    try {
        undo.Added.reserve(plan.Sales.size());
        undo.Merged.reserve(plan.Sales.size());
        BookSales(plan, data, undo);
        data.RegisterMapping = plan.MappingAfter;
    } catch (const std::bad_alloc&) {
        Undo(undo, data);
        return false;
    }
    return true;
}

void Undo(const CImportUndo& undo, CData& data)
{
    TakeBackMerged(undo.Merged, data);
    data.DeleteSales({undo.Added.begin(), undo.Added.end()});
    data.RegisterMapping = undo.MappingBefore;
}

} // namespace RegisterBooking

bool CRegisterImportStep::Book(const CImportPlan& plan, CData& data)
{
    CImportUndo undo;
    if (!RegisterBooking::Book(plan, data, undo))
        return false;
    m_undo = std::move(undo);
    return true;
}

bool CRegisterImportStep::CanUndo(const CData* data) const
{
    return m_undo && data && data->Id == m_undo->DataId;
}

bool CRegisterImportStep::Undo(CData& data)
{
    if (!CanUndo(&data))
        return false;
    RegisterBooking::Undo(*m_undo, data);
    m_undo.reset();
    return true;
}
