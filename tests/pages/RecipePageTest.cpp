#include "pages/recipes/RecipePage.h"

#include "FakePageHost.h"
#include "RecipeTestSupport.h"
#include "pages/PageFactory.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum EColumn { kName, kGroup, kPriceBuy, kCalcNet, kCalcGross, kActualNet, kActualGross, kMargin, kRatio };

// The section bar of the recipes tab with the default groups: 0 "Alle", 1 "Alle Speisen",
// 2..10 the food groups 0..8, 11 "Alle Getränke", 12..18 the drink groups 10..16.
class RecipePageTest : public testing::Test
{
protected:
    static constexpr int kAllSection = 0;
    static constexpr int kAllFoodSection = 1;
    static constexpr int kAllDrinksSection = 11;

    RecipePageTest()
    {
        Host.Data.GroupSection.fill(-1);
        for (int group = 0; group <= 8; ++group)
            Host.Data.GroupSection[group] = 2 + group;
        for (int group = 10; group <= 16; ++group)
            Host.Data.GroupSection[group] = 2 + group;
        Host.Selection = {kAllSection, kAllSection, kAllFoodSection, kAllDrinksSection};
        AddWorkedCatalogue(Host.Data);
    }
    void Open()
    {
        Page.reset(static_cast<CRecipePage*>(PageFactory::Create(EPage::Recipes, Host, nullptr)));
        Page->InitFromData(Host.Data);
        Page->resize(1000, 500);
        Page->show();
        QApplication::setActiveWindow(Page.get());
    }
    void SelectSection(int section)
    {
        Host.Selection.Selected = section;
        Page->RefreshPage();
    }
    QStringList Names() const { return Column(*Page->List(), kName); }
    void Select(const QString& name) { ClickRow(*Page->List(), static_cast<int>(Names().indexOf(name))); }

    CFakePageHost Host;
    std::unique_ptr<CRecipePage> Page;
};

} // namespace

// A soup of 4 portions at 14,28 (the worked figures of the recipe dialog) in its row.
TEST_F(RecipePageTest, ListsThePricesOfEachRecipe)
{
    CRecipe* soup = AddRecipe(Host.Data, "Suppe", 0);
    soup->NbPortion = 4;
    soup->PriceSell = 14.28;
    soup->AddRecipeIngredient(nullptr, Host.Data.Ingredients.At(1), 0.5, 30);
    soup->AddRecipeIngredient(Host.Data.Recipes.Head(), nullptr, 2, 0);
    Open();
    const int row = static_cast<int>(Names().indexOf(QStringLiteral("Suppe")));
    QStringList cells;
    for (int column = kName; column <= kRatio; ++column)
        cells << Column(*Page->List(), column)[row];
    EXPECT_EQ(cells,
              (QStringList{"Suppe", "Suppen", "0,73", "2,44", "2,90", "12,00", "14,28", "11,27", "6,10"}));
    EXPECT_TRUE(Page->Subtitle()->isHidden());
}

// "Alle Speisen" hides a drink, "Alle Getränke" shows only it, a group's own section only
// its recipes.
TEST_F(RecipePageTest, FiltersBySection)
{
    AddRecipe(Host.Data, "Pils", 11);
    AddRecipe(Host.Data, "Schnitzel", 3);
    Open();
    EXPECT_EQ(Names(), (QStringList{"Fond", "Pils", "Schnitzel"}));
    SelectSection(kAllFoodSection);
    EXPECT_EQ(Names(), (QStringList{"Fond", "Schnitzel"}));
    SelectSection(kAllDrinksSection);
    EXPECT_EQ(Names(), QStringList{"Pils"});
    SelectSection(2 + 3);
    EXPECT_EQ(Names(), QStringList{"Schnitzel"});
}

