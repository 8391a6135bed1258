#include "registerimport/CsvJournal.h"

#include "MemoryProfileStore.h"
#include "RegisterExportGenerator.h"
#include "TempDir.h"
#include "platform/PosixFileSystem.h"
#include "registerimport/CsvColumnMemory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

TEST(CCsvJournal, ReadsTheCommonShapesOfAJournal)
{
    CCsvJournalOptions german;
    CCsvJournalOptions english;
    english.Delimiter = ',';
    english.GermanNumbers = false;
    english.EnglishHeadings = true;
    english.IsoDates = true;
    english.RecordEnd = "\r\n";
    CCsvJournalOptions tab;
    tab.Delimiter = '\t';
    tab.SeparateTime = true;
    tab.WithNumber = true;
    tab.Utf8 = false;
    CCsvJournalOptions bom;
    bom.ByteOrderMark = true;
    bom.WithPrice = false;
    CCsvJournalOptions noHeading;
    noHeading.Heading = false;
    noHeading.Delimiter = ',';
    noHeading.GermanNumbers = false;
    CCsvColumns noHeadingColumns; // date, item, quantity, price, group
    noHeadingColumns.HasHeading = false;
    noHeadingColumns.Date = 0;
    noHeadingColumns.ItemText = 1;
    noHeadingColumns.Quantity = 2;
    noHeadingColumns.Price = 3;
    const struct
    {
        const char* Name;
        CCsvJournalOptions Options;
        char Delimiter;
        std::optional<CCsvColumns> Columns; // none: guessed from the heading
    } cases[] = {
        {"semicolon, German numbers, UTF-8", german, ';', std::nullopt},
        {"comma, English numbers and headings, ISO dates, CR LF", english, ',', std::nullopt},
        {"tab, time column, article numbers, Windows-1252", tab, '\t', std::nullopt},
        {"byte order mark, no price", bom, ';', std::nullopt},
        {"no heading, comma", noHeading, ',', noHeadingColumns},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const CGeneratedJournal generated = GenerateCsvJournal(c.Options);
        CCsvJournal journal;
        std::string message;
        ASSERT_TRUE(journal.LoadText(generated.Bytes, "verkauf.csv", message)) << message;
        EXPECT_EQ(journal.GetDelimiter(), c.Delimiter);
        const CCsvColumns columns = c.Columns ? *c.Columns : GuessCsvColumns(journal.GetHeadings());
        EXPECT_EQ(journal.GetHeadings(), c.Columns ? journal.GetFields(0) : generated.Headings);
        CRegisterSales sales;
        ASSERT_TRUE(journal.Read(columns, sales, message)) << message;
        EXPECT_EQ(static_cast<int>(sales.Lines.size()), generated.Expected.Lines);
        const auto found = PerItemDay(sales);
        ASSERT_EQ(found.size(), generated.Expected.PerItemDay.size());
        for (const auto& [key, sale] : generated.Expected.PerItemDay) {
            ASSERT_TRUE(found.count(key)) << key.first << " " << key.second;
            EXPECT_NEAR(found.at(key).Quantity, sale.Quantity, 1e-9) << key.first;
            EXPECT_NEAR(found.at(key).Gross, sale.Gross, 1e-6) << key.first;
        }
        ASSERT_EQ(sales.Sources.size(), 1u);
        EXPECT_EQ(sales.Sources[0].Label, "Journal verkauf.csv, 30.03.2026\x96"
                                          "01.04.2026");
        EXPECT_EQ(sales.Lines[0].HasPrice, c.Options.WithPrice);
        EXPECT_EQ(sales.Lines[0].DateTime, CDateTime(2026, 3, 30, 11, 0));
    }
}

TEST(CCsvJournal, GuessesTheColumnsFromTheirNames)
{
    const struct
    {
        std::vector<std::string> Headings;
        CCsvColumns Expected;
    } cases[] = {
        {{"Datum", "Uhrzeit", "Artikel", "Menge", "Preis"}, {0, 1, 2, -1, 3, 4, -1, true}},
        {{"Date", "Item number", "Item", "Quantity", "Price", "Group"}, {0, -1, 2, 1, 3, 4, 5, true}},
        {{"  MENGE ", "Artikel-Nr.", "Warengruppe", "datum"}, {3, -1, -1, 1, 0, -1, 2, true}},
        {{"St\xFC"
          "ck",
          "Bezeichnung", "Verkaufsdatum"},
         {2, -1, 1, -1, 0, -1, -1, true}},
        {{"Datum", "Datum", "Artikel", "Menge"}, {0, -1, 2, -1, 3, -1, -1, true}},
        {{"12.03.2026", "Bier", "2"}, {-1, -1, -1, -1, -1, -1, -1, false}},
        {{"Tag", "Ware", "Stk"}, {-1, -1, -1, -1, -1, -1, -1, true}}, // names, if unknown ones
    };
    for (const auto& c : cases) {
        const CCsvColumns guessed = GuessCsvColumns(c.Headings);
        EXPECT_EQ(guessed, c.Expected) << c.Headings[0];
    }
    EXPECT_TRUE(GuessCsvColumns({"Datum", "Artikelnummer", "Menge"}).IsComplete());
    EXPECT_FALSE(GuessCsvColumns({"Datum", "Artikel"}).IsComplete());
}

