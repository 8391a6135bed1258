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

struct CInventoryList::CColumns
{
    int Name = 0;  // the name column, gap included
    int Unit = 0;  // the widest unit
    int Value = 0; // the widest value with its currency, gap included
};

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

// Each row is one line of font 2; a row (or a group heading) that would leave less than two
// lines above the body's bottom goes to the next page.
bool CInventoryList::Layout(CPrintLayout& layout) const
{
    const std::vector<const CIngredient*> ingredients = Ingredients();
    const CColumns columns = Measure(layout, ingredients);
    const QFontMetrics metrics = layout.Metrics(layout.Font2());
    const CPrintFont font = layout.Font2();
    const QRect& body = layout.Body();
    const int line = layout.LineHeight(font);
    const int left = body.x();
    const int right = body.x() + body.width();
    const int gap = layout.DeviceUnits(kColumnGap);
    const int valueLeft = right - columns.Value;
    const int unitLeft = valueLeft - columns.Unit;
    const int stockRight = m_kind == Filled ? unitLeft - gap : unitLeft - layout.DeviceUnits(kPlaceholderGap);
    const int stockLeft = left + columns.Name;

    int page = layout.Page();
    int y = body.y();
    const auto nextLine = [&] {
        if (y + 2 * line > body.y() + body.height()) {
            page = layout.NewPage();
            y = body.y();
        }
    };
    bool first = true;
    std::string group;
    for (const CIngredient* ingredient : ingredients) {
        if (first || ingredient->Group != group) {
            if (!first)
                y += line / 2;
            nextLine();
            group = ingredient->Group;
            const std::string heading = group.empty() ? CStringTables::Load(kOtherIngredients) : group;
            layout.AddText(page, ToQString(heading), Qt::AlignLeft | kSingleLine,
                           QRect(left, y, body.width(), line), font);
            y += line;
            first = false;
        }
        nextLine();
        layout.AddText(page, ToQString(ingredient->Name), Qt::AlignLeft | kSingleLine,
                       QRect(left, y, columns.Name, line), font);
        if (stockRight > stockLeft)
            layout.AddText(page, WithLeader(StockText(*ingredient), stockRight - stockLeft, metrics),
                           Qt::AlignRight | kSingleLine, QRect(stockLeft, y, stockRight - stockLeft, line),
                           font);
        layout.AddText(page, ToQString(ingredient->Unit), Qt::AlignLeft | kSingleLine,
                       QRect(unitLeft, y, columns.Unit, line), font);
        if (m_kind == Filled)
            layout.AddText(page, ValueText(ingredient->GetStockValue()), Qt::AlignRight | kSingleLine,
                           QRect(valueLeft, y, columns.Value, line), font);
        y += line;
    }
    if (m_kind == Filled) {
        nextLine();
        layout.AddRule(page, y);
        y += line / 5;
        layout.AddText(page, ToQString(CStringTables::Load(kTotal)), Qt::AlignLeft | kSingleLine,
                       QRect(left, y, body.width() / 2, line), font);
        layout.AddText(page, ValueText(m_data.GetStockValue()), Qt::AlignRight | kSingleLine,
                       QRect(valueLeft - gap, y, columns.Value + gap, line), font);
    }
    return true;
}
