#pragma once

#include "pages/PageKind.h"

class CPageHost;
class CSubDialog;
class QWidget;

// Creates the work pages. The main window asks for each of the twelve once and talks to them
// only through CSubDialog, so a finished page takes its placeholder's place here alone.
class CPageFactory
{
public:
    // A new page owned by `parent`, named after CPageTable::ObjectName.
    static CSubDialog* Create(EPage page, CPageHost& host, QWidget* parent);

private:
    // The finished page, or null while a placeholder stands for it.
    static CSubDialog* CreatePage(EPage page, CPageHost& host, QWidget* parent);
    static CSubDialog* CreatePlaceholder(EPage page, CPageHost& host, QWidget* parent);
};
