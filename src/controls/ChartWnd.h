#pragma once

#include "controls/model/ChartGraph.h"

#include <QImage>
#include <QWidget>

// The chart area of the evaluation page: owns the chart model, which the evaluation build
// fills, and paints it whenever the window needs painting. Nothing is cached between paints;
// after changing the model the owner calls update().
class CChartWnd : public QWidget
{
    Q_OBJECT

public:
    explicit CChartWnd(QWidget* parent = nullptr);

    CChartGraph& Graph() { return m_graph; }
    const CChartGraph& Graph() const { return m_graph; }
    // The chart as the window shows it now: its size, at the screen's pixel ratio.
    QImage Render() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CChartGraph m_graph;
};
