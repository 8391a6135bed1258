#include "catalogue/Data.h"
#include "catalogue/SalesSums.h"

namespace {

// Portions and price sums of one recipe's sales in [start, end), frozen prices only.
struct CRecipeSums
{
    double Portions = 0.0;
    CSalesSums Sums;
};

CRecipeSums SumRecipeSales(const CData& data, const CRecipe* recipe, const CDateTime& start,
                           const CDateTime& end)
{
    CRecipeSums result;
    if (recipe == nullptr)
        return result;
    for (const CSale& sale : data.Sales) {
        if (sale.Recipe != recipe || !CSalesSums::InRange(sale.DateTime, start, end))
            continue;
        result.Portions += sale.NbPortion;
        result.Sums.Add(CSalesSums::FrozenPrices(sale), sale.NbPortion);
    }
    return result;
}

} // namespace

double CData::EvaluateSales(unsigned selector, EMeasure measure, bool originalData, const CDateTime& start,
                            const CDateTime& end) const
{
    CSalesSums sums;
    for (const CSale& sale : Sales) {
        if (!CSalesSums::BelongsToSeries(selector, sale.NameGroupIndex, NbFoodGroups) ||
            !CSalesSums::InRange(sale.DateTime, start, end))
            continue;
        if (originalData)
            sums.Add(CSalesSums::FrozenPrices(sale), sale.NbPortion);
        else if (sale.Recipe != nullptr)
            sums.Add(CSalesSums::CurrentPrices(*sale.Recipe), sale.NbPortion);
    }
    return sums.Result(measure);
}

double CData::GetRecipePortionsSold(const CRecipe* recipe, const CDateTime& start, const CDateTime& end) const
{
    return SumRecipeSales(*this, recipe, start, end).Portions;
}

double CData::GetRecipeGrossRevenue(const CRecipe* recipe, const CDateTime& start, const CDateTime& end) const
{
    return SumRecipeSales(*this, recipe, start, end).Sums.Result(EMeasure::GrossRevenue);
}

double CData::GetRecipeMargin(const CRecipe* recipe, const CDateTime& start, const CDateTime& end) const
{
    return SumRecipeSales(*this, recipe, start, end).Sums.Result(EMeasure::ContributionMargin);
}

double CData::GetRecipeCostRatio(const CRecipe* recipe, const CDateTime& start, const CDateTime& end) const
{
    return SumRecipeSales(*this, recipe, start, end).Sums.Result(EMeasure::CostRatio);
}
