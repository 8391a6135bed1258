#pragma once

#include "catalogue/DateTime.h"

#include <string>
#include <string_view>

// Reading the texts, numbers and dates of register exports and journals. Results are
// Windows-1252, as everywhere in the core.
namespace RegisterText {

enum class EEncoding { Utf8, Windows1252 };

// UTF-8 when the bytes start with its byte order mark or are valid UTF-8 with a character
// beyond ASCII; else Windows-1252 (which every byte sequence is).
EEncoding DetectEncoding(std::string_view bytes);
// What the bytes are as UTF-8: plain ASCII, valid UTF-8 with characters beyond ASCII, or no
// UTF-8. For a text read in parts that end at line ends: UTF-8 when no part is Other and one
// is Utf8.
enum class EUtf8Kind { Ascii, Utf8, Other };
EUtf8Kind GetUtf8Kind(std::string_view bytes);
// The length of a UTF-8 byte order mark at the start, or 0.
std::size_t ByteOrderMarkLength(std::string_view bytes);
// Appends the text as Windows-1252. From UTF-8, a character the code page lacks becomes "?"
// and a byte that is no valid UTF-8 is taken as Windows-1252.
void AppendWindows1252(std::string_view bytes, EEncoding encoding, std::string& out);
std::string ToWindows1252(std::string_view bytes, EEncoding encoding);
// The text without blanks, tabs and line ends around it.
std::string_view Trim(std::string_view text);
// A text of the file as a message quotes it: "„text“", cut after 60 characters.
std::string Quoted(std::string_view text);
// The same in place (the text never grows), from byte `from` on; the bytes before it are
// dropped (a byte order mark).
void MakeWindows1252(std::string& text, std::size_t from, EEncoding encoding);

// A number with the given decimal symbol and digit grouping symbol (0 = none): an optional
// sign ("-" or "+") in front, digits with grouping symbols only between digits, an optional
// fraction. Blanks around it are ignored; anything else fails.
bool ParseNumber(std::string_view text, char decimal, char grouping, double& value);

// Whether the number is certainly written German ("1.234,5", "0,25") or certainly English
// ("1,234.5", "0.25"); Unknown for a plain integer or an ambiguous "1,234" / "1.234".
enum class ENumberStyle { Unknown, German, English };
ENumberStyle GetNumberStyle(std::string_view text);

// A date as dd.mm.yyyy (also d.m.yy) or yyyy-mm-dd, optionally followed by a time after a
// blank or "T" (hh:mm or hh:mm:ss, fractions of a second and a zone such as "Z" or "+01:00"
// ignored: times are taken as the register's local time).
bool ParseDateTime(std::string_view text, CDateTime& value);
// A time of day hh:mm or hh:mm:ss.
bool ParseTime(std::string_view text, int& hour, int& minute, int& second);

} // namespace RegisterText
