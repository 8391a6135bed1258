#pragma once

#include "AppServices.h"

#include <QString>
#include <functional>
#include <memory>

class CQtPlatformServices;
class CSplashDlg;
class QApplication;
class QTranslator;

// The application object: sets up the Qt application under the company and program name,
// shows the start-up window, chooses the interface language from the profile, loads Qt's
// German texts and runs the main window, which ends the program when it closes.
class CKostenkochApp
{
public:
    // Runs the main window with the given services and returns when it has closed.
    using CMainDialogRunner = std::function<void(CAppServices&)>;

    static constexpr const char* kCompanyName = "Harlow-Software";
    static constexpr const char* kProgramName = "Kostenkoch";

    // The real program: the Qt application, the platform's services and the main window.
    CKostenkochApp(int& argc, char** argv);
    // The given services and whatever the runner shows as the main window; a QApplication
    // must already exist.
    CKostenkochApp(const CAppServices& services, CMainDialogRunner runner);
    ~CKostenkochApp();
    CKostenkochApp(const CKostenkochApp&) = delete;
    CKostenkochApp& operator=(const CKostenkochApp&) = delete;

    // Closes the main window through its exit sequence this many milliseconds after it has
    // started. Only the smoke test of the real program asks for this.
    void SetAutoCloseMs(int milliseconds) { m_autoCloseMs = milliseconds; }

    // The start-up sequence; returns when the main window has closed, with the exit status.
    int InitInstance();

    // The start-up window while it is shown, else nullptr.
    CSplashDlg* GetSplash() const { return m_splashActive ? m_splash.get() : nullptr; }
    // Whether Qt's German texts (standard buttons, file dialogs) were found and installed.
    bool HasQtTranslation() const { return m_qtTranslationLoaded; }

private:
    void SetRegistryKey();
    void ShowSplash();
    void SetLanguage();
    void LoadQtTranslation();
    void ConnectSplashHooks();
    void SetSplashStatus(const std::string& text);
    void CloseSplash();
    void RunMainDialog(CAppServices& services) const;

    std::unique_ptr<QApplication> m_application;
    std::unique_ptr<CQtPlatformServices> m_platform;
    CAppServices m_services;
    CMainDialogRunner m_runner;
    std::unique_ptr<QTranslator> m_qtTranslation;
    bool m_qtTranslationLoaded = false;
    std::unique_ptr<CSplashDlg> m_splash;
    bool m_splashActive = false;
    int m_autoCloseMs = -1;
};
