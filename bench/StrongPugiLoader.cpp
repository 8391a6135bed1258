#include "StrongPugiLoader.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <unordered_map>

namespace StrongPugi {
namespace {

// Values trimmed and unescaped in place; line ends and the ISO-8859-1 bytes stay as they are, as in
// the program (the bytes are passed as UTF-8 so that pugixml does not convert them).
constexpr unsigned kParseFlags = pugi::parse_minimal | pugi::parse_escapes | pugi::parse_trim_pcdata;

// The position of `name` in `fields`, trying the field after the last one first: in a file
// written by the program every field then costs one comparison. -1 for an unknown name.
template <std::size_t N> int FieldOf(const char* name, const char* const (&fields)[N], std::size_t& next)
{
    if (next < N && std::strcmp(name, fields[next]) == 0)
        return static_cast<int>(next++);
    for (std::size_t i = 0; i < N; ++i) {
        if (std::strcmp(name, fields[i]) == 0) {
            next = i + 1;
            return static_cast<int>(i);
        }
    }
    return -1;
}

CText Value(const pugi::xml_node& node)
{
    const pugi::xml_node text = node.first_child();
    if (!text || text.type() != pugi::node_pcdata)
        return {};
    const char* value = text.value();
    return CText(value, std::strlen(value));
}

double Double(const pugi::xml_node& node)
{
    const CText text = Value(node);
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int Int(const pugi::xml_node& node)
{
    const CText text = Value(node);
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int IndexAttribute(const pugi::xml_node& node)
{
    const pugi::xml_attribute attribute = node.first_attribute();
    if (!attribute || std::strcmp(attribute.name(), "Index") != 0)
        return node.attribute("Index").as_int(-1);
    const char* value = attribute.value();
    int index = -1;
    std::from_chars(value, value + std::strlen(value), index);
    return index;
}

int Part(CText text, std::size_t begin, std::size_t length)
{
    int value = 0;
    if (begin < text.size())
        std::from_chars(text.data() + begin, text.data() + std::min(text.size(), begin + length), value);
    return value;
}

bool IsValidDate(int year, int month, int day, int hour, int minute)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 100 || year > 9999 || month < 1 || month > 12 || hour < 0 || hour > 23 || minute < 0 ||
        minute > 59)
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day >= 1 && day <= kDays[month - 1] + (month == 2 && leap ? 1 : 0);
}

CDate DateOf(CText text)
{
    const int year = Part(text, 0, 4), month = Part(text, 5, 2), day = Part(text, 8, 2);
    const int hour = Part(text, 11, 2), minute = Part(text, 14, 2);
    if (!IsValidDate(year, month, day, hour, minute))
        return CDate{-1, -1, -1, -1, -1};
    return CDate{static_cast<std::int16_t>(year), static_cast<std::int16_t>(month),
                 static_cast<std::int16_t>(day), static_cast<std::int16_t>(hour),
                 static_cast<std::int16_t>(minute)};
}

// File index -> position: a plain array when the indices are dense, as the program writes them.
class CIndexTable
{
public:
    template <class Record> void Build(const std::vector<Record>& records, bool lastWins)
    {
        int highest = -1;
        for (const Record& record : records)
            highest = std::max(highest, record.FileIndex);
        m_dense = highest < static_cast<int>(4 * records.size() + 1024);
        m_array.assign(m_dense ? static_cast<std::size_t>(highest + 1) : 0, kNone);
        m_map.clear();
        for (std::size_t i = 0; i < records.size(); ++i)
            Add(records[i].FileIndex, static_cast<int>(i), lastWins);
    }
    int Find(int fileIndex) const
    {
        if (m_dense)
            return fileIndex >= 0 && fileIndex < static_cast<int>(m_array.size()) ? m_array[fileIndex]
                                                                                  : kNone;
        const auto it = m_map.find(fileIndex);
        return it != m_map.end() ? it->second : kNone;
    }

private:
    void Add(int fileIndex, int position, bool lastWins)
    {
        if (m_dense && fileIndex < 0)
            return;
        int& slot = m_dense ? m_array[fileIndex] : m_map.try_emplace(fileIndex, kNone).first->second;
        if (slot == kNone || lastWins)
            slot = position;
    }

    bool m_dense = true;
    std::vector<int> m_array;
    std::unordered_map<int, int> m_map;
};

class CReader
{
public:
    explicit CReader(CCatalogue& catalogue) : m_c(catalogue) {}

