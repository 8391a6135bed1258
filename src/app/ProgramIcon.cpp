#include "ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor kTile{162, 59, 42};
const QColor kPot{255, 255, 255};

} // namespace

QIcon CProgramIcon::Create()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(Draw(size));
    return icon;
}

QPixmap CProgramIcon::Draw(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Paint(painter, size);
    return pixmap;
}

// Drawn on a 16 x 16 grid scaled to the size, so every size shows the same picture.
void CProgramIcon::Paint(QPainter& painter, double size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kTile);
    painter.drawRoundedRect(QRectF(0, 0, 16, 16), 3, 3);
    painter.setBrush(kPot);
    painter.drawRoundedRect(QRectF(3.5, 7, 9, 6), 1.5, 1.5); // body
    painter.drawRect(QRectF(2.5, 6, 11, 1.2));               // lid
    painter.drawRect(QRectF(1.5, 8, 2, 1));                  // handles
    painter.drawRect(QRectF(12.5, 8, 2, 1));
    QPen steam(kPot, 0.9, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(steam);
    painter.setBrush(Qt::NoBrush);
    for (const double x : {6.0, 8.5}) {
        QPainterPath path(QPointF(x, 4.8));
        path.cubicTo(QPointF(x - 0.8, 3.8), QPointF(x + 0.8, 3.0), QPointF(x, 2.0));
        painter.drawPath(path);
    }
    painter.restore();
}
