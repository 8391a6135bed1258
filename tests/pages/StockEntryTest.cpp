#include "pages/stock/StockEntry.h"

#include "ManualClock.h"
#include "RuleTestSupport.h"

#include <gtest/gtest.h>

namespace {

// The catalogue and the clock the stock entry works on.
struct CStockCatalogue
{
    CData Data;
    CManualClock Time;
};

using EScroll = CStockEntry::EScroll;

// Names of the five rows, top to bottom.
std::vector<std::string> Names(const CStockEntry& entry)
{
    std::vector<std::string> names;
    for (int row = 0; row < CStockEntry::kNbRows; ++row)
        names.push_back(entry.Row(row).Name);
    return names;
}

// Ingredients "Zutat 0" .. "Zutat n-1", each 1,00 for one unit.
void AddNumbered(CData& data, int count)
{
    for (int i = 0; i < count; ++i)
        AddIngredient(data, "Zutat " + std::to_string(i), "", "kg", 1.0, 1.0);
}

} // namespace

// Butter at 8,40 for 2 kg costs 4,20 a kg; 1,5 kg of it are worth 6,30, 12 eggs at 0,25 3,00. Rows before the
// first ingredient stay empty.
TEST(StockEntry, OpensOnTheFirstIngredientWithItsNeighboursBelow)
{
    CStockCatalogue host;
    AddIngredient(host.Data, "Butter", "", "kg", 8.40, 2)->StockAmount = 1.5;
    AddIngredient(host.Data, "Mehl", "", "kg", 1.0, 1);
    AddIngredient(host.Data, "Eier", "", "St.", 2.5, 10)->StockAmount = 12;
    CStockEntry entry(host.Data, host.Time);

    EXPECT_EQ(entry.Current(), 0);
    EXPECT_EQ(Names(entry), (std::vector<std::string>{"", "", "Butter", "Mehl", "Eier"}));
    const CStockEntry::CRow butter = entry.Row(CStockEntry::kCurrentRow);
    EXPECT_EQ(butter.PricePerUnit, "4,20");
    EXPECT_EQ(butter.Stock, "1,50");
    EXPECT_EQ(butter.Unit, "kg");
    EXPECT_EQ(butter.Value, "6,30");
    EXPECT_EQ(entry.ShownStock(), "1,50");
    EXPECT_EQ(entry.Row(4).Value, "3,00");
    EXPECT_EQ(entry.Row(0).Stock, "") << "an empty row has no figures either";
    EXPECT_EQ(entry.TotalText(), "9,30");
}

// Each move stores the typed stock of the ingredient it leaves; Down on the last one keeps it
// current and still stores; Up on the first does nothing at all.
TEST(StockEntry, MovesStoreTheTypedStockAndStopAtBothEnds)
{
    CStockCatalogue host;
    AddNumbered(host.Data, 3);
    CStockEntry entry(host.Data, host.Time);
    const auto stock = [&](int index) { return host.Data.Ingredients.At(index)->StockAmount; };

    EXPECT_FALSE(entry.MoveUp("7"));
    EXPECT_EQ(stock(0), 0.0) << "Up on the first stores nothing";

    EXPECT_TRUE(entry.MoveDown("1.234,5"));
    EXPECT_EQ(stock(0), 1234.5);
    EXPECT_EQ(entry.Current(), 1);
    EXPECT_TRUE(entry.MoveDown("2"));
    EXPECT_EQ(Names(entry), (std::vector<std::string>{"Zutat 0", "Zutat 1", "Zutat 2", "", ""}));
    EXPECT_TRUE(entry.MoveDown("3,25"));
    EXPECT_EQ(entry.Current(), 2);
    EXPECT_EQ(stock(2), 3.25);
    EXPECT_EQ(entry.ShownStock(), "3,25");
    EXPECT_EQ(entry.TotalText(), "1.239,75");

    EXPECT_TRUE(entry.MoveUp("-1"));
    EXPECT_EQ(stock(2), -1.0);
    EXPECT_EQ(entry.Current(), 1);
}

// A text that is not a number blocks every kind of move and changes nothing; once corrected,
// the move goes ahead.
TEST(StockEntry, ATextThatIsNoNumberBlocksMoving)
{
    CStockCatalogue host;
    AddNumbered(host.Data, 8);
    host.Data.Ingredients.At(0)->StockAmount = 4;
    CStockEntry entry(host.Data, host.Time);

    for (const std::string text : {"1,2,3", "abc", "+", ""}) {
        EXPECT_FALSE(entry.MoveDown(text)) << text;
        EXPECT_FALSE(entry.Scroll(EScroll::Bottom, 0, text)) << text;
        EXPECT_FALSE(entry.TypeAhead("z", text)) << text;
        EXPECT_FALSE(entry.Store(text)) << text;
        EXPECT_EQ(entry.Current(), 0) << text;
        EXPECT_EQ(host.Data.Ingredients.At(0)->StockAmount, 4.0) << text;
    }
    EXPECT_TRUE(entry.MoveDown("0"));
    EXPECT_EQ(host.Data.Ingredients.At(0)->StockAmount, 0.0);
}

