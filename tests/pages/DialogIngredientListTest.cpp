#include "pages/stock/DialogIngredientList.h"

#include "FakePageHost.h"
#include "PageTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

using EColumn = CDialogIngredientList::EColumn;

QStringList ColumnTexts(const CDialogIngredientList& dialog, EColumn column)
{
    QStringList texts;
    for (int row = 0; row < CStockEntry::kNbRows; ++row)
        texts << dialog.Field(row, column)->text();
    return texts;
}

// The dialog as the command opens it: shown, active, the stock field focused.
struct CStockDialog
{
    explicit CStockDialog(CFakePageHost& host) : Dialog(host)
    {
        Dialog.show();
        QApplication::setActiveWindow(&Dialog);
        Dialog.StockField()->setFocus();
    }

    // Replaces the stock text and presses a key in the field.
    void Type(const QString& text, Qt::Key key)
    {
        TypeInto(Dialog.StockField(), text);
        QTest::keyClick(Dialog.StockField(), key);
    }

    CDialogIngredientList Dialog;
};

double Stock(const CFakePageHost& host, int index)
{
    return host.Data.Ingredients.At(index)->StockAmount;
}

} // namespace

TEST(DialogIngredientList, OpensWithTheFirstOfThreeIngredientsInTheMiddleRow)
{
    CFakePageHost host;
    AddIngredient(host.Data, "Butter", "", "kg", 8.40, 2)->StockAmount = 1.5;
    AddIngredient(host.Data, "Mehl", "", "kg", 1.0, 1);
    AddIngredient(host.Data, "\xC4pfel", "", "kg", 2.0, 1);
    CStockDialog stock(host);
    const CDialogIngredientList& dialog = stock.Dialog;

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Bestandsdaten"));
    EXPECT_EQ(ColumnTexts(dialog, EColumn::Name),
              (QStringList{"", "", "Butter", "Mehl", QStringLiteral("Äpfel")}));
    EXPECT_EQ(ColumnTexts(dialog, EColumn::PricePerUnit), (QStringList{"", "", "4,20", "1,00", "2,00"}));
    EXPECT_EQ(ColumnTexts(dialog, EColumn::Stock), (QStringList{"", "", "1,50", "0,00", "0,00"}));
    EXPECT_EQ(ColumnTexts(dialog, EColumn::Value), (QStringList{"", "", "6,30", "0,00", "0,00"}));
    EXPECT_EQ(dialog.Field(2, EColumn::Stock), dialog.StockField());
    EXPECT_TRUE(dialog.StockField()->hasFocus());
    EXPECT_FALSE(dialog.StockField()->isReadOnly());
    EXPECT_TRUE(dialog.Field(3, EColumn::Stock)->isReadOnly());
    EXPECT_EQ(dialog.StockField()->selectedText(), QStringLiteral("1,50"))
        << "typing replaces the shown stock";
    EXPECT_EQ(dialog.Total()->text(), QStringLiteral("6,30"));
    EXPECT_EQ(dialog.ScrollBar()->minimum(), 0);
    EXPECT_EQ(dialog.ScrollBar()->maximum(), 2);
    EXPECT_EQ(dialog.ScrollBar()->value(), 0);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("priceCurrency"))->text(), QStringLiteral("EUR"));
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("valueCurrency"))->text(), QStringLiteral("EUR"));
}

