#include "FlatButton.h"

#include "OpenControlAddress.h"

#include <QAction>
#include <QEnterEvent>
#include <QMenu>
#include <QPainter>
#include <qdrawutil.h>

namespace {

constexpr int kCaptionMargin = 3;
constexpr int kFocusInset = 3;
// A pressed button sinks into a two-pixel frame, plainly apart from its neighbours.
constexpr int kPressedFrameWidth = 2;

} // namespace

CFlatButton::CFlatButton(QWidget* parent) : CFlatButton(QString(), parent) {}

CFlatButton::CFlatButton(const QString& text, QWidget* parent) : QAbstractButton(parent)
{
    setText(text);
    setMouseTracking(true);
    for (int slot = 0; slot < kColorCount; slot += 2) {
        m_colors[slot] = palette().color(QPalette::Button);
        m_colors[slot + 1] = palette().color(QPalette::ButtonText);
    }
    connect(this, &QAbstractButton::clicked, this, &CFlatButton::OnClicked);
}

int CFlatButton::SetColor(int index, const QColor& color, bool repaint)
{
    if (index < 0 || index >= kColorCount)
        return 3;
    m_colors[index] = color;
    if (repaint)
        update();
    return 0;
}

QColor CFlatButton::GetColor(int index) const
{
    return index >= 0 && index < kColorCount ? m_colors[index] : QColor();
}

void CFlatButton::SetCheck(bool state, bool repaint)
{
    if (!m_checkBoxMode)
        return;
    m_checked = state;
    if (repaint)
        update();
}

void CFlatButton::SetFlat(bool flat, bool repaint)
{
    m_flat = flat;
    if (repaint)
        update();
}

void CFlatButton::SetMenu(QMenu* menu)
{
    m_menu = menu;
}

QMenu* CFlatButton::GetMenu() const
{
    return m_menu;
}

bool CFlatButton::IsDrawnPressed() const
{
    return isDown() || (m_checkBoxMode && m_checked);
}

QSize CFlatButton::sizeHint() const
{
    const QSize caption = fontMetrics().size(Qt::TextShowMnemonic, text());
    return caption + QSize(4 * kCaptionMargin + 4, 2 * kCaptionMargin + 6);
}

void CFlatButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int slot = FlatButtonBackgroundSlot(m_hover, IsDrawnPressed(), hasFocus());
    if (!DrawStyledBackground(painter)) {
        painter.fillRect(rect(), m_colors[slot]);
        DrawFrame(painter);
    }
    const QColor textColor =
        isEnabled() ? m_colors[slot + 1] : palette().color(QPalette::Disabled, QPalette::ButtonText);
    DrawCaption(painter, textColor);
    DrawFocus(painter, textColor);
}

bool CFlatButton::DrawStyledBackground(QPainter&)
{
    return false;
}

void CFlatButton::DrawFrame(QPainter& painter) const
{
    if (IsDrawnPressed())
        qDrawShadePanel(&painter, rect(), palette(), true, kPressedFrameWidth);
    else if (!m_flat || m_hover)
        qDrawShadePanel(&painter, rect(), palette(), false, 1);
}

void CFlatButton::DrawCaption(QPainter& painter, const QColor& color) const
{
    QRect area = rect().adjusted(kCaptionMargin, kCaptionMargin, -kCaptionMargin, -kCaptionMargin);
    if (IsDrawnPressed())
        area.translate(1, 1);
    painter.setPen(color);
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}

void CFlatButton::DrawFocus(QPainter& painter, const QColor& color) const
{
    if (!hasFocus())
        return;
    painter.setPen(QPen(color, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(kFocusInset, kFocusInset, -kFocusInset - 1, -kFocusInset - 1));
}

void CFlatButton::mouseMoveEvent(QMouseEvent* event)
{
    UpdateHover(rect().contains(event->position().toPoint()));
    QAbstractButton::mouseMoveEvent(event);
}

void CFlatButton::enterEvent(QEnterEvent* event)
{
    UpdateHover(rect().contains(event->position().toPoint()));
    QAbstractButton::enterEvent(event);
}

void CFlatButton::leaveEvent(QEvent* event)
{
    SetHover(false);
    QAbstractButton::leaveEvent(event);
}

void CFlatButton::UpdateHover(bool cursorInside)
{
    SetHover(FlatButtonWantsHover(m_flat, cursorInside, isActiveWindow(), m_trackWhenInactive));
}

void CFlatButton::SetHover(bool hover)
{
    if (hover == m_hover)
        return;
    m_hover = hover;
    update();
}

void CFlatButton::OnClicked()
{
    if (m_checkBoxMode) {
        SetCheck(!m_checked, true);
    } else if (m_menu) {
        if (QMenu* submenu = FirstSubmenu(*m_menu))
            PopUpMenu(*submenu);
    } else if (!m_address.isEmpty() && m_opener) {
        OpenControlAddress(*m_opener, m_address);
    }
}

void CFlatButton::PopUpMenu(QMenu& submenu)
{
    // The menu runs its own event loop; an action may destroy the button meanwhile.
    const QPointer<CFlatButton> self(this);
    setDown(true);
    submenu.exec(mapToGlobal(QPoint(0, height())));
    if (self)
        setDown(false);
}

int FlatButtonBackgroundSlot(bool hover, bool pressed, bool focused)
{
    if (hover || pressed)
        return CFlatButton::kHoverBackground;
    return focused ? CFlatButton::kFocusBackground : CFlatButton::kBackground;
}

bool FlatButtonWantsHover(bool flat, bool cursorInside, bool windowActive, bool trackWhenInactive)
{
    return flat && cursorInside && (windowActive || trackWhenInactive);
}

QMenu* FirstSubmenu(const QMenu& menu)
{
    const QList<QAction*> items = menu.actions();
    return items.isEmpty() ? nullptr : items.first()->menu();
}
