#include "ModalWindows.h"
#include "WindowTestBed.h"
#include "controls/ListCtrlEx.h"
#include "pages/costing/DialogPriceSimulation.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

QAction* Action(const CKostenkochDlg& dlg, const char* name)
{
    return dlg.findChild<QAction*>(QString::fromLatin1(name));
}

void OpenExtras(const CKostenkochDlg& dlg)
{
    emit dlg.findChild<QMenu*>(QStringLiteral("menuExtras"))->aboutToShow();
}

// Butter +50 % in the simulation, every dish chosen, prices ending in ,50 or ,90.
void SimulateAndApply(CKostenkochDlg& dlg)
{
    WhenModalAppears<CDialogPriceSimulation>([](CDialogPriceSimulation& simulation) {
        simulation.Ingredients()->selectAll();
        simulation.PercentField()->setText(QStringLiteral("50"));
        simulation.Rounding()->setCurrentIndex(2);
        ASSERT_TRUE(simulation.Calculate());
        simulation.Result()->selectAll();
        simulation.ApplyButton()->click();
    });
    Action(dlg, "actionPriceSimulation")->trigger();
}

// A soup (1 portion, 5,90, group 0: 19 % VAT, target 30 %) of 0,5 kg butter at 4,00 for 2 kg.
// Butter +50 %: 3,00 a kg, the soup costs 1,50; the price for the target ratio is
// 1,50 / 30 % × 1,19 = 5,95, with ,50/,90 endings 6,50.
TEST(PriceSimulationCommandTest, AppliedPricesCanBeTakenBackUntilTheNextSave)
{
    CWindowTestBed bed;
    CData data;
    data.SetDefaults();
    CIngredient butter(&data);
    butter.Name = "Butter";
    butter.Unit = "kg";
    butter.AddIngredientSupplier("Hofladen", 4.0, 2.0);
    butter.SupplierInUse = butter.Suppliers.Head();
    ASSERT_EQ(data.AddIngredient(butter), 1);
    CRecipe soup(&data);
    soup.Name = "Rahmsuppe";
    soup.NameGroupIndex = 0;
    soup.PriceSell = 5.90;
    soup.AddRecipeIngredient(nullptr, data.Ingredients.Head(), 0.5, 0.0);
    ASSERT_EQ(data.AddRecipe(soup), 1);
    bed.WriteDataFile(data, bed.DataPath());
    bed.Profile.WriteString("", "DataPath", bed.DataPath());
    auto dlg = bed.Start();
    CRecipe* stored = dlg->Document().GetData()->Recipes.Head();
    ASSERT_NE(stored, nullptr);

    OpenExtras(*dlg);
    EXPECT_TRUE(Action(*dlg, "actionPriceSimulation")->isEnabled());
    EXPECT_FALSE(Action(*dlg, "actionUndoPriceChange")->isEnabled());
    SimulateAndApply(*dlg);
    EXPECT_DOUBLE_EQ(stored->PriceSell, 6.50);
    EXPECT_DOUBLE_EQ(dlg->Document().GetData()->Ingredients.Head()->GetPrice(), 4.0);

    OpenExtras(*dlg);
    ASSERT_TRUE(Action(*dlg, "actionUndoPriceChange")->isEnabled());
    Action(*dlg, "actionUndoPriceChange")->trigger();
    EXPECT_DOUBLE_EQ(stored->PriceSell, 5.90);
    EXPECT_EQ(bed.MessageTexts().back(), "Die Verkaufspreise von 1 Rezepturen wurden zur\xFC"
                                         "ckgesetzt.");
    OpenExtras(*dlg);
    EXPECT_FALSE(Action(*dlg, "actionUndoPriceChange")->isEnabled());

    SimulateAndApply(*dlg);
    EXPECT_DOUBLE_EQ(stored->PriceSell, 6.50);
    Action(*dlg, "actionSave")->trigger();
    OpenExtras(*dlg);
    EXPECT_FALSE(Action(*dlg, "actionUndoPriceChange")->isEnabled());
    EXPECT_DOUBLE_EQ(stored->PriceSell, 6.50);
}

} // namespace
