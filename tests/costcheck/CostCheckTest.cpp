#include "costcheck/CostCheck.h"

#include "CatalogueBuilder.h"
#include "SalesBuilder.h"
#include "costcheck/CostFindingText.h"
#include "resources/StringTables.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {

const CDateTime kToday(2026, 12, 7);
const CDateTime kLastMonth(2026, 11, 20);

// One line of `ingredient`, as the recipe dialog adds it.
void Use(CRecipe& recipe, CIngredient& ingredient, double amount = 1.0, double weightLoss = 0.0)
{
    recipe.AddRecipeIngredient(nullptr, &ingredient, amount, weightLoss);
}

// A recipe that only serves as a sub-recipe: no selling price, never sold.
CRecipe& AddBase(CData& data, const std::string& name, int group = 0, double portions = 1.0)
{
    CRecipe& recipe = AddRecipe(data, name, portions, group);
    recipe.UseForSale = 0;
    return recipe;
}

// A dish in group 0 ("Suppen": 19 % VAT, target ratio 30 %), sold last month.
CRecipe& AddDish(CData& data, const std::string& name, double priceSell, CIngredient& ingredient)
{
    CRecipe& recipe = AddRecipe(data, name, 1.0, 0);
    recipe.PriceSell = priceSell;
    Use(recipe, ingredient);
    AddSale(data, {.Date = kLastMonth, .Recipe = &recipe});
    return recipe;
}

// A line as the data file reader adds it: a file index, resolved by RestoreIngredients.
void LinkByFile(CRecipe& recipe, int subRecipeIndex)
{
    recipe.AddRecipeIngredient(subRecipeIndex, -1, 1.0, 0.0, recipe.GetNbRecipeIngredients() + 1);
}

std::map<ECostFault, std::vector<std::string>> ByFault(const std::vector<CCostFinding>& findings)
{
    std::map<ECostFault, std::vector<std::string>> byFault;
    for (const CCostFinding& finding : findings)
        byFault[finding.Fault].push_back(finding.Name);
    return byFault;
}

class CostCheckTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CStringTables::SetLanguage(CStringTables::German);
        data.SetDefaults();
        // 2.00 a kilogram.
        butter = &AddIngredient(data, "Butter", 4.0, 2.0);
    }

    CData data;
    CIngredient* butter = nullptr;
};

TEST_F(CostCheckTest, CleanCatalogueHasNoFindings)
{
    CRecipe& base = AddBase(data, "Fond");
    Use(base, *butter, 0.5, 20.0);
    CRecipe& dish = AddDish(data, "Suppe", 5.90, *butter);
    dish.AddRecipeIngredient(&base, nullptr, 1.0, 0.0);
    // 2,00 + 1,25 per portion: calculated 3,25 / 0,30 × 1,19 = 12,89; priced above it.
    dish.PriceSell = 12.90;

    EXPECT_TRUE(CostCheck::Run(data, kToday).empty());
}

