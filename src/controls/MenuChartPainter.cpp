#include "MenuChartPainter.h"

#include "controls/model/MenuChart.h"
#include "platform/qt/TextConversion.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <map>
#include <memory>

namespace {

const QColor kGridColor(225, 225, 225);
const QColor kThresholdColor = QColor::fromRgb(CMenuChartPainter::kThresholdColor);
// How much of a quadrant's colour tints its background.
constexpr double kTint = 0.08;

QFont MenuFont(int pixelHeight)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    font.setPixelSize(qMax(pixelHeight, 1));
    font.setWeight(pixelHeight == CMenuChartLayout::kLabelFont ? QFont::Normal : QFont::Bold);
    return font;
}

QColor ToQColor(const CChartColor& color)
{
    return QColor(color.Red, color.Green, color.Blue);
}

QColor Tinted(const CChartColor& color)
{
    const auto mix = [](int channel) { return static_cast<int>(255 - (255 - channel) * kTint); };
    return QColor(mix(color.Red), mix(color.Green), mix(color.Blue));
}

void DrawText(QPainter& painter, const CMenuChartLayout::CText& text)
{
    const QFont font = MenuFont(text.FontHeight);
    painter.setFont(font);
    painter.drawText(text.Box.Left, text.Box.Top + QFontMetrics(font).ascent(), ToQString(text.Text));
}

class CMenuDrawing
{
public:
    CMenuDrawing(QPainter& painter, const CMenuChart& chart, const CMenuChartLayout& layout)
        : m_painter(painter), m_chart(chart), m_layout(layout), m_plot(layout.GetPlot())
    {}

    void Draw()
    {
        m_painter.setPen(Qt::black);
        DrawText(m_painter, m_layout.GetTitle());
        if (m_layout.IsEmpty()) {
            DrawText(m_painter, m_layout.GetEmptyText());
            return;
        }
        DrawQuadrants();
        DrawScales();
        DrawThresholds();
        DrawPoints();
        DrawTexts();
        DrawAxisTitles();
    }

private:
    void DrawQuadrants()
    {
        const int x = std::clamp(m_layout.GetThresholdX(), m_plot.Left, m_plot.Right());
        const int y = std::clamp(m_layout.GetThresholdY(), m_plot.Top, m_plot.Bottom());
        const QRect rects[CMenuChart::kQuadrants] = {
            QRect(QPoint(x, m_plot.Top), QPoint(m_plot.Right(), y)),
            QRect(QPoint(x, y), QPoint(m_plot.Right(), m_plot.Bottom())),
            QRect(QPoint(m_plot.Left, m_plot.Top), QPoint(x, y)),
            QRect(QPoint(m_plot.Left, y), QPoint(x, m_plot.Bottom())),
        };
        for (int quadrant = 0; quadrant < CMenuChart::kQuadrants; ++quadrant)
            m_painter.fillRect(rects[quadrant], Tinted(m_chart.ColorOf(quadrant)));
    }

    void DrawScales()
    {
        const QFont font = MenuFont(CMenuChartLayout::kTickFont);
        for (const CMenuChartLayout::CTick& tick : m_layout.GetXTicks()) {
            m_painter.setPen(kGridColor);
            m_painter.drawLine(tick.Position, m_plot.Top, tick.Position, m_plot.Bottom());
            m_painter.setPen(Qt::black);
            m_painter.drawLine(tick.Position, m_plot.Bottom(), tick.Position, m_plot.Bottom() + 4);
            DrawText(m_painter, {tick.Label, tick.Text, CMenuChartLayout::kTickFont});
        }
        for (const CMenuChartLayout::CTick& tick : m_layout.GetYTicks()) {
            m_painter.setPen(kGridColor);
            m_painter.drawLine(m_plot.Left, tick.Position, m_plot.Right(), tick.Position);
            m_painter.setPen(Qt::black);
            m_painter.drawLine(m_plot.Left - 4, tick.Position, m_plot.Left, tick.Position);
            DrawText(m_painter, {tick.Label, tick.Text, CMenuChartLayout::kTickFont});
        }
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(m_plot.Left, m_plot.Top, m_plot.Width, m_plot.Height);
    }

