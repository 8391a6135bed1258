#include "datafile/DataFileReader.h"

#include "DataFileTestSupport.h"
#include "MemoryFile.h"
#include "TempDir.h"
#include "datafile/DataFile.h"
#include "datafile/DataFileDateTime.h"
#include "datafile/DataFileNumber.h"
#include "datafile/DataFileRecordSink.h"
#include "datafile/XmlNameCode.h"
#include "platform/StdFile.h"
#include "resources/StringTables.h"
#include "xml/TarnXMLDocument.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n";

int Read(CData& data, const std::string& text, CDataFile& dataFile)
{
    CMemoryFile file(text);
    return dataFile.ReadFromXML(data, file);
}

int Read(CData& data, const std::string& text)
{
    CDataFile dataFile;
    return Read(data, text, dataFile);
}

std::string Written(const CData& data)
{
    CMemoryFile file;
    CDataFile().WriteToXML(data, file);
    return file.Content();
}

// The Id the next record of a class will get: a probe takes the one before it.
template <class Record> int NextId()
{
    const Record probe;
    return probe.Id + 1;
}

std::string IngredientNames(const CData& data)
{
    std::string names;
    for (const CIngredient& ingredient : data.Ingredients)
        names += (names.empty() ? "" : ",") + ingredient.Name;
    return names;
}

TEST(DataFileReader, NameCodesTellTheFiftyNamesApart)
{
    for (int i = 0; i < static_cast<int>(EXmlName::Unknown); ++i) {
        const auto name = static_cast<EXmlName>(i);
        EXPECT_EQ(FindXmlName(XmlNameText(name)), name) << XmlNameText(name);
    }
    EXPECT_EQ(XmlNameCode("Name"), 'a' * 1 + 'm' * 2 + 'e' * 3);
    EXPECT_EQ(XmlNameCode("a\xE4"), -28) << "bytes count as signed";
    EXPECT_EQ(FindXmlName("Xame"), EXmlName::Name) << "the first byte weighs nothing";
    EXPECT_EQ(FindXmlName("Zutat"), EXmlName::Unknown);
    // Any other name is one of the fifty exactly when its code is that name's code.
    for (std::uint32_t seed = 1; seed < 20000; ++seed) {
        std::string name;
        for (std::uint32_t x = seed; x != 0; x /= 29)
            name += static_cast<char>('A' + x % 29 * 2);
        const EXmlName found = FindXmlName(name);
        const bool known = found != EXmlName::Unknown;
        EXPECT_TRUE(!known || XmlNameCode(XmlNameText(found)) == XmlNameCode(name)) << name;
        bool codeOfAName = false;
        for (int i = 0; i < static_cast<int>(EXmlName::Unknown); ++i)
            codeOfAName =
                codeOfAName || XmlNameCode(XmlNameText(static_cast<EXmlName>(i))) == XmlNameCode(name);
        EXPECT_EQ(known, codeOfAName) << name;
    }
}

TEST(DataFileReader, WriteReadWriteGivesTheSameFileRenumbered)
{
    CData original;
    BuildSampleCatalogue(original);
    CData copy;
    CDataFile copyFile;
    ASSERT_EQ(Read(copy, Written(original), copyFile), 0);
    EXPECT_FALSE(copyFile.IsUnchanged(copy)) << "the new run hands out other Ids";
    EXPECT_EQ(Written(copy), Fill(SampleText(), SampleIds(copy)));

    EXPECT_EQ(copy.Company, original.Company);
    const CIngredient& salt = *copy.Ingredients.At(0);
    EXPECT_EQ(salt.Name, "Salz & <Pfeffer>");
    EXPECT_EQ(salt.StockActive, 0);
    EXPECT_EQ(salt.SupplierInUse, salt.Suppliers.At(1));
    const CRecipe& soup = *copy.Recipes.At(1);
    EXPECT_EQ(soup.RecipeIngredients.At(0)->Ingredient, &salt);
    EXPECT_EQ(soup.RecipeIngredients.At(1)->SubRecipe, copy.Recipes.At(0));
    EXPECT_EQ(copy.Sales.At(0)->Recipe, &soup);
    EXPECT_EQ(copy.Sales.At(0)->DateTime, CDateTime(2009, 5, 14, 18, 30));
    EXPECT_EQ(copy.Sales.At(1)->DateTime.GetStatus(), CDateTime::Invalid);
}

