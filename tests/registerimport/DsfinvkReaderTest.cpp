#include "registerimport/DsfinvkReader.h"

#include "RegisterExportGenerator.h"
#include "TempDir.h"
#include "platform/PosixFileSystem.h"
#include "registerimport/GdpduIndex.h"
#include "registerimport/RegisterExportKind.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

void ExpectSalesAsGenerated(const CRegisterSales& sales, const CRegisterExpectation& expected,
                            const std::string& what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(static_cast<int>(sales.Lines.size()), expected.Lines);
    EXPECT_EQ(sales.Receipts, expected.Receipts);
    const auto found = PerItemDay(sales);
    ASSERT_EQ(found.size(), expected.PerItemDay.size());
    for (const auto& [key, sale] : expected.PerItemDay) {
        const auto at = found.find(key);
        ASSERT_NE(at, found.end()) << key.first << " " << key.second;
        EXPECT_NEAR(at->second.Quantity, sale.Quantity, 1e-9) << key.first << " " << key.second;
        EXPECT_NEAR(at->second.Gross, sale.Gross, 1e-6) << key.first << " " << key.second;
    }
    ASSERT_EQ(sales.Skipped.size(), expected.Skipped.size());
    for (const auto& [reason, count] : expected.Skipped) {
        const auto at = sales.Skipped.find(reason);
        ASSERT_NE(at, sales.Skipped.end()) << static_cast<int>(reason);
        EXPECT_EQ(at->second.Lines, count.Lines) << static_cast<int>(reason);
        EXPECT_NEAR(at->second.Gross, count.Gross, 1e-6) << static_cast<int>(reason);
    }
    std::vector<std::string> keys;
    for (const CRegisterSource& source : sales.Sources)
        keys.push_back(source.Key);
    EXPECT_EQ(keys, expected.SourceKeys);
    for (const CRegisterLine& line : sales.Lines)
        EXPECT_EQ(line.VatRate, expected.VatRates.at(RegisterItemKey(sales.ItemOf(line))))
            << sales.ItemOf(line).Text;
}

class DsfinvkReaderTest : public ::testing::Test
{
protected:
    std::string Folder(const CGeneratedExport& generated, const std::string& name = "export")
    {
        std::filesystem::create_directory(m_dir.Path() / name);
        EXPECT_TRUE(WriteExportFolder(generated, (m_dir.Path() / name).string()));
        return m_dir.File(name);
    }
    // The message of a failed read of the folder, or "read" when it did not fail.
    std::string Failure(const CGeneratedExport& generated)
    {
        CRegisterSales sales;
        std::string message;
        if (RegisterExport::ReadDsfinvk(m_files, Folder(generated, "broken" + std::to_string(++m_folders)),
                                        sales, message))
            return "read";
        EXPECT_TRUE(sales.Lines.empty() && sales.Sources.empty() && sales.Skipped.empty());
        return message;
    }

    CTempDir m_dir;
    CPosixFileSystem m_files;
    int m_folders = 0;
};

