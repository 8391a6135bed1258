#include "TablePrinter.h"

#include "controls/model/ListCtrlData.h"
#include "platform/qt/TextConversion.h"
#include "print/PrintLayout.h"
#include "print/TextLines.h"
#include "resources/StringIds.h"

#include <QFontMetrics>
#include <numeric>

namespace {

int AlignmentOf(const CListColumn& column)
{
    return column.Format == EColumnFormat::Right ? Qt::AlignRight : Qt::AlignLeft;
}

} // namespace

bool CTablePrinter::Layout(CPrintLayout& layout, const CListCtrlData& list, int extraTop)
{
    const CTable table = Collect(list);
    CPrintFont font = layout.Font2();
    std::vector<int> widths;
    int gap = 0;
    for (;;) {
        gap = layout.TextWidth(QStringLiteral("ABC"), font);
        widths = MeasureWidths(layout, table, font);
        const int total = std::accumulate(widths.begin(), widths.end(), 0) +
                          gap * std::max(0, static_cast<int>(widths.size()) - 1);
        if (total <= layout.Body().width())
            break;
        font = font.Scaled(7, 8);
        if (font.Height <= 0) {
            layout.Fail(StringId::kTooManyColumns);
            return false;
        }
    }

    const QRect& body = layout.Body();
    const int bottom = body.y() + body.height();
    const int line = layout.LineHeight(font);
    int page = layout.Page();
    int y = body.y() + extraTop;
    if (y + 2 * line > bottom && extraTop > 0) {
        page = layout.NewPage();
        y = body.y();
    }
    const auto heading = [&] {
        AddRow(layout, page, y, table.Headings, table, widths, gap, line, font);
        y += line;
        layout.AddRule(page, y);
    };
    heading();
    for (const std::vector<QString>& row : table.Rows) {
        if (y + line > bottom) {
            page = layout.NewPage();
            y = body.y();
            heading();
        }
        AddRow(layout, page, y, row, table, widths, gap, line, font);
        y += line;
    }
    layout.AddRule(page, y);
    return true;
}

// The shown texts once, converted for drawing: the shrink loop measures them again per font.
CTablePrinter::CTable CTablePrinter::Collect(const CListCtrlData& list)
{
    CTable table;
    const int shown = list.GetShownColumnCount();
    for (int position = 0; position < shown; ++position) {
        const int index = list.DisplayToModel(position);
        const CListColumn* column = list.FindColumn(index);
        table.Columns.push_back(index);
        table.Headings.push_back(ToQString(column ? column->Header : std::string()));
        table.Flags.push_back((column ? AlignmentOf(*column) : Qt::AlignLeft) | Qt::AlignVCenter |
                              Qt::TextSingleLine | Qt::TextDontClip);
    }
    table.Rows.reserve(list.GetItems().size());
    for (std::size_t item = 0; item < list.GetItems().size(); ++item) {
        const CListRow* row = list.GetItemRow(item);
        std::vector<QString> texts;
        texts.reserve(table.Columns.size());
        for (int index : table.Columns) {
            const CListCell* cell = row ? row->FindCell(index) : nullptr;
            texts.push_back(cell ? ToQString(cell->GetText()) : QString());
        }
        table.Rows.push_back(std::move(texts));
    }
    return table;
}

// A left-aligned text column holds at most a third of the body beside its heading: one long
// name is elided rather than shrinking the whole table. Figures (right-aligned) keep their width.
std::vector<int> CTablePrinter::MeasureWidths(CPrintLayout& layout, const CTable& table,
                                              const CPrintFont& font)
{
    const QFontMetrics metrics = layout.Metrics(font);
    std::vector<int> widths;
    for (const QString& heading : table.Headings)
        widths.push_back(metrics.horizontalAdvance(heading));
    std::vector<int> cells(widths.size(), 0);
    for (const std::vector<QString>& row : table.Rows)
        for (std::size_t column = 0; column < row.size(); ++column)
            cells[column] = std::max(cells[column], metrics.horizontalAdvance(row[column]));
    const int bound = layout.Body().width() / kTextColumnShare;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        const bool text = (table.Flags[column] & Qt::AlignRight) == 0;
        widths[column] = std::max(widths[column], text ? std::min(cells[column], bound) : cells[column]);
    }
    return widths;
}

void CTablePrinter::AddRow(CPrintLayout& layout, int page, int y, const std::vector<QString>& texts,
                           const CTable& table, const std::vector<int>& widths, int gap, int line,
                           const CPrintFont& font)
{
    const QFontMetrics metrics = layout.Metrics(font);
    int x = layout.Body().x();
    for (std::size_t column = 0; column < texts.size(); ++column) {
        if (!texts[column].isEmpty())
            layout.AddText(page, TextLines::Elided(texts[column], metrics, widths[column]),
                           table.Flags[column], QRect(x, y, widths[column], line), font);
        x += widths[column] + gap;
    }
}
