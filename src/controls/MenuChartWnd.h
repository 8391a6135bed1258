#pragma once

#include "controls/model/MenuChart.h"
#include "controls/model/MenuChartLayout.h"

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>

// The menu chart of the evaluation page: owns the chart model, which the menu analysis fills,
// and paints it. Hovering over a dot tells its dish and figures in a tooltip (the way to read a
// name the chart had no room for); a double click on a dot reports its id. From the keyboard
// the arrow keys (and Home, End) go from dot to dot in the order of the points, ringing the
// current one and telling its dish and figures in a tooltip and as the accessible description
// for screen readers; Enter reports its id. The current dot is ringed also without the focus,
// so that the owner can show there the dish chosen elsewhere (SetCurrentPointById). The layout
// of the last paint is kept for hovering and clicking; after changing the model the owner calls
// update().
class CMenuChartWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CMenuChartWnd(QWidget* parent = nullptr);
    ~CMenuChartWnd() override;

    CMenuChart& Chart() { return m_chart; }
    const CMenuChart& Chart() const { return m_chart; }
    // The chart at the window's size and the screen's pixel ratio.
    QImage Render() const;
    // The index of the point under (x, y) in the layout of the present size; -1 for none.
    int PointAt(const QPoint& position);
    // The point the keyboard is on; -1 for none.
    int GetCurrentPoint() const;
    void SetCurrentPoint(int point);
    // The point of that id current; none when no point has it.
    void SetCurrentPointById(std::uint32_t id);

signals:
    void PointActivated(std::uint32_t id);
    // The keyboard went to another point.
    void CurrentPointChanged(std::uint32_t id);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const CMenuChartLayout& CurrentLayout();

    CMenuChart m_chart;
    CMenuChartLayout::CTextMeasure m_measure;
    std::unique_ptr<CMenuChartLayout> m_layout;
    int m_current = -1;
};