TEST_F(DsfinvkReaderTest, FindsWhatTheRegisterRecordedInEveryLayoutTheIndexDescribes)
{
    CRegisterExportOptions semicolonUtf8;
    semicolonUtf8.Days = 4;
    semicolonUtf8.Registers = 2;
    semicolonUtf8.ReceiptsPerDay = 60;
    semicolonUtf8.DigitGrouping = '.';
    semicolonUtf8.VoidEarlierPercent = 50;
    CRegisterExportOptions commaAnsi = semicolonUtf8;
    commaAnsi.Delimiter = ',';
    commaAnsi.DecimalSymbol = '.';
    commaAnsi.DigitGrouping = 0;
    commaAnsi.Utf8 = false;
    commaAnsi.HeadingRow = false;
    commaAnsi.Seed = 2;
    commaAnsi.VatMasterTable = false; // the VAT keys' standard rates
    CRegisterExportOptions tabDetected = semicolonUtf8;
    tabDetected.Delimiter = '\t';
    tabDetected.DecimalSymbol = '.';
    tabDetected.DigitGrouping = ',';
    tabDetected.Utf8 = false;
    tabDetected.NameEncoding = false;
    tabDetected.ShuffleColumns = true;
    tabDetected.RecordEnd = "\n";
    tabDetected.Seed = 3;
    tabDetected.VatTables = false;
    const struct
    {
        const char* Name;
        CRegisterExportOptions Options;
    } cases[] = {
        {"semicolon, decimal comma with grouping, UTF-8, heading row", semicolonUtf8},
        {"comma, decimal point, ANSI, no heading", commaAnsi},
        {"tab, decimal point with grouping, encoding not named, columns reordered, LF", tabDetected}};
    for (const auto& c : cases) {
        const CGeneratedExport generated = GenerateDsfinvkExport(c.Options);
        // Every reason a register gives is in the export, so that each one is checked.
        for (ERegisterSkip reason :
             {ERegisterSkip::VoidedLine, ERegisterSkip::VoidedReceipt, ERegisterSkip::TrainingReceipt,
              ERegisterSkip::OtherReceipt, ERegisterSkip::Deposit, ERegisterSkip::Discount,
              ERegisterSkip::Voucher, ERegisterSkip::Tip})
            ASSERT_GT(generated.Expected.Skipped.count(reason), 0u)
                << c.Name << " " << static_cast<int>(reason);
        CRegisterSales sales;
        std::string message;
        ASSERT_TRUE(RegisterExport::ReadDsfinvk(m_files, Folder(generated, std::to_string(++m_folders)),
                                                sales, message))
            << c.Name << ": " << message;
        ExpectSalesAsGenerated(sales, generated.Expected, c.Name);
    }
}

// A voiding receipt that names a receipt of an earlier closing is booked as a reduction of its
// own day, whether the earlier closing is in the export or not; within one closing neither the
// sale nor its voiding counts.
TEST_F(DsfinvkReaderTest, AReceiptVoidedInALaterClosingReducesTheDayOfTheVoiding)
{
    CRegisterExportOptions options;
    options.Days = 4;
    options.VoidEarlierPercent = 100;
    const CGeneratedExport whole = GenerateDsfinvkExport(options);
    options.FirstWrittenDay = 2;
    const CGeneratedExport later = GenerateDsfinvkExport(options);
    for (const auto& [name, generated] :
         {std::pair("all closings", &whole), std::pair("the later ones", &later)}) {
        CRegisterSales sales;
        std::string message;
        ASSERT_TRUE(RegisterExport::ReadDsfinvk(m_files, Folder(*generated, std::to_string(++m_folders)),
                                                sales, message))
            << message;
        ExpectSalesAsGenerated(sales, generated->Expected, name);
        // The voiding receipts come at 10:30, before the day's first sale.
        const auto voiding =
            std::count_if(sales.Lines.begin(), sales.Lines.end(), [](const CRegisterLine& line) {
                return line.Quantity < 0 && line.DateTime.GetHour() == 10 && line.DateTime.GetMinute() == 30;
            });
        EXPECT_GT(voiding, 0) << name;
    }
}

// The VAT parts of a line that name different rates (a set menu of food and drink) leave its
// rate unknown; the other lines keep theirs.
TEST_F(DsfinvkReaderTest, ALineOfMixedVatRatesHasNoRate)
{
    CRegisterExportOptions options;
    options.TrainingPercent = options.VoidedReceiptPercent = options.OtherReceiptPercent = 0;
    options.ReturnPercent = options.VoidedLinePercent = options.DepositPercent = 0;
    options.DiscountPercent = options.TipPercent = options.VoucherPercent = 0;
    CGeneratedExport generated = GenerateDsfinvkExport(options);
    std::string& parts = generated.Files.at("lines_vat.csv");
    const std::size_t first = parts.find("\r\n") + 2;
    // The first line's part once more, with the other key (UST_SCHLUESSEL, the sixth field).
    std::string part = parts.substr(first, parts.find("\r\n", first) + 2 - first);
    std::size_t key = 0;
    for (int field = 0; field < 5; ++field)
        key = part.find(';', key) + 1;
    ASSERT_TRUE(part.compare(key, 2, "1;") == 0 || part.compare(key, 2, "2;") == 0) << part;
    part[key] = part[key] == '1' ? '2' : '1';
    parts += part;
    CRegisterSales sales;
    std::string message;
    ASSERT_TRUE(RegisterExport::ReadDsfinvk(m_files, Folder(generated), sales, message)) << message;
    EXPECT_EQ(std::count_if(sales.Lines.begin(), sales.Lines.end(),
                            [](const CRegisterLine& line) { return line.VatRate < 0; }),
              1);
    EXPECT_EQ(sales.Lines.size(), static_cast<std::size_t>(generated.Expected.Lines));
}

