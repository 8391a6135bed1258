// What every dialog of the recipes, sales and stock shows at the size it opens with and at its
// smallest size, the order Tab walks through it, and what a screen reader hears.
#include "FakePageHost.h"
#include "RecipeTestSupport.h"
#include "pages/costing/DialogPriceSimulation.h"
#include "pages/ingredients/DialogPriceImpact.h"
#include "pages/recipes/DialogQuantityCalculation.h"
#include "pages/sales/DialogSales.h"
#include "pages/stock/DialogIngredientList.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// The widest figure a price field must show: "99.999,99".
const QString kWidestFigure = QStringLiteral("99.999,99");

// The catalogue of the worked examples, a recipe of it opened in each dialog.
class DialogLayoutTest : public testing::Test
{
protected:
    DialogLayoutTest()
    {
        AddWorkedCatalogue(Host.Data);
        Host.Printing = true;
        Fond = Host.Data.Recipes.Head();
        EXPECT_TRUE(Working.CopyFrom(*Fond));
    }

    struct CDialogCase
    {
        const char* Name;
        std::function<std::unique_ptr<QDialog>()> Open;
    };

    std::vector<CDialogCase> Dialogs()
    {
        return {
            {"Rezeptur definieren", [this] { return std::make_unique<CDialogRecipe>(Host, Working, Fond); }},
            {"Zutat auswählen",
             [this] {
                 return std::make_unique<CDialogRecipeIngredient>(Host, Fond, Fond->RecipeIngredients.Head());
             }},
            {"Mengenkalkulation",
             [this] { return std::make_unique<CDialogQuantityCalculation>(Host, *Fond, 10); }},
            {"Verkaufsliste", [this] { return std::make_unique<CDialogSales>(Host, nullptr); }},
            {"Bestandsdaten", [this] { return std::make_unique<CDialogIngredientList>(Host); }},
            {"Auswirkung der Preisänderung",
             [this] {
                 const CIngredient& bones = *Host.Data.Ingredients.Head();
                 EXPECT_TRUE(Dearer.CopyFrom(bones));
                 Dearer.SupplierInUse->Price = 4.0;
                 return std::make_unique<CDialogPriceImpact>(Host, bones, Dearer);
             }},
            {"Preisänderung simulieren", [this] { return std::make_unique<CDialogPriceSimulation>(Host); }},
        };
    }

    CFakePageHost Host;
    CRecipe* Fond = nullptr;
    CRecipe Working{&Host.Data};
    CIngredient Dearer{&Host.Data};
};

void ShowAt(QDialog& dialog, QSize size)
{
    dialog.resize(size);
    dialog.layout()->activate();
    QApplication::processEvents();
}

// The pixels a line edit has for its text: inside the frame and the text margins, less the
// two pixels QLineEdit keeps on either side.
int TextRoom(const QLineEdit& field)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    return contents.marginsRemoved(field.textMargins()).width() - 2 * 2;
}

// The right-aligned fields (every figure) that are too narrow for the widest figure.
QStringList CutFigureFields(const QDialog& dialog)
{
    QStringList cut;
    for (const QLineEdit* field : dialog.findChildren<QLineEdit*>()) {
        if (field->isVisible() && (field->alignment() & Qt::AlignRight) &&
            TextRoom(*field) < field->fontMetrics().horizontalAdvance(kWidestFigure))
            cut << QStringLiteral("%1 (%2 px)").arg(field->objectName()).arg(field->width());
    }
    return cut;
}

// The columns a list cannot show beside its scroll bar.
QStringList CutLists(const QDialog& dialog)
{
    QStringList cut;
    for (const CListCtrlEx* list : dialog.findChildren<CListCtrlEx*>()) {
        const int room = list->viewport()->width() - list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        if (list->header()->length() > room)
            cut << QStringLiteral("%1 (%2 of %3 px)")
                       .arg(list->objectName())
                       .arg(room)
                       .arg(list->header()->length());
    }
    return cut;
}

