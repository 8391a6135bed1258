#include "QtFileDialogService.h"

#include "platform/qt/TextConversion.h"

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>

namespace {

// "*.xml;*.XML" -> "*.xml *.XML", with "*.*" as "*".
QString QtPatterns(const QString& patterns)
{
    QStringList parts = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& part : parts) {
        part = part.trimmed();
        if (part == QLatin1String("*.*"))
            part = QStringLiteral("*");
    }
    return parts.join(QLatin1Char(' '));
}

// The description without the pattern list it may already show in parentheses.
QString BareDescription(const QString& description)
{
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString bare = description;
    bare.remove(trailingPatterns);
    return bare.trimmed();
}

void RefuseUnwritablePath(const QString& path)
{
    QMessageBox::warning(QApplication::activeWindow(), QGuiApplication::applicationDisplayName(),
                         QStringLiteral("Der Pfad „%1“ enthält Zeichen, die Kostenkoch nicht speichern "
                                        "kann. Bitte wählen Sie einen anderen Namen oder ein anderes "
                                        "Verzeichnis.")
                             .arg(path));
}

} // namespace

QStringList QtNameFilters(const std::string& filter)
{
    const QStringList parts = ToQString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(BareDescription(parts[i]), QtPatterns(parts[i + 1]));
    return filters;
}

std::optional<std::string> CQtFileDialogService::AskOpenPath(const CFileDialogRequest& request)
{
    return Ask(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> CQtFileDialogService::AskSavePath(const CFileDialogRequest& request)
{
    return Ask(request, QFileDialog::AcceptSave);
}

std::optional<std::string> CQtFileDialogService::Ask(const CFileDialogRequest& request,
                                                     QFileDialog::AcceptMode mode)
{
    for (;;) {
        QFileDialog dialog(QApplication::activeWindow());
        dialog.setObjectName(QStringLiteral("fileDialog"));
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                           : QFileDialog::AnyFile);
        Configure(dialog, request);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString chosen = dialog.selectedFiles().constFirst();
        bool ok = false;
        std::string path = FromQString(chosen, &ok);
        if (ok)
            return path;
        RefuseUnwritablePath(chosen);
    }
}

void CQtFileDialogService::Configure(QFileDialog& dialog, const CFileDialogRequest& request)
{
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.ConfirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    const QStringList filters = QtNameFilters(request.Filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.DefaultExtension.empty())
        dialog.setDefaultSuffix(ToQString(request.DefaultExtension));
    if (!request.InitialDirectory.empty())
        dialog.setDirectory(ToQString(request.InitialDirectory));
    if (!request.DefaultFileName.empty())
        dialog.selectFile(ToQString(request.DefaultFileName));
}
