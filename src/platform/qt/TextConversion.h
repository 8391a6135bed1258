#pragma once

#include <QString>
#include <string>

// The one conversion between the Windows-1252 bytes of the catalogue and the text of Qt
// widgets. Every widget of the program shows and reads catalogue text through these.

// A text of the program's own, written as UTF-8 in the source (the dialog texts of
// resources/GermanDialogTexts.h); catalogue bytes go through ToQString instead.
inline QString UiText(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// Every byte has a character, so this never fails.
QString ToQString(const std::string& bytes);

// Returns the Windows-1252 bytes of the text. When a character has no byte in the code page,
// returns an empty string and sets *ok to false (nothing is silently replaced); otherwise
// sets *ok to true. `ok` may be null.
std::string FromQString(const QString& text, bool* ok = nullptr);

// The same, but a character without a byte becomes '?', as a program reading foreign text
// through the code page would see it. For values the user did not type (the settings store).
std::string FromQStringLossy(const QString& text);

// Capitals as a Windows-1252 program makes them: character by character, and only where the
// capital exists in the code page ("ä" -> "Ä", "ÿ" -> "Ÿ"; "ß" and "µ" stay as they are).
QString ToUpperWindows1252(const QString& text);
