#include "controls/ListCtrlEx.h"

#include "MemoryProfileStore.h"
#include "resources/StringIds.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

namespace {

enum EColumn { kName, kPrice, kGroup, kAmount };

// The ingredient list of a page: name, price, group and amount, four rows with umlauts and
// German numbers. Row ids are 1..4 in the order below; user data is 10 times the id.
class ListCtrlEx : public testing::Test
{
protected:
    static std::unique_ptr<CListCtrlEx> MakeList()
    {
        auto list = std::make_unique<CListCtrlEx>();
        list->setObjectName(QStringLiteral("IngredientList"));
        list->InsertColumn(kName, "Name", EColumnFormat::Left, 120);
        list->InsertColumn(kPrice, "Preis", EColumnFormat::Right, 70);
        list->InsertColumn(kGroup, "Warengruppe", EColumnFormat::Left, 90);
        list->InsertColumn(kAmount, "Menge", EColumnFormat::Right, 60);
        const struct
        {
            const char* name;
            double price;
            const char* group;
            double amount;
        } rows[] = {
            {"\xD6l", 4.5, "Vorr\xE4te", 1},
            {"Zucker", 1234.5, "Vorr\xE4te", 25},
            {"Obst", 0.05, "Gem\xFCse", 3},
            {"Stra\xDF"
             "enbrot",
             2, "Backwaren", 10},
        };
        for (const auto& row : rows) {
            const std::uint32_t id = list->AddRow(0);
            list->SetCellText(id, kName, row.name);
            list->SetCellNumber(id, kPrice, row.price, ECellType::TwoDecimals);
            list->SetCellText(id, kGroup, row.group);
            list->SetCellNumber(id, kAmount, row.amount, ECellType::General);
        }
        list->resize(420, 200);
        return list;
    }

    void SetUp() override
    {
        List = MakeList();
        List->Fill();
        List->Sort();
        List->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(List.get()));
    }

    // The texts the view shows in a column, top to bottom.
    static QStringList Shown(const CListCtrlEx& list, int section)
    {
        QStringList texts;
        for (int row = 0; row < list.model()->rowCount(); ++row)
            texts << list.model()->index(row, section).data().toString();
        return texts;
    }
    QStringList Names() const { return Shown(*List, kName); }

    void ClickHeader(int section)
    {
        QHeaderView* header = List->header();
        const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
    }
    QPoint RowCentre(int row) const { return List->visualRect(List->model()->index(row, kName)).center(); }

    static QAction* MenuEntry(QMenu& menu, const QString& text)
    {
        for (QAction* action : menu.actions()) {
            if (action->text() == text)
                return action;
        }
        return nullptr;
    }

    std::unique_ptr<CListCtrlEx> List;
};

} // namespace

TEST_F(ListCtrlEx, HeaderClicksSortReverseAndMarkTheSortColumn)
{
    QSignalSpy sorted(List.get(), &CListCtrlEx::SortChanged);
    EXPECT_EQ(Names(), (QStringList{"Obst", "Öl", "Straßenbrot", "Zucker"}));
    struct Step
    {
        int section;
        QStringList names;
        Qt::SortOrder mark;
    };
    const Step steps[] = {
        {kName, {"Zucker", "Straßenbrot", "Öl", "Obst"}, Qt::DescendingOrder}, // second click reverses
        {kName, {"Obst", "Öl", "Straßenbrot", "Zucker"}, Qt::AscendingOrder},
        {kPrice, {"Obst", "Straßenbrot", "Öl", "Zucker"}, Qt::AscendingOrder}, // another column: ascending
        {kPrice, {"Zucker", "Öl", "Straßenbrot", "Obst"}, Qt::DescendingOrder},
    };
    for (const Step& step : steps) {
        ClickHeader(step.section);
        EXPECT_EQ(Names(), step.names);
        EXPECT_EQ(List->header()->sortIndicatorSection(), step.section);
        EXPECT_EQ(List->header()->sortIndicatorOrder(), step.mark);
    }
    ASSERT_EQ(sorted.count(), 4);
    EXPECT_EQ(sorted.last().at(0).toInt(), -2);
}

