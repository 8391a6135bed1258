#pragma once

#include "controls/model/CellType.h"

#include <cstdint>
#include <string>

// One typed cell of a list row: the text the list shows and the keys it sorts by. Text cells
// sort by a four-byte prefix (capitals, umlauts and sharp s folded) and then by their text in
// capitals; number cells sort by their number. A number cell keeps only its number and makes
// its text when asked, so that filling a list of 200,000 rows formats only what is shown.
class CListCell
{
public:
    static CListCell MakeText(int column, const std::string& text);
    // A number shown in the format of `type`; a type that is no number type shows nothing.
    static CListCell MakeNumber(int column, double number, ECellType type);

    // The text in capitals: a..z as in the C locale and ä, ö, ü (Windows-1252) to Ä, Ö, Ü;
    // every other byte, ß included, stays.
    static std::string MakeSortText(const std::string& text);
    // The first four bytes of the sort text with Ä, Ö, Ü folded to A, O, U and ß to "s", as a
    // big-endian number; missing bytes count 0.
    static std::uint32_t MakeSortPrefix(const std::string& sortText);
    static bool IsNumberType(ECellType type)
    {
        return type >= ECellType::General && type <= ECellType::Integer;
    }

    // The text the list shows: a text cell's text, a number cell's number in the format of
    // its type.
    std::string GetText() const;

    // Negative, 0 or positive as this cell sorts before, with or after `other` in ascending
    // order. Text by prefix, then sort text byte by byte (a shorter text before a longer one it
    // begins); numbers by value, NaN last, equal numbers 0. Cells of different types order by
    // type so that a sort stays consistent.
    int Compare(const CListCell& other) const;

    int Column = -1;
    ECellType Type = ECellType::Text;
    // Text cells only.
    std::string SortText;
    std::uint32_t SortPrefix = 0;
    double Number = 0.0;

private:
    int CompareNumbers(const CListCell& other) const;

    std::string m_text; // text cells only
};
