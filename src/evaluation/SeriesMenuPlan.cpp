#include "SeriesMenuPlan.h"

#include "evaluation/EvaluationBuilder.h"
#include "resources/StringIds.h"

#include <algorithm>

CSeriesMenuPlan::CSeriesMenuPlan(const CData& data, const CFlags& flags)
{
    Append(CData::SeriesAll, CEvaluationBuilder::DisplayName(data, CData::SeriesAll), flags);
    Append(CData::SeriesAllFood, CEvaluationBuilder::DisplayName(data, CData::SeriesAllFood), flags);
    const int firstDrink = std::clamp(data.NbFoodGroups, 0, CData::kNbGroups);
    for (int group = 0; group <= CData::kNbGroups; ++group) {
        if (group == firstDrink)
            Append(CData::SeriesAllDrinks, CEvaluationBuilder::DisplayName(data, CData::SeriesAllDrinks),
                   flags);
        if (group == CData::kNbGroups)
            break;
        std::string name = data.GetGroupName(group);
        if (!name.empty())
            Append(static_cast<unsigned>(group), std::move(name), flags);
    }
}

void CSeriesMenuPlan::Append(unsigned selector, std::string name, const CFlags& flags)
{
    m_entries.push_back({m_next++, selector, std::move(name), flags[selector]});
}

std::optional<unsigned> CSeriesMenuPlan::SelectorOf(int command) const
{
    for (const CEntry& entry : m_entries) {
        if (entry.Command == command)
            return entry.Selector;
    }
    return std::nullopt;
}

CSeriesMenuPlan::EToggle CSeriesMenuPlan::Toggle(CFlags& flags, unsigned selector)
{
    if (selector >= flags.size())
        return EToggle::Unknown;
    const auto shown = std::count(flags.begin(), flags.end(), true);
    const bool activates = !flags[selector];
    if (activates && shown >= kMaxShown)
        return EToggle::RefusedMaximum;
    if (!activates && shown <= 1)
        return EToggle::RefusedMinimum;
    flags[selector] = activates;
    return EToggle::Switched;
}

int CSeriesMenuPlan::RefusalMessage(EToggle result)
{
    switch (result) {
    case EToggle::RefusedMaximum:
        return StringId::kTooManySeries;
    case EToggle::RefusedMinimum:
        return StringId::kNoSeriesLeft;
    default:
        return 0;
    }
}

CSeriesMenuPlan::CFlags CSeriesMenuPlan::DefaultFlags()
{
    CFlags flags{};
    flags[CData::SeriesAll] = true;
    flags[CData::SeriesAllFood] = true;
    flags[CData::SeriesAllDrinks] = true;
    return flags;
}