TEST_F(ListCtrlEx, NumbersAreShownGermanAndAlignedByTheColumnFormat)
{
    EXPECT_EQ(Shown(*List, kPrice), (QStringList{"0,050", "4,50", "2,00", "1.234,50"}));
    EXPECT_EQ(Shown(*List, kGroup), (QStringList{"Gemüse", "Vorräte", "Backwaren", "Vorräte"}));
    const auto alignment = [this](int section) {
        return List->model()->index(0, section).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
               Qt::AlignHorizontal_Mask;
    };
    EXPECT_EQ(alignment(kPrice), Qt::AlignRight);
    EXPECT_EQ(alignment(kName), Qt::AlignLeft);
    EXPECT_EQ(List->model()->headerData(kGroup, Qt::Horizontal).toString(), QStringLiteral("Warengruppe"));
}

TEST_F(ListCtrlEx, ChangedRowsShowOnlyAfterFillAndSortKeepsTheSelection)
{
    const std::uint32_t added = List->AddRow(50);
    List->SetCellText(added, kName, "Apfel");
    EXPECT_EQ(List->model()->rowCount(), 4);
    ASSERT_TRUE(List->SelectRowById(2)); // Zucker
    List->Fill();
    EXPECT_EQ(Names(), (QStringList{"Öl", "Zucker", "Obst", "Straßenbrot", "Apfel"})) << "Fill does not sort";
    EXPECT_EQ(List->GetSelectedRowId(), 0u) << "Fill clears the selection";

    ASSERT_TRUE(List->SelectRowById(2));
    List->Sort();
    EXPECT_EQ(Names().first(), QStringLiteral("Apfel"));
    EXPECT_EQ(List->GetSelectedRowId(), 2u);
    EXPECT_EQ(List->currentIndex().row(), 4);
    List->DeleteAllRows();
    EXPECT_EQ(List->model()->rowCount(), 0);
    EXPECT_FALSE(List->GetSelectedUserData().has_value());
}

TEST_F(ListCtrlEx, ClicksSelectWholeRowsAndReportTheirIdsAndUserData)
{
    QSignalSpy changed(List.get(), &CListCtrlEx::SelectionChanged);
    QSignalSpy doubleClicked(List.get(), &CListCtrlEx::RowDoubleClicked);
    QTest::mouseClick(List->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(1)); // Öl
    EXPECT_EQ(List->GetSelectedRowId(), 1u);
    EXPECT_TRUE(List->selectionModel()->isRowSelected(1, QModelIndex()));
    EXPECT_GE(changed.count(), 1);
    QTest::mouseDClick(List->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(0)); // Obst
    ASSERT_EQ(doubleClicked.count(), 1);
    EXPECT_EQ(doubleClicked.at(0).at(0).value<std::uint32_t>(), 3u);
    EXPECT_EQ(doubleClicked.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ControlModifier);
    EXPECT_FALSE(List->SelectRowById(9));
}

