#include "MenuEngineering.h"

#include "catalogue/CostMemo.h"
#include "catalogue/SalesSums.h"
#include "evaluation/EvaluationWindows.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace {

constexpr double kPopularityFactor = 0.7;
// Figures this close to a threshold count as reaching it: a weighted average of equal margins
// may differ from them in the last bits.
constexpr double kRelativeTolerance = 1e-9;

bool Reaches(double value, double threshold)
{
    return value >= threshold - kRelativeTolerance * std::max(1.0, std::fabs(threshold));
}

// The sums of one dish over the period: portions, and with booked prices net and cost.
struct CDishSums
{
    double Portions = 0.0;
    double Net = 0.0;
    double Cost = 0.0;
};

// Gathers the dishes and their sums in one walk over the sales of the period.
class CDishCollector
{
public:
    CDishCollector(const CData& data, const CMenuRequest& request) : m_data(data), m_request(request) {}

    void Collect(std::vector<CMenuDish>& dishes, std::vector<CDishSums>& sums)
    {
        const CEvaluationWindows windows(m_request.Start, m_request.End);
        const int months = windows.GetValidCount();
        AddSales(months > 0 ? windows.GetStart() : CDateTime::MakeInvalid(),
                 months > 0 ? windows.GetEnd(months - 1) : CDateTime::MakeInvalid());
        for (const CRecipe& recipe : m_data.Recipes) {
            const auto found = m_recipeSums.find(&recipe);
            if (found == m_recipeSums.end() && (!recipe.UseForSale || !InSelection(recipe.NameGroupIndex)))
                continue;
            dishes.push_back({recipe.Name, &recipe, recipe.NameGroupIndex});
            sums.push_back(found != m_recipeSums.end() ? found->second : CDishSums{});
        }
        for (int group = 0; group < CData::kNbGroups; ++group) {
            for (const auto& [name, dishSums] : m_deletedSums[static_cast<std::size_t>(group)]) {
                dishes.push_back({name, nullptr, group});
                sums.push_back(dishSums);
            }
        }
    }

private:
    bool InSelection(int group) const
    {
        return CSalesSums::BelongsToSeries(m_request.Selector, group, m_data.NbFoodGroups);
    }

    // A sale of a recipe counts by the recipe's group of today: the menu as it stands now.
    void AddSales(const CDateTime& start, const CDateTime& end)
    {
        for (const CSale& sale : m_data.Sales) {
            if (!CSalesSums::InRange(sale.DateTime, start, end))
                continue;
            CDishSums* sums = SumsOf(sale);
            if (sums == nullptr)
                continue;
            sums->Portions += sale.NbPortion;
            sums->Net += sale.PriceSellPerPortionNoTax * sale.NbPortion;
            sums->Cost += sale.PriceBuyPerPortion * sale.NbPortion;
        }
    }

    CDishSums* SumsOf(const CSale& sale)
    {
        if (sale.Recipe != nullptr)
            return InSelection(sale.Recipe->NameGroupIndex) ? &m_recipeSums[sale.Recipe] : nullptr;
        if (!m_request.BookedPrices || !CData::IsValidGroup(sale.NameGroupIndex) ||
            !InSelection(sale.NameGroupIndex))
            return nullptr;
        auto& byName = m_deletedSums[static_cast<std::size_t>(sale.NameGroupIndex)];
        const auto found = byName.find(std::string_view(sale.Name));
        return found != byName.end() ? &found->second : &byName[sale.Name];
    }

    const CData& m_data;
    const CMenuRequest& m_request;
    std::unordered_map<const CRecipe*, CDishSums> m_recipeSums;
    // By group, then by name; looked up without copying the sale's name.
    std::array<std::map<std::string, CDishSums, std::less<>>, CData::kNbGroups> m_deletedSums;
};

