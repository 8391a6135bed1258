#pragma once

#include <string>
#include <vector>

// The reference loader of the benchmark: what a developer would write with pugixml to read a
// data file into plain structs (parse, then convert every value).
namespace PugiLoader {

struct CSupplier
{
    int Index;
    std::string Name;
    double Price, Amount;
};

struct CIngredient
{
    int Index, StockActive, SupplierUseIndex;
    std::string Name, Group, Unit;
    double StockAmount;
    std::vector<CSupplier> Suppliers;
};

struct CLine
{
    double Amount, WeightLoss;
    int IngredientIndex, RecipeIndex, SortNum;
};

struct CRecipe
{
    int Index, UseAsIngredient, UseForSale, NameGroupIndex;
    std::string Name, Comment, PictureFilename;
    double NbPortion, PriceSell;
    std::vector<CLine> Lines;
};

struct CSale
{
    int Index, NameGroupIndex, RecipeIndex;
    std::string Name, DateTime;
    double NbPortion, PriceBuyPerPortion, PriceSellPerPortionNoTax, PriceSellPerPortionTax;
};

struct CCatalogue
{
    std::vector<std::string> UserData;
    std::vector<std::string> GroupNames;
    std::vector<double> Taxes, Quotes;
    std::vector<CIngredient> Ingredients;
    std::vector<CRecipe> Recipes;
    std::vector<CSale> Sales;
};

// Parses `text` and converts it; false when pugixml refuses the text.
bool Load(const std::string& text, CCatalogue& catalogue);

} // namespace PugiLoader
