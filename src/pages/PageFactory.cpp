#include "PageFactory.h"

#include "catalogue/Data.h"
#include "pages/CurrencyPage.h"
#include "pages/GroupNamesPage.h"
#include "pages/GroupRatesPage.h"
#include "pages/IngredientPage.h"
#include "pages/PageTable.h"
#include "pages/PlaceholderPage.h"
#include "pages/SalesPage.h"
#include "pages/UserDataPage.h"
#include "platform/qt/TextConversion.h"
#include "resources/StringTables.h"

#include <array>

namespace {

bool NoIngredients(const CData& data)
{
    return data.GetNbIngredients() == 0;
}

bool NoRecipes(const CData& data)
{
    return data.GetNbRecipes() == 0;
}

bool NoSales(const CData& data)
{
    return data.Sales.Count() == 0;
}

// The headings of the pages and, where a page has one, the hint below it with the rule that
// says when it is true; a subtitle by string id where the text has one.
struct CPlaceholderText
{
    const char* Title;
    const char* Subtitle;
    int SubtitleId;
    CPlaceholderPage::HintRule Hint = nullptr;
};

constexpr std::array<CPlaceholderText, kNbPages> kTexts = {{
    {"Bitte geben Sie hier Ihre Benutzerdaten ein.", nullptr, 108},
    {"Bitte geben Sie hier die Namen der Speisen-Gruppen ein.", nullptr, 111},
    {"Bitte geben Sie hier die Namen der Getränke-Gruppen ein.", nullptr, 115},
    {"Bitte geben Sie hier die Umsatzsteuersätze der Speisen-Gruppen ein", nullptr, 109},
    {"Bitte geben Sie hier die Umsatzsteuersätze der Getränke-Gruppen ein", nullptr, 132},
    {"Bitte geben Sie hier die Soll-Wareneinsatzquoten der Speisen-Gruppen ein.", nullptr, 110},
    {"Bitte geben Sie hier die Soll-Wareneinsatzquoten der Getränke-Gruppen ein.", nullptr, 133},
    {"Bitte legen Sie hier Ihre Währungs-Einstellungen fest", nullptr, 183},
    {"Einkauf und Zutaten",
     "Sobald Sie mindestens eine Zutat angelegt haben, können Sie im nächsten Schritt Rezepturen zusammen "
     "stellen",
     0, NoIngredients},
    {"Rezepturen",
     "Sobald Sie mindestens eine Rezeptur angelegt haben, können Sie im nächsten Schritt Abverkäufe aus "
     "Ihrem "
     "Journal erfassen",
     0, NoRecipes},
    {"Abverkäufe lt. Kassenjournal (Erfassung z.B. monatlich)",
     "Sobald Sie mindestens einen Abverkauf erfasst haben, können Sie im nächsten Schritt Ihre "
     "betriebswirtschaftlichen Kennzahlen auswerten",
     0, NoSales},
    {"Hier können Sie Ihre wichtigsten Kennzahlen abfragen und auswerten", nullptr, 107},
}};

// The master data pages scroll beside the bar; the ingredients page covers the bar's place;
// the pages with lists and charts arrange their controls themselves.
CSubDialog::COptions OptionsOf(EPage page)
{
    CSubDialog::COptions options;
    options.Scrolling = IndexOf(page) < kNbMasterDataPages;
    options.BesideBar = page != EPage::Ingredients;
    return options;
}

QString SubtitleOf(const CPlaceholderText& text)
{
    return text.Subtitle ? QString::fromUtf8(text.Subtitle) : ToQString(CStringTables::Load(text.SubtitleId));
}

} // namespace

CSubDialog* CPageFactory::Create(EPage page, CPageHost& host, QWidget* parent)
{
    CSubDialog* created = CreatePage(page, host, parent);
    if (!created)
        created = CreatePlaceholder(page, host, parent);
    created->setObjectName(QString::fromLatin1(CPageTable::ObjectName(page)));
    return created;
}

CSubDialog* CPageFactory::CreatePage(EPage page, CPageHost& host, QWidget* parent)
{
    const CSubDialog::COptions options = OptionsOf(page);
    switch (page) {
    case EPage::UserData:
        return new CUserDataPage(host, options, parent);
    case EPage::FoodGroupNames:
    case EPage::DrinkGroupNames:
        return new CGroupNamesPage(host, options, page == EPage::DrinkGroupNames, parent);
    case EPage::FoodTaxes:
        return new CGroupRatesPage(host, options, CGroupRatesPage::Taxes, false, parent);
    case EPage::DrinkTaxes:
        return new CGroupRatesPage(host, options, CGroupRatesPage::Taxes, true, parent);
    case EPage::FoodQuotes:
        return new CGroupRatesPage(host, options, CGroupRatesPage::Quotes, false, parent);
    case EPage::DrinkQuotes:
        return new CGroupRatesPage(host, options, CGroupRatesPage::Quotes, true, parent);
    case EPage::Currencies:
        return new CCurrencyPage(host, options, parent);
    case EPage::Ingredients:
        return new CIngredientPage(host, options, parent);
    case EPage::Sales:
        return new CSalesPage(host, options, parent);
    default:
        return nullptr;
    }
}

CSubDialog* CPageFactory::CreatePlaceholder(EPage page, CPageHost& host, QWidget* parent)
{
    const CPlaceholderText& text = kTexts[IndexOf(page)];
    return new CPlaceholderPage(host, OptionsOf(page), QString::fromUtf8(text.Title), SubtitleOf(text),
                                text.Hint, parent);
}
