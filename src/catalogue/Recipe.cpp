#include "Recipe.h"

#include "catalogue/CostMemo.h"
#include "catalogue/Data.h"
#include "catalogue/RecordCounter.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <algorithm>
#include <cmath>
#include <new>

namespace {
CRecordCounter s_counter;

constexpr double kTinyNetPrice = 1e-5;
} // namespace

CRecipe::CRecipe(CData* owner)
    : Owner(owner), Id(s_counter.Next()), PortionUnit(CStringTables::Load(StringId::kPortions))
{}

CRecipe::~CRecipe() = default;

bool CRecipe::CopyFrom(const CRecipe& source)
{
    if (&source == this)
        return true;
    RecipeIngredients.Clear();
    Name = source.Name;
    NbPortion = source.NbPortion;
    UseAsIngredient = source.UseAsIngredient;
    UseForSale = source.UseForSale;
    Comment = source.Comment;
    PriceSell = source.PriceSell;
    NameGroupIndex = source.NameGroupIndex;
    FileIndex = source.FileIndex;
    PictureFilename = source.PictureFilename;
    for (const CRecipeIngredient& line : source.RecipeIngredients) {
        if (!AddRecipeIngredient(line))
            return false;
    }
    return true;
}

// Creates a line, lets `fill` set it up and appends it; reports an allocation failure.
template <class Fill> int CRecipe::AddLine(Fill fill)
{
    try {
        auto line = std::make_unique<CRecipeIngredient>(this);
        fill(*line);
        RecipeIngredients.Append(std::move(line));
        return 1;
    } catch (const std::bad_alloc&) {
        if (Owner)
            Owner->ReportAllocationFailure("CRecipe::AddRecipeIngredient() -> new CRecipeIngredient failed");
        return 0;
    }
}

int CRecipe::AddRecipeIngredient(CRecipe* subRecipe, CIngredient* ingredient, double amount,
                                 double weightLoss)
{
    int largest = 0;
    for (const CRecipeIngredient& other : RecipeIngredients)
        largest = std::max(largest, other.SortNum);
    return AddLine([&](CRecipeIngredient& line) {
        line.SubRecipe = subRecipe;
        line.Ingredient = ingredient;
        line.Amount = amount;
        line.WeightLoss = weightLoss;
        line.SortNum = largest + 1;
    });
}

int CRecipe::AddRecipeIngredient(int recipeIndex, int ingredientIndex, double amount, double weightLoss,
                                 int sortNum)
{
    return AddLine([&](CRecipeIngredient& line) {
        line.RecipeIndex = recipeIndex;
        line.IngredientIndex = ingredientIndex;
        line.Amount = amount;
        line.WeightLoss = weightLoss;
        line.SortNum = sortNum;
    });
}

int CRecipe::AddRecipeIngredient(const CRecipeIngredient& source)
{
    return AddLine([&](CRecipeIngredient& line) {
        line.Amount = source.Amount;
        line.WeightLoss = source.WeightLoss;
        line.Ingredient = source.Ingredient;
        line.SubRecipe = source.SubRecipe;
        line.IngredientIndex = source.IngredientIndex;
        line.RecipeIndex = source.RecipeIndex;
        line.SortNum = source.SortNum;
    });
}

void CRecipe::DeleteRecipeIngredient(CRecipeIngredient* line)
{
    if (!RecipeIngredients.Contains(line))
        return;
    const int removed = line->SortNum;
    RecipeIngredients.Remove(line);
    for (CRecipeIngredient& other : RecipeIngredients) {
        if (other.SortNum > removed)
            --other.SortNum;
    }
}

bool CRecipe::ContainsRecipe(const CRecipe* recipe) const
{
    std::vector<const CRecipe*> visited;
    return ContainsRecipe(recipe, visited);
}

// Depth-first walk; each sub-recipe is looked into once, so shared sub-recipes cost no
// repeated work and a cycle in a damaged catalogue cannot make it run forever.
bool CRecipe::ContainsRecipe(const CRecipe* recipe, std::vector<const CRecipe*>& visited) const
{
    visited.push_back(this);
    for (const CRecipeIngredient& line : RecipeIngredients) {
        const CRecipe* sub = line.SubRecipe;
        if (!sub)
            continue;
        if (sub == recipe)
            return true;
        if (std::find(visited.begin(), visited.end(), sub) == visited.end() &&
            sub->ContainsRecipe(recipe, visited))
            return true;
    }
    return false;
}

