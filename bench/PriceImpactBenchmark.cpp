#include "PriceImpactBenchmark.h"

#include "BenchTiming.h"
#include "catalogue/Data.h"
#include "priceimpact/PriceChange.h"
#include "priceimpact/PriceImpact.h"
#include "priceimpact/PriceScenario.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// The impact rows of `ingredient` raised by 10 %, from a fresh scenario.
std::vector<CImpactRow> ImpactOf(const CData& data, const CIngredient& ingredient)
{
    CPriceScenario scenario(data);
    if (CIngredient* copy = scenario.Replace(ingredient); copy && copy->SupplierInUse)
        copy->SupplierInUse->Price *= 1.1;
    if (!scenario.Build())
        return {};
    return PriceImpact::Rows(scenario);
}

// The ingredient used on the most recipe lines.
const CIngredient* MostUsedIngredient(const CData& data)
{
    std::map<const CIngredient*, int> uses;
    for (const CRecipe& recipe : data.Recipes) {
        for (const CRecipeIngredient& line : recipe.RecipeIngredients) {
            if (line.Ingredient && line.Ingredient->SupplierInUse)
                ++uses[line.Ingredient];
        }
    }
    const auto most = std::max_element(uses.begin(), uses.end(),
                                       [](const auto& a, const auto& b) { return a.second < b.second; });
    return most == uses.end() ? nullptr : most->first;
}

// The ingredient whose change reaches the most recipes (through base recipes too), found by
// trying each once.
const CIngredient* FarthestReachingIngredient(const CData& data)
{
    const CIngredient* farthest = nullptr;
    std::size_t most = 0;
    for (const CIngredient& ingredient : data.Ingredients) {
        if (!ingredient.SupplierInUse)
            continue;
        if (const std::size_t reached = ImpactOf(data, ingredient).size(); reached > most) {
            most = reached;
            farthest = &ingredient;
        }
    }
    return farthest;
}

std::string LargestGroup(const CData& data, int& count)
{
    std::map<std::string, int> sizes;
    for (const CIngredient& ingredient : data.Ingredients) {
        if (ingredient.SupplierInUse)
            ++sizes[ingredient.Group];
    }
    const auto largest = std::max_element(sizes.begin(), sizes.end(),
                                          [](const auto& a, const auto& b) { return a.second < b.second; });
    count = largest == sizes.end() ? 0 : largest->second;
    return largest == sizes.end() ? std::string() : largest->first;
}

} // namespace

void RunPriceImpactBenchmark(const CData& data, int repeat)
{
    std::printf("| work | recipes reached | time (median of %d) |\n|---|---|---|\n", repeat);
    const std::pair<const char*, const CIngredient*> ingredients[] = {
        {"the most used", MostUsedIngredient(data)},
        {"the one reaching the most recipes", FarthestReachingIngredient(data)}};
    for (const auto& [which, ingredient] : ingredients) {
        if (!ingredient)
            continue;
        std::size_t reached = 0;
        const double impact =
            MedianMilliseconds(repeat, [&] { reached = ImpactOf(data, *ingredient).size(); });
        std::printf("| impact of one ingredient (%s) on every recipe | %zu | %.2f ms |\n", which, reached,
                    impact);
    }
    int groupSize = 0;
    CPriceChange change;
    change.Selection = CPriceChange::ByGroup;
    change.Key = LargestGroup(data, groupSize);
    change.Value = 15.0;
    std::size_t dishes = 0;
    const double simulation = MedianMilliseconds(repeat, [&] {
        CPriceScenario scenario(data);
        if (PriceChange::Fill(scenario, change))
            dishes = PriceImpact::Rows(scenario, true).size();
    });
    std::printf(
        "| simulation over the largest goods group (%d ingredients, +15 %%), dishes | %zu | %.2f ms |\n",
        groupSize, dishes, simulation);
}
