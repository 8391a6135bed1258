#pragma once

#include "registerimport/DishProposal.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CData;

// Proposes a dish for a register item text among the catalogue's dishes (recipes with the dish
// flag): the exact name, then the same name ignoring case, then ignoring umlauts, ß, spacing
// and punctuation, then the name sharing the most letter triples when the similarity reaches
// kThreshold. Equal candidates go to the first dish in catalogue order. Built once per import,
// so a proposal for each of hundreds of items against thousands of dishes is quick.
class CDishProposer
{
public:
    static constexpr double kThreshold = 0.5;
    // How sure each kind of proposal is; a closest name counts its similarity times kClosestWeight.
    static constexpr double kSureIgnoreCase = 0.95;
    static constexpr double kSureNormalised = 0.9;
    static constexpr double kClosestWeight = 0.85;

    explicit CDishProposer(const CData& data);

    CDishProposal Propose(std::string_view itemText) const;

private:
    struct CDish
    {
        const CRecipe* Recipe;
        std::size_t Trigrams;
    };
    CDishProposal Closest(const std::string& normalised) const;

    std::vector<CDish> m_dishes;
    std::unordered_map<std::string, std::size_t> m_exact, m_lower, m_normalised;
    std::unordered_map<std::string, std::vector<std::size_t>> m_byTrigram;
    mutable std::vector<int> m_shared;
};
