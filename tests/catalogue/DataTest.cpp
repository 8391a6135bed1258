#include "CatalogueBuilder.h"
#include "catalogue/RecipeGraph.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

TEST(Data, NewCatalogueAndDefaults)
{
    CData data;
    EXPECT_EQ(data.CurrencyUnit, "EUR");
    EXPECT_EQ(data.CurrencyFactor2, 1.0);
    EXPECT_EQ(data.NbFoodGroups, 10);
    for (int g = 0; g < CData::kNbGroups; ++g) {
        EXPECT_EQ(data.NameGroup[g], "");
        EXPECT_EQ(data.Taxes[g], 0.0);
        EXPECT_EQ(data.Quotes[g], 0.0);
    }

    data.Company = "Gasthof Linde";
    data.CurrencyUnit = "DM";
    data.CurrencyUnit2 = "EUR";
    data.CurrencyFactor2 = 0.5;
    AddIngredient(data, "Mehl", 1.0, 1.0);
    data.SetDefaults();
    EXPECT_EQ(data.CurrencyUnit, "EUR");
    EXPECT_EQ(data.CurrencyUnit2, "");
    EXPECT_EQ(data.CurrencyFactor2, 1.0);
    EXPECT_EQ(data.Company, "Gasthof Linde");
    EXPECT_EQ(data.GetNbIngredients(), 1);
    for (int g = 0; g < CData::kNbGroups; ++g)
        EXPECT_EQ(data.Taxes[g], 19.0) << g;
    EXPECT_EQ(data.NameGroup[0], "Suppen");
    EXPECT_EQ(data.NameGroup[13], "Mischgetr\xE4nke");
    EXPECT_EQ(data.Quotes[10], 20.0);
    EXPECT_EQ(data.Quotes[14], 18.0);
    EXPECT_EQ(data.Quotes[15], 10.0);
    for (int g : {9, 17, 18, 19}) {
        EXPECT_EQ(data.NameGroup[g], "") << g;
        EXPECT_EQ(data.Quotes[g], 0.0) << g;
    }
}

TEST(Data, RingHeadAppendAndRemove)
{
    CData data;
    EXPECT_EQ(data.Ingredients.Head(), nullptr);
    CIngredient& a = AddIngredient(data, "A", 1, 1);
    EXPECT_EQ(data.Ingredients.Head(), &a);
    EXPECT_EQ(data.DeleteIngredient(&a), 1);
    EXPECT_EQ(data.Ingredients.Head(), nullptr);
    EXPECT_EQ(data.GetNbIngredients(), 0);

    CIngredient& first = AddIngredient(data, "A", 1, 1);
    CIngredient& second = AddIngredient(data, "B", 1, 1);
    AddIngredient(data, "C", 1, 1);
    EXPECT_EQ(Names(data.Ingredients), "A,B,C");
    EXPECT_EQ(data.DeleteIngredient(&first), 1);
    EXPECT_EQ(data.Ingredients.Head(), &second);
    EXPECT_EQ(Names(data.Ingredients), "B,C");
}

TEST(Data, IdsCountEveryConstructionPerClass)
{
    CData data;
    CIngredient scratch(&data);
    EXPECT_EQ(data.AddIngredient(scratch), 1);
    EXPECT_EQ(data.AddIngredient(scratch), 1);
    const CIngredient* first = data.Ingredients.At(0);
    const CIngredient* second = data.Ingredients.At(1);
    EXPECT_EQ(first->Id, scratch.Id + 1);
    EXPECT_EQ(second->Id, scratch.Id + 2);

    CSale sale;
    CSale later;
    EXPECT_EQ(later.Id, sale.Id + 1); // a class of its own counts on its own
}

