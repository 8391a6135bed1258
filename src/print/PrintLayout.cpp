#include "PrintLayout.h"

#include "platform/qt/TextConversion.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int kMarginMm = 18;
constexpr int kFont1HeightMm = 6;
constexpr int kHeaderLines = 4;

int PerMm(int pixels, int millimetres, int count)
{
    return millimetres > 0 ? pixels * count / millimetres : 0;
}

} // namespace

CPrintLayout::CPrintLayout(const QPaintDevice& device, CPrintHeader header)
    : m_device(device), m_header(std::move(header)), m_fonts(device)
{
    const int width = device.width();
    const int height = device.height();
    const int marginX = PerMm(width, device.widthMM(), kMarginMm);
    const int marginY = PerMm(height, device.heightMM(), kMarginMm);
    m_content = QRect(marginX, marginY, std::max(1, width - 2 * marginX), std::max(1, height - 2 * marginY));
    const int fontHeight = PerMm(height, device.heightMM(), kFont1HeightMm);
    m_font1 = CPrintFont{fontHeight, fontHeight / 2};
    m_font2 = m_font1.Scaled(3, 4);
    m_font3 = m_font2.Scaled(3, 4);
    if (device.widthMM() > 0)
        m_dpi = width * 25.4 / device.widthMM();
    MeasureHeaderAndFooter();
}

int CPrintLayout::DeviceUnits(int unitsAt600Dpi) const
{
    return std::max(1, static_cast<int>(std::lround(unitsAt600Dpi * m_dpi / 600.0)));
}

QFontMetrics CPrintLayout::Metrics(const CPrintFont& font)
{
    return QFontMetrics(QtFont(font), &m_device);
}

int CPrintLayout::LineHeight(const CPrintFont& font)
{
    // The cell height of the font, which every text of one line ("ABCgp?") takes.
    const int cell = Metrics(font).height();
    return cell + cell / 5;
}

int CPrintLayout::TextWidth(const QString& text, const CPrintFont& font)
{
    return Metrics(font).horizontalAdvance(text);
}

int CPrintLayout::WrappedHeight(const QString& text, const CPrintFont& font, int width)
{
    const QRect bounds = Metrics(font).boundingRect(QRect(0, 0, std::max(1, width), 1 << 24),
                                                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    return bounds.height();
}

CPrintItem& CPrintLayout::NewItem(CPrintItem::EKind kind, int page)
{
    CPrintItem& item = m_items.emplace_back();
    item.Kind = kind;
    item.Page = page;
    return item;
}

void CPrintLayout::AddText(int page, const QString& text, int flags, const QRect& rect,
                           const CPrintFont& font)
{
    CPrintItem& item = NewItem(CPrintItem::EKind::Text, page);
    item.Text = text;
    item.Flags = flags;
    item.Rect = rect;
    item.Font = font;
}

void CPrintLayout::AddLine(int page, const QPoint& from, const QPoint& to)
{
    CPrintItem& item = NewItem(CPrintItem::EKind::Line, page);
    item.From = from;
    item.To = to;
}

void CPrintLayout::AddPicture(int page, const QString& path, const QRect& rect)
{
    CPrintItem& item = NewItem(CPrintItem::EKind::Picture, page);
    item.Path = path;
    item.Rect = rect;
}

void CPrintLayout::AddRule(int page, int y)
{
    AddLine(page, QPoint(m_content.x(), y), QPoint(m_content.x() + m_content.width(), y));
}

// The header takes four lines of font 2 and a rule with a fifth of a line below it; the footer
// one line of font 3 with a rule a fifth of a line above it and the body ending a fifth of a
// line above the rule.
void CPrintLayout::MeasureHeaderAndFooter()
{
    const int headerLine = LineHeight(m_font2);
    const int footerLine = LineHeight(m_font3);
    const int top = m_content.y() + kHeaderLines * headerLine + headerLine / 5;
    const int footerRule = m_content.y() + m_content.height() - footerLine - footerLine / 5;
    const int bottom = footerRule - footerLine / 5;
    m_body = QRect(m_content.x(), top, m_content.width(), std::max(1, bottom - top));
}

void CPrintLayout::AppendHeader(std::vector<CPrintItem>& items, int page)
{
    const int line = LineHeight(m_font2);
    const QString texts[kHeaderLines] = {m_header.Name, m_header.Company, m_header.Title, m_header.DateTime};
    for (int index = 0; index < kHeaderLines; ++index) {
        CPrintItem item;
        item.Page = page;
        item.Text = texts[index];
        item.Flags = Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine;
        item.Rect = QRect(m_content.x(), m_content.y() + index * line, m_content.width(), line);
        item.Font = m_font2;
        items.push_back(std::move(item));
    }
    const int ruleY = m_content.y() + kHeaderLines * line;
    CPrintItem rule;
    rule.Kind = CPrintItem::EKind::Line;
    rule.Page = page;
    rule.From = QPoint(m_content.x(), ruleY);
    rule.To = QPoint(m_content.x() + m_content.width(), ruleY);
    items.push_back(std::move(rule));
}

void CPrintLayout::AppendFooter(std::vector<CPrintItem>& items, int page)
{
    const int line = LineHeight(m_font3);
    const int bottom = m_content.y() + m_content.height();
    QString text = ToQString(CStringTables::Load(StringId::kFooter));
    text.replace(QStringLiteral("PS"), QString::number(page));
    text.replace(QStringLiteral("PE"), QString::number(m_pageCount));
    CPrintItem item;
    item.Page = page;
    item.Text = text;
    item.Flags = Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine;
    item.Rect = QRect(m_content.x(), bottom - line, m_content.width(), line);
    item.Font = m_font3;
    items.push_back(std::move(item));
    const int ruleY = bottom - line - line / 5;
    CPrintItem rule;
    rule.Kind = CPrintItem::EKind::Line;
    rule.Page = page;
    rule.From = QPoint(m_content.x(), ruleY);
    rule.To = QPoint(m_content.x() + m_content.width(), ruleY);
    items.push_back(std::move(rule));
}

std::vector<CPrintItem> CPrintLayout::PageItems(int page)
{
    std::vector<CPrintItem> items;
    AppendHeader(items, page);
    for (const CPrintItem& item : m_items)
        if (item.Page == page)
            items.push_back(item);
    AppendFooter(items, page);
    return items;
}
