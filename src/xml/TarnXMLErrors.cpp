#include "TarnXMLErrors.h"

#include "TarnXMLException.h"

#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstring>

void ThrowTarnXMLError(int code)
{
    CTarnXMLException error;
    error.Code = code;
    throw error;
}

void ThrowTarnXMLSyntaxError(int line, const char* format, ...)
{
    char message[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);

    CTarnXMLException error;
    error.Code = CTarnXMLException::SyntaxError;
    error.Line = line;
    error.Message = message;
    throw error;
}

int TarnXMLTokenLength(const char* start, const char* end)
{
    const std::size_t length = static_cast<std::size_t>(end - start);
    if (length > static_cast<std::size_t>(INT_MAX))
        ThrowTarnXMLError(CTarnXMLException::NoMemory);
    return static_cast<int>(length);
}

int CountTarnXMLLines(const char* begin, const char* position)
{
    std::size_t lines = 1;
    const char* p = begin;
    while (p < position) {
        const void* lf = std::memchr(p, '\n', static_cast<std::size_t>(position - p));
        if (lf == nullptr)
            break;
        ++lines;
        p = static_cast<const char*>(lf) + 1;
    }
    return lines > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(lines);
}

std::string TarnXMLToken(const char* first, std::size_t length, std::size_t maxBytes)
{
    return std::string(first, length < maxBytes ? length : maxBytes);
}