TEST(CCsvJournal, ExplainsWhyARowCannotBeRead)
{
    const std::string text = "Datum;Artikel;Menge;Preis\n"
                             "01.03.2026;Bier;2;4,50\n"
                             "1.3.;Bier;2;4,50\n"
                             "01.03.2026;;2;4,50\n"
                             "01.03.2026;Bier;zwei;4,50\n"
                             "01.03.2026;Bier;2;gratis\n"
                             ";;;\n"
                             "2026-03-02 18:30;\"Wein \"\"rot\"\"\";1;1.234,50 \x80\n"
                             "01.03.2026;Bier;-1;4,50\n";
    CCsvJournal journal;
    std::string message;
    ASSERT_TRUE(journal.LoadText(text, "j.csv", message)) << message;
    const CCsvColumns columns = GuessCsvColumns(journal.GetHeadings());
    const struct
    {
        std::size_t Row;
        CCsvRowResult::EState State;
        const char* ErrorPart;
    } cases[] = {
        {0, CCsvRowResult::Blank, ""},
        {1, CCsvRowResult::Sale, ""},
        {2, CCsvRowResult::Unreadable,
         "Spalte 1 (\x84"
         "Datum\x93): \x84"
         "1.3.\x93 ist kein Datum"},
        {3, CCsvRowResult::Unreadable, "Artikel fehlt"},
        {4, CCsvRowResult::Unreadable, "Spalte 3 (\x84Menge\x93): \x84zwei\x93 ist keine Zahl"},
        {5, CCsvRowResult::Unreadable, "\x84gratis\x93 ist kein Preis"},
        {6, CCsvRowResult::Blank, ""},
        {7, CCsvRowResult::Sale, ""},
        {8, CCsvRowResult::Sale, ""},
    };
    for (const auto& c : cases) {
        const CCsvRowResult result = journal.ReadRow(c.Row, columns);
        EXPECT_EQ(result.State, c.State) << c.Row << ": " << result.Error;
        EXPECT_NE(result.Error.find(c.ErrorPart), std::string::npos) << c.Row << ": " << result.Error;
        EXPECT_EQ(result.FileLine, c.Row + 1);
    }
    const CCsvRowResult wine = journal.ReadRow(7, columns);
    EXPECT_EQ(wine.Item.Text, "Wein \"rot\"");
    EXPECT_EQ(wine.Line.DateTime, CDateTime(2026, 3, 2, 18, 30));
    EXPECT_DOUBLE_EQ(wine.Line.GrossRevenue, 1234.5);
    EXPECT_DOUBLE_EQ(journal.ReadRow(8, columns).Line.GrossRevenue, -4.5);

    CRegisterSales sales;
    EXPECT_FALSE(journal.Read(columns, sales, message));
    EXPECT_NE(message.find("j.csv, Zeile 3, Spalte 1"), std::string::npos) << message;
    EXPECT_TRUE(sales.Lines.empty());
}

TEST(CCsvJournal, TakesTheNumberStyleTheFileShows)
{
    const struct
    {
        const char* Text;
        double Expected; // gross of the first row
    } cases[] = {
        {"Datum;Artikel;Menge;Preis\n01.03.2026;A;1;1,500\n", 1.5},                       // ambiguous: German
        {"Datum;Artikel;Menge;Preis\n01.03.2026;A;1;1,500\n01.03.2026;A;1;2.25\n", 1500}, // English shown
        {"Datum;Artikel;Menge;Preis\n01.03.2026;A;1;1.500\n01.03.2026;A;1;2,25\n", 1500}, // German shown
        {"Date,Item,Quantity,Price\n2026-03-01,A,1,\"1,234.50\"\n", 1234.5},
    };
    for (const auto& c : cases) {
        CCsvJournal journal;
        std::string message;
        ASSERT_TRUE(journal.LoadText(c.Text, "n.csv", message)) << message;
        const CCsvRowResult result = journal.ReadRow(1, GuessCsvColumns(journal.GetHeadings()));
        ASSERT_EQ(result.State, CCsvRowResult::Sale) << c.Text << result.Error;
        EXPECT_DOUBLE_EQ(result.Line.GrossRevenue, c.Expected) << c.Text;
    }
}

