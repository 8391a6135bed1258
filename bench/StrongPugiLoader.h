#pragma once

#include <cstdint>
#include <memory>
#include <pugixml.hpp>
#include <string_view>
#include <vector>

// The strong reference of the benchmark: the best a pugixml loader can do with a data file.
// The text is parsed in place (no copy; values trimmed and unescaped where they lie), each
// record's children are walked once with one name comparison per field in the usual order,
// numbers are converted with from_chars, texts stay views into the parsed buffer, records lie
// in flat arrays, and references are resolved through tables indexed by file index. Record ids
// are handed out per kind in order of construction, as the program does, so that the reference
// writes the same text.
namespace StrongPugi {

using CText = std::string_view;
constexpr int kNone = -1;

struct CSupplier
{
    int Id, FileIndex;
    CText Name;
    double Price, Amount;
};

struct CIngredient
{
    int Id, FileIndex, StockActive;
    // Position in CCatalogue::Suppliers, or kNone.
    int SupplierInUse;
    CText Name, Group, Unit;
    double StockAmount;
    std::uint32_t FirstSupplier, NbSuppliers;
};

struct CLine
{
    int Id;
    double Amount, WeightLoss;
    int SortNum;
    // Positions in the ingredient and recipe arrays once resolved, else kNone; the file
    // indices before.
    int Ingredient, SubRecipe;
};

struct CRecipe
{
    int Id, FileIndex, UseAsIngredient, UseForSale, NameGroupIndex;
    CText Name, Comment, PictureFilename;
    double NbPortion, PriceSell;
    std::uint32_t FirstLine, NbLines;
};

// Year, month, day, hour, minute; all -1 when they form no valid date.
struct CDate
{
    std::int16_t Year, Month, Day, Hour, Minute;
};

struct CSale
{
    int Id, FileIndex, NameGroupIndex;
    // Position in CCatalogue::Recipes, or kNone.
    int Recipe;
    CText Name;
    double NbPortion, PriceBuyPerPortion, PriceSellPerPortionNoTax, PriceSellPerPortionTax;
    CDate DateTime;
};

struct CCatalogue
{
    static constexpr int kNbGroups = 20;
    static constexpr int kNbUserTexts = 9;

    // The text, parsed in place; every CText points into it.
    std::unique_ptr<char[]> Text;
    pugi::xml_document Document;
    CText UserTexts[kNbUserTexts] = {{}, {}, {}, {}, {}, {}, {}, "EUR", {}};
    double CurrencyFactor2 = 1.0;
    CText GroupNames[kNbGroups] = {};
    double Taxes[kNbGroups] = {};
    double Quotes[kNbGroups] = {};
    std::vector<CIngredient> Ingredients;
    std::vector<CSupplier> Suppliers;
    std::vector<CRecipe> Recipes;
    std::vector<CLine> Lines;
    std::vector<CSale> Sales;
};

// Parses the `length` bytes of `text` in place and builds `catalogue`, which keeps the text.
// False when pugixml refuses it.
bool Load(std::unique_ptr<char[]> text, std::size_t length, CCatalogue& catalogue);

} // namespace StrongPugi
