#include "pages/recipes/IngredientChoices.h"

#include "RuleTestSupport.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const std::vector<CIngredientChoices::CChoice>& choices)
{
    std::vector<std::string> names;
    for (const auto& choice : choices)
        names.push_back(choice.Name);
    return names;
}

void AddLine(CRecipe& recipe, CRecipe& sub)
{
    recipe.AddRecipeIngredient(&sub, nullptr, 1.0, 0.0);
}

} // namespace

// Fond goes into Sauce, Sauce into Braten. Editing Fond must offer neither itself nor the
// recipes that contain it; a recipe not for use as an ingredient is never offered.
TEST(IngredientChoices, NeverOffersARecipeThatWouldCloseACycle)
{
    CData data;
    data.SetDefaults();
    AddIngredient(data, "Mehl", "Backen", "kg", 1.2, 1);
    CRecipe* fond = AddRecipe(data, "Fond", 0, true);
    CRecipe* sauce = AddRecipe(data, "Sauce", 0, true);
    CRecipe* roast = AddRecipe(data, "Braten", 0, true);
    AddRecipe(data, "Dessert", 0, false);
    AddRecipe(data,
              "Br\xFC"
              "he",
              0, true);
    AddLine(*sauce, *fond);
    AddLine(*roast, *sauce);
    const struct
    {
        const CRecipe* edited;
        std::vector<std::string> offered;
    } cases[] = {
        {fond,
         {"Br\xFC"
          "he",
          "Mehl"}},
        {sauce,
         {"Fond",
          "Br\xFC"
          "he",
          "Mehl"}},
        {roast,
         {"Fond", "Sauce",
          "Br\xFC"
          "he",
          "Mehl"}},
        {nullptr,
         {"Fond", "Sauce", "Braten",
          "Br\xFC"
          "he",
          "Mehl"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Names(CIngredientChoices::Build(data, c.edited, "")), c.offered);
}

// The recipe rows show only without a filter or under "Rezepturzutat"; ingredients by group.
TEST(IngredientChoices, TheFilterAppliesToRecipeRowsToo)
{
    CData data;
    data.SetDefaults();
    AddIngredient(data, "Mehl", "Backen", "kg", 1.2, 1);
    AddIngredient(data, "Milch", "Milchprodukte", "l", 0.9, 1);
    AddRecipe(data, "Fond", 0, true);
    EXPECT_EQ(Names(CIngredientChoices::Build(data, nullptr, "Rezepturzutat")),
              (std::vector<std::string>{"Fond"}));
    EXPECT_EQ(Names(CIngredientChoices::Build(data, nullptr, "Backen")), (std::vector<std::string>{"Mehl"}));
    const auto all = CIngredientChoices::Build(data, nullptr, "");
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0].Group, "Rezepturzutat");
    EXPECT_EQ(all[0].Unit, "Portionen");
    EXPECT_EQ(all[0].Amount, 1.0);
}

// Butter: 8.40 for 2 kg, 4.20 a kg. 0.5 kg used with 20 % loss: 0.5 * 100 / 80 = 0.625 kg
// bought for 0.625 * 4.20 = 2.625. A loss of 100 counts as 99: 0.5 * 100 = 50 kg, 210.
TEST(IngredientChoices, LineFiguresWithWeightLoss)
{
    CData data;
    CIngredient* butter = AddIngredient(data, "Butter", "", "kg", 8.40, 2);
    const struct
    {
        double loss;
        double gross;
        double price;
    } cases[] = {{0, 0.5, 2.10}, {20, 0.625, 2.625}, {100, 50.0, 210.0}, {-5, 0.5, 2.10}};
    for (const auto& c : cases) {
        const auto figures = CIngredientChoices::LineFigures(butter, nullptr, 0.5, c.loss);
        EXPECT_NEAR(figures.AmountGross, c.gross, 1e-9) << c.loss;
        EXPECT_NEAR(figures.Price, c.price, 1e-9) << c.loss;
    }
}
