#include "DataFileWriter.h"

#include "catalogue/Data.h"
#include "datafile/DataFileDateTime.h"
#include "datafile/DataFileLog.h"
#include "datafile/DataFileNumber.h"
#include "datafile/RegisterMappingNames.h"
#include "platform/LargePages.h"

#include <array>
#include <cstddef>
#include <cstring>
#include <unordered_set>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                                     "<Kostenkoch>\r\n"
                                     "   <Version>1.0</Version>\r\n";
constexpr std::string_view kFooter = "</Kostenkoch>\r\n";

// Text of a record reference: the record's Id, -1 without a record.
template <class Record> int Reference(const Record* record)
{
    return record ? record->Id : -1;
}

// Bytes a record takes beside its texts, a little more than the usual numbers need.
constexpr std::size_t kMasterDataSize = 8192;
constexpr std::size_t kIngredientSize = 512;
constexpr std::size_t kSupplierSize = 320;
constexpr std::size_t kRecipeSize = 768;
constexpr std::size_t kLineSize = 448;
constexpr std::size_t kSaleSize = 768;

std::size_t EstimateMasterData(const CData& data)
{
    std::size_t size = kMasterDataSize;
    for (const std::string* text : {&data.Company, &data.Firstname, &data.Lastname, &data.Street, &data.PLZ,
                                    &data.City, &data.Country, &data.CurrencyUnit, &data.CurrencyUnit2})
        size += text->size();
    for (const std::string& name : data.NameGroup)
        size += name.size();
    return size;
}

std::size_t EstimateIngredients(const CData& data)
{
    std::size_t size = 0;
    for (const CIngredient& ingredient : data.Ingredients) {
        size += kIngredientSize + ingredient.Name.size() + ingredient.Group.size() + ingredient.Unit.size();
        for (const CIngredientSupplier& supplier : ingredient.Suppliers)
            size += kSupplierSize + supplier.Name.size();
    }
    return size;
}

std::size_t EstimateRecipesAndSales(const CData& data)
{
    std::size_t size = 0;
    for (const CRecipe& recipe : data.Recipes) {
        size += kRecipeSize + recipe.Name.size() + recipe.Comment.size() + recipe.PictureFilename.size() +
                kLineSize * static_cast<std::size_t>(recipe.GetNbRecipeIngredients());
    }
    for (const CSale& sale : data.Sales)
        size += kSaleSize + sale.Name.size();
    return size;
}

// Room for one record beside its texts: tags and up to a dozen numbers of the longest form.
constexpr std::size_t kRecordRoom = 6000;
// An escaped text is at most five times as long ("&" gives "&amp;").
constexpr std::size_t kEscapeFactor = 5;

// The constant text before and after the value of a record field (tags at 9 spaces, value at
// 12), for every name, built once.
struct CFieldText
{
    std::string Open, Close;
};

const std::array<CFieldText, static_cast<std::size_t>(EXmlName::Unknown)>& RecordFieldTexts()
{
    static const auto texts = [] {
        std::array<CFieldText, static_cast<std::size_t>(EXmlName::Unknown)> result;
        for (std::size_t i = 0; i < result.size(); ++i) {
            const std::string name(XmlNameText(static_cast<EXmlName>(i)));
            result[i].Open = std::string(9, ' ') + "<" + name + ">\r\n" + std::string(12, ' ');
            result[i].Close = "\r\n" + std::string(9, ' ') + "</" + name + ">\r\n";
        }
        return result;
    }();
    return texts;
}

} // namespace

CDataFileWriter::CDataFileWriter(const CData& data, bool logSections)
    : m_data(data), m_logSections(logSections)
{}

CDataFileText CDataFileWriter::Render()
{
    m_sink = nullptr;
    m_capacity = EstimateMasterData(m_data) + EstimateIngredients(m_data) + EstimateRecipesAndSales(m_data);
    m_buffer = std::make_unique_for_overwrite<char[]>(m_capacity);
    AdviseLargePages(m_buffer.get(), m_capacity);
    m_p = m_buffer.get();
    RenderAll();
    const std::size_t size = Used();
    m_p = nullptr;
    return CDataFileText(std::move(m_buffer), size);
}

void CDataFileWriter::Render(const std::function<void(std::string_view)>& sink, std::size_t partBytes)
{
    m_sink = &sink;
    m_partBytes = partBytes;
    // A part ends after the record that fills it; the buffer grows for a record larger than
    // the room left.
    m_capacity = partBytes + 2 * kRecordRoom;
    m_buffer = std::make_unique_for_overwrite<char[]>(m_capacity);
    m_p = m_buffer.get();
    RenderAll();
    if (Used() != 0)
        sink(std::string_view(m_buffer.get(), Used()));
    m_buffer.reset();
    m_p = nullptr;
    m_sink = nullptr;
}