TEST(CCsvJournal, TheSameRowsGiveTheSameSourceKey)
{
    const auto keyOf = [](const std::string& text) {
        CCsvJournal journal;
        std::string message;
        CRegisterSales sales;
        EXPECT_TRUE(journal.LoadText(text, "k.csv", message)) << message;
        EXPECT_TRUE(journal.Read(GuessCsvColumns(journal.GetHeadings()), sales, message)) << message;
        return sales.Sources.empty() ? std::string() : sales.Sources[0].Key;
    };
    const std::string rows = "Datum;Artikel;Menge\n01.03.2026;Bier;2\n02.03.2026;Wein;1\n";
    const std::string crlf = "Datum;Artikel;Menge\r\n01.03.2026;Bier;2\r\n02.03.2026;Wein;1\r\n";
    const std::string other = "Datum;Artikel;Menge\n01.03.2026;Bier;3\n02.03.2026;Wein;1\n";
    EXPECT_EQ(keyOf(rows), keyOf(rows));
    EXPECT_EQ(keyOf(rows), keyOf(crlf));
    EXPECT_EQ(keyOf(rows), keyOf("\xEF\xBB\xBF" + rows));
    EXPECT_NE(keyOf(rows), keyOf(other));
}

TEST(CCsvJournal, RefusesWhatIsNoJournal)
{
    const struct
    {
        std::string Text;
        const char* MessagePart;
    } cases[] = {
        {"", "leer"},
        {"Datum;Artikel\n\"01.03.2026;Bier\n", "Zeile 2"},
        {std::string("PK\x03\x04\0\0binary", 12), "keine Textdatei"},
    };
    for (const auto& c : cases) {
        CCsvJournal journal;
        std::string message;
        EXPECT_FALSE(journal.LoadText(c.Text, "x.csv", message));
        EXPECT_NE(message.find(c.MessagePart), std::string::npos) << message;
    }
}

TEST(CCsvColumnMemory, RemembersTheAssignmentForTheSameHeadings)
{
    CMemoryProfileStore store;
    CCsvColumnMemory memory(store);
    const std::vector<std::string> headings = {"Tag", "Ware",
                                               "St\xFC"
                                               "ck",
                                               "Betrag"};
    CCsvColumns columns;
    columns.Date = 0;
    columns.ItemText = 1;
    columns.Quantity = 2;
    columns.Price = 3;
    EXPECT_FALSE(memory.Recall(headings));
    ASSERT_TRUE(memory.Remember(headings, columns));
    EXPECT_EQ(CCsvColumnMemory(store).Recall(headings), columns);
    EXPECT_FALSE(memory.Recall({"Tag", "Ware", "Menge", "Betrag"}));
    EXPECT_FALSE(memory.Recall({"Tag", "Ware",
                                "St\xFC"
                                "ck"}));

    CCsvColumns noHeading = columns;
    noHeading.HasHeading = false;
    noHeading.Group = 3;
    noHeading.Price = -1;
    ASSERT_TRUE(memory.Remember(headings, noHeading));
    EXPECT_EQ(memory.Recall(headings), noHeading);
}

} // namespace