// One of each fault, each on a record of its own, and each found exactly once.
TEST_F(CostCheckTest, EveryFaultIsFoundExactlyOnce)
{
    data.NameGroup[17] = "";
    data.Taxes[17] = 19.0;
    data.Quotes[17] = 30.0;
    data.NameGroup[18] = "Ohne Steuer";
    data.Taxes[18] = 0.0;
    data.Quotes[18] = 30.0;
    data.NameGroup[19] = "Ohne Quote";
    data.Taxes[19] = 19.0;
    data.Quotes[19] = 0.0;

    CIngredient& salt = AddIngredient(data, "Salz", 1.0, 1.0);
    salt.SupplierInUse = nullptr;
    CIngredient& pepper = AddIngredient(data, "Pfeffer", 5.0, 0.0);
    CIngredient& water = AddIngredient(data, "Wasser", 0.0, 1.0);
    CIngredient& vinegar = AddIngredient(data, "Essig", 2.0, -1.0);
    CIngredient& oil = AddIngredient(data, "Oel", -3.0, 1.0);
    AddIngredient(data, "Zimt", 1.0, 1.0);
    CIngredient& sugar = AddIngredient(data, "Zucker", 1.0, 1.0);
    sugar.StockAmount = -2.0;
    CIngredient& twin = AddIngredient(data, " butter", 4.0, 2.0);

    CRecipe& all = AddBase(data, "Sammelrezept");
    for (CIngredient* ingredient : {butter, &salt, &pepper, &water, &vinegar, &oil, &sugar, &twin})
        Use(all, *ingredient);

    // Below target: 1,00 per portion against a net price of 2,00.
    CRecipe& cheap = AddDish(data, "Schnitzel", 2.38, *butter);
    cheap.NbPortion = 2.0;
    AddDish(data, "Salat", 0.0, *butter);
    AddDish(data, "Negativ", -1.0, *butter);
    CRecipe& stale = AddRecipe(data, "Eintopf", 1.0, 0);
    stale.PriceSell = 20.0;
    Use(stale, *butter);
    AddSale(data, {.Date = CDateTime(2026, 6, 6), .Recipe = &stale});

    Use(AddBase(data, "Null Portionen", 0, 0.0), *butter);
    Use(AddBase(data, "Minus Portionen", 0, -2.0), *butter);
    AddBase(data, "Leer");
    Use(AddBase(data, "Ohne Gruppe", -1), *butter);
    Use(AddBase(data, "Gruppe ohne Name", 17), *butter);
    Use(AddBase(data, "Gruppe ohne Steuer", 18), *butter);
    Use(AddBase(data, "Gruppe ohne Quote", 19), *butter);
    Use(AddBase(data, "Verlust", 0), *butter, 1.0, 100.0);
    Use(AddBase(data, "Minus Menge", 0), *butter, -1.0);
    Use(AddBase(data, "Bruehe"), *butter);
    Use(AddBase(data, "BRUEHE "), *butter);

    // Read as from a file: A and B use each other; C0 .. C100 form a chain of 101 recipes.
    CRecipe& a = AddBase(data, "Kreis A");
    CRecipe& b = AddBase(data, "Kreis B");
    a.FileIndex = 1000;
    b.FileIndex = 1001;
    LinkByFile(a, 1001);
    LinkByFile(b, 1000);
    std::vector<CRecipe*> chain;
    for (int index = 0; index <= 100; ++index) {
        chain.push_back(&AddBase(data, "Kette " + std::to_string(index)));
        chain.back()->FileIndex = 2000 + index;
        if (index > 0)
            LinkByFile(*chain[index - 1], 2000 + index);
    }
    Use(*chain.back(), *butter);
    LinkByFile(AddBase(data, "Verweis ins Leere"), 9999);
    data.RestoreIngredients();

    const std::map<ECostFault, std::vector<std::string>> expected = {
        {ECostFault::PriceBelowTarget, {"Schnitzel"}},
        {ECostFault::NoSellingPrice, {"Salat"}},
        {ECostFault::NoPortions, {"Null Portionen"}},
        {ECostFault::NoLines, {"Leer"}},
        {ECostFault::NoGroup, {"Ohne Gruppe"}},
        {ECostFault::GroupWithoutName, {"Gruppe ohne Name"}},
        {ECostFault::GroupWithoutTax, {"Gruppe ohne Steuer"}},
        {ECostFault::GroupWithoutQuote, {"Gruppe ohne Quote"}},
        {ECostFault::NoSupplierInUse, {"Salz"}},
        {ECostFault::SupplierAmountZero, {"Pfeffer"}},
        {ECostFault::SupplierPriceZero, {"Wasser"}},
        {ECostFault::WeightLoss, {"Verlust"}},
        {ECostFault::NegativeLineAmount, {"Minus Menge"}},
        {ECostFault::NegativeSupplierAmount, {"Essig"}},
        {ECostFault::NegativeSupplierPrice, {"Oel"}},
        {ECostFault::NegativeSellingPrice, {"Negativ"}},
        {ECostFault::NegativePortions, {"Minus Portionen"}},
        {ECostFault::UnusedIngredient, {"Zimt"}},
        {ECostFault::DroppedCycle, {"Kreis B"}},
        {ECostFault::DroppedTooDeep, {"Kette 0"}},
        {ECostFault::UnresolvedLine, {"Verweis ins Leere"}},
        {ECostFault::DuplicateName, {" butter", "BRUEHE "}},
        {ECostFault::NotSoldLately, {"Eintopf"}},
        {ECostFault::NegativeStock, {"Zucker"}},
    };
    const std::vector<CCostFinding> findings = CostCheck::Run(data, kToday);
    EXPECT_EQ(ByFault(findings), expected);

    // Errors first, then warnings, then hints.
    for (std::size_t index = 1; index < findings.size(); ++index)
        EXPECT_LE(findings[index - 1].Severity, findings[index].Severity) << index;
    for (const CCostFinding& finding : findings) {
        if (finding.Fault == ECostFault::PriceBelowTarget) {
            // Ratio 1,00 × 100 / 2,00 = 50 %, 20 points above 30 %; 1,00 / 0,30 × 1,19.
            EXPECT_NEAR(finding.Points, 20.0, 1e-9);
            EXPECT_NEAR(finding.TargetPrice, 3.9666666666666667, 1e-9);
            EXPECT_EQ(finding.Record, CCostFinding::Recipe);
            EXPECT_EQ(finding.RecordId, cheap.Id);
            EXPECT_EQ(CostFindingText::Problem(finding),
                      "Preis 2,38 unter kalk. 3,97: WE-Quote 50,00 % statt 30,00 % (+20,00 Punkte).");
            EXPECT_EQ(CostFindingText::Advice(finding),
                      "Verkaufspreis auf 3,97 anheben oder Wareneinsatz senken.");
        }
        if (finding.Fault == ECostFault::DroppedCycle) {
            EXPECT_EQ(CostFindingText::Problem(finding),
                      "Zeile 1: Unterrezeptur \x84Kreis A\x93 beim Lesen abgetrennt (Kreis); kostet 0.");
        }
        if (finding.Fault == ECostFault::NoSupplierInUse) {
            EXPECT_EQ(finding.Severity, ECostSeverity::Error) << "a used ingredient costs 0";
        }
    }
}

