#include "pages/common/ListPage.h"

#include "FakePageHost.h"
#include "RecipeTestSupport.h"
#include "SalesBuilder.h"
#include "controls/model/ListLayoutRecord.h"
#include "pages/PageFactory.h"
#include "pages/ingredients/DialogIngredient.h"
#include "pages/ingredients/IngredientPage.h"
#include "pages/recipes/RecipePage.h"
#include "pages/sales/DialogSales.h"
#include "pages/sales/SalesPage.h"

#include <QHeaderView>
#include <QProxyStyle>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Counts the windows of type TWindow that open while `gesture` runs, closing each with Cancel.
template <typename TWindow> int CountOpened(const std::function<void()>& gesture)
{
    int opened = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&opened] {
        auto* window = qobject_cast<TWindow*>(QApplication::activeModalWidget());
        if (window != nullptr && window->isVisible()) {
            ++opened;
            window->reject();
        }
    });
    timer.start(0);
    gesture();
    timer.stop();
    return opened;
}

// A desktop style that activates items on a single click.
class CSingleClickStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override
    {
        if (hint == QStyle::SH_ItemView_ActivateItemOnSingleClick)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

enum class EGesture { DoubleClick, Enter, SingleClickOnASingleClickDesktop };

// Does to the row at `row` what the gesture says.
void Perform(EGesture gesture, CListCtrlEx& list, int row)
{
    switch (gesture) {
    case EGesture::DoubleClick:
        DoubleClickRow(list, row);
        break;
    case EGesture::Enter:
        ClickRow(list, row);
        QTest::keyClick(&list, Qt::Key_Return);
        break;
    case EGesture::SingleClickOnASingleClickDesktop: {
        auto* style = new CSingleClickStyle;
        style->setParent(&list);
        list.setStyle(style);
        ClickRow(list, row);
        break;
    }
    }
}

int Expected(EGesture gesture)
{
    return gesture == EGesture::SingleClickOnASingleClickDesktop ? 0 : 1;
}

const char* Name(EGesture gesture)
{
    switch (gesture) {
    case EGesture::DoubleClick:
        return "double click";
    case EGesture::Enter:
        return "Enter";
    default:
        return "single click on a single-click desktop";
    }
}

// The worked catalogue ("Knochen", "Butter", the ingredient recipe "Fond" with one line) and the
// dish "Suppe" of food group 0, whose section (2) is selected.
class ListPageTest : public testing::Test
{
protected:
    static constexpr int kGroupSection = 2;

    ListPageTest()
    {
        Host.Data.GroupSection.fill(-1);
        Host.Data.GroupSection[0] = kGroupSection;
        Host.Selection = {.Selected = kGroupSection, .All = 0, .AllFood = 1, .AllDrinks = 11};
        AddWorkedCatalogue(Host.Data);
        AddRecipe(Host.Data, "Suppe", 0);
    }
    CListPage& Open(EPage kind)
    {
        Page.reset(dynamic_cast<CListPage*>(PageFactory::Create(kind, Host, nullptr)));
        Page->InitFromData(Host.Data);
        Page->resize(1000, 600);
        Page->show();
        QApplication::setActiveWindow(Page.get());
        return *Page;
    }
    CListCtrlEx& List() const { return *Page->List(); }
    int RowOf(const QString& name) const { return static_cast<int>(Column(List(), 0).indexOf(name)); }
    QStringList SelectedNames() const
    {
        QStringList names;
        for (const QModelIndex& index : List().selectionModel()->selectedRows())
            names << index.data().toString();
        return names;
    }
    void Click(const char* button)
    {
        QTest::mouseClick(Page->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    CFakePageHost Host;
    std::unique_ptr<CListPage> Page;
};

} // namespace

// Double click or Enter on a row opens its dialog once (after Cancel it does not come back); a
// single click never opens one, also where the desktop activates items on one click.
TEST_F(ListPageTest, OneGestureOpensTheRowsDialogOnce)
{
    for (const EGesture gesture :
         {EGesture::DoubleClick, EGesture::Enter, EGesture::SingleClickOnASingleClickDesktop}) {
        SCOPED_TRACE(Name(gesture));
        Open(EPage::Ingredients);
        EXPECT_EQ(CountOpened<CDialogIngredient>([&] { Perform(gesture, List(), RowOf("Butter")); }),
                  Expected(gesture))
            << "ingredients page";

        Open(EPage::Recipes);
        EXPECT_EQ(CountOpened<CDialogRecipe>([&] { Perform(gesture, List(), RowOf("Fond")); }),
                  Expected(gesture))
            << "recipes page";

        Open(EPage::Recipes);
        int linesOpened = -1;
        WhenModalAppears<CDialogRecipe>([&](CDialogRecipe& dialog) {
            linesOpened =
                CountOpened<CDialogRecipeIngredient>([&] { Perform(gesture, *dialog.LineList(), 0); });
            dialog.reject();
        });
        ClickRow(List(), RowOf("Fond"));
        Click("changeRecipe");
        EXPECT_EQ(linesOpened, Expected(gesture)) << "lines of the recipe dialog";

        Open(EPage::Sales);
        EXPECT_EQ(CountOpened<CDialogSales>([&] { Perform(gesture, List(), RowOf("Suppe")); }),
                  Expected(gesture))
            << "sales page";
    }
}

// After "Hinzufügen" or "Ändern" the record is selected and shown, so that "Ändern" goes on
// with it without another click.
TEST_F(ListPageTest, TheAddedOrChangedRecordStaysSelected)
{
    Open(EPage::Ingredients);
    WhenModalAppears<CDialogIngredient>([](CDialogIngredient& dialog) {
        TypeInto(dialog.NameField(), QStringLiteral("Zucker"));
        TypeInto(dialog.UnitField(), QStringLiteral("kg"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Click("addIngredient");
    EXPECT_EQ(SelectedNames(), QStringList{QStringLiteral("Zucker")});

    ClickRow(List(), RowOf("Butter"));
    WhenModalAppears<CDialogIngredient>([](CDialogIngredient& dialog) {
        TypeInto(dialog.NameField(), QStringLiteral("Süßrahmbutter"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Click("changeIngredient");
    EXPECT_EQ(SelectedNames(), QStringList{QStringLiteral("Süßrahmbutter")});
    EXPECT_EQ(CountOpened<CDialogIngredient>([&] { Click("changeIngredient"); }), 1);

    Open(EPage::Recipes);
    WhenModalAppears<CDialogRecipe>([](CDialogRecipe& dialog) {
        TypeInto(dialog.NameField(), QStringLiteral("Gulasch"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Click("addRecipe");
    EXPECT_EQ(SelectedNames(), QStringList{QStringLiteral("Gulasch")});
    WhenModalAppears<CDialogRecipe>([](CDialogRecipe& dialog) {
        TypeInto(dialog.NameField(), QStringLiteral("Rindergulasch"));
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Click("changeRecipe");
    EXPECT_EQ(SelectedNames(), QStringList{QStringLiteral("Rindergulasch")});
    EXPECT_EQ(CountOpened<CDialogRecipe>([&] { Click("changeRecipe"); }), 1);
}

// The pages' commands act on one record: Ctrl and Shift clicks never select a second row.
TEST_F(ListPageTest, ListsWhoseCommandsActOnOneRowSelectOneRow)
{
    for (const EPage kind : {EPage::Ingredients, EPage::Recipes}) {
        Open(kind);
        Host.Selection.Selected = 0; // "Alle": the recipes page shows two
        Page->RefreshPage();
        ASSERT_GE(List().model()->rowCount(), 2);
        ClickRow(List(), 0);
        const QRect second = List().visualRect(List().model()->index(1, 0));
        QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::ControlModifier, second.center());
        QTest::mouseClick(List().viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          List().visualRect(List().model()->index(0, 0)).center());
        EXPECT_EQ(SelectedNames().size(), 1) << static_cast<int>(kind);
        Host.Selection.Selected = kGroupSection;
    }
}

// Sorting by a header is remembered at once, while the page is still open: nothing depends on
// the page's way out.
TEST_F(ListPageTest, ASortIsRememberedWhileThePageIsOpen)
{
    const struct
    {
        EPage Kind;
        const char* Section;
        const char* Entry;
    } pages[] = {{EPage::Ingredients, CIngredientPage::kLayoutSection, CIngredientPage::kLayoutEntry},
                 {EPage::Recipes, CRecipePage::kLayoutSection, CRecipePage::kLayoutEntry},
                 {EPage::Sales, CSalesPage::kLayoutSection, CSalesPage::kLayoutEntry}};
    for (const auto& page : pages) {
        SCOPED_TRACE(page.Section);
        Open(page.Kind);
        QHeaderView* header = List().header();
        const int x = header->sectionViewportPosition(1) + header->sectionSize(1) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
        const auto bytes = Host.Store.GetBinary(page.Section, page.Entry);
        ASSERT_TRUE(bytes.has_value());
        const auto record = CListLayoutRecord::Decode(*bytes, List().GetData().GetColumns().size());
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->SortState, 2) << "ascending by the second column";
    }
}

namespace {

// The shown columns whose header (with the sort mark) or cells are cut at the width they have.
QStringList CutColumns(const CListCtrlEx& list)
{
    QStringList cut;
    const QHeaderView* header = list.header();
    const QAbstractItemView& view = list;
    for (int section = 0; section < header->count(); ++section) {
        const int width = header->sectionSize(section);
        if (!header->isSectionHidden(section) &&
            (header->sectionSizeHint(section) > width || view.sizeHintForColumn(section) > width))
            cut << list.model()->headerData(section, Qt::Horizontal).toString();
    }
    return cut;
}

} // namespace

// Every list shows its headers and its figures whole at the size its window opens with, prices
// up to "99.999,99" and dates included.
TEST_F(ListPageTest, ColumnsShowTheirHeaderAndLargestFigureWhole)
{
    CIngredient* truffle = AddIngredient(Host.Data,
                                         "Tr\xFC"
                                         "ffel",
                                         "Pilze", "kg", 99999.99, 1);
    CRecipe* dish = Host.Data.Recipes.At(Host.Data.GetNbRecipes() - 1);
    dish->PriceSell = 99999.99;
    dish->AddRecipeIngredient(nullptr, truffle, 1, 0);
    AddSale(Host.Data, {.Gross = 99999.99, .Date = {2024, 12, 28}, .Recipe = dish}).Name = dish->Name;
    AddSale(Host.Data, {.Date = CDateTime::MakeInvalid(), .Recipe = dish}).Name = dish->Name;

    for (const EPage kind : {EPage::Ingredients, EPage::Recipes, EPage::Sales}) {
        Open(kind);
        EXPECT_EQ(CutColumns(List()), QStringList{}) << static_cast<int>(kind);
    }
    QStringList lineColumnsCut{QStringLiteral("not opened")};
    WhenModalAppears<CDialogRecipe>([&](CDialogRecipe& dialog) {
        lineColumnsCut = CutColumns(*dialog.LineList());
        dialog.reject();
    });
    Open(EPage::Recipes);
    ClickRow(List(), RowOf("Suppe"));
    Click("changeRecipe");
    EXPECT_EQ(lineColumnsCut, QStringList{}) << "lines of the recipe dialog";

    for (const CRecipe* shown : {static_cast<const CRecipe*>(dish), static_cast<const CRecipe*>(nullptr)}) {
        CDialogSales sales(Host, shown);
        sales.show();
        const CListCtrlEx& list = *sales.List();
        EXPECT_EQ(CutColumns(list), QStringList{}) << "sales list";
        int columnsWidth = 0;
        for (int section = 0; section < list.header()->count(); ++section)
            columnsWidth += list.header()->sectionSize(section);
        EXPECT_LE(columnsWidth, list.viewport()->width()) << "every column of the sales list in view";
    }
}
