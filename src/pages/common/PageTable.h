#pragma once

#include "pages/common/PageKind.h"

// What the main window knows of each page without the page itself: its help anchor in
// "KostenkochHelp.html" and the object name it is found by.
class CPageTable
{
public:
    static const char* HelpAnchor(EPage page);
    static const char* ObjectName(EPage page);
};
