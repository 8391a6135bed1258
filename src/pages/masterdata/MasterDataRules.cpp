#include "MasterDataRules.h"

#include "catalogue/Data.h"
#include "pages/common/MessageText.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

int MasterDataRules::FirstGroup(const CData& data, bool drinks)
{
    return drinks ? data.NbFoodGroups : 0;
}

bool MasterDataRules::GroupHasRecipes(const CData& data, int group)
{
    for (const CRecipe& recipe : data.Recipes) {
        if (recipe.NameGroupIndex == group)
            return true;
    }
    return false;
}

bool MasterDataRules::StoreGroupName(CData& data, int group, const std::string& name)
{
    if (!CData::IsValidGroup(group))
        return true;
    if (name.empty() && !data.NameGroup[group].empty() && GroupHasRecipes(data, group))
        return false;
    data.NameGroup[group] = name;
    return true;
}

std::string MasterDataRules::RowLabel(const CData& data, int group)
{
    const std::string name = data.GetGroupName(group);
    return name.empty() ? std::string() : name + " :";
}

std::string MasterDataRules::FactorLabel(const std::string& currency)
{
    return MessageText::ReplaceAll(CStringTables::Load(StringId::kFactorLabel), "UNIT", currency);
}