// Number characters go into the field, Enter and Down go on storing what was typed, Down on
// the last ingredient stores and stays, Up and Page Up go back.
TEST(DialogIngredientList, KeysMoveAndStoreTheTypedStock)
{
    CFakePageHost host;
    for (const char* name : {"Brot", "Mehl", "Salz"})
        AddIngredient(host.Data, name, "", "kg", 1.0, 1);
    CStockDialog stock(host);
    CDialogIngredientList& dialog = stock.Dialog;

    stock.Type(QStringLiteral("12,5"), Qt::Key_Return);
    EXPECT_EQ(Stock(host, 0), 12.5);
    EXPECT_TRUE(dialog.isVisible()) << "Enter belongs to the stock field";
    EXPECT_EQ(dialog.Field(2, EColumn::Name)->text(), QStringLiteral("Mehl"));
    EXPECT_EQ(dialog.Field(1, EColumn::Stock)->text(), QStringLiteral("12,50"));
    EXPECT_EQ(dialog.Total()->text(), QStringLiteral("12,50"));
    EXPECT_EQ(dialog.ScrollBar()->value(), 1);

    stock.Type(QStringLiteral("3"), Qt::Key_PageDown);
    stock.Type(QStringLiteral("-2"), Qt::Key_Down);
    EXPECT_EQ(Stock(host, 2), -2.0);
    EXPECT_EQ(dialog.Field(2, EColumn::Name)->text(), QStringLiteral("Salz"));
    EXPECT_EQ(ColumnTexts(dialog, EColumn::Name), (QStringList{"Brot", "Mehl", "Salz", "", ""}));

    stock.Type(QStringLiteral("1.000"), Qt::Key_Up);
    EXPECT_EQ(Stock(host, 2), 1000.0);
    QTest::keyClick(dialog.StockField(), Qt::Key_PageUp);
    EXPECT_EQ(dialog.Field(2, EColumn::Name)->text(), QStringLiteral("Brot"));
    EXPECT_EQ(dialog.Total()->text(), QStringLiteral("1.015,50"));
}

// A stock such as "1,2,3" is no number: no key moves on, nothing is stored, no message.
TEST(DialogIngredientList, ATextThatIsNoNumberBlocksMovingWithoutAMessage)
{
    CFakePageHost host;
    AddIngredient(host.Data, "Brot", "", "kg", 1.0, 1)->StockAmount = 4;
    AddIngredient(host.Data, "Salz", "", "kg", 1.0, 1);
    CStockDialog stock(host);
    CDialogIngredientList& dialog = stock.Dialog;

    stock.Type(QStringLiteral("1,2,3"), Qt::Key_Return);
    QTest::keyClick(dialog.StockField(), Qt::Key_S);
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(dialog.Field(2, EColumn::Name)->text(), QStringLiteral("Brot"));
    EXPECT_EQ(dialog.StockField()->text(), QStringLiteral("1,2,3"));
    EXPECT_EQ(dialog.ScrollBar()->value(), 0) << "the bar stays on the current ingredient";
    EXPECT_EQ(Stock(host, 0), 4.0);
    EXPECT_TRUE(host.Texts().empty());

    stock.Type(QStringLiteral("5"), Qt::Key_Down);
    EXPECT_EQ(Stock(host, 0), 5.0);
    EXPECT_EQ(dialog.Field(2, EColumn::Name)->text(), QStringLiteral("Salz"));
}

// Letters search by name instead of landing in the field, storing the typed stock on the way.
TEST(DialogIngredientList, LettersSearchByName)
{
    CFakePageHost host;
    for (const char* name : {"Brot", "Mehl", "Salz", "Zucker"})
        AddIngredient(host.Data, name, "", "kg", 1.0, 1);
    CStockDialog stock(host);
    CDialogIngredientList& dialog = stock.Dialog;

    TypeInto(dialog.StockField(), QStringLiteral("7"));
    TypeText(dialog.StockField(), QStringLiteral("sa"));
    EXPECT_EQ(Stock(host, 0), 7.0);
    EXPECT_EQ(dialog.Field(2, EColumn::Name)->text(), QStringLiteral("Salz"));
    EXPECT_EQ(dialog.StockField()->text(), QStringLiteral("0,00"));
    host.Time.AdvanceTicks(1500);
    TypeText(dialog.StockField(), QStringLiteral("z"));
    EXPECT_EQ(dialog.Field(2, EColumn::Name)->text(), QStringLiteral("Zucker"));
    EXPECT_EQ(dialog.ScrollBar()->value(), 3);
}

