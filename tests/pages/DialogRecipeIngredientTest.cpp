#include "pages/recipes/DialogRecipeIngredient.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace {

enum EColumn { kName, kGroup, kPrice, kAmount, kUnit };

} // namespace

// Editing "Sauce", which holds "Fond": "Fond" and "Butter" are offered, "Sauce" and "Braten"
// (which holds Sauce) are not. Choosing Butter (8,40 for 2 kg, 4,20 a kg) with 0,5 kg and 30 %
// loss shows 0,5 / 0,7 = 0,714 kg to buy for 0,714 * 4,20 = 3,00.
TEST(DialogRecipeIngredient, OffersNoCycleAndShowsWhatToBuy)
{
    CFakePageHost host;
    AddIngredient(host.Data, "Butter", "Milchprodukte", "kg", 8.40, 2);
    CRecipe* fond = AddRecipe(host.Data, "Fond", 0, true);
    CRecipe* sauce = AddRecipe(host.Data, "Sauce", 0, true);
    AddRecipe(host.Data, "Braten", 0, true)->AddRecipeIngredient(sauce, nullptr, 1, 0);
    sauce->AddRecipeIngredient(fond, nullptr, 1, 0);
    CDialogRecipeIngredient dialog(host, sauce, nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(Column(*dialog.List(), kName).size(), 2);
    EXPECT_TRUE(Column(*dialog.List(), kName).contains(QStringLiteral("Fond")));
    EXPECT_EQ(Column(*dialog.List(), kGroup).count(QStringLiteral("Rezepturzutat")), 1);

    ClickRow(*dialog.List(),
             static_cast<int>(Column(*dialog.List(), kName).indexOf(QStringLiteral("Butter"))));
    TypeInto(dialog.AmountField(), QStringLiteral("0,5"));
    TypeInto(dialog.WeightLossField(), QStringLiteral("30"));
    PressEnter(dialog.WeightLossField());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.PurchaseAmount()->text(), QStringLiteral("0,71"));
    EXPECT_EQ(dialog.PurchasePrice()->text(), QStringLiteral("3,00"));
    TypeInto(dialog.WeightLossField(), QStringLiteral("100"));
    PressEnter(dialog.WeightLossField());
    EXPECT_EQ(dialog.PurchaseAmount()->text(), QStringLiteral("50,00")) << "a loss of 100 counts as 99";
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenIngredient(), host.Data.Ingredients.Head());
    EXPECT_EQ(dialog.Amount(), 0.5);
    EXPECT_EQ(dialog.WeightLoss(), 100);
}

// Without a choice, or with amount 0, OK says so and the dialog stays.
TEST(DialogRecipeIngredient, RefusesNoChoiceAndAZeroAmount)
{
    CFakePageHost host;
    AddIngredient(host.Data, "Butter", "Milchprodukte", "kg", 8.40, 2);
    CDialogRecipeIngredient dialog(host, nullptr, nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    TypeInto(dialog.AmountField(), QStringLiteral("1"));
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ClickRow(*dialog.List(), 0);
    TypeInto(dialog.AmountField(), QStringLiteral("0"));
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(host.Texts(), (std::vector<std::string>{Text(203), Text(203)}));
    EXPECT_TRUE(dialog.isVisible());
}

// A line being changed opens on its item, amount and weight loss; the group menu narrows the
// list to "Rezepturzutat", which keeps the recipe row selected.
TEST(DialogRecipeIngredient, ChangingALineStartsFromIt)
{
    CFakePageHost host;
    AddIngredient(host.Data, "Butter", "Milchprodukte", "kg", 8.40, 2);
    CRecipe* fond = AddRecipe(host.Data, "Fond", 0, true);
    fond->NbPortion = 4;
    fond->AddRecipeIngredient(nullptr, host.Data.Ingredients.Head(), 1, 0); // 4,20 for 4 portions
    CRecipe* sauce = AddRecipe(host.Data, "Sauce", 0, true);
    sauce->AddRecipeIngredient(fond, nullptr, 2, 0);
    CDialogRecipeIngredient dialog(host, sauce, sauce->RecipeIngredients.Head());
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(dialog.ChosenRecipe(), fond);
    EXPECT_EQ(dialog.NameDisplay()->text(), QStringLiteral("Fond"));
    EXPECT_EQ(dialog.AmountField()->text(), QStringLiteral("2"));
    EXPECT_EQ(dialog.PurchasePrice()->text(), QStringLiteral("2,10")); // 2 portions of 1,05
    QStringList seen;
    WhenMenuAppears(QStringLiteral("Rezepturzutat"), &seen);
    QTest::mouseClick(dialog.GroupButton(), Qt::LeftButton);
    EXPECT_EQ(seen, (QStringList{"&Milchprodukte", "&Rezepturzutat", "-", "&alle Warengruppen"}));
    EXPECT_EQ(Column(*dialog.List(), kName), QStringList{QStringLiteral("Fond")});
    EXPECT_EQ(dialog.ChosenRecipe(), fond);
}

namespace {

// The name in the selected row; empty without a selection.
QString SelectedName(const CDialogRecipeIngredient& dialog)
{
    const QModelIndexList rows = dialog.List()->selectionModel()->selectedRows(kName);
    return rows.size() == 1 ? rows.front().data().toString() : QString();
}

} // namespace

// A filter that hides the chosen item does not unchoose it: back under "alle Warengruppen" its
// row is selected again, the name still shows, and OK takes it. So for a clicked row and for
// the item of a line being changed.
TEST(DialogRecipeIngredient, TheChosenItemOutlivesAFilterThatHidesIt)
{
    CFakePageHost host;
    CIngredient* butter = AddIngredient(host.Data, "Butter", "Milchprodukte", "kg", 8.40, 2);
    AddIngredient(host.Data, "Mehl", "Backen", "kg", 1.0, 1);
    AddRecipe(host.Data, "Fond", 0, true);
    CRecipe* sauce = AddRecipe(host.Data, "Sauce", 0, false);
    sauce->AddRecipeIngredient(nullptr, butter, 2, 0);
    for (const bool changingALine : {false, true}) {
        SCOPED_TRACE(changingALine ? "changing a line" : "a new line");
        CDialogRecipeIngredient dialog(host, sauce,
                                       changingALine ? sauce->RecipeIngredients.Head() : nullptr);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        if (!changingALine) {
            ClickRow(*dialog.List(), static_cast<int>(Column(*dialog.List(), kName).indexOf("Butter")));
            TypeInto(dialog.AmountField(), QStringLiteral("2"));
        }
        ASSERT_EQ(SelectedName(dialog), QStringLiteral("Butter"));
        WhenMenuAppears(QStringLiteral("Rezepturzutat"));
        QTest::mouseClick(dialog.GroupButton(), Qt::LeftButton);
        EXPECT_EQ(Column(*dialog.List(), kName), QStringList{QStringLiteral("Fond")});
        EXPECT_EQ(dialog.NameDisplay()->text(), QStringLiteral("Butter"));
        WhenMenuAppears(QStringLiteral("alle Warengruppen"));
        QTest::mouseClick(dialog.GroupButton(), Qt::LeftButton);
        EXPECT_EQ(SelectedName(dialog), QStringLiteral("Butter"));
        EXPECT_EQ(dialog.NameDisplay()->text(), QStringLiteral("Butter"));
        EXPECT_EQ(dialog.PurchasePrice()->text(), QStringLiteral("8,40"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.ChosenIngredient(), butter);
    }
}
