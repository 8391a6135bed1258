#include "PrintTestSupport.h"

#include "print/PrintLayout.h"

#include <QPageSize>
#include <QProcess>
#include <QStandardPaths>

CPdfDevice::CPdfDevice()
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(&m_buffer);
    m_writer->setPageSize(QPageSize(QPageSize::A4));
    m_writer->setResolution(600);
    m_writer->setPageMargins(QMarginsF(0, 0, 0, 0));
}

CPrintHeader TestHeader()
{
    return {QStringLiteral("Marta Brenner"), QStringLiteral("Gasthof Zur Linde"),
            QStringLiteral("Zutatenliste"), QStringLiteral("14.03.24 12:30")};
}

QStringList TextsOnPage(CPrintLayout& layout, int page)
{
    QStringList texts;
    for (const CPrintItem& item : layout.PageItems(page))
        if (item.Kind == CPrintItem::EKind::Text)
            texts << item.Text;
    return texts;
}

std::vector<CPrintItem> BodyTexts(const CPrintLayout& layout, int page)
{
    std::vector<CPrintItem> items;
    for (const CPrintItem& item : layout.Items())
        if (item.Kind == CPrintItem::EKind::Text && item.Page == page)
            items.push_back(item);
    return items;
}

std::vector<CPrintItem> ItemsWithText(const CPrintLayout& layout, const QString& text)
{
    std::vector<CPrintItem> items;
    for (const CPrintItem& item : layout.Items())
        if (item.Kind == CPrintItem::EKind::Text && item.Text == text)
            items.push_back(item);
    return items;
}

bool Inside(const CPrintItem& item, const QRect& area)
{
    const auto contains = [&](const QPoint& point) {
        return point.x() >= area.x() && point.x() <= area.x() + area.width() && point.y() >= area.y() &&
               point.y() <= area.y() + area.height();
    };
    if (item.Kind == CPrintItem::EKind::Line)
        return contains(item.From) && contains(item.To);
    return contains(item.Rect.topLeft()) &&
           contains(QPoint(item.Rect.x() + item.Rect.width(), item.Rect.y() + item.Rect.height()));
}

namespace {

std::optional<QString> RunTool(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

std::optional<QString> PdfText(const QString& path)
{
    return RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                                 QStringLiteral("UTF-8"), path, QStringLiteral("-")});
}