// The object names Tab visits from the focused widget until it comes back to it.
QStringList TabWalk(QDialog& dialog)
{
    QStringList names;
    QWidget* first = QApplication::focusWidget();
    for (QWidget* focus = first; focus && names.size() < 60;) {
        names << focus->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
        focus = QApplication::focusWidget();
        if (focus == first || !dialog.isAncestorOf(focus))
            break;
    }
    return names;
}

// The names of the dialog's button box, left to right.
QStringList BoxButtons(const QDialog& dialog)
{
    const auto* box = dialog.findChild<QDialogButtonBox*>();
    std::vector<QAbstractButton*> buttons;
    for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>()) {
        if (button->isEnabled())
            buttons.push_back(button);
    }
    std::sort(buttons.begin(), buttons.end(),
              [](const QAbstractButton* a, const QAbstractButton* b) { return a->x() < b->x(); });
    QStringList names;
    for (const QAbstractButton* button : buttons)
        names << button->objectName();
    return names;
}

// The access key of a label or button text ("&Name" gives n); empty without one.
QString AccessKey(const QString& text)
{
    for (qsizetype at = text.indexOf(u'&'); at >= 0 && at + 1 < text.size();
         at = text.indexOf(u'&', at + 2)) {
        if (text.at(at + 1) != u'&')
            return text.mid(at + 1, 1).toLower();
    }
    return {};
}

// The access keys that more than one shown label or button of the dialog uses.
QStringList TakenTwice(const QDialog& dialog)
{
    QStringList keys;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisible())
            keys << AccessKey(label->text());
    }
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        if (button->isVisible())
            keys << AccessKey(button->text());
    }
    keys.removeAll(QString());
    QStringList twice;
    for (const QString& key : keys) {
        if (keys.count(key) > 1 && !twice.contains(key))
            twice << key;
    }
    return twice;
}

std::string Joined(const QStringList& texts)
{
    return texts.join(QStringLiteral(", ")).toStdString();
}

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

