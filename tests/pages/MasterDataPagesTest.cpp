#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "pages/PageFactory.h"
#include "pages/masterdata/CurrencyPage.h"
#include "pages/masterdata/GroupNamesPage.h"
#include "pages/masterdata/GroupRatesPage.h"

#include <QLabel>
#include <gtest/gtest.h>
#include <memory>

namespace {

template <typename TPage> std::unique_ptr<TPage> MakePage(EPage kind, CFakePageHost& host)
{
    std::unique_ptr<TPage> page(static_cast<TPage*>(PageFactory::Create(kind, host, nullptr)));
    page->InitFromData(host.Data);
    page->show();
    QApplication::setActiveWindow(page.get());
    return page;
}

} // namespace

// The user types a name into row 3 of the drink groups and empties row 1: the catalogue gets
// both, and the drink VAT page labels and enables its rows after them.
TEST(MasterDataPages, DrinkGroupNamesLabelTheDrinkRateRows)
{
    CFakePageHost host;
    auto names = MakePage<CGroupNamesPage>(EPage::DrinkGroupNames, host);
    TypeInto(names->Field(2), QStringLiteral("Spirituosen & Likör"));
    TypeInto(names->Field(0), QString());
    EXPECT_TRUE(names->TakeIntoData(host.Data));
    EXPECT_EQ(host.Data.NameGroup[12], "Spirituosen & Lik\xF6r");
    EXPECT_EQ(host.Data.NameGroup[10], "");

    auto taxes = MakePage<CGroupRatesPage>(EPage::DrinkTaxes, host);
    taxes->RefreshPage();
    EXPECT_EQ(taxes->RowLabel(2)->text(), QStringLiteral("Spirituosen && Likör :"));
    EXPECT_TRUE(taxes->Field(2)->isEnabled());
    EXPECT_EQ(taxes->RowLabel(0)->text(), QString());
    EXPECT_FALSE(taxes->Field(0)->isEnabled());
}

// Rates are read through the number text: "7,5" is 7.5; "1.234,5" is 1234.5.
TEST(MasterDataPages, RatesAreStoredInTheirGroups)
{
    CFakePageHost host;
    host.Data.NameGroup[0] = "Vorspeisen";
    host.Data.NameGroup[9] = "Desserts";
    auto quotes = MakePage<CGroupRatesPage>(EPage::FoodQuotes, host);
    TypeInto(quotes->Field(0), QStringLiteral("7,5"));
    TypeInto(quotes->Field(9), QStringLiteral("1.234,5"));
    quotes->TakeIntoData(host.Data);
    EXPECT_EQ(host.Data.Quotes[0], 7.5);
    EXPECT_EQ(host.Data.Quotes[9], 1234.5);
}

// A rate that is no number: the message, the focus stays, the catalogue keeps its value.
TEST(MasterDataPages, ARefusedRateKeepsTheFocusAndTheValue)
{
    CFakePageHost host;
    host.Data.NameGroup[3] = "Suppen";
    host.Data.Taxes[3] = 19;
    auto taxes = MakePage<CGroupRatesPage>(EPage::FoodTaxes, host);
    EXPECT_EQ(taxes->Field(3)->text(), QStringLiteral("19"));
    TypeInto(taxes->Field(3), QStringLiteral("1-9"));
    QTest::keyClick(taxes->Field(3), Qt::Key_Tab);
    EXPECT_EQ(host.Texts(), std::vector<std::string>{"Geben Sie eine Zahl ein."});
    EXPECT_TRUE(taxes->Field(3)->hasFocus());
    taxes->TakeIntoData(host.Data);
    EXPECT_EQ(host.Data.Taxes[3], 19);
}

// Leaving either currency name rewrites the labels around the factor at once.
TEST(MasterDataPages, CurrencyLabelsFollowTheNamesOnLeavingTheFields)
{
    CFakePageHost host;
    auto page = MakePage<CCurrencyPage>(EPage::Currencies, host);
    EXPECT_EQ(page->FactorBefore()->text(), QStringLiteral("1 EUR = "));
    TypeInto(page->Currency2(), QStringLiteral("SFR"));
    QTest::keyClick(page->Currency2(), Qt::Key_Tab);
    EXPECT_EQ(page->FactorAfter()->text(), QStringLiteral("SFR"));
    TypeInto(page->Currency(), QStringLiteral("€uro"));
    QTest::keyClick(page->Currency(), Qt::Key_Tab);
    EXPECT_EQ(page->FactorBefore()->text(), QStringLiteral("1 €uro = "));
    TypeInto(page->Factor(), QStringLiteral("1,08"));
    page->TakeIntoData(host.Data);
    EXPECT_EQ(host.Data.CurrencyUnit, "\x80uro");
    EXPECT_EQ(host.Data.CurrencyUnit2, "SFR");
    EXPECT_EQ(host.Data.CurrencyFactor2, 1.08);
}

// Characters the data file cannot hold never get into a field.
TEST(MasterDataPages, FieldsTakeOnlyWhatTheDataFileCanHold)
{
    CFakePageHost host;
    auto page = MakePage<CCurrencyPage>(EPage::Currencies, host);
    TypeInto(page->Currency2(), QStringLiteral("Złoty"));
    EXPECT_EQ(page->Currency2()->text(), QStringLiteral("Zoty"));
}
