#include "EvaluationValues.h"

#include "catalogue/SalesSums.h"
#include "evaluation/EvaluationWindows.h"
#include "evaluation/WindowAccumulator.h"

#include <array>
#include <bit>
#include <cstdint>
#include <unordered_map>

namespace {

// The series a sale of group `group` counts in: at most its group, all, and all food or all
// drinks; decided by the same rule as CData::EvaluateSales.
int SeriesOf(int group, int nbFoodGroups, std::array<unsigned, 4>& selectors)
{
    int count = 0;
    if (CData::IsValidGroup(group))
        selectors[count++] = static_cast<unsigned>(group);
    for (unsigned selector : {CData::SeriesAll, CData::SeriesAllFood, CData::SeriesAllDrinks}) {
        if (CSalesSums::BelongsToSeries(selector, group, nbFoodGroups))
            selectors[count++] = selector;
    }
    return count;
}

// Current prices of each recipe, computed once per walk.
class CCurrentPriceCache
{
public:
    const CSalesSums::CPrices& Get(const CRecipe& recipe)
    {
        auto [it, added] = m_prices.try_emplace(&recipe);
        if (added)
            it->second = CSalesSums::CurrentPrices(recipe);
        return it->second;
    }

private:
    std::unordered_map<const CRecipe*, CSalesSums::CPrices> m_prices;
};

// Adds every sale to the sums of its month and series, in catalogue order.
void AddSales(const CData& data, const CEvaluationWindows& windows, bool originalData,
              CWindowAccumulator& sums)
{
    CCurrentPriceCache currentPrices;
    std::array<unsigned, 4> selectors{};
    int hint = -1;
    for (const CSale& sale : data.Sales) {
        const int month = windows.FindMonth(sale.DateTime, hint);
        if (month < 0)
            continue;
        hint = month;
        const int count = SeriesOf(sale.NameGroupIndex, data.NbFoodGroups, selectors);
        if (count == 0 || (!originalData && sale.Recipe == nullptr))
            continue;
        const auto prices = originalData ? CSalesSums::FrozenPrices(sale) : currentPrices.Get(*sale.Recipe);
        sums.Add(month, std::span(selectors.data(), count), prices, sale.NbPortion);
    }
}

} // namespace

CEvaluationValues::CEvaluationValues(int monthCount)
    : m_monthCount(monthCount > 0 ? monthCount : 0), m_values(CData::NbSeries * m_monthCount, 0.0)
{}

CEvaluationValues CEvaluationValues::Compute(const CData& data, const CEvaluationWindows& windows,
                                             EMeasure measure, bool perMonth, bool originalData)
{
    CWindowAccumulator sums(windows.GetValidCount(), !perMonth);
    AddSales(data, windows, originalData, sums);
    CEvaluationValues values(windows.GetCount());
    const CSalesSums none;
    for (unsigned selector = 0; selector < CData::NbSeries; ++selector) {
        for (int month = 0; month < values.m_monthCount; ++month) {
            const bool counted = month < windows.GetValidCount();
            values.At(selector, month) = (counted ? sums.Get(month, selector) : none).Result(measure);
        }
    }
    return values;
}

bool CEvaluationValues::IsIdenticalTo(const CEvaluationValues& other) const
{
    if (m_monthCount != other.m_monthCount)
        return false;
    for (size_t i = 0; i < m_values.size(); ++i) {
        if (std::bit_cast<std::uint64_t>(m_values[i]) != std::bit_cast<std::uint64_t>(other.m_values[i]))
            return false;
    }
    return true;
}
