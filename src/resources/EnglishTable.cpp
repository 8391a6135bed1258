// The English table (1033). It holds a part of the program's ids; most of them read as in German,
// these are the texts that differ.

#include "resources/LanguageTables.h"

namespace {

constexpr CStringEntry kEnglish[] = {
    {103, "Maindata"},
    {110, "Quoten Speisen"},
    {111, "Speisennamen"},
    {115, "Getränkenamen"},
    {133, "Quoten Getränke"},
    {160, "To show all texts according to the menu item you've selected please restart the program."},
    {171, "Wareneinsatzquote"},

    // The cash register import
    {500, "Register export or journal (*.zip;*.csv;*.txt;index.xml)|*.zip;*.csv;*.txt;index.xml|All Files "
          "(*.*)|*.*||"},
    {501, "The register data cannot be read. Nothing was booked."},
    {502, "The import could not be booked (not enough memory). Nothing was changed."},
    // The menu analysis
    {300, "Menu analysis"},
    {301, "Star"},
    {302, "Workhorse"},
    {303, "Puzzle"},
    {304, "Dog"},
    {305, "Keep and feature"},
    {306, "Raise the price carefully or cut the cost"},
    {307, "Promote or reposition"},
    {308, "Rework or remove"},
    {309, "Nothing of this selection was sold in the chosen period."},
    {310, "Share of the portions sold (%)"},
    {312, "Portions"},
    {313, "Share (%)"},
    {314, "Net price per portion"},
    {315, "Cost per portion"},
    {316, "Margin per portion"},
    {317, "Margin total"},
    {318, "Class"},
    {319, "Advice"},
    {320, "Popularity threshold"},
    {321, "Ø margin"},
    {322, "This selection holds no dish."},
    // The price impact of an ingredient and the price simulation
    {400, "Recipe"},
    {401, "Group"},
    {402, "Gross price"},
    {403, "Cost before"},
    {404, "Cost after"},
    {405, "Cost ratio before"},
    {406, "Cost ratio after"},
    {407, "Margin before"},
    {408, "Margin after"},
    {409, "Margin loss"},
    {410, "Price for target ratio"},
    {411, "New price"},
    {412, "Impact of the price change"},
    {413, "Price simulation"},
    {414, "No recipe uses this ingredient."},
    {415, "Choose at least one ingredient with a supplier."},
    {416, "Choose the recipes in the list whose selling price is to be taken over."},
    {417, "The selling prices of xyz recipes were set back."},
    {418, "Changed ingredients: xyz, recipes affected: "},
    {419, "Price before"},
    {420, "Price after"},
};

} // namespace

std::span<const CStringEntry> EnglishTranslations()
{
    return kEnglish;
}