TEST(Data, IngredientCopyFollowsTheSupplierInUse)
{
    CData data;
    CIngredient source(&data);
    source.Name = "Butter";
    source.Group = "Molkerei";
    source.Unit = "kg";
    source.StockActive = 0;
    source.StockAmount = 3.5;
    source.FileIndex = 7;
    source.AddIngredientSupplier("Hof Meier", 8.0, 1.0);
    source.AddIngredientSupplier("Großmarkt", 30.0, 5.0);
    source.SupplierInUse = source.Suppliers.At(1);

    ASSERT_EQ(data.AddIngredient(source), 1);
    const CIngredient& copy = *data.Ingredients.Head();
    EXPECT_NE(copy.Id, source.Id);
    EXPECT_EQ(copy.Name, "Butter");
    EXPECT_EQ(copy.Group, "Molkerei");
    EXPECT_EQ(copy.StockActive, 0);
    EXPECT_EQ(copy.StockAmount, 3.5);
    EXPECT_EQ(copy.FileIndex, 7);
    ASSERT_EQ(copy.Suppliers.Count(), 2);
    EXPECT_EQ(copy.SupplierInUse, copy.Suppliers.At(1));
    EXPECT_EQ(copy.GetSupplierName(), "Großmarkt");
    EXPECT_DOUBLE_EQ(copy.GetPricePerUnit(), 6.0);

    // Copying over an existing record replaces its suppliers.
    CIngredient target(&data);
    target.AddIngredientSupplier("Alt", 1, 1);
    EXPECT_TRUE(target.CopyFrom(source));
    EXPECT_EQ(target.Suppliers.Count(), 2);
    EXPECT_EQ(target.Suppliers.Head()->Name, "Hof Meier");
}

TEST(Data, DeletingTheSupplierInUseLeavesNoneInUse)
{
    CIngredient ingredient;
    ingredient.AddIngredientSupplier("A", 1, 1);
    ingredient.AddIngredientSupplier("B", 2, 1);
    ingredient.SupplierInUse = ingredient.Suppliers.At(1);
    ingredient.DeleteIngredientSupplier(ingredient.Suppliers.At(0));
    EXPECT_EQ(ingredient.GetSupplierName(), "B");
    ingredient.DeleteIngredientSupplier(ingredient.SupplierInUse);
    EXPECT_EQ(ingredient.SupplierInUse, nullptr);
    EXPECT_EQ(ingredient.GetSupplierName(), "");
    EXPECT_TRUE(ingredient.Suppliers.IsEmpty());
}

TEST(Data, RecipeCopyKeepsLinesAndOwnPortionUnit)
{
    CData data;
    CIngredient& flour = AddIngredient(data, "Mehl", 1.0, 1.0);
    CRecipe source(&data);
    source.Name = "Brot";
    source.NbPortion = 12.0;
    source.UseAsIngredient = 1;
    source.UseForSale = 0;
    source.Comment = "Teig gehen lassen";
    source.PriceSell = 4.5;
    source.NameGroupIndex = 7;
    source.PictureFilename = "brot.jpg";
    source.PortionUnit = "Scheiben";
    source.AddRecipeIngredient(nullptr, &flour, 0.5, 0.0);
    source.AddRecipeIngredient(3, 4, 2.0, 5.0, 9);

    ASSERT_EQ(data.AddRecipe(source), 1);
    const CRecipe& copy = *data.Recipes.Head();
    EXPECT_EQ(copy.Name, "Brot");
    EXPECT_EQ(copy.NbPortion, 12.0);
    EXPECT_EQ(copy.UseAsIngredient, 1);
    EXPECT_EQ(copy.UseForSale, 0);
    EXPECT_EQ(copy.Comment, "Teig gehen lassen");
    EXPECT_EQ(copy.PictureFilename, "brot.jpg");
    EXPECT_EQ(copy.NameGroupIndex, 7);
    EXPECT_EQ(copy.PortionUnit, CStringTables::Load(121));
    ASSERT_EQ(copy.GetNbRecipeIngredients(), 2);
    EXPECT_EQ(copy.RecipeIngredients.At(0)->Ingredient, &flour);
    EXPECT_EQ(copy.RecipeIngredients.At(0)->Owner, &copy);
    EXPECT_EQ(copy.RecipeIngredients.At(1)->RecipeIndex, 3);
    EXPECT_EQ(copy.RecipeIngredients.At(1)->IngredientIndex, 4);
    EXPECT_EQ(copy.RecipeIngredients.At(1)->SortNum, 9);
}

