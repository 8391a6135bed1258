#include "LinkStatic.h"

#include "HyperlinkError.h"
#include "OpenControlAddress.h"
#include "platform/MessageService.h"
#include "platform/qt/TextConversion.h"

#include <QMouseEvent>

CLinkStatic::CLinkStatic(const QString& text, const QString& address, QWidget* parent)
    : QLabel(parent), m_address(address.isEmpty() ? text : address)
{
    setTextFormat(Qt::PlainText);
    QLabel::setText(text.isEmpty() ? m_address : text);
    m_normalFont = font();
    m_underlinedFont = m_normalFont;
    m_underlinedFont.setUnderline(true);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setToolTip(m_address);
    setAutoFillBackground(true);
    m_hoverTimer.setInterval(kHoverInterval);
    connect(&m_hoverTimer, &QTimer::timeout, this, [this] { HoverTick(QCursor::pos()); });
    ApplyLook();
}

void CLinkStatic::SetAddress(const QString& address)
{
    m_address = address;
    setToolTip(m_address);
    if (text().isEmpty())
        SetText(m_address);
}

void CLinkStatic::SetText(const QString& text)
{
    QLabel::setText(text);
    AdjustToText();
}

void CLinkStatic::SetUnderline(int mode)
{
    m_underline = mode;
    ApplyLook();
}

void CLinkStatic::SetColors(const CLinkColors& colors)
{
    m_colors = colors;
    ApplyLook();
}

void CLinkStatic::SetAdjustSize(bool adjust)
{
    m_adjustSize = adjust;
    AdjustToText();
}

void CLinkStatic::SetVisited(bool visited)
{
    m_visited = visited;
    ApplyLook();
}

void CLinkStatic::HoverTick(const QPoint& globalCursor)
{
    if (!m_hover || rect().contains(mapFromGlobal(globalCursor)))
        return;
    m_hover = false;
    m_hoverTimer.stop();
    ApplyLook();
}

void CLinkStatic::OpenAddress()
{
    if (!m_opener)
        return;
    const int result = OpenControlAddress(*m_opener, m_address);
    if (OpenSucceeded(result)) {
        SetVisited(true);
        return;
    }
    if (m_messages)
        m_messages->ShowWarning(FromQString(HyperlinkErrorMessage(result)), {});
}

void CLinkStatic::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_hover && rect().contains(event->position().toPoint())) {
        m_hover = true;
        ApplyLook();
        m_hoverTimer.start();
    }
    QLabel::mouseMoveEvent(event);
}

void CLinkStatic::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        OpenAddress();
}

void CLinkStatic::changeEvent(QEvent* event)
{
    // A font given from outside becomes the link's font; our own switches keep the pair.
    if (event->type() == QEvent::FontChange && !m_settingFont) {
        m_normalFont = font();
        m_underlinedFont = m_normalFont;
        m_underlinedFont.setUnderline(true);
        ApplyLook();
    }
    QLabel::changeEvent(event);
}

void CLinkStatic::ApplyLook()
{
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, LinkTextColor(m_colors, m_hover, m_visited));
    colors.setColor(QPalette::Window, colors.color(QPalette::Button));
    setPalette(colors);
    m_settingFont = true;
    setFont(LinkUnderlined(m_underline, m_hover) ? m_underlinedFont : m_normalFont);
    m_settingFont = false;
    AdjustToText();
    update();
}

void CLinkStatic::AdjustToText()
{
    if (m_adjustSize)
        setGeometry(AdjustedGeometry(geometry(), sizeHint(), alignment()));
}

QColor LinkTextColor(const CLinkColors& colors, bool hover, bool visited)
{
    if (hover)
        return colors.Hover;
    return visited ? colors.Visited : colors.Link;
}

bool LinkUnderlined(int underlineMode, bool hover)
{
    return underlineMode == CLinkStatic::kUnderlineAlways ||
           (underlineMode == CLinkStatic::kUnderlineHover && hover);
}

QRect AdjustedGeometry(const QRect& current, const QSize& size, Qt::Alignment alignment)
{
    QRect adjusted(current.topLeft(), size);
    if (alignment & Qt::AlignRight)
        adjusted.moveRight(current.right());
    else if (alignment & Qt::AlignHCenter)
        adjusted.moveLeft(current.left() + (current.width() - size.width()) / 2);
    if (alignment & Qt::AlignBottom)
        adjusted.moveBottom(current.bottom());
    else if (alignment & Qt::AlignVCenter)
        adjusted.moveTop(current.top() + (current.height() - size.height()) / 2);
    return adjusted;
}
