#include "CostCheck.h"

#include "catalogue/CostMemo.h"
#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace {

// Supplier amounts below this count as one unit in line costs (the cost calculation's limit).
constexpr double kTinyAmount = 1e-13;
// A weight loss from here on is taken as 99 % by the cost calculation.
constexpr double kFullWeightLoss = 100.0;

std::string Money(double value)
{
    return NumberText::Format(value, 2);
}

// Names compared as a user reads them: blanks around them ignored, capitals and small letters
// alike (Windows-1252 letters with accents and umlauts included).
std::string NameKey(const std::string& name)
{
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = name.find_last_not_of(" \t");
    std::string key = name.substr(first, last - first + 1);
    std::transform(key.begin(), key.end(), key.begin(), LowerWindows1252);
    return key;
}

class CChecker
{
public:
    CChecker(const CData& data, const CDateTime& today) : m_data(data), m_today(today) {}

    std::vector<CCostFinding> Run()
    {
        CollectUse();
        for (const CIngredient& ingredient : m_data.Ingredients)
            CheckIngredient(ingredient);
        for (const CRecipe& recipe : m_data.Recipes)
            CheckRecipe(recipe);
        if (!m_data.Sales.IsEmpty())
            CheckSales();
        std::stable_sort(
            m_findings.begin(), m_findings.end(),
            [](const CCostFinding& a, const CCostFinding& b) { return a.Severity < b.Severity; });
        return std::move(m_findings);
    }

private:
    // The ingredients that lines use, and the recipes by file index (for links the reader
    // dropped), in one pass.
    void CollectUse()
    {
        for (const CRecipe& recipe : m_data.Recipes) {
            if (recipe.FileIndex != -1)
                m_byFileIndex.emplace(recipe.FileIndex, &recipe);
            for (const CRecipeIngredient& line : recipe.RecipeIngredients) {
                if (line.Ingredient)
                    m_used.insert(line.Ingredient);
            }
        }
    }

    CCostFinding& Add(ECostFault fault, ECostSeverity severity, const CIngredient& ingredient,
                      std::vector<std::string> values = {})
    {
        return Add(fault, severity, CCostFinding::Ingredient, ingredient.Id, ingredient.Name,
                   std::move(values));
    }

    CCostFinding& Add(ECostFault fault, ECostSeverity severity, const CRecipe& recipe,
                      std::vector<std::string> values = {})
    {
        return Add(fault, severity, CCostFinding::Recipe, recipe.Id, recipe.Name, std::move(values));
    }

    CCostFinding& Add(ECostFault fault, ECostSeverity severity, CCostFinding::ERecord record, int id,
                      const std::string& name, std::vector<std::string> values)
    {
        CCostFinding& finding = m_findings.emplace_back();
        finding.Fault = fault;
        finding.Severity = severity;
        finding.Record = record;
        finding.RecordId = id;
        finding.Name = name;
        finding.Values = std::move(values);
        return finding;
    }

    void CheckIngredient(const CIngredient& ingredient)
    {
        const bool used = m_used.count(&ingredient) != 0;
        if (const CIngredientSupplier* supplier = ingredient.SupplierInUse)
            CheckSupplier(ingredient, *supplier);
        else
            Add(ECostFault::NoSupplierInUse, used ? ECostSeverity::Error : ECostSeverity::Warning,
                ingredient);
        if (!used)
            Add(ECostFault::UnusedIngredient, ECostSeverity::Hint, ingredient);
        if (ingredient.StockActive && ingredient.StockAmount < 0.0)
            Add(ECostFault::NegativeStock, ECostSeverity::Warning, ingredient,
                {NumberText::Format(ingredient.StockAmount, 2), ingredient.Unit});
        CheckName(ingredient.Name, m_ingredientNames, [&] {
            Add(ECostFault::DuplicateName, ECostSeverity::Warning, ingredient, {ingredient.Name});
        });
    }

