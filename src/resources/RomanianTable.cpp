// The Romanian table (1048). It holds a part of the program's ids; most of them read as in German,
// these are the texts that differ.

#include "resources/LanguageTables.h"

namespace {

constexpr CStringEntry kRomanian[] = {
    {103, "R_Stammdaten"},
    {110, "Quoten Speisen"},
    {111, "Speisennamen"},
    {115, "Getränkenamen"},
    {133, "Quoten Getränke"},
    {171, "Wareneinsatzquote"},

    // The cash register import
    {500, "Export casa de marcat sau jurnal (*.zip;*.csv;*.txt;index.xml)|*.zip;*.csv;*.txt;index.xml|Toate "
          "fisierele (*.*)|*.*||"},
    {501, "Datele casei de marcat nu pot fi citite. Nu s-a înregistrat nimic."},
    {502, "Importul nu a putut fi înregistrat (memorie insuficienta). Nu s-a schimbat nimic."},
};

} // namespace

std::span<const CStringEntry> RomanianTranslations()
{
    return kRomanian;
}
