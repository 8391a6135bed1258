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
};

} // namespace

std::span<const CStringEntry> EnglishTranslations()
{
    return kEnglish;
}