    void ReadRoot(const pugi::xml_node& root)
    {
        for (pugi::xml_node section = root.first_child(); section; section = section.next_sibling()) {
            const char* name = section.name();
            if (std::strcmp(name, "Sales") == 0)
                ReadSales(section);
            else if (std::strcmp(name, "Ingredients") == 0)
                ReadIngredients(section);
            else if (std::strcmp(name, "Recipes") == 0)
                ReadRecipes(section);
            else if (std::strcmp(name, "MainNames") == 0)
                ReadMainNames(section);
            else if (std::strcmp(name, "MainUserdata") == 0)
                ReadUserdata(section);
        }
        ResolveLines();
    }

private:
    void ReadUserdata(const pugi::xml_node& node)
    {
        static const char* const kFields[] = {"Company",       "Firstname",      "Lastname", "Street",
                                              "PLZ",           "City",           "Country",  "CurrencyUnit",
                                              "CurrencyUnit2", "CurrencyFactor2"};
        std::size_t next = 0;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            const int field = FieldOf(child.name(), kFields, next);
            if (field == CCatalogue::kNbUserTexts)
                m_c.CurrencyFactor2 = Double(child);
            else if (field >= 0)
                m_c.UserTexts[field] = Value(child);
        }
    }

    void ReadMainNames(const pugi::xml_node& node)
    {
        static const char* const kFields[] = {"NameGroup", "Taxes", "Quotes"};
        std::size_t next = 0;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            const int field = FieldOf(child.name(), kFields, next);
            next %= 3;
            const int group = IndexAttribute(child);
            if (field < 0 || group < 0 || group >= CCatalogue::kNbGroups)
                continue;
            if (field == 1)
                m_c.Taxes[group] = Double(child);
            else if (field == 2)
                m_c.Quotes[group] = Double(child);
            else if (const CText text = Value(child); !text.empty())
                m_c.GroupNames[group] = text;
        }
    }

