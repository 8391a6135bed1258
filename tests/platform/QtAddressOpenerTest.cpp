#include "platform/qt/QtAddressOpener.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

// A desktop whose answers the test sets and whose calls it records.
struct CScriptedDesktop
{
    CQtAddressOpener Opener()
    {
        return CQtAddressOpener({
            [this](const QUrl& url) {
                Calls << QStringLiteral("open ") + url.toString();
                return OpenUrlWorks;
            },
            [this](const QString& program) {
                Calls << QStringLiteral("find ") + program;
                return Browser;
            },
            [this](const QString& program, const QStringList& arguments) {
                Calls << QStringLiteral("start ") + program + QLatin1Char(' ') +
                             arguments.join(QLatin1Char(' '));
                return StartWorks;
            },
        });
    }

    bool OpenUrlWorks = false;
    QString Browser;
    bool StartWorks = false;
    QStringList Calls;
};

TEST(QtAddressOpener, FallsBackToXdgOpenAndMapsFailures)
{
    struct CCase
    {
        bool OpenUrlWorks;
        QString Browser;
        bool StartWorks;
        int Result;
        int Calls;
    };
    const QString xdg = QStringLiteral("/usr/bin/xdg-open");
    const CCase cases[] = {
        {true, xdg, true, CAddressOpener::kOpened, 1},
        {false, {}, true, CAddressOpener::kNoAssociation, 2},
        {false, xdg, true, CAddressOpener::kOpened, 3},
        {false, xdg, false, CAddressOpener::kOutOfResources, 3},
    };
    for (const CCase& c : cases) {
        CScriptedDesktop desktop{c.OpenUrlWorks, c.Browser, c.StartWorks, {}};
        CQtAddressOpener opener = desktop.Opener();
        EXPECT_EQ(opener.Open("https://www.example.de/"), c.Result) << desktop.Calls.join('|').toStdString();
        EXPECT_EQ(desktop.Calls.size(), c.Calls);
    }
    CScriptedDesktop desktop{false, xdg, true, {}};
    CQtAddressOpener opener = desktop.Opener();
    opener.Open("mailto:info@example.de");
    EXPECT_EQ(desktop.Calls.last(), QStringLiteral("start /usr/bin/xdg-open mailto:info@example.de"));
    EXPECT_EQ(opener.Open("  "), CAddressOpener::kFileNotFound);
    EXPECT_EQ(desktop.Calls.size(), 3) << "an empty address asks nobody";
}

TEST(QtAddressOpener, AddressesBecomeUrls)
{
    EXPECT_EQ(AddressToUrl(QStringLiteral("www.example.de")), QUrl(QStringLiteral("http://www.example.de")));
    EXPECT_EQ(AddressToUrl(QStringLiteral("mailto:info@example.de")).scheme(), QStringLiteral("mailto"));
    const QUrl help = AddressToUrl(QStringLiteral("/opt/Kostenkoch/KostenkochHelp.html#DialogAboutBox"));
    EXPECT_EQ(help.toLocalFile(), QStringLiteral("/opt/Kostenkoch/KostenkochHelp.html"));
    EXPECT_EQ(help.fragment(), QStringLiteral("DialogAboutBox"));
    EXPECT_FALSE(AddressToUrl({}).isValid());
}

} // namespace
