#include "ChartPainter.h"

#include "controls/model/ChartGraph.h"
#include "controls/model/ChartLayout.h"
#include "platform/qt/TextConversion.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {

const QColor kGridColor(128, 128, 128);
const QColor kBackWallColor(225, 225, 225);

QColor ToQColor(const CChartColor& color)
{
    return QColor(color.Red, color.Green, color.Blue);
}

// The chart's fonts: Arial (a metric twin where Arial is missing), bold, height in pixels.
QFont ChartFont(int pixelHeight)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    font.setPixelSize(qMax(pixelHeight, 1));
    font.setWeight(QFont::Bold);
    return font;
}

// The average character width of this text in this font: positions that the layout derives
// from a character width then centre the text on what it really measures.
int CharWidth(const QFont& font, const QString& text)
{
    if (text.isEmpty())
        return QFontMetrics(font).averageCharWidth();
    return QFontMetrics(font).horizontalAdvance(text) / static_cast<int>(text.size());
}

// Text whose top left corner is at (x, y), as the layout places every text.
void DrawText(QPainter& painter, const QFont& font, int x, int y, const QString& text)
{
    painter.setFont(font);
    painter.drawText(x, y + QFontMetrics(font).ascent(), text);
}

void Line(QPainter& painter, int x0, int y0, int x1, int y1)
{
    painter.drawLine(x0, y0, x1, y1);
}

class CChartDrawing
{
public:
    CChartDrawing(QPainter& painter, const CChartGraph& graph, int width, int height)
        : m_painter(painter), m_graph(graph), m_layout(graph, width, height), m_width(width), m_height(height)
    {}

    void Draw()
    {
        m_painter.fillRect(0, 0, m_width, m_height, Qt::white);
        DrawLegend();
        DrawValueScale();
        DrawCategories();
        DrawFrame();
        DrawAxisTitles();
        DrawBars();
        // Last, so that the top of a tall bar never hides it.
        DrawTitle();
    }

private:
    int Stub() const { return static_cast<int>(m_layout.GetDepth() * 0.2); }

    void DrawTitle()
    {
        const QString title = ToQString(m_graph.GetTitle());
        const QFont font = ChartFont(m_layout.GetTitleFontHeight());
        m_painter.setPen(Qt::black);
        DrawText(m_painter, font, m_layout.GetTitleX(CharWidth(font, title)), m_layout.GetTitleY(), title);
    }

    // A framed box of one row per series: the name, then a swatch of the series' colour. A name
    // too long for its room is cut at the swatch.
    void DrawLegend()
    {
        if (!m_layout.HasLegend())
            return;
        m_painter.setPen(Qt::black);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(m_layout.GetLegendLeft(), m_layout.GetLegendTop(), m_layout.GetLegendWidth(),
                           m_layout.GetLegendBottom() - m_layout.GetLegendTop());
        const QFont font = ChartFont(m_graph.GetLegendFontHeight());
        for (int index = 0; index < m_layout.GetLegendEntryCount(); ++index) {
            const CChartLayout::CLegendEntry entry = m_layout.GetLegendEntry(index);
            m_painter.save();
            m_painter.setClipRect(entry.NameX, entry.NameY, entry.SwatchLeft - 2 - entry.NameX,
                                  entry.SwatchBottom - entry.SwatchTop + 8, Qt::IntersectClip);
            DrawText(m_painter, font, entry.NameX, entry.NameY, ToQString(entry.Name));
            m_painter.restore();
            m_painter.setBrush(ToQColor(entry.Color));
            m_painter.drawRect(entry.SwatchLeft, entry.SwatchTop, entry.SwatchRight - entry.SwatchLeft,
                               entry.SwatchBottom - entry.SwatchTop);
        }
        m_painter.setBrush(Qt::NoBrush);
    }

    // For every tick: a short tick mark left of the front edge, a grey line on the left wall to the back
    // plane, a light grey line across the back wall, and the value left of the mark.
    void DrawValueScale()
    {
        const int originX = m_layout.GetOriginX();
        const int depth = m_layout.GetDepth();
        const int backRight = originX + depth + m_layout.GetAxisWidth();
        const QFont font = ChartFont(m_graph.GetTickFontHeight());
        for (int index = 0; index < m_layout.GetTickLineCount(); ++index) {
            const CChartLayout::CTick tick = m_layout.GetTick(index);
            if (index >= 1) {
                m_painter.setPen(kBackWallColor);
                Line(m_painter, originX + depth, tick.Y - depth, backRight, tick.Y - depth);
                m_painter.setPen(kGridColor);
                Line(m_painter, originX, tick.Y, originX + depth, tick.Y - depth);
            }
            m_painter.setPen(Qt::black);
            Line(m_painter, originX - Stub(), tick.Y, originX, tick.Y);
            DrawText(m_painter, font, tick.LabelX, tick.LabelY, QString::fromStdString(tick.Label));
        }
    }

