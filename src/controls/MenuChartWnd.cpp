#include "MenuChartWnd.h"

#include "controls/MenuChartPainter.h"
#include "platform/qt/TextConversion.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

CMenuChartWnd::CMenuChartWnd(QWidget* parent) : QWidget(parent), m_measure(CMenuChartPainter::Measure())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

CMenuChartWnd::~CMenuChartWnd() = default;

QImage CMenuChartWnd::Render() const
{
    return CMenuChartPainter::Render(m_chart, size(), devicePixelRatioF());
}

// Always laid out anew: the model may have changed since the last paint.
const CMenuChartLayout& CMenuChartWnd::CurrentLayout()
{
    m_layout = std::make_unique<CMenuChartLayout>(m_chart, width(), height(), m_measure);
    return *m_layout;
}

int CMenuChartWnd::PointAt(const QPoint& position)
{
    return CurrentLayout().FindPoint(position.x(), position.y());
}

int CMenuChartWnd::GetCurrentPoint() const
{
    return m_current >= 0 && static_cast<std::size_t>(m_current) < m_chart.Points.size() ? m_current : -1;
}

void CMenuChartWnd::SetCurrentPoint(int point)
{
    m_current = point >= 0 && static_cast<std::size_t>(point) < m_chart.Points.size() ? point : -1;
    const QString details = m_current >= 0 ? ToQString(m_chart.Points[m_current].Details) : QString();
    setAccessibleDescription(details);
    if (m_current >= 0 && hasFocus()) {
        const CMenuChartLayout& layout = CurrentLayout();
        const QPoint at(layout.GetPointX(m_current),
                        layout.GetPointY(m_current) + layout.GetPointRadius() + 4);
        QToolTip::showText(mapToGlobal(at), details, this);
    }
    update();
}

void CMenuChartWnd::SetCurrentPointById(std::uint32_t id)
{
    int point = -1;
    for (std::size_t index = 0; index < m_chart.Points.size() && point < 0; ++index)
        point = m_chart.Points[index].Id == id ? static_cast<int>(index) : -1;
    SetCurrentPoint(point);
}

void CMenuChartWnd::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    const CMenuChartLayout& layout = CurrentLayout();
    CMenuChartPainter::Draw(painter, m_chart, layout, width(), height());
    // The current dot: a dark ring around it.
    if (const int point = GetCurrentPoint(); point >= 0 && !layout.IsEmpty()) {
        const int radius = layout.GetPointRadius() + 3;
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(QRgb(CMenuChartPainter::kThresholdColor)), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPoint(layout.GetPointX(point), layout.GetPointY(point)), radius, radius);
    }
}

void CMenuChartWnd::keyPressEvent(QKeyEvent* event)
{
    const int count = static_cast<int>(m_chart.Points.size());
    const int current = GetCurrentPoint();
    int next = current;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        next = current + 1 < count ? current + 1 : current;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        next = current > 0 ? current - 1 : (count > 0 ? 0 : -1);
        break;
    case Qt::Key_Home:
        next = count > 0 ? 0 : -1;
        break;
    case Qt::Key_End:
        next = count - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (current >= 0) {
            emit PointActivated(m_chart.Points[current].Id);
            return;
        }
        [[fallthrough]];
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    SetCurrentPoint(next);
    if (next >= 0 && next != current)
        emit CurrentPointChanged(m_chart.Points[next].Id);
}

// Coming in from the keyboard, the chart starts at its first dot, so that the first key tells
// a dish.
void CMenuChartWnd::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    const int current = GetCurrentPoint();
    SetCurrentPoint(current >= 0 ? current : 0);
    if (current < 0 && GetCurrentPoint() >= 0)
        emit CurrentPointChanged(m_chart.Points[GetCurrentPoint()].Id);
}

void CMenuChartWnd::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    QToolTip::hideText();
    update();
}

bool CMenuChartWnd::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int point = PointAt(help->pos());
    if (point >= 0)
        QToolTip::showText(help->globalPos(), ToQString(m_chart.Points[point].Details), this);
    else
        QToolTip::hideText();
    return true;
}

void CMenuChartWnd::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int point = PointAt(event->position().toPoint());
    if (point >= 0)
        emit PointActivated(m_chart.Points[point].Id);
    else
        QWidget::mouseDoubleClickEvent(event);
}
