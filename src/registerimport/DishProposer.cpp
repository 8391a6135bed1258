#include "DishProposer.h"

#include "catalogue/Data.h"
#include "registerimport/ItemNames.h"

CDishProposer::CDishProposer(const CData& data)
{
    for (const CRecipe& recipe : data.Recipes) {
        if (!recipe.UseForSale)
            continue;
        const std::size_t index = m_dishes.size();
        const std::string normalised = ItemNames::Normalise(recipe.Name);
        const std::vector<std::string> trigrams = ItemNames::Trigrams(normalised);
        m_dishes.push_back({&recipe, normalised.empty() ? 0 : trigrams.size()});
        m_exact.emplace(recipe.Name, index);
        m_lower.emplace(ItemNames::Lower(recipe.Name), index);
        if (normalised.empty())
            continue;
        m_normalised.emplace(normalised, index);
        for (const std::string& trigram : trigrams)
            m_byTrigram[trigram].push_back(index);
    }
    m_shared.assign(m_dishes.size(), 0);
}

CDishProposal CDishProposer::Propose(std::string_view itemText) const
{
    using EKind = CDishProposal::EKind;
    if (const auto found = m_exact.find(std::string(itemText)); found != m_exact.end())
        return {m_dishes[found->second].Recipe, EKind::Exact, 1.0};
    if (const auto found = m_lower.find(ItemNames::Lower(itemText)); found != m_lower.end())
        return {m_dishes[found->second].Recipe, EKind::IgnoreCase, kSureIgnoreCase};
    const std::string normalised = ItemNames::Normalise(itemText);
    if (normalised.empty())
        return {};
    if (const auto found = m_normalised.find(normalised); found != m_normalised.end())
        return {m_dishes[found->second].Recipe, EKind::Normalised, kSureNormalised};
    return Closest(normalised);
}

// Counts the triples each dish shares with the item through the index of triples, so only
// dishes with something in common are looked at.
CDishProposal CDishProposer::Closest(const std::string& normalised) const
{
    const std::vector<std::string> trigrams = ItemNames::Trigrams(normalised);
    std::vector<std::size_t> touched;
    for (const std::string& trigram : trigrams) {
        const auto found = m_byTrigram.find(trigram);
        if (found == m_byTrigram.end())
            continue;
        for (const std::size_t dish : found->second) {
            if (m_shared[dish]++ == 0)
                touched.push_back(dish);
        }
    }
    CDishProposal best;
    std::size_t bestIndex = m_dishes.size();
    for (const std::size_t dish : touched) {
        const double similarity =
            2.0 * m_shared[dish] / static_cast<double>(trigrams.size() + m_dishes[dish].Trigrams);
        m_shared[dish] = 0;
        if (similarity < kThreshold)
            continue;
        if (similarity > best.Sureness || (similarity == best.Sureness && dish < bestIndex)) {
            best = {m_dishes[dish].Recipe, CDishProposal::EKind::Closest, similarity};
            bestIndex = dish;
        }
    }
    best.Sureness *= kClosestWeight;
    return best;
}
