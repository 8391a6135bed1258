#include "pages/ingredients/IngredientPage.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "pages/PageFactory.h"
#include "pages/ingredients/DialogIngredient.h"
#include "pages/ingredients/DialogIngredientSupplier.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum EColumn { kName, kSupplier, kGroup, kPricePerUnit, kTotalPrice, kAmount, kUnit };

class IngredientPageTest : public testing::Test
{
protected:
    void Open()
    {
        Page.reset(static_cast<CIngredientPage*>(PageFactory::Create(EPage::Ingredients, Host, nullptr)));
        Page->InitFromData(Host.Data);
        Page->resize(900, 500);
        Page->show();
        QApplication::setActiveWindow(Page.get());
    }
    void Click(const char* button)
    {
        QTest::mouseClick(Page->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    QStringList Names() const { return Column(*Page->List(), kName); }
    void Select(const QString& name) { ClickRow(*Page->List(), static_cast<int>(Names().indexOf(name))); }

    CFakePageHost Host;
    std::unique_ptr<CIngredientPage> Page;
};

} // namespace

// The user adds "Weizenmehl" with two suppliers by keyboard and mouse; the first ingredient
// makes the window rebuild its tabs and the hint goes.
TEST_F(IngredientPageTest, AddAnIngredientWithTwoSuppliers)
{
    Open();
    EXPECT_FALSE(Page->Subtitle()->isHidden());
    WhenModalAppears<CDialogIngredient>([](CDialogIngredient& dialog) {
        TypeInto(dialog.NameField(), QStringLiteral("Weizenmehl Type 405"));
        TypeInto(dialog.GroupField()->lineEdit(), QStringLiteral("Backwaren"));
        TypeInto(dialog.UnitField(), QStringLiteral("kg"));
        TypeInto(dialog.AmountField(), QStringLiteral("25"));
        PressEnter(dialog.AmountField());
        TypeInto(dialog.PriceField(), QStringLiteral("18,5"));
        PressEnter(dialog.PriceField());
        TypeInto(dialog.SupplierField()->lineEdit(), QStringLiteral("Mühle Kern"));
        PressEnter(dialog.SupplierField()->lineEdit());
        WhenModalAppears<CDialogIngredientSupplier>([](CDialogIngredientSupplier& supplier) {
            TypeInto(supplier.NameField()->lineEdit(), QStringLiteral("Großmarkt Süd"));
            TypeInto(supplier.AmountField(), QStringLiteral("10"));
            TypeInto(supplier.PriceField(), QStringLiteral("9,9"));
            PressEnter(supplier.PriceField());
            EXPECT_EQ(supplier.PriceField()->text(), QStringLiteral("9,90"));
            QTest::mouseClick(supplier.OkButton(), Qt::LeftButton);
        });
        QTest::mouseClick(dialog.findChild<QPushButton*>("addSupplier"), Qt::LeftButton);
        EXPECT_EQ(dialog.SupplierList()->model()->rowCount(), 2);
        EXPECT_EQ(dialog.PriceField()->text(), QStringLiteral("18,50")) << "the first supplier stays in use";
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Click("addIngredient");

    ASSERT_EQ(Host.Data.GetNbIngredients(), 1);
    const CIngredient& flour = *Host.Data.Ingredients.Head();
    EXPECT_EQ(flour.Name, "Weizenmehl Type 405");
    EXPECT_EQ(flour.Group, "Backwaren");
    ASSERT_EQ(flour.Suppliers.Count(), 2);
    EXPECT_EQ(flour.GetSupplierName(), "M\xFChle Kern");
    EXPECT_EQ(flour.Suppliers.At(1)->Name, "Gro\xDFmarkt S\xFC"
                                           "d");
    EXPECT_EQ(flour.Suppliers.At(1)->Price, 9.9);
    EXPECT_EQ(Host.Rebuilds, std::vector<int>{-1});
    EXPECT_TRUE(Page->Subtitle()->isHidden());
    // 18,50 for 25 kg: 0,74 a kg.
    EXPECT_EQ(Column(*Page->List(), kPricePerUnit), QStringList{QStringLiteral("0,74")});
    EXPECT_EQ(Column(*Page->List(), kTotalPrice), QStringList{QStringLiteral("18,50")});
    EXPECT_EQ(Column(*Page->List(), kSupplier), QStringList{QStringLiteral("Mühle Kern")});
}

// Cancel leaves the catalogue as it was, even after supplier edits in the dialog.
TEST_F(IngredientPageTest, CancelDiscardsTheWorkingCopy)
{
    AddIngredient(Host.Data, "Zucker", "Backwaren", "kg", 1.1, 1);
    Open();
    Select(QStringLiteral("Zucker"));
    WhenModalAppears<CDialogIngredient>([](CDialogIngredient& dialog) {
        TypeInto(dialog.PriceField(), QStringLiteral("9"));
        PressEnter(dialog.PriceField());
        TypeInto(dialog.NameField(), QStringLiteral("Puderzucker"));
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    });
    Click("changeIngredient");
    EXPECT_EQ(Host.Data.Ingredients.Head()->Name, "Zucker");
    EXPECT_EQ(Host.Data.Ingredients.Head()->GetPrice(), 1.1);
}

TEST_F(IngredientPageTest, FilterByGroup)
{
    AddIngredient(Host.Data, "Äpfel", "Obst", "kg", 2.5, 1);
    AddIngredient(Host.Data, "Roggenbrot", "Brot", "St.", 3.2, 1);
    AddIngredient(Host.Data, "Birnen", "Obst", "kg", 2.9, 1);
    Open();
    QStringList seen;
    WhenMenuAppears(QStringLiteral("Obst"), &seen);
    Click("groupButton");
    EXPECT_EQ(seen, (QStringList{"&Obst", "&Brot", "-", "&alle Warengruppen"}));
    EXPECT_EQ(Page->Filter(), "Obst");
    EXPECT_EQ(Column(*Page->List(), kGroup), (QStringList{"Obst", "Obst"}));
    WhenMenuAppears(QStringLiteral("alle Warengruppen"));
    Click("groupButton");
    EXPECT_EQ(Page->List()->model()->rowCount(), 3);
}

TEST_F(IngredientPageTest, DeleteAsksAndRefusesWhatRecipesUse)
{
    CIngredient* salt = AddIngredient(Host.Data, "Salz", "", "kg", 0.4, 1);
    AddIngredient(Host.Data, "Pfeffer", "", "kg", 24, 1);
    AddRecipe(Host.Data, "Suppe", 0)->AddRecipeIngredient(nullptr, salt, 0.01, 0);
    Open();
    Select(QStringLiteral("Salz"));
    Click("deleteIngredient");
    EXPECT_EQ(Host.Texts(), std::vector<std::string>{Text(118)});

    Host.Recorded.Clear();
    Select(QStringLiteral("Pfeffer"));
    Click("deleteIngredient"); // No
    EXPECT_EQ(Host.Data.GetNbIngredients(), 2);
    Host.Recorded.QueueAnswer(CMessageService::Yes);
    Click("deleteIngredient");
    EXPECT_EQ(Host.Texts().back(), "Wollen Sie die Zutat 'Pfeffer' wirklich l\xF6schen? (Kann nicht "
                                   "r\xFC"
                                   "ckg\xE4ngig gemacht werden)");
    EXPECT_EQ(Names(), QStringList{QStringLiteral("Salz")});
    EXPECT_TRUE(Host.Rebuilds.empty()) << "one ingredient is left";
}

// The last ingredient going takes the recipes tab with it.
TEST_F(IngredientPageTest, DeletingTheLastIngredientRebuildsTheTabs)
{
    AddIngredient(Host.Data, "Salz", "", "kg", 0.4, 1);
    Open();
    Select(QStringLiteral("Salz"));
    Host.Recorded.QueueAnswer(CMessageService::Yes);
    Click("deleteIngredient");
    EXPECT_EQ(Host.Data.GetNbIngredients(), 0);
    EXPECT_EQ(Host.Rebuilds, std::vector<int>{-1});
}
