#pragma once

#include <string_view>

// One text of a language table as written in the source: its string id and its UTF-8 text.
struct CStringEntry
{
    int Id;
    std::string_view Utf8;
};
