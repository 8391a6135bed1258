#include "InventoryList.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "platform/qt/TextConversion.h"
#include "print/PrintLayout.h"
#include "print/TextLines.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

constexpr int kLeaderUnits = 60;
// The gaps around the columns, in units of a 600 dpi printer.
constexpr int kColumnGap = 30;
constexpr int kPlaceholderGap = 10;
// Leader dots a stock keeps at the least, and the lines a long name may take.
constexpr int kSmallestLeader = 3;
constexpr int kMostNameLines = 3;

const QString& Leader()
{
    static const QString leader = QStringLiteral(".   ");
    return leader;
}

constexpr int kSingleLine = Qt::AlignVCenter | Qt::TextSingleLine;

} // namespace

std::vector<const CIngredient*> CInventoryList::Ingredients() const
{
    std::vector<const CIngredient*> shown;
    for (const CIngredient& ingredient : m_data.Ingredients)
        if (ingredient.StockActive)
            shown.push_back(&ingredient);
    return shown;
}

QString CInventoryList::WithLeader(const QString& text, int width, const QFontMetrics& metrics)
{
    const int unit = std::max(1, metrics.horizontalAdvance(Leader()));
    const int room = width - metrics.horizontalAdvance(text);
    const int count = std::clamp(room / unit, 0, kLeaderUnits);
    return Leader().repeated(count) + text;
}

QString CInventoryList::StockText(const CIngredient& ingredient) const
{
    if (m_kind == Empty)
        return QStringLiteral(".........");
    return ToQString(NumberText::Format(ingredient.StockAmount, 2));
}

QString CInventoryList::ValueText(double value) const
{
    return ToQString(NumberText::Format(value, 2) + " " + m_data.CurrencyUnit);
}

CInventoryList::CColumns CInventoryList::Measure(CPrintLayout& layout,
                                                 const std::vector<const CIngredient*>& ingredients) const
{
    const QFontMetrics metrics = layout.Metrics(layout.Font2());
    CColumns columns;
    for (const CIngredient* ingredient : ingredients) {
        columns.Name = std::max(columns.Name, metrics.horizontalAdvance(ToQString(ingredient->Name)));
        columns.Unit = std::max(columns.Unit, metrics.horizontalAdvance(ToQString(ingredient->Unit)));
        columns.Stock = std::max(columns.Stock, metrics.horizontalAdvance(StockText(*ingredient)));
        if (m_kind == Filled)
            columns.Value =
                std::max(columns.Value, metrics.horizontalAdvance(ValueText(ingredient->GetStockValue())));
    }
    if (m_kind == Filled)
        columns.Value = std::max(columns.Value, metrics.horizontalAdvance(ValueText(m_data.GetStockValue())));
    const int gap = layout.DeviceUnits(kColumnGap);
    columns.Name += gap;
    columns.Stock += kSmallestLeader * metrics.horizontalAdvance(Leader());
    if (m_kind == Filled)
        columns.Value += gap;
    return columns;
}

// Where the cells of a row stand, from the measured columns.
struct CInventoryList::CRowGeometry
{
    int Left, Right, Line;
    int NameWidth, StockLeft, StockRight, UnitLeft, UnitWidth, ValueLeft;
    CColumns Columns;
};

// Each row is one line of font 2, or up to three when a long name wraps; a row that would leave
// less than a line above the body's bottom goes to the next page, and a group heading with it.
bool CInventoryList::Layout(CPrintLayout& layout) const
{
    const std::vector<const CIngredient*> ingredients = Ingredients();
    const CRowGeometry row = Geometry(layout, Measure(layout, ingredients));
    const QRect& body = layout.Body();
    CCursor at{layout.Page(), body.y()};
    const auto makeRoom = [&](int height) {
        if (at.Y + height + row.Line > body.y() + body.height()) {
            at.Page = layout.NewPage();
            at.Y = body.y();
        }
    };
    const std::string* group = nullptr;
    for (const CIngredient* ingredient : ingredients) {
        const QStringList name = NameLines(layout, row, *ingredient);
        const int rowHeight = row.Line * std::max(1, static_cast<int>(name.size()));
        if (!group || ingredient->Group != *group) {
            if (group)
                at.Y += row.Line / 2;
            makeRoom(row.Line + rowHeight); // never a heading alone at a page's bottom
            group = &ingredient->Group;
            const std::string heading =
                group->empty() ? CStringTables::Load(StringId::kOtherIngredients) : *group;
            layout.AddText(at.Page, ToQString(heading), Qt::AlignLeft | kSingleLine,
                           QRect(row.Left, at.Y, row.Right - row.Left, row.Line), layout.Font2());
            at.Y += row.Line;
        }
        makeRoom(rowHeight);
        AddRow(layout, at, row, name, *ingredient);
    }
    if (m_kind == Filled) {
        makeRoom(row.Line);
        AddTotal(layout, at, row);
    }
    return true;
}