namespace {

// The first record of a ring with the given file index, or none.
template <class T> T* FirstWithFileIndex(CRing<T>& ring, int fileIndex)
{
    for (T& record : ring) {
        if (record.FileIndex == fileIndex)
            return &record;
    }
    return nullptr;
}

} // namespace

// A reference that would close a cycle stays unresolved: the costs recurse through
// sub-recipes and must end.
void CRecipe::RestoreIngredients(CRing<CIngredient>& ingredients, CRing<CRecipe>& recipes)
{
    RestoreIngredients(
        !ingredients.IsEmpty(), [&](int index) { return FirstWithFileIndex(ingredients, index); },
        !recipes.IsEmpty(), [&](int index) { return FirstWithFileIndex(recipes, index); },
        [this](const CRecipe& sub) { return &sub != this && !sub.ContainsRecipe(this); });
}

void CRecipe::RestoreIngredients(bool haveIngredients, const std::function<CIngredient*(int)>& findIngredient,
                                 bool haveRecipes, const std::function<CRecipe*(int)>& findRecipe,
                                 const std::function<bool(const CRecipe&)>& acceptSubRecipe)
{
    for (CRecipeIngredient& line : RecipeIngredients) {
        if (line.Ingredient || line.SubRecipe)
            continue;
        if (line.IngredientIndex != -1 && haveIngredients) {
            if (CIngredient* ingredient = findIngredient(line.IngredientIndex)) {
                line.Ingredient = ingredient;
                line.IngredientIndex = -1;
            }
        } else if (line.RecipeIndex != -1 && haveRecipes) {
            CRecipe* recipe = findRecipe(line.RecipeIndex);
            if (recipe && acceptSubRecipe(*recipe)) {
                line.SubRecipe = recipe;
                line.RecipeIndex = -1;
            }
        }
    }
}

double CRecipe::GetPriceBuy(CCostMemo* memo) const
{
    if (const double* kept = memo ? memo->Find(this) : nullptr)
        return *kept;
    double sum = 0.0;
    for (const CRecipeIngredient& line : RecipeIngredients)
        sum += line.GetAmountGross() * line.GetPricePerUnit(memo);
    return memo ? memo->Keep(this, sum) : sum;
}

double CRecipe::GetPriceBuyPerPortion(CCostMemo* memo) const
{
    return NbPortion != 0.0 ? GetPriceBuy(memo) / NbPortion : 0.0;
}

double CRecipe::GetPriceSellNoTax() const
{
    return PriceSell * 100.0 / (GroupTax() + 100.0);
}

double CRecipe::GetPriceSellCurrency2() const
{
    return (Owner ? Owner->CurrencyFactor2 : 1.0) * PriceSell;
}

double CRecipe::GetPriceSellCalculatedNoTax(CCostMemo* memo) const
{
    const double cost = GetPriceBuyPerPortion(memo);
    const double quote = GroupQuote();
    return quote > 0.0 ? cost / quote * 100.0 : cost;
}

double CRecipe::GetPriceSellCalculatedTax(CCostMemo* memo) const
{
    return GetPriceSellCalculatedNoTax(memo) * (GroupTax() + 100.0) * 0.01;
}

double CRecipe::GetContributionMargin(CCostMemo* memo) const
{
    return GetPriceSellNoTax() - GetPriceBuyPerPortion(memo);
}

double CRecipe::GetCostRatio(CCostMemo* memo) const
{
    const double net = GetPriceSellNoTax();
    return net >= kTinyNetPrice ? GetPriceBuyPerPortion(memo) * 100.0 / net : 0.0;
}

double CRecipe::GroupTax() const
{
    return Owner ? Owner->GetTax(NameGroupIndex) : 0.0;
}

double CRecipe::GroupQuote() const
{
    return Owner ? Owner->GetQuote(NameGroupIndex) : 0.0;
}

std::vector<const CRecipeIngredient*> CRecipe::GetLinesInOrder() const
{
    std::vector<const CRecipeIngredient*> lines;
    lines.reserve(static_cast<size_t>(GetNbRecipeIngredients()));
    for (const CRecipeIngredient& line : RecipeIngredients)
        lines.push_back(&line);
    std::stable_sort(lines.begin(), lines.end(), [](const CRecipeIngredient* a, const CRecipeIngredient* b) {
        return a->SortNum < b->SortNum;
    });
    return lines;
}

bool CRecipe::GetPortionFactor(double portions, double& factor) const
{
    if (NbPortion == 0.0 || !std::isfinite(NbPortion))
        return false;
    factor = portions / NbPortion;
    return std::isfinite(factor);
}
