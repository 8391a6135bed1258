#pragma once

// The twelve work pages of the main window, in creation order: the eight master data pages
// (one per section of the "Stammdaten" tab), then one page per further tab.
enum class EPage {
    UserData,
    FoodGroupNames,
    DrinkGroupNames,
    FoodTaxes,
    DrinkTaxes,
    FoodQuotes,
    DrinkQuotes,
    Currencies,
    Ingredients,
    Recipes,
    Sales,
    Evaluation,
};

constexpr int kNbPages = 12;
constexpr int kNbMasterDataPages = 8;

constexpr EPage PageAt(int index)
{
    return static_cast<EPage>(index);
}
constexpr int IndexOf(EPage page)
{
    return static_cast<int>(page);
}