// A price short of the calculated 3,9667 by less than half a cent shows as the same price.
TEST_F(CostCheckTest, PriceBelowTargetFromHalfACent)
{
    const struct
    {
        double Price;
        bool Found;
    } cases[] = {{3.97, false}, {3.962, false}, {3.9616, true}, {3.96, true}, {0.01, true}};
    for (const auto& c : cases) {
        CData catalogue;
        catalogue.SetDefaults();
        CIngredient& ingredient = AddIngredient(catalogue, "Butter", 4.0, 2.0);
        CRecipe& dish = AddRecipe(catalogue, "Schnitzel", 2.0, 0);
        dish.PriceSell = c.Price;
        Use(dish, ingredient);
        const auto findings = CostCheck::Run(catalogue, kToday);
        EXPECT_EQ(findings.size(), c.Found ? 1u : 0u) << c.Price;
    }
}

TEST_F(CostCheckTest, SalesChecksLookAtTheLastSixMonths)
{
    CRecipe& dish = AddDish(data, "Suppe", 20.0, *butter);
    data.Sales.Remove(data.Sales.Head());
    EXPECT_TRUE(CostCheck::Run(data, kToday).empty()) << "without sales nothing is said of them";

    const struct
    {
        CDateTime Sold;
        bool Found;
    } cases[] = {
        {CDateTime(2026, 6, 7), false},        // the first day of the six months
        {CDateTime(2026, 6, 6, 23, 59), true}, // the day before
        {CDateTime::MakeInvalid(), true},
    };
    for (const auto& c : cases) {
        while (!data.Sales.IsEmpty())
            data.Sales.Remove(data.Sales.Head());
        AddSale(data, {.Date = c.Sold, .Recipe = &dish});
        const auto findings = CostCheck::Run(data, kToday);
        ASSERT_EQ(findings.size(), c.Found ? 1u : 0u);
        if (c.Found) {
            EXPECT_EQ(CostFindingText::Problem(findings[0]), "Seit dem 07.06.2026 nicht verkauft.");
        }
    }
}

TEST_F(CostCheckTest, MonthsBeforeKeepsTheDayWithinTheMonth)
{
    const struct
    {
        CDateTime Day;
        CDateTime Expected;
    } cases[] = {
        {CDateTime(2026, 8, 31, 14, 30), CDateTime(2026, 2, 28)},
        {CDateTime(2024, 8, 31), CDateTime(2024, 2, 29)},
        {CDateTime(2026, 3, 15), CDateTime(2025, 9, 15)},
        {CDateTime(2026, 6, 1), CDateTime(2025, 12, 1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CostCheck::MonthsBefore(c.Day, 6).GetValue(), c.Expected.GetValue())
            << c.Expected.GetValue();
}

TEST_F(CostCheckTest, NamesCountAsTheSameWithoutCaseAndOuterBlanks)
{
    const struct
    {
        const char* First;
        const char* Second;
        bool Same;
    } cases[] = {
        {"Apfel", "APFEL ", true},
        {"K\xE4se", "K\xC4SE", true}, // Käse, KÄSE
        {"Apfel", "\xC4pfel", false}, // Äpfel is another word
        {"Apfel", "Apfel 2", false},
    };
    for (const auto& c : cases) {
        CData catalogue;
        Use(AddBase(catalogue, "Alles"), AddIngredient(catalogue, c.First, 1.0, 1.0));
        Use(*catalogue.Recipes.Head(), AddIngredient(catalogue, c.Second, 1.0, 1.0));
        catalogue.Recipes.Head()->NameGroupIndex = 0;
        catalogue.SetDefaults();
        const auto findings = ByFault(CostCheck::Run(catalogue, kToday));
        EXPECT_EQ(findings.count(ECostFault::DuplicateName), c.Same ? 1u : 0u) << c.Second;
    }
}

// Every fault has both texts, with no placeholder left open, and a key of its own.
TEST_F(CostCheckTest, EveryFaultHasItsTexts)
{
    std::set<std::string> keys;
    for (int index = 0; index <= static_cast<int>(ECostFault::NegativeStock); ++index) {
        CCostFinding finding;
        finding.Fault = static_cast<ECostFault>(index);
        finding.Values = {"a", "b", "c", "d", "e"};
        const std::string problem = CostFindingText::Problem(finding);
        const std::string advice = CostFindingText::Advice(finding);
        EXPECT_FALSE(problem.empty()) << index;
        EXPECT_FALSE(advice.empty()) << index;
        for (const std::string& text : {problem, advice}) {
            for (char digit = '1'; digit <= '9'; ++digit)
                EXPECT_EQ(text.find(std::string("%") + digit), std::string::npos) << index << ": " << text;
        }
        EXPECT_TRUE(keys.insert(CostFindingText::Key(finding.Fault)).second) << index;
    }
    EXPECT_EQ(CostFindingText::Severity(ECostSeverity::Hint), "Hinweis");
    EXPECT_EQ(CostFindingText::Record(CCostFinding::Ingredient), "Zutat");
}

} // namespace