namespace {

// The sample file with the Index numbers the next read in this run will hand out.
std::string SampleTextNumberedForThisRun()
{
    const int ingredient = NextId<CIngredient>(), supplier = NextId<CIngredientSupplier>();
    const int recipe = NextId<CRecipe>(), line = NextId<CRecipeIngredient>(), sale = NextId<CSale>();
    return Fill(SampleText(), {{"I0", ingredient},
                               {"I1", ingredient + 1},
                               {"S0", supplier},
                               {"S1", supplier + 1},
                               {"R0", recipe},
                               {"R1", recipe + 1},
                               {"L0", line},
                               {"L1", line + 1},
                               {"V0", sale},
                               {"V1", sale + 1}});
}

} // namespace

TEST(DataFileReader, FileNumberedLikeTheReadingRunReadsBackUnchanged)
{
    const std::string text = SampleTextNumberedForThisRun();
    CData data;
    CDataFile dataFile;
    ASSERT_EQ(Read(data, text, dataFile), 0);
    EXPECT_TRUE(dataFile.IsUnchanged(data));
    EXPECT_EQ(Written(data), text);
}

TEST(DataFileReader, BlanksAroundValuesAreLostSoTheFileCountsAsChanged)
{
    CData original;
    original.City = "Ulm";
    CData same;
    CDataFile sameFile;
    ASSERT_EQ(Read(same, Written(original), sameFile), 0);
    EXPECT_TRUE(sameFile.IsUnchanged(same)) << "no records, nothing renumbered";

    original.City = " Ulm ";
    CData trimmed;
    CDataFile trimmedFile;
    ASSERT_EQ(Read(trimmed, Written(original), trimmedFile), 0);
    EXPECT_EQ(trimmed.City, "Ulm");
    EXPECT_FALSE(trimmedFile.IsUnchanged(trimmed));
}

TEST(DataFileReader, MasterDataKeepsEmptyGroupNamesAndTakesIndicesOnlyFromAttributes)
{
    CData data;
    data.SetDefaults();
    data.Company = "Alt";
    ASSERT_EQ(Read(data, kDeclaration + R"(<Kostenkoch><Version>9.9</Version>
<MainUserdata><Company></Company><City>Ulm</City><CurrencyFactor2> 1,95583 </CurrencyFactor2>
  <Unbekannt>x</Unbekannt></MainUserdata>
<MainNames>
  <NameGroup Index="0"></NameGroup><NameGroup Index="1">Neu &amp; gut</NameGroup>
  <NameGroup>Ohne Index</NameGroup><NameGroup Index="20">Zu gross</NameGroup>
  <Taxes Index="-1">5</Taxes><Taxes Index="2">7.5</Taxes><Quotes Index="3">12abc</Quotes>
  <Quotes>40<Index>4</Index></Quotes>
</MainNames>
<MainUserdata><City>Bonn</City></MainUserdata></Kostenkoch>)"),
              0);
    EXPECT_EQ(data.Company, "");
    EXPECT_EQ(data.City, "Bonn") << "a repeated section overwrites";
    EXPECT_EQ(data.CurrencyFactor2, 1.0) << "the longest number prefix";
    EXPECT_EQ(data.NameGroup[0], "Suppen");
    EXPECT_EQ(data.NameGroup[1], "Neu & gut");
    EXPECT_EQ(data.NameGroup[19], "");
    EXPECT_EQ(data.Taxes[0], 19.0);
    EXPECT_EQ(data.Taxes[2], 7.5);
    EXPECT_EQ(data.Quotes[3], 12.0);
    EXPECT_EQ(data.Quotes[4], 30.0) << "an Index element is no index";
}

