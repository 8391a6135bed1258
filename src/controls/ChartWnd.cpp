#include "ChartWnd.h"

#include "controls/ChartPainter.h"

#include <QPaintEvent>
#include <QPainter>

CChartWnd::CChartWnd(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 150);
}

QImage CChartWnd::Render() const
{
    return CChartPainter::Render(m_graph, size(), devicePixelRatioF());
}

void CChartWnd::paintEvent(QPaintEvent* event)
{
    (void)event;
    QPainter painter(this);
    CChartPainter::Draw(painter, m_graph, width(), height());
}