TEST_F(DsfinvkReaderTest, ReturnsReduceTheirDayAndTextsArriveAsWindows1252)
{
    CRegisterExportOptions options;
    options.ReturnPercent = 100; // every receipt a return of one item
    const CGeneratedExport generated = GenerateDsfinvkExport(options);
    CRegisterSales sales;
    std::string message;
    ASSERT_TRUE(RegisterExport::ReadDsfinvk(m_files, Folder(generated), sales, message)) << message;
    ASSERT_FALSE(sales.Lines.empty());
    for (const CRegisterLine& line : sales.Lines) {
        EXPECT_EQ(line.Quantity, -1.0);
        EXPECT_LT(line.GrossRevenue, 0.0);
    }
    ExpectSalesAsGenerated(sales, generated.Expected, "returns");

    CRegisterExportOptions plain;
    plain.Items = 1;
    const CGeneratedExport cheese = GenerateDsfinvkExport(plain);
    ASSERT_TRUE(RegisterExport::ReadDsfinvk(m_files, Folder(cheese, "cheese"), sales, message)) << message;
    ASSERT_FALSE(sales.Lines.empty());
    EXPECT_EQ(sales.ItemOf(sales.Lines[0]).Text, "K\xE4sesp\xE4tzle");
    EXPECT_EQ(sales.ItemOf(sales.Lines[0]).Number, "1001");
    EXPECT_EQ(sales.Sources[0].Label, "Kasse KASSE-1, Abschluss 100 vom 30.03.2026");
    EXPECT_EQ(sales.Sources[0].BusinessDay, CDateTime(2026, 3, 30));
}

TEST_F(DsfinvkReaderTest, ABrokenExportGivesAMessageNamingWhatIsWrong)
{
    const CGeneratedExport good = GenerateDsfinvkExport({});
    const auto with = [&good](const std::string& file, const std::string& bytes) {
        CGeneratedExport changed = good;
        changed.Files[file] = bytes;
        return changed;
    };
    const auto without = [&good](const std::string& file) {
        CGeneratedExport changed = good;
        changed.Files.erase(file);
        return changed;
    };
    std::string lines = good.Files.at("lines.csv");
    std::string badNumber = lines;
    badNumber.replace(
        badNumber.find("\r\n") + 2, 0,
        "\"KASSE-1\";\"x\";100;\"1\";9;;\"A\";;\"Umsatz\";;1;0;;\"1\";;;\"G\";zwei;1,000;\"Stk\";1,00\r\n");
    std::string receipts = good.Files.at("transactions.csv");
    receipts.replace(receipts.find("\r\n") + 2, 0,
                     "\"KASSE-1\";\"x\";100;\"99\";1;\"Beleg\";;\"T1\";0;;\"gestern\";0,00\r\n");
    std::string index = good.Files.at("index.xml");
    std::string utf16 = index;
    utf16.replace(utf16.find("<UTF8/>"), 7, "<UTF16/>");
    std::string noLines = index;
    noLines.replace(noLines.find("lines.csv"), 9, "posten.csv");
    const struct
    {
        const char* Name;
        CGeneratedExport Export;
        std::vector<std::string> MessageParts;
    } cases[] = {
        {"no index", without("index.xml"), {"keine index.xml"}},
        {"index names no lines", with("index.xml", noLines), {"lines.csv"}},
        {"lines file missing", without("lines.csv"), {"lines.csv", "fehlt"}},
        {"not XML", with("index.xml", "<DataSet><Media><Table><URL>lines.csv</Media>"), {"index.xml"}},
        {"bad number", with("lines.csv", badNumber), {"lines.csv", "Zeile 2", "MENGE", "zwei"}},
        {"quote never closed",
         with("lines.csv", lines + "\"KASSE-1\";\"open\r\n"),
         {"lines.csv", "Anf\xFChrungszeichen"}},
        {"unknown encoding", with("index.xml", utf16), {"UTF16"}},
        {"bad receipt time",
         with("transactions.csv", receipts),
         {"transactions.csv", "Zeile 2", "BON_ENDE", "gestern"}},
    };
    for (const auto& c : cases) {
        const std::string message = Failure(c.Export);
        for (const std::string& part : c.MessageParts)
            EXPECT_NE(message.find(part), std::string::npos) << c.Name << ": " << message;
    }
}