TEST(Data, SortNumbersAreAppendedAndCloseTheirGaps)
{
    CRecipe recipe;
    recipe.AddRecipeIngredient(nullptr, nullptr, 1, 0);
    EXPECT_EQ(recipe.RecipeIngredients.At(0)->SortNum, 1);
    recipe.AddRecipeIngredient(0, 0, 1, 0, 5);
    recipe.AddRecipeIngredient(nullptr, nullptr, 1, 0);
    EXPECT_EQ(recipe.RecipeIngredients.At(2)->SortNum, 6);

    CRecipe three;
    for (int i = 0; i < 3; ++i)
        three.AddRecipeIngredient(nullptr, nullptr, 1, 0);
    three.DeleteRecipeIngredient(three.RecipeIngredients.At(1));
    ASSERT_EQ(three.GetNbRecipeIngredients(), 2);
    EXPECT_EQ(three.RecipeIngredients.At(0)->SortNum, 1);
    EXPECT_EQ(three.RecipeIngredients.At(1)->SortNum, 2);
}

TEST(Data, DeletionRules)
{
    CData data;
    CIngredient& used = AddIngredient(data, "Mehl", 1, 1);
    CIngredient& unused = AddIngredient(data, "Salz", 1, 1);
    CRecipe& dough = AddRecipe(data, "Teig", 1);
    CRecipe& base = AddRecipe(data, "Boden", 1);
    CRecipe& cake = AddRecipe(data, "Torte", 1);
    dough.AddRecipeIngredient(nullptr, &used, 1, 0);
    base.AddRecipeIngredient(&dough, nullptr, 1, 0);
    cake.AddRecipeIngredient(&base, nullptr, 1, 0);

    EXPECT_FALSE(data.CanDeleteIngredient(&used));
    EXPECT_TRUE(data.CanDeleteIngredient(&unused));
    EXPECT_FALSE(data.CanDeleteRecipe(&dough)); // used by a recipe that is itself only a sub-recipe
    EXPECT_FALSE(data.CanDeleteRecipe(&base));
    EXPECT_TRUE(data.CanDeleteRecipe(&cake));
    EXPECT_TRUE(cake.ContainsRecipe(&dough));
    EXPECT_FALSE(dough.ContainsRecipe(&cake));
}

TEST(Data, DeletingARecipeKeepsItsSales)
{
    CData data;
    data.SetDefaults();
    CRecipe& soup = AddRecipe(data, "Suppe", 1, 0);
    soup.PriceSell = 5.95;
    for (int day = 1; day <= 3; ++day)
        EXPECT_EQ(data.AddSaleFromRecipe(&soup, 2, CDateTime(2009, 5, day)), 1);
    ASSERT_EQ(data.Sales.Count(), 3);

    EXPECT_EQ(data.DeleteRecipe(&soup), 1);
    EXPECT_EQ(data.GetNbRecipes(), 0);
    ASSERT_EQ(data.Sales.Count(), 3);
    for (const CSale& sale : data.Sales) {
        EXPECT_EQ(sale.Recipe, nullptr);
        EXPECT_EQ(sale.Name, "Suppe");
        EXPECT_EQ(sale.NameGroupIndex, 0);
        EXPECT_DOUBLE_EQ(sale.PriceSellPerPortionTax, 5.95);
        EXPECT_DOUBLE_EQ(sale.PriceSellPerPortionNoTax, 5.0);
    }
}

