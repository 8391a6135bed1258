#pragma once

#include "platform/AddressOpener.h"

#include <QStringList>
#include <QUrl>
#include <functional>

// Opens addresses through QDesktopServices and, when that fails, by starting the desktop's
// "xdg-open" on its own. Failures map to the nearest shell code: an address that is no URL
// is "file not found" (2); when nothing can open it and no "xdg-open" exists, "no association"
// (31); when "xdg-open" exists but cannot be started, "out of resources" (0), since the search
// already found it executable.
class CQtAddressOpener : public CAddressOpener
{
public:
    // The desktop services the opener uses; tests supply scripted ones.
    struct CDesktop
    {
        std::function<bool(const QUrl&)> OpenUrl;
        std::function<QString(const QString& program)> FindProgram;
        std::function<bool(const QString& program, const QStringList& arguments)> StartDetached;
    };

    CQtAddressOpener();
    explicit CQtAddressOpener(CDesktop desktop);

    int Open(const std::string& address) override;

private:
    CDesktop m_desktop;
};

// The URL of an address: an absolute local path becomes a file URL (a "#anchor" after it is
// the fragment), anything else is read as the user would type it ("www.example.de" is a web
// page). Invalid for an empty address.
QUrl AddressToUrl(const QString& address);