    void DrawThresholds()
    {
        m_painter.setPen(kThresholdColor);
        m_painter.drawLine(m_layout.GetThresholdX(), m_plot.Top + 1, m_layout.GetThresholdX(),
                           m_plot.Bottom() - 1);
        m_painter.drawLine(m_plot.Left + 1, m_layout.GetThresholdY(), m_plot.Right() - 1,
                           m_layout.GetThresholdY());
    }

    // The last points on top: the first ones carry the names, so they are drawn last.
    void DrawPoints()
    {
        const int radius = m_layout.GetPointRadius();
        m_painter.setRenderHint(QPainter::Antialiasing, true);
        for (int index = static_cast<int>(m_chart.Points.size()) - 1; index >= 0; --index) {
            m_painter.setPen(QPen(Qt::white, 1.0));
            m_painter.setBrush(ToQColor(m_chart.ColorOf(m_chart.Points[index].Quadrant)));
            m_painter.drawEllipse(QPointF(m_layout.GetPointX(index) + 0.5, m_layout.GetPointY(index) + 0.5),
                                  radius, radius);
        }
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_painter.setBrush(Qt::NoBrush);
    }

    // Quadrant names in their colour, threshold values in the lines' grey, names in black.
    void DrawTexts()
    {
        for (const CMenuChartLayout::CText& text : m_layout.GetTexts()) {
            if (text.Point >= 0)
                m_painter.setPen(Qt::black);
            else if (text.FontHeight == CMenuChartLayout::kQuadrantFont)
                m_painter.setPen(ToQColor(m_chart.ColorOf(QuadrantOf(text.Text))));
            else
                m_painter.setPen(kThresholdColor);
            DrawText(m_painter, text);
        }
    }

    int QuadrantOf(const std::string& label) const
    {
        for (int quadrant = 0; quadrant < CMenuChart::kQuadrants; ++quadrant) {
            if (m_chart.QuadrantLabels[quadrant] == label)
                return quadrant;
        }
        return -1;
    }

    void DrawAxisTitles()
    {
        m_painter.setPen(Qt::black);
        DrawText(m_painter, m_layout.GetXTitle());
        const CMenuChartLayout::CText& title = m_layout.GetYTitle();
        m_painter.save();
        m_painter.translate(title.Box.Left, title.Box.Bottom());
        m_painter.rotate(-90.0);
        DrawText(m_painter, {title.Text, {0, 0, title.Box.Height, title.Box.Width}, title.FontHeight});
        m_painter.restore();
    }

    QPainter& m_painter;
    const CMenuChart& m_chart;
    const CMenuChartLayout& m_layout;
    const CMenuChartLayout::CRect m_plot;
};

} // namespace

CMenuChartLayout::CTextMeasure CMenuChartPainter::Measure()
{
    auto metrics = std::make_shared<std::map<int, QFontMetrics>>();
    return [metrics](const std::string& text, int pixelHeight) {
        auto found = metrics->find(pixelHeight);
        if (found == metrics->end())
            found = metrics->emplace(pixelHeight, QFontMetrics(MenuFont(pixelHeight))).first;
        return found->second.horizontalAdvance(ToQString(text));
    };
}

void CMenuChartPainter::Draw(QPainter& painter, const CMenuChart& chart, int width, int height)
{
    const CMenuChartLayout::CTextMeasure measure = Measure();
    Draw(painter, chart, CMenuChartLayout(chart, width, height, measure), width, height);
}

void CMenuChartPainter::Draw(QPainter& painter, const CMenuChart& chart, const CMenuChartLayout& layout,
                             int width, int height)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(0, 0, width, height);
    painter.fillRect(0, 0, width, height, Qt::white);
    CMenuDrawing(painter, chart, layout).Draw();
    painter.restore();
}

QImage CMenuChartPainter::Render(const CMenuChart& chart, QSize size, qreal pixelRatio)
{
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    Draw(painter, chart, size.width(), size.height());
    return image;
}