    // Every group boundary: a short tick mark below the front edge, a grey line across the floor, and the
    // group's label centred below its slot.
    void DrawCategories()
    {
        const int originY = m_layout.GetOriginY();
        const int depth = m_layout.GetDepth();
        const QFont font = ChartFont(m_graph.GetCategoryFontHeight());
        for (int index = 0; index < m_graph.GetGroupCount(); ++index) {
            const CChartLayout::CCategory category = m_layout.GetCategory(index);
            m_painter.setPen(kGridColor);
            Line(m_painter, category.BoundaryX, originY, category.BoundaryX + depth, originY - depth);
            m_painter.setPen(Qt::black);
            Line(m_painter, category.BoundaryX, originY, category.BoundaryX, originY + Stub());
            if (category.LabelShown)
                DrawText(m_painter, font, category.LabelX, category.LabelY,
                         ToQString(m_graph.GetGroups()[index].GetLabel()));
        }
    }

    // The front edges of the floor and the left wall meet at the origin; the back plane lies the
    // depth up and to the right, joined to the front by the three diagonals.
    void DrawFrame()
    {
        const int x = m_layout.GetOriginX();
        const int y = m_layout.GetOriginY();
        const int width = m_layout.GetAxisWidth();
        const int height = m_layout.GetAxisHeight();
        const int depth = m_layout.GetDepth();
        m_painter.setPen(Qt::black);
        Line(m_painter, x, y, x + width, y);
        Line(m_painter, x, y, x, y - height);
        Line(m_painter, x + depth, y - depth, x + depth + width, y - depth);
        Line(m_painter, x + depth, y - depth, x + depth, y - depth - height);
        Line(m_painter, x, y, x + depth, y - depth);
        Line(m_painter, x, y - height, x + depth, y - depth - height);
        Line(m_painter, x + width, y, x + width + depth, y - depth);
    }

    void DrawAxisTitles()
    {
        const QFont font = ChartFont(m_layout.GetAxisTitleFontHeight());
        m_painter.setPen(Qt::black);
        const QString category = ToQString(m_graph.GetCategoryTitle());
        DrawText(m_painter, font, m_layout.GetCategoryTitleX(CharWidth(font, category)),
                 m_layout.GetCategoryTitleY(), category);
        const QString value = ToQString(m_graph.GetValueTitle());
        m_painter.save();
        m_painter.translate(m_layout.GetValueTitleX(), m_layout.GetValueTitleY(CharWidth(font, value)));
        m_painter.rotate(-90.0);
        DrawText(m_painter, font, 0, 0, value);
        m_painter.restore();
    }

    // Group by group, series by series: the front face, then the darker side and the lighter
    // top reaching the depth up and to the right.
    void DrawBars()
    {
        for (int group = 0; group < m_graph.GetGroupCount(); ++group) {
            for (int series = 0; series < m_graph.GetSeriesCount(); ++series) {
                if (const auto bar = m_layout.GetBar(group, series))
                    DrawBar(*bar);
            }
        }
        m_painter.setBrush(Qt::NoBrush);
    }

    void DrawBar(const CChartLayout::CBar& bar)
    {
        const int depth = m_layout.GetDepth();
        if (bar.Bottom > bar.Top && bar.Right > bar.Left) {
            m_painter.setPen(ToQColor(bar.Front));
            m_painter.setBrush(ToQColor(bar.Front));
            m_painter.drawRect(bar.Left, bar.Top, bar.Right - bar.Left - 1, bar.Bottom - bar.Top - 1);
        }
        const QPolygon side({QPoint(bar.Right, bar.Top), QPoint(bar.Right, bar.Bottom),
                             QPoint(bar.Right + depth, bar.Bottom - depth),
                             QPoint(bar.Right + depth, bar.Top - depth)});
        Face(side, bar.Side);
        const QPolygon top({QPoint(bar.Left, bar.Top), QPoint(bar.Right, bar.Top),
                            QPoint(bar.Right + depth, bar.Top - depth),
                            QPoint(bar.Left + depth, bar.Top - depth)});
        Face(top, bar.TopFace);
    }

    void Face(const QPolygon& polygon, const CChartColor& color)
    {
        m_painter.setPen(ToQColor(color));
        m_painter.setBrush(ToQColor(color));
        m_painter.drawPolygon(polygon);
    }

    QPainter& m_painter;
    const CChartGraph& m_graph;
    const CChartLayout m_layout;
    int m_width;
    int m_height;
};

} // namespace

void CChartPainter::Draw(QPainter& painter, const CChartGraph& graph, int width, int height)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(0, 0, width, height);
    CChartDrawing(painter, graph, width, height).Draw();
    painter.restore();
}

QImage CChartPainter::Render(const CChartGraph& graph, QSize size, qreal pixelRatio)
{
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    Draw(painter, graph, size.width(), size.height());
    return image;
}
