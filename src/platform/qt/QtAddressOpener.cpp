#include "QtAddressOpener.h"

#include "platform/qt/TextConversion.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

namespace {

CQtAddressOpener::CDesktop RealDesktop()
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

CQtAddressOpener::CQtAddressOpener() : m_desktop(RealDesktop()) {}

CQtAddressOpener::CQtAddressOpener(CDesktop desktop) : m_desktop(std::move(desktop)) {}

int CQtAddressOpener::Open(const std::string& address)
{
    const QUrl url = AddressToUrl(ToQString(address));
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
