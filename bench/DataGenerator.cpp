#include "DataGenerator.h"

#include "catalogue/Data.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

// Windows-1252 texts, as the catalogue holds them.
const char* const kIngredientBases[] = {
    "Kartoffeln",
    "Zwiebeln",
    "Karotten",
    "Lauch",
    "Sellerie",
    "Knoblauch",
    "Tomaten",
    "Paprika",
    "Zucchini",
    "Aubergine",
    "Blumenkohl",
    "Brokkoli",
    "Spinat",
    "Feldsalat",
    "Rucola",
    "Champignons",
    "Steinpilze",
    "Pfifferlinge",
    "Rinderh\xFC"
    "fte",
    "Rinderfilet",
    "Schweinenacken",
    "Schweinebauch",
    "Kalbsschnitzel",
    "H\xE4hnchenbrust",
    "Entenbrust",
    "Lammkeule",
    "Rehr\xFC"
    "cken",
    "Lachsfilet",
    "Zanderfilet",
    "Forelle",
    "Garnelen",
    "Miesmuscheln",
    "Butter",
    "Sahne",
    "Milch",
    "Cr\xE8me fra\xEE"
    "che",
    "Quark",
    "Emmentaler",
    "Parmesan",
    "Mozzarella",
    "Eier",
    "Weizenmehl",
    "Zucker",
    "Puderzucker",
    "Salz",
    "Pfeffer",
    "Muskatnuss",
    "Paprikapulver",
    "Zimt",
    "Vanilleschote",
    "Lorbeer",
    "Thymian",
    "Rosmarin",
    "Petersilie",
    "Schnittlauch",
    "Basilikum",
    "Oliven\xF6l",
    "Raps\xF6l",
    "Balsamico",
    "Wei\xDF"
    "weinessig",
    "Senf",
    "Tomatenmark",
    "Reis",
    "Spaghetti",
    "Sp\xE4tzle",
    "Semmelbr\xF6sel",
    "\xC4pfel",
    "Birnen",
    "Zitronen",
    "Orangen",
    "Erdbeeren",
    "Himbeeren",
    "Heidelbeeren",
    "Kirschen",
    "Schokolade",
    "Kakao",
    "Honig",
    "Mandeln",
    "Haseln\xFCsse",
    "Waln\xFCsse",
    "Rotwein",
    "Wei\xDF"
    "wein",
    "Pils vom Fass",
    "Weizenbier",
    "Mineralwasser",
    "Apfelsaft",
    "Orangensaft",
    "Cola",
    "Zitronenlimonade",
    "Kaffeebohnen",
    "Schwarzer Tee",
    "Pfefferminztee",
    "Gin",
    "Rum",
    "Wodka",
    "Obstbrand",
    "Tonic Water",
};
const char* const kQualifiers[] = {"",          "Bio-",     "frisch ",  "TK-",
                                   "regional ", "Premium-", "gro\xDF ", "klein "};
const char* const kGroups[] = {"Gem\xFCse",  "Obst",        "Fleisch",     "Fisch",     "Molkerei",
                               "Gew\xFCrze", "Trockenware", "Getr\xE4nke", "Backwaren", ""};
const char* const kUnits[] = {"kg",
                              "l",
                              "St\xFC"
                              "ck",
                              "Flasche",
                              "Bund",
                              "g"};
const char* const kSuppliers[] = {"Gro\xDF"
                                  "markt S\xFC"
                                  "d",
                                  "Hofladen Berger",
                                  "Fischhandel Krause",
                                  "Getr\xE4nke Wagner",
                                  "B\xE4"
                                  "ckerei Lindner",
                                  "Metzgerei Hubertus",
                                  "Gem\xFCsehof Sommer",
                                  "Weinkontor Mosel"};
const char* const kBaseRecipes[] = {"Rinderfond",
                                    "Gefl\xFC"
                                    "gelfond",
                                    "Bratensauce",
                                    "Hollandaise",
                                    "M\xFCrbeteig",
                                    "Hefeteig",
                                    "Vinaigrette",
                                    "Kartoffelp\xFCree",
                                    "Semmelkn\xF6"
                                    "del",
                                    "Rotkohl",
                                    "Vanillesauce",
                                    "Zuckersirup"};
const char* const kDishes[] = {"Schweinebraten",
                               "Rinderroulade",
                               "Wiener Schnitzel",
                               "Sauerbraten",
                               "Zwiebelrostbraten",
                               "Lachs vom Grill",
                               "Zander auf Linsen",
                               "K\xE4"
                               "sesp\xE4tzle",
                               "Gem\xFCsecurry",
                               "Flammkuchen",
                               "Kartoffelsuppe",
                               "Gulaschsuppe",
                               "Caesar Salad",
                               "Apfelstrudel",
                               "Kaiserschmarrn",
                               "Rote Gr\xFC"
                               "tze",
                               "Mojito",
                               "Gin Tonic",
                               "Hugo",
                               "Apfelschorle"};
const char* const kSides[] = {"",
                              " mit Kn\xF6"
                              "deln",
                              " mit Sp\xE4tzle",
                              " mit Bratkartoffeln",
                              " mit Salat",
                              " nach Art des Hauses",
                              " (gro\xDF)",
                              " (klein)",
                              " mit Pommes"};

template <size_t N> const char* Pick(const char* const (&list)[N], std::mt19937& random)
{
    return list[std::uniform_int_distribution<size_t>(0, N - 1)(random)];
}

