// The help file beside the program: UTF-8 that says so, and every anchor the program opens.

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

bool IsValidUtf8(const std::string& text)
{
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80           ? 1
                              : (lead >> 5) == 0x6  ? 2
                              : (lead >> 4) == 0xE  ? 3
                              : (lead >> 3) == 0x1E ? 4
                                                    : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2)
                return false;
        }
        i += length;
    }
    return true;
}

TEST(HelpFileTest, LiesBesideTheProgramAsUtf8WithEveryAnchorTheProgramOpens)
{
    ASSERT_TRUE(std::filesystem::exists(KK_INSTALLED_HELP_FILE));
    const std::string text = HelpText();
    EXPECT_TRUE(IsValidUtf8(text));
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
