#pragma once

#include "catalogue/SalesSums.h"
#include "pages/sales/SalesPeriods.h"

#include <array>
#include <unordered_map>

class CData;
class CRecipe;

// The figures of the sales page: for every dish, its gross revenue, portions, contribution
// margin and cost-of-goods ratio over the day, month and year, from the prices frozen in its
// sales. One walk over the sales serves every dish; each dish's sales are added in catalogue
// order, as the catalogue's per-recipe sums add them, so the figures equal those to the last bit.
class CSalesFigures
{
public:
    struct CFigures
    {
        double GrossRevenue = 0.0;
        double Portions = 0.0;
        double Margin = 0.0;
        // 0 when the net revenue is 0.
        double CostRatio = 0.0;
    };

    CSalesFigures(const CData& data, const CSalesPeriods& periods);

    // Zero figures for a recipe without sales in the period, and for none.
    CFigures Get(const CRecipe* recipe, CSalesPeriods::EPeriod period) const;

private:
    struct CSums
    {
        double Portions = 0.0;
        CSalesSums Prices;
    };
    using CPeriodSums = std::array<CSums, CSalesPeriods::kNbPeriods>;

    void Add(const CSale& sale, const CSalesPeriods& periods);

    std::unordered_map<const CRecipe*, CPeriodSums> m_sums;
};
