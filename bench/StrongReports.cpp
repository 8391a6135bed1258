#include "StrongReports.h"

#include "platform/Windows1252.h"

#include <algorithm>
#include <charconv>

namespace StrongReports {
namespace {

using namespace StrongPugi;

class CJson
{
public:
    void Key(const char* key)
    {
        Comma();
        Indent();
        m_out += '"';
        m_out += key;
        m_out += "\": ";
        m_first = false;
    }
    void Number(int value)
    {
        char buffer[16];
        m_out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }
    void Number(double value)
    {
        char buffer[32];
        m_out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
    }
    void Text(CText windows1252)
    {
        m_out += '"';
        for (const char c : Windows1252ToUtf8(windows1252)) {
            if (c == '"' || c == '\\')
                m_out += '\\';
            if (static_cast<unsigned char>(c) >= 0x20)
                m_out += c;
        }
        m_out += '"';
    }
    void Raw(const char* text) { m_out += text; }
    void Null() { Raw("null"); }
    void Open(char bracket)
    {
        m_out += bracket;
        m_out += '\n';
        m_depth += 4;
        m_first = true;
    }
    void Close(char bracket)
    {
        m_depth -= 4;
        m_out += '\n';
        Indent();
        m_out += bracket;
        m_first = false;
    }
    void Element()
    {
        Comma();
        Indent();
        m_first = false;
    }
    std::string Take() { return std::move(m_out += '\n'); }

private:
    void Comma()
    {
        if (!m_first)
            m_out += ",\n";
    }
    void Indent() { m_out.append(static_cast<std::size_t>(m_depth), ' '); }

