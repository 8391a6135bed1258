#include "pages/ingredients/DialogIngredient.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "pages/ingredients/DialogIngredientSupplier.h"
#include "pages/recipes/DialogRecipeIngredient.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum ESupplierColumn { kSupplierName, kPricePerUnit, kPrice, kAmount };

// A dialog on a copy of "Sahne" with the suppliers Molkerei (1 l for 3,20, used) and
// Großmarkt (10 l for 28,00).
class DialogIngredientTest : public testing::Test
{
protected:
    void SetUp() override
    {
        Copy.Name = "Sahne";
        Copy.Unit = "l";
        Copy.AddIngredientSupplier("Molkerei", 3.20, 1);
        Copy.AddIngredientSupplier("Gro\xDFmarkt", 28.0, 10);
        Copy.SupplierInUse = Copy.Suppliers.Head();
        Dialog = std::make_unique<CDialogIngredient>(Host, Copy);
        Dialog->show();
        QApplication::setActiveWindow(Dialog.get());
    }

    int RowOf(const QString& supplier) const
    {
        return static_cast<int>(Column(*Dialog->SupplierList(), kSupplierName).indexOf(supplier));
    }
    void Click(const char* button)
    {
        QTest::mouseClick(Dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    CFakePageHost Host;
    CIngredient Copy{&Host.Data};
    std::unique_ptr<CDialogIngredient> Dialog;
};

} // namespace

TEST_F(DialogIngredientTest, OpensOnTheUsedSupplier)
{
    EXPECT_EQ(Dialog->AmountField()->text(), QStringLiteral("1"));
    EXPECT_EQ(Dialog->PriceField()->text(), QStringLiteral("3,20"));
    EXPECT_EQ(Dialog->SupplierField()->currentText(), QStringLiteral("Molkerei"));
    EXPECT_EQ(Dialog->AmountUnit()->text(), QStringLiteral("l"));
    EXPECT_EQ(Dialog->SupplierList()->GetSelectedRowId(),
              Dialog->SupplierList()->GetData().GetItems()[RowOf("Molkerei")]);
}

// The supplier commands act on one supplier: Ctrl and Shift clicks keep one row selected, in
// this dialog and in the selection dialog of a recipe line.
TEST_F(DialogIngredientTest, ListsOfOneChoiceSelectOneRow)
{
    AddIngredient(Host.Data, "Butter", "", "kg", 8.40, 2);
    AddIngredient(Host.Data, "Mehl", "", "kg", 1.0, 1);
    CDialogRecipeIngredient selection(Host, nullptr, nullptr);
    Dialog->show();
    selection.show();
    for (CListCtrlEx* list : {Dialog->SupplierList(), selection.List()}) {
        ASSERT_GE(list->model()->rowCount(), 2);
        ClickRow(*list, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          list->visualRect(list->model()->index(1, 0)).center());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          list->visualRect(list->model()->index(0, 0)).center());
        EXPECT_EQ(list->selectionModel()->selectedRows().size(), 1) << list->objectName().toStdString();
    }
}

// Ctrl+double click only switches; a plain double click switches and opens the change dialog.
TEST_F(DialogIngredientTest, DoubleClickSwitchesTheUsedSupplier)
{
    DoubleClickRow(*Dialog->SupplierList(), RowOf(QStringLiteral("Großmarkt")), Qt::ControlModifier);
    EXPECT_EQ(Copy.SupplierInUse, Copy.Suppliers.At(1));
    EXPECT_EQ(Dialog->AmountField()->text(), QStringLiteral("10"));
    EXPECT_EQ(Dialog->PriceField()->text(), QStringLiteral("28,00"));

    bool opened = false;
    WhenModalAppears<CDialogIngredientSupplier>([&](CDialogIngredientSupplier& supplier) {
        opened = true;
        EXPECT_EQ(supplier.NameField()->currentText(), QStringLiteral("Molkerei"));
        TypeInto(supplier.PriceField(), QStringLiteral("3,50"));
        QTest::mouseClick(supplier.OkButton(), Qt::LeftButton);
    });
    DoubleClickRow(*Dialog->SupplierList(), RowOf(QStringLiteral("Molkerei")));
    EXPECT_TRUE(opened);
    EXPECT_EQ(Copy.SupplierInUse, Copy.Suppliers.Head());
    EXPECT_EQ(Copy.Suppliers.Head()->Price, 3.5);
    EXPECT_EQ(Dialog->PriceField()->text(), QStringLiteral("3,50"))
        << "the fields show the changed used entry";
}

