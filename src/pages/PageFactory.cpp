#include "PageFactory.h"

#include "pages/common/PageTable.h"
#include "pages/evaluation/EvaluationPage.h"
#include "pages/ingredients/IngredientPage.h"
#include "pages/masterdata/CurrencyPage.h"
#include "pages/masterdata/GroupNamesPage.h"
#include "pages/masterdata/GroupRatesPage.h"
#include "pages/masterdata/UserDataPage.h"
#include "pages/recipes/RecipePage.h"
#include "pages/sales/SalesPage.h"

namespace {

// The master data pages scroll beside the bar; the ingredients page covers the bar's place;
// the pages with lists and charts arrange their controls themselves.
CSubDialog::COptions OptionsOf(EPage page)
{
    CSubDialog::COptions options;
    options.Scrolling = IndexOf(page) < kNbMasterDataPages;
    options.BesideBar = page != EPage::Ingredients;
    return options;
}

CSubDialog* CreatePage(EPage page, CPageHost& host, QWidget* parent)
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
    case EPage::Recipes:
        return new CRecipePage(host, options, parent);
    case EPage::Sales:
        return new CSalesPage(host, options, parent);
    case EPage::Evaluation:
        return new CEvaluationPage(host, options, parent);
    }
    return nullptr;
}

} // namespace

CSubDialog* PageFactory::Create(EPage page, CPageHost& host, QWidget* parent)
{
    CSubDialog* created = CreatePage(page, host, parent);
    created->setObjectName(QString::fromLatin1(PageTable::ObjectName(page)));
    return created;
}
