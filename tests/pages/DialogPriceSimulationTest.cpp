#include "pages/costing/DialogPriceSimulation.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "datafile/DataFileWriter.h"
#include "pages/ingredients/ImpactList.h"
#include "resources/StringIds.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Butter (4,00 for 2 kg) and cream (3,00 a litre) in "Milchprodukte", flour (1,00 a kg, from
// "Mühle") in "Trocken"; a cream soup (2 portions, 6,90) of 0,1 kg butter, 0,5 l cream and
// 0,05 kg flour: 0,875 a portion; a bread (10 portions, 0,50) of 1 kg flour: 0,10 a portion.
// Group 0 "Suppen": 19 % VAT, target ratio 30 %.
class DialogPriceSimulationTest : public testing::Test
{
protected:
    void SetUp() override
    {
        CIngredient* butter = AddIngredient(Host.Data, "Butter", "Milchprodukte", "kg", 4.00, 2);
        CIngredient* cream = AddIngredient(Host.Data, "Sahne", "Milchprodukte", "l", 3.00, 1);
        CIngredient* flour = AddIngredient(Host.Data, "Mehl", "Trocken", "kg", 1.00, 1);
        flour->SupplierInUse->Name = "M\xFChle";
        Soup = AddRecipe(Host.Data, "Rahmsuppe", 0);
        Soup->NbPortion = 2;
        Soup->PriceSell = 6.90;
        Soup->AddRecipeIngredient(nullptr, butter, 0.1, 0);
        Soup->AddRecipeIngredient(nullptr, cream, 0.5, 0);
        Soup->AddRecipeIngredient(nullptr, flour, 0.05, 0);
        CRecipe* bread = AddRecipe(Host.Data, "Brot", 0);
        bread->NbPortion = 10;
        bread->PriceSell = 0.50;
        bread->AddRecipeIngredient(nullptr, flour, 1, 0);
        Dialog = std::make_unique<CDialogPriceSimulation>(Host);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
    }

    std::string CatalogueText() const { return CDataFileWriter(Host.Data, false).Render().ToString(); }
    void Calculate()
    {
        QTest::mouseClick(Dialog->findChild<QPushButton*>("calculateButton"), Qt::LeftButton);
    }
    QStringList Shown(ImpactList::EColumn column) const { return Column(*Dialog->Result(), column); }

    CFakePageHost Host;
    CRecipe* Soup = nullptr;
    std::unique_ptr<CDialogPriceSimulation> Dialog;
};

} // namespace

// Dairy +20 %: the soup costs 0,24 + 1,80 + 0,05 = 2,09 for 2 portions, 1,045 a portion; the
// price for the target ratio 1,045 / 30 % × 1,19 = 4,1452 rounds up to 4,15, 4,20 or 4,50.
// The catalogue is the same, byte for byte, until prices are applied.
TEST_F(DialogPriceSimulationTest, ByGroupAndPercentWithEveryRounding)
{
    const std::string before = CatalogueText();
    EXPECT_EQ(Dialog->Groups()->count(), 2);
    Dialog->ByGroup()->click();
    Dialog->Groups()->setCurrentIndex(Dialog->Groups()->findText(QStringLiteral("Milchprodukte")));
    TypeInto(Dialog->PercentField(), QStringLiteral("20"));
    PressEnter(Dialog->PercentField());
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Shown(ImpactList::kRecipe), QStringList{"Rahmsuppe"});
    EXPECT_EQ(Shown(ImpactList::kCostBefore), QStringList{"0,88"});
    // Net 6,90 / 1,19 = 5,7983; margin 5,7983 - 1,045 = 4,7533.
    EXPECT_EQ(Shown(ImpactList::kMarginAfter), QStringList{"4,75"});
    EXPECT_EQ(Shown(ImpactList::kNewPrice), QStringList{"4,15"});
    const QString expected[] = {"4,15", "4,20", "4,50"};
    for (int rounding = 2; rounding >= 0; --rounding) {
        Dialog->Rounding()->setCurrentIndex(rounding);
        EXPECT_EQ(Shown(ImpactList::kNewPrice), QStringList{expected[rounding]}) << rounding;
    }
    EXPECT_TRUE(Dialog->Summary()->text().startsWith(QStringLiteral("Geänderte Zutaten : 2,")));
    EXPECT_EQ(CatalogueText(), before);
}

// Flour from "Mühle" to 2,00: bread 0,10 -> 0,20 (loss 0,10), soup 0,875 -> 0,90 (loss 0,025);
// the bread's price for the target 0,20 / 30 % × 1,19 = 0,7933 -> 0,80.
TEST_F(DialogPriceSimulationTest, BySupplierToANewPriceLargestLossFirst)
{
    Dialog->BySupplier()->click();
    ASSERT_EQ(Dialog->Suppliers()->count(), 2);
    Dialog->Suppliers()->setCurrentIndex(Dialog->Suppliers()->findText(QStringLiteral("Mühle")));
    TypeInto(Dialog->PriceField(), QStringLiteral("2"));
    EXPECT_TRUE(Dialog->PriceMode()->isChecked());
    Calculate();
    EXPECT_EQ(Shown(ImpactList::kRecipe), QStringList({"Brot", "Rahmsuppe"}));
    EXPECT_EQ(Shown(ImpactList::kMarginLoss).at(1), QStringLiteral("0,025"));
    EXPECT_EQ(Shown(ImpactList::kNewPrice).at(0), QStringLiteral("0,80"));
}

// One by one: the selected ingredients; nothing selected, no number or no dish is refused and
// the dialog stays open; "Preise übernehmen" hands over the selected dishes' new prices.
TEST_F(DialogPriceSimulationTest, RefusesAndHandsOverTheChosenDishes)
{
    TypeInto(Dialog->PercentField(), QStringLiteral("20"));
    Calculate();
    TypeInto(Dialog->PercentField(), QStringLiteral("zwanzig"));
    Calculate();
    ClickRow(*Dialog->Ingredients(), static_cast<int>(Column(*Dialog->Ingredients(), 0).indexOf("Butter")));
    QTest::mouseClick(Dialog->ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(Host.Texts(),
              (std::vector<std::string>{Text(StringId::kSimulationNoIngredient), Text(StringId::kEnterNumber),
                                        Text(StringId::kSimulationNoDish)}));
    EXPECT_TRUE(Dialog->isVisible());

    // Butter +50 %: 3,00 a kg, the soup 0,30 + 1,50 + 0,05 = 1,85 for 2, 0,925 -> 3,6692 -> 3,67.
    TypeInto(Dialog->PercentField(), QStringLiteral("50"));
    Calculate();
    EXPECT_TRUE(Dialog->OneByOne()->isChecked());
    ASSERT_EQ(Shown(ImpactList::kRecipe), QStringList{"Rahmsuppe"});
    Dialog->Result()->selectAll();
    QTest::mouseClick(Dialog->ApplyButton(), Qt::LeftButton);
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    const std::vector<CSellPriceStep::CNewPrice> prices = Dialog->ChosenPrices(Host.Data);
    ASSERT_EQ(prices.size(), 1u);
    EXPECT_EQ(prices[0].Recipe, Soup);
    EXPECT_DOUBLE_EQ(prices[0].Price, 3.67);
    EXPECT_DOUBLE_EQ(Soup->PriceSell, 6.90);
}
