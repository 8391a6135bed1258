#pragma once

#include "controls/model/ListColumn.h"

// One column of a list as a page declares it: the string id of its header, its alignment, its
// width and the widest text it is meant to show whole (none when the width says it all); the
// list makes the column wide enough for its header and that text.
struct CListColumnSetup
{
    int HeaderId;
    EColumnFormat Format;
    int Width;
    const char* Widest = nullptr;
};