TEST_F(DialogIngredientTest, TheUsedSupplierCannotBeDeletedAnotherOneAfterTheQuestion)
{
    ClickRow(*Dialog->SupplierList(), RowOf(QStringLiteral("Molkerei")));
    Click("deleteSupplier");
    EXPECT_EQ(Host.Texts(), std::vector<std::string>{Text(128)});
    EXPECT_EQ(Copy.Suppliers.Count(), 2);

    Host.Recorded.Clear();
    ClickRow(*Dialog->SupplierList(), RowOf(QStringLiteral("Großmarkt")));
    Click("deleteSupplier"); // answered No
    EXPECT_EQ(Copy.Suppliers.Count(), 2);
    Host.Recorded.QueueAnswer(CMessageService::Yes);
    Click("deleteSupplier");
    EXPECT_EQ(Host.Texts().back(),
              "Wollen Sie den Lieferanten 'Gro\xDFmarkt' wirklich l\xF6schen? (Kann nicht "
              "r\xFC"
              "ckg\xE4ngig gemacht werden)");
    EXPECT_EQ(Copy.Suppliers.Count(), 1);
    EXPECT_EQ(Column(*Dialog->SupplierList(), kSupplierName), QStringList{QStringLiteral("Molkerei")});
}

// Enter recomputes without closing: the used entry and its row follow the fields.
TEST_F(DialogIngredientTest, EnterInAFieldUpdatesTheUsedSupplierAndKeepsTheDialogOpen)
{
    TypeInto(Dialog->AmountField(), QStringLiteral("2"));
    PressEnter(Dialog->AmountField());
    TypeInto(Dialog->PriceField(), QStringLiteral("5"));
    PressEnter(Dialog->PriceField());
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_EQ(Dialog->PriceField()->text(), QStringLiteral("5,00"));
    const int row = RowOf(QStringLiteral("Molkerei"));
    EXPECT_EQ(Column(*Dialog->SupplierList(), kPricePerUnit)[row], QStringLiteral("2,50"));
    EXPECT_EQ(Column(*Dialog->SupplierList(), kAmount)[row], QStringLiteral("2"));
    TypeInto(Dialog->UnitField(), QStringLiteral("Becher"));
    PressEnter(Dialog->UnitField());
    EXPECT_EQ(Dialog->AmountUnit()->text(), QStringLiteral("Becher"));
}

// Choosing a name in the box switches to that entry; a new name renames the used entry.
TEST_F(DialogIngredientTest, TheSupplierBoxSwitchesOrRenames)
{
    QComboBox* box = Dialog->SupplierField();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down); // the next name: Großmarkt
    EXPECT_EQ(Copy.SupplierInUse, Copy.Suppliers.At(1));
    EXPECT_EQ(Dialog->AmountField()->text(), QStringLiteral("10"));
    TypeInto(box->lineEdit(), QStringLiteral("Metro"));
    PressEnter(box->lineEdit());
    EXPECT_EQ(Copy.Suppliers.At(1)->Name, "Metro");
    EXPECT_EQ(Copy.Suppliers.Count(), 2);
}