TEST(DataFileReader, RecordsWithoutNameAndLinesWithoutReferenceOrAmountAreDropped)
{
    CData data;
    ASSERT_EQ(Read(data, kDeclaration + R"(<Kostenkoch><Ingredients>
  <Ingredient Index="1"><Xame>Mehl</Xame></Ingredient>
  <Ingredient Index="2"><Group>ohne Namen</Group></Ingredient>
  <Ingredient Index="3"><Name>Zucker</Name><IngredientSuppliers>
    <IngredientSupplierUseIndex>12</IngredientSupplierUseIndex>
    <IngredientSupplier Index="11"><Name>A</Name></IngredientSupplier>
    <IngredientSupplier Index="12"><Name>B</Name><Price>2</Price><Amount>4</Amount></IngredientSupplier>
    <IngredientSupplier Index="12"><Name>C</Name></IngredientSupplier></IngredientSuppliers></Ingredient>
  <Ingredient Index="4"><Name>Salz</Name><IngredientSuppliers>
    <IngredientSupplierUseIndex>99</IngredientSupplierUseIndex>
    <IngredientSupplier Index="5"></IngredientSupplier></IngredientSuppliers></Ingredient>
</Ingredients><Recipes>
  <Recipe Index="7"><Name></Name><RecipeIngredients><RecipeIngredient><Amount>1</Amount>
    <IngredientIndex>1</IngredientIndex></RecipeIngredient></RecipeIngredients></Recipe>
  <Recipe Index="8"><Name>Teig</Name><RecipeIngredients>
    <RecipeIngredient Index="1"><Amount>0.5</Amount><IngredientIndex>1</IngredientIndex></RecipeIngredient>
    <RecipeIngredient><Amount>0</Amount><IngredientIndex>3</IngredientIndex></RecipeIngredient>
    <RecipeIngredient><Amount>1</Amount></RecipeIngredient>
    <RecipeIngredient><Amount>2</Amount><IngredientIndex>3</IngredientIndex><SortNum>5</SortNum></RecipeIngredient>
    <RecipeIngredient><Amount>3</Amount><RecipeIndex>7</RecipeIndex></RecipeIngredient>
    <RecipeIngredient><Amount>1</Amount><IngredientIndex>2</IngredientIndex></RecipeIngredient>
  </RecipeIngredients></Recipe>
  <Recipe Index="9"><Name>Leer</Name></Recipe>
</Recipes></Kostenkoch>)"),
              0);
    ASSERT_EQ(IngredientNames(data), "Mehl,Zucker,Salz");
    const CIngredient& flour = *data.Ingredients.At(0);
    const CIngredient& sugar = *data.Ingredients.At(1);
    const CIngredient& salt = *data.Ingredients.At(2);
    EXPECT_EQ(flour.StockActive, 1) << "constructor default";
    EXPECT_EQ(sugar.SupplierInUse->Name, "B") << "the first supplier with that index";
    EXPECT_EQ(salt.SupplierInUse, nullptr);
    EXPECT_EQ(salt.Suppliers.At(0)->Name, "undefined");

    ASSERT_EQ(data.GetNbRecipes(), 2);
    const CRecipe& dough = *data.Recipes.At(0);
    ASSERT_EQ(dough.GetNbRecipeIngredients(), 4);
    std::vector<int> sortNums;
    for (const CRecipeIngredient& l : dough.RecipeIngredients)
        sortNums.push_back(l.SortNum);
    EXPECT_EQ(sortNums, (std::vector<int>{1, 5, 2, 3})) << "the counter advances only when used";
    EXPECT_EQ(dough.RecipeIngredients.At(0)->Ingredient, &flour);
    EXPECT_EQ(dough.RecipeIngredients.At(1)->Ingredient, &sugar);
    EXPECT_EQ(dough.RecipeIngredients.At(2)->SubRecipe, nullptr) << "its recipe was dropped";
    EXPECT_EQ(dough.RecipeIngredients.At(2)->RecipeIndex, 7);
    EXPECT_EQ(dough.RecipeIngredients.At(3)->Ingredient, nullptr);
    EXPECT_EQ(data.Recipes.At(1)->NbPortion, 1.0);
    EXPECT_EQ(data.Recipes.At(1)->UseForSale, 1);
}