double Price(std::mt19937& random, double low, double high)
{
    const double value = std::uniform_real_distribution<double>(low, high)(random);
    return static_cast<double>(static_cast<long>(value * 100.0)) / 100.0;
}

void AddIngredients(CData& data, int count, std::mt19937& random)
{
    for (int i = 0; i < count; ++i) {
        CIngredient scratch(&data);
        scratch.Name = std::string(Pick(kQualifiers, random)) + Pick(kIngredientBases, random) + " " +
                       std::to_string(i + 1);
        scratch.Group = Pick(kGroups, random);
        scratch.Unit = Pick(kUnits, random);
        scratch.StockActive = random() % 5 != 0;
        scratch.StockAmount = Price(random, 0.0, 40.0);
        const int suppliers = 1 + static_cast<int>(random() % 3);
        for (int s = 0; s < suppliers; ++s)
            scratch.AddIngredientSupplier(Pick(kSuppliers, random), Price(random, 0.5, 60.0),
                                          Price(random, 0.25, 10.0));
        scratch.SupplierInUse = scratch.Suppliers.At(static_cast<int>(random() % suppliers));
        if (data.AddIngredient(scratch) != 1)
            std::abort(); // out of memory: no benchmark file to measure
    }
}

void AddLines(CData& data, CRecipe& recipe, int baseRecipes, std::mt19937& random)
{
    const int lines = 3 + static_cast<int>(random() % 10);
    for (int l = 0; l < lines; ++l) {
        const bool useSub = baseRecipes > 0 && random() % 4 == 0;
        CRecipe* sub = useSub ? data.Recipes.At(static_cast<int>(random() % baseRecipes)) : nullptr;
        CIngredient* ingredient =
            useSub ? nullptr : data.Ingredients.At(static_cast<int>(random() % data.GetNbIngredients()));
        recipe.AddRecipeIngredient(sub, ingredient, Price(random, 0.05, 2.0),
                                   random() % 3 == 0 ? Price(random, 0, 30) : 0.0);
    }
}

// How many of the first recipes recipe `index` may use: base recipes stand in three levels
// (level 0 only ingredients, level 1 may use level 0, level 2 levels 0 and 1), dishes use any
// base recipe, so nesting is at most three deep, as in a real kitchen.
int UsableSubRecipes(int index, int baseRecipes)
{
    if (index >= baseRecipes)
        return baseRecipes;
    return index * 3 / std::max(1, baseRecipes) * baseRecipes / 3;
}

void AddRecipes(CData& data, int count, std::mt19937& random)
{
    const int baseRecipes = count / 8;
    for (int i = 0; i < count; ++i) {
        const bool isBase = i < baseRecipes;
        CRecipe scratch(&data);
        scratch.Name = std::string(isBase ? Pick(kBaseRecipes, random) : Pick(kDishes, random)) +
                       (isBase ? "" : Pick(kSides, random)) + " " + std::to_string(i + 1);
        scratch.NbPortion = isBase ? 10.0 : 1.0 + static_cast<double>(random() % 4);
        scratch.UseAsIngredient = isBase ? 1 : 0;
        scratch.UseForSale = isBase ? 0 : 1;
        scratch.NameGroupIndex = static_cast<int>(random() % 17);
        scratch.PriceSell = isBase ? 0.0 : Price(random, 3.5, 32.0);
        scratch.Comment = isBase ? "Im Voraus zubereiten & k\xFChl lagern." : "Anrichten <warm> servieren.";
        AddLines(data, scratch, UsableSubRecipes(i, baseRecipes), random);
        if (data.AddRecipe(scratch) != 1)
            std::abort(); // out of memory: no benchmark file to measure
    }
}

void AddSales(CData& data, int count, std::mt19937& random)
{
    std::vector<CRecipe*> dishes;
    for (CRecipe& recipe : data.Recipes) {
        if (recipe.UseForSale)
            dishes.push_back(&recipe);
    }
    const CDateTime first(2006, 1, 2);
    const int perDay = std::max(1, count / (3 * 365));
    CSale scratch(&data);
    for (int i = 0; i < count; ++i) {
        CRecipe* recipe = dishes[random() % dishes.size()];
        scratch.Name = recipe->Name;
        scratch.NameGroupIndex = recipe->NameGroupIndex;
        scratch.NbPortion = 1.0 + static_cast<double>(random() % 12);
        scratch.PriceBuyPerPortion = recipe->GetPriceBuyPerPortion();
        scratch.PriceSellPerPortionNoTax = recipe->GetPriceSellNoTax();
        scratch.PriceSellPerPortionTax = recipe->PriceSell;
        scratch.DateTime = first + CDateTimeSpan(i / perDay, 11 + static_cast<int>(random() % 11), 0, 0);
        scratch.Recipe = recipe;
        if (data.AddSale(scratch) != 1)
            std::abort(); // out of memory: no benchmark file to measure
    }
}

} // namespace

void GenerateCatalogue(CData& data, const CGeneratorSize& size, std::uint32_t seed)
{
    std::mt19937 random(seed);
    data.SetDefaults();
    data.Company = "Gasthof Zur Linde";
    data.Firstname = "Martina";
    data.Lastname = "M\xFCller";
    data.Street = "Hauptstra\xDF"
                  "e 12";
    data.PLZ = "79098";
    data.City = "Freiburg";
    data.Country = "Deutschland";
    AddIngredients(data, size.Ingredients, random);
    AddRecipes(data, size.Recipes, random);
    AddSales(data, size.Sales, random);
}
