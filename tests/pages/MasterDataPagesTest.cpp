#include "FakePageHost.h"
#include "PageTestSupport.h"
#include "controls/FlatButton.h"
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

// Figures the user did not touch keep every digit the catalogue holds, even those the field
// does not show (it shows 15 significant digits).
TEST(MasterDataPages, UntouchedRatesAndFactorKeepTheirStoredValue)
{
    CFakePageHost host;
    const double rate = 7.1234567890123456;
    const double factor = 1.0 / 3.0;
    host.Data.Taxes[0] = rate;
    host.Data.Quotes[12] = rate;
    host.Data.CurrencyFactor2 = factor;
    auto taxes = MakePage<CGroupRatesPage>(EPage::FoodTaxes, host);
    auto quotes = MakePage<CGroupRatesPage>(EPage::DrinkQuotes, host);
    auto currencies = MakePage<CCurrencyPage>(EPage::Currencies, host);
    TypeInto(taxes->Field(1), QStringLiteral("10"));
    EXPECT_TRUE(taxes->TakeIntoData(host.Data));
    EXPECT_TRUE(quotes->TakeIntoData(host.Data));
    EXPECT_TRUE(currencies->TakeIntoData(host.Data));
    EXPECT_EQ(host.Data.Taxes[0], rate);
    EXPECT_EQ(host.Data.Taxes[1], 10.0);
    EXPECT_EQ(host.Data.Quotes[12], rate);
    EXPECT_EQ(host.Data.CurrencyFactor2, factor);
}

// Escape in a number field that holds no number takes the stored value back, and the page
// shows it again.
TEST(MasterDataPages, EscapeTakesTheStoredNumberBack)
{
    CFakePageHost host;
    host.Data.Taxes[13] = 19;
    host.Data.CurrencyFactor2 = 1.5;
    auto taxes = MakePage<CGroupRatesPage>(EPage::DrinkTaxes, host);
    auto currencies = MakePage<CCurrencyPage>(EPage::Currencies, host);
    const struct
    {
        QLineEdit* field;
        const char* shown;
    } cases[] = {{taxes->Field(3), "19"}, {currencies->Factor(), "1,5"}};
    for (const auto& c : cases) {
        TypeInto(c.field, QStringLiteral("7%"));
        QTest::keyClick(c.field, Qt::Key_Escape);
        EXPECT_EQ(c.field->text(), QString::fromLatin1(c.shown));
    }
    taxes->TakeIntoData(host.Data);
    currencies->TakeIntoData(host.Data);
    EXPECT_EQ(host.Data.Taxes[13], 19);
    EXPECT_EQ(host.Data.CurrencyFactor2, 1.5);
    EXPECT_TRUE(host.Texts().empty());
}

// Tab goes through each page's fields as they stand: down the left column, then the right.
TEST(MasterDataPages, TabFollowsTheLayoutOnEveryPage)
{
    CFakePageHost host;
    const auto names = [](const char* stem, int count) {
        QStringList list;
        for (int row = 1; row <= count; ++row)
            list << QStringLiteral("%1%2").arg(QString::fromLatin1(stem)).arg(row);
        return list;
    };
    const struct
    {
        EPage kind;
        QStringList stops;
    } cases[] = {
        {EPage::UserData, {"company", "firstname", "lastname", "street", "postcode", "city", "country"}},
        {EPage::FoodGroupNames, names("group", 10)},
        {EPage::DrinkGroupNames, names("group", 10)},
        {EPage::FoodTaxes, names("rate", 9)}, // food group 10 has no name: its row is off
        {EPage::DrinkQuotes, names("rate", 7)},
        {EPage::Currencies, {"currency", "currency2", "factor"}},
    };
    for (const auto& c : cases) {
        auto page = MakePage<CSubDialog>(c.kind, host);
        page->HelpButton()->setFocus();
        QStringList visited;
        for (int stop = 0; stop < c.stops.size(); ++stop) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(visited, c.stops) << static_cast<int>(c.kind);
    }
}