void CDataFileWriter::Room(std::size_t bytes)
{
    const std::size_t used = Used();
    if (m_capacity - used >= bytes)
        return;
    m_capacity = 2 * m_capacity + bytes;
    auto larger = std::make_unique_for_overwrite<char[]>(m_capacity);
    std::memcpy(larger.get(), m_buffer.get(), used);
    m_buffer = std::move(larger);
    m_p = m_buffer.get() + used;
}

void CDataFileWriter::FlushPart()
{
    if (m_sink && Used() >= m_partBytes) {
        (*m_sink)(std::string_view(m_buffer.get(), Used()));
        m_p = m_buffer.get();
    }
}

void CDataFileWriter::RenderAll()
{
    Room(kHeader.size());
    Put(kHeader);
    WriteUserdata();
    WriteMainNames();
    WriteSection(m_data.Ingredients, EXmlName::Ingredients, "CData::WriteToXML() -> add ingredients",
                 &CDataFileWriter::WriteIngredient);
    WriteSection(m_data.Recipes, EXmlName::Recipes, "CData::WriteToXML() -> add recipes",
                 &CDataFileWriter::WriteRecipe);
    WriteSection(m_data.Sales, EXmlName::Sales, "CData::WriteToXML() -> add sales",
                 &CDataFileWriter::WriteSale);
    WriteRegisterMapping();
    Room(kFooter.size());
    Put(kFooter);
}

void CDataFileWriter::WriteUserdata()
{
    Room(EstimateMasterData(m_data) * kEscapeFactor);
    OpenTag(3, EXmlName::MainUserdata);
    Field(6, 6, EXmlName::Company, m_data.Company);
    Field(6, 6, EXmlName::Firstname, m_data.Firstname);
    Field(6, 6, EXmlName::Lastname, m_data.Lastname);
    Field(6, 6, EXmlName::Street, m_data.Street);
    Field(6, 6, EXmlName::PLZ, m_data.PLZ);
    Field(6, 6, EXmlName::City, m_data.City);
    Field(6, 6, EXmlName::Country, m_data.Country);
    Field(6, 6, EXmlName::CurrencyUnit, m_data.CurrencyUnit);
    Field(6, 6, EXmlName::CurrencyUnit2, m_data.CurrencyUnit2);
    Field(6, 6, EXmlName::CurrencyFactor2, m_data.CurrencyFactor2);
    CloseTag(3, EXmlName::MainUserdata);
}

// Name, VAT rate and target ratio of each group, interleaved by group.
void CDataFileWriter::WriteMainNames()
{
    Room(EstimateMasterData(m_data) * kEscapeFactor);
    OpenTag(3, EXmlName::MainNames);
    for (std::size_t group = 0; group < CData::kNbGroups; ++group) {
        GroupField(EXmlName::NameGroup, group, m_data.NameGroup[group]);
        GroupField(EXmlName::Taxes, group, m_data.Taxes[group]);
        GroupField(EXmlName::Quotes, group, m_data.Quotes[group]);
    }
    CloseTag(3, EXmlName::MainNames);
}

void CDataFileWriter::WriteIngredient(const CIngredient& ingredient)
{
    Room(kRecordRoom +
         (ingredient.Name.size() + ingredient.Group.size() + ingredient.Unit.size()) * kEscapeFactor);
    OpenRecord(6, EXmlName::Ingredient, ingredient.Id);
    RecordField(EXmlName::Name, ingredient.Name);
    RecordField(EXmlName::Group, ingredient.Group);
    RecordField(EXmlName::Unit, ingredient.Unit);
    RecordField(EXmlName::StockActive, ingredient.StockActive);
    RecordField(EXmlName::StockAmount, ingredient.StockAmount);
    WriteSuppliers(ingredient);
    CloseTag(6, EXmlName::Ingredient);
}

void CDataFileWriter::WriteSuppliers(const CIngredient& ingredient)
{
    if (ingredient.Suppliers.IsEmpty())
        return;
    OpenTag(3, EXmlName::IngredientSuppliers);
    Field(6, 9, EXmlName::IngredientSupplierUseIndex, Reference(ingredient.SupplierInUse));
    for (const CIngredientSupplier& supplier : ingredient.Suppliers)
        WriteSupplier(supplier);
    CloseTag(3, EXmlName::IngredientSuppliers);
}

