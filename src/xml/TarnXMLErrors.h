#pragma once

#include <cstddef>
#include <string>

// Helpers that build and throw the document library's one exception. Syntax messages are
// printf-style and cut to the 511 characters the exception holds.

#if defined(__GNUC__)
#define KK_TARNXML_PRINTF __attribute__((format(printf, 2, 3)))
#else
#define KK_TARNXML_PRINTF
#endif

[[noreturn]] void ThrowTarnXMLError(int code);
[[noreturn]] void ThrowTarnXMLSyntaxError(int line, const char* format, ...) KK_TARNXML_PRINTF;

// Length of [start, end) as the int a node record holds; throws code 0 from 2 GiB on.
int TarnXMLTokenLength(const char* start, const char* end);

// 1 + the number of line feeds in [begin, position), saturated at the largest int.
int CountTarnXMLLines(const char* begin, const char* position);

// The `length` bytes at `first`, cut to at most `maxBytes`, for a "%s" of a message.
std::string TarnXMLToken(const char* first, std::size_t length, std::size_t maxBytes);