    std::string m_out;
    int m_depth = 0;
    bool m_first = true;
};

double Tax(const CCatalogue& c, int group)
{
    return group >= 0 && group < CCatalogue::kNbGroups ? c.Taxes[group] : 0.0;
}

double Quote(const CCatalogue& c, int group)
{
    return group >= 0 && group < CCatalogue::kNbGroups ? c.Quotes[group] : 0.0;
}

double AmountGross(const CLine& line)
{
    return line.Amount * 100.0 / (100.0 - std::clamp(line.WeightLoss, 0.0, 99.0));
}

double PriceBuy(const CCatalogue& c, const CRecipe& recipe);

double PricePerUnit(const CCatalogue& c, const CLine& line)
{
    if (line.SubRecipe != kNone) {
        const CRecipe& sub = c.Recipes[static_cast<std::size_t>(line.SubRecipe)];
        return sub.NbPortion != 0.0 ? PriceBuy(c, sub) / sub.NbPortion : 0.0;
    }
    if (line.Ingredient == kNone)
        return 0.0;
    const int use = c.Ingredients[static_cast<std::size_t>(line.Ingredient)].SupplierInUse;
    if (use == kNone)
        return 0.0;
    const CSupplier& supplier = c.Suppliers[static_cast<std::size_t>(use)];
    return supplier.Price / (supplier.Amount >= 1e-13 ? supplier.Amount : 1.0);
}

double PriceBuy(const CCatalogue& c, const CRecipe& recipe)
{
    double sum = 0.0;
    for (std::uint32_t i = 0; i < recipe.NbLines; ++i) {
        const CLine& line = c.Lines[recipe.FirstLine + i];
        sum += AmountGross(line) * PricePerUnit(c, line);
    }
    return sum;
}

template <class Record> void NameOrNull(CJson& json, const std::vector<Record>& records, int position)
{
    if (position == kNone)
        json.Null();
    else
        json.Text(records[static_cast<std::size_t>(position)].Name);
}

void Line(CJson& json, const CCatalogue& c, const CLine& line)
{
    const CText unit = line.SubRecipe != kNone ? CText("Portionen")
                       : line.Ingredient != kNone
                           ? c.Ingredients[static_cast<std::size_t>(line.Ingredient)].Unit
                           : CText("undefined");
    const double perUnit = PricePerUnit(c, line);
    json.Element();
    json.Open('{');
    json.Key("amount"), json.Number(line.Amount);
    json.Key("amountGross"), json.Number(AmountGross(line));
    json.Key("ingredient"), NameOrNull(json, c.Ingredients, line.Ingredient);
    json.Key("name");
    if (line.SubRecipe != kNone || line.Ingredient != kNone)
        line.SubRecipe != kNone ? NameOrNull(json, c.Recipes, line.SubRecipe)
                                : NameOrNull(json, c.Ingredients, line.Ingredient);
    else
        json.Text("undefined");
    json.Key("price"), json.Number(perUnit * AmountGross(line));
    json.Key("pricePerUnit"), json.Number(perUnit);
    json.Key("sortNum"), json.Number(line.SortNum);
    json.Key("subRecipe"), NameOrNull(json, c.Recipes, line.SubRecipe);
    json.Key("unit"), json.Text(unit);
    json.Key("weightLoss"), json.Number(line.WeightLoss);
    json.Close('}');
}

void Recipe(CJson& json, const CCatalogue& c, const CRecipe& recipe)
{
    const double tax = Tax(c, recipe.NameGroupIndex), quote = Quote(c, recipe.NameGroupIndex);
    const double buy = PriceBuy(c, recipe);
    const double perPortion = recipe.NbPortion != 0.0 ? buy / recipe.NbPortion : 0.0;
    const double net = recipe.PriceSell * 100.0 / (tax + 100.0);
    const double calculated = quote > 0.0 ? perPortion / quote * 100.0 : perPortion;
    json.Element();
    json.Open('{');
    json.Key("contributionMargin"), json.Number(net - perPortion);
    json.Key("costRatio"), json.Number(net >= 1e-5 ? perPortion * 100.0 / net : 0.0);
    json.Key("group"), json.Text(recipe.NameGroupIndex >= 0 && recipe.NameGroupIndex < CCatalogue::kNbGroups
                                     ? c.GroupNames[recipe.NameGroupIndex]
                                     : CText());
    json.Key("lines");
    json.Open('[');
    for (std::uint32_t i = 0; i < recipe.NbLines; ++i)
        Line(json, c, c.Lines[recipe.FirstLine + i]);
    json.Close(']');
    json.Key("name"), json.Text(recipe.Name);
    json.Key("nameGroupIndex"), json.Number(recipe.NameGroupIndex);
    json.Key("nbPortion"), json.Number(recipe.NbPortion);
    json.Key("pictureFilename"), json.Text(recipe.PictureFilename);
    json.Key("priceBuy"), json.Number(buy);
    json.Key("priceBuyPerPortion"), json.Number(perPortion);
    json.Key("priceSell"), json.Number(recipe.PriceSell);
    json.Key("priceSellCalculatedNoTax"), json.Number(calculated);
    json.Key("priceSellCalculatedTax"), json.Number(calculated * (tax + 100.0) * 0.01);
    json.Key("priceSellCurrency2"), json.Number(c.CurrencyFactor2 * recipe.PriceSell);
    json.Key("priceSellNoTax"), json.Number(net);
    json.Key("useAsIngredient"), json.Number(recipe.UseAsIngredient);
    json.Key("useForSale"), json.Number(recipe.UseForSale);
    json.Close('}');
}

} // namespace

std::string Recipes(const CCatalogue& c)
{
    CJson json;
    json.Open('{');
    json.Key("recipes");
    json.Open('[');
    for (const CRecipe& recipe : c.Recipes)
        Recipe(json, c, recipe);
    json.Close(']');
    json.Close('}');
    return json.Take();
}

std::string Check(const CCatalogue& c, bool unchanged)
{
    int unresolved = 0, withoutRecipe = 0;
    for (const CLine& line : c.Lines)
        unresolved += line.Ingredient == kNone && line.SubRecipe == kNone ? 1 : 0;
    for (const CSale& sale : c.Sales)
        withoutRecipe += sale.Recipe == kNone ? 1 : 0;
    CJson json;
    json.Open('{');
    json.Key("counts");
    json.Open('{');
    json.Key("ingredients"), json.Number(static_cast<int>(c.Ingredients.size()));
    json.Key("lines"), json.Number(static_cast<int>(c.Lines.size()));
    json.Key("recipes"), json.Number(static_cast<int>(c.Recipes.size()));
    json.Key("sales"), json.Number(static_cast<int>(c.Sales.size()));
    json.Key("suppliers"), json.Number(static_cast<int>(c.Suppliers.size()));
    json.Close('}');
    json.Key("readResult"), json.Number(0);
    json.Key("salesWithoutRecipe"), json.Number(withoutRecipe);
    json.Key("unchanged"), json.Raw(unchanged ? "true" : "false");
    json.Key("unresolvedLines"), json.Number(unresolved);
    json.Close('}');
    return json.Take();
}

} // namespace StrongReports
