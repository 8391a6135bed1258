#include "SectionPlan.h"

#include "resources/StringIds.h"
#include "resources/StringTables.h"

CSectionPlan CSectionPlan::MasterData()
{
    return FromIds({108, 111, 115, 109, 132, 110, 133, 183});
}

CSectionPlan CSectionPlan::Evaluation()
{
    return FromIds({169, 170, 171, 156, 158});
}

CSectionPlan CSectionPlan::FromIds(std::initializer_list<int> ids)
{
    CSectionPlan plan;
    for (const int id : ids)
        plan.Add(CStringTables::Load(id));
    return plan;
}

CSectionPlan CSectionPlan::Groups(const CData& data)
{
    CSectionPlan plan;
    plan.Selectors.All = plan.Add(CStringTables::Load(StringId::kAll), kAllColor);
    plan.Selectors.AllFood = plan.Add(CStringTables::Load(StringId::kAllFood), kAllOfKindColor);
    for (int group = 0; group < CData::kNbGroups; ++group) {
        if (group == data.NbFoodGroups)
            plan.Selectors.AllDrinks = plan.Add(CStringTables::Load(StringId::kAllDrinks), kAllOfKindColor);
        if (!data.NameGroup[group].empty())
            plan.GroupSection[group] = plan.Add(data.NameGroup[group]);
    }
    return plan;
}

int CSectionPlan::Add(const std::string& text, std::optional<CColor> color)
{
    Entries.push_back({text, color});
    return static_cast<int>(Entries.size()) - 1;
}
