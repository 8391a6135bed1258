#pragma once

#include "print/PrintHeader.h"

#include <functional>
#include <memory>

class CPrintLayout;
class QPaintDevice;
class QPagedPaintDevice;

// One printout: the header it carries and the document's layout operation, which places the
// document's items into a CPrintLayout and returns false when it cannot be printed. Each run
// lays the document out afresh for the device it prints on (its resolution and paper decide
// fonts, margins and page breaks), then draws it page by page.
class CPrintJob
{
public:
    using CLayoutOperation = std::function<bool(CPrintLayout&)>;

    CPrintJob(CPrintHeader header, CLayoutOperation layout);

    const CPrintHeader& Header() const { return m_header; }
    // The layout pass for the device. The result's Failure() is the message to show when the
    // document cannot be printed (0: it can).
    std::unique_ptr<CPrintLayout> Layout(const QPaintDevice& device) const;
    // The layout pass, then the print pass of pages `from` to `to` (0: all). Returns the
    // message to show on failure, 0 when printed, -1 when the device refused to start.
    int Print(QPagedPaintDevice& device, int from = 0, int to = 0) const;

private:
    CPrintHeader m_header;
    CLayoutOperation m_layout;
};
