#include "PlainWriter.h"

#include "catalogue/Data.h"
#include "xml/TarnXMLDocument.h"

#include <cstdio>

namespace {

void Text(FILE* file, int indent, const char* tag, int valueIndent, const std::string& value)
{
    std::fprintf(file, "%*s<%s>\r\n%*s%s\r\n%*s</%s>\r\n", indent, "", tag, valueIndent, "",
                 CTarnXMLDocument::EscapeXML(value).c_str(), indent, "", tag);
}

void Double(FILE* file, int indent, const char* tag, int valueIndent, double value)
{
    std::fprintf(file, "%*s<%s>\r\n%*s%f\r\n%*s</%s>\r\n", indent, "", tag, valueIndent, "", value, indent,
                 "", tag);
}

void Int(FILE* file, int indent, const char* tag, int valueIndent, int value)
{
    std::fprintf(file, "%*s<%s>\r\n%*s%d\r\n%*s</%s>\r\n", indent, "", tag, valueIndent, "", value, indent,
                 "", tag);
}

template <class T> int Ref(const T* record)
{
    return record ? record->Id : -1;
}

void WriteMain(FILE* file, const CData& data)
{
    std::fprintf(
        file,
        "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<Kostenkoch>\r\n   <Version>1.0</Version>\r\n");
    std::fprintf(file, "   <MainUserdata>\r\n");
    const std::pair<const char*, const std::string*> fields[] = {{"Company", &data.Company},
                                                                 {"Firstname", &data.Firstname},
                                                                 {"Lastname", &data.Lastname},
                                                                 {"Street", &data.Street},
                                                                 {"PLZ", &data.PLZ},
                                                                 {"City", &data.City},
                                                                 {"Country", &data.Country},
                                                                 {"CurrencyUnit", &data.CurrencyUnit},
                                                                 {"CurrencyUnit2", &data.CurrencyUnit2}};
    for (const auto& [tag, value] : fields)
        Text(file, 6, tag, 6, *value);
    Double(file, 6, "CurrencyFactor2", 6, data.CurrencyFactor2);
    std::fprintf(file, "   </MainUserdata>\r\n   <MainNames>\r\n");
    for (int i = 0; i < CData::kNbGroups; ++i) {
        std::fprintf(file, "   <NameGroup Index=\"%d\">\r\n      %s\r\n   </NameGroup>\r\n", i,
                     CTarnXMLDocument::EscapeXML(data.NameGroup[i]).c_str());
        std::fprintf(file, "   <Taxes Index=\"%d\">\r\n      %f\r\n   </Taxes>\r\n", i, data.Taxes[i]);
        std::fprintf(file, "   <Quotes Index=\"%d\">\r\n      %f\r\n   </Quotes>\r\n", i, data.Quotes[i]);
    }
    std::fprintf(file, "   </MainNames>\r\n");
}

void WriteIngredient(FILE* file, const CIngredient& ingredient)
{
    std::fprintf(file, "      <Ingredient Index=\"%d\">\r\n", ingredient.Id);
    Text(file, 9, "Name", 12, ingredient.Name);
    Text(file, 9, "Group", 12, ingredient.Group);
    Text(file, 9, "Unit", 12, ingredient.Unit);
    Int(file, 9, "StockActive", 12, ingredient.StockActive);
    Double(file, 9, "StockAmount", 12, ingredient.StockAmount);
    if (!ingredient.Suppliers.IsEmpty()) {
        std::fprintf(file, "   <IngredientSuppliers>\r\n");
        Int(file, 6, "IngredientSupplierUseIndex", 9, Ref(ingredient.SupplierInUse));
        for (const CIngredientSupplier& supplier : ingredient.Suppliers) {
            std::fprintf(file, "      <IngredientSupplier Index=\"%d\">\r\n", supplier.Id);
            Text(file, 9, "Name", 12, supplier.Name);
            Double(file, 9, "Price", 12, supplier.Price);
            Double(file, 9, "Amount", 12, supplier.Amount);
            std::fprintf(file, "      </IngredientSupplier>\r\n");
        }
        std::fprintf(file, "   </IngredientSuppliers>\r\n");
    }
    std::fprintf(file, "      </Ingredient>\r\n");
}

void WriteRecipe(FILE* file, const CRecipe& recipe)
{
    std::fprintf(file, "      <Recipe Index=\"%d\">\r\n", recipe.Id);
    Text(file, 9, "Name", 12, recipe.Name);
    Double(file, 9, "NbPortion", 12, recipe.NbPortion);
    Int(file, 9, "UseAsIngredient", 12, recipe.UseAsIngredient);
    Int(file, 9, "UseForSale", 12, recipe.UseForSale);
    Text(file, 9, "Comment", 12, recipe.Comment);
    Text(file, 9, "PictureFilename", 12, recipe.PictureFilename);
    Double(file, 9, "PriceSell", 12, recipe.PriceSell);
    Int(file, 9, "NameGroupIndex", 12, recipe.NameGroupIndex);
    if (!recipe.RecipeIngredients.IsEmpty()) {
        std::fprintf(file, "   <RecipeIngredients>\r\n");
        for (const CRecipeIngredient& line : recipe.RecipeIngredients) {
            std::fprintf(file, "      <RecipeIngredient Index=\"%d\">\r\n", line.Id);
            Double(file, 9, "Amount", 12, line.Amount);
            Double(file, 9, "WeightLoss", 12, line.WeightLoss);
            Int(file, 9, "IngredientIndex", 12, Ref(line.Ingredient));
            Int(file, 9, "RecipeIndex", 12, Ref(line.SubRecipe));
            Int(file, 9, "SortNum", 12, line.SortNum);
            std::fprintf(file, "      </RecipeIngredient>\r\n");
        }
        std::fprintf(file, "   </RecipeIngredients>\r\n");
    }
    std::fprintf(file, "      </Recipe>\r\n");
}

void WriteSale(FILE* file, const CSale& sale)
{
    std::fprintf(file, "      <Sale Index=\"%d\" Version=\"%d\">\r\n", sale.Id, CSale::ClassVersion);
    Text(file, 9, "Name", 12, sale.Name);
    Int(file, 9, "NameGroupIndex", 12, sale.NameGroupIndex);
    Double(file, 9, "NbPortion", 12, sale.NbPortion);
    Double(file, 9, "PriceBuyPerPortion", 12, sale.PriceBuyPerPortion);
    Double(file, 9, "PriceSellPerPortionNoTax", 12, sale.PriceSellPerPortionNoTax);
    Double(file, 9, "PriceSellPerPortionTax", 12, sale.PriceSellPerPortionTax);
    Int(file, 9, "RecipeIndex", 12, Ref(sale.Recipe));
    const CDateTime& date = sale.DateTime;
    std::fprintf(file,
                 "         <DateTime>\r\n            %04d.%02d.%02d %02d:%02d\r\n         </DateTime>\r\n",
                 date.GetYear(), date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute());
    std::fprintf(file, "      </Sale>\r\n");
}

} // namespace

bool WritePlain(const CData& data, const std::string& path)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    WriteMain(file, data);
    if (!data.Ingredients.IsEmpty()) {
        std::fprintf(file, "   <Ingredients>\r\n");
        for (const CIngredient& ingredient : data.Ingredients)
            WriteIngredient(file, ingredient);
        std::fprintf(file, "   </Ingredients>\r\n");
    }
    if (!data.Recipes.IsEmpty()) {
        std::fprintf(file, "   <Recipes>\r\n");
        for (const CRecipe& recipe : data.Recipes)
            WriteRecipe(file, recipe);
        std::fprintf(file, "   </Recipes>\r\n");
    }
    if (!data.Sales.IsEmpty()) {
        std::fprintf(file, "   <Sales>\r\n");
        for (const CSale& sale : data.Sales)
            WriteSale(file, sale);
        std::fprintf(file, "   </Sales>\r\n");
    }
    std::fprintf(file, "</Kostenkoch>\r\n");
    const bool ok = std::ferror(file) == 0;
    return std::fclose(file) == 0 && ok;
}
