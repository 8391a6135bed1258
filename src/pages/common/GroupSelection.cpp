#include "GroupSelection.h"

#include "catalogue/Data.h"

bool CGroupSelection::ShowsGroup(int group, const CData& data) const
{
    if (Selected < 0)
        return false;
    if (Selected == All)
        return true;
    if (!CData::IsValidGroup(group))
        return false;
    if (Selected == AllFood)
        return group < data.NbFoodGroups;
    if (Selected == AllDrinks)
        return group >= data.NbFoodGroups;
    return data.GroupSection[group] == Selected;
}
