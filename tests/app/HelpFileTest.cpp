// The help file beside the program: UTF-8 that says so, and every anchor the program opens.

#include <QString>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string HelpText()
{
    std::ifstream in(KK_INSTALLED_HELP_FILE, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(HelpFileTest, LiesBesideTheProgramAsUtf8WithEveryAnchorTheProgramOpens)
{
    ASSERT_TRUE(std::filesystem::exists(KK_INSTALLED_HELP_FILE));
    const std::string text = HelpText();
    // Invalid UTF-8 would come back from the round trip with replacement characters.
    EXPECT_EQ(QString::fromUtf8(text).toStdString(), text);
    EXPECT_NE(text.find("<meta charset=\"utf-8\">"), std::string::npos);
    EXPECT_NE(text.find("Sicherungskopie"), std::string::npos);

    const char* const anchors[] = {
        "Main",
        "MainUserdata",
        "MainNameMeal",
        "MainNameDrink",
        "MainTaxesMeal",
        "MainTaxesDrink",
        "MainQuotesMeal",
        "MainQuotesDrink",
        "MainSettings",
        "Ingredient",
        "Recipe",
        "Sale",
        "Chart",
        "DialogAboutBox",
        "DialogIngredientList",
        "DialogIngredients",
        "DialogIngredientSupplier",
        "DialogRecipe",
        "DialogRecipeIngredient",
        "DialogSalesList",
        "DialogPriceImpact",
        "DialogPriceSimulation",
        "DialogRegisterMapping",
        "DialogImportSummary",
        "DialogCostCheck",
    };
    for (const char* anchor : anchors) {
        const std::string id = std::string("id=\"") + anchor + "\"";
        EXPECT_EQ(text.find(id), text.rfind(id)) << anchor << " is defined twice";
        EXPECT_NE(text.find(id), std::string::npos) << anchor;
    }
}

// Message 213 sends the user to the restore guide: it walks through the import of a copy.
TEST(HelpFileTest, RestoreGuideNamesTheFilesTheProgramWrites)
{
    const std::string text = HelpText();
    const size_t guide = text.find("id=\"Restore\"");
    ASSERT_NE(guide, std::string::npos);
    for (const char* name : {"KostenkochData_Backup.XML", "KostenkochData_Import.XML", "Daten importieren",
                             "KostenkochData_JJJJ_MM_TT_hh_mm_ss.XML"})
        EXPECT_NE(text.find(name, guide), std::string::npos) << name;
}

} // namespace
