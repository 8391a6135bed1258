#pragma once

#include "controls/model/ListColumn.h"

// One column of a list as a page declares it: the string id of its header, its alignment and
// its width.
struct CListColumnSpec
{
    int HeaderId;
    EColumnFormat Format;
    int Width;
};