    // The supplier in use prices every line of the ingredient: what the costing makes of a
    // missing or negative amount or price.
    void CheckSupplier(const CIngredient& ingredient, const CIngredientSupplier& supplier)
    {
        if (supplier.Amount < 0.0)
            Add(ECostFault::NegativeSupplierAmount, ECostSeverity::Error, ingredient,
                {supplier.Name, NumberText::Format(supplier.Amount, 2), Money(ingredient.GetPricePerUnit())});
        else if (supplier.Amount < kTinyAmount)
            Add(ECostFault::SupplierAmountZero, ECostSeverity::Error, ingredient,
                {supplier.Name, Money(ingredient.GetPricePerUnit())});
        if (supplier.Price < 0.0)
            Add(ECostFault::NegativeSupplierPrice, ECostSeverity::Error, ingredient,
                {supplier.Name, Money(supplier.Price)});
        else if (supplier.Price == 0.0)
            Add(ECostFault::SupplierPriceZero, ECostSeverity::Warning, ingredient, {supplier.Name});
    }

    template <typename Report>
    void CheckName(const std::string& name, std::unordered_set<std::string>& seen, Report report)
    {
        std::string key = NameKey(name);
        if (!key.empty() && !seen.insert(std::move(key)).second)
            report();
    }

    void CheckRecipe(const CRecipe& recipe)
    {
        CheckPortions(recipe);
        if (recipe.RecipeIngredients.IsEmpty())
            Add(ECostFault::NoLines, ECostSeverity::Warning, recipe);
        const bool groupUsable = CheckGroup(recipe);
        if (recipe.UseForSale)
            CheckSellingPrice(recipe, groupUsable);
        else if (recipe.PriceSell < 0.0)
            Add(ECostFault::NegativeSellingPrice, ECostSeverity::Error, recipe, {Money(recipe.PriceSell)});
        for (const CRecipeIngredient* line : recipe.GetLinesInOrder())
            CheckLine(recipe, *line);
        CheckName(recipe.Name, m_recipeNames,
                  [&] { Add(ECostFault::DuplicateName, ECostSeverity::Warning, recipe, {recipe.Name}); });
    }

    void CheckPortions(const CRecipe& recipe)
    {
        if (recipe.NbPortion == 0.0)
            Add(ECostFault::NoPortions, ECostSeverity::Error, recipe);
        else if (recipe.NbPortion < 0.0)
            Add(ECostFault::NegativePortions, ECostSeverity::Error, recipe,
                {NumberText::Format(recipe.NbPortion, 2)});
    }

    // True when the group's target ratio prices the recipe: it has a group with a ratio above 0.
    bool CheckGroup(const CRecipe& recipe)
    {
        const int group = recipe.NameGroupIndex;
        if (!CData::IsValidGroup(group)) {
            Add(ECostFault::NoGroup, ECostSeverity::Warning, recipe);
            return false;
        }
        const std::string number = std::to_string(group + 1);
        const std::string name = m_data.GetGroupName(group);
        if (name.empty())
            Add(ECostFault::GroupWithoutName, ECostSeverity::Warning, recipe, {number});
        // A name in German quotation marks (Windows-1252), as the texts quote names.
        const std::string shown = name.empty() ? number : "\x84" + name + "\x93";
        if (m_data.GetTax(group) <= 0.0)
            Add(ECostFault::GroupWithoutTax, ECostSeverity::Warning, recipe, {shown});
        if (m_data.GetQuote(group) <= 0.0) {
            Add(ECostFault::GroupWithoutQuote, ECostSeverity::Warning, recipe, {shown});
            return false;
        }
        return true;
    }

