#include "app/KostenkochApp.h"

#include "ManualClock.h"
#include "MemoryProfileStore.h"
#include "ModalWindows.h"
#include "RecordingMessageService.h"
#include "ScriptedFileDialogService.h"
#include "app/SplashDialog.h"
#include "resources/StringTables.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// What the start-up had done by the time the main window ran.
struct CSeenByMainWindow
{
    bool Ran = false;
    int Language = 0;
    bool SplashVisible = false;
    QSize SplashSize;
    bool SplashCentred = false;
    QString Organization;
    QString Application;
    QStringList YesNoButtons;
    QString Status;
};

class KostenkochAppTest : public testing::Test
{
protected:
    void TearDown() override { CStringTables::SetLanguage(CStringTables::German); }

    CAppServices Services()
    {
        CAppServices services;
        services.Clock = &m_clock;
        services.Messages = &m_messages;
        services.FileDialogs = &m_dialogs;
        services.Profile = &m_profile;
        return services;
    }

    // Runs the start-up with a main window that records what it finds and then does `more`.
    void Start(const std::function<void(CAppServices&)>& more = {})
    {
        m_application = std::make_unique<CKostenkochApp>(Services(), [this, more](CAppServices& services) {
            Record(services);
            if (more)
                more(services);
        });
        EXPECT_EQ(m_application->InitInstance(), 0);
    }

    void Record(CAppServices&)
    {
        m_seen.Ran = true;
        m_seen.Language = CStringTables::Language();
        const CSplashDlg* splash = m_application->GetSplash();
        m_seen.SplashVisible = splash != nullptr && splash->isVisible();
        if (splash != nullptr) {
            m_seen.SplashSize = splash->size();
            m_seen.SplashCentred =
                splash->geometry().center() == splash->screen()->geometry().center() ||
                (splash->geometry().center() - splash->screen()->geometry().center()).manhattanLength() <= 1;
        }
        m_seen.Organization = QCoreApplication::organizationName();
        m_seen.Application = QCoreApplication::applicationName();
    }

    CManualClock m_clock;
    CRecordingMessageService m_messages;
    CScriptedFileDialogService m_dialogs;
    CMemoryProfileStore m_profile;
    std::unique_ptr<CKostenkochApp> m_application;
    CSeenByMainWindow m_seen;
};

// "Language" selects the string table; anything but the three exact names is German and is
// corrected in the profile.
TEST_F(KostenkochAppTest, LanguageComesFromTheProfileWithUnknownValuesCorrectedToGerman)
{
    const struct
    {
        std::optional<std::string> Stored;
        int Expected;
        std::string StoredAfterwards;
    } cases[] = {
        {std::nullopt, 1031, "German (Germany)"},
        {"German (Germany)", 1031, "German (Germany)"},
        {"English (U.S.)", 1033, "English (U.S.)"},
        {"Romanian", 1048, "Romanian"},
        {"romanian", 1031, "German (Germany)"},
        {"English", 1031, "German (Germany)"},
        {"", 1031, "German (Germany)"},
    };
    for (const auto& c : cases) {
        m_profile.Remove("", "Language");
        if (c.Stored)
            m_profile.WriteString("", "Language", *c.Stored);
        CStringTables::SetLanguage(CStringTables::German);

        Start();

        const std::string label = c.Stored.value_or("(missing)");
        EXPECT_EQ(m_seen.Language, c.Expected) << label;
        EXPECT_EQ(m_profile.GetString("", "Language"), c.StoredAfterwards) << label;
    }
}

TEST_F(KostenkochAppTest, MainWindowRunsWithTheSplashShownAndTheProgramsKeySet)
{
    Start();
    EXPECT_TRUE(m_seen.Ran);
    EXPECT_TRUE(m_seen.SplashVisible);
    EXPECT_EQ(m_seen.SplashSize, QSize(504, 374));
    EXPECT_TRUE(m_seen.SplashCentred);
    EXPECT_EQ(m_seen.Organization, QStringLiteral("Harlow-Software"));
    EXPECT_EQ(m_seen.Application, QStringLiteral("Kostenkoch"));
    // Once the main window has closed, the start-up window is gone.
    EXPECT_EQ(m_application->GetSplash(), nullptr);
}

// With a display name of its own, the platform appends " — Kostenkoch" to every window title.
// Without one, the display name follows the application name.
TEST_F(KostenkochAppTest, NoDisplayNameIsSetSoWindowTitlesStayAsTheProgramSetsThem)
{
    Start();
    QCoreApplication::setApplicationName(QStringLiteral("Probe"));
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QStringLiteral("Probe"));
    QCoreApplication::setApplicationName(QStringLiteral("Kostenkoch"));
}

// The hooks feed the splash's status line (Windows-1252 from the string tables) and close it
// after the minimum time, through the injected clock.
TEST_F(KostenkochAppTest, SplashHooksSetTheStatusAndCloseAfterTheMinimumTime)
{
    m_clock.AdvanceTicks(10000);
    Start([this](CAppServices& services) {
        ASSERT_TRUE(services.SetSplashStatus);
        ASSERT_TRUE(services.CloseSplash);
        services.SetSplashStatus(CStringTables::Load(210));
        m_seen.Status = m_application->GetSplash()->GetStatus();
        m_clock.AdvanceTicks(3000);
        services.CloseSplash();
        EXPECT_EQ(m_application->GetSplash(), nullptr);
        // Later calls find no start-up window and do nothing.
        services.SetSplashStatus("Initialisiere Rezepte");
        services.CloseSplash();
    });
    EXPECT_EQ(m_seen.Status, QStringLiteral(u"Initialisiere Verkäufe"));
    EXPECT_EQ(m_clock.SleptMilliseconds(), 500u);
}

TEST_F(KostenkochAppTest, MainWindowThatNeverClosesTheSplashDoesNotMakeTheProgramWait)
{
    Start();
    EXPECT_EQ(m_clock.SleptMilliseconds(), 0u);
    EXPECT_EQ(m_application->GetSplash(), nullptr);
}

// Qt's German texts are installed before the main window runs, so its questions read German.
TEST_F(KostenkochAppTest, StandardButtonsReadGermanInTheMainWindow)
{
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(translations + QStringLiteral("/qtbase_de.qm")))
        GTEST_SKIP() << "Qt's German translation (qtbase_de.qm) is not installed";

    Start([this](CAppServices&) {
        WhenModalAppears<QMessageBox>([this](QMessageBox& box) {
            m_seen.YesNoButtons = ButtonTexts(box);
            box.reject();
        });
        QMessageBox::question(nullptr, QStringLiteral("Kostenkoch"), QStringLiteral("Weiter?"),
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    });
    EXPECT_TRUE(m_application->HasQtTranslation());
    EXPECT_EQ(m_seen.YesNoButtons, (QStringList{"Abbrechen", "Ja", "Nein"}));
}

} // namespace