// Passing an ingredient without touching its stock keeps the exact amount, not the two
// decimals the field shows.
TEST(StockEntry, PassingAnIngredientKeepsItsExactStock)
{
    CStockCatalogue host;
    AddNumbered(host.Data, 2);
    host.Data.Ingredients.At(0)->StockAmount = 1.23456;
    CStockEntry entry(host.Data, host.Time);
    ASSERT_EQ(entry.ShownStock(), "1,23");

    EXPECT_TRUE(entry.MoveDown(entry.ShownStock()));
    EXPECT_TRUE(entry.MoveUp(entry.ShownStock()));
    EXPECT_EQ(host.Data.Ingredients.At(0)->StockAmount, 1.23456);
    EXPECT_TRUE(entry.Store("1,23"));
    EXPECT_EQ(host.Data.Ingredients.At(0)->StockAmount, 1.23456) << "the shown text, left as it was";
    EXPECT_TRUE(entry.Store("1,230"));
    EXPECT_EQ(host.Data.Ingredients.At(0)->StockAmount, 1.23);
}

// Twelve ingredients: the scroll bar moves by 1 and 5, to the thumb, to either end, and never
// past them; each move stores the typed stock.
TEST(StockEntry, ScrollingMovesByLinePageThumbAndEnds)
{
    CStockCatalogue host;
    AddNumbered(host.Data, 12);
    CStockEntry entry(host.Data, host.Time);
    struct CCase
    {
        EScroll Action;
        int Thumb;
        int Expected;
    };
    const CCase cases[] = {{EScroll::LineUp, 0, 0},    {EScroll::LineDown, 0, 1},  {EScroll::PageDown, 0, 6},
                           {EScroll::PageDown, 0, 11}, {EScroll::LineDown, 0, 11}, {EScroll::PageUp, 0, 6},
                           {EScroll::PageUp, 0, 1},    {EScroll::PageUp, 0, 0},    {EScroll::Thumb, 7, 7},
                           {EScroll::Thumb, 40, 11},   {EScroll::Top, 0, 0},       {EScroll::Bottom, 0, 11}};
    int step = 0;
    for (const CCase& c : cases) {
        const int left = entry.Current();
        EXPECT_TRUE(entry.Scroll(c.Action, c.Thumb, std::to_string(++step))) << step;
        EXPECT_EQ(entry.Current(), c.Expected) << step;
        EXPECT_EQ(host.Data.Ingredients.At(left)->StockAmount, step) << step;
    }
}

// The search text grows while keys follow within a second and starts anew after a longer
// pause; it is lower case (umlauts too), and the name sharing its longest beginning is shown.
TEST(StockEntry, TypeAheadFindsTheLongestBeginningAndRestartsAfterAPause)
{
    CStockCatalogue host;
    for (const char* name : {"Birne", "Brot", "Butter", "\xC4pfel", "Zucker", "Zwiebeln"})
        AddIngredient(host.Data, name, "", "kg", 1.0, 1.0);
    CStockEntry entry(host.Data, host.Time);
    const auto current = [&] { return host.Data.Ingredients.At(entry.Current())->Name; };

    EXPECT_TRUE(entry.TypeAhead("B", entry.ShownStock()));
    EXPECT_EQ(current(), "Birne");
    host.Time.AdvanceTicks(1000);
    EXPECT_TRUE(entry.TypeAhead("u", entry.ShownStock()));
    EXPECT_EQ(entry.SearchText(), "bu") << "exactly one second is no pause";
    EXPECT_EQ(current(), "Butter");
    EXPECT_TRUE(entry.TypeAhead("x", entry.ShownStock()));
    EXPECT_EQ(current(), "Butter") << "no name begins with \"bux\"; \"bu\" is the longest match";

    host.Time.AdvanceTicks(1001);
    EXPECT_TRUE(entry.TypeAhead("Z", entry.ShownStock()));
    EXPECT_EQ(entry.SearchText(), "z");
    EXPECT_EQ(current(), "Zucker");
    EXPECT_TRUE(entry.TypeAhead("w", entry.ShownStock()));
    EXPECT_EQ(current(), "Zwiebeln");

    host.Time.AdvanceTicks(5000);
    EXPECT_TRUE(entry.TypeAhead("\xC4", entry.ShownStock()));
    EXPECT_EQ(entry.SearchText(), "\xE4");
    EXPECT_EQ(current(), "\xC4pfel");

    host.Time.AdvanceTicks(5000);
    EXPECT_FALSE(entry.TypeAhead("q", entry.ShownStock())) << "no name begins with q";
    EXPECT_EQ(current(), "\xC4pfel");
    EXPECT_EQ(entry.SearchText(), "q");
}

// Going to an ingredient by name stores the stock typed for the one left.
TEST(StockEntry, TypeAheadStoresTheTypedStock)
{
    CStockCatalogue host;
    AddIngredient(host.Data, "Brot", "", "St.", 3.0, 1.0);
    AddIngredient(host.Data, "Salz", "", "kg", 1.0, 1.0);
    CStockEntry entry(host.Data, host.Time);

    EXPECT_TRUE(entry.TypeAhead("s", "2"));
    EXPECT_EQ(host.Data.Ingredients.At(0)->StockAmount, 2.0);
    EXPECT_EQ(entry.Current(), 1);
    EXPECT_EQ(entry.TotalText(), "6,00");
}

TEST(StockEntry, AnEmptyCatalogueShowsEmptyRowsAndDoesNotMove)
{
    CStockCatalogue host;
    CStockEntry entry(host.Data, host.Time);

    EXPECT_EQ(entry.Current(), -1);
    EXPECT_EQ(entry.CurrentIngredient(), nullptr);
    EXPECT_EQ(Names(entry), std::vector<std::string>(5));
    EXPECT_FALSE(entry.MoveDown("1"));
    EXPECT_FALSE(entry.Scroll(EScroll::Bottom, 0, "1"));
    EXPECT_FALSE(entry.TypeAhead("a", "1"));
    EXPECT_TRUE(entry.Store("1")) << "nothing to store, nothing to refuse";
    EXPECT_EQ(entry.TotalText(), "0,00");
}