    // A dish: its selling price against the price its group's target ratio asks for. Figures
    // of a recipe without portions or lines, or without a usable group, mean nothing and are
    // reported as those faults only.
    void CheckSellingPrice(const CRecipe& recipe, bool groupUsable)
    {
        const double price = recipe.GetPriceSell();
        if (price < 0.0) {
            Add(ECostFault::NegativeSellingPrice, ECostSeverity::Error, recipe, {Money(price)});
            return;
        }
        const double calculated = recipe.GetPriceSellCalculatedTax(&m_memo);
        if (price == 0.0) {
            Add(ECostFault::NoSellingPrice, ECostSeverity::Warning, recipe, {Money(calculated)}).TargetPrice =
                calculated;
            return;
        }
        if (!groupUsable || recipe.NbPortion <= 0.0 || recipe.RecipeIngredients.IsEmpty() ||
            price >= calculated - CostCheck::kPriceTolerance)
            return;
        const double ratio = recipe.GetCostRatio(&m_memo);
        const double target = m_data.GetQuote(recipe.NameGroupIndex);
        CCostFinding& finding = Add(ECostFault::PriceBelowTarget, ECostSeverity::Error, recipe,
                                    {Money(price), Money(calculated), NumberText::Format(ratio, 2),
                                     NumberText::Format(ratio - target, 2), NumberText::Format(target, 2)});
        finding.Points = ratio - target;
        finding.TargetPrice = calculated;
    }

    void CheckLine(const CRecipe& recipe, const CRecipeIngredient& line)
    {
        const std::string number = std::to_string(line.SortNum);
        if (line.WeightLoss >= kFullWeightLoss)
            Add(ECostFault::WeightLoss, ECostSeverity::Error, recipe,
                {number, line.GetName(), NumberText::Format(line.WeightLoss, 2)});
        if (line.Amount < 0.0)
            Add(ECostFault::NegativeLineAmount, ECostSeverity::Error, recipe,
                {number, line.GetName(), NumberText::Format(line.Amount, 2)});
        if (!line.Ingredient && !line.SubRecipe)
            CheckUnlinkedLine(recipe, line, number);
    }

    // A line without ingredient and sub-recipe costs nothing. When its sub-recipe is in the
    // catalogue, the reader dropped the link: it closed a cycle, or made the chain too deep.
    void CheckUnlinkedLine(const CRecipe& recipe, const CRecipeIngredient& line, const std::string& number)
    {
        const auto target = line.IngredientIndex == -1 && line.RecipeIndex != -1
                                ? m_byFileIndex.find(line.RecipeIndex)
                                : m_byFileIndex.end();
        if (target == m_byFileIndex.end()) {
            Add(ECostFault::UnresolvedLine, ECostSeverity::Error, recipe, {number});
            return;
        }
        const CRecipe& sub = *target->second;
        const bool cycle = &sub == &recipe || sub.ContainsRecipe(&recipe);
        Add(cycle ? ECostFault::DroppedCycle : ECostFault::DroppedTooDeep, ECostSeverity::Error, recipe,
            {number, sub.Name});
    }

    // Dishes without a sale in the last months, with the day the window starts.
    void CheckSales()
    {
        const CDateTime since = CostCheck::MonthsBefore(m_today, CostCheck::kMonthsSold);
        std::unordered_set<const CRecipe*> sold;
        for (const CSale& sale : m_data.Sales) {
            if (sale.Recipe && sale.DateTime.IsValid() && sale.DateTime.GetValue() >= since.GetValue())
                sold.insert(sale.Recipe);
        }
        for (const CRecipe& recipe : m_data.Recipes) {
            if (recipe.UseForSale && !sold.count(&recipe))
                Add(ECostFault::NotSoldLately, ECostSeverity::Hint, recipe, {since.GetDayText()});
        }
    }

    const CData& m_data;
    const CDateTime m_today;
    CCostMemo m_memo;
    std::unordered_set<const CIngredient*> m_used;
    std::unordered_map<int, const CRecipe*> m_byFileIndex;
    std::unordered_set<std::string> m_ingredientNames;
    std::unordered_set<std::string> m_recipeNames;
    std::vector<CCostFinding> m_findings;
};

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

} // namespace

namespace CostCheck {

std::vector<CCostFinding> Run(const CData& data, const CDateTime& today)
{
    return CChecker(data, today).Run();
}

CDateTime MonthsBefore(const CDateTime& day, int months)
{
    if (!day.IsValid())
        return day;
    const int count = day.GetYear() * 12 + (day.GetMonth() - 1) - months;
    const int year = count / 12;
    const int month = count % 12 + 1;
    return CDateTime(year, month, std::min(day.GetDay(), DaysInMonth(year, month)));
}

} // namespace CostCheck
