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
};

} // namespace

std::span<const CStringEntry> EnglishTranslations()
{
    return kEnglish;
}
