#pragma once

#include "catalogue/CatalogueOwner.h"
#include "catalogue/Data.h"

#include <array>
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

// The file text of the sample catalogue, with "{I0}" and so on standing for the Ids.
inline std::string SampleText()
{
    std::array<CGroupText, 20> groups;
    groups[0] = {"Suppen", "7.000000", "0.000000"};
    groups[19].Quote = "30.500000";
    const std::string head = Crlf(R"(<?xml version="1.0" encoding="ISO-8859-1"?>
<Kostenkoch>
   <Version>1.0</Version>
   <MainUserdata>
      <Company>
      M)"
                                  "\xFC"
                                  R"(ller &amp; S)"
                                  "\xF6"
                                  R"(hne &lt;GmbH&gt;
      </Company>
      <Firstname>
      
      </Firstname>
      <Lastname>
      
      </Lastname>
      <Street>
      
      </Street>
      <PLZ>
      
      </PLZ>
      <City>
      
      </City>
      <Country>
      
      </Country>
      <CurrencyUnit>
      EUR
      </CurrencyUnit>
      <CurrencyUnit2>
      DM
      </CurrencyUnit2>
      <CurrencyFactor2>
      1.955830
      </CurrencyFactor2>
   </MainUserdata>
)");
    const std::string ingredients = Crlf(R"(   <Ingredients>
      <Ingredient Index="{I0}">
         <Name>
            Salz &amp; &lt;Pfeffer&gt;
         </Name>
         <Group>
            Gew)"
                                         "\xFC"
                                         R"(rze
         </Group>
         <Unit>
            kg
         </Unit>
         <StockActive>
            0
         </StockActive>
         <StockAmount>
            -0.500000
         </StockAmount>
   <IngredientSuppliers>
      <IngredientSupplierUseIndex>
         {S1}
      </IngredientSupplierUseIndex>
      <IngredientSupplier Index="{S0}">
         <Name>
            Grossmarkt
         </Name>
         <Price>
            1.200000
         </Price>
         <Amount>
            1.000000
         </Amount>
      </IngredientSupplier>
      <IngredientSupplier Index="{S1}">
         <Name>
            Hofladen
         </Name>
         <Price>
            0.990000
         </Price>
         <Amount>
            0.500000
         </Amount>
      </IngredientSupplier>
   </IngredientSuppliers>
      </Ingredient>
      <Ingredient Index="{I1}">
         <Name>
            Wasser
         </Name>
         <Group>
            
         </Group>
         <Unit>
            
         </Unit>
         <StockActive>
            1
         </StockActive>
         <StockAmount>
            0.000000
         </StockAmount>
      </Ingredient>
   </Ingredients>
)");
    const std::string recipes = Crlf(R"(   <Recipes>
      <Recipe Index="{R0}">
         <Name>
            Br)"
                                     "\xFC"
                                     R"(he
         </Name>
         <NbPortion>
            1.000000
         </NbPortion>
         <UseAsIngredient>
            1
         </UseAsIngredient>
         <UseForSale>
            1
         </UseForSale>
         <Comment>
            
         </Comment>
         <PictureFilename>
            
         </PictureFilename>
         <PriceSell>
            0.000000
         </PriceSell>
         <NameGroupIndex>
            -1
         </NameGroupIndex>
      </Recipe>
      <Recipe Index="{R1}">
         <Name>
            Suppe
         </Name>
         <NbPortion>
            4.000000
         </NbPortion>
         <UseAsIngredient>
            0
         </UseAsIngredient>
         <UseForSale>
            0
         </UseForSale>
         <Comment>
            Kochen.
         </Comment>
         <PictureFilename>
            suppe.jpg
         </PictureFilename>
         <PriceSell>
            5.500000
         </PriceSell>
         <NameGroupIndex>
            0
         </NameGroupIndex>
   <RecipeIngredients>
      <RecipeIngredient Index="{L0}">
         <Amount>
            0.250000
         </Amount>
         <WeightLoss>
            10.000000
         </WeightLoss>
         <IngredientIndex>
            {I0}
         </IngredientIndex>
         <RecipeIndex>
            -1
         </RecipeIndex>
         <SortNum>
            1
         </SortNum>
      </RecipeIngredient>
      <RecipeIngredient Index="{L1}">
         <Amount>
            2.000000
         </Amount>
         <WeightLoss>
            0.000000
         </WeightLoss>
         <IngredientIndex>
            -1
         </IngredientIndex>
         <RecipeIndex>
            {R0}
         </RecipeIndex>
         <SortNum>
            2
         </SortNum>
      </RecipeIngredient>
   </RecipeIngredients>
      </Recipe>
   </Recipes>
)");
    const std::string sales = Crlf(R"(   <Sales>
      <Sale Index="{V0}" Version="1">
         <Name>
            Suppe
         </Name>
         <NameGroupIndex>
            0
         </NameGroupIndex>
         <NbPortion>
            3.000000
         </NbPortion>
         <PriceBuyPerPortion>
            0.750000
         </PriceBuyPerPortion>
         <PriceSellPerPortionNoTax>
            5.140000
         </PriceSellPerPortionNoTax>
         <PriceSellPerPortionTax>
            5.500000
         </PriceSellPerPortionTax>
         <RecipeIndex>
            {R1}
         </RecipeIndex>
         <DateTime>
            2009.05.14 18:30
         </DateTime>
      </Sale>
      <Sale Index="{V1}" Version="1">
         <Name>
            Alt
         </Name>
         <NameGroupIndex>
            -1
         </NameGroupIndex>
         <NbPortion>
            1.000000
         </NbPortion>
         <PriceBuyPerPortion>
            0.000000
         </PriceBuyPerPortion>
         <PriceSellPerPortionNoTax>
            0.000000
         </PriceSellPerPortionNoTax>
         <PriceSellPerPortionTax>
            0.000000
         </PriceSellPerPortionTax>
         <RecipeIndex>
            -1
         </RecipeIndex>
         <DateTime>
            -001.-1.-1 -1:-1
         </DateTime>
      </Sale>
   </Sales>
</Kostenkoch>
)");
    return head + MainNamesText(groups) + ingredients + recipes + sales;
}
