#pragma once

#include "pages/common/PageKind.h"

class CPageHost;
class CSubDialog;
class QWidget;

// Creates the work pages: the one place of the pages library that sees every tab's folder.
// The main window asks for each of the twelve once and talks to them only through CSubDialog.
namespace PageFactory {

// A new page owned by `parent`, named after PageTable::ObjectName.
CSubDialog* Create(EPage page, CPageHost& host, QWidget* parent);

} // namespace PageFactory
