// Printouts written as PDF files and read back with pdftotext: umlauts, numbers with their
// decimal comma, the header and the footer as the user finds them on paper.

#include "CatalogueBuilder.h"
#include "PrintTestSupport.h"
#include "TempDir.h"
#include "controls/model/ListCtrlData.h"
#include "print/InventoryList.h"
#include "print/PrintJob.h"
#include "print/PrintRunner.h"
#include "print/RecipeSheet.h"
#include "print/TablePrinter.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

#define SKIP_WITHOUT_PDFTOTEXT(text)                                                                         \
    if (!(text))                                                                                             \
    GTEST_SKIP() << "pdftotext is not installed (poppler-utils)"

class PdfTextTest : public testing::Test
{
protected:
    QString Path(const char* name) const
    {
        return QString::fromStdString((m_directory.Path() / name).string());
    }

    CTempDir m_directory;
};

} // namespace

TEST_F(PdfTextTest, TableKeepsUmlautsAndDecimalCommas)
{
    CListCtrlData list;
    list.InsertColumn(0, "Name", EColumnFormat::Left, 200);
    list.InsertColumn(1, "Preis/Einh.", EColumnFormat::Right, 90);
    const std::pair<const char*, double> rows[] = {{"\xC4pfel Boskop", 2.49},
                                                   {"\xD6l aus Oliven", 1234.5},
                                                   {"Wei\xDF"
                                                    "wein",
                                                    0.05},
                                                   {"Rinderh\xFC"
                                                    "fte",
                                                    24.9}};
    for (const auto& [name, price] : rows) {
        const std::uint32_t row = list.AddRow(0);
        list.SetCellText(row, 0, name);
        list.SetCellNumber(row, 1, price, ECellType::TwoDecimals);
    }
    list.Fill();
    list.Sort();
    const CPrintJob job(TestHeader(),
                        [&](CPrintLayout& layout) { return CTablePrinter::Layout(layout, list); });
    ASSERT_EQ(CPrintRunner::WritePdf(job, Path("liste.pdf")), 0);

    const std::optional<QString> text = PdfText(Path("liste.pdf"));
    SKIP_WITHOUT_PDFTOTEXT(text);
    for (const char* expected :
         {"\u00c4pfel Boskop", "2,49", "\u00d6l aus Oliven", "1.234,50", "Wei\u00dfwein", "0,050",
          "Rinderh\u00fcfte", "24,90", "Marta Brenner", "Gasthof Zur Linde", "Zutatenliste", "Seite 1 von 1"})
        EXPECT_TRUE(text->contains(QString::fromUtf8(expected))) << expected << "\n" << text->toStdString();
    // Rows in the list's order: Äpfel sorts like Apfel, before Öl, Rinderhüfte and Weißwein.
    EXPECT_LT(text->indexOf(QString::fromUtf8("\u00c4pfel")), text->indexOf(QString::fromUtf8("\u00d6l")));
    EXPECT_LT(text->indexOf(QString::fromUtf8("Rinderh")), text->indexOf(QString::fromUtf8("Wei\u00df")));
}

TEST_F(PdfTextTest, CalculationSheetAndInventoryListReadAsPrinted)
{
    CData data;
    data.SetDefaults();
    data.Taxes[0] = 19.0;
    CIngredient& cream = AddIngredient(data, "Sahne 30 %", 3.2, 1.0, "Milchprodukte");
    cream.StockAmount = 12.5;
    CRecipe& cake = AddRecipe(data, "Schwarzw\xE4lder Kirschtorte", 12.0);
    cake.PriceSell = 4.80;
    cake.AddRecipeIngredient(nullptr, &cream, 1.0, 0.0);

    const CPrintJob sheet(TestHeader(), [&](CPrintLayout& layout) {
        return CRecipeSheet(cake, {ERecipeSheet::Calculation, true, 10.0}, {}).Layout(layout);
    });
    ASSERT_EQ(CPrintRunner::WritePdf(sheet, Path("kalkulation.pdf")), 0);
    const CPrintJob inventory(TestHeader(), [&](CPrintLayout& layout) {
        return CInventoryList(data, CInventoryList::Filled).Layout(layout);
    });
    ASSERT_EQ(CPrintRunner::WritePdf(inventory, Path("inventur.pdf")), 0);

    const std::optional<QString> sheetText = PdfText(Path("kalkulation.pdf"));
    const std::optional<QString> inventoryText = PdfText(Path("inventur.pdf"));
    SKIP_WITHOUT_PDFTOTEXT(sheetText && inventoryText);
    for (const char* expected :
         {"Schwarzw\u00e4lder Kirschtorte", "Einkaufspreis f\u00fcr 10 Portionen : 2,67 EUR",
          "tats\u00e4chlicher Verkaufspreis brutto : 48,00 EUR", "Zutaten f\u00fcr 10 Portionen", "0,83"})
        EXPECT_TRUE(sheetText->contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                      << sheetText->toStdString();
    for (const char* expected : {"Milchprodukte", "Sahne 30 %", "12,50", "40,00 EUR", "Gesamtsumme"})
        EXPECT_TRUE(inventoryText->contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                          << inventoryText->toStdString();
}

TEST_F(PdfTextTest, UnwritablePathIsReportedAndNothingIsWritten)
{
    CListCtrlData list;
    list.InsertColumn(0, "Name", EColumnFormat::Left, 200);
    const CPrintJob job(TestHeader(),
                        [&](CPrintLayout& layout) { return CTablePrinter::Layout(layout, list); });
    EXPECT_EQ(CPrintRunner::WritePdf(job, Path("fehlt/liste.pdf")), -1);
    EXPECT_FALSE(QFile::exists(Path("fehlt/liste.pdf")));
}
