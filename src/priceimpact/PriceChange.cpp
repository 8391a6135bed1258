#include "PriceChange.h"

#include "PriceScenario.h"
#include "catalogue/Data.h"

#include <algorithm>

namespace {

bool IsChosen(const CIngredient& ingredient, const CPriceChange& change)
{
    switch (change.Selection) {
    case CPriceChange::ByIngredients:
        return std::find(change.IngredientIds.begin(), change.IngredientIds.end(), ingredient.Id) !=
               change.IngredientIds.end();
    case CPriceChange::ByGroup:
        return ingredient.Group == change.Key;
    case CPriceChange::BySupplier:
        return ingredient.SupplierInUse->Name == change.Key;
    }
    return false;
}

} // namespace

namespace PriceChange {

std::vector<std::string> SupplierNamesInUse(const CData& data)
{
    std::vector<std::string> names;
    for (const CIngredient& ingredient : data.Ingredients) {
        if (ingredient.SupplierInUse &&
            std::find(names.begin(), names.end(), ingredient.SupplierInUse->Name) == names.end())
            names.push_back(ingredient.SupplierInUse->Name);
    }
    return names;
}

std::vector<const CIngredient*> Select(const CData& data, const CPriceChange& change)
{
    std::vector<const CIngredient*> chosen;
    for (const CIngredient& ingredient : data.Ingredients) {
        if (ingredient.SupplierInUse && IsChosen(ingredient, change))
            chosen.push_back(&ingredient);
    }
    return chosen;
}

double NewPrice(double price, const CPriceChange& change)
{
    return change.Mode == CPriceChange::Percent ? price * (100.0 + change.Value) / 100.0 : change.Value;
}

bool Fill(CPriceScenario& scenario, const CPriceChange& change)
{
    for (const CIngredient* ingredient : Select(scenario.Data(), change)) {
        CIngredient* copy = scenario.Replace(*ingredient);
        if (!copy)
            return false;
        copy->SupplierInUse->Price = NewPrice(copy->SupplierInUse->Price, change);
    }
    return scenario.Build();
}

} // namespace PriceChange
