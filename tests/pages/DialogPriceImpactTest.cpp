#include "pages/ingredients/DialogPriceImpact.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "TempDir.h"
#include "pages/ingredients/DialogIngredient.h"
#include "pages/ingredients/ImpactList.h"
#include "resources/StringIds.h"

#include <QLabel>
#include <QPushButton>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

// Butter 4,00 for 2 kg and flour 1,00 a kg; a roux (4 portions) of 0,2 kg of each, not sold; a
// cream soup (2 portions, 5,90) of 1 portion roux and 0,1 kg butter. Group 0 "Suppen": 19 %
// VAT, target ratio 30 %. Butter at 6,00 (3,00 a kg), by hand:
//   roux  0,6 -> 0,8 for 4 portions: 0,15 -> 0,20 a portion, margin -0,15 -> -0,20, loss 0,05;
//   soup  0,15 + 0,2 = 0,35 -> 0,20 + 0,30 = 0,50 for 2: 0,175 -> 0,25, loss 0,075;
//         price for the target after 0,25 / 30 % × 1,19 = 0,991666 -> "0,99".
class DialogPriceImpactTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Butter = AddIngredient(Host.Data, "Butter", "Milchprodukte", "kg", 4.00, 2);
        CIngredient* flour = AddIngredient(Host.Data, "Mehl", "Trocken", "kg", 1.00, 1);
        CRecipe* roux = AddRecipe(Host.Data, "Mehlschwitze", 0, true);
        roux->NbPortion = 4;
        roux->UseForSale = 0;
        roux->AddRecipeIngredient(nullptr, Butter, 0.2, 0);
        roux->AddRecipeIngredient(nullptr, flour, 0.2, 0);
        CRecipe* soup = AddRecipe(Host.Data, "Rahmsuppe", 0);
        soup->NbPortion = 2;
        soup->PriceSell = 5.90;
        soup->AddRecipeIngredient(roux, nullptr, 1, 0);
        soup->AddRecipeIngredient(nullptr, Butter, 0.1, 0);
        ASSERT_TRUE(Changed.CopyFrom(*Butter));
        Changed.SupplierInUse->Price = 6.0;
    }

    CFakePageHost Host;
    CIngredient* Butter = nullptr;
    CIngredient Changed{&Host.Data};
};

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST_F(DialogPriceImpactTest, ShowsEveryRecipeBeforeAndAfter)
{
    CDialogPriceImpact dialog(Host, *Butter, Changed);
    dialog.show();
    const CListCtrlEx& list = *dialog.List();
    EXPECT_EQ(Column(list, ImpactList::kRecipe), QStringList({"Rahmsuppe", "Mehlschwitze"}));
    EXPECT_EQ(Column(list, ImpactList::kGroup), QStringList({"Suppen", "Suppen"}));
    EXPECT_EQ(Column(list, ImpactList::kCostBefore).at(1), QStringLiteral("0,15"));
    EXPECT_EQ(Column(list, ImpactList::kCostAfter), QStringList({"0,25", "0,20"}));
    EXPECT_EQ(Column(list, ImpactList::kMarginLoss), QStringList({"0,075", "0,050"}));
    EXPECT_EQ(Column(list, ImpactList::kTargetPrice).at(0), QStringLiteral("0,99"));
    EXPECT_EQ(list.model()->columnCount(), static_cast<int>(ImpactList::kNbColumns) - 1);
    EXPECT_TRUE(dialog.Summary()->text().startsWith(QStringLiteral("Butter : 2,00 \u2192 3,00 EUR / kg")));
    EXPECT_DOUBLE_EQ(Butter->GetPrice(), 4.0);
}

TEST_F(DialogPriceImpactTest, PrintsCopiesAndExportsTheListAsShown)
{
    Host.Printing = true;
    CDialogPriceImpact dialog(Host, *Butter, Changed);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>("printButton"), Qt::LeftButton);
    EXPECT_EQ(Host.PrintedLists, std::vector<int>{StringId::kImpactListTitle});

    dialog.List()->selectAll();
    EXPECT_TRUE(dialog.List()->GetSelectedText().startsWith(QStringLiteral("Rahmsuppe\tSuppen\t5,90\t")));

    CTempDir dir;
    const std::string path = dir.File("Auswirkung.csv");
    Host.Dialogs.QueueAnswer(path);
    dialog.List()->SetColumnVisible(ImpactList::kGroup, false);
    QTest::mouseClick(dialog.findChild<QPushButton*>("exportButton"), Qt::LeftButton);
    const std::string text = FileText(path);
    ASSERT_GT(text.size(), 3u);
    EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(
        text.substr(3, text.find("\r\n") - 3),
        "Rezeptur;VK brutto;EK alt;EK neu;WE-Quote alt;WE-Quote neu;DB alt;DB neu;DB-Verlust;VK Soll-Quote");
    EXPECT_NE(text.find("\r\nRahmsuppe;5,90;"), std::string::npos);
    EXPECT_NE(text.find("\r\nMehlschwitze;0,00;0,15;0,20;"), std::string::npos);
}

TEST_F(DialogPriceImpactTest, AnUnusedIngredientSaysSo)
{
    CIngredient* salt = AddIngredient(Host.Data, "Salz", "", "kg", 1.0, 1);
    CIngredient changed(&Host.Data);
    ASSERT_TRUE(changed.CopyFrom(*salt));
    changed.SupplierInUse->Price = 2.0;
    CDialogPriceImpact dialog(Host, *salt, changed);
    EXPECT_EQ(dialog.List()->model()->rowCount(), 0);
    EXPECT_TRUE(
        dialog.Summary()->text().endsWith(QString::fromStdString("Keine Rezeptur verwendet diese Zutat.")));
}

// From the ingredient dialog: "Auswirkung …" waits for a changed price, shows the typed price
// before OK, and leaves the catalogue as it was.
TEST_F(DialogPriceImpactTest, OpensFromTheIngredientDialogBeforeOk)
{
    CIngredient copy(&Host.Data);
    ASSERT_TRUE(copy.CopyFrom(*Butter));
    CDialogIngredient dialog(Host, copy);
    dialog.SetOriginal(Butter);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_FALSE(dialog.ImpactButton()->isEnabled());
    TypeInto(dialog.PriceField(), QStringLiteral("6"));
    EXPECT_TRUE(dialog.ImpactButton()->isEnabled());

    QStringList shown;
    WhenModalAppears<CDialogPriceImpact>([&shown](CDialogPriceImpact& impact) {
        shown = Column(*impact.List(), ImpactList::kCostAfter);
        QTest::keyClick(&impact, Qt::Key_Escape);
    });
    QTest::mouseClick(dialog.ImpactButton(), Qt::LeftButton);
    EXPECT_EQ(shown, QStringList({"0,25", "0,20"}));
    EXPECT_DOUBLE_EQ(copy.GetPrice(), 6.0);
    EXPECT_DOUBLE_EQ(Butter->GetPrice(), 4.0);

    // Back at the catalogue's price the button is grey again; a new ingredient has none.
    TypeInto(dialog.PriceField(), QStringLiteral("4"));
    PressEnter(dialog.PriceField());
    EXPECT_FALSE(dialog.ImpactButton()->isEnabled());
    dialog.SetOriginal(nullptr);
    TypeInto(dialog.PriceField(), QStringLiteral("5"));
    EXPECT_FALSE(dialog.ImpactButton()->isEnabled());
}