void CDataFileWriter::WriteSupplier(const CIngredientSupplier& supplier)
{
    Room(kRecordRoom + supplier.Name.size() * kEscapeFactor);
    OpenRecord(6, EXmlName::IngredientSupplier, supplier.Id);
    RecordField(EXmlName::Name, supplier.Name);
    RecordField(EXmlName::Price, supplier.Price);
    RecordField(EXmlName::Amount, supplier.Amount);
    CloseTag(6, EXmlName::IngredientSupplier);
}

void CDataFileWriter::WriteRecipe(const CRecipe& recipe)
{
    Room(kRecordRoom +
         (recipe.Name.size() + recipe.Comment.size() + recipe.PictureFilename.size()) * kEscapeFactor);
    OpenRecord(6, EXmlName::Recipe, recipe.Id);
    RecordField(EXmlName::Name, recipe.Name);
    RecordField(EXmlName::NbPortion, recipe.NbPortion);
    RecordField(EXmlName::UseAsIngredient, recipe.UseAsIngredient);
    RecordField(EXmlName::UseForSale, recipe.UseForSale);
    RecordField(EXmlName::Comment, recipe.Comment);
    RecordField(EXmlName::PictureFilename, recipe.PictureFilename);
    RecordField(EXmlName::PriceSell, recipe.PriceSell);
    RecordField(EXmlName::NameGroupIndex, recipe.NameGroupIndex);
    if (!recipe.RecipeIngredients.IsEmpty()) {
        OpenTag(3, EXmlName::RecipeIngredients);
        for (const CRecipeIngredient& line : recipe.RecipeIngredients)
            WriteLine(line);
        CloseTag(3, EXmlName::RecipeIngredients);
    }
    CloseTag(6, EXmlName::Recipe);
}

void CDataFileWriter::WriteLine(const CRecipeIngredient& line)
{
    Room(kRecordRoom);
    OpenRecord(6, EXmlName::RecipeIngredient, line.Id);
    RecordField(EXmlName::Amount, line.Amount);
    RecordField(EXmlName::WeightLoss, line.WeightLoss);
    RecordField(EXmlName::IngredientIndex, Reference(line.Ingredient));
    RecordField(EXmlName::RecipeIndex, Reference(line.SubRecipe));
    RecordField(EXmlName::SortNum, line.SortNum);
    CloseTag(6, EXmlName::RecipeIngredient);
}

void CDataFileWriter::WriteSale(const CSale& sale)
{
    Room(kRecordRoom + sale.Name.size() * kEscapeFactor);
    OpenRecord(6, EXmlName::Sale, sale.Id, CSale::ClassVersion);
    RecordField(EXmlName::Name, sale.Name);
    RecordField(EXmlName::NameGroupIndex, sale.NameGroupIndex);
    RecordField(EXmlName::NbPortion, sale.NbPortion);
    RecordField(EXmlName::PriceBuyPerPortion, sale.PriceBuyPerPortion);
    RecordField(EXmlName::PriceSellPerPortionNoTax, sale.PriceSellPerPortionNoTax);
    RecordField(EXmlName::PriceSellPerPortionTax, sale.PriceSellPerPortionTax);
    RecordField(EXmlName::RecipeIndex, Reference(sale.Recipe));
    const CFieldText& dateTime = RecordFieldTexts()[static_cast<std::size_t>(EXmlName::DateTime)];
    Put(dateTime.Open);
    m_p = PutSaleDateTime(m_p, sale.DateTime);
    Put(dateTime.Close);
    CloseTag(6, EXmlName::Sale);
}

// Written only when the imports left something to remember, so a file without it stays byte for
// byte what it was. An item whose dish was deleted is left out: the next import asks for it.
void CDataFileWriter::WriteRegisterMapping()
{
    namespace Names = RegisterMappingNames;
    const CRegisterMapping& mapping = m_data.RegisterMapping;
    if (mapping.IsEmpty())
        return;
    std::unordered_set<int> recipeIds;
    for (const CRecipe& recipe : m_data.Recipes)
        recipeIds.insert(recipe.Id);
    Room(kRecordRoom);
    NamedTag(3, Names::kSection, false);
    for (const CRegisterItemMapping& item : mapping.Items) {
        const bool noDish = item.RecipeId == CRegisterItemMapping::kNoDish;
        if (!noDish && !recipeIds.contains(item.RecipeId))
            continue;
        Room(kRecordRoom + (item.ItemKey.size() + item.ItemText.size()) * kEscapeFactor);
        NamedTag(6, Names::kItem, false);
        NamedField(Names::kKey, item.ItemKey);
        NamedField(Names::kText, item.ItemText);
        NamedField(Names::kDish, item.RecipeId);
        NamedTag(6, Names::kItem, true);
        FlushPart();
    }
    for (const CRegisterImportedSource& source : mapping.Sources) {
        Room(kRecordRoom + (source.Key.size() + source.Label.size()) * kEscapeFactor);
        NamedTag(6, Names::kSource, false);
        NamedField(Names::kSourceKey, source.Key);
        NamedField(Names::kLabel, source.Label);
        NamedTag(6, Names::kSource, true);
        FlushPart();
    }
    Room(kRecordRoom);
    NamedTag(3, Names::kSection, true);
}

