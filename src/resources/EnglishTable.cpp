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
};

} // namespace

std::span<const CStringEntry> EnglishTranslations()
{
    return kEnglish;
}
