#pragma once

#include "print/PrintHeader.h"
#include "print/PrintItem.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QRect>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

class CPrintLayout;

// An A4 PDF writer at 600 dpi without page margins, writing into memory: the device every
// layout test lays out on (210 mm = 4958 device units across, 297 mm = 7017 down).
class CPdfDevice
{
public:
    CPdfDevice();
    QPdfWriter& Writer() { return *m_writer; }

private:
    QBuffer m_buffer;
    std::unique_ptr<QPdfWriter> m_writer;
};

// The header every test prints under.
CPrintHeader TestHeader();

// The texts of a page's items (header and footer included) in the order they were placed.
QStringList TextsOnPage(CPrintLayout& layout, int page);
// The document's text items of one page (no header or footer).
std::vector<CPrintItem> BodyTexts(const CPrintLayout& layout, int page);
// The items whose text equals `text`, over all pages.
std::vector<CPrintItem> ItemsWithText(const CPrintLayout& layout, const QString& text);
// True when the item's rectangle or line lies inside `area`.
bool Inside(const CPrintItem& item, const QRect& area);

// The text pdftotext reads from a PDF file with its layout kept, or nothing when pdftotext is
// not installed.
std::optional<QString> PdfText(const QString& path);
