#include "CliReports.h"

#include "catalogue/Data.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <utility>

namespace {

std::string Text(const std::string& windows1252)
{
    return Windows1252ToUtf8(windows1252);
}

template <class Record> CJsonValue NameOrNull(const Record* record)
{
    return record ? Text(record->Name) : CJsonValue();
}

CJsonValue DateText(const CDateTime& dateTime)
{
    if (!dateTime.IsValid())
        return CJsonValue();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", dateTime.GetYear(), dateTime.GetMonth(),
                  dateTime.GetDay(), dateTime.GetHour(), dateTime.GetMinute());
    return std::string(text);
}

CJsonArray SupplierRows(const CIngredient& ingredient)
{
    CJsonArray rows;
    for (const CIngredientSupplier& supplier : ingredient.Suppliers) {
        rows.push_back(CJsonObject{{"name", Text(supplier.Name)},
                                   {"amount", supplier.Amount},
                                   {"price", supplier.Price},
                                   {"pricePerUnit", supplier.GetPricePerUnit()}});
    }
    return rows;
}

CJsonObject IngredientRow(const CIngredient& ingredient)
{
    return CJsonObject{{"name", Text(ingredient.Name)},
                       {"group", Text(ingredient.Group)},
                       {"unit", Text(ingredient.Unit)},
                       {"stockActive", ingredient.StockActive},
                       {"stockAmount", ingredient.StockAmount},
                       {"supplierInUse", NameOrNull(ingredient.SupplierInUse)},
                       {"price", ingredient.GetPrice()},
                       {"amount", ingredient.GetAmount()},
                       {"pricePerUnit", ingredient.GetPricePerUnit()},
                       {"stockValue", ingredient.GetStockValue()},
                       {"suppliers", SupplierRows(ingredient)}};
}

CJsonObject LineRow(const CRecipeIngredient& line)
{
    return CJsonObject{{"sortNum", line.SortNum},
                       {"name", Text(line.GetName())},
                       {"unit", Text(line.GetUnit())},
                       {"amount", line.Amount},
                       {"weightLoss", line.WeightLoss},
                       {"amountGross", line.GetAmountGross()},
                       {"pricePerUnit", line.GetPricePerUnit()},
                       {"price", line.GetPrice()},
                       {"ingredient", NameOrNull(line.Ingredient)},
                       {"subRecipe", NameOrNull(line.SubRecipe)}};
}

CJsonObject RecipeRow(const CData& data, const CRecipe& recipe)
{
    CJsonArray lines;
    for (const CRecipeIngredient& line : recipe.RecipeIngredients)
        lines.push_back(LineRow(line));
    CJsonObject row{{"name", Text(recipe.Name)},
                    {"nameGroupIndex", recipe.NameGroupIndex},
                    {"group", Text(data.GetGroupName(recipe.NameGroupIndex))},
                    {"nbPortion", recipe.NbPortion},
                    {"useAsIngredient", recipe.UseAsIngredient},
                    {"useForSale", recipe.UseForSale},
                    {"priceSell", recipe.GetPriceSell()},
                    {"priceBuy", recipe.GetPriceBuy()},
                    {"priceBuyPerPortion", recipe.GetPriceBuyPerPortion()},
                    {"priceSellNoTax", recipe.GetPriceSellNoTax()},
                    {"priceSellCalculatedNoTax", recipe.GetPriceSellCalculatedNoTax()},
                    {"priceSellCalculatedTax", recipe.GetPriceSellCalculatedTax()},
                    {"priceSellCurrency2", recipe.GetPriceSellCurrency2()},
                    {"contributionMargin", recipe.GetContributionMargin()},
                    {"costRatio", recipe.GetCostRatio()},
                    {"pictureFilename", Text(recipe.PictureFilename)}};
    row.Insert("lines", std::move(lines));
    return row;
}

CJsonObject SaleRow(const CSale& sale)
{
    return CJsonObject{{"name", Text(sale.Name)},
                       {"nameGroupIndex", sale.NameGroupIndex},
                       {"nbPortion", sale.NbPortion},
                       {"priceBuyPerPortion", sale.PriceBuyPerPortion},
                       {"priceSellPerPortionNoTax", sale.PriceSellPerPortionNoTax},
                       {"priceSellPerPortionTax", sale.PriceSellPerPortionTax},
                       {"dateTime", DateText(sale.DateTime)},
                       {"recipe", NameOrNull(sale.Recipe)}};
}

} // namespace

namespace CliReports {

CJsonObject Check(const CData& data, int readResult, bool unchanged)
{
    int suppliers = 0;
    for (const CIngredient& ingredient : data.Ingredients)
        suppliers += ingredient.Suppliers.Count();
    int lines = 0, unresolved = 0;
    for (const CRecipe& recipe : data.Recipes) {
        for (const CRecipeIngredient& line : recipe.RecipeIngredients) {
            ++lines;
            unresolved += !line.Ingredient && !line.SubRecipe ? 1 : 0;
        }
    }
    int withoutRecipe = 0;
    for (const CSale& sale : data.Sales)
        withoutRecipe += sale.Recipe ? 0 : 1;
    const CJsonObject counts{{"ingredients", data.GetNbIngredients()},
                             {"suppliers", suppliers},
                             {"recipes", data.GetNbRecipes()},
                             {"lines", lines},
                             {"sales", data.Sales.Count()}};
    return CJsonObject{{"readResult", readResult},
                       {"unchanged", unchanged},
                       {"counts", counts},
                       {"unresolvedLines", unresolved},
                       {"salesWithoutRecipe", withoutRecipe}};
}

CCliTable Ingredients(const CData& data)
{
    CCliTable table;
    table.Columns = {"name",          "group", "unit",   "stockActive",  "stockAmount",
                     "supplierInUse", "price", "amount", "pricePerUnit", "stockValue"};
    table.Rows = [&data](const CJsonRowSink& sink) {
        for (const CIngredient& ingredient : data.Ingredients)
            sink(IngredientRow(ingredient));
    };
    return table;
}

CCliTable Recipes(const CData& data)
{
    CCliTable table;
    table.Columns = {"name",
                     "nameGroupIndex",
                     "group",
                     "nbPortion",
                     "useAsIngredient",
                     "useForSale",
                     "priceSell",
                     "priceBuy",
                     "priceBuyPerPortion",
                     "priceSellNoTax",
                     "priceSellCalculatedNoTax",
                     "priceSellCalculatedTax",
                     "priceSellCurrency2",
                     "contributionMargin",
                     "costRatio",
                     "pictureFilename"};
    table.Rows = [&data](const CJsonRowSink& sink) {
        for (const CRecipe& recipe : data.Recipes)
            sink(RecipeRow(data, recipe));
    };
    return table;
}

CCliTable Sales(const CData& data)
{
    CCliTable table;
    table.Columns = {"name",
                     "nameGroupIndex",
                     "nbPortion",
                     "priceBuyPerPortion",
                     "priceSellPerPortionNoTax",
                     "priceSellPerPortionTax",
                     "dateTime",
                     "recipe"};
    table.Rows = [&data](const CJsonRowSink& sink) {
        for (const CSale& sale : data.Sales)
            sink(SaleRow(sale));
    };
    return table;
}

} // namespace CliReports