// Prices per portion and the margin in total: from the period's sums with booked prices when
// the dish sold, else from the recipe as it is now.
void SetPrices(CMenuDish& dish, const CDishSums& sums, bool bookedPrices, CCostMemo& memo)
{
    dish.Portions = sums.Portions;
    if (bookedPrices && (sums.Portions != 0.0 || dish.Recipe == nullptr)) {
        dish.NetPrice = sums.Portions != 0.0 ? sums.Net / sums.Portions : 0.0;
        dish.Cost = sums.Portions != 0.0 ? sums.Cost / sums.Portions : 0.0;
        dish.MarginTotal = sums.Net - sums.Cost;
    } else {
        dish.NetPrice = dish.Recipe->GetPriceSellNoTax();
        dish.Cost = dish.Recipe->GetPriceBuyPerPortion(&memo);
        dish.MarginTotal = (dish.NetPrice - dish.Cost) * sums.Portions;
    }
    dish.Margin = dish.NetPrice - dish.Cost;
    dish.CostRatio = dish.NetPrice != 0.0 ? dish.Cost / dish.NetPrice * 100.0 : 0.0;
}

constexpr int kClassNames[] = {StringId::kMenuStar, StringId::kMenuWorkhorse, StringId::kMenuPuzzle,
                               StringId::kMenuDog};
constexpr int kClassAdvice[] = {StringId::kMenuStarAdvice, StringId::kMenuWorkhorseAdvice,
                                StringId::kMenuPuzzleAdvice, StringId::kMenuDogAdvice};

} // namespace

bool CMenuAnalysis::IsValidSelector(unsigned selector)
{
    return selector < static_cast<unsigned>(CData::kNbGroups) || selector == CData::SeriesAllFood ||
           selector == CData::SeriesAllDrinks;
}

CMenuAnalysis CMenuAnalysis::Build(const CData& data, const CMenuRequest& request)
{
    CMenuAnalysis analysis;
    analysis.m_request = request;
    if (!IsValidSelector(request.Selector))
        return analysis;
    std::vector<CDishSums> sums;
    CDishCollector(data, request).Collect(analysis.m_dishes, sums);
    CCostMemo memo;
    for (std::size_t index = 0; index < sums.size(); ++index) {
        CMenuDish& dish = analysis.m_dishes[index];
        SetPrices(dish, sums[index], request.BookedPrices, memo);
        analysis.m_totalPortions += dish.Portions;
        analysis.m_totalMargin += dish.MarginTotal;
    }
    analysis.Classify();
    return analysis;
}

void CMenuAnalysis::Classify()
{
    if (!HasSales())
        return;
    m_popularityThreshold = kPopularityFactor / static_cast<double>(m_dishes.size());
    m_marginThreshold = m_totalMargin / m_totalPortions;
    for (CMenuDish& dish : m_dishes) {
        dish.MenuMix = dish.Portions / m_totalPortions;
        dish.Class = Classify(dish.MenuMix, dish.Margin, m_popularityThreshold, m_marginThreshold);
    }
}

EMenuClass CMenuAnalysis::Classify(double menuMix, double margin, double popularityThreshold,
                                   double marginThreshold)
{
    const bool popular = Reaches(menuMix, popularityThreshold);
    const bool profitable = Reaches(margin, marginThreshold);
    if (popular)
        return profitable ? EMenuClass::Star : EMenuClass::Workhorse;
    return profitable ? EMenuClass::Puzzle : EMenuClass::Dog;
}

std::string CMenuAnalysis::ClassName(EMenuClass menuClass)
{
    return menuClass == EMenuClass::None ? std::string()
                                         : CStringTables::Load(kClassNames[static_cast<int>(menuClass) - 1]);
}

std::string CMenuAnalysis::ClassAdvice(EMenuClass menuClass)
{
    return menuClass == EMenuClass::None ? std::string()
                                         : CStringTables::Load(kClassAdvice[static_cast<int>(menuClass) - 1]);
}