TEST(DataFileReader, SalesFindOnlyRecipesReadBeforeThemAndTheLastOfAnIndex)
{
    CData data;
    ASSERT_EQ(Read(data, kDeclaration + R"(<Kostenkoch>
<Sales><Sale Index="1" Version="1"><Name>Frueh</Name><RecipeIndex>5</RecipeIndex></Sale></Sales>
<Recipes><Recipe Index="5"><Name>Erste</Name></Recipe><Recipe Index="5"><Name>Zweite</Name></Recipe></Recipes>
<Sales>
  <Sale><Name>Spaet</Name><RecipeIndex>5</RecipeIndex><DateTime>2009.05.14 18:30</DateTime></Sale>
  <Sale><NbPortion>2</NbPortion></Sale>
  <Sale><Name></Name></Sale>
</Sales></Kostenkoch>)"),
              0);
    ASSERT_EQ(data.Sales.Count(), 3);
    EXPECT_EQ(data.Sales.At(0)->Recipe, nullptr);
    EXPECT_EQ(data.Sales.At(1)->Recipe, data.Recipes.At(1));
    EXPECT_EQ(data.Sales.At(2)->Name, "undefined");
    EXPECT_EQ(data.Sales.At(2)->NbPortion, 2.0);
}

TEST(DataFileReader, SaleDatesAreCutAtFixedPositions)
{
    struct CCase
    {
        const char* Text;
        CDateTime Expected;
    };
    const CDateTime invalid = CDateTime::MakeInvalid();
    for (const CCase& c : {CCase{"2009.05.14 18:30", CDateTime(2009, 5, 14, 18, 30)},
                           {"2008.02.29 23:59", CDateTime(2008, 2, 29, 23, 59)},
                           {"2009.05.14", CDateTime(2009, 5, 14)},
                           {"-001.-1.-1 -1:-1", invalid},
                           {"2009.13.01 00:00", invalid},
                           {"2009.02.29 10:00", invalid},
                           {"2009", invalid},
                           {"", invalid}}) {
        const CDateTime value = ParseSaleDateTime(c.Text);
        EXPECT_EQ(value.GetStatus(), c.Expected.GetStatus()) << c.Text;
        EXPECT_EQ(value.GetValue(), c.Expected.GetValue()) << c.Text;
    }
}

TEST(DataFileReader, NumbersTakeTheLongestValidPrefix)
{
    struct CDoubleCase
    {
        const char* Text;
        double Value;
    };
    for (const CDoubleCase& c : {CDoubleCase{"12.5abc", 12.5},
                                 {"abc", 0.0},
                                 {"  -3e2x", -300.0},
                                 {"1e", 1.0},
                                 {"1e+", 1.0},
                                 {"+.5", 0.5},
                                 {".e1", 0.0},
                                 {"-", 0.0},
                                 {"\v7", 7.0},
                                 {"1,95583", 1.0},
                                 {"0x10", 0.0},
                                 {"inf", 0.0},
                                 {"nan", 0.0},
                                 {"1e999", 0.0}}) {
        EXPECT_EQ(ParseFileDouble(c.Text), c.Value) << c.Text;
    }
    struct CIntCase
    {
        const char* Text;
        int Value;
    };
    for (const CIntCase& c : {CIntCase{"7.9", 7},
                              {"-12x", -12},
                              {"+3", 3},
                              {"", 0},
                              {" - 1", 0},
                              {"-2147483648", INT_MIN},
                              {"99999999999", INT_MAX},
                              {"-99999999999", INT_MIN}}) {
        EXPECT_EQ(ParseFileInt(c.Text), c.Value) << c.Text;
    }
}

