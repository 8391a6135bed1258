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
    // The menu analysis
    {300, "Analiza meniului"},
    {301, "Vedeta"},
    {302, "Cal de povara"},
    {303, "Enigma"},
    {304, "Câine"},
    {305, "Pastrati si evidentiati"},
    {306, "Cresteti pretul cu grija sau reduceti costul"},
    {307, "Promovati sau repozitionati"},
    {308, "Refaceti sau eliminati"},
    {309, "Din aceasta selectie nu s-a vândut nimic în perioada aleasa."},
    {310, "Cota din portiile vândute (%)"},
    {312, "Portii"},
    {313, "Cota (%)"},
    {314, "Pret net pe portie"},
    {315, "Cost pe portie"},
    {316, "Marja pe portie"},
    {317, "Marja totala"},
    {318, "Clasa"},
    {319, "Recomandare"},
    {320, "Prag de popularitate"},
    {321, "Ø marja"},
    {322, "Aceasta selectie nu contine niciun fel de mâncare."},
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
