#include "controls/model/ListCtrlData.h"

#include "MemoryProfileStore.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A table of names and numbers as the pages build it: column 0 the name, 1 a number, 2 a
// second text; each row's user data is its position in `names`.
class NameTable : public testing::Test
{
protected:
    void Fill(const std::vector<std::pair<std::string, double>>& rows)
    {
        list.Reset();
        list.InsertColumn(0, "Name", EColumnFormat::Left, 120);
        list.InsertColumn(1, "Preis", EColumnFormat::Right, 60);
        list.InsertColumn(2, "Gruppe", EColumnFormat::Left, 80);
        for (const auto& [name, number] : rows) {
            const std::uint32_t row = list.AddRow(list.GetRows().size());
            list.SetCellText(row, 0, name);
            list.SetCellNumber(row, 1, number, ECellType::TwoDecimals);
        }
        list.Fill();
        list.Sort();
    }

    std::string Shown() const
    {
        std::string names;
        for (std::uint32_t id : list.GetItems())
            names += (names.empty() ? "" : ",") + list.FindRow(id)->FindCell(0)->GetText();
        return names;
    }

    CListCtrlData list;
};

TEST_F(NameTable, NamesSortByTheirFoldedPrefixThenTheirCapitals)
{
    Fill({{"Zucker", 0}, {"Orange", 0}, {"\xD6l", 0}, {"Obst", 0}});
    EXPECT_EQ(Shown(), "Obst,\xD6l,Orange,Zucker");
    Fill({{"Stra\xDF"
           "e",
           0},
          {"Strauch", 0},
          {"Aprikose", 0},
          {"\xC4pfel", 0},
          {"Apfelsaft", 0},
          {"Apfel", 0}});
    // A shorter text sorts before a longer one it begins, rather than comparing equal.
    EXPECT_EQ(Shown(), "Apfel,Apfelsaft,\xC4pfel,Aprikose,Strauch,Stra\xDF"
                       "e");
}

TEST_F(NameTable, HeaderClicksReverseTheSortColumnOrSortAscendingByANewOne)
{
    Fill({{"B", 2.0}, {"A", 3.0}, {"C", 1.0}});
    struct Step
    {
        int column;
        int state;
        const char* shown;
    };
    const Step steps[] = {
        {0, -1, "C,B,A"},                  // a second click on the sorted column reverses it
        {0, 1, "A,B,C"},  {1, 2, "C,B,A"}, // another column: ascending by it
        {1, -2, "A,B,C"}, {0, 1, "A,B,C"},
    };
    EXPECT_EQ(list.GetSortState(), 1); // inserting column 0 sorts by it
    for (const Step& step : steps) {
        list.ClickHeader(step.column);
        EXPECT_EQ(list.GetSortState(), step.state);
        EXPECT_EQ(Shown(), step.shown);
    }
}

