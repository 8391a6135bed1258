#include "TextConversion.h"

#include "platform/Windows1252.h"

QString ToQString(const std::string& bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text += QChar(static_cast<char16_t>(Windows1252ToCodePoint(static_cast<unsigned char>(byte))));
    return text;
}

std::string FromQString(const QString& text, bool* ok)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const QChar character : text) {
        // Surrogates have no byte, so UTF-16 units can be looked up one by one.
        const int byte = CodePointToWindows1252(character.unicode());
        if (byte < 0) {
            if (ok)
                *ok = false;
            return {};
        }
        bytes += static_cast<char>(byte);
    }
    if (ok)
        *ok = true;
    return bytes;
}

std::string FromQStringLossy(const QString& text)
{
    std::string bytes;
    bytes.reserve(static_cast<size_t>(text.size()));
    for (const QChar character : text) {
        const int byte = CodePointToWindows1252(character.unicode());
        bytes += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return bytes;
}

QString ToUpperWindows1252(const QString& text)
{
    QString upper = text;
    for (QChar& character : upper) {
        const QChar capital = character.toUpper();
        if (CodePointToWindows1252(capital.unicode()) >= 0)
            character = capital;
    }
    return upper;
}
