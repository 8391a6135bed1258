#pragma once

#include "print/PrintFont.h"
#include "print/PrintFontCache.h"
#include "print/PrintHeader.h"
#include "print/PrintItem.h"

#include <QFontMetrics>
#include <QRect>
#include <vector>

class QPaintDevice;

// The layout pass of one print job: the page geometry of the printer, the three fonts, the
// font cache and the items placed so far on numbered pages. The page header (name, company,
// title, date and time above a rule) and the footer ("Seite PS von PE" below a rule) are
// measured when the layout is made and leave the body between them; documents place their
// items in Body() and raise the page count with NewPage() when a block does not fit.
//
// Everything is in device units: margins are 18 mm, font 1 is 6 mm high (its width half the
// height), font 2 three quarters of font 1 and font 3 three quarters of font 2, all from the
// device's resolution and size, so a printout looks the same on every printer.
class CPrintLayout
{
public:
    CPrintLayout(const QPaintDevice& device, CPrintHeader header);
    CPrintLayout(const CPrintLayout&) = delete;
    CPrintLayout& operator=(const CPrintLayout&) = delete;

    // The printer or PDF writer the layout measures for.
    const QPaintDevice& Device() const { return m_device; }
    // The printable page without the margins.
    const QRect& Content() const { return m_content; }
    // Where documents place their items: the content between header and footer.
    const QRect& Body() const { return m_body; }
    const CPrintFont& Font1() const { return m_font1; }
    const CPrintFont& Font2() const { return m_font2; }
    const CPrintFont& Font3() const { return m_font3; }
    // A length given in units of a 600 dpi printer, on this device.
    int DeviceUnits(int unitsAt600Dpi) const;
    // The width of ruled lines.
    int PenWidth() const { return DeviceUnits(3); }

    const QFont& QtFont(const CPrintFont& font) { return m_fonts.Get(font); }
    QFontMetrics Metrics(const CPrintFont& font);
    const CPrintFontCache& Fonts() const { return m_fonts; }
    // The height of "ABCgp?" in the font plus a fifth of it.
    int LineHeight(const CPrintFont& font);
    int TextWidth(const QString& text, const CPrintFont& font);
    // The height the text takes when wrapped into `width`.
    int WrappedHeight(const QString& text, const CPrintFont& font, int width);

    // The page that new items go to, which is also the page count.
    int Page() const { return m_pageCount; }
    int PageCount() const { return m_pageCount; }
    // Starts the next page and returns its number.
    int NewPage() { return ++m_pageCount; }

    void AddText(int page, const QString& text, int flags, const QRect& rect, const CPrintFont& font);
    void AddLine(int page, const QPoint& from, const QPoint& to);
    void AddPicture(int page, const QString& path, const QRect& rect);
    // A rule across the content width at height y.
    void AddRule(int page, int y);
    // The document's items, in the order they were placed.
    const std::vector<CPrintItem>& Items() const { return m_items; }
    // Everything drawn on a page: the header, the document's items of that page, the footer.
    std::vector<CPrintItem> PageItems(int page);

    // The document cannot be printed; the job shows the message `stringId`.
    void Fail(int stringId) { m_failure = stringId; }
    int Failure() const { return m_failure; }

private:
    // Appends an item of `kind` on `page`; the caller fills in the rest.
    CPrintItem& NewItem(CPrintItem::EKind kind, int page);
    void MeasureHeaderAndFooter();
    void AppendHeader(std::vector<CPrintItem>& items, int page);
    void AppendFooter(std::vector<CPrintItem>& items, int page);

    const QPaintDevice& m_device;
    CPrintHeader m_header;
    CPrintFontCache m_fonts;
    QRect m_content;
    QRect m_body;
    CPrintFont m_font1, m_font2, m_font3;
    double m_dpi = 600.0;
    int m_pageCount = 1;
    int m_failure = 0;
    std::vector<CPrintItem> m_items;
};
