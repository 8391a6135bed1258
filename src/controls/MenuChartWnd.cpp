#include "MenuChartWnd.h"

#include "controls/MenuChartPainter.h"
#include "platform/qt/TextConversion.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

CMenuChartWnd::CMenuChartWnd(QWidget* parent) : QWidget(parent), m_measure(CMenuChartPainter::Measure())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
    setMouseTracking(true);
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

void CMenuChartWnd::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    CMenuChartPainter::Draw(painter, m_chart, CurrentLayout(), width(), height());
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
