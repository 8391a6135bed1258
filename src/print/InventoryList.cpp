#include "InventoryList.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "platform/qt/TextConversion.h"
#include "print/PrintLayout.h"
#include "resources/StringTables.h"

#include <QFontMetrics>
#include <algorithm>

namespace {

constexpr int kOtherIngredients = 230; // "Sonstige Zutaten"
constexpr int kTotal = 131;            // "Gesamtsumme"
constexpr int kLeaderUnits = 60;
// The gaps around the columns, in units of a 600 dpi printer.
constexpr int kColumnGap = 30;
constexpr int kPlaceholderGap = 10;

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
        if (m_kind == Filled)
            columns.Value =
                std::max(columns.Value, metrics.horizontalAdvance(ValueText(ingredient->GetStockValue())));
    }
    if (m_kind == Filled)
        columns.Value = std::max(columns.Value, metrics.horizontalAdvance(ValueText(m_data.GetStockValue())));
    const int gap = layout.DeviceUnits(kColumnGap);
    columns.Name += gap;
    if (m_kind == Filled)
        columns.Value += gap;
    return columns;
}

// Where the cells of a row stand, from the measured columns.
struct CInventoryList::CRowGeometry
{
    int Left, Right, Line;
    int StockLeft, StockRight, UnitLeft, ValueLeft;
    CColumns Columns;
};

// Each row is one line of font 2; a row (or a group heading) that would leave less than two
// lines above the body's bottom goes to the next page.
bool CInventoryList::Layout(CPrintLayout& layout) const
{
    const std::vector<const CIngredient*> ingredients = Ingredients();
    const CRowGeometry row = Geometry(layout, Measure(layout, ingredients));
    const QRect& body = layout.Body();
    CCursor at{layout.Page(), body.y()};
    const auto makeRoom = [&] {
        if (at.Y + 2 * row.Line > body.y() + body.height()) {
            at.Page = layout.NewPage();
            at.Y = body.y();
        }
    };
    const std::string* group = nullptr;
    for (const CIngredient* ingredient : ingredients) {
        if (!group || ingredient->Group != *group) {
            if (group)
                at.Y += row.Line / 2;
            makeRoom();
            group = &ingredient->Group;
            const std::string heading = group->empty() ? CStringTables::Load(kOtherIngredients) : *group;
            layout.AddText(at.Page, ToQString(heading), Qt::AlignLeft | kSingleLine,
                           QRect(row.Left, at.Y, row.Right - row.Left, row.Line), layout.Font2());
            at.Y += row.Line;
        }
        makeRoom();
        AddRow(layout, at, row, *ingredient);
        at.Y += row.Line;
    }
    if (m_kind == Filled) {
        makeRoom();
        AddTotal(layout, at, row);
    }
    return true;
}

CInventoryList::CRowGeometry CInventoryList::Geometry(CPrintLayout& layout, const CColumns& columns) const
{
    const QRect& body = layout.Body();
    CRowGeometry row{};
    row.Columns = columns;
    row.Left = body.x();
    row.Right = body.x() + body.width();
    row.Line = layout.LineHeight(layout.Font2());
    row.ValueLeft = row.Right - columns.Value;
    row.UnitLeft = row.ValueLeft - columns.Unit;
    row.StockLeft = row.Left + columns.Name;
    row.StockRight = row.UnitLeft - layout.DeviceUnits(m_kind == Filled ? kColumnGap : kPlaceholderGap);
    return row;
}

void CInventoryList::AddRow(CPrintLayout& layout, const CCursor& at, const CRowGeometry& row,
                            const CIngredient& ingredient) const
{
    const CPrintFont font = layout.Font2();
    layout.AddText(at.Page, ToQString(ingredient.Name), Qt::AlignLeft | kSingleLine,
                   QRect(row.Left, at.Y, row.Columns.Name, row.Line), font);
    const int stockWidth = row.StockRight - row.StockLeft;
    if (stockWidth > 0)
        layout.AddText(at.Page, WithLeader(StockText(ingredient), stockWidth, layout.Metrics(font)),
                       Qt::AlignRight | kSingleLine, QRect(row.StockLeft, at.Y, stockWidth, row.Line), font);
    layout.AddText(at.Page, ToQString(ingredient.Unit), Qt::AlignLeft | kSingleLine,
                   QRect(row.UnitLeft, at.Y, row.Columns.Unit, row.Line), font);
    if (m_kind == Filled)
        layout.AddText(at.Page, ValueText(ingredient.GetStockValue()), Qt::AlignRight | kSingleLine,
                       QRect(row.ValueLeft, at.Y, row.Columns.Value, row.Line), font);
}

// A rule, then "Gesamtsumme" with the total value below the values.
void CInventoryList::AddTotal(CPrintLayout& layout, CCursor& at, const CRowGeometry& row) const
{
    layout.AddRule(at.Page, at.Y);
    at.Y += row.Line / 5;
    layout.AddText(at.Page, ToQString(CStringTables::Load(kTotal)), Qt::AlignLeft | kSingleLine,
                   QRect(row.Left, at.Y, (row.Right - row.Left) / 2, row.Line), layout.Font2());
    layout.AddText(at.Page, ValueText(m_data.GetStockValue()), Qt::AlignRight | kSingleLine,
                   QRect(row.ValueLeft, at.Y, row.Columns.Value, row.Line), layout.Font2());
}
