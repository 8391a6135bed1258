#pragma once

#include "catalogue/CatalogueOwner.h"
#include "catalogue/Data.h"

#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Collects what the catalogue reports to its owner.
class CRecordingOwner : public CCatalogueOwner
{
public:
    void WriteLog(const std::string& line) override { Log.push_back(line); }
    void ShowMessage(int stringId) override { Messages.push_back(stringId); }
    void ShowStatus(const std::string& text) override { Status.push_back(text); }

    std::vector<std::string> Log;
    std::vector<std::string> Status;
    std::vector<int> Messages;
};

// The text with every "\n" turned into CR LF, so expected files can be written as raw strings.
inline std::string Crlf(std::string_view text)
{
    std::string result;
    for (const char c : text) {
        if (c == '\n')
            result += '\r';
        result += c;
    }
    return result;
}

// Replaces every "{key}" by its number.
inline std::string Fill(std::string text, const std::map<std::string, int>& values)
{
    for (const auto& [key, value] : values) {
        const std::string placeholder = "{" + key + "}";
        for (auto at = text.find(placeholder); at != std::string::npos; at = text.find(placeholder, at))
            text.replace(at, placeholder.size(), std::to_string(value));
    }
    return text;
}

// A catalogue with every kind of record: two ingredients (one without suppliers, one using its
// second supplier and holding "&" and "<" in its name), a recipe without lines used as sub-recipe
// of a recipe with an ingredient line, a sale of that recipe and a sale with an invalid date and
// no recipe.
inline void BuildSampleCatalogue(CData& data)
{
    data.Company = "M\xFCller & S\xF6hne <GmbH>";
    data.CurrencyUnit2 = "DM";
    data.CurrencyFactor2 = 1.95583;
    data.NameGroup[0] = "Suppen";
    data.Taxes[0] = 7.0;
    data.Quotes[19] = 30.5;

    CIngredient& salt = data.Ingredients.Append(std::make_unique<CIngredient>(&data));
    salt.Name = "Salz & <Pfeffer>";
    salt.Group = "Gew\xFCrze";
    salt.Unit = "kg";
    salt.StockActive = 0;
    salt.StockAmount = -0.5;
    salt.AddIngredientSupplier("Grossmarkt", 1.2, 1.0);
    salt.AddIngredientSupplier("Hofladen", 0.99, 0.5);
    salt.SupplierInUse = salt.Suppliers.At(1);
    data.Ingredients.Append(std::make_unique<CIngredient>(&data)).Name = "Wasser";

    CRecipe& stock = data.Recipes.Append(std::make_unique<CRecipe>(&data));
    stock.Name = "Br\xFChe";
    stock.UseAsIngredient = 1;
    CRecipe& soup = data.Recipes.Append(std::make_unique<CRecipe>(&data));
    soup.Name = "Suppe";
    soup.NbPortion = 4.0;
    soup.UseForSale = 0;
    soup.Comment = "Kochen.";
    soup.PictureFilename = "suppe.jpg";
    soup.PriceSell = 5.5;
    soup.NameGroupIndex = 0;
    soup.AddRecipeIngredient(nullptr, &salt, 0.25, 10.0);
    soup.AddRecipeIngredient(&stock, nullptr, 2.0, 0.0);

    CSale& sold = data.Sales.Append(std::make_unique<CSale>(&data));
    sold.Name = "Suppe";
    sold.NameGroupIndex = 0;
    sold.NbPortion = 3.0;
    sold.PriceBuyPerPortion = 0.75;
    sold.PriceSellPerPortionNoTax = 5.14;
    sold.PriceSellPerPortionTax = 5.5;
    sold.DateTime = CDateTime(2009, 5, 14, 18, 30, 45);
    sold.Recipe = &soup;
    CSale& lost = data.Sales.Append(std::make_unique<CSale>(&data));
    lost.Name = "Alt";
    lost.DateTime = CDateTime::MakeInvalid();
}

// The Ids of the sample catalogue's records, by the placeholder names the expected texts use.
inline std::map<std::string, int> SampleIds(const CData& data)
{
    const CIngredient& salt = *data.Ingredients.At(0);
    const CRecipe& soup = *data.Recipes.At(1);
    return {{"I0", salt.Id},
            {"I1", data.Ingredients.At(1)->Id},
            {"S0", salt.Suppliers.At(0)->Id},
            {"S1", salt.Suppliers.At(1)->Id},
            {"R0", data.Recipes.At(0)->Id},
            {"R1", soup.Id},
            {"L0", soup.RecipeIngredients.At(0)->Id},
            {"L1", soup.RecipeIngredients.At(1)->Id},
            {"V0", data.Sales.At(0)->Id},
            {"V1", data.Sales.At(1)->Id}};
}

// One group of MainNames as the file shows it: name, VAT rate and target ratio.
struct CGroupText
{
    std::string Name;
    std::string Tax = "0.000000";
    std::string Quote = "0.000000";
};

// The MainNames section for the given groups: for each group its NameGroup, Taxes and Quotes
// entries, tags at 3 spaces and values at 6.
inline std::string MainNamesText(const std::array<CGroupText, 20>& groups)
{
    std::string text = "   <MainNames>\r\n";
    for (int i = 0; i < 20; ++i) {
        const std::string index = std::to_string(i);
        const CGroupText& group = groups[static_cast<std::size_t>(i)];
        text += "   <NameGroup Index=\"" + index + "\">\r\n      " + group.Name + "\r\n   </NameGroup>\r\n";
        text += "   <Taxes Index=\"" + index + "\">\r\n      " + group.Tax + "\r\n   </Taxes>\r\n";
        text += "   <Quotes Index=\"" + index + "\">\r\n      " + group.Quote + "\r\n   </Quotes>\r\n";
    }
    return text + "   </MainNames>\r\n";
}

// The file text of the sample catalogue (tests/data/SampleCatalogue.xml, Windows-1252 with
// CR LF line ends), with "{I0}" and so on standing for the Ids.
inline std::string SampleText()
{
    std::ifstream in(KK_TEST_DATA_DIR "/SampleCatalogue.xml", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
