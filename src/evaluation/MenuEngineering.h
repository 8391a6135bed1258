#pragma once

#include "catalogue/Data.h"
#include "catalogue/DateTime.h"

#include <string>
#include <vector>

// The four places of a dish on the menu by popularity and margin per portion; None while the
// period has no sales to measure popularity by.
enum class EMenuClass { None = 0, Star, Workhorse, Puzzle, Dog };

// What the menu analysis looks at: the months of [Start, End] as the evaluation picks them,
// one food or drink group (0..19) or all food or all drinks, and the prices frozen in the
// sales or the recipes' current ones.
struct CMenuRequest
{
    CDateTime Start;
    CDateTime End;
    unsigned Selector = CData::SeriesAllFood;
    bool BookedPrices = true;
};

// One dish of the analysed selection with its figures per portion and in total.
struct CMenuDish
{
    std::string Name; // Windows-1252, as the catalogue keeps it
    // The recipe; null for the sales of a deleted recipe, gathered by their name.
    const CRecipe* Recipe = nullptr;
    int Group = -1;
    double Portions = 0.0;
    double MenuMix = 0.0; // share of the selection's portions, 0..1
    double NetPrice = 0.0;
    double Cost = 0.0;
    double Margin = 0.0;
    double MarginTotal = 0.0;
    double CostRatio = 0.0; // percent of the net price; 0 when the net price is 0
    EMenuClass Class = EMenuClass::None;
};

// Menu engineering: places every dish of a selection by its popularity (its share of the
// portions sold) and its contribution margin per portion. A dish is popular when its share
// reaches 70 % of an equal share (0.7 / number of dishes); its margin is high when it reaches
// the average margin per portion weighted by portions. Both comparisons allow for rounding, so
// that dishes with equal figures all land on the high side.
//
// The dishes are the recipes of the selection marked for sale or sold in the period, in
// catalogue order, then, with booked prices, the sales of deleted recipes gathered by group and
// name. With booked prices a dish's prices per portion are its period's sums over its portions;
// a dish without sales shows its current prices. With current prices every sale counts at its
// recipe's prices of today, and sales of deleted recipes are left out.
class CMenuAnalysis
{
public:
    // Whether the analysis can look at this selector: a group, all food or all drinks. All
    // dishes together mix food and drinks, which compete on no menu section.
    static bool IsValidSelector(unsigned selector);

    static CMenuAnalysis Build(const CData& data, const CMenuRequest& request);

    const std::vector<CMenuDish>& GetDishes() const { return m_dishes; }
    const CMenuRequest& GetRequest() const { return m_request; }
    // False when the selection sold nothing in the period (or sold a negative total): then no
    // dish is classified and both thresholds are 0.
    bool HasSales() const { return m_totalPortions > 0.0 && !m_dishes.empty(); }
    double GetTotalPortions() const { return m_totalPortions; }
    double GetTotalMargin() const { return m_totalMargin; }
    // 0.7 / number of dishes, as a share (0..1).
    double GetPopularityThreshold() const { return m_popularityThreshold; }
    // The average margin per portion, weighted by portions.
    double GetMarginThreshold() const { return m_marginThreshold; }

    // The class's name ("Star", "Zugpferd", "Rätsel", "Ladenhüter") and its advice, from the
    // string tables; empty for None.
    static std::string ClassName(EMenuClass menuClass);
    static std::string ClassAdvice(EMenuClass menuClass);
    // The class of a share and a margin against the thresholds.
    static EMenuClass Classify(double menuMix, double margin, double popularityThreshold,
                               double marginThreshold);

private:
    void Classify();

    CMenuRequest m_request;
    std::vector<CMenuDish> m_dishes;
    double m_totalPortions = 0.0;
    double m_totalMargin = 0.0;
    double m_popularityThreshold = 0.0;
    double m_marginThreshold = 0.0;
};
