#pragma once

#include <string>
#include <string_view>
#include <vector>

// How register item texts and dish names are compared (Windows-1252 texts): the same letters
// in any case; then the same letters with umlauts and ß written out and spacing and punctuation
// left out; then the closest spelling by shared letter triples.
namespace ItemNames {

// Lower case, the letters of Windows-1252 with accents included ("Ä" to "ä").
std::string Lower(std::string_view text);
// Lower case with "ä" as "ae", "ö" as "oe", "ü" as "ue", "ß" as "ss", other accented letters as
// their base letter, and only letters and digits kept: "Käse-Spätzle" and "kaesespaetzle" agree.
std::string Normalise(std::string_view text);
// The distinct letter triples of a normalised name, framed so that its start and end count.
std::vector<std::string> Trigrams(std::string_view normalised);
// Dice similarity of two normalised names over their letter triples: 0 (nothing shared) to 1.
double Similarity(std::string_view a, std::string_view b);

} // namespace ItemNames
