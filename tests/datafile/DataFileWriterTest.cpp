#include "datafile/DataFileWriter.h"

#include "DataFileTestSupport.h"
#include "MemoryFile.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileDateTime.h"
#include "datafile/DataFileNumber.h"
#include "datafile/TextChecksum.h"

#include <cerrno>
#include <climits>
#include <gtest/gtest.h>

namespace {

std::string Written(const CData& data, CDataFile& dataFile)
{
    CMemoryFile file;
    EXPECT_EQ(dataFile.WriteToXML(data, file), 0);
    EXPECT_EQ(file.WriteCalls(), 1);
    return file.Content();
}

std::string Written(const CData& data)
{
    CDataFile dataFile;
    return Written(data, dataFile);
}

TEST(DataFileWriter, DefaultsOnlyCatalogueWritesSixtyGroupEntriesAndNoRecordSections)
{
    CRecordingOwner owner;
    CData data(&owner);
    data.SetDefaults();
    const char* names[] = {"Suppen",
                           "Vorspeisen",
                           "Salate",
                           "Fleischgerichte",
                           "Fischgerichte",
                           "Vegetarisch",
                           "Desserts",
                           "Kuchen und Torten",
                           "Eis",
                           "",
                           "Alkoholfreie G.",
                           "Biere",
                           "Cocktails",
                           "Mischgetr\xE4nke",
                           "Spirituosen",
                           "Warme Getr\xE4nke",
                           "Weine",
                           "",
                           "",
                           ""};
    const char* quotes[] = {"30", "30", "30", "30", "30", "30", "30", "30", "30", "0",
                            "20", "25", "25", "25", "18", "10", "25", "0",  "0",  "0"};
    std::array<CGroupText, 20> groups;
    for (std::size_t i = 0; i < groups.size(); ++i)
        groups[i] = {names[i], "19.000000", std::string(quotes[i]) + ".000000"};
    std::string userdata;
    for (const char* field : {"Company", "Firstname", "Lastname", "Street", "PLZ", "City", "Country"})
        userdata += "      <" + std::string(field) + ">\n      \n      </" + field + ">\n";
    const std::string expected = Crlf("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                                      "<Kostenkoch>\n"
                                      "   <Version>1.0</Version>\n"
                                      "   <MainUserdata>\n" +
                                      userdata +
                                      "      <CurrencyUnit>\n      EUR\n      </CurrencyUnit>\n"
                                      "      <CurrencyUnit2>\n      \n      </CurrencyUnit2>\n"
                                      "      <CurrencyFactor2>\n      1.000000\n      </CurrencyFactor2>\n"
                                      "   </MainUserdata>\n") +
                                 MainNamesText(groups) + "</Kostenkoch>\r\n";

    EXPECT_EQ(Written(data), expected);
    EXPECT_EQ(owner.Log,
              (std::vector<std::string>{"CData::WriteToXML()", "CData::WriteToXML() -> write to file",
                                        "CData::WriteToXML() -> OK"}));
}

TEST(DataFileWriter, RecordsKeepTheirIndentationEscapingAndReferences)
{
    CRecordingOwner owner;
    CData data(&owner);
    BuildSampleCatalogue(data);

    EXPECT_EQ(Written(data), Fill(SampleText(), SampleIds(data)));
    EXPECT_EQ(owner.Log, (std::vector<std::string>{
                             "CData::WriteToXML()", "CData::WriteToXML() -> add ingredients",
                             "CData::WriteToXML() -> add recipes", "CData::WriteToXML() -> add sales",
                             "CData::WriteToXML() -> write to file", "CData::WriteToXML() -> OK"}));
    EXPECT_EQ(Written(data), Fill(SampleText(), SampleIds(data))) << "a second write in the same run";
}

TEST(DataFileWriter, NumbersAndDatesLikePrintfInEveryLocale)
{
    struct CDoubleCase
    {
        double Value;
        const char* Text;
    };
    for (const CDoubleCase& c : {CDoubleCase{19.0, "19.000000"},
                                 {-0.5, "-0.500000"},
                                 {2.0 / 3.0, "0.666667"},
                                 {-0.0, "-0.000000"},
                                 {1e20, "100000000000000000000.000000"},
                                 {1234567.891, "1234567.891000"},
                                 {0.0000004, "0.000000"}}) {
        std::string text;
        AppendFileDouble(text, c.Value);
        EXPECT_EQ(text, c.Text);
    }
    struct CPaddedCase
    {
        int Value, Width;
        const char* Text;
    };
    for (const CPaddedCase& c : {CPaddedCase{-1, 4, "-001"},
                                 {-1, 2, "-1"},
                                 {5, 2, "05"},
                                 {2009, 4, "2009"},
                                 {123, 2, "123"},
                                 {0, 2, "00"},
                                 {INT_MIN, 4, "-2147483648"}}) {
        std::string text;
        AppendPaddedInt(text, c.Value, c.Width);
        EXPECT_EQ(text, c.Text);
    }
    struct CDateCase
    {
        CDateTime Value;
        const char* Text;
    };
    for (const CDateCase& c : {CDateCase{CDateTime(2009, 5, 14, 18, 30, 59), "2009.05.14 18:30"},
                               {CDateTime(100, 1, 2, 3, 4), "0100.01.02 03:04"},
                               {CDateTime::MakeInvalid(), "-001.-1.-1 -1:-1"},
                               {CDateTime::MakeNull(), "-001.-1.-1 -1:-1"}}) {
        std::string text;
        AppendSaleDateTime(text, c.Value);
        EXPECT_EQ(text, c.Text);
    }
}

TEST(DataFileWriter, FailedWriteLeavesTheCatalogueChanged)
{
    CRecordingOwner owner;
    CData data(&owner);
    CDataFile dataFile;
    CMemoryFile file;
    file.SetFailure(ENOSPC);
    EXPECT_THROW(dataFile.WriteToXML(data, file), CFileException);
    EXPECT_FALSE(dataFile.IsUnchanged(data));
    EXPECT_EQ(owner.Log.back(), "CData::WriteToXML() -> write to file");
}

TEST(DataFileWriter, IsUnchangedFollowsEveryChangeOfTheText)
{
    CData data;
    CDataFile dataFile;
    BuildSampleCatalogue(data);
    EXPECT_FALSE(dataFile.IsUnchanged(data)) << "neither read nor written";
    Written(data, dataFile);
    EXPECT_TRUE(dataFile.IsUnchanged(data));

    data.Ingredients.At(1)->StockAmount = 1.0;
    EXPECT_FALSE(dataFile.IsUnchanged(data));
    data.Ingredients.At(1)->StockAmount = 0.0;
    EXPECT_TRUE(dataFile.IsUnchanged(data)) << "the same text again";

    data.Ingredients.At(1)->Name = "Aal";
    Written(data, dataFile);
    data.SortIngredients("Name", true);
    EXPECT_EQ(data.Ingredients.At(0)->Name, "Aal");
    EXPECT_FALSE(dataFile.IsUnchanged(data)) << "a new order is a new text";
}

// The write itself tells whether its text is the one read or written before, as IsUnchanged
// would have just before it.
TEST(DataFileWriter, WriteTellsWhetherItsTextWasUnchanged)
{
    CData data;
    CDataFile dataFile;
    BuildSampleCatalogue(data);
    Written(data, dataFile);
    EXPECT_FALSE(dataFile.WrittenUnchanged()) << "nothing read or written before";
    Written(data, dataFile);
    EXPECT_TRUE(dataFile.WrittenUnchanged());
    data.Sales.At(0)->NbPortion += 1.0;
    Written(data, dataFile);
    EXPECT_FALSE(dataFile.WrittenUnchanged());
    data.Sales.At(0)->NbPortion -= 1.0;
    CMemoryFile failing;
    failing.SetFailure(ENOSPC);
    EXPECT_THROW(dataFile.WriteToXML(data, failing), CFileException);
    EXPECT_FALSE(dataFile.WrittenUnchanged());
    EXPECT_FALSE(dataFile.IsUnchanged(data)) << "the file still holds the text before";
}

// Records far larger than the writer's size estimate (texts that escape to five times their
// length, numbers of 300 digits) make the buffer grow without losing or cutting anything,
// whole and in parts.
TEST(DataFileWriter, RecordsBeyondTheEstimateAreWrittenCompletely)
{
    CData data;
    BuildSampleCatalogue(data);
    const std::string ampersands(50000, '&');
    data.Company = std::string(30000, '<');
    data.Ingredients.At(0)->Name = ampersands;
    data.Ingredients.At(0)->StockAmount = 1e300;
    data.Recipes.At(0)->Comment = ampersands + ampersands;
    data.Sales.At(0)->Name = ampersands;
    data.Sales.At(0)->PriceSellPerPortionTax = -1e300;

    const std::string whole = CDataFileWriter(data, false).Render().ToString();
    std::string joined;
    CDataFileWriter(data, false).Render([&](std::string_view part) { joined += part; }, 4096);
    EXPECT_EQ(joined, whole);

    CData read;
    CMemoryFile file(whole);
    ASSERT_EQ(CDataFile().ReadFromXML(read, file), 0);
    EXPECT_EQ(read.Company, data.Company);
    EXPECT_EQ(read.Ingredients.At(0)->Name, ampersands);
    EXPECT_EQ(read.Ingredients.At(0)->StockAmount, 1e300);
    EXPECT_EQ(read.Recipes.At(0)->Comment, ampersands + ampersands);
    EXPECT_EQ(read.Sales.At(0)->Name, ampersands);
    EXPECT_EQ(read.Sales.At(0)->PriceSellPerPortionTax, -1e300);
}

// +1, -2, +1 on three neighbouring bytes keeps the weighted sum and the length.
TEST(DataFileWriter, IsUnchangedCatchesAChangeThatKeepsTheChecksum)
{
    CData data;
    CDataFile dataFile;
    data.Company = "BBB";
    Written(data, dataFile);
    const std::string before = CDataFileWriter(data, false).Render().ToString();
    data.Company = "C@C";
    const std::string after = CDataFileWriter(data, false).Render().ToString();
    ASSERT_EQ(TextChecksum(before), TextChecksum(after));
    ASSERT_EQ(before.size(), after.size());
    EXPECT_FALSE(dataFile.IsUnchanged(data));
}

TEST(DataFileWriter, TextChecksumWeighsSignedBytesByPositionIn32Bits)
{
    struct CCase
    {
        std::string Text;
        std::int64_t Checksum;
    };
    for (const CCase& c :
         {CCase{"", 0}, {"a", 0}, {"ab", 98}, {"abc", 98 + 2 * 99}, {"x\xFF", -1}, {"x\x80", -128}}) {
        EXPECT_EQ(TextChecksum(c.Text), c.Checksum) << c.Text;
    }
    // 127 × 19999999 exceeds 2^31 - 1 and wraps to a negative product.
    std::string large(20000000, '\0');
    large.back() = '\x7F';
    EXPECT_EQ(TextChecksum(large), 2539999873LL - 4294967296LL);
    EXPECT_NE(TextHash("BBB"), TextHash("C@C"));
    EXPECT_NE(TextHash(large), TextHash(large.substr(1) + '\0'));
}

} // namespace