// A figure squeezed to its last digits ("l,90" for "11,90") is a wrong figure: at the size a
// dialog opens with and at its smallest, every figure field has room for "99.999,99" and every
// list column shows whole; the smallest size fits a 1280 x 800 screen.
TEST_F(DialogLayoutTest, FiguresAndColumnsShowWholeAtTheOpeningAndTheSmallestSize)
{
    for (const CDialogCase& c : Dialogs()) {
        SCOPED_TRACE(c.Name);
        const std::unique_ptr<QDialog> dialog = c.Open();
        dialog->show();
        QApplication::processEvents();
        const QSize opened = dialog->size();
        for (const QSize size : {opened, dialog->minimumSize()}) {
            SCOPED_TRACE(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
            ShowAt(*dialog, size);
            EXPECT_EQ(Joined(CutFigureFields(*dialog)), "");
            EXPECT_EQ(Joined(CutLists(*dialog)), "");
        }
        EXPECT_LE(dialog->minimumSize().width(), 1280);
        EXPECT_LE(dialog->minimumSize().height(), 760) << "room for the title bar and the panel";
    }
}

// Tab follows the layout: top down in each column, the left column first, the dialog's buttons
// last, in the order they show, and from the last button back to the first field.
TEST_F(DialogLayoutTest, TabFollowsTheLayout)
{
    const QStringList figuresNoPriceSell{
        "priceBuy",       "priceSellCalculatedNoTax", "priceSellCalculatedTax",
        "priceSellNoTax", "priceSellCurrency2",       "contributionMargin",
        "costRatio"};
    const std::map<std::string, QStringList> expected{
        {"Rezeptur definieren",
         QStringList{"name", "portions", "dish", "asIngredient", "remark", "lineList", "addLine",
                     "changeLine", "deleteLine", "moveUp", "moveDown", "openPicture", "deletePicture"} +
             figuresNoPriceSell +
             QStringList{"quantityPortions", "calculateQuantity", "printCalculation", "printRecipeSheet"}},
        {"Zutat auswählen", {"amount", "weightLoss", "groupButton", "ingredientList"}},
        {"Mengenkalkulation", QStringList{"lineList"} + figuresNoPriceSell},
        {"Verkaufsliste", {"salesList", "deleteSale"}},
        {"Bestandsdaten", {"stock3"}},
        {"Auswirkung der Preisänderung", {"impactList"}},
        {"Preisänderung simulieren",
         {"oneByOne", "ingredientList", "groupChoice", "supplierChoice", "percentMode", "percent", "newPrice",
          "calculateButton", "simulationList", "rounding"}},
    };
    for (const CDialogCase& c : Dialogs()) {
        SCOPED_TRACE(c.Name);
        const std::unique_ptr<QDialog> dialog = c.Open();
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        const QStringList& walk = expected.at(c.Name);
        dialog->findChild<QWidget*>(walk.front())->setFocus();
        EXPECT_EQ(Joined(TabWalk(*dialog)), Joined(walk + BoxButtons(*dialog)));
    }
}

// An access key that two fields share only toggles between them: each one is used once.
TEST_F(DialogLayoutTest, EveryAccessKeyIsUsedOnce)
{
    for (const CDialogCase& c : Dialogs()) {
        SCOPED_TRACE(c.Name);
        const std::unique_ptr<QDialog> dialog = c.Open();
        dialog->show();
        EXPECT_EQ(Joined(TakenTwice(*dialog)), "");
    }
}

// Enter in a field of an editing dialog recomputes; it never closes the dialog.
TEST_F(DialogLayoutTest, EnterInAFieldKeepsTheEditingDialogsOpen)
{
    for (const CDialogCase& c : Dialogs()) {
        const std::unique_ptr<QDialog> dialog = c.Open();
        auto* field = qobject_cast<QLineEdit*>(dialog->findChild<QLineEdit*>(
            QString::fromLatin1(std::string(c.Name) == "Rezeptur definieren" ? "portions" : "amount")));
        if (!field)
            continue;
        SCOPED_TRACE(c.Name);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        field->setFocus();
        PressEnter(field);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->result(), 0);
    }
}

// Buttons that show only an arrow have a name a screen reader can say.
TEST_F(DialogLayoutTest, TheArrowButtonsHaveNames)
{
    CDialogRecipe dialog(Host, Working, Fond);
    EXPECT_EQ(AccessibleName(dialog.findChild<QPushButton*>("moveUp")), QStringLiteral("Zeile nach oben"));
    EXPECT_EQ(AccessibleName(dialog.findChild<QPushButton*>("moveDown")), QStringLiteral("Zeile nach unten"));
}

// The group menu is a popup menu the accessibility bridge reports, named like its button, with
// the groups as its items.
TEST_F(DialogLayoutTest, TheGroupMenuIsAnAccessiblePopupNamedLikeItsButton)
{
    CDialogRecipeIngredient dialog(Host, nullptr, nullptr);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QString name;
    QStringList items;
    QAccessible::Role role = QAccessible::NoRole;
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup)
            return;
        timer->stop();
        timer->deleteLater();
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(popup);
        role = menu->role();
        name = menu->text(QAccessible::Name);
        for (int index = 0; index < menu->childCount(); ++index) {
            if (menu->child(index)->role() == QAccessible::MenuItem)
                items << menu->child(index)->text(QAccessible::Name);
        }
        popup->close();
    });
    timer->start(0);
    QTest::mouseClick(dialog.GroupButton(), Qt::LeftButton);
    EXPECT_EQ(role, QAccessible::PopupMenu);
    EXPECT_EQ(name.toStdString(), "Warengruppen");
    EXPECT_EQ(Joined(items), "Milchprodukte, Fleisch, Rezepturzutat, alle Warengruppen");
}
