#include "PugiLoader.h"

#include <cstdlib>
#include <cstring>
#include <pugixml.hpp>

namespace PugiLoader {
namespace {

std::string Text(const pugi::xml_node& node, const char* name)
{
    return node.child_value(name);
}

double Double(const pugi::xml_node& node, const char* name)
{
    return std::strtod(node.child_value(name), nullptr);
}

int Int(const pugi::xml_node& node, const char* name)
{
    return std::atoi(node.child_value(name));
}

CIngredient ReadIngredient(const pugi::xml_node& node)
{
    CIngredient ingredient{node.attribute("Index").as_int(-1),
                           Int(node, "StockActive"),
                           -1,
                           Text(node, "Name"),
                           Text(node, "Group"),
                           Text(node, "Unit"),
                           Double(node, "StockAmount"),
                           {}};
    const pugi::xml_node suppliers = node.child("IngredientSuppliers");
    ingredient.SupplierUseIndex = Int(suppliers, "IngredientSupplierUseIndex");
    for (const pugi::xml_node& supplier : suppliers.children("IngredientSupplier")) {
        ingredient.Suppliers.push_back({supplier.attribute("Index").as_int(-1), Text(supplier, "Name"),
                                        Double(supplier, "Price"), Double(supplier, "Amount")});
    }
    return ingredient;
}

CRecipe ReadRecipe(const pugi::xml_node& node)
{
    CRecipe recipe{node.attribute("Index").as_int(-1),
                   Int(node, "UseAsIngredient"),
                   Int(node, "UseForSale"),
                   Int(node, "NameGroupIndex"),
                   Text(node, "Name"),
                   Text(node, "Comment"),
                   Text(node, "PictureFilename"),
                   Double(node, "NbPortion"),
                   Double(node, "PriceSell"),
                   {}};
    for (const pugi::xml_node& line : node.child("RecipeIngredients").children("RecipeIngredient")) {
        recipe.Lines.push_back({Double(line, "Amount"), Double(line, "WeightLoss"),
                                Int(line, "IngredientIndex"), Int(line, "RecipeIndex"),
                                Int(line, "SortNum")});
    }
    return recipe;
}

CSale ReadSale(const pugi::xml_node& node)
{
    return CSale{node.attribute("Index").as_int(-1),
                 Int(node, "NameGroupIndex"),
                 Int(node, "RecipeIndex"),
                 Text(node, "Name"),
                 Text(node, "DateTime"),
                 Double(node, "NbPortion"),
                 Double(node, "PriceBuyPerPortion"),
                 Double(node, "PriceSellPerPortionNoTax"),
                 Double(node, "PriceSellPerPortionTax")};
}

void ReadMainData(const pugi::xml_node& root, CCatalogue& catalogue)
{
    for (const pugi::xml_node& field : root.child("MainUserdata").children())
        catalogue.UserData.push_back(field.child_value());
    for (const pugi::xml_node& entry : root.child("MainNames").children()) {
        if (std::strcmp(entry.name(), "NameGroup") == 0)
            catalogue.GroupNames.push_back(entry.child_value());
        else if (std::strcmp(entry.name(), "Taxes") == 0)
            catalogue.Taxes.push_back(std::strtod(entry.child_value(), nullptr));
        else
            catalogue.Quotes.push_back(std::strtod(entry.child_value(), nullptr));
    }
}

} // namespace

bool Load(const std::string& text, CCatalogue& catalogue)
{
    pugi::xml_document document;
    if (!document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_trim_pcdata))
        return false;
    const pugi::xml_node root = document.child("Kostenkoch");
    ReadMainData(root, catalogue);
    for (const pugi::xml_node& node : root.child("Ingredients").children("Ingredient"))
        catalogue.Ingredients.push_back(ReadIngredient(node));
    for (const pugi::xml_node& node : root.child("Recipes").children("Recipe"))
        catalogue.Recipes.push_back(ReadRecipe(node));
    for (const pugi::xml_node& node : root.child("Sales").children("Sale"))
        catalogue.Sales.push_back(ReadSale(node));
    return true;
}

} // namespace PugiLoader