TEST(GdpduIndex, ReadsTheSymbolsAsTheIndexWritesThem)
{
    const char* xml =
        "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<!DOCTYPE DataSet SYSTEM \"gdpdu-01-09-2004.dtd\" [ <!ENTITY x \"y\"> ]>\n"
        "<DataSet><Version>1.0</Version><Media><Name>M</Name>\n"
        "<!-- <Table> im Kommentar zählt nicht -->\n"
        "<Table><URL>Daten/Lines.CSV</URL><Name>Bonpos</Name><ISO8859/>\n"
        "<DecimalSymbol>.</DecimalSymbol><DigitGroupingSymbol></DigitGroupingSymbol>\n"
        "<Range><From>3</From></Range><VariableLength>\n"
        "<ColumnDelimiter><![CDATA[|]]></ColumnDelimiter><TextEncapsulator>&apos;</TextEncapsulator>\n"
        "<VariablePrimaryKey><Name>BON_ID</Name><AlphaNumeric/></VariablePrimaryKey>\n"
        "<VariableColumn><Name> MENGE </Name><Numeric><Accuracy>3</Accuracy></Numeric></VariableColumn>\n"
        "<VariableColumn><Name>Gr&#246;&#xDF;e</Name><AlphaNumeric/></VariableColumn>\n"
        "</VariableLength></Table>\n"
        "<Table><URL>tab.csv</URL><VariableLength><ColumnDelimiter>&#9;</ColumnDelimiter>\n"
        "<VariableColumn><Name>A</Name></VariableColumn></VariableLength></Table>\n"
        "</Media></DataSet>";
    std::vector<CGdpduTable> tables;
    std::string message;
    ASSERT_TRUE(GdpduIndex::Parse(xml, tables, message)) << message;
    ASSERT_EQ(tables.size(), 2u);
    const CGdpduTable* lines = GdpduIndex::FindByFile(tables, "lines.csv");
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->Columns, (std::vector<std::string>{"BON_ID", "MENGE",
                                                        "Gr\xF6\xDF"
                                                        "e"}));
    EXPECT_EQ(lines->ColumnDelimiter, '|');
    EXPECT_EQ(lines->TextEncapsulator, '\'');
    EXPECT_EQ(lines->DecimalSymbol, '.');
    EXPECT_EQ(lines->DigitGroupingSymbol, 0);
    EXPECT_EQ(lines->FirstRecord, 2u);
    EXPECT_TRUE(lines->EncodingGiven);
    EXPECT_EQ(lines->Encoding, RegisterText::EEncoding::Windows1252);
    EXPECT_EQ(tables[1].ColumnDelimiter, '\t');
    EXPECT_EQ(tables[1].DecimalSymbol, ',');
    EXPECT_FALSE(tables[1].EncodingGiven);

    for (const char* broken : {"<DataSet><Media>", "<DataSet></Media>", "<!-- open", "", "<DataSet/>"})
        EXPECT_FALSE(GdpduIndex::Parse(broken, tables, message)) << broken;
}

} // namespace