// An input method or a compose key may send several letters in one key press: the stock typed
// for the ingredient left is stored once, into that ingredient, never into one passed on the way.
TEST(DialogIngredientList, SeveralLettersInOneKeyPressStoreNoStockIntoAnotherIngredient)
{
    CFakePageHost host;
    for (const char* name : {"Apfel", "Birne", "Brot", "Salz"})
        AddIngredient(host.Data, name, "", "kg", 1.0, 1)->StockAmount = 1.0;
    CStockDialog stock(host);
    CDialogIngredientList& dialog = stock.Dialog;

    TypeInto(dialog.StockField(), QStringLiteral("7"));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("br"));
    QApplication::sendEvent(dialog.StockField(), &press);

    EXPECT_EQ(dialog.Field(2, EColumn::Name)->text(), QStringLiteral("Brot"));
    EXPECT_EQ(Stock(host, 0), 7.0);
    EXPECT_EQ(Stock(host, 1), 1.0) << "Birne, passed by the first letter, keeps its stock";
    EXPECT_EQ(Stock(host, 2), 1.0);
    EXPECT_EQ(dialog.StockField()->text(), QStringLiteral("1,00"));
}

// The scroll bar moves by one and by five, to the thumb and to either end, storing the stock.
TEST(DialogIngredientList, ScrollBarMovesAndStores)
{
    CFakePageHost host;
    for (int i = 0; i < 12; ++i)
        AddIngredient(host.Data, "Zutat " + std::to_string(10 + i), "", "kg", 1.0, 1);
    CStockDialog stock(host);
    CDialogIngredientList& dialog = stock.Dialog;
    const auto current = [&] { return dialog.Field(2, EColumn::Name)->text(); };

    TypeInto(dialog.StockField(), QStringLiteral("2"));
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(current(), QStringLiteral("Zutat 15"));
    EXPECT_EQ(Stock(host, 0), 2.0);
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(current(), QStringLiteral("Zutat 16"));
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(current(), QStringLiteral("Zutat 15"));
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(current(), QStringLiteral("Zutat 21"));
    EXPECT_EQ(dialog.ScrollBar()->value(), 11);
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(current(), QStringLiteral("Zutat 16"));
    dialog.ScrollBar()->setSliderDown(true);
    dialog.ScrollBar()->setSliderPosition(8);
    dialog.ScrollBar()->setSliderDown(false);
    EXPECT_EQ(current(), QStringLiteral("Zutat 18"));
    dialog.ScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(current(), QStringLiteral("Zutat 10"));
    EXPECT_EQ(dialog.ScrollBar()->value(), 0);

    // The wheel (which a row passes on to the dialog): two notches down, then half a notch up
    // twice, which makes one notch.
    const auto turn = [&](int delta) {
        const QPointF at(dialog.width() / 2.0, dialog.height() / 2.0);
        QWheelEvent wheel(at, dialog.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&dialog, &wheel);
    };
    turn(-240);
    EXPECT_EQ(current(), QStringLiteral("Zutat 12"));
    turn(60);
    EXPECT_EQ(current(), QStringLiteral("Zutat 12"));
    turn(60);
    EXPECT_EQ(current(), QStringLiteral("Zutat 11"));
}

// A stock typed without moving on is stored by OK; a text that is no number keeps the dialog
// open with the number message and stores nothing.
TEST(DialogIngredientList, OkStoresTheStockTypedSinceTheLastMove)
{
    CFakePageHost host;
    AddIngredient(host.Data, "Brot", "", "kg", 1.0, 1);
    AddIngredient(host.Data, "Salz", "", "kg", 1.0, 1);
    CStockDialog stock(host);
    CDialogIngredientList& dialog = stock.Dialog;

    stock.Type(QStringLiteral("1"), Qt::Key_Down);
    TypeInto(dialog.StockField(), QStringLiteral("1,2,3"));
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(host.Texts(), std::vector<std::string>{Text(61713)});
    EXPECT_EQ(Stock(host, 1), 0.0);

    TypeInto(dialog.StockField(), QStringLiteral("8,75"));
    QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Stock(host, 0), 1.0);
    EXPECT_EQ(Stock(host, 1), 8.75);
}

// There is no cancel: Escape closes like OK and keeps what was typed.
TEST(DialogIngredientList, EscapeClosesLikeOk)
{
    CFakePageHost host;
    AddIngredient(host.Data, "Brot", "", "kg", 1.0, 1);
    CStockDialog stock(host);
    TypeInto(stock.Dialog.StockField(), QStringLiteral("3"));
    QTest::keyClick(stock.Dialog.StockField(), Qt::Key_Escape);
    EXPECT_FALSE(stock.Dialog.isVisible());
    EXPECT_EQ(Stock(host, 0), 3.0);
}
