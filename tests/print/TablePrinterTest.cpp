// Tables from list data: pages and their heading rows, the list's own order and columns, the
// font that shrinks for wide tables and the table that cannot be printed at all.

#include "print/TablePrinter.h"

#include "PrintTestSupport.h"
#include "RecordingMessageService.h"
#include "ScriptedFileDialogService.h"
#include "controls/model/ListCtrlData.h"
#include "print/PrintJob.h"
#include "print/PrintLayout.h"
#include "print/PrintRunner.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <set>

namespace {

// Name, group and a price (right aligned); row i is "Zutat <i>" at i,50.
void FillIngredients(CListCtrlData& list, int rows)
{
    list.InsertColumn(0, "Name", EColumnFormat::Left, 200);
    list.InsertColumn(1, "Gruppe", EColumnFormat::Left, 120);
    list.InsertColumn(2, "Preis", EColumnFormat::Right, 90);
    for (int index = 0; index < rows; ++index) {
        const std::uint32_t row = list.AddRow(index);
        list.SetCellText(row, 0, "Zutat " + std::to_string(1000 + index));
        list.SetCellText(row, 1, index % 2 ? "Gem\xFCse" : "Fleisch");
        list.SetCellNumber(row, 2, index + 0.5, ECellType::TwoDecimals);
    }
    list.Fill();
    list.Sort();
}

// `columns` columns whose headings and cells are long texts.
void FillWide(CListCtrlData& list, int columns)
{
    for (int column = 0; column < columns; ++column)
        list.InsertColumn(column,
                          "Spalte mit langer \xDC"
                          "berschrift " +
                              std::to_string(column),
                          EColumnFormat::Left, 100);
    const std::uint32_t row = list.AddRow(0);
    for (int column = 0; column < columns; ++column)
        list.SetCellText(row, column, "Inhalt " + std::to_string(column));
    list.Fill();
}

class TablePrinterTest : public testing::Test
{
protected:
    CPdfDevice m_device;
    CPrintLayout m_layout{m_device.Writer(), TestHeader()};
    CListCtrlData m_list;
};

} // namespace

// 100 rows of font 2 take three A4 pages; each page starts with the heading row under which a
// rule runs, and every row appears once, in order.
TEST_F(TablePrinterTest, LongListContinuesOnPagesThatEachRepeatTheHeadingRow)
{
    FillIngredients(m_list, 100);
    ASSERT_TRUE(CTablePrinter::Layout(m_layout, m_list));
    ASSERT_EQ(m_layout.PageCount(), 3);

    int expected = 1000;
    for (int page = 1; page <= 3; ++page) {
        const std::vector<CPrintItem> texts = BodyTexts(m_layout, page);
        ASSERT_GE(texts.size(), 3u);
        EXPECT_EQ(texts[0].Text, "Name");
        EXPECT_EQ(texts[1].Text, "Gruppe");
        EXPECT_EQ(texts[2].Text, "Preis");
        EXPECT_EQ(texts[0].Rect.y(), m_layout.Body().y()) << page;
        for (std::size_t index = 3; index < texts.size(); ++index) {
            if (texts[index].Text.startsWith("Zutat ")) {
                EXPECT_EQ(texts[index].Text, QString("Zutat %1").arg(expected++));
            }
            EXPECT_NE(texts[index].Text, "Name");
        }
    }
    EXPECT_EQ(expected, 1100);
    EXPECT_TRUE(TextsOnPage(m_layout, 2).contains("Seite 2 von 3"));
    EXPECT_TRUE(TextsOnPage(m_layout, 3).contains("Seite 3 von 3"));
}

TEST_F(TablePrinterTest, EveryItemLiesInsideTheBodyAndEveryPageItemInsideTheMargins)
{
    FillIngredients(m_list, 250);
    ASSERT_TRUE(CTablePrinter::Layout(m_layout, m_list, 300));
    for (const CPrintItem& item : m_layout.Items())
        ASSERT_TRUE(Inside(item, m_layout.Body())) << item.Page << " " << item.Text.toStdString();
    for (int page = 1; page <= m_layout.PageCount(); ++page)
        for (const CPrintItem& item : m_layout.PageItems(page))
            ASSERT_TRUE(Inside(item, m_layout.Content())) << page << " " << item.Text.toStdString();
    // The extra offset moves the first page's heading only.
    const std::vector<CPrintItem> headings = ItemsWithText(m_layout, "Name");
    ASSERT_EQ(static_cast<int>(headings.size()), m_layout.PageCount());
    EXPECT_EQ(headings[0].Rect.y(), m_layout.Body().y() + 300);
    EXPECT_EQ(headings[1].Rect.y(), m_layout.Body().y());
}

// Shown columns in screen order, hidden ones left out, rows in the list's sort order, numbers
// as the list shows them and right aligned in their column.
TEST_F(TablePrinterTest, PrintsTheListAsShown)
{
    FillIngredients(m_list, 3);
    m_list.SetColumnVisible(1, false);
    ASSERT_TRUE(m_list.SetDisplayOrder({2, 0, 1}));
    m_list.ClickHeader(0); // descending by name
    ASSERT_TRUE(CTablePrinter::Layout(m_layout, m_list));

    QStringList texts;
    for (const CPrintItem& item : BodyTexts(m_layout, 1))
        texts << item.Text;
    EXPECT_EQ(texts, QStringList({"Preis", "Name", "2,50", "Zutat 1002", "1,50", "Zutat 1001", "0,50",
                                  "Zutat 1000"}));
    const std::vector<CPrintItem> prices = ItemsWithText(m_layout, "2,50");
    ASSERT_EQ(prices.size(), 1u);
    EXPECT_TRUE(prices[0].Flags & Qt::AlignRight);
    EXPECT_EQ(prices[0].Rect.x(), m_layout.Body().x());
    const int widest = m_layout.Metrics(prices[0].Font).horizontalAdvance("Preis");
    EXPECT_EQ(prices[0].Rect.width(), widest);
}

