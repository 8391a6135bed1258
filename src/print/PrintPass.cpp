#include "PrintPass.h"

#include "controls/RecipePicture.h"
#include "print/PrintLayout.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

bool CPrintPass::Run(QPagedPaintDevice& device, CPrintLayout& layout, int from, int to)
{
    const int count = layout.PageCount();
    const int first = from > 0 ? std::min(from, count) : 1;
    const int last = to > 0 ? std::clamp(to, first, count) : count;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        DrawPage(painter, layout, page);
    }
    return painter.end();
}

void CPrintPass::DrawPage(QPainter& painter, CPrintLayout& layout, int page)
{
    painter.setPen(QPen(Qt::black, layout.PenWidth()));
    for (const CPrintItem& item : layout.PageItems(page))
        DrawItem(painter, layout, item);
}

void CPrintPass::DrawItem(QPainter& painter, CPrintLayout& layout, const CPrintItem& item)
{
    switch (item.Kind) {
    case CPrintItem::EKind::Text:
        painter.setFont(layout.QtFont(item.Font));
        painter.drawText(item.Rect, item.Flags, item.Text);
        break;
    case CPrintItem::EKind::Line:
        painter.drawLine(item.From, item.To);
        break;
    case CPrintItem::EKind::Picture: {
        const QImage image = CRecipePicture::Read(item.Path, item.Rect.size());
        if (!image.isNull())
            painter.drawImage(item.Rect, image);
        break;
    }
    }
}