// Value and stock get the room of their widest text, the unit at most a quarter of the width,
// and the name what is left up to its widest text: a long name never pushes a figure away.
CInventoryList::CRowGeometry CInventoryList::Geometry(CPrintLayout& layout, const CColumns& columns) const
{
    const QRect& body = layout.Body();
    CRowGeometry row{};
    row.Columns = columns;
    row.Left = body.x();
    row.Right = body.x() + body.width();
    row.Line = layout.LineHeight(layout.Font2());
    row.ValueLeft = row.Right - columns.Value;
    row.UnitWidth = std::min(columns.Unit, body.width() / 4);
    row.UnitLeft = row.ValueLeft - row.UnitWidth;
    row.StockRight = row.UnitLeft - layout.DeviceUnits(m_kind == Filled ? kColumnGap : kPlaceholderGap);
    const int nameRoom = std::max(row.StockRight - columns.Stock - row.Left, body.width() / 4);
    row.StockLeft = row.Left + std::min(columns.Name, nameRoom);
    row.NameWidth = row.StockLeft - row.Left - layout.DeviceUnits(kColumnGap);
    return row;
}

QStringList CInventoryList::NameLines(CPrintLayout& layout, const CRowGeometry& row,
                                      const CIngredient& ingredient) const
{
    return TextLines::Wrap(ToQString(ingredient.Name), layout.Metrics(layout.Font2()), row.NameWidth,
                           kMostNameLines);
}

// The name's lines one below the other; stock, unit and value on the line of the name's end.
void CInventoryList::AddRow(CPrintLayout& layout, CCursor& at, const CRowGeometry& row,
                            const QStringList& name, const CIngredient& ingredient) const
{
    const CPrintFont font = layout.Font2();
    for (const QString& line : name) {
        layout.AddText(at.Page, line, Qt::AlignLeft | kSingleLine,
                       QRect(row.Left, at.Y, row.StockLeft - row.Left, row.Line), font);
        at.Y += row.Line;
    }
    const int y = at.Y - (name.isEmpty() ? 0 : row.Line);
    if (name.isEmpty())
        at.Y += row.Line;
    const QFontMetrics metrics = layout.Metrics(font);
    const int stockWidth = row.StockRight - row.StockLeft;
    layout.AddText(at.Page, WithLeader(StockText(ingredient), stockWidth, metrics),
                   Qt::AlignRight | kSingleLine, QRect(row.StockLeft, y, stockWidth, row.Line), font);
    layout.AddText(at.Page, TextLines::Elided(ToQString(ingredient.Unit), metrics, row.UnitWidth),
                   Qt::AlignLeft | kSingleLine, QRect(row.UnitLeft, y, row.UnitWidth, row.Line), font);
    if (m_kind == Filled)
        layout.AddText(at.Page, ValueText(ingredient.GetStockValue()), Qt::AlignRight | kSingleLine,
                       QRect(row.ValueLeft, y, row.Columns.Value, row.Line), font);
}

// A rule, then "Gesamtsumme" with the total value below the values.
void CInventoryList::AddTotal(CPrintLayout& layout, CCursor& at, const CRowGeometry& row) const
{
    layout.AddRule(at.Page, at.Y);
    at.Y += row.Line / 5;
    layout.AddText(at.Page, ToQString(CStringTables::Load(StringId::kGrandTotal)),
                   Qt::AlignLeft | kSingleLine, QRect(row.Left, at.Y, (row.Right - row.Left) / 2, row.Line),
                   layout.Font2());
    layout.AddText(at.Page, ValueText(m_data.GetStockValue()), Qt::AlignRight | kSingleLine,
                   QRect(row.ValueLeft, at.Y, row.Columns.Value, row.Line), layout.Font2());
}
