// The inventory lists: groups with their headings, the dotted leader, the placeholder of the
// empty list and the values and total of the filled one, and page breaks.

#include "print/InventoryList.h"

#include "CatalogueBuilder.h"
#include "PrintTestSupport.h"
#include "print/PrintLayout.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

class InventoryListTest : public testing::Test
{
protected:
    InventoryListTest()
    {
        m_data.SetDefaults();
        // 2 kg bought at 1.00 for 3 kg: 0.66 (cents cut off).
        AddIngredient(m_data, "Zwiebeln", 1.0, 3.0,
                      "Gem\xFC"
                      "se")
            .StockAmount = 2.0;
        AddIngredient(m_data, "Salz", 0.5, 1.0).StockAmount = 4.0;
        AddIngredient(m_data,
                      "Rinderh\xFC"
                      "fte",
                      24.9, 1.0, "Fleisch")
            .StockAmount = 1.5;
        AddIngredient(m_data, "Karotten", 2.0, 1.0,
                      "Gem\xFC"
                      "se")
            .StockAmount = 10.0;
        CIngredient& unused = AddIngredient(m_data, "Safran", 9.0, 1.0, "Gew\xFCrze");
        unused.StockActive = 0;
        m_data.SortIngredients("Group|Name", true);
    }

    void Lay(CInventoryList::EKind kind)
    {
        m_layout = std::make_unique<CPrintLayout>(m_device.Writer(), TestHeader());
        ASSERT_TRUE(CInventoryList(m_data, kind).Layout(*m_layout));
    }

    // Each line's texts joined by "|", stock cells without their leader.
    QStringList Lines() const
    {
        QStringList lines;
        int y = -1;
        for (const CPrintItem& item : m_layout->Items()) {
            if (item.Kind != CPrintItem::EKind::Text)
                continue;
            if (item.Rect.y() != y)
                lines << QString();
            y = item.Rect.y();
            QString text = item.Text;
            while (text.startsWith(".   "))
                text.remove(0, 4);
            lines.last() += (lines.last().isEmpty() ? "" : "|") + text;
        }
        return lines;
    }

    CData m_data;
    CPdfDevice m_device;
    std::unique_ptr<CPrintLayout> m_layout;
};

} // namespace

TEST_F(InventoryListTest, EmptyListHasThePlaceholderInEveryStockCellAndNoTotal)
{
    Lay(CInventoryList::Empty);
    // The catalogue's sort puts ingredients without a group last.
    EXPECT_EQ(Lines(), QStringList({"Fleisch", QString::fromUtf8("Rinderh\u00fcfte|.........|kg"),
                                    QString::fromUtf8("Gem\u00fcse"), "Karotten|.........|kg",
                                    "Zwiebeln|.........|kg", "Sonstige Zutaten", "Salz|.........|kg"}));
}

TEST_F(InventoryListTest, FilledListShowsStockValuesAndTheTotal)
{
    Lay(CInventoryList::Filled);
    // 0.5 * 4 = 2.00; 24.90 * 1.5 = 37.35; 2 * 10 = 20.00; 0.66; total 60.01.
    EXPECT_EQ(Lines(), QStringList({"Fleisch", QString::fromUtf8("Rinderh\u00fcfte|1,50|kg|37,35 EUR"),
                                    QString::fromUtf8("Gem\u00fcse"), "Karotten|10,00|kg|20,00 EUR",
                                    "Zwiebeln|2,00|kg|0,66 EUR", "Sonstige Zutaten", "Salz|4,00|kg|2,00 EUR",
                                    "Gesamtsumme|60,01 EUR"}));
}

// The leader fills the gap from the name column to the stock: the text fits its rectangle, and
// one more leader dot would not.
TEST_F(InventoryListTest, DottedLeaderFillsTheGapBeforeTheStock)
{
    Lay(CInventoryList::Filled);
    int stockCells = 0;
    for (const CPrintItem& item : m_layout->Items()) {
        if (!item.Text.startsWith(".   "))
            continue;
        ++stockCells;
        const QFontMetrics metrics = m_layout->Metrics(item.Font);
        EXPECT_TRUE(item.Flags & Qt::AlignRight);
        EXPECT_LE(metrics.horizontalAdvance(item.Text), item.Rect.width());
        EXPECT_GT(metrics.horizontalAdvance(".   " + item.Text), item.Rect.width());
    }
    EXPECT_EQ(stockCells, 4);
    // Stock cells begin where the name column ends, after the widest name.
    const std::vector<CPrintItem> names = ItemsWithText(*m_layout, QString::fromUtf8("Rinderh\u00fcfte"));
    ASSERT_EQ(names.size(), 1u);
    EXPECT_GT(names[0].Rect.width(), m_layout->Metrics(names[0].Font).horizontalAdvance(names[0].Text));
}

TEST_F(InventoryListTest, LongListBreaksPagesInsideTheBody)
{
    for (int index = 0; index < 150; ++index)
        AddIngredient(m_data, "Zutat " + std::to_string(100 + index), 1.0, 1.0, index < 75 ? "A" : "B");
    m_data.SortIngredients("Group|Name", true);
    Lay(CInventoryList::Filled);
    EXPECT_GE(m_layout->PageCount(), 3);
    const QRect& body = m_layout->Body();
    for (const CPrintItem& item : m_layout->Items())
        ASSERT_TRUE(Inside(item, body)) << item.Page << " " << item.Text.toStdString();
    for (int page = 2; page <= m_layout->PageCount(); ++page) {
        const std::vector<CPrintItem> texts = BodyTexts(*m_layout, page);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts[0].Rect.y(), body.y());
    }
    EXPECT_EQ(ItemsWithText(*m_layout, "Gesamtsumme").size(), 1u);
}