TEST(Data, SaleBookingMergesOnlySameDayAndPrices)
{
    CData data;
    data.SetDefaults();
    CIngredient& potato = AddIngredient(data, "Kartoffeln", 2.0, 1.0);
    CRecipe& fries = AddRecipe(data, "Pommes", 1, 5);
    fries.PriceSell = 3.57;
    fries.AddRecipeIngredient(nullptr, &potato, 0.25, 0.0);

    EXPECT_EQ(data.AddSaleFromRecipe(nullptr, 1, CDateTime(2009, 5, 19)), 0);
    EXPECT_EQ(data.AddSaleFromRecipe(&fries, 3, CDateTime(2009, 5, 19, 12, 0)), 1);
    EXPECT_EQ(data.AddSaleFromRecipe(&fries, 2, CDateTime(2009, 5, 19, 20, 30)), 1);
    ASSERT_EQ(data.Sales.Count(), 1);
    const CSale& sale = *data.Sales.Head();
    EXPECT_EQ(sale.NbPortion, 5.0);
    EXPECT_EQ(sale.DateTime.GetHour(), 12);
    EXPECT_EQ(sale.Name, "Pommes");
    EXPECT_EQ(sale.NameGroupIndex, 5);
    EXPECT_DOUBLE_EQ(sale.PriceBuyPerPortion, 0.5);
    EXPECT_DOUBLE_EQ(sale.PriceSellPerPortionNoTax, 3.0);

    fries.PriceSell = 3.95; // a price change breaks the merge and leaves the booked sale alone
    EXPECT_EQ(data.AddSaleFromRecipe(&fries, 1, CDateTime(2009, 5, 19)), 1);
    ASSERT_EQ(data.Sales.Count(), 2);
    EXPECT_DOUBLE_EQ(sale.PriceSellPerPortionTax, 3.57);
    EXPECT_DOUBLE_EQ(data.Sales.At(1)->PriceSellPerPortionTax, 3.95);

    potato.SupplierInUse->Price = 2.4; // so does a cost change
    EXPECT_EQ(data.AddSaleFromRecipe(&fries, 1, CDateTime(2009, 5, 19)), 1);
    EXPECT_EQ(data.AddSaleFromRecipe(&fries, 1, CDateTime(2009, 5, 20)), 1); // another day
    EXPECT_EQ(data.Sales.Count(), 4);

    // Two dates that are both not valid count as the same day.
    EXPECT_EQ(data.AddSaleFromRecipe(&fries, 1, CDateTime::MakeInvalid()), 1);
    EXPECT_EQ(data.AddSaleFromRecipe(&fries, 1, CDateTime::MakeNull()), 1);
    EXPECT_EQ(data.Sales.Count(), 5);
    EXPECT_EQ(data.Sales.At(4)->NbPortion, 2.0);
}

TEST(Data, SortByGroupThenNameFoldsUmlautsAndPutsNoGroupLate)
{
    CData data;
    AddIngredient(data, "Birnen", 1, 1, "Obst");
    AddIngredient(data, "Pfeffer", 1, 1, "");
    AddIngredient(data, "Boskop", 1, 1, "\xC4pfel");
    AddIngredient(data, "Apfelmus", 1, 1, "Obst");
    AddIngredient(data, "Zimt", 1, 1, "Zutaten");
    AddIngredient(data, "alt", 1, 1, "\xE4pfel");

    data.SortIngredients("Group|Name", true);
    EXPECT_EQ(Names(data.Ingredients), "alt,Boskop,Apfelmus,Birnen,Pfeffer,Zimt");
    data.SortIngredients("Group|Name", false);
    EXPECT_EQ(Names(data.Ingredients), "Zimt,Pfeffer,Birnen,Apfelmus,Boskop,alt");
    data.SortIngredients("Name", true);
    EXPECT_EQ(Names(data.Ingredients), "alt,Apfelmus,Birnen,Boskop,Pfeffer,Zimt");
    EXPECT_EQ(data.Ingredients.Head()->Name, "alt");
}

TEST(Data, SortKeepsEqualKeysInTheirOrder)
{
    CData data;
    AddIngredient(data, "\xD6l", 1, 1, "1");
    AddIngredient(data, "OL", 1, 1, "2");
    AddIngredient(data, "ol", 1, 1, "3");
    AddIngredient(data, "Essig", 1, 1, "4");
    data.SortIngredients("Name", true);
    EXPECT_EQ(Names(data.Ingredients), "Essig,\xD6l,OL,ol");
    data.SortIngredients("Name", false);
    EXPECT_EQ(Names(data.Ingredients), "\xD6l,OL,ol,Essig");
    data.SortIngredients("Unbekannt", true); // an unknown key changes nothing
    EXPECT_EQ(Names(data.Ingredients), "\xD6l,OL,ol,Essig");
}

// Resolves through each recipe with the rings, or once for all with lookup tables.
void Restore(CData& data, bool withTables)
{
    if (withTables) {
        data.RestoreIngredients();
        return;
    }
    for (CRecipe& recipe : data.Recipes)
        recipe.RestoreIngredients(data.Ingredients, data.Recipes);
}