TEST_F(DialogIngredientTest, ABlankNameOrUnitIsRefused)
{
    const struct
    {
        const char* name;
        const char* unit;
    } cases[] = {{"   ", "l"}, {"Sahne", " \t"}, {"", ""}};
    for (const auto& c : cases) {
        Host.Recorded.Clear();
        TypeInto(Dialog->NameField(), QString::fromLatin1(c.name));
        TypeInto(Dialog->UnitField(), QString::fromLatin1(c.unit));
        QTest::mouseClick(Dialog->OkButton(), Qt::LeftButton);
        EXPECT_EQ(Host.Texts(), std::vector<std::string>{Text(198)}) << c.name << "/" << c.unit;
        EXPECT_TRUE(Dialog->isVisible());
    }
    EXPECT_EQ(Copy.Name, "Sahne");
    TypeInto(Dialog->NameField(), QStringLiteral("  Schlagsahne "));
    TypeInto(Dialog->UnitField(), QStringLiteral("l"));
    QTest::mouseClick(Dialog->OkButton(), Qt::LeftButton);
    EXPECT_EQ(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Copy.Name, "Schlagsahne");
}

// A price that is no number: the message, the dialog stays open, the used entry keeps its value.
TEST_F(DialogIngredientTest, ARefusedNumberKeepsTheDialogOpenAndTheValue)
{
    TypeInto(Dialog->PriceField(), QStringLiteral("3,2x"));
    PressEnter(Dialog->PriceField());
    EXPECT_EQ(Host.Texts(), std::vector<std::string>{"Geben Sie eine Zahl ein."});
    EXPECT_TRUE(Dialog->PriceField()->hasFocus());
    QTest::mouseClick(Dialog->OkButton(), Qt::LeftButton);
    EXPECT_TRUE(Dialog->isVisible());
    EXPECT_NE(Dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Copy.SupplierInUse->Price, 3.20);
}

namespace {

// A catalogue that knows the goods group "Milchprodukte" and the supplier "Hofladen Rieder".
void AddKnownNames(CData& data)
{
    CIngredient& milk = data.Ingredients.Append(std::make_unique<CIngredient>(&data));
    milk.Name = "Vollmilch";
    milk.Unit = "l";
    milk.Group = "Milchprodukte";
    milk.AddIngredientSupplier("Hofladen Rieder", 1.1, 1);
}

// Types into a box and presses Tab where the keyboard then is: in a list of names offered
// below the box, when one shows.
void TypeAndLeave(QComboBox* box, const QString& text)
{
    TypeInto(box->lineEdit(), text);
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup ? popup : box->lineEdit(), Qt::Key_Tab);
}

} // namespace

// "Milch" in the goods group and "Hof" as supplier stay what was typed when the field is left,
// though longer names of the catalogue begin so; in the supplier dialog too.
TEST(DialogIngredientFreeText, TypedNamesAreNotCompletedToExistingOnes)
{
    CFakePageHost host;
    AddKnownNames(host.Data);
    CIngredient copy(&host.Data);
    copy.Name = "Quark";
    copy.Unit = "kg";
    copy.AddIngredientSupplier("Molkerei", 4.0, 1);
    copy.SupplierInUse = copy.Suppliers.Head();
    CDialogIngredient dialog(host, copy);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    TypeAndLeave(dialog.GroupField(), QStringLiteral("Milch"));
    EXPECT_EQ(dialog.GroupField()->currentText(), QStringLiteral("Milch"));
    TypeAndLeave(dialog.SupplierField(), QStringLiteral("Hof"));
    EXPECT_EQ(dialog.SupplierField()->currentText(), QStringLiteral("Hof"));
    EXPECT_EQ(copy.SupplierInUse->Name, "Hof");
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_EQ(copy.Group, "Milch");
    EXPECT_EQ(copy.SupplierInUse->Name, "Hof");

    CDialogIngredientSupplier supplier(host, copy, nullptr);
    supplier.show();
    QApplication::setActiveWindow(&supplier);
    TypeAndLeave(supplier.NameField(), QStringLiteral("Hof"));
    QTest::mouseClick(supplier.OkButton(), Qt::LeftButton);
    EXPECT_EQ(supplier.Name(), "Hof");
}

