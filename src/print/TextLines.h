#pragma once

#include <QStringList>

class QFontMetrics;

// Breaks a text into the lines of a bounded column of a printout.
namespace TextLines {

// `text` in lines no wider than `width`: broken between words, inside a word only when the
// word alone is wider. At most `maxLines` lines; the last one is elided when text is left.
QStringList Wrap(const QString& text, const QFontMetrics& metrics, int width, int maxLines);
// `text`, elided at its end when it is wider than `width`.
QString Elided(const QString& text, const QFontMetrics& metrics, int width);

} // namespace TextLines
