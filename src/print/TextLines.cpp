#include "TextLines.h"

#include <QFontMetrics>
#include <QRegularExpression>

namespace {

// The longest start of `word` (at least one character) that fits `width`.
qsizetype FittingLength(const QString& word, const QFontMetrics& metrics, int width)
{
    qsizetype length = word.size();
    while (length > 1 && metrics.horizontalAdvance(word.left(length)) > width)
        --length;
    return length;
}

// Splits the words into lines, each as long as fits.
QStringList BreakWords(const QStringList& words, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (QString word : words) {
        const QString joined = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (metrics.horizontalAdvance(joined) <= width) {
            line = joined;
            continue;
        }
        if (!line.isEmpty())
            lines << line;
        while (metrics.horizontalAdvance(word) > width) {
            const qsizetype length = FittingLength(word, metrics, width);
            lines << word.left(length);
            word.remove(0, length);
        }
        line = word;
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

} // namespace

QStringList TextLines::Wrap(const QString& text, const QFontMetrics& metrics, int width, int maxLines)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList lines = BreakWords(text.split(blanks, Qt::SkipEmptyParts), metrics, width);
    if (maxLines > 0 && lines.size() > maxLines) {
        const QString rest = lines.mid(maxLines - 1).join(QLatin1Char(' '));
        lines = lines.mid(0, maxLines - 1);
        lines << Elided(rest, metrics, width);
    }
    return lines;
}

QString TextLines::Elided(const QString& text, const QFontMetrics& metrics, int width)
{
    return metrics.horizontalAdvance(text) > width ? metrics.elidedText(text, Qt::ElideRight, width) : text;
}