TEST_F(ListCtrlEx, CtrlCCopiesTheSelectedRowsAsShownTabSeparated)
{
    List->header()->moveSection(List->header()->visualIndex(kPrice), 0); // dragged first
    List->SetColumnVisible(kGroup, false);
    ASSERT_TRUE(List->SelectRowById(2));
    QTest::mouseClick(List->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(0));
    QApplication::clipboard()->clear();
    QTest::keyClick(List.get(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("0,050\tObst\t3\n1.234,50\tZucker\t25\n"));
}

// A sort moves the rows, not the view's hold on them: the current row, the selection and every
// index an observer keeps (an open editor, the accessibility bridge) stay on their records.
TEST_F(ListCtrlEx, SortingKeepsEveryHoldOnARowOnItsRecord)
{
    QTest::mouseClick(List->viewport(), Qt::LeftButton, Qt::NoModifier, RowCentre(3)); // Zucker
    const QPersistentModelIndex held = List->model()->index(3, kGroup);
    QSignalSpy selection(List.get(), &CListCtrlEx::SelectionChanged);
    for (const int section : {kPrice, kPrice, kGroup}) {
        ClickHeader(section);
        ASSERT_TRUE(held.isValid());
        EXPECT_EQ(held.sibling(held.row(), kName).data().toString(), QStringLiteral("Zucker"));
        EXPECT_EQ(List->currentIndex().siblingAtColumn(kName).data().toString(), QStringLiteral("Zucker"));
        EXPECT_EQ(List->GetSelectedText().section(QLatin1Char('\t'), 0, 0), QStringLiteral("Zucker"));
    }
    EXPECT_EQ(selection.count(), 0) << "the same record stays selected";
}

TEST_F(ListCtrlEx, HeaderMenuHidesAColumnAndANewListRestoresTheLayout)
{
    QHeaderView* header = List->header();
    header->resizeSection(kName, 150);                    // the user widens the name
    header->moveSection(header->visualIndex(kAmount), 1); // and drags the amount second
    ClickHeader(kPrice);
    ClickHeader(kPrice);
    const std::unique_ptr<QMenu> menu(List->CreateHeaderMenu(nullptr));
    ASSERT_NE(menu, nullptr);
    QAction* name = MenuEntry(*menu, QStringLiteral("Name"));
    QAction* group = MenuEntry(*menu, QStringLiteral("Warengruppe"));
    ASSERT_TRUE(name && group && MenuEntry(*menu, QStringLiteral("Spaltenbreite anpassen")));
    EXPECT_TRUE(name->isChecked());
    EXPECT_FALSE(name->isEnabled()) << "the first column cannot be hidden";
    const int groupWidth = header->sectionSize(kGroup);
    group->trigger();
    EXPECT_TRUE(header->isSectionHidden(kGroup));
    EXPECT_EQ(List->GetData().GetDisplayOrder(), (std::vector<int>{kName, kAmount, kPrice, kGroup}));
    EXPECT_EQ(List->GetData().DisplayToModel(2), kPrice);
    EXPECT_EQ(List->GetData().ModelToDisplay(kGroup), -1);

    CMemoryProfileStore store;
    ASSERT_TRUE(List->SaveLayout(store, "PageIngredient", "IngredientList"));
    List.reset();
    List = MakeList();
    ASSERT_TRUE(List->LoadLayout(store, "PageIngredient", "IngredientList"));
    List->Fill();
    List->Sort();
    header = List->header();
    EXPECT_TRUE(header->isSectionHidden(kGroup));
    EXPECT_EQ(header->sectionSize(kName), 150);
    EXPECT_EQ(header->visualIndex(kAmount), 1);
    EXPECT_EQ(header->sortIndicatorSection(), kPrice);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(Names(), (QStringList{"Zucker", "Öl", "Straßenbrot", "Obst"}));

    const std::unique_ptr<QMenu> restored(List->CreateHeaderMenu(nullptr));
    group = MenuEntry(*restored, QStringLiteral("Warengruppe"));
    EXPECT_FALSE(group->isChecked());
    group->trigger();
    EXPECT_FALSE(header->isSectionHidden(kGroup));
    EXPECT_EQ(header->sectionSize(kGroup), groupWidth) << "shown again at its width before hiding";
}

// A layout kept by an earlier version with a column narrower than its header (or its widest
// figure) comes back wide enough to read them; wider columns keep their width.
TEST_F(ListCtrlEx, ARememberedLayoutNeverCutsAHeaderOrItsWidestFigure)
{
    CMemoryProfileStore store;
    List->header()->resizeSection(kPrice, 12);
    List->header()->resizeSection(kGroup, 200);
    ASSERT_TRUE(List->SaveLayout(store, "PageIngredient", "IngredientList"));

    CListCtrlEx restored;
    restored.InsertColumn(kName, "Name", EColumnFormat::Left, 120);
    restored.InsertColumn(kPrice, "Preis", EColumnFormat::Right, 20, "99.999,99");
    restored.InsertColumn(kGroup, "Warengruppe", EColumnFormat::Left, 90);
    restored.InsertColumn(kAmount, "Menge", EColumnFormat::Right, 60);
    const int fitting = restored.columnWidth(kPrice);
    ASSERT_TRUE(restored.LoadLayout(store, "PageIngredient", "IngredientList"));
    EXPECT_GE(restored.columnWidth(kPrice), restored.header()->sectionSizeHint(kPrice));
    EXPECT_EQ(restored.columnWidth(kPrice), fitting) << "as wide as \"99.999,99\" needs";
    EXPECT_EQ(restored.columnWidth(kGroup), 200);
}

TEST_F(ListCtrlEx, StaleLayoutRecordChangesNothing)
{
    CMemoryProfileStore store;
    CListCtrlEx fewer;
    for (int column = 0; column < 3; ++column)
        fewer.InsertColumn(column, "Spalte", EColumnFormat::Left, 33);
    fewer.SetColumnVisible(1, false);
    fewer.SaveLayout(store, "PageIngredient", "IngredientList");
    const CListLayoutRecord before = List->GetData().GetLayout();
    const QStringList names = Names();

    EXPECT_FALSE(List->LoadLayout(store, "PageIngredient", "IngredientList"));
    EXPECT_EQ(List->GetData().GetLayout(), before);
    EXPECT_EQ(Names(), names);
    for (int section = 0; section < 4; ++section) {
        EXPECT_FALSE(List->header()->isSectionHidden(section));
        EXPECT_EQ(List->header()->visualIndex(section), section);
    }
    EXPECT_EQ(List->header()->sectionSize(kName), 120);
    EXPECT_EQ(List->header()->sortIndicatorSection(), kName);
}

TEST_F(ListCtrlEx, HeaderMenuNeedsAColumnThatCanBeHidden)
{
    CListCtrlEx single;
    single.InsertColumn(0, "Name", EColumnFormat::Left, 100);
    EXPECT_EQ(single.CreateHeaderMenu(nullptr), nullptr);
}

namespace {

// The colour at the empty end of a cell: the right end of a left-aligned one, the left end of
// a right-aligned one.
std::string CellColour(CListCtrlEx& list, int row, int section)
{
    const QRect cell = list.visualRect(list.model()->index(row, section));
    const int x = section == kAmount || section == kPrice ? cell.left() + 3 : cell.right() - 3;
    const QColor color = list.viewport()->grab().toImage().pixelColor(x, cell.center().y());
    return QString("%1,%2,%3").arg(color.red()).arg(color.green()).arg(color.blue()).toStdString();
}

} // namespace

TEST_F(ListCtrlEx, SortedColumnIsShadedFromTheBackground)
{
    QPalette colors = List->palette();
    colors.setColor(QPalette::Base, QColor(200, 220, 240));
    List->setPalette(colors);
    EXPECT_EQ(CellColour(*List, 2, kName), "220,242,255") << "sorted by name";
    EXPECT_EQ(CellColour(*List, 2, kGroup), "200,220,240");
    ClickHeader(kGroup);
    EXPECT_EQ(CellColour(*List, 2, kGroup), "220,242,255");
    EXPECT_EQ(CellColour(*List, 2, kName), "200,220,240");
    colors.setColor(QPalette::Base, Qt::white);
    List->setPalette(colors);
    EXPECT_EQ(CellColour(*List, 2, kGroup), "247,247,247");
}

// In an active window, the selected row shows the highlight while the list has the focus and
// the button face while another field has it.
TEST_F(ListCtrlEx, SelectionShowsTheHighlightOnlyWhileTheListHasTheFocus)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* field = new QLineEdit(&window);
    CListCtrlEx* list = MakeList().release();
    layout->addWidget(field);
    layout->addWidget(list);
    list->Fill();
    window.resize(460, 260);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(list->SelectRowById(2)); // Zucker, shown second
    const auto colour = [](const QColor& c) {
        return QString("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue()).toStdString();
    };
    field->setFocus();
    EXPECT_EQ(CellColour(*list, 1, kAmount),
              colour(list->palette().color(QPalette::Active, QPalette::Button)));
    list->setFocus();
    const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
    const QStringList focused = QString::fromStdString(CellColour(*list, 1, kAmount)).split(',');
    // The style draws the highlight with a faint gradient.
    EXPECT_NEAR(focused[0].toInt(), highlight.red(), 4);
    EXPECT_NEAR(focused[1].toInt(), highlight.green(), 4);
    EXPECT_NEAR(focused[2].toInt(), highlight.blue(), 4);
}

// Columns are never narrower than their header's text, so no header is cut; a column wide
// enough keeps the width it was given.
TEST(ListCtrlExColumns, ColumnsFitTheirHeaders)
{
    CListCtrlEx list;
    const CListColumnSetup columns[] = {
        {StringId::kNameHeader, EColumnFormat::Left, 200},
        {StringId::kCalculatedGrossHeader, EColumnFormat::Right, 30},
    };
    list.InsertColumns(columns);
    EXPECT_EQ(list.columnWidth(0), 200);
    EXPECT_GT(list.columnWidth(1),
              list.header()->fontMetrics().horizontalAdvance(QStringLiteral("kalk. VK brutto")));
}
