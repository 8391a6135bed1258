#include "RecipeIngredient.h"

#include "catalogue/Ingredient.h"
#include "catalogue/Recipe.h"
#include "catalogue/RecordCounter.h"

#include <algorithm>

namespace {
CRecordCounter s_counter;

constexpr double kWeightLossCap = 99.0;
constexpr double kTinyAmount = 1e-13;
} // namespace

CRecipeIngredient::CRecipeIngredient(CRecipe* owner) : Owner(owner), Id(s_counter.Next()) {}

std::string CRecipeIngredient::GetName() const
{
    if (SubRecipe)
        return SubRecipe->Name;
    if (Ingredient)
        return Ingredient->Name;
    return "undefined";
}

std::string CRecipeIngredient::GetUnit() const
{
    if (SubRecipe)
        return SubRecipe->PortionUnit;
    if (Ingredient)
        return Ingredient->Unit;
    return "undefined";
}

double CRecipeIngredient::GetAmountGross() const
{
    const double loss = std::clamp(WeightLoss, 0.0, kWeightLossCap);
    return Amount * 100.0 / (100.0 - loss);
}

double CRecipeIngredient::GetPricePerUnit(CCostMemo* memo) const
{
    if (SubRecipe)
        return SubRecipe->NbPortion != 0.0 ? SubRecipe->GetPriceBuy(memo) / SubRecipe->NbPortion : 0.0;
    if (Ingredient) {
        const CIngredientSupplier* supplier = Ingredient->SupplierInUse;
        const double price = supplier ? supplier->Price : 0.0;
        const double amount = supplier && supplier->Amount >= kTinyAmount ? supplier->Amount : 1.0;
        return price / amount;
    }
    return 0.0;
}

double CRecipeIngredient::GetPrice(CCostMemo* memo) const
{
    return GetPricePerUnit(memo) * GetAmountGross();
}
