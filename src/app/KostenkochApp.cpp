#include "KostenkochApp.h"

#include "KostenkochDlg.h"
#include "QtPlatformServices.h"
#include "SplashDialog.h"
#include "StartPicture.h"
#include "platform/qt/TextConversion.h"
#include "resources/StringTables.h"
#include "settings/RememberedValues.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>

CKostenkochApp::CKostenkochApp(int& argc, char** argv)
    : m_application(std::make_unique<QApplication>(argc, argv)),
      m_platform(std::make_unique<CQtPlatformServices>()), m_services(m_platform->GetServices()),
      m_runner([this](CAppServices& services) { RunMainDialog(services); })
{}

CKostenkochApp::CKostenkochApp(const CAppServices& services, CMainDialogRunner runner)
    : m_services(services), m_runner(std::move(runner))
{}

// Members go in reverse order: the splash and the translator before the Qt application.
CKostenkochApp::~CKostenkochApp() = default;

int CKostenkochApp::InitInstance()
{
    SetRegistryKey();
    ShowSplash();
    SetLanguage();
    LoadQtTranslation();
    ConnectSplashHooks();
    m_runner(m_services);
    // A main window that ended before closing the start-up window leaves it to us.
    m_splashActive = false;
    m_splash.reset();
    return 0;
}

// The profile store and the Qt settings live under the company and the program's name. No
// display name is set: the platform would append it to every window title.
void CKostenkochApp::SetRegistryKey()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(kCompanyName));
    QCoreApplication::setApplicationName(QString::fromLatin1(kProgramName));
    // Desktops that match windows to their menu entry (Wayland) find the icon and name there.
    QGuiApplication::setDesktopFileName(QStringLiteral("de.kostenkoch.Kostenkoch"));
}

// The creation tick is recorded by the window itself, right when it is made.
void CKostenkochApp::ShowSplash()
{
    m_splashActive = true;
    m_splash = std::make_unique<CSplashDlg>(*m_services.Clock);
    m_splash->SetPicture(CStartPicture::Render());
    m_splash->ShowNow();
}

void CKostenkochApp::SetLanguage()
{
    CRememberedValues remembered(*m_services.Profile, *m_services.Clock);
    CStringTables::SetLanguage(remembered.ReadLanguage());
}

// Dialogs, menus and the toolkit's own texts are German whatever the interface language.
void CKostenkochApp::LoadQtTranslation()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto translation = std::make_unique<QTranslator>();
    const QString directory = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translation->load(QStringLiteral("qtbase_de"), directory))
        return;
    QCoreApplication::installTranslator(translation.get());
    m_qtTranslation = std::move(translation);
    m_qtTranslationLoaded = true;
}

void CKostenkochApp::ConnectSplashHooks()
{
    m_services.SetSplashStatus = [this](const std::string& text) { SetSplashStatus(text); };
    m_services.CloseSplash = [this] { CloseSplash(); };
}

void CKostenkochApp::SetSplashStatus(const std::string& text)
{
    if (m_splashActive)
        m_splash->SetStatus(ToQString(text));
}

void CKostenkochApp::CloseSplash()
{
    if (!m_splashActive)
        return;
    m_splash->CloseAfterMinimumTime();
    m_splash.reset();
    m_splashActive = false;
}

void CKostenkochApp::RunMainDialog(CAppServices& services) const
{
    CKostenkochDlg dialog(services);
    if (!dialog.IsStartedUp())
        return;
    if (m_autoCloseMs >= 0)
        QTimer::singleShot(m_autoCloseMs, &dialog, [&dialog] { dialog.close(); });
    dialog.exec();
}
