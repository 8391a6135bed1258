#include "StartPicture.h"

#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kInk(62, 74, 60);
const QColor kPotBody(176, 186, 196);
const QColor kPotShade(132, 144, 156);
const QColor kHerb(108, 148, 92);
const QColor kHerbDark(78, 116, 70);

void DrawBackground(QPainter& painter)
{
    QLinearGradient sky(0, 0, 0, CStartPicture::kTextBandTop);
    sky.setColorAt(0.0, QColor(253, 246, 232));
    sky.setColorAt(1.0, QColor(232, 240, 226));
    painter.fillRect(0, 0, CStartPicture::kWidth, CStartPicture::kTextBandTop, sky);

    QRadialGradient glow(QPointF(360, 150), 190);
    glow.setColorAt(0.0, QColor(255, 236, 200, 150));
    glow.setColorAt(1.0, QColor(255, 236, 200, 0));
    painter.fillRect(0, 0, CStartPicture::kWidth, CStartPicture::kTextBandTop, glow);

    // The worktop the pot stands on, and the plain band for the text lines.
    painter.fillRect(0, 262, CStartPicture::kWidth, 50, QColor(214, 196, 168));
    painter.fillRect(0, 262, CStartPicture::kWidth, 4, QColor(190, 168, 136));
    painter.fillRect(0, CStartPicture::kTextBandTop, CStartPicture::kWidth,
                     CStartPicture::kHeight - CStartPicture::kTextBandTop, QColor(250, 248, 242));
    painter.fillRect(0, CStartPicture::kTextBandTop, CStartPicture::kWidth, 1, QColor(200, 190, 170));
}

void DrawSteam(QPainter& painter)
{
    QPen pen(QColor(150, 160, 170, 150), 5, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (int x : {318, 348, 378}) {
        QPainterPath wisp(QPointF(x, 176));
        wisp.cubicTo(QPointF(x - 14, 160), QPointF(x + 14, 146), QPointF(x, 132));
        wisp.cubicTo(QPointF(x - 12, 120), QPointF(x + 9, 112), QPointF(x + 2, 102));
        painter.drawPath(wisp);
    }
}

void DrawPot(QPainter& painter)
{
    painter.setPen(QPen(kPotShade, 2));
    painter.setBrush(kPotBody);
    painter.drawRoundedRect(QRectF(266, 190, 164, 76), 10, 10);
    // Handles and lid.
    painter.drawRoundedRect(QRectF(248, 204, 22, 12), 5, 5);
    painter.drawRoundedRect(QRectF(426, 204, 22, 12), 5, 5);
    painter.setBrush(QColor(196, 204, 212));
    painter.drawRoundedRect(QRectF(258, 178, 180, 16), 8, 8);
    painter.setBrush(kPotShade);
    painter.drawEllipse(QRectF(338, 166, 20, 14));
    // A soft highlight on the pot's body.
    painter.setPen(QPen(QColor(230, 234, 238), 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(284, 206), QPointF(284, 248));
}

void DrawHat(QPainter& painter)
{
    painter.setPen(QPen(QColor(196, 196, 190), 2));
    painter.setBrush(QColor(255, 255, 252));
    QPainterPath puff;
    puff.setFillRule(Qt::WindingFill);
    puff.addEllipse(QRectF(64, 150, 54, 50));
    puff.addEllipse(QRectF(96, 134, 62, 58));
    puff.addEllipse(QRectF(138, 150, 54, 50));
    painter.drawPath(puff.simplified());
    painter.drawRect(QRectF(82, 186, 92, 58));
    painter.setPen(QPen(QColor(214, 214, 206), 2));
    for (int x : {104, 128, 152})
        painter.drawLine(QPointF(x, 200), QPointF(x, 240));
    painter.setPen(QPen(QColor(196, 196, 190), 2));
    painter.setBrush(QColor(246, 244, 236));
    painter.drawRect(QRectF(78, 240, 100, 24));
}

void DrawLeaf(QPainter& painter, const QPointF& base, double angle, double length)
{
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf(QPointF(0, 0));
    leaf.cubicTo(QPointF(length * 0.3, -length * 0.35), QPointF(length * 0.75, -length * 0.3),
                 QPointF(length, 0));
    leaf.cubicTo(QPointF(length * 0.75, length * 0.3), QPointF(length * 0.3, length * 0.35), QPointF(0, 0));
    painter.drawPath(leaf);
    painter.restore();
}

void DrawHerbs(QPainter& painter)
{
    painter.setPen(QPen(kHerbDark, 2));
    painter.drawLine(QPointF(214, 266), QPointF(206, 214));
    painter.drawLine(QPointF(226, 266), QPointF(236, 222));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kHerb);
    DrawLeaf(painter, QPointF(208, 228), -120, 26);
    DrawLeaf(painter, QPointF(207, 222), -60, 24);
    DrawLeaf(painter, QPointF(206, 214), -95, 22);
    painter.setBrush(kHerbDark);
    DrawLeaf(painter, QPointF(234, 236), -40, 24);
    DrawLeaf(painter, QPointF(236, 226), -100, 22);
    DrawLeaf(painter, QPointF(222, 262), -160, 20);
    painter.setBrush(QColor(200, 70, 56));
    painter.drawEllipse(QRectF(450, 248, 16, 16));
    painter.drawEllipse(QRectF(464, 254, 12, 12));
}

void DrawTitle(QPainter& painter)
{
    QFont name(QStringLiteral("DejaVu Serif"));
    name.setPixelSize(46);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(kInk);
    painter.drawText(QRectF(0, 14, CStartPicture::kWidth, 60), Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Kostenkoch"));

    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(15);
    painter.setFont(subtitle);
    painter.setPen(QColor(110, 118, 100));
    painter.drawText(QRectF(0, 70, CStartPicture::kWidth, 24), Qt::AlignHCenter | Qt::AlignVCenter,
                     UiText(DialogText::StartPicture::kSubtitle));
}

} // namespace

QImage CStartPicture::Render()
{
    QImage picture(kWidth, kHeight, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawBackground(painter);
    DrawSteam(painter);
    DrawPot(painter);
    DrawHat(painter);
    DrawHerbs(painter);
    DrawTitle(painter);
    return picture;
}