TEST(DataFileReader, RootIsFoundBelowAWrapperByItsExactName)
{
    CRecordingOwner owner;
    CData data(&owner);
    ASSERT_EQ(Read(data, kDeclaration + R"(<Sicherung><kostenkoch/>
<Kostenkoch><Ingredients><Ingredient><Name>Ja</Name></Ingredient></Ingredients></Kostenkoch>
</Sicherung>)"),
              0);
    EXPECT_EQ(IngredientNames(data), "Ja");
    // The restore step ends every visit of the search: kostenkoch, Kostenkoch, Sicherung.
    EXPECT_EQ(std::count(owner.Log.begin(), owner.Log.end(),
                         "CData::InitFromXML() -> restore ingredients to recipes"),
              3);

    // A text without the root holds no catalogue: refused (2), so that it is not replaced by an
    // empty one unnoticed.
    CData none;
    EXPECT_EQ(Read(none, kDeclaration + "<Sicherung><Ingredients><Ingredient><Name>Nein</Name></Ingredient>"
                                        "</Ingredients></Sicherung>"),
              2);
    EXPECT_EQ(none.GetNbIngredients(), 0);
}

TEST(DataFileReader, LogLinesAndProgressTexts)
{
    CRecordingOwner owner;
    CData source;
    BuildSampleCatalogue(source);
    CData data(&owner);
    ASSERT_EQ(Read(data, Written(source)), 0);
    EXPECT_EQ(owner.Log,
              (std::vector<std::string>{
                  "CData::ReadFromXML()", "CData::ReadFromXML() file read start",
                  "CData::ReadFromXML() file read finished", "CData::ReadFromXML() XML parser start",
                  "CData::ReadFromXML() XML parser finished", "CData::InitFromXML() -> Ingredients",
                  "CData::InitFromXML() -> Recipes", "CData::InitFromXML() -> Sales",
                  "CData::InitFromXML() -> restore ingredients to recipes", "CData::InitFromXML() -> OK",
                  "CData::ReadFromXML() -> OK"}));
    const std::string recipes = CStringTables::Load(206);
    EXPECT_EQ(owner.Status, (std::vector<std::string>{CStringTables::Load(207), recipes, recipes,
                                                      CStringTables::Load(210), CStringTables::Load(208)}));
}

TEST(DataFileReader, UnreadableOrUnparsableFilesFailWithOne)
{
    struct CCase
    {
        const char* What;
        std::string Text;
        int Failure;
    };
    std::string nested;
    for (int i = 0; i < 101; ++i)
        nested += "<a>";
    for (const CCase& c : {CCase{"no XML at all", "Zutaten", 0},
                           {"a missing end tag", kDeclaration + "<Kostenkoch><Ingredients>", 0},
                           {"nesting deeper than 100", kDeclaration + nested, 0},
                           {"the file cannot be read", kDeclaration + "<Kostenkoch/>", EIO}}) {
        CRecordingOwner owner;
        CData data(&owner);
        CDataFile dataFile;
        CMemoryFile file(c.Text);
        file.SetFailure(c.Failure);
        EXPECT_EQ(dataFile.ReadFromXML(data, file), 1) << c.What;
        EXPECT_EQ(owner.Log.back(), "CData::ReadFromXML() XML parser failed") << c.What;
        EXPECT_FALSE(dataFile.IsUnchanged(data)) << c.What;
    }
}

TEST(DataFileReader, RoundTripThroughAFileOnDisk)
{
    const CTempDir dir;
    CData original;
    BuildSampleCatalogue(original);
    {
        CStdFile file(dir.File("KostenkochData.xml"), CStdFile::CreateWrite);
        CDataFile().WriteToXML(original, file);
        file.Close();
    }
    CData copy;
    CStdFile file(dir.File("KostenkochData.xml"), CStdFile::OpenRead);
    EXPECT_EQ(file.GetLength(), Fill(SampleText(), SampleIds(original)).size());
    EXPECT_EQ(CDataFile().ReadFromXML(copy, file), 0);
    EXPECT_EQ(Written(copy), Fill(SampleText(), SampleIds(copy)));
    try {
        CStdFile missing(dir.File("fehlt.xml"), CStdFile::OpenRead);
        ADD_FAILURE() << "opened a missing file";
    } catch (const CFileException& e) {
        EXPECT_EQ(e.Error, ENOENT);
        EXPECT_EQ(e.Path, dir.File("fehlt.xml"));
    }
}

} // namespace

