#include "StrongWriter.h"

#include "platform/LargePages.h"

#include <charconv>
#include <cstring>
#include <string>
#include <type_traits>

namespace {

using namespace StrongPugi;

// Room for one record beside its texts: 15 fields with numbers of up to 320 characters.
constexpr std::size_t kRecordRoom = 6000;

// The constant text before and after the value of one field.
struct CField
{
    std::string Open, Close;

    CField(int tagIndent, int valueIndent, const char* name)
        : Open(std::string(tagIndent, ' ') + "<" + name + ">\r\n" + std::string(valueIndent, ' ')),
          Close("\r\n" + std::string(tagIndent, ' ') + "</" + name + ">\r\n")
    {}
};

CField Record(const char* name)
{
    return CField(9, 12, name);
}

class CStrongOut
{
public:
    // The buffer is not cleared: every byte handed out is written first.
    explicit CStrongOut(std::size_t size)
        : m_text{std::make_unique_for_overwrite<char[]>(size), 0}, m_size(size), m_p(m_text.Bytes.get())
    {
        AdviseLargePages(m_p, size);
    }

    // Makes room for `bytes` more.
    void Reserve(std::size_t bytes)
    {
        const std::size_t used = static_cast<std::size_t>(m_p - m_text.Bytes.get());
        if (m_size - used < bytes) {
            m_size = 2 * m_size + bytes;
            auto larger = std::make_unique_for_overwrite<char[]>(m_size);
            std::memcpy(larger.get(), m_text.Bytes.get(), used);
            m_text.Bytes = std::move(larger);
            m_p = m_text.Bytes.get() + used;
        }
    }
    void Put(std::string_view text)
    {
        std::memcpy(m_p, text.data(), text.size());
        m_p += text.size();
    }
    void Escaped(std::string_view text)
    {
        for (const char c : text) {
            if (c == '&')
                Put("&amp;");
            else if (c == '<')
                Put("&lt;");
            else if (c == '>')
                Put("&gt;");
            else
                *m_p++ = c;
        }
    }
    void Text(std::string_view text)
    {
        if (text.find_first_of("&<>") == std::string_view::npos)
            Put(text);
        else
            Escaped(text);
    }
    void Number(double value) { m_p = std::to_chars(m_p, m_p + 400, value, std::chars_format::fixed, 6).ptr; }
    void Number(int value) { m_p = std::to_chars(m_p, m_p + 16, value).ptr; }
    void Padded(int value, int width)
    {
        if (value < 0) {
            *m_p++ = '-';
            value = -value;
            --width;
        }
        char digits[16];
        const int length = static_cast<int>(std::to_chars(digits, digits + 16, value).ptr - digits);
        for (int i = length; i < width; ++i)
            *m_p++ = '0';
        Put(std::string_view(digits, static_cast<std::size_t>(length)));
    }
    template <class Value> void Field(const CField& field, const Value& value)
    {
        Put(field.Open);
        if constexpr (std::is_same_v<Value, CText>)
            Text(value);
        else
            Number(value);
        Put(field.Close);
    }
    void Index(const char* open, int id, const char* close = "\">\r\n")
    {
        Put(open);
        Number(id);
        Put(close);
    }
    CStrongText Take()
    {
        m_text.Length = static_cast<std::size_t>(m_p - m_text.Bytes.get());
        return std::move(m_text);
    }

private:
    CStrongText m_text;
    std::size_t m_size;
    char* m_p;
};

int IdOf(int position, const auto& records)
{
    return position == kNone ? -1 : records[static_cast<std::size_t>(position)].Id;
}

void WriteMain(CStrongOut& out, const CCatalogue& c)
{
    static const char* const kNames[] = {"Company",       "Firstname",      "Lastname", "Street",
                                         "PLZ",           "City",           "Country",  "CurrencyUnit",
                                         "CurrencyUnit2", "CurrencyFactor2"};
    out.Reserve(kRecordRoom * 8);
    out.Put("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<Kostenkoch>\r\n   <Version>1.0</Version>\r\n"
            "   <MainUserdata>\r\n");
    for (int i = 0; i < CCatalogue::kNbUserTexts; ++i) {
        out.Reserve(kRecordRoom + c.UserTexts[i].size() * 5);
        out.Field(CField(6, 6, kNames[i]), c.UserTexts[i]);
    }
    out.Field(CField(6, 6, kNames[9]), c.CurrencyFactor2);
    out.Put("   </MainUserdata>\r\n   <MainNames>\r\n");
    for (int i = 0; i < CCatalogue::kNbGroups; ++i) {
        out.Reserve(kRecordRoom + c.GroupNames[i].size() * 5);
        out.Index("   <NameGroup Index=\"", i, "\">\r\n      ");
        out.Text(c.GroupNames[i]);
        out.Index("\r\n   </NameGroup>\r\n   <Taxes Index=\"", i, "\">\r\n      ");
        out.Number(c.Taxes[i]);
        out.Index("\r\n   </Taxes>\r\n   <Quotes Index=\"", i, "\">\r\n      ");
        out.Number(c.Quotes[i]);
        out.Put("\r\n   </Quotes>\r\n");
    }
    out.Put("   </MainNames>\r\n");
}

void WriteIngredient(CStrongOut& out, const CCatalogue& c, const CIngredient& ingredient)
{
    static const CField kName = Record("Name"), kGroup = Record("Group"), kUnit = Record("Unit"),
                        kActive = Record("StockActive"), kAmount = Record("StockAmount"),
                        kUse = CField(6, 9, "IngredientSupplierUseIndex"), kPrice = Record("Price"),
                        kSupplierAmount = Record("Amount");
    out.Reserve(kRecordRoom +
                5 * (ingredient.Name.size() + ingredient.Group.size() + ingredient.Unit.size()));
    out.Index("      <Ingredient Index=\"", ingredient.Id);
    out.Field(kName, ingredient.Name);
    out.Field(kGroup, ingredient.Group);
    out.Field(kUnit, ingredient.Unit);
    out.Field(kActive, ingredient.StockActive);
    out.Field(kAmount, ingredient.StockAmount);
    if (ingredient.NbSuppliers != 0) {
        out.Put("   <IngredientSuppliers>\r\n");
        out.Field(kUse, IdOf(ingredient.SupplierInUse, c.Suppliers));
        for (std::uint32_t i = 0; i < ingredient.NbSuppliers; ++i) {
            const CSupplier& supplier = c.Suppliers[ingredient.FirstSupplier + i];
            out.Reserve(kRecordRoom + 5 * supplier.Name.size());
            out.Index("      <IngredientSupplier Index=\"", supplier.Id);
            out.Field(kName, supplier.Name);
            out.Field(kPrice, supplier.Price);
            out.Field(kSupplierAmount, supplier.Amount);
            out.Put("      </IngredientSupplier>\r\n");
        }
        out.Put("   </IngredientSuppliers>\r\n");
    }
    out.Put("      </Ingredient>\r\n");
}

void WriteLine(CStrongOut& out, const CCatalogue& c, const CLine& line)
{
    static const CField kAmount = Record("Amount"), kLoss = Record("WeightLoss"),
                        kIngredient = Record("IngredientIndex"), kRecipe = Record("RecipeIndex"),
                        kSort = Record("SortNum");
    out.Reserve(kRecordRoom);
    out.Index("      <RecipeIngredient Index=\"", line.Id);
    out.Field(kAmount, line.Amount);
    out.Field(kLoss, line.WeightLoss);
    out.Field(kIngredient, IdOf(line.Ingredient, c.Ingredients));
    out.Field(kRecipe, IdOf(line.SubRecipe, c.Recipes));
    out.Field(kSort, line.SortNum);
    out.Put("      </RecipeIngredient>\r\n");
}

void WriteRecipe(CStrongOut& out, const CCatalogue& c, const CRecipe& recipe)
{
    static const CField kName = Record("Name"), kPortions = Record("NbPortion"),
                        kUseAs = Record("UseAsIngredient"), kUseFor = Record("UseForSale"),
                        kComment = Record("Comment"), kPicture = Record("PictureFilename"),
                        kPrice = Record("PriceSell"), kGroup = Record("NameGroupIndex");
    out.Reserve(kRecordRoom +
                5 * (recipe.Name.size() + recipe.Comment.size() + recipe.PictureFilename.size()));
    out.Index("      <Recipe Index=\"", recipe.Id);
    out.Field(kName, recipe.Name);
    out.Field(kPortions, recipe.NbPortion);
    out.Field(kUseAs, recipe.UseAsIngredient);
    out.Field(kUseFor, recipe.UseForSale);
    out.Field(kComment, recipe.Comment);
    out.Field(kPicture, recipe.PictureFilename);
    out.Field(kPrice, recipe.PriceSell);
    out.Field(kGroup, recipe.NameGroupIndex);
    if (recipe.NbLines != 0) {
        out.Put("   <RecipeIngredients>\r\n");
        for (std::uint32_t i = 0; i < recipe.NbLines; ++i)
            WriteLine(out, c, c.Lines[recipe.FirstLine + i]);
        out.Put("   </RecipeIngredients>\r\n");
    }
    out.Put("      </Recipe>\r\n");
}

void WriteSale(CStrongOut& out, const CCatalogue& c, const CSale& sale)
{
    static const CField kName = Record("Name"), kGroup = Record("NameGroupIndex"),
                        kPortions = Record("NbPortion"), kBuy = Record("PriceBuyPerPortion"),
                        kNoTax = Record("PriceSellPerPortionNoTax"), kTax = Record("PriceSellPerPortionTax"),
                        kRecipe = Record("RecipeIndex"), kDate = Record("DateTime");
    out.Reserve(kRecordRoom + 5 * sale.Name.size());
    out.Index("      <Sale Index=\"", sale.Id, "\" Version=\"1\">\r\n");
    out.Field(kName, sale.Name);
    out.Field(kGroup, sale.NameGroupIndex);
    out.Field(kPortions, sale.NbPortion);
    out.Field(kBuy, sale.PriceBuyPerPortion);
    out.Field(kNoTax, sale.PriceSellPerPortionNoTax);
    out.Field(kTax, sale.PriceSellPerPortionTax);
    out.Field(kRecipe, IdOf(sale.Recipe, c.Recipes));
    out.Put(kDate.Open);
    const CDate& d = sale.DateTime;
    out.Padded(d.Year, 4);
    out.Put(".");
    out.Padded(d.Month, 2);
    out.Put(".");
    out.Padded(d.Day, 2);
    out.Put(" ");
    out.Padded(d.Hour, 2);
    out.Put(":");
    out.Padded(d.Minute, 2);
    out.Put(kDate.Close);
    out.Put("      </Sale>\r\n");
}

template <class Record, class Write>
void WriteSection(CStrongOut& out, const std::vector<Record>& records, const char* name, Write write)
{
    if (records.empty())
        return;
    out.Reserve(64);
    out.Put("   <");
    out.Put(name);
    out.Put(">\r\n");
    for (const Record& record : records)
        write(record);
    out.Reserve(64);
    out.Put("   </");
    out.Put(name);
    out.Put(">\r\n");
}

} // namespace

CStrongText RenderStrong(const CCatalogue& c)
{
    // The usual text takes about 700 bytes per sale and line; growing is rare.
    CStrongOut out(16384 + 1200 * c.Ingredients.size() + 400 * c.Suppliers.size() + 1000 * c.Recipes.size() +
                   520 * c.Lines.size() + 880 * c.Sales.size());
    WriteMain(out, c);
    WriteSection(out, c.Ingredients, "Ingredients",
                 [&](const CIngredient& record) { WriteIngredient(out, c, record); });
    WriteSection(out, c.Recipes, "Recipes", [&](const CRecipe& record) { WriteRecipe(out, c, record); });
    WriteSection(out, c.Sales, "Sales", [&](const CSale& record) { WriteSale(out, c, record); });
    out.Reserve(64);
    out.Put("</Kostenkoch>\r\n");
    return out.Take();
}
