#pragma once

#include <string>
#include <string_view>

// Conversion between the Windows-1252 bytes that the catalogue and the data file hold and
// UTF-8 text at the program's edges (widgets, command-line output, settings).

// Every byte maps to a character; the five bytes that Windows-1252 leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control characters of the same value.
std::string Windows1252ToUtf8(std::string_view bytes);

// Converts UTF-8 text to Windows-1252. Returns false, leaving `out` unchanged, when the text is
// not valid UTF-8 or holds a character that Windows-1252 cannot represent.
bool Utf8ToWindows1252(std::string_view utf8, std::string& out);

// Decodes the UTF-8 sequence at `pos` and moves `pos` past it; false, leaving `pos`, on a
// malformed, overlong or surrogate sequence.
bool DecodeUtf8(std::string_view text, size_t& pos, char32_t& cp);

// Code point of a Windows-1252 byte.
char32_t Windows1252ToCodePoint(unsigned char byte);

// Windows-1252 byte of a code point, or -1 when the code page has none.
int CodePointToWindows1252(char32_t codePoint);

// The small letter of a Windows-1252 capital: A-Z, the Latin-1 capitals (not the
// multiplication sign) and Š, Œ, Ž; any other byte as it is.
char LowerWindows1252(char c);