TEST_F(NameTable, EqualNumbersKeepTheirModelOrderInBothDirections)
{
    Fill({{"A", 5.0}, {"B", 1.0}, {"C", 5.0}, {"D", 5.0}});
    // Each sort tells where the item at each old position went, for the view's held rows.
    EXPECT_EQ(list.ClickHeader(1), (std::vector<int>{1, 0, 2, 3}));
    EXPECT_EQ(Shown(), "B,A,C,D");
    EXPECT_EQ(list.ClickHeader(1), (std::vector<int>{3, 0, 1, 2}));
    EXPECT_EQ(Shown(), "A,C,D,B");
    EXPECT_EQ(list.Sort(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(NameTable, RowsWithoutAFirstCellAreNotShownAndRowsWithoutTheSortCellComeLast)
{
    Fill({{"B", 2.0}, {"A", 1.0}});
    const std::uint32_t orphan = list.AddRow(99);
    list.SetCellNumber(orphan, 1, 0.5, ECellType::TwoDecimals);
    const std::uint32_t noNumber = list.AddRow(7);
    list.SetCellText(noNumber, 0, "0 ohne Preis");
    list.Fill();
    list.ClickHeader(1);
    EXPECT_EQ(Shown(), "A,B,0 ohne Preis");
    list.ClickHeader(1);
    EXPECT_EQ(Shown(), "0 ohne Preis,B,A");
}

TEST(ListCtrlData, ColumnsAndRowsFollowTheirInsertionRules)
{
    CListCtrlData list;
    EXPECT_EQ(list.InsertColumn(1, "Preis", EColumnFormat::Right, 60), 1);
    EXPECT_EQ(list.GetSortState(), 0);
    EXPECT_EQ(list.InsertColumn(0, "", EColumnFormat::Right, 20), 0);
    EXPECT_EQ(list.GetSortState(), 1);
    EXPECT_EQ(list.InsertColumn(1, "Doppelt", EColumnFormat::Left, 60), -1);
    EXPECT_EQ(list.InsertColumn(-1, "Negativ", EColumnFormat::Left, 60), -1);
    EXPECT_EQ(list.InsertColumnById(2, 123, EColumnFormat::Left, 130), 2);
    EXPECT_EQ(list.GetColumns()[0].Index, 0); // kept by model index
    EXPECT_FALSE(list.GetColumns()[0].Hideable);
    EXPECT_EQ(list.FindColumn(2)->Header, "Name");

    EXPECT_EQ(list.AddRow(10), 1u);
    EXPECT_EQ(list.AddRow(20), 2u);
    EXPECT_EQ(list.SetCellTextById(2, 123, "Bier"), 1);
    EXPECT_EQ(list.FindRow(2)->FindCell(2)->GetText(), "Bier");
    EXPECT_EQ(list.SetCellNumberById(2, 999, 1.0, ECellType::Truncated), 0);
    EXPECT_EQ(list.SetCellText(7, 0, "keine Zeile"), 0);
    list.SetCellNumber(1, 0, 3.0, ECellType::Truncated);
    list.SetCellNumber(1, 0, 4.0, ECellType::Truncated); // replaces
    EXPECT_EQ(list.FindRow(1)->Cells.size(), 1u);
    EXPECT_EQ(list.FindRow(1)->FindCell(0)->GetText(), "4");
    list.DeleteAllRows();
    EXPECT_EQ(list.AddRow(0), 1u);
}

// Three columns: the name (not hideable), a hidden price of width 75 and a group moved first.
class Layout : public testing::Test
{
protected:
    static CListCtrlData MakeList(int columns)
    {
        CListCtrlData list;
        for (int column = 0; column < columns; ++column)
            list.InsertColumn(column, "Spalte", EColumnFormat::Left, 50 + column);
        return list;
    }
    void SetUp() override
    {
        saved = MakeList(3);
        saved.SetColumnWidth(1, 75);
        saved.SetColumnVisible(1, false);
        saved.ClickHeader(2);
        saved.ClickHeader(2);
        record = saved.GetLayout().Encode();
    }

    CListCtrlData saved;
    std::vector<std::uint8_t> record;
};

TEST_F(Layout, RecordHoldsCountSortStateAndNineBytesPerColumn)
{
    const std::vector<std::uint8_t> expected = {
        3, 0,  0, 0, 0xFD, 0xFF, 0xFF, 0xFF,    // 3 columns, sorted descending by column 2
        1, 50, 0, 0, 0,    0,    0,    0,    0, // shown, width 50, position 0
        0, 75, 0, 0, 0,    1,    0,    0,    0, // hidden: the width to restore
        1, 52, 0, 0, 0,    2,    0,    0,    0,
    };
    EXPECT_EQ(record, expected);
}

TEST_F(Layout, RoundTripRestoresVisibilityWidthsOrderAndSortState)
{
    CMemoryProfileStore store;
    ASSERT_TRUE(saved.SaveLayout(store, "PageChart", "ChartTable"));
    CListCtrlData loaded = MakeList(3);
    ASSERT_TRUE(loaded.LoadLayout(store, "PageChart", "ChartTable"));
    EXPECT_EQ(loaded.GetLayout(), saved.GetLayout());
    EXPECT_EQ(loaded.GetSortState(), -3);
    EXPECT_FALSE(loaded.FindColumn(1)->Visible);
    loaded.SetColumnVisible(1, true);
    EXPECT_EQ(loaded.FindColumn(1)->Width, 75);
    EXPECT_FALSE(loaded.LoadLayout(store, "PageChart", "Missing"));
}

TEST_F(Layout, RecordThatDoesNotFitTheColumnsChangesNothing)
{
    auto patched = [this](size_t offset, std::uint8_t value) {
        auto bytes = record;
        bytes[offset] = value;
        return bytes;
    };
    auto resized = [this](size_t size) {
        auto bytes = record;
        bytes.resize(size);
        return bytes;
    };
    struct Case
    {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"stored column count differs", patched(0, 2)},
        {"one byte short", resized(record.size() - 1)},
        {"one byte more", resized(record.size() + 1)},
        {"header only", resized(4)},
        {"empty", {}},
        {"sort state beyond the columns", patched(4, 4)},
        {"sort state most negative", patched(7, 0x80)},
        {"display position beyond the columns", patched(8 + 9 + 5, 3)},
        {"display position twice", patched(8 + 9 + 5, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CListCtrlData list = MakeList(3);
        const CListLayoutRecord before = list.GetLayout();
        EXPECT_FALSE(list.ApplyLayout(c.bytes));
        EXPECT_EQ(list.GetLayout(), before);
    }
}

TEST_F(Layout, RecordOfFiveColumnsIsIgnoredByATableOfSix)
{
    const auto five = MakeList(5).GetLayout().Encode();
    ASSERT_EQ(five.size(), 9u * 5 + 8);
    CListCtrlData six = MakeList(6);
    EXPECT_FALSE(six.ApplyLayout(five));
    EXPECT_TRUE(MakeList(5).ApplyLayout(five));
}

TEST_F(Layout, StoredHiddenFlagCannotHideTheFirstColumn)
{
    auto bytes = record;
    bytes[8] = 0;
    CListCtrlData list = MakeList(3);
    ASSERT_TRUE(list.ApplyLayout(bytes));
    EXPECT_TRUE(list.FindColumn(0)->Visible);
    EXPECT_EQ(list.FindColumn(0)->Width, 50);
}

// Five columns "A".."E" shown as D, A, E, B, C; hiding columns removes them from the display
// positions, which count only shown columns.
TEST(ListCtrlData, DisplayPositionsSkipHiddenColumnsBothWays)
{
    CListCtrlData list;
    for (int column = 0; column < 5; ++column)
        list.InsertColumn(column, std::string(1, static_cast<char>('A' + column)), EColumnFormat::Left, 40);
    ASSERT_TRUE(list.SetDisplayOrder({3, 0, 4, 1, 2}));
    struct Case
    {
        const char* what;
        std::vector<int> hidden;
        std::vector<int> shown; // model index at each display position
    };
    const Case cases[] = {
        {"all shown", {}, {3, 0, 4, 1, 2}},
        {"one hidden", {4}, {3, 0, 1, 2}},
        {"first and last shown hidden", {3, 2}, {0, 4, 1}},
        {"all hideable hidden", {1, 2, 3, 4}, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int column = 1; column < 5; ++column)
            list.SetColumnVisible(column, true);
        for (int column : c.hidden)
            list.SetColumnVisible(column, false);
        ASSERT_EQ(list.GetShownColumnCount(), static_cast<int>(c.shown.size()));
        for (size_t position = 0; position < c.shown.size(); ++position) {
            EXPECT_EQ(list.DisplayToModel(static_cast<int>(position)), c.shown[position]);
            EXPECT_EQ(list.ModelToDisplay(c.shown[position]), static_cast<int>(position));
        }
        for (int column : c.hidden)
            EXPECT_EQ(list.ModelToDisplay(column), -1);
        EXPECT_EQ(list.DisplayToModel(static_cast<int>(c.shown.size())), -1);
        EXPECT_EQ(list.DisplayToModel(-1), -1);
        EXPECT_EQ(list.ModelToDisplay(5), -1);
        EXPECT_EQ(list.GetDisplayOrder(), (std::vector<int>{3, 0, 4, 1, 2}))
            << "hidden columns keep their place";
    }
}

TEST(ListCtrlData, DisplayOrderThatIsNoPermutationOfTheColumnsIsRefused)
{
    CListCtrlData list;
    for (int column : {0, 2, 7})
        list.InsertColumn(column, "Spalte", EColumnFormat::Left, 40);
    const std::vector<std::vector<int>> refused = {{0, 2}, {0, 2, 7, 7}, {0, 2, 2}, {0, 1, 7}, {7, 2, -1}};
    for (const auto& order : refused)
        EXPECT_FALSE(list.SetDisplayOrder(order));
    EXPECT_EQ(list.GetDisplayOrder(), (std::vector<int>{0, 2, 7}));
    EXPECT_TRUE(list.SetDisplayOrder({7, 0, 2}));
    EXPECT_EQ(list.GetLayout().Columns[2].DisplayOrder, 0u);
}

TEST(ListCtrlData, ColumnsInsertedOutOfOrderAreKeptByIndexAndShownLast)
{
    CListCtrlData list;
    for (int column : {5, 2, 0, 3})
        EXPECT_EQ(list.InsertColumn(column, "S" + std::to_string(column), EColumnFormat::Left, 40), column);
    EXPECT_EQ(list.InsertColumn(2, "doppelt", EColumnFormat::Left, 40), -1);
    std::vector<int> indices;
    for (const CListColumn& column : list.GetColumns())
        indices.push_back(column.Index);
    EXPECT_EQ(indices, (std::vector<int>{0, 2, 3, 5}));
    EXPECT_EQ(list.FindColumn(1), nullptr);
    EXPECT_EQ(list.FindColumn(4), nullptr);
    EXPECT_EQ(list.FindColumn(5)->Header, "S5");
    EXPECT_EQ(list.GetDisplayOrder(), (std::vector<int>{5, 2, 0, 3}));
}

TEST(ListCtrlData, HeaderIdFindsTheFirstColumnInModelOrderAndNeverATextHeader)
{
    CListCtrlData list;
    list.InsertColumnById(3, 123, EColumnFormat::Left, 40);
    list.InsertColumnById(1, 123, EColumnFormat::Left, 40);
    list.InsertColumn(0, "Text", EColumnFormat::Left, 40);
    const std::uint32_t row = list.AddRow(0);
    EXPECT_EQ(list.SetCellTextById(row, 123, "Bier"), 1);
    EXPECT_NE(list.FindRow(row)->FindCell(1), nullptr);
    EXPECT_EQ(list.FindRow(row)->FindCell(3), nullptr);
    EXPECT_EQ(list.SetCellTextById(row, 0, "kein Kopf"), 0);
    list.Reset();
    EXPECT_EQ(list.SetCellTextById(list.AddRow(0), 123, "Bier"), 0) << "Reset forgets the ids";
}

TEST(ListCtrlData, CellsSetInAnyOrderAreFoundAndReplaced)
{
    CListCtrlData list;
    const std::uint32_t row = list.AddRow(0);
    for (int column : {3, 0, 9, 2, 3})
        list.SetCellNumber(row, column, column * 10.0, ECellType::Truncated);
    list.SetCellText(row, 9, "neu");
    const CListRow& cells = *list.FindRow(row);
    ASSERT_EQ(cells.Cells.size(), 4u);
    for (int column : {0, 2, 3})
        EXPECT_EQ(cells.FindCell(column)->GetText(), std::to_string(column * 10));
    EXPECT_EQ(cells.FindCell(9)->GetText(), "neu");
    for (int column : {-1, 1, 4, 8, 10})
        EXPECT_EQ(cells.FindCell(column), nullptr);
}

TEST_F(NameTable, ItemsTextHasTheShownColumnsInScreenOrderWithTheShownNumbers)
{
    Fill({{"\xC4pfel", 1234.5}, {"Birnen", 0.05}, {"Zitronen", 2}});
    list.SetCellText(list.GetItems()[1], 2, "Obst");
    list.Fill();
    list.Sort();
    list.SetDisplayOrder({1, 2, 0});
    EXPECT_EQ(list.GetItemsText({0, 1}), "1.234,50\t\t\xC4pfel\n0,050\tObst\tBirnen\n");
    list.SetColumnVisible(2, false);
    EXPECT_EQ(list.GetItemsText({2, 0, 7}), "2,00\tZitronen\n1.234,50\t\xC4pfel\n");
    EXPECT_EQ(list.GetItemsText({}), "");
}

TEST_F(NameTable, ItemsAreFoundByRowIdAfterSorting)
{
    Fill({{"C", 0}, {"A", 0}, {"B", 0}});
    EXPECT_EQ(list.FindItem(1), 2);
    EXPECT_EQ(list.FindItem(2), 0);
    EXPECT_EQ(list.GetItemRow(1)->FindCell(0)->GetText(), "B");
    EXPECT_EQ(list.FindItem(4), -1);
    EXPECT_EQ(list.GetItemRow(3), nullptr);
    EXPECT_EQ(list.FindRow(0), nullptr);
}

// Each column of a table sorts by its own kind of key; rows without a cell in the column come
// last ascending and first descending, equal cells keep their model order either way.
TEST(ListCtrlData, EveryKindOfColumnSortsBothWaysWithMissingCellsAtTheEnd)
{
    const double nan = std::nan("");
    struct Row
    {
        const char* name;
        std::optional<std::string> text;
        std::optional<double> number;
        std::optional<double> mixed; // a number, or its text when negative
    };
    const std::vector<Row> rows = {
        {"r1", "Birne", 2.0, 1.0},          {"r2", std::nullopt, nan, -1.0},
        {"r3", "apfel", std::nullopt, 3.0}, {"r4", "Birne", 2.0, std::nullopt},
        {"r5", "\xC4pfel", -1.0, -2.0},     {"r6", "Apfel", nan, 0.5},
    };
    CListCtrlData list;
    for (int column = 0; column < 4; ++column)
        list.InsertColumn(column, "Spalte", EColumnFormat::Left, 40);
    for (const Row& row : rows) {
        const std::uint32_t id = list.AddRow(0);
        list.SetCellText(id, 0, row.name);
        if (row.text)
            list.SetCellText(id, 1, *row.text);
        if (row.number)
            list.SetCellNumber(id, 2, *row.number, ECellType::TwoDecimals);
        if (row.mixed && *row.mixed < 0)
            list.SetCellText(id, 3, "Text");
        else if (row.mixed)
            list.SetCellNumber(id, 3, *row.mixed, ECellType::General);
    }
    list.Fill();
    const auto shown = [&list] {
        std::string names;
        for (std::uint32_t id : list.GetItems())
            names += list.FindRow(id)->FindCell(0)->GetText() + " ";
        return names;
    };
    struct Case
    {
        int sortState;
        const char* shown;
    };
    const Case cases[] = {
        {2, "r3 r6 r5 r1 r4 r2 "},  // APFEL and Apfel equal in capitals: model order
        {-2, "r2 r1 r4 r5 r3 r6 "}, // missing first, equal Birne still r1 before r4
        {3, "r5 r1 r4 r2 r6 r3 "},  // numbers, then NaN, then missing
        {-3, "r3 r2 r6 r1 r4 r5 "}, {4, "r2 r5 r6 r1 r3 r4 "}, // mixed: by type first (texts before numbers)
        {-4, "r4 r3 r1 r6 r2 r5 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sortState);
        list.SetSortState(c.sortState);
        list.Sort();
        EXPECT_EQ(shown(), c.shown);
    }
}

} // namespace

// German dates as text would sort by the day of the month; a date cell sorts by its time.
TEST(ListCtrlData, DatesSortByTheirTimeNotByTheirText)
{
    CListCtrlData list;
    list.InsertColumn(0, "Datum", EColumnFormat::Left, 80);
    const struct
    {
        const char* text;
        double when;
    } dates[] = {{"02.03.2025", 45718.0}, {"31.01.2024", 45322.0}, {"15.02.2025", 45703.0}};
    for (std::uint32_t id = 0; id < 3; ++id)
        list.SetCellDate(list.AddRow(id), 0, dates[id].text, dates[id].when);
    list.Fill();
    list.Sort();
    std::string shown;
    for (std::uint32_t id : list.GetItems())
        shown += list.FindRow(id)->FindCell(0)->GetText() + " ";
    EXPECT_EQ(shown, "31.01.2024 15.02.2025 02.03.2025 ");
    list.SetSortState(-1);
    list.Sort();
    EXPECT_EQ(list.FindRow(list.GetItems()[0])->FindCell(0)->GetText(), "02.03.2025");
}