namespace {

// Rows beyond those split at loading are split when asked for, with their file lines counted
// on across the boundary, and a quote never closed down there fails the read, not the load.
TEST(CCsvJournal, SplitsTheRestOfALongJournalWhenAskedFor)
{
    std::string text = "Datum;Artikel;Menge\n01.03.2026;\"zwei\nZeilen\";1\n"; // rows 0 and 1, lines 1 to 3
    for (std::size_t row = 2; row < CCsvJournal::kEagerRows + 500; ++row)
        text += "01.03.2026;Bier;1\n";
    const std::size_t rows = CCsvJournal::kEagerRows + 500;
    CCsvJournal journal;
    std::string message;
    ASSERT_TRUE(journal.LoadText(text + "02.03.2026;\"offen;1\n", "lang.csv", message)) << message;
    const CCsvColumns columns = GuessCsvColumns(journal.GetHeadings());
    EXPECT_EQ(journal.ReadRow(1, columns).Item.Text, "zwei\nZeilen");
    // Row r (from 2) starts on file line r + 2.
    EXPECT_EQ(journal.ReadRow(CCsvJournal::kEagerRows + 100, columns).FileLine,
              CCsvJournal::kEagerRows + 102);
    CRegisterSales sales;
    EXPECT_FALSE(journal.Read(columns, sales, message));
    EXPECT_NE(message.find("lang.csv, Zeile " + std::to_string(rows + 2)), std::string::npos) << message;

    CCsvJournal whole;
    ASSERT_TRUE(whole.LoadText(text, "lang.csv", message)) << message;
    EXPECT_EQ(whole.GetRowCount(), rows);
    ASSERT_TRUE(whole.Read(GuessCsvColumns(whole.GetHeadings()), sales, message)) << message;
    EXPECT_EQ(sales.Lines.size(), rows - 1);
}

// What a read gave, as one comparable text: the source key, the items and the lines.
std::string ReadAsText(const CCsvJournal& journal)
{
    CRegisterSales sales;
    std::string message;
    if (!journal.Read(GuessCsvColumns(journal.GetHeadings()), sales, message))
        return "failed: " + message;
    std::string text = sales.Sources.at(0).Key + "\n";
    for (const CRegisterLine& line : sales.Lines)
        text += sales.ItemOf(line).Text + "|" + std::to_string(line.Quantity) + "|" +
                std::to_string(line.DateTime.GetValue()) + "\n";
    return text;
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A journal loaded from its file shows its first rows from the first part read and reads as a
// whole exactly what the same bytes in memory give: umlauts that only come after the first
// part decide the encoding, a quoted line break across the part's end is one field, a file
// changed after loading is read as it is now, and one removed gives a message.
TEST(CCsvJournal, AJournalLoadedFromItsFileReadsAsAWhole)
{
    // Long rows (a note beside the sale), so that the megabytes hold few rows.
    const auto rows = [](std::size_t bytes, const char* end) {
        std::string text = std::string("Datum;Artikel;Menge;Notiz") + end;
        const std::string row = "01.03.2026 12:00;Bier;1;" + std::string(400, 'x') + end;
        while (text.size() < bytes)
            text += row;
        return text;
    };
    const std::string umlautsLate = rows(3 * CCsvJournal::kFirstBytes, "\n") + "02.03.2026;K\xC3\xA4se;2;\n";
    std::string quoteAcross = rows(CCsvJournal::kFirstBytes - 100, "\n") + "02.03.2026;\"";
    for (int line = 0; line < 20; ++line)
        quoteAcross += "Zeile " + std::to_string(line) + "\n";
    quoteAcross += "\";3;\n" + rows(CCsvJournal::kFirstBytes, "\n").substr(26);
    const struct
    {
        const char* Name;
        std::string Bytes;
        const char* Read; // a part of what the read must give
    } cases[] = {{"umlauts only after the first part", umlautsLate, "K\xE4se|2"},
                 {"a bad number far on",
                  rows(CCsvJournal::kFirstBytes + 1000, "\n") + "03.03.2026;Bier;zwei;\n", "ist keine Zahl"},
                 {"a quoted line break across the first part's end", quoteAcross, "Zeile 18\nZeile 19\n|3"},
                 {"CR LF", rows(2 * CCsvJournal::kFirstBytes, "\r\n"), "Bier|1"}};
    CTempDir dir;
    CPosixFileSystem files;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        WriteFile(dir.File("journal.csv"), c.Bytes);
        CCsvJournal fromFile, inMemory;
        std::string message;
        ASSERT_TRUE(fromFile.Load(files, dir.File("journal.csv"), message)) << message;
        ASSERT_TRUE(inMemory.LoadText(c.Bytes, "journal.csv", message)) << message;
        EXPECT_EQ(fromFile.ReadRow(1, GuessCsvColumns(fromFile.GetHeadings())).Item.Text, "Bier");
        const std::string expected = ReadAsText(inMemory);
        EXPECT_NE(expected.find(c.Read), std::string::npos);
        EXPECT_EQ(ReadAsText(fromFile), expected);
        // Small blocks, so that block ends fall inside quotes, beside line ends, within rows.
        fromFile.SetBlockBytes(64);
        EXPECT_EQ(ReadAsText(fromFile), expected);
        EXPECT_EQ(fromFile.GetRowCount(), inMemory.GetRowCount());
    }
    CCsvJournal changed, removed;
    std::string message;
    WriteFile(dir.File("changed.csv"), umlautsLate);
    ASSERT_TRUE(changed.Load(files, dir.File("changed.csv"), message)) << message;
    WriteFile(dir.File("changed.csv"), quoteAcross);
    CCsvJournal now;
    ASSERT_TRUE(now.LoadText(quoteAcross, "changed.csv", message)) << message;
    EXPECT_EQ(ReadAsText(changed), ReadAsText(now));
    WriteFile(dir.File("removed.csv"), umlautsLate);
    ASSERT_TRUE(removed.Load(files, dir.File("removed.csv"), message)) << message;
    std::filesystem::remove(dir.Path() / "removed.csv");
    const std::string failed = ReadAsText(removed);
    EXPECT_EQ(failed.rfind("failed: ", 0), 0u) << failed;
    EXPECT_NE(failed.find("removed.csv"), std::string::npos) << failed;
}

} // namespace