    void ReadIngredients(const pugi::xml_node& node)
    {
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (std::strcmp(child.name(), "Ingredient") == 0)
                ReadIngredient(child);
        }
    }

    void ReadIngredient(const pugi::xml_node& node)
    {
        static const char* const kFields[] = {"Name",        "Group",       "Unit",
                                              "StockActive", "StockAmount", "IngredientSuppliers"};
        CIngredient ingredient{m_ids[0]++,
                               IndexAttribute(node),
                               1,
                               kNone,
                               {},
                               {},
                               {},
                               0.0,
                               static_cast<std::uint32_t>(m_c.Suppliers.size()),
                               0};
        int useIndex = -1;
        std::size_t next = 0;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            switch (FieldOf(child.name(), kFields, next)) {
            case 0:
                ingredient.Name = Value(child);
                break;
            case 1:
                ingredient.Group = Value(child);
                break;
            case 2:
                ingredient.Unit = Value(child);
                break;
            case 3:
                ingredient.StockActive = Int(child);
                break;
            case 4:
                ingredient.StockAmount = Double(child);
                break;
            case 5:
                ReadSuppliers(child, useIndex);
                break;
            default:
                break;
            }
        }
        ingredient.NbSuppliers = static_cast<std::uint32_t>(m_c.Suppliers.size()) - ingredient.FirstSupplier;
        for (std::uint32_t i = 0; useIndex != -1 && i < ingredient.NbSuppliers; ++i) {
            if (m_c.Suppliers[ingredient.FirstSupplier + i].FileIndex == useIndex) {
                ingredient.SupplierInUse = static_cast<int>(ingredient.FirstSupplier + i);
                break;
            }
        }
        if (ingredient.Name.empty())
            m_c.Suppliers.resize(ingredient.FirstSupplier);
        else
            m_c.Ingredients.push_back(ingredient);
    }

    void ReadSuppliers(const pugi::xml_node& node, int& useIndex)
    {
        static const char* const kFields[] = {"Name", "Price", "Amount"};
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (std::strcmp(child.name(), "IngredientSupplierUseIndex") == 0) {
                useIndex = Int(child);
                continue;
            }
            if (std::strcmp(child.name(), "IngredientSupplier") != 0)
                continue;
            CSupplier supplier{m_ids[1]++, IndexAttribute(child), "undefined", 0.0, 0.0};
            std::size_t next = 0;
            for (pugi::xml_node field = child.first_child(); field; field = field.next_sibling()) {
                switch (FieldOf(field.name(), kFields, next)) {
                case 0:
                    supplier.Name = Value(field);
                    break;
                case 1:
                    supplier.Price = Double(field);
                    break;
                case 2:
                    supplier.Amount = Double(field);
                    break;
                default:
                    break;
                }
            }
            m_c.Suppliers.push_back(supplier);
        }
    }

    void ReadRecipes(const pugi::xml_node& node)
    {
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (std::strcmp(child.name(), "Recipe") == 0)
                ReadRecipe(child);
        }
    }

    void ReadRecipe(const pugi::xml_node& node)
    {
        static const char* const kFields[] = {"Name",       "NbPortion",      "UseAsIngredient",
                                              "UseForSale", "Comment",        "PictureFilename",
                                              "PriceSell",  "NameGroupIndex", "RecipeIngredients"};
        CRecipe recipe{m_ids[2]++,
                       IndexAttribute(node),
                       0,
                       1,
                       -1,
                       {},
                       {},
                       {},
                       1.0,
                       0.0,
                       static_cast<std::uint32_t>(m_c.Lines.size()),
                       0};
        std::size_t next = 0;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            switch (FieldOf(child.name(), kFields, next)) {
            case 0:
                recipe.Name = Value(child);
                break;
            case 1:
                recipe.NbPortion = Double(child);
                break;
            case 2:
                recipe.UseAsIngredient = Int(child);
                break;
            case 3:
                recipe.UseForSale = Int(child);
                break;
            case 4:
                recipe.Comment = Value(child);
                break;
            case 5:
                recipe.PictureFilename = Value(child);
                break;
            case 6:
                recipe.PriceSell = Double(child);
                break;
            case 7:
                recipe.NameGroupIndex = Int(child);
                break;
            case 8:
                ReadLines(child);
                break;
            default:
                break;
            }
        }
        recipe.NbLines = static_cast<std::uint32_t>(m_c.Lines.size()) - recipe.FirstLine;
        if (recipe.Name.empty())
            m_c.Lines.resize(recipe.FirstLine);
        else
            m_c.Recipes.push_back(recipe);
    }

    void ReadLines(const pugi::xml_node& node)
    {
        static const char* const kFields[] = {"Amount", "WeightLoss", "IngredientIndex", "RecipeIndex",
                                              "SortNum"};
        int counter = 1;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (std::strcmp(child.name(), "RecipeIngredient") != 0)
                continue;
            CLine line{0, 0.0, 0.0, -1, -1, -1};
            std::size_t next = 0;
            for (pugi::xml_node field = child.first_child(); field; field = field.next_sibling()) {
                switch (FieldOf(field.name(), kFields, next)) {
                case 0:
                    line.Amount = Double(field);
                    break;
                case 1:
                    line.WeightLoss = Double(field);
                    break;
                case 2:
                    line.Ingredient = Int(field);
                    break;
                case 3:
                    line.SubRecipe = Int(field);
                    break;
                case 4:
                    line.SortNum = Int(field);
                    break;
                default:
                    break;
                }
            }
            if ((line.Ingredient == -1 && line.SubRecipe == -1) || line.Amount == 0.0)
                continue;
            if (line.SortNum == -1)
                line.SortNum = counter++;
            line.Id = m_ids[3]++;
            m_c.Lines.push_back(line);
        }
    }

    void ReadSales(const pugi::xml_node& node)
    {
        m_recipes.Build(m_c.Recipes, true);
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            if (std::strcmp(child.name(), "Sale") == 0)
                ReadSale(child);
        }
    }

    void ReadSale(const pugi::xml_node& node)
    {
        static const char* const kFields[] = {"Name",
                                              "NameGroupIndex",
                                              "NbPortion",
                                              "PriceBuyPerPortion",
                                              "PriceSellPerPortionNoTax",
                                              "PriceSellPerPortionTax",
                                              "RecipeIndex",
                                              "DateTime"};
        CSale sale{m_ids[4]++, IndexAttribute(node), -1, kNone, "undefined", 1.0, 0.0, 0.0,
                   0.0,        {1899, 12, 30, 0, 0}};
        std::size_t next = 0;
        for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
            switch (FieldOf(child.name(), kFields, next)) {
            case 0:
                sale.Name = Value(child);
                break;
            case 1:
                sale.NameGroupIndex = Int(child);
                break;
            case 2:
                sale.NbPortion = Double(child);
                break;
            case 3:
                sale.PriceBuyPerPortion = Double(child);
                break;
            case 4:
                sale.PriceSellPerPortionNoTax = Double(child);
                break;
            case 5:
                sale.PriceSellPerPortionTax = Double(child);
                break;
            case 6:
                sale.Recipe = Int(child);
                break;
            case 7:
                sale.DateTime = DateOf(Value(child));
                break;
            default:
                break;
            }
        }
        sale.Recipe = sale.Recipe == -1 ? kNone : m_recipes.Find(sale.Recipe);
        if (!sale.Name.empty())
            m_c.Sales.push_back(sale);
    }

    // A line names an ingredient, or else a recipe: the first one with that file index.
    void ResolveLines()
    {
        CIndexTable ingredients, recipes;
        ingredients.Build(m_c.Ingredients, false);
        recipes.Build(m_c.Recipes, false);
        for (CLine& line : m_c.Lines) {
            const int ingredient = line.Ingredient, recipe = line.SubRecipe;
            line.Ingredient = ingredient != -1 ? ingredients.Find(ingredient) : kNone;
            line.SubRecipe = ingredient == -1 && recipe != -1 ? recipes.Find(recipe) : kNone;
        }
    }

    CCatalogue& m_c;
    // Next id of ingredients, suppliers, recipes, lines and sales.
    int m_ids[5] = {};
    CIndexTable m_recipes;
};

} // namespace

bool Load(std::unique_ptr<char[]> text, std::size_t length, CCatalogue& catalogue)
{
    catalogue.Text = std::move(text);
    if (!catalogue.Document.load_buffer_inplace(catalogue.Text.get(), length, kParseFlags,
                                                pugi::encoding_utf8))
        return false;
    const pugi::xml_node root = catalogue.Document.child("Kostenkoch");
    if (root)
        CReader(catalogue).ReadRoot(root);
    return true;
}

} // namespace StrongPugi
