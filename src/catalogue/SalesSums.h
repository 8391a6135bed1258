#pragma once

#include "catalogue/Data.h"
#include "catalogue/DateTime.h"
#include "catalogue/Recipe.h"
#include "catalogue/Sale.h"

// Net revenue, gross revenue and cost of goods summed over sales, and the rules that pick the
// sales and their prices. CData's sums and the evaluation build both add through this class, so
// their results agree to the last bit when they add the same sales in the same order.
class CSalesSums
{
public:
    // Prices of one portion.
    struct CPrices
    {
        double Net = 0.0;
        double Gross = 0.0;
        double Cost = 0.0;
    };

    // The prices frozen in the sale when it was booked.
    static CPrices FrozenPrices(const CSale& sale)
    {
        return {sale.PriceSellPerPortionNoTax, sale.PriceSellPerPortionTax, sale.PriceBuyPerPortion};
    }

    // The recipe's current prices; its cost per portion is 0 when it has no portions.
    static CPrices CurrentPrices(const CRecipe& recipe)
    {
        return {recipe.GetPriceSellNoTax(), recipe.GetPriceSell(), recipe.GetPriceBuyPerPortion()};
    }

    // Whether a sale dated `date` counts in [start, end): all three valid and in order.
    static bool InRange(const CDateTime& date, const CDateTime& start, const CDateTime& end)
    {
        return date.IsValid() && start.IsValid() && end.IsValid() && start <= date && date < end;
    }

    // Whether a sale of group `groupIndex` belongs to the series `selector` (0..19 one group,
    // then all, all food, all drinks). A negative group belongs to no series.
    static bool BelongsToSeries(unsigned selector, int groupIndex, int nbFoodGroups)
    {
        if (groupIndex < 0)
            return false;
        if (selector < static_cast<unsigned>(CData::kNbGroups))
            return groupIndex == static_cast<int>(selector);
        switch (selector) {
        case CData::SeriesAll:
            return true;
        case CData::SeriesAllFood:
            return groupIndex < nbFoodGroups;
        case CData::SeriesAllDrinks:
            return groupIndex >= nbFoodGroups;
        default:
            return false;
        }
    }

    void Add(const CPrices& prices, double portions)
    {
        Net += prices.Net * portions;
        Gross += prices.Gross * portions;
        Cost += prices.Cost * portions;
    }

    // The measure from the sums: the ratio and the margin come from the sums, not per sale.
    double Result(EMeasure measure) const
    {
        switch (measure) {
        case EMeasure::NetRevenue:
            return Net;
        case EMeasure::GrossRevenue:
            return Gross;
        case EMeasure::CostOfGoods:
            return Cost;
        case EMeasure::CostRatio:
            return Net != 0.0 ? Cost / Net * 100.0 : 0.0;
        case EMeasure::ContributionMargin:
            return Net - Cost;
        default:
            return 0.0;
        }
    }

    double Net = 0.0;
    double Gross = 0.0;
    double Cost = 0.0;
};
