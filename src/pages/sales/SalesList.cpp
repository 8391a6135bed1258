#include "SalesList.h"

#include "catalogue/Data.h"
#include "platform/Windows1252.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

namespace {

// The digits of a number that is not negative, without a thousands mark (a year reads "2024").
void AppendNumber(std::string& text, int value)
{
    char digits[12];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && count < 12);
    while (count > 0)
        text += digits[--count];
}

} // namespace

std::vector<CSale*> SalesList::Select(CData& data, const CRecipe* recipe)
{
    std::vector<CSale*> sales;
    sales.reserve(recipe ? 0 : static_cast<std::size_t>(data.Sales.Count()));
    for (CSale& sale : data.Sales) {
        if (recipe == nullptr || sale.Recipe == recipe)
            sales.push_back(&sale);
    }
    return sales;
}

std::string SalesList::Caption(const CRecipe* recipe)
{
    std::string caption;
    Utf8ToWindows1252(DialogText::SalesList::kTitlePrefix, caption);
    return caption + (recipe ? recipe->Name : CStringTables::Load(StringId::kAllSales));
}

std::string SalesList::DateText(const CDateTime& date)
{
    return DateText(date, CStringTables::Language());
}

// By hand rather than through printf or a locale: the list of all sales formats 200,000 dates.
std::string SalesList::DateText(const CDateTime& date, int languageId)
{
    if (date.GetStatus() == CDateTime::Null)
        return {};
    if (!date.IsValid())
        return "Invalid DateTime";
    const CDateTime::CDateAndTime parts = date.GetDateAndTime();
    if (languageId == CStringTables::English) {
        std::string text;
        text.reserve(10);
        AppendNumber(text, parts.Month);
        text += '/';
        AppendNumber(text, parts.Day);
        text += '/';
        AppendNumber(text, parts.Year);
        return text;
    }
    std::string text = "00.00.0000";
    const auto put = [&text](std::size_t end, int value, int digits) {
        for (int digit = 0; digit < digits; ++digit, value /= 10)
            text[end - static_cast<std::size_t>(digit)] = static_cast<char>('0' + value % 10);
    };
    put(1, parts.Day, 2);
    put(4, parts.Month, 2);
    put(9, parts.Year, 4);
    return text;
}

double SalesList::Price(const CSale& sale)
{
    return sale.PriceSellPerPortionTax * sale.NbPortion;
}
