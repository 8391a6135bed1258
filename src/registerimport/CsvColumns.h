#pragma once

#include <string>
#include <vector>

// Which column of a sales journal holds what; -1 where none does. Columns count from 0.
// A journal needs the date (or a date-time), the item (text or number) and the quantity; the
// time, the gross unit price and the goods group are optional.
struct CCsvColumns
{
    static constexpr int kNone = -1;

    int Date = kNone; // date or date and time
    int Time = kNone;
    int ItemText = kNone;
    int ItemNumber = kNone;
    int Quantity = kNone;
    int Price = kNone; // gross price of one unit
    int Group = kNone;
    bool HasHeading = true; // the first row names the columns and is no sale

    // Date, an item column and the quantity are assigned.
    bool IsComplete() const { return Date >= 0 && (ItemText >= 0 || ItemNumber >= 0) && Quantity >= 0; }
    bool operator==(const CCsvColumns&) const = default;
};

// The assignment that the names of a heading row suggest (Datum, Uhrzeit, Artikel,
// Artikelnummer, Menge, Preis, Warengruppe and the English Date, Time, Item, Item number,
// Quantity, Price, Group, with a few common variants; case, spacing and umlaut spelling do
// not matter). HasHeading is true when a name was recognised or no field of the row is a
// date or a number. Headings are Windows-1252.
CCsvColumns GuessCsvColumns(const std::vector<std::string>& headings);
