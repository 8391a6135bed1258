#pragma once

#include "PageTestSupport.h"
#include "pages/recipes/DialogRecipe.h"
#include "pages/recipes/DialogRecipeIngredient.h"
#include "pages/recipes/RecipeFiguresBox.h"

#include <QPushButton>

// The catalogue of the worked examples: "Knochen" at 3,00 a kg, "Butter" at 4,00 for 2 kg, and
// the ingredient recipe "Fond" of 1 kg Knochen for 4 portions (0,75 a portion). Group 0 has
// the default VAT of 19 % and target ratio of 30 %; the second currency is DM at 1,95583.
inline void AddWorkedCatalogue(CData& data)
{
    data.CurrencyUnit2 = "DM";
    data.CurrencyFactor2 = 1.95583;
    CIngredient* bones = AddIngredient(data, "Knochen", "Fleisch", "kg", 3.00, 1);
    AddIngredient(data, "Butter", "Milchprodukte", "kg", 4.00, 2);
    CRecipe* fond = AddRecipe(data, "Fond", 0, true);
    fond->NbPortion = 4;
    fond->UseForSale = 0;
    fond->AddRecipeIngredient(nullptr, bones, 1, 0);
}

// Picks `name` in the selection dialog that "Hinzufügen" (or `button`) opens, with the
// amount and weight loss typed in.
inline void ChooseLine(CDialogRecipe& dialog, const QString& name, const QString& amount, const QString& loss,
                       const char* button = "addLine")
{
    WhenModalAppears<CDialogRecipeIngredient>([=](CDialogRecipeIngredient& select) {
        ClickRow(*select.List(), static_cast<int>(Column(*select.List(), 0).indexOf(name)));
        TypeInto(select.AmountField(), amount);
        TypeInto(select.WeightLossField(), loss);
        QTest::mouseClick(select.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
}

inline QString Shown(const CRecipeFiguresBox& box, CRecipeFiguresBox::EFigure figure)
{
    return box.Field(figure)->text();
}

inline void Click(QWidget& window, const char* button)
{
    QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
}