TEST_F(TablePrinterTest, WideTableShrinksTheFontUntilItFits)
{
    FillWide(m_list, 12);
    ASSERT_TRUE(CTablePrinter::Layout(m_layout, m_list));
    const std::vector<CPrintItem> texts = BodyTexts(m_layout, 1);
    ASSERT_EQ(texts.size(), 24u);
    const CPrintFont font = texts[0].Font;
    EXPECT_LT(font.Height, m_layout.Font2().Height);
    // Each shrink is 7/8 of the font before, starting from font 2.
    CPrintFont expected = m_layout.Font2();
    CPrintFont larger = expected;
    while (expected.Height > font.Height) {
        larger = expected;
        expected = expected.Scaled(7, 8);
    }
    EXPECT_EQ(font, expected);
    const CPrintItem& last = texts[11];
    EXPECT_LE(last.Rect.x() + last.Rect.width(), m_layout.Body().x() + m_layout.Body().width());
    // The headings are the widest texts; one step larger they would not have fitted.
    const QFontMetrics metrics = m_layout.Metrics(larger);
    int width = 11 * metrics.horizontalAdvance("ABC");
    for (int column = 0; column < 12; ++column)
        width += metrics.horizontalAdvance(QString("Spalte mit langer \u00dcberschrift %1").arg(column));
    EXPECT_GT(width, m_layout.Body().width());
}

// Through the job: the user reads message 200, no preview opens and no file is written.
TEST_F(TablePrinterTest, JobWithTooManyColumnsShowsMessage200AndPrintsNothing)
{
    FillWide(m_list, 600);
    CPrintJob job(TestHeader(),
                  [this](CPrintLayout& layout) { return CTablePrinter::Layout(layout, m_list); });
    EXPECT_EQ(job.Print(m_device.Writer()), 200);
    EXPECT_EQ(job.Layout(m_device.Writer())->Failure(), 200);

    CRecordingMessageService messages;
    CScriptedFileDialogService files;
    CPrintRunner runner(messages, files, nullptr);
    runner.Run(job, "Zutatenliste");
    ASSERT_EQ(messages.GetMessages().size(), 1u);
    EXPECT_EQ(
        messages.GetMessages()[0].Text,
        "Die Tabelle kann nicht gedruckt werden, weil zu viele Spalten aktiv sind. Bitte verstecken einige "
        "Spalten und versuchen Sie es nochmal.");
}

TEST_F(TablePrinterTest, EmptyListPrintsItsHeadingRow)
{
    FillIngredients(m_list, 0);
    ASSERT_TRUE(CTablePrinter::Layout(m_layout, m_list));
    EXPECT_EQ(m_layout.PageCount(), 1);
    EXPECT_EQ(BodyTexts(m_layout, 1).size(), 3u);
}

// One ingredient with a very long name: its name is elided within a third of the page, the
// table keeps font 2 and every price prints whole.
TEST_F(TablePrinterTest, LongNameIsElidedInsteadOfShrinkingTheTable)
{
    m_list.InsertColumn(0, "Name", EColumnFormat::Left, 200);
    m_list.InsertColumn(1, "Gruppe", EColumnFormat::Left, 120);
    m_list.InsertColumn(2, "Einheit", EColumnFormat::Left, 60);
    m_list.InsertColumn(3, "Preis", EColumnFormat::Right, 90);
    m_list.InsertColumn(4, "Preis/Einh.", EColumnFormat::Right, 90);
    const std::string names[] = {
        "Salz", "Bio-Heumilch-Rahmjoghurt aus der Sennerei am Hochalmweg, cremig gereift, im "
                "Pfandglas zu 500 g, Charge 2024"};
    for (const std::string& name : names) {
        const std::uint32_t row = m_list.AddRow(0);
        m_list.SetCellText(row, 0, name);
        m_list.SetCellText(row, 1, "Milchprodukte");
        m_list.SetCellText(row, 2, "kg");
        m_list.SetCellNumber(row, 3, 1234.5, ECellType::TwoDecimals);
        m_list.SetCellNumber(row, 4, 11.0, ECellType::TwoDecimals);
    }
    m_list.Fill();
    ASSERT_TRUE(CTablePrinter::Layout(m_layout, m_list));
    const std::vector<CPrintItem> texts = BodyTexts(m_layout, 1);
    ASSERT_EQ(texts.size(), 15u);
    for (const CPrintItem& item : texts) {
        EXPECT_EQ(item.Font, m_layout.Font2()) << item.Text.toStdString();
        EXPECT_LE(m_layout.Metrics(item.Font).horizontalAdvance(item.Text), item.Rect.width())
            << item.Text.toStdString();
    }
    EXPECT_EQ(ItemsWithText(m_layout, "1.234,50").size(), 2u);
    EXPECT_EQ(ItemsWithText(m_layout, "11,00").size(), 2u);
    const std::vector<CPrintItem> elided = ItemsWithText(m_layout, texts[10].Text);
    ASSERT_EQ(elided.size(), 1u);
    EXPECT_TRUE(elided[0].Text.startsWith(QStringLiteral("Bio-Heumilch"))) << elided[0].Text.toStdString();
    EXPECT_TRUE(elided[0].Text.endsWith(QChar(0x2026))) << elided[0].Text.toStdString();
    EXPECT_LE(elided[0].Rect.width(), m_layout.Body().width() / 3);
}
