#pragma once

class CPrintLayout;
struct CPrintItem;
class QPagedPaintDevice;
class QPainter;

// The print pass: draws a laid-out document page by page (header, the page's items, footer)
// onto a printer or PDF writer.
class CPrintPass
{
public:
    // Pages `from` to `to` (1-based, clamped to the page count; 0 for both means all). False
    // when the device refuses to start the document; nothing is drawn then.
    static bool Run(QPagedPaintDevice& device, CPrintLayout& layout, int from = 0, int to = 0);
    static void DrawPage(QPainter& painter, CPrintLayout& layout, int page);
    // A picture that cannot be loaded draws nothing.
    static void DrawItem(QPainter& painter, CPrintLayout& layout, const CPrintItem& item);
};