// OK after fixing only the name keeps the price of 12.345 that the field shows as "12,35";
// passing through the price field is no change either. The supplier dialog does the same.
TEST(DialogIngredientUntouched, OkKeepsUntouchedFiguresWithMoreDecimals)
{
    CFakePageHost host;
    CIngredient copy(&host.Data);
    copy.Name = "Sahen";
    copy.Unit = "l";
    copy.AddIngredientSupplier("Molkerei", 12.345, 1.0 / 3.0);
    copy.SupplierInUse = copy.Suppliers.Head();
    CDialogIngredient dialog(host, copy);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    EXPECT_EQ(dialog.PriceField()->text(), QStringLiteral("12,35"));
    TypeInto(dialog.NameField(), QStringLiteral("Sahne"));
    for (QLineEdit* field : {dialog.AmountField(), dialog.PriceField()}) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Tab);
    }
    PressEnter(dialog.PriceField());
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(copy.Name, "Sahne");
    EXPECT_EQ(copy.SupplierInUse->Price, 12.345);
    EXPECT_EQ(copy.SupplierInUse->Amount, 1.0 / 3.0);

    CDialogIngredientSupplier supplier(host, copy, copy.SupplierInUse);
    supplier.show();
    QApplication::setActiveWindow(&supplier);
    supplier.PriceField()->setFocus();
    QTest::keyClick(supplier.PriceField(), Qt::Key_Tab);
    QTest::mouseClick(supplier.OkButton(), Qt::LeftButton);
    EXPECT_EQ(supplier.Price(), 12.345);
    EXPECT_EQ(supplier.Amount(), 1.0 / 3.0);
}

namespace {

// The object names of the widgets the Tab key visits from `first` on, `count` stops.
QStringList TabStops(QWidget* first, int count)
{
    first->setFocus();
    QStringList stops{first->objectName()};
    for (int stop = 1; stop < count; ++stop) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // An editable combo box's line edit stands for its box.
        if (focus && focus->objectName().isEmpty() && focus->parentWidget())
            focus = focus->parentWidget();
        stops << (focus ? focus->objectName() : QString());
    }
    return stops;
}

// The buttons of the window's QDialogButtonBox, left to right.
QStringList BoxedButtons(const QDialog& dialog)
{
    QStringList names;
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    if (!box)
        return names;
    QList<QAbstractButton*> buttons = box->buttons();
    std::sort(buttons.begin(), buttons.end(),
              [](const QAbstractButton* a, const QAbstractButton* b) { return a->x() < b->x(); });
    for (const QAbstractButton* button : buttons)
        names << button->objectName();
    return names;
}

} // namespace

// Tab goes through both dialogs as they read, top to bottom and left to right, and OK and
// "Abbrechen" stand in a button box; Enter still only recomputes.
TEST_F(DialogIngredientTest, TabFollowsTheLayoutAndOkCancelAreAButtonBox)
{
    EXPECT_EQ(
        TabStops(Dialog->NameField(), 14),
        (QStringList{"name", "group", "unit", "amount", "price", "supplier", "supplierList", "addSupplier",
                     "changeSupplier", "deleteSupplier", "helpButton", "okButton", "cancelButton", "name"}));
    EXPECT_EQ(BoxedButtons(*Dialog), (QStringList{"okButton", "cancelButton"}));
    PressEnter(Dialog->AmountField());
    EXPECT_TRUE(Dialog->isVisible());

    CDialogIngredientSupplier supplier(Host, Copy, Copy.SupplierInUse);
    supplier.show();
    QApplication::setActiveWindow(&supplier);
    EXPECT_EQ(TabStops(supplier.NameField(), 7), (QStringList{"supplierName", "amount", "price", "helpButton",
                                                              "okButton", "cancelButton", "supplierName"}));
    EXPECT_EQ(BoxedButtons(supplier), (QStringList{"okButton", "cancelButton"}));
    PressEnter(supplier.PriceField());
    EXPECT_TRUE(supplier.isVisible());
}