// Adding under a general section is refused; in a group's section the new recipe lands in
// that group. The first recipe rebuilds the tabs.
TEST_F(RecipePageTest, AddsToTheSelectedGroupOnly)
{
    Host.Data.Recipes.Clear();
    Open();
    EXPECT_FALSE(Page->Subtitle()->isHidden());
    for (int section : {kAllSection, kAllFoodSection, kAllDrinksSection}) {
        SelectSection(section);
        Click(*Page, "addRecipe");
    }
    EXPECT_EQ(Host.Texts(), (std::vector<std::string>(3, Text(116))));
    SelectSection(2 + 6);
    WhenModalAppears<CDialogRecipe>([](CDialogRecipe& dialog) {
        ChooseLine(dialog, QStringLiteral("Butter"), QStringLiteral("1"), QStringLiteral("0"));
        TypeInto(dialog.Figures()->PriceSellField(), QStringLiteral("4,5"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Click(*Page, "addRecipe");
    ASSERT_EQ(Host.Data.GetNbRecipes(), 1);
    const CRecipe& added = *Host.Data.Recipes.Head();
    EXPECT_EQ(added.Name, "Butter");
    EXPECT_EQ(added.NameGroupIndex, 6);
    EXPECT_EQ(added.PriceSell, 4.5);
    EXPECT_EQ(Names(), QStringList{"Butter"});
    EXPECT_EQ(Host.Rebuilds, std::vector<int>{-1});
}

// Line edits in the dialog reach the catalogue on OK only.
TEST_F(RecipePageTest, CancelLeavesTheCatalogueUntouched)
{
    CRecipe* soup = AddRecipe(Host.Data, "Suppe", 0);
    soup->AddRecipeIngredient(nullptr, Host.Data.Ingredients.At(0), 1, 0);
    soup->AddRecipeIngredient(nullptr, Host.Data.Ingredients.At(1), 2, 10);
    Open();
    Select(QStringLiteral("Suppe"));
    Host.Recorded.QueueAnswer(CMessageService::Yes);
    WhenModalAppears<CDialogRecipe>([](CDialogRecipe& dialog) {
        ChooseLine(dialog, QStringLiteral("Fond"), QStringLiteral("3"), QStringLiteral("0"));
        ClickRow(*dialog.LineList(), 0);
        Click(dialog, "moveDown");
        Click(dialog, "deleteLine");
        ClickRow(*dialog.LineList(), 0);
        ChooseLine(dialog, QStringLiteral("Knochen"), QStringLiteral("7"), QStringLiteral("50"),
                   "changeLine");
        TypeInto(dialog.PortionsField(), QStringLiteral("9"));
        EXPECT_EQ(dialog.LineList()->model()->rowCount(), 2);
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    });
    Click(*Page, "changeRecipe");
    ASSERT_EQ(soup->GetNbRecipeIngredients(), 2);
    const CRecipeIngredient& first = *soup->RecipeIngredients.At(0);
    const CRecipeIngredient& second = *soup->RecipeIngredients.At(1);
    EXPECT_EQ(first.Ingredient, Host.Data.Ingredients.At(0));
    EXPECT_EQ(first.Amount, 1);
    EXPECT_EQ(first.SortNum, 1);
    EXPECT_EQ(second.Ingredient, Host.Data.Ingredients.At(1));
    EXPECT_EQ(second.WeightLoss, 10);
    EXPECT_EQ(second.SortNum, 2);
    EXPECT_EQ(soup->NbPortion, 1);
}

// A change on OK is copied onto the catalogue's recipe, lines included.
TEST_F(RecipePageTest, OkStoresTheChange)
{
    CRecipe* soup = AddRecipe(Host.Data, "Suppe", 0);
    Open();
    Select(QStringLiteral("Suppe"));
    WhenModalAppears<CDialogRecipe>([](CDialogRecipe& dialog) {
        ChooseLine(dialog, QStringLiteral("Fond"), QStringLiteral("2"), QStringLiteral("0"));
        TypeInto(dialog.NameField(), QStringLiteral("Brühe"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Click(*Page, "changeRecipe");
    EXPECT_EQ(soup->Name, "Br\xFChe");
    ASSERT_EQ(soup->GetNbRecipeIngredients(), 1);
    EXPECT_EQ(soup->RecipeIngredients.Head()->SubRecipe, Host.Data.Recipes.Head());
    EXPECT_EQ(Column(*Page->List(), kPriceBuy)[Names().indexOf(QStringLiteral("Brühe"))],
              QStringLiteral("1,50"));
}

// A recipe used as a line elsewhere cannot go (122); another one goes after the question with
// its name, and the last one going rebuilds the tabs.
TEST_F(RecipePageTest, DeleteRefusesARecipeInUseAndAsksFirst)
{
    CRecipe* soup = AddRecipe(Host.Data, "Suppe", 0);
    soup->AddRecipeIngredient(Host.Data.Recipes.Head(), nullptr, 1, 0);
    Open();
    Select(QStringLiteral("Fond"));
    Click(*Page, "deleteRecipe");
    Select(QStringLiteral("Suppe"));
    Click(*Page, "deleteRecipe"); // answered No
    EXPECT_EQ(Host.Data.GetNbRecipes(), 2);
    Host.Recorded.QueueAnswer(CMessageService::Yes);
    Click(*Page, "deleteRecipe");
    Host.Recorded.QueueAnswer(CMessageService::Yes);
    Select(QStringLiteral("Fond"));
    Click(*Page, "deleteRecipe");
    const std::string question = "Wollen Sie das Rezept 'Suppe' wirklich l\xF6schen? (Kann nicht r\xFC"
                                 "ckg\xE4ngig gemacht werden)";
    EXPECT_EQ(Host.Texts().size(), 4u);
    EXPECT_EQ(Host.Texts()[0], Text(122));
    EXPECT_EQ(Host.Texts()[1], question);
    EXPECT_EQ(Host.Texts()[2], question);
    EXPECT_EQ(Host.Data.GetNbRecipes(), 0);
    EXPECT_TRUE(Names().isEmpty());
    EXPECT_EQ(Host.Rebuilds, std::vector<int>{-1});
    Page->Print();
    EXPECT_EQ(Host.PrintedLists, std::vector<int>{179});
}
