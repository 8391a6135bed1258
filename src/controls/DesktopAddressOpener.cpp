#include "DesktopAddressOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

CDesktopAddressOpener::CDesktop RealDesktop()
{
    return {
        [](const QUrl& url) { return QDesktopServices::openUrl(url); },
        [](const QString& program) { return QStandardPaths::findExecutable(program); },
        [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        },
    };
}

QUrl LocalFileUrl(const QString& address)
{
    const qsizetype anchor = address.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(anchor < 0 ? address : address.left(anchor));
    if (anchor >= 0)
        url.setFragment(address.mid(anchor + 1));
    return url;
}

} // namespace

CDesktopAddressOpener::CDesktopAddressOpener() : m_desktop(RealDesktop()) {}

CDesktopAddressOpener::CDesktopAddressOpener(CDesktop desktop) : m_desktop(std::move(desktop)) {}

int CDesktopAddressOpener::Open(const QString& address)
{
    const QUrl url = AddressToUrl(address);
    if (!url.isValid())
        return kFileNotFound;
    if (m_desktop.OpenUrl(url))
        return kOpened;
    const QString browser = m_desktop.FindProgram(QStringLiteral("xdg-open"));
    if (browser.isEmpty())
        return kNoAssociation;
    return m_desktop.StartDetached(browser, {url.toString()}) ? kOpened : kOutOfResources;
}

QUrl AddressToUrl(const QString& address)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return {};
    if (QDir::isAbsolutePath(trimmed) && !trimmed.contains(QLatin1String("://")))
        return LocalFileUrl(trimmed);
    return QUrl::fromUserInput(trimmed);
}

CAddressOpener& DefaultAddressOpener()
{
    static CDesktopAddressOpener opener;
    return opener;
}
