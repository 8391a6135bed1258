// The catalogue's Add operations when memory runs out: nothing is appended, the owner gets the
// log line and message 209, and a catalogue without owner stays silent.

#include "FailingAllocation.h"
#include "catalogue/CatalogueOwner.h"
#include "catalogue/Data.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class CRecordingOwner : public CCatalogueOwner
{
public:
    void WriteLog(const std::string& line) override { Log.push_back(line); }
    void ShowMessage(int stringId) override { Messages.push_back(stringId); }

    std::vector<std::string> Log;
    std::vector<int> Messages;
};

// Runs `action` with the allocation number `failAt` failing.
template <class Action> auto WithFailingAllocation(int failAt, Action action)
{
    FailingAllocation::FailAfter(failAt);
    auto result = action();
    FailingAllocation::FailAfter(-1);
    return result;
}

const std::string kLong = "Ein Name, der zu lang ist, um ohne eigenen Speicher auszukommen";

TEST(AllocationFailure, AddReportsThroughTheOwner)
{
    CRecordingOwner owner;
    CData data(&owner);
    CIngredient ingredient(&data);
    CRecipe recipe(&data);
    CSale sale(&data);

    EXPECT_EQ(WithFailingAllocation(0, [&] { return data.AddIngredient(ingredient); }), 0);
    EXPECT_EQ(WithFailingAllocation(0, [&] { return data.AddRecipe(recipe); }), 0);
    EXPECT_EQ(WithFailingAllocation(0, [&] { return data.AddSale(sale); }), 0);
    EXPECT_EQ(WithFailingAllocation(0, [&] { return recipe.AddRecipeIngredient(nullptr, nullptr, 1, 0); }),
              0);
    EXPECT_EQ(WithFailingAllocation(0, [&] { return ingredient.AddIngredientSupplier("A", 1, 1); }), 0);
    EXPECT_EQ(WithFailingAllocation(
                  0, [&] { return ingredient.AddIngredientSupplierPointer(CIngredientSupplier()); }),
              nullptr);

    EXPECT_TRUE(data.Ingredients.IsEmpty());
    EXPECT_TRUE(data.Recipes.IsEmpty());
    EXPECT_TRUE(data.Sales.IsEmpty());
    EXPECT_TRUE(recipe.RecipeIngredients.IsEmpty());
    EXPECT_TRUE(ingredient.Suppliers.IsEmpty());
    const std::vector<std::string> expected = {
        "CData::AddIngredient() -> new CIngredient failed",
        "CData::AddRecipe() -> new CRecipe failed",
        "CData::AddSale() -> new CSale failed",
        "CRecipe::AddRecipeIngredient() -> new CRecipeIngredient failed",
        "CIngredient::AddIngredientSupplier() -> new CIngredientSupplier failed",
        "CIngredient::AddIngredientSupplierPointer() -> new CIngredientSupplier failed",
    };
    EXPECT_EQ(owner.Log, expected);
    EXPECT_EQ(owner.Messages, std::vector<int>(6, 209));
}

TEST(AllocationFailure, WithoutOwnerNothingIsShown)
{
    CData data;
    CIngredient orphan;
    EXPECT_EQ(WithFailingAllocation(0, [&] { return data.AddSale(CSale()); }), 0);
    EXPECT_EQ(WithFailingAllocation(0, [&] { return orphan.AddIngredientSupplier("A", 1, 1); }), 0);
    EXPECT_TRUE(data.Sales.IsEmpty());
}

// Whichever allocation of a deep copy fails, the catalogue either gains the complete copy or
// stays exactly as it was.
TEST(AllocationFailure, FailedCopyLeavesTheCatalogueUnchanged)
{
    CRecordingOwner owner;
    CData data(&owner);
    CIngredient source(&data);
    source.Name = kLong;
    for (int i = 0; i < 3; ++i)
        source.AddIngredientSupplier(kLong + std::to_string(i), i, 1);
    source.SupplierInUse = source.Suppliers.At(2);

    bool succeeded = false;
    for (int failAt = 0; !succeeded && failAt < 100; ++failAt) {
        const int result = WithFailingAllocation(failAt, [&] { return data.AddIngredient(source); });
        succeeded = result == 1;
        if (!succeeded) {
            EXPECT_TRUE(data.Ingredients.IsEmpty()) << failAt;
            continue;
        }
        const CIngredient& copy = *data.Ingredients.Head();
        EXPECT_EQ(copy.Name, kLong);
        ASSERT_EQ(copy.Suppliers.Count(), 3);
        EXPECT_EQ(copy.SupplierInUse, copy.Suppliers.At(2));
    }
    EXPECT_TRUE(succeeded);
    EXPECT_FALSE(owner.Log.empty());
}

} // namespace
