#include "SellPriceStep.h"

#include "catalogue/Data.h"

#include <unordered_map>

CSellPriceStep CSellPriceStep::Apply(const std::vector<CNewPrice>& prices)
{
    CSellPriceStep step;
    step.m_entries.reserve(prices.size());
    for (const CNewPrice& price : prices) {
        step.m_entries.push_back({price.Recipe->Id, price.Recipe->PriceSell, price.Price});
        price.Recipe->PriceSell = price.Price;
    }
    return step;
}

int CSellPriceStep::Undo(CData& data) const
{
    std::unordered_map<int, CRecipe*> byId;
    for (CRecipe& recipe : data.Recipes)
        byId.emplace(recipe.Id, &recipe);
    int restored = 0;
    for (const CEntry& entry : m_entries) {
        const auto found = byId.find(entry.RecipeId);
        if (found == byId.end() || found->second->PriceSell != entry.After)
            continue;
        found->second->PriceSell = entry.Before;
        ++restored;
    }
    return restored;
}
