#include "Data.h"

#include "catalogue/CatalogueOwner.h"
#include "catalogue/Money.h"
#include "catalogue/RecipeGraph.h"
#include "catalogue/RecordCounter.h"
#include "catalogue/SortKey.h"
#include "resources/StringIds.h"

#include <new>
#include <unordered_map>

namespace {
CRecordCounter s_counter;

// Creates a record owned by `data`, makes it a copy of `source` and appends it to `ring`;
// on an allocation failure nothing is appended.
template <class T> int AddCopy(CData& data, CRing<T>& ring, const T& source, const char* failureLine)
{
    try {
        auto record = std::make_unique<T>(&data);
        if (!record->CopyFrom(source))
            return 0;
        ring.Append(std::move(record));
        return 1;
    } catch (const std::bad_alloc&) {
        data.ReportAllocationFailure(failureLine);
        return 0;
    }
}

bool SameDay(const CDateTime& a, const CDateTime& b)
{
    return a.GetYear() == b.GetYear() && a.GetMonth() == b.GetMonth() && a.GetDay() == b.GetDay();
}

} // namespace

CData::CData(CCatalogueOwner* owner) : Owner(owner), Id(s_counter.Next())
{
    GroupSection.fill(-1);
}

CData::~CData()
{
    Sales.Clear();
    Recipes.Clear();
    Ingredients.Clear();
}

void CData::SetDefaults()
{
    struct CGroupDefault
    {
        int Index;
        const char* Name;
        double Quote;
    };
    static constexpr CGroupDefault kGroups[] = {
        {0, "Suppen", 30.0},
        {1, "Vorspeisen", 30.0},
        {2, "Salate", 30.0},
        {3, "Fleischgerichte", 30.0},
        {4, "Fischgerichte", 30.0},
        {5, "Vegetarisch", 30.0},
        {6, "Desserts", 30.0},
        {7, "Kuchen und Torten", 30.0},
        {8, "Eis", 30.0},
        {10, "Alkoholfreie G.", 20.0},
        {11, "Biere", 25.0},
        {12, "Cocktails", 25.0},
        {13, "Mischgetr\xE4nke", 25.0},
        {14, "Spirituosen", 18.0},
        {15, "Warme Getr\xE4nke", 10.0},
        {16, "Weine", 25.0},
    };
    CurrencyUnit = "EUR";
    CurrencyUnit2.clear();
    CurrencyFactor2 = 1.0;
    Taxes.fill(19.0);
    for (const CGroupDefault& group : kGroups) {
        NameGroup[group.Index] = group.Name;
        Quotes[group.Index] = group.Quote;
    }
}

int CData::AddIngredient(const CIngredient& source)
{
    return AddCopy(*this, Ingredients, source, "CData::AddIngredient() -> new CIngredient failed");
}

int CData::AddRecipe(const CRecipe& source)
{
    return AddCopy(*this, Recipes, source, "CData::AddRecipe() -> new CRecipe failed");
}

int CData::AddSale(const CSale& source)
{
    return AddCopy(*this, Sales, source, "CData::AddSale() -> new CSale failed");
}

CSale* CData::FindMergeableSale(const CRecipe* recipe, const CDateTime& dateTime)
{
    const double cost = recipe->GetPriceBuyPerPortion();
    for (CSale& sale : Sales) {
        if (sale.Recipe == recipe && SameDay(sale.DateTime, dateTime) && sale.PriceBuyPerPortion == cost &&
            sale.PriceSellPerPortionTax == recipe->PriceSell)
            return &sale;
    }
    return nullptr;
}

int CData::AddSaleFromRecipe(CRecipe* recipe, double portions, const CDateTime& dateTime)
{
    if (!recipe)
        return 0;
    if (CSale* sale = FindMergeableSale(recipe, dateTime)) {
        sale->NbPortion += portions;
        return 1;
    }
    CSale sale(this);
    sale.Name = recipe->Name;
    sale.NameGroupIndex = recipe->NameGroupIndex;
    sale.NbPortion = portions;
    sale.PriceBuyPerPortion = recipe->GetPriceBuyPerPortion();
    sale.PriceSellPerPortionNoTax = recipe->GetPriceSellNoTax();
    sale.PriceSellPerPortionTax = recipe->PriceSell;
    sale.DateTime = dateTime;
    sale.Recipe = recipe;
    return AddSale(sale);
}

bool CData::CanDeleteIngredient(const CIngredient* ingredient) const
{
    for (const CRecipe& recipe : Recipes) {
        for (const CRecipeIngredient& line : recipe.RecipeIngredients) {
            if (line.Ingredient == ingredient)
                return false;
        }
    }
    return true;
}