TEST(Data, RestoreIngredientsResolvesFileIndices)
{
    for (bool withTables : {false, true}) {
        CData data;
        CIngredient& salt = AddIngredient(data, "Salz", 1, 1);
        salt.FileIndex = 4;
        AddIngredient(data, "Salz doppelt", 1, 1).FileIndex = 4; // the first one wins
        CRecipe& sauce = AddRecipe(data, "Sauce", 1);
        sauce.FileIndex = 2;
        CRecipe& dish = AddRecipe(data, "Braten", 1);
        dish.FileIndex = 3;
        dish.AddRecipeIngredient(-1, 4, 1, 0, 1); // ingredient 4
        dish.AddRecipeIngredient(2, -1, 1, 0, 2); // recipe 2
        dish.AddRecipeIngredient(2, 9, 1, 0, 3);  // an ingredient index that finds nothing: recipe not tried
        dish.AddRecipeIngredient(8, -1, 1, 0, 4); // finds nothing
        Restore(data, withTables);

        const auto& lines = dish.RecipeIngredients;
        EXPECT_EQ(lines.At(0)->Ingredient, &salt) << withTables;
        EXPECT_EQ(lines.At(0)->IngredientIndex, -1);
        EXPECT_EQ(lines.At(1)->SubRecipe, &sauce) << withTables;
        EXPECT_EQ(lines.At(1)->RecipeIndex, -1);
        EXPECT_EQ(lines.At(2)->SubRecipe, nullptr) << withTables;
        EXPECT_EQ(lines.At(2)->IngredientIndex, 9);
        EXPECT_EQ(lines.At(3)->RecipeIndex, 8);
        EXPECT_EQ(lines.At(3)->GetName(), "undefined");
    }
}

TEST(Data, RestoreIngredientsRefusesAReferenceThatClosesACycle)
{
    for (bool withTables : {false, true}) {
        CData data;
        CRecipe& a = AddRecipe(data, "A", 1);
        a.FileIndex = 0;
        CRecipe& b = AddRecipe(data, "B", 1);
        b.FileIndex = 1;
        a.AddRecipeIngredient(1, -1, 1, 0, 1);
        b.AddRecipeIngredient(0, -1, 1, 0, 1);
        b.AddRecipeIngredient(1, -1, 1, 0, 2); // itself
        Restore(data, withTables);

        EXPECT_EQ(a.RecipeIngredients.At(0)->SubRecipe, &b) << withTables;
        EXPECT_EQ(b.RecipeIngredients.At(0)->SubRecipe, nullptr) << withTables;
        EXPECT_EQ(b.RecipeIngredients.At(1)->SubRecipe, nullptr) << withTables;
        EXPECT_EQ(a.GetPriceBuy(), 0.0); // the costs end
    }
}

// Recipes 0..count-1 where recipe i uses recipe i + step (forward: the next one in the ring;
// backward: the previous one), as a file would describe them.
void AddChain(CData& data, int count, bool usesNext)
{
    for (int i = 0; i < count; ++i) {
        CRecipe& recipe = AddRecipe(data, "Stufe " + std::to_string(i), 1);
        recipe.FileIndex = i;
        const int sub = usesNext ? i + 1 : i - 1;
        if (sub >= 0 && sub < count)
            recipe.AddRecipeIngredient(sub, -1, 1, 0, 1);
    }
}

// Length of the chain of sub-recipes that starts at `recipe` (one line per recipe here).
int ChainLength(const CRecipe& recipe)
{
    int length = 1;
    for (const CRecipe* r = &recipe; r->GetNbRecipeIngredients() && r->RecipeIngredients.At(0)->SubRecipe;
         r = r->RecipeIngredients.At(0)->SubRecipe)
        ++length;
    return length;
}

TEST(Data, RestoreIngredientsCutsChainsDeeperThanAKitchenMeans)
{
    CData data;
    AddChain(data, 150, false);
    data.RestoreIngredients();
    const CRecipe& first = *data.Recipes.At(99);
    const CRecipe& cut = *data.Recipes.At(100);
    EXPECT_EQ(ChainLength(first), RecipeGraph::kMaxNesting);
    EXPECT_EQ(cut.RecipeIngredients.At(0)->SubRecipe, nullptr);
    EXPECT_EQ(cut.RecipeIngredients.At(0)->RecipeIndex, 99);
    EXPECT_EQ(ChainLength(*data.Recipes.At(149)), 50);
}