namespace {

// The records of a catalogue and their links by name, independent of the run's Ids.
std::string Describe(const CData& data)
{
    std::ostringstream out;
    for (const CIngredient& ingredient : data.Ingredients) {
        out << "I " << ingredient.Name << " in use "
            << (ingredient.SupplierInUse ? ingredient.SupplierInUse->Name : "-") << ":";
        for (const CIngredientSupplier& supplier : ingredient.Suppliers)
            out << " " << supplier.Name << "/" << supplier.Amount << "/" << supplier.Price;
        out << "\n";
    }
    for (const CRecipe& recipe : data.Recipes) {
        out << "R " << recipe.Name << " " << recipe.NbPortion << ":";
        for (const CRecipeIngredient& line : recipe.RecipeIngredients)
            out << " " << (line.Ingredient ? line.Ingredient->Name : "-") << "/"
                << (line.SubRecipe ? line.SubRecipe->Name : "-") << "/" << line.Amount << "/" << line.SortNum;
        out << "\n";
    }
    for (const CSale& sale : data.Sales)
        out << "S " << sale.Name << " " << sale.NbPortion << " " << (sale.Recipe ? sale.Recipe->Name : "-")
            << "\n";
    return out.str();
}

std::vector<std::string> InitLines(const std::vector<std::string>& log)
{
    std::vector<std::string> lines;
    std::copy_if(log.begin(), log.end(), std::back_inserter(lines),
                 [](const std::string& line) { return line.starts_with("CData::InitFromXML()"); });
    return lines;
}

// Roots below a wrapper, a root inside a root (not read), records between unknown elements, a
// record-like element outside its section, an empty sale, sales before and after their recipes
// and a section outside every root.
const std::string kOddLayout = kDeclaration + R"(<Sicherung>
 <Kostenkoch>
  <Ingredients Art="x">
   <Ingredient Index="1"><Name>A</Name><IngredientSuppliers><IngredientSupplier Index="4"><Name>L</Name>
   <Amount>2</Amount></IngredientSupplier><IngredientSupplierUseIndex>4</IngredientSupplierUseIndex></IngredientSuppliers></Ingredient>
   <Fremd><Ingredient><Name>Nein</Name></Ingredient></Fremd>
   <Ingredient/>
  </Ingredients>
  <Kostenkoch><Ingredients><Ingredient><Name>Innen</Name></Ingredient></Ingredients></Kostenkoch>
  <Sales><Sale><NbPortion>2</NbPortion></Sale><Sale Index="3"><Name>Vorher</Name><RecipeIndex>7</RecipeIndex></Sale></Sales>
  <Recipes>
   <Recipe Index="7"><Name>R</Name><RecipeIngredients><RecipeIngredient><Amount>1</Amount>
   <IngredientIndex>1</IngredientIndex></RecipeIngredient><RecipeIngredient><Amount>2</Amount>
   <RecipeIndex>9</RecipeIndex></RecipeIngredient></RecipeIngredients></Recipe>
   <Recipe/><Notiz>x</Notiz>
  </Recipes>
  <Sale><Name>Lose</Name></Sale>
 </Kostenkoch>
 <Kostenkoch><Recipes><Recipe Index="9"><Name>Zweiter</Name></Recipe></Recipes>
 <Sales><Sale><Name>Nachher</Name><RecipeIndex>7</RecipeIndex></Sale></Sales></Kostenkoch>
 <Ingredients><Ingredient><Name>Draussen</Name></Ingredient></Ingredients>
</Sicherung>)";

} // namespace

