#include "DataFileWriter.h"

#include "catalogue/Data.h"
#include "datafile/DataFileDateTime.h"
#include "datafile/DataFileLog.h"
#include "datafile/DataFileNumber.h"
#include "platform/LargePages.h"
#include "xml/TarnXMLDocument.h"

#include <cstddef>

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

} // namespace

CDataFileWriter::CDataFileWriter(const CData& data, bool logSections)
    : m_data(data), m_logSections(logSections)
{}

std::string CDataFileWriter::Render()
{
    m_sink = nullptr;
    m_out.clear();
    m_out.reserve(EstimateMasterData(m_data) + EstimateIngredients(m_data) + EstimateRecipesAndSales(m_data));
    AdviseLargePages(m_out.data(), m_out.capacity());
    RenderAll();
    return std::move(m_out);
}

void CDataFileWriter::Render(const std::function<void(std::string_view)>& sink, std::size_t partBytes)
{
    m_sink = &sink;
    m_partBytes = partBytes;
    m_out.clear();
    // A part ends after the record that fills it; records take a few KiB at most beside their texts.
    m_out.reserve(partBytes + 64 * 1024);
    RenderAll();
    if (!m_out.empty())
        sink(m_out);
    m_out.clear();
    m_sink = nullptr;
}

void CDataFileWriter::FlushPart()
{
    if (m_sink && m_out.size() >= m_partBytes) {
        (*m_sink)(m_out);
        m_out.clear();
    }
}

void CDataFileWriter::RenderAll()
{
    m_out += kHeader;
    WriteUserdata();
    WriteMainNames();
    WriteSection(m_data.Ingredients, EXmlName::Ingredients, "CData::WriteToXML() -> add ingredients",
                 &CDataFileWriter::WriteIngredient);
    WriteSection(m_data.Recipes, EXmlName::Recipes, "CData::WriteToXML() -> add recipes",
                 &CDataFileWriter::WriteRecipe);
    WriteSection(m_data.Sales, EXmlName::Sales, "CData::WriteToXML() -> add sales",
                 &CDataFileWriter::WriteSale);
    m_out += kFooter;
}

void CDataFileWriter::WriteUserdata()
{
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
    OpenRecord(6, EXmlName::IngredientSupplier, supplier.Id);
    RecordField(EXmlName::Name, supplier.Name);
    RecordField(EXmlName::Price, supplier.Price);
    RecordField(EXmlName::Amount, supplier.Amount);
    CloseTag(6, EXmlName::IngredientSupplier);
}

void CDataFileWriter::WriteRecipe(const CRecipe& recipe)
{
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
    OpenRecord(6, EXmlName::Sale, sale.Id, CSale::ClassVersion);
    RecordField(EXmlName::Name, sale.Name);
    RecordField(EXmlName::NameGroupIndex, sale.NameGroupIndex);
    RecordField(EXmlName::NbPortion, sale.NbPortion);
    RecordField(EXmlName::PriceBuyPerPortion, sale.PriceBuyPerPortion);
    RecordField(EXmlName::PriceSellPerPortionNoTax, sale.PriceSellPerPortionNoTax);
    RecordField(EXmlName::PriceSellPerPortionTax, sale.PriceSellPerPortionTax);
    RecordField(EXmlName::RecipeIndex, Reference(sale.Recipe));
    OpenTag(9, EXmlName::DateTime);
    Indent(12);
    AppendSaleDateTime(m_out, sale.DateTime);
    m_out += kLineEnd;
    CloseTag(9, EXmlName::DateTime);
    CloseTag(6, EXmlName::Sale);
}

void CDataFileWriter::Indent(int spaces)
{
    m_out.append(static_cast<std::size_t>(spaces), ' ');
}

void CDataFileWriter::OpenTag(int indent, EXmlName name)
{
    Indent(indent);
    m_out += '<';
    m_out += XmlNameText(name);
    m_out += '>';
    m_out += kLineEnd;
}

void CDataFileWriter::CloseTag(int indent, EXmlName name)
{
    Indent(indent);
    m_out += "</";
    m_out += XmlNameText(name);
    m_out += '>';
    m_out += kLineEnd;
}

void CDataFileWriter::OpenRecord(int indent, EXmlName name, int id, int version)
{
    Indent(indent);
    m_out += '<';
    m_out += XmlNameText(name);
    m_out += " Index=\"";
    AppendFileInt(m_out, id);
    if (version >= 0) {
        m_out += "\" Version=\"";
        AppendFileInt(m_out, version);
    }
    m_out += "\">";
    m_out += kLineEnd;
}

// Texts without "&", "<" and ">" need no escaping and are copied as they are.
void CDataFileWriter::AppendValue(std::string_view text)
{
    if (text.find_first_of("&<>") == std::string_view::npos)
        m_out += text;
    else
        m_out += CTarnXMLDocument::EscapeXML(text);
}

void CDataFileWriter::AppendValue(double value)
{
    AppendFileDouble(m_out, value);
}

void CDataFileWriter::AppendValue(int value)
{
    AppendFileInt(m_out, value);
}

template <class Value>
void CDataFileWriter::Field(int tagIndent, int valueIndent, EXmlName name, const Value& value)
{
    OpenTag(tagIndent, name);
    Indent(valueIndent);
    AppendValue(value);
    m_out += kLineEnd;
    CloseTag(tagIndent, name);
}

// A section of records, written only when there is at least one record.
template <class Record>
void CDataFileWriter::WriteSection(const CRing<Record>& records, EXmlName name, const char* logLine,
                                   void (CDataFileWriter::*write)(const Record&))
{
    if (records.IsEmpty())
        return;
    Log(logLine);
    OpenTag(3, name);
    for (const Record& record : records) {
        (this->*write)(record);
        FlushPart();
    }
    CloseTag(3, name);
}

template <class Value> void CDataFileWriter::GroupField(EXmlName name, std::size_t group, const Value& value)
{
    OpenRecord(3, name, static_cast<int>(group));
    Indent(6);
    AppendValue(value);
    m_out += kLineEnd;
    CloseTag(3, name);
}

void CDataFileWriter::Log(const char* line) const
{
    if (m_logSections)
        LogDataFile(m_data, line);
}
