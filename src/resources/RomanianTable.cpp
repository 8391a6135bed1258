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

    // The price impact of an ingredient and the price simulation
    {400, "Reteta"},
    {401, "Grupa"},
    {402, "Pret brut"},
    {403, "Cost înainte"},
    {404, "Cost dupa"},
    {405, "Cota cost înainte"},
    {406, "Cota cost dupa"},
    {407, "Marja înainte"},
    {408, "Marja dupa"},
    {409, "Pierdere marja"},
    {410, "Pret pentru cota tinta"},
    {411, "Pret nou"},
    {412, "Efectul modificarii pretului"},
    {413, "Simularea preturilor"},
    {414, "Nicio reteta nu foloseste acest ingredient."},
    {415, "Alegeti cel putin un ingredient cu furnizor."},
    {416, "Alegeti în lista retetele al caror pret de vânzare trebuie preluat."},
    {417, "Preturile de vânzare ale xyz retete au fost readuse."},
    {418, "Ingrediente modificate: xyz, retete afectate: "},
    {419, "Pret înainte"},
    {420, "Pret dupa"},
};

} // namespace

std::span<const CStringEntry> RomanianTranslations()
{
    return kRomanian;
}
