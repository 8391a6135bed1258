#pragma once

#include "pages/common/PageKind.h"

// What the main window knows of each page without the page itself: its help anchor in
// "KostenkochHelp.html" and the object name it is found by.
namespace PageTable {

const char* HelpAnchor(EPage page);
const char* ObjectName(EPage page);

} // namespace PageTable
