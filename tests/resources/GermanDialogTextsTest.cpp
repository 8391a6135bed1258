#include "resources/GermanDialogTexts.h"

#include "platform/Windows1252.h"

#include <cctype>
#include <gtest/gtest.h>
#include <map>
#include <span>
#include <string>

namespace {

struct CGroup
{
    const char* Name;
    std::span<const char* const> Texts;
};

// Every group of GermanDialogTexts.h; a dialog's access keys must differ only within its group.
const CGroup kGroups[] = {
    {"Common", DialogText::Common::kAll},
    {"ListPage", DialogText::ListPage::kAll},
    {"GroupMenu", DialogText::GroupMenu::kAll},
    {"UserDataPage", DialogText::UserDataPage::kAll},
    {"GroupNamesPage", DialogText::GroupNamesPage::kAll},
    {"GroupRatesPage", DialogText::GroupRatesPage::kAll},
    {"CurrencyPage", DialogText::CurrencyPage::kAll},
    {"IngredientPage", DialogText::IngredientPage::kAll},
    {"Ingredient", DialogText::Ingredient::kAll},
    {"IngredientSupplier", DialogText::IngredientSupplier::kAll},
    {"RecipePage", DialogText::RecipePage::kAll},
    {"Recipe", DialogText::Recipe::kAll},
    {"RecipeIngredient", DialogText::RecipeIngredient::kAll},
    {"QuantityCalculation", DialogText::QuantityCalculation::kAll},
    {"SalesPage", DialogText::SalesPage::kAll},
    {"SalesList", DialogText::SalesList::kAll},
    {"EvaluationPage", DialogText::EvaluationPage::kAll},
    {"DisplayKindMenu", DialogText::DisplayKindMenu::kAll},
    {"Stock", DialogText::Stock::kAll},
    {"MenuBar", DialogText::MenuBar::kAll},
    {"FileMenu", DialogText::FileMenu::kAll},
    {"InventoryMenu", DialogText::InventoryMenu::kAll},
    {"ExtrasMenu", DialogText::ExtrasMenu::kAll},
    {"LanguageMenu", DialogText::LanguageMenu::kAll},
    {"HelpMenu", DialogText::HelpMenu::kAll},
    {"About", DialogText::About::kAll},
    {"StartPicture", DialogText::StartPicture::kAll},
    {"RegisterMapping", DialogText::RegisterMapping::kAll},
    {"ImportSummary", DialogText::ImportSummary::kAll},
    {"CsvColumns", DialogText::CsvColumns::kAll},
};

// The access key letters of a text ("&&" is a literal ampersand), lower case.
std::string AccessKeys(const std::string& text)
{
    std::string keys;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            keys += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
        ++i;
    }
    return keys;
}

} // namespace

// The widgets show these texts through the Windows-1252 conversions, and the program writes
// them into Windows-1252 captions: a character outside the code page would be lost there.
TEST(GermanDialogTextsTest, EveryTextIsNonEmptyWindows1252)
{
    for (const CGroup& group : kGroups) {
        for (const char* text : group.Texts) {
            std::string bytes;
            EXPECT_TRUE(Utf8ToWindows1252(text, bytes) && !bytes.empty()) << group.Name << ": " << text;
        }
    }
}

// Two texts of one dialog or menu with the same key would make the key reach only the first;
// a text with two keys, or a lone "&" at its end, is a typing fault.
TEST(GermanDialogTextsTest, AccessKeysAreUniqueWithinEachGroup)
{
    for (const CGroup& group : kGroups) {
        std::map<char, std::string> owners;
        for (const char* text : group.Texts) {
            const std::string keys = AccessKeys(text);
            EXPECT_LE(keys.size(), 1u) << group.Name << ": " << text;
            EXPECT_NE(std::string(text).back(), '&') << group.Name << ": " << text;
            for (const char key : keys) {
                const auto [owner, inserted] = owners.emplace(key, text);
                EXPECT_TRUE(inserted) << group.Name << ": '" << key << "' in \"" << text << "\" and \""
                                      << owner->second << "\"";
            }
        }
    }
}
