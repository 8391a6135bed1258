#pragma once

#include <unordered_map>

class CRecipe;

// The cost of goods of recipes, kept for one pass over a catalogue that does not change during
// it (one fill of a list, one recomputation of a dialog): a sub-recipe used by many recipes, or
// asked for by several getters, is costed once instead of at every use. The getters take it as
// an optional argument and give the same figures with or without it; the catalogue itself
// keeps nothing.
class CCostMemo
{
public:
    // The kept cost of `recipe`, or null when it has not been costed in this pass.
    const double* Find(const CRecipe* recipe) const
    {
        const auto found = m_priceBuy.find(recipe);
        return found == m_priceBuy.end() ? nullptr : &found->second;
    }
    double Keep(const CRecipe* recipe, double priceBuy)
    {
        m_priceBuy[recipe] = priceBuy;
        return priceBuy;
    }

private:
    std::unordered_map<const CRecipe*, double> m_priceBuy;
};
