#pragma once

#include "pages/common/GroupSelection.h"

// What the document asks of the window that shows it: the tab row and the group sections of
// the section bar are the window's, though pages ask the document for them.
class CDocumentFrame
{
public:
    virtual ~CDocumentFrame() = default;

    // Rebuilds the tab row after the first ingredient, recipe or sale appeared or the last one
    // went; -1 keeps the selected tab.
    virtual void RebuildTabs(int select) = 0;
    virtual CGroupSelection GetGroupSelection() const = 0;
};
