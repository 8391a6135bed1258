// The inventory lists: groups with their headings, the dotted leader, the placeholder of the
// empty list and the values and total of the filled one, and page breaks.

#include "print/InventoryList.h"

#include "CatalogueBuilder.h"
#include "PrintTestSupport.h"
#include "TempDir.h"
#include "print/PrintJob.h"
#include "print/PrintLayout.h"
#include "print/PrintRunner.h"

#include <QFontMetrics>
#include <QRegularExpression>
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

// A long name wraps inside a bounded name column: every figure prints whole on its own, right
// of the name, on paper as in the layout.
TEST(InventoryListLongNames, LongNamesNeverCutOrHideTheFigures)
{
    const std::string words = "Bio-Heumilch-Rahmjoghurt aus der Sennerei am Hochalmweg, cremig gereift, "
                              "im Mehrweg-Pfandglas zu 500 g, Charge 2024, laktosefrei, mit Vanille "
                              "aus Madagaskar und Bourbon-Vanillez\xFC"
                              "cker";
    for (const std::size_t length : {std::size_t{74}, std::size_t{96}, words.size()}) {
        for (const CInventoryList::EKind kind : {CInventoryList::Empty, CInventoryList::Filled}) {
            SCOPED_TRACE(testing::Message() << length << " characters, kind " << kind);
            CData data;
            data.SetDefaults();
            AddIngredient(data, words.substr(0, length), 1.0, 1.0, "Milchprodukte").StockAmount = 11.0;
            AddIngredient(data, "Salz", 0.5, 1.0, "Milchprodukte").StockAmount = 4.0;
            CPdfDevice device;
            CPrintLayout layout(device.Writer(), TestHeader());
            ASSERT_TRUE(CInventoryList(data, kind).Layout(layout));

            const QString stock = kind == CInventoryList::Filled ? "11,00" : ".........";
            int figures = 0;
            int nameRight = 0;
            for (const CPrintItem& item : layout.Items()) {
                const int width = layout.Metrics(item.Font).horizontalAdvance(item.Text);
                EXPECT_LE(width, item.Rect.width()) << item.Text.toStdString();
                EXPECT_TRUE(Inside(item, layout.Body())) << item.Text.toStdString();
                if (item.Text.startsWith(QStringLiteral("Bio-")))
                    nameRight = std::max(nameRight, item.Rect.x() + width);
                if (item.Text.endsWith(stock) && item.Rect.y() == ItemsWithText(layout, "kg")[0].Rect.y()) {
                    ++figures;
                    EXPECT_GT(item.Rect.x() + item.Rect.width() -
                                  layout.Metrics(item.Font).horizontalAdvance(stock),
                              nameRight);
                }
            }
            EXPECT_EQ(figures, 1);
        }
    }
}

// The same on paper: pdftotext finds the whole stock, unit and value beside the name's end.
TEST(InventoryListLongNames, PrintedStockOfALongNameReadsWhole)
{
    CTempDir directory;
    for (const std::size_t length : {std::size_t{74}, std::size_t{96}}) {
        CData data;
        data.SetDefaults();
        const std::string name = std::string("Rahmjoghurt ") + std::string(length - 12, 'x');
        AddIngredient(data, name, 2.0, 1.0, "Milchprodukte").StockAmount = 11.0;
        const QString path = QString::fromStdString((directory.Path() / "inventur.pdf").string());
        const CPrintJob job(TestHeader(), [&](CPrintLayout& layout) {
            return CInventoryList(data, CInventoryList::Filled).Layout(layout);
        });
        ASSERT_EQ(CPrintRunner::WritePdf(job, path), 0);
        const std::optional<QString> text = PdfText(path);
        if (!text)
            GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
        EXPECT_TRUE(text->contains(QRegularExpression(QStringLiteral("x +[ .]*11,00 +kg +22,00 EUR"))))
            << length << "\n"
            << text->toStdString();
    }
}
