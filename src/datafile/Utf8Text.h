#pragma once

#include "platform/Windows1252.h"

#include <string>
#include <string_view>

// A program text written in UTF-8 in the source, as the Windows-1252 bytes the core shows.
// Only for texts known to fit the code page; a character outside it would be left out.
inline std::string Windows1252Text(std::string_view utf8)
{
    std::string text;
    Utf8ToWindows1252(utf8, text);
    return text;
}
