#pragma once

#include "catalogue/RecipeIngredient.h"
#include "catalogue/Ring.h"

#include <functional>
#include <string>
#include <vector>

class CCostMemo;
class CData;
class CIngredient;

// A dish or drink: lines of ingredients and sub-recipes, the portions they yield and the
// actual selling price. Every price figure is computed on demand from the lines.
class CRecipe
{
public:
    explicit CRecipe(CData* owner = nullptr);
    virtual ~CRecipe();
    CRecipe(const CRecipe&) = delete;
    CRecipe& operator=(const CRecipe&) = delete;

    // Makes this a copy of `source`, lines included; PortionUnit stays. Returns false when a
    // line could not be duplicated.
    [[nodiscard]] bool CopyFrom(const CRecipe& source);

    // Interactive form: the new line gets SortNum = 1 + the largest SortNum so far (1 first).
    int AddRecipeIngredient(CRecipe* subRecipe, CIngredient* ingredient, double amount, double weightLoss);
    // Loading form: keeps the file indices for RestoreIngredients.
    int AddRecipeIngredient(int recipeIndex, int ingredientIndex, double amount, double weightLoss,
                            int sortNum);
    // Copy form: duplicates another line.
    int AddRecipeIngredient(const CRecipeIngredient& source);
    // Removes the line and closes the gap it leaves in the SortNum numbering.
    void DeleteRecipeIngredient(CRecipeIngredient* line);
    int GetNbRecipeIngredients() const { return RecipeIngredients.Count(); }

    // True when a line uses `recipe` as sub-recipe, directly or at any depth.
    bool ContainsRecipe(const CRecipe* recipe) const;
    // Resolves the file indices of unresolved lines to the first record of the two rings with
    // that file index; a sub-recipe that would close a cycle is not linked.
    void RestoreIngredients(CRing<CIngredient>& ingredients, CRing<CRecipe>& recipes);
    // The same with lookups by file index (CData::RestoreIngredients builds them once for all
    // recipes); `have...` tells whether that ring holds any record at all, and a sub-recipe is
    // linked only when `acceptSubRecipe` agrees.
    void RestoreIngredients(bool haveIngredients, const std::function<CIngredient*(int)>& findIngredient,
                            bool haveRecipes, const std::function<CRecipe*(int)>& findRecipe,
                            const std::function<bool(const CRecipe&)>& acceptSubRecipe);

    // The cost getters take an optional memo (CostMemo.h) that keeps recipe costs for one pass
    // over an unchanging catalogue; the figures are the same with or without it.

    // Cost of goods of the whole recipe.
    double GetPriceBuy(CCostMemo* memo = nullptr) const;
    // Cost of goods of one portion; 0 when NbPortion is 0.
    double GetPriceBuyPerPortion(CCostMemo* memo = nullptr) const;
    // PriceSell without the VAT of the recipe's group.
    double GetPriceSellNoTax() const;
    double GetPriceSell() const { return PriceSell; }
    double GetPriceSellCurrency2() const;
    // Cost per portion raised to the group's target cost ratio; the cost itself without a ratio.
    double GetPriceSellCalculatedNoTax(CCostMemo* memo = nullptr) const;
    double GetPriceSellCalculatedTax(CCostMemo* memo = nullptr) const;
    // Net selling price minus cost per portion.
    double GetContributionMargin(CCostMemo* memo = nullptr) const;
    // Cost per portion in percent of the net selling price; 0 when that is below 1e-5.
    double GetCostRatio(CCostMemo* memo = nullptr) const;

    // The lines as the recipe lists them: by SortNum, lines of equal number in stored order.
    // The dialog, the quantity calculation and the printed sheets all show this order.
    std::vector<const CRecipeIngredient*> GetLinesInOrder() const;
    // What a line's amount and price are multiplied by for `portions` portions: portions /
    // NbPortion. False when the recipe yields no portions (0 or not a number), so that nothing
    // is scaled by a meaningless factor; the quantity calculation is then refused.
    bool GetPortionFactor(double portions, double& factor) const;

    static constexpr int ClassVersion = 1;

    CData* const Owner;
    const int Id;
    std::string Name;
    double NbPortion = 1.0;
    int UseAsIngredient = 0;
    int UseForSale = 1;
    std::string Comment;
    double PriceSell = 0.0;
    std::string PortionUnit;
    int NameGroupIndex = -1;
    int FileIndex = -1;
    std::string PictureFilename;
    CRing<CRecipeIngredient> RecipeIngredients;

private:
    template <class Fill> int AddLine(Fill fill);
    bool ContainsRecipe(const CRecipe* recipe, std::vector<const CRecipe*>& visited) const;
    double GroupTax() const;
    double GroupQuote() const;
};