bool CData::CanDeleteRecipe(const CRecipe* recipe) const
{
    for (const CRecipe& other : Recipes) {
        if (&other != recipe && other.ContainsRecipe(recipe))
            return false;
    }
    return true;
}

// Lines that still use the ingredient lose it rather than point at freed memory; callers ask
// CanDeleteIngredient first, so normally there are none.
int CData::DeleteIngredient(CIngredient* ingredient)
{
    if (!Ingredients.Contains(ingredient))
        return 1;
    for (CRecipe& recipe : Recipes) {
        for (CRecipeIngredient& line : recipe.RecipeIngredients) {
            if (line.Ingredient == ingredient)
                line.Ingredient = nullptr;
        }
    }
    Ingredients.Remove(ingredient);
    return 1;
}

int CData::DeleteRecipe(CRecipe* recipe)
{
    if (!Recipes.Contains(recipe))
        return 1;
    for (CSale& sale : Sales) {
        if (sale.Recipe == recipe)
            sale.Recipe = nullptr;
    }
    for (CRecipe& other : Recipes) {
        for (CRecipeIngredient& line : other.RecipeIngredients) {
            if (line.SubRecipe == recipe)
                line.SubRecipe = nullptr;
        }
    }
    Recipes.Remove(recipe);
    return 1;
}

int CData::DeleteSale(CSale* sale)
{
    Sales.Remove(sale);
    return 1;
}

int CData::DeleteSales(const std::unordered_set<int>& saleIds)
{
    if (saleIds.empty())
        return 0;
    return Sales.RemoveIf([&saleIds](const CSale& sale) { return saleIds.contains(sale.Id); });
}

void CData::SortIngredients(const std::string& key, bool ascending)
{
    if (key != "Name" && key != "Group|Name")
        return;
    const bool byGroup = key == "Group|Name";
    auto groupKey = [](const CIngredient& ingredient) {
        return SortKey::Make(ingredient.Group.empty() ? std::string("XXXXXXXXXX") : ingredient.Group);
    };
    auto compare = [&](const CIngredient& a, const CIngredient& b) {
        const int order = byGroup ? SortKey::Compare(groupKey(a), groupKey(b)) : 0;
        return order != 0 ? order : SortKey::Compare(SortKey::Make(a.Name), SortKey::Make(b.Name));
    };
    Ingredients.StableSort([&](const CIngredient& a, const CIngredient& b) {
        const int order = compare(a, b);
        return ascending ? order < 0 : order > 0;
    });
}

namespace {

// File index -> the first record of the ring with it.
template <class T> std::unordered_map<int, T*> FileIndexTable(CRing<T>& ring)
{
    std::unordered_map<int, T*> table;
    table.reserve(static_cast<size_t>(ring.Count()));
    for (T& record : ring)
        table.emplace(record.FileIndex, &record);
    return table;
}

template <class T> T* Lookup(const std::unordered_map<int, T*>& table, int fileIndex)
{
    const auto it = table.find(fileIndex);
    return it == table.end() ? nullptr : it->second;
}

} // namespace

void CData::RestoreIngredients()
{
    const auto ingredients = FileIndexTable(Ingredients);
    const auto recipes = FileIndexTable(Recipes);
    for (CRecipe& recipe : Recipes) {
        recipe.RestoreIngredients(
            !Ingredients.IsEmpty(), [&](int index) { return Lookup(ingredients, index); }, !Recipes.IsEmpty(),
            [&](int index) { return Lookup(recipes, index); }, [](const CRecipe&) { return true; });
    }
    RecipeGraph::UnlinkCyclesAndDeepNesting(Recipes);
}

double CData::GetTax(int group) const
{
    return IsValidGroup(group) ? Taxes[group] : 0.0;
}

double CData::GetQuote(int group) const
{
    return IsValidGroup(group) ? Quotes[group] : 0.0;
}

std::string CData::GetGroupName(int group) const
{
    return IsValidGroup(group) ? NameGroup[group] : std::string();
}

double CData::GetStockValue() const
{
    std::int64_t cents = 0;
    for (const CIngredient& ingredient : Ingredients) {
        if (ingredient.StockActive != 0)
            cents = Money::AddSaturated(cents, Money::TruncateToCents(ingredient.GetStockValue()));
    }
    return static_cast<double>(cents) * 0.01;
}

void CData::ReportAllocationFailure(const std::string& logLine) const
{
    if (!Owner)
        return;
    Owner->WriteLog(logLine);
    Owner->ShowMessage(StringId::kOutOfMemory);
}
