#pragma once

#include <QFont>

// The fonts of the main window's frame, all bold in the system's sans-serif face: the tab row
// and the section buttons (14 pixels), a page's heading (18) and its subtitle (14).
class CAppFonts
{
public:
    static QFont Tab() { return Bold(14); }
    static QFont Title() { return Bold(18); }
    static QFont Subtitle() { return Bold(14); }

private:
    static QFont Bold(int pixelSize);
};