TEST(Data, RestoreIngredientsWalksAVeryLongChainWithoutRecursion)
{
    CData data;
    const int count = 50000;
    AddChain(data, count, true); // the walk from the first recipe goes all the way down
    data.RestoreIngredients();
    int longest = 0;
    for (const CRecipe& recipe : data.Recipes)
        longest = std::max(longest, ChainLength(recipe));
    EXPECT_EQ(longest, RecipeGraph::kMaxNesting);
    EXPECT_EQ(data.Recipes.Head()->GetPriceBuy(), 0.0); // prices without running away
}

TEST(Data, DeletingARecordStillInUseLeavesNoDanglingLine)
{
    CData data;
    CIngredient& flour = AddIngredient(data, "Mehl", 1, 1);
    CRecipe& dough = AddRecipe(data, "Teig", 1);
    CRecipe& bread = AddRecipe(data, "Brot", 1);
    bread.AddRecipeIngredient(&dough, nullptr, 1, 0);
    bread.AddRecipeIngredient(nullptr, &flour, 1, 0);
    EXPECT_EQ(data.DeleteIngredient(&flour), 1);
    EXPECT_EQ(data.DeleteRecipe(&dough), 1);
    EXPECT_EQ(bread.RecipeIngredients.At(0)->SubRecipe, nullptr);
    EXPECT_EQ(bread.RecipeIngredients.At(1)->Ingredient, nullptr);
    EXPECT_EQ(bread.GetPriceBuy(), 0.0);
}

// Five sales A..E; a set of them is removed in one pass. An Id of no sale here (one of another
// catalogue's sales, or none at all) removes nothing, and the other catalogue keeps its sale.
TEST(Data, DeletingSalesByIdRemovesExactlyThoseAndKeepsTheOrder)
{
    const struct
    {
        const char* Doomed; // letters of the sales to remove; '?' an Id of no sale here
        const char* Left;
        int Removed;
    } cases[] = {
        {"BD", "ACE", 2}, {"A", "BCDE", 1},  {"E", "ABCD", 1},  {"ABCDE", "", 5},
        {"", "ABCDE", 0}, {"?", "ABCDE", 0}, {"C?", "ABDE", 1}, {"EA", "BCD", 2},
    };
    for (const auto& test : cases) {
        CData data;
        CRecipe& soup = AddRecipe(data, "Suppe", 1);
        CData other;
        CSale foreign(&other);
        ASSERT_EQ(other.AddSale(foreign), 1);
        std::vector<CSale*> sales;
        for (const char name : std::string("ABCDE")) {
            CSale scratch(&data);
            scratch.Name = std::string(1, name);
            scratch.NbPortion = name - 'A' + 1;
            scratch.Recipe = &soup;
            ASSERT_EQ(data.AddSale(scratch), 1);
            sales.push_back(data.Sales.At(data.Sales.Count() - 1));
        }
        std::unordered_set<int> ids;
        for (const char* doomed = test.Doomed; *doomed; ++doomed)
            ids.insert(*doomed == '?' ? other.Sales.Head()->Id : sales[*doomed - 'A']->Id);

        EXPECT_EQ(data.DeleteSales(ids), test.Removed) << test.Doomed;
        std::string left;
        for (const CSale& sale : data.Sales) {
            left += sale.Name;
            // The sales left are the same records, unchanged.
            EXPECT_EQ(&sale, sales[sale.Name[0] - 'A']) << test.Doomed;
            EXPECT_EQ(sale.NbPortion, sale.Name[0] - 'A' + 1) << test.Doomed;
            EXPECT_EQ(sale.Recipe, &soup) << test.Doomed;
        }
        EXPECT_EQ(left, test.Left) << test.Doomed;
        EXPECT_EQ(data.Sales.Head(), data.Sales.IsEmpty() ? nullptr : data.Sales.At(0));
        EXPECT_EQ(data.GetNbRecipes(), 1);
        EXPECT_EQ(other.Sales.Count(), 1);
    }
}

} // namespace
