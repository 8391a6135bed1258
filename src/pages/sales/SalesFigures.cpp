#include "SalesFigures.h"

#include "catalogue/Data.h"

CSalesFigures::CSalesFigures(const CData& data, const CSalesPeriods& periods)
{
    for (const CSale& sale : data.Sales) {
        // Most sales of a large file lie before the year: they are passed over without a lookup.
        if (sale.Recipe != nullptr && CSalesSums::InRange(sale.DateTime, periods.Earliest(), periods.End()))
            Add(sale, periods);
    }
}

void CSalesFigures::Add(const CSale& sale, const CSalesPeriods& periods)
{
    CPeriodSums& sums = m_sums[sale.Recipe];
    for (int period = 0; period < CSalesPeriods::kNbPeriods; ++period) {
        const CDateTime& start = periods.Start(static_cast<CSalesPeriods::EPeriod>(period));
        if (!CSalesSums::InRange(sale.DateTime, start, periods.End()))
            continue;
        sums[period].Portions += sale.NbPortion;
        sums[period].Prices.Add(CSalesSums::FrozenPrices(sale), sale.NbPortion);
    }
}

CSalesFigures::CFigures CSalesFigures::Get(const CRecipe* recipe, CSalesPeriods::EPeriod period) const
{
    const auto found = m_sums.find(recipe);
    if (recipe == nullptr || found == m_sums.end())
        return {};
    const CSums& sums = found->second[static_cast<int>(period)];
    return {sums.Prices.Result(EMeasure::GrossRevenue), sums.Portions,
            sums.Prices.Result(EMeasure::ContributionMargin), sums.Prices.Result(EMeasure::CostRatio)};
}