// The reader reads the records while the text is parsed and drops their elements. Whatever the
// layout, the catalogue, the log and the progress texts are those of one walk over the whole
// tree after the parse.
TEST(DataFileReader, RecordsReadDuringTheParseMatchAWalkOverTheWholeTree)
{
    CData sample;
    BuildSampleCatalogue(sample);
    for (const std::string& text : {Written(sample), kOddLayout}) {
        CRecordingOwner streamedOwner;
        CData streamed(&streamedOwner);
        ASSERT_EQ(Read(streamed, text), 0);

        CRecordingOwner walkedOwner;
        CData walked(&walkedOwner);
        CTarnXMLDocument document(100, 100, CTarnXMLDocument::Lenient);
        document.Parse(text.c_str(), text.size());
        CDataFileReader(walked).Init(document.GetRoot());

        EXPECT_EQ(Describe(streamed), Describe(walked));
        EXPECT_EQ(InitLines(streamedOwner.Log), InitLines(walkedOwner.Log));
        EXPECT_EQ(streamedOwner.Status, walkedOwner.Status);
    }
    CData odd;
    ASSERT_EQ(Read(odd, kOddLayout), 0);
    EXPECT_EQ(Describe(odd), "I A in use L: L/2/0\n"
                             "R R 1: A/-/1/1 -/Zweiter/2/2\n"
                             "R Zweiter 1:\n"
                             "S undefined 2 -\n"
                             "S Vorher 1 -\n"
                             "S Nachher 1 R\n");
}

// Only the elements of one record at a time are kept, and records read before a fault in the
// text stay in the catalogue, as after a fault in the walk.
TEST(DataFileReader, RecordsAreReadOneAtATimeAndThoseBeforeAFaultStay)
{
    std::string text = kDeclaration + "<Kostenkoch><Version>1.0</Version><Sales>";
    for (int i = 0; i < 1000; ++i)
        text += "<Sale Index=\"" + std::to_string(i) + "\"><Name>V" + std::to_string(i) +
                "</Name><NbPortion>1</NbPortion></Sale>";
    text += "</Sales></Kostenkoch>";

    CData data;
    CDataFileRecordReader records(data);
    CDataFileRecordSink sink(records);
    CTarnXMLDocument document(100, 100, CTarnXMLDocument::Lenient);
    document.SetElementSink(&sink);
    document.Parse(text.c_str(), text.size());
    EXPECT_EQ(data.Sales.Count(), 1000);
    EXPECT_EQ(document.GetNodeCount(), 3u) << "Kostenkoch, Version and Sales are left";
    EXPECT_EQ(sink.DroppedChildren(*document.GetRoot()->FirstChild->Next), 1000u);

    CData cut;
    EXPECT_EQ(Read(cut, text.substr(0, text.find("<Sale Index=\"600\"") + 20)), 1);
    EXPECT_EQ(cut.Sales.Count(), 600);
}

namespace {

// A file read through a view of its text, which can report that the file was cut short.
class CMappedMemoryFile : public CMemoryFile
{
public:
    CMappedMemoryFile(const std::string& text, bool damaged) : m_text(text), m_damaged(damaged) {}

    // Reading would find nothing: the text is only in the view.
    std::unique_ptr<CFileView> MapForReading() override { return std::make_unique<CView>(m_text, m_damaged); }

private:
    struct CView : CFileView
    {
        CView(const std::string& text, bool damaged) : Bytes(text), Damaged(damaged) {}
        std::string_view Text() const override { return Bytes; }
        bool IsDamaged() const override { return Damaged; }
        const std::string& Bytes;
        bool Damaged;
    };

    std::string m_text;
    bool m_damaged;
};

} // namespace

// A mapped file is read from its view; one that another program cut short while it was read
// fails like a broken text and is not remembered as the file's text.
TEST(DataFileReader, AMappedFileIsReadAndOneCutShortMeanwhileFails)
{
    for (const bool damaged : {false, true}) {
        // Numbered as this run will number the records, so that a good read counts as unchanged.
        const std::string text = SampleTextNumberedForThisRun();
        CRecordingOwner owner;
        CData data(&owner);
        CDataFile dataFile;
        CMappedMemoryFile file(text, damaged);
        EXPECT_EQ(dataFile.ReadFromXML(data, file), damaged ? 1 : 0);
        EXPECT_EQ(owner.Log.back(),
                  damaged ? "CData::ReadFromXML() XML parser failed" : "CData::ReadFromXML() -> OK");
        EXPECT_EQ(data.GetNbIngredients(), 2);
        EXPECT_EQ(dataFile.IsUnchanged(data), !damaged);
    }
}
