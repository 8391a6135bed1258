#pragma once

#include "catalogue/DateTime.h"
#include "catalogue/Ingredient.h"
#include "catalogue/Measure.h"
#include "catalogue/Recipe.h"
#include "catalogue/RegisterMapping.h"
#include "catalogue/Ring.h"
#include "catalogue/Sale.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_set>

class CCatalogueOwner;

// The catalogue: master data, ingredients, recipes and sales of one data file. It owns every
// record; records refer to each other by pointer.
class CData
{
public:
    static constexpr int kNbGroups = 20;

    explicit CData(CCatalogueOwner* owner = nullptr);
    virtual ~CData();
    CData(const CData&) = delete;
    CData& operator=(const CData&) = delete;

    // Default currencies, VAT rates, group names and target ratios; user data and records stay.
    void SetDefaults();

    // Append a copy of `source`. 1 = done, 0 = out of memory (logged, message 209 shown).
    [[nodiscard]] int AddIngredient(const CIngredient& source);
    [[nodiscard]] int AddRecipe(const CRecipe& source);
    [[nodiscard]] int AddSale(const CSale& source);
    // Books portions of `recipe` at `dateTime` with its current prices, merging into a sale of
    // the same recipe, day and prices. 0 without a recipe.
    [[nodiscard]] int AddSaleFromRecipe(CRecipe* recipe, double portions, const CDateTime& dateTime);

    bool CanDeleteIngredient(const CIngredient* ingredient) const;
    bool CanDeleteRecipe(const CRecipe* recipe) const;
    [[nodiscard]] int DeleteIngredient(CIngredient* ingredient);
    [[nodiscard]] int DeleteRecipe(CRecipe* recipe);
    [[nodiscard]] int DeleteSale(CSale* sale);
    // Removes the sales whose Id is in `saleIds` in one pass over the sales, keeping the order of
    // the others; Ids of no sale are ignored. Returns how many sales were removed.
    int DeleteSales(const std::unordered_set<int>& saleIds);

    // Reorders the ingredients by "Name" or "Group|Name"; equal keys keep their order.
    void SortIngredients(const std::string& key, bool ascending);

    // Resolves the lines of every recipe, with the file indices looked up in tables built
    // once, then unlinks references that close a cycle or nest deeper than
    // RecipeGraph::kMaxNesting (RecipeGraph.h): any file links in linear time and prices safely.
    void RestoreIngredients();

    int GetNbIngredients() const { return Ingredients.Count(); }
    int GetNbRecipes() const { return Recipes.Count(); }

    // VAT rate, target ratio and name of a group; 0 and empty outside 0..19.
    double GetTax(int group) const;
    double GetQuote(int group) const;
    std::string GetGroupName(int group) const;
    static bool IsValidGroup(int group) { return group >= 0 && group < kNbGroups; }

    // Value of the stock of all active ingredients, in whole cents.
    double GetStockValue() const;

    // Series selectors of the sales sums beside the group indices 0..19.
    enum ESeries : unsigned { SeriesAll = 20, SeriesAllFood = 21, SeriesAllDrinks = 22, NbSeries = 23 };
    // Measures of the sales sums; any other index yields 0.

    // The measure over the sales of a series dated in [start, end), in catalogue order. Original
    // data uses the prices frozen in each sale; simulation uses the recipes' current prices and
    // skips sales whose recipe was deleted. Sales with a negative group belong to no series.
    double EvaluateSales(unsigned selector, EMeasure measure, bool originalData, const CDateTime& start,
                         const CDateTime& end) const;
    // Figures of one recipe's sales dated in [start, end), from the prices frozen in the sales;
    // 0 for no recipe. The ratio is 0 when the net revenue is 0.
    double GetRecipePortionsSold(const CRecipe* recipe, const CDateTime& start, const CDateTime& end) const;
    double GetRecipeGrossRevenue(const CRecipe* recipe, const CDateTime& start, const CDateTime& end) const;
    double GetRecipeMargin(const CRecipe* recipe, const CDateTime& start, const CDateTime& end) const;
    double GetRecipeCostRatio(const CRecipe* recipe, const CDateTime& start, const CDateTime& end) const;

    // Writes a log line and shows message 209 through the owner, if there is one.
    void ReportAllocationFailure(const std::string& logLine) const;
    CCatalogueOwner* GetOwner() const { return Owner; }

    static constexpr int ClassVersion = 1;

    CCatalogueOwner* const Owner;
    const int Id;
    std::string Company, Firstname, Lastname, Street, PLZ, City, Country;
    std::string CurrencyUnit = "EUR";
    std::string CurrencyUnit2;
    double CurrencyFactor2 = 1.0;
    std::array<std::string, kNbGroups> NameGroup;
    std::array<int, kNbGroups> GroupSection;
    int NbFoodGroups = 10;
    std::array<double, kNbGroups> Taxes{};
    std::array<double, kNbGroups> Quotes{};
    CRing<CIngredient> Ingredients;
    CRing<CRecipe> Recipes;
    CRing<CSale> Sales;
    // Item mappings and booked sources of the cash register imports.
    CRegisterMapping RegisterMapping;

private:
    CSale* FindMergeableSale(const CRecipe* recipe, const CDateTime& dateTime);
};
