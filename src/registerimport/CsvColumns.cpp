#include "CsvColumns.h"

#include "RegisterText.h"

#include <string_view>

namespace {

// Lower case, letters and digits only, umlauts and ß spelt out: "Artikel-Nr." and
// "artikel nr" compare equal, as do "Menge" and "MENGE".
std::string Folded(const std::string& heading)
{
    std::string folded;
    for (char c : heading) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 'A' && byte <= 'Z')
            folded.push_back(static_cast<char>(byte + 32));
        else if ((byte >= 'a' && byte <= 'z') || (byte >= '0' && byte <= '9'))
            folded.push_back(c);
        else if (byte == 0xE4 || byte == 0xC4)
            folded += "ae";
        else if (byte == 0xF6 || byte == 0xD6)
            folded += "oe";
        else if (byte == 0xFC || byte == 0xDC)
            folded += "ue";
        else if (byte == 0xDF)
            folded += "ss";
    }
    return folded;
}

struct CKnownHeading
{
    std::string_view Folded;
    int CCsvColumns::*Column;
};

constexpr CKnownHeading kKnownHeadings[] = {
    {"datum", &CCsvColumns::Date},
    {"date", &CCsvColumns::Date},
    {"datumuhrzeit", &CCsvColumns::Date},
    {"datetime", &CCsvColumns::Date},
    {"zeitpunkt", &CCsvColumns::Date},
    {"verkaufsdatum", &CCsvColumns::Date},
    {"uhrzeit", &CCsvColumns::Time},
    {"zeit", &CCsvColumns::Time},
    {"time", &CCsvColumns::Time},
    {"artikel", &CCsvColumns::ItemText},
    {"artikeltext", &CCsvColumns::ItemText},
    {"artikelname", &CCsvColumns::ItemText},
    {"bezeichnung", &CCsvColumns::ItemText},
    {"item", &CCsvColumns::ItemText},
    {"itemname", &CCsvColumns::ItemText},
    {"product", &CCsvColumns::ItemText},
    {"artikelnummer", &CCsvColumns::ItemNumber},
    {"artikelnr", &CCsvColumns::ItemNumber},
    {"artnr", &CCsvColumns::ItemNumber},
    {"plu", &CCsvColumns::ItemNumber},
    {"itemnumber", &CCsvColumns::ItemNumber},
    {"itemno", &CCsvColumns::ItemNumber},
    {"sku", &CCsvColumns::ItemNumber},
    {"menge", &CCsvColumns::Quantity},
    {"anzahl", &CCsvColumns::Quantity},
    {"stueck", &CCsvColumns::Quantity},
    {"quantity", &CCsvColumns::Quantity},
    {"qty", &CCsvColumns::Quantity},
    {"preis", &CCsvColumns::Price},
    {"einzelpreis", &CCsvColumns::Price},
    {"bruttopreis", &CCsvColumns::Price},
    {"vkpreis", &CCsvColumns::Price},
    {"price", &CCsvColumns::Price},
    {"unitprice", &CCsvColumns::Price},
    {"warengruppe", &CCsvColumns::Group},
    {"gruppe", &CCsvColumns::Group},
    {"group", &CCsvColumns::Group},
    {"category", &CCsvColumns::Group},
};

// A first row none of whose fields is a date or a number is taken for names, not for a sale.
bool LooksLikeHeadings(const std::vector<std::string>& fields)
{
    for (const std::string& field : fields) {
        CDateTime date;
        double number = 0.0;
        if (RegisterText::ParseDateTime(field, date) || RegisterText::ParseNumber(field, ',', '.', number) ||
            RegisterText::ParseNumber(field, '.', ',', number))
            return false;
    }
    return !fields.empty();
}

} // namespace

CCsvColumns GuessCsvColumns(const std::vector<std::string>& headings)
{
    CCsvColumns columns;
    bool recognised = false;
    for (std::size_t i = 0; i < headings.size(); ++i) {
        const std::string folded = Folded(headings[i]);
        for (const CKnownHeading& known : kKnownHeadings)
            if (folded == known.Folded && columns.*known.Column < 0) {
                columns.*known.Column = static_cast<int>(i);
                recognised = true;
                break;
            }
    }
    columns.HasHeading = recognised || LooksLikeHeadings(headings);
    return columns;
}