void CDataFileWriter::NamedTag(int indent, std::string_view name, bool closing)
{
    Indent(indent);
    Put(closing ? "</" : "<");
    Put(name);
    Put(">\r\n");
}

template <class Value> void CDataFileWriter::NamedField(std::string_view name, const Value& value)
{
    NamedTag(9, name, false);
    Indent(12);
    AppendValue(value);
    Put(kLineEnd);
    NamedTag(9, name, true);
}

void CDataFileWriter::Indent(int spaces)
{
    std::memset(m_p, ' ', static_cast<std::size_t>(spaces));
    m_p += spaces;
}

void CDataFileWriter::Put(std::string_view text)
{
    std::memcpy(m_p, text.data(), text.size());
    m_p += text.size();
}

void CDataFileWriter::OpenTag(int indent, EXmlName name)
{
    Indent(indent);
    *m_p++ = '<';
    Put(XmlNameText(name));
    Put(">\r\n");
}

void CDataFileWriter::CloseTag(int indent, EXmlName name)
{
    Indent(indent);
    Put("</");
    Put(XmlNameText(name));
    Put(">\r\n");
}

void CDataFileWriter::OpenRecord(int indent, EXmlName name, int id, int version)
{
    Indent(indent);
    *m_p++ = '<';
    Put(XmlNameText(name));
    Put(" Index=\"");
    m_p = PutFileInt(m_p, id);
    if (version >= 0) {
        Put("\" Version=\"");
        m_p = PutFileInt(m_p, version);
    }
    Put("\">\r\n");
}

// Texts without "&", "<" and ">" need no escaping and are copied as they are.
void CDataFileWriter::AppendValue(std::string_view text)
{
    for (std::size_t done = 0;;) {
        const std::size_t special = text.find_first_of("&<>", done);
        if (special == std::string_view::npos) {
            Put(text.substr(done));
            return;
        }
        Put(text.substr(done, special - done));
        Put(text[special] == '&' ? "&amp;" : text[special] == '<' ? "&lt;" : "&gt;");
        done = special + 1;
    }
}

void CDataFileWriter::AppendValue(double value)
{
    m_p = PutFileDouble(m_p, value);
}

void CDataFileWriter::AppendValue(int value)
{
    m_p = PutFileInt(m_p, value);
}

template <class Value>
void CDataFileWriter::Field(int tagIndent, int valueIndent, EXmlName name, const Value& value)
{
    OpenTag(tagIndent, name);
    Indent(valueIndent);
    AppendValue(value);
    Put(kLineEnd);
    CloseTag(tagIndent, name);
}

template <class Value> void CDataFileWriter::RecordField(EXmlName name, const Value& value)
{
    const CFieldText& text = RecordFieldTexts()[static_cast<std::size_t>(name)];
    Put(text.Open);
    AppendValue(value);
    Put(text.Close);
}

// A section of records, written only when there is at least one record.
template <class Record>
void CDataFileWriter::WriteSection(const CRing<Record>& records, EXmlName name, const char* logLine,
                                   void (CDataFileWriter::*write)(const Record&))
{
    if (records.IsEmpty())
        return;
    Log(logLine);
    Room(kRecordRoom);
    OpenTag(3, name);
    for (const Record& record : records) {
        (this->*write)(record);
        FlushPart();
    }
    Room(kRecordRoom);
    CloseTag(3, name);
}

template <class Value> void CDataFileWriter::GroupField(EXmlName name, std::size_t group, const Value& value)
{
    OpenRecord(3, name, static_cast<int>(group));
    Indent(6);
    AppendValue(value);
    Put(kLineEnd);
    CloseTag(3, name);
}

void CDataFileWriter::Log(const char* line) const
{
    if (m_logSections)
        LogDataFile(m_data, line);
}
