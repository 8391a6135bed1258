#include "RecipeSheet.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "catalogue/Recipe.h"
#include "controls/RecipePicture.h"
#include "controls/model/ListCtrlData.h"
#include "platform/qt/TextConversion.h"
#include "print/PrintLayout.h"
#include "print/TablePrinter.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QTextLayout>
#include <QTextOption>
#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int kPictureLines = 10;

QString Text(int id)
{
    return ToQString(CStringTables::Load(id));
}

QString WithPortions(int id, double portions)
{
    QString text = Text(id);
    text.replace(QStringLiteral("xyz"), ToQString(NumberText::Format(portions, -1)));
    return text;
}

} // namespace

CRecipeSheet::CRecipeSheet(const CRecipe& recipe, const CRecipePrintRequest& request, QString picturePath)
    : m_recipe(recipe), m_request(request), m_picturePath(std::move(picturePath))
{}

double CRecipeSheet::MoneyFactor() const
{
    return m_request.ForPortions ? m_request.Portions : 1.0;
}

// Line amounts and prices are for the recipe's portions, or scaled to the requested portions;
// a recipe that cannot be scaled (no portions) prints as it is.
void CRecipeSheet::FillLines(CListCtrlData& list, const CRecipe& recipe, const CRecipePrintRequest& request)
{
    double factor = 1.0;
    if (!request.ForPortions || !recipe.GetPortionFactor(request.Portions, factor))
        factor = 1.0;
    list.Reset();
    list.InsertColumnById(0, StringId::kLineNumberHeader, EColumnFormat::Left, 30);
    list.InsertColumnById(1, StringId::kNameHeader, EColumnFormat::Left, 180);
    list.InsertColumnById(2, StringId::kAmountHeader, EColumnFormat::Left, 110);
    list.InsertColumnById(3, StringId::kUnitHeader, EColumnFormat::Left, 110);
    list.InsertColumnById(4, StringId::kPriceHeader, EColumnFormat::Left, 110);
    for (const CRecipeIngredient* line : recipe.GetLinesInOrder()) {
        const std::uint32_t row = list.AddRow(0);
        list.SetCellNumber(row, 0, line->SortNum, ECellType::Integer);
        list.SetCellText(row, 1, line->GetName());
        list.SetCellNumber(row, 2, line->GetAmountGross() * factor, ECellType::TwoDecimalsAlt);
        list.SetCellText(row, 3, line->GetUnit());
        list.SetCellNumber(row, 4, line->GetPrice() * factor, ECellType::TwoDecimals);
    }
    if (request.Sheet == ERecipeSheet::Recipe)
        list.SetColumnVisible(4, false);
    list.Fill();
    list.Sort();
}

QSize CRecipeSheet::PictureSize(const QSize& image, int contentWidth, int line)
{
    if (image.width() <= 0 || image.height() <= 0)
        return {};
    int width = contentWidth / 2 - 2 * line;
    if (width <= 0)
        return {};
    int height = static_cast<int>(static_cast<long long>(width) * image.height() / image.width());
    if (height > kPictureLines * line) {
        height = kPictureLines * line;
        width = static_cast<int>(static_cast<long long>(height) * image.width() / image.height());
    }
    if (width <= 0 || height <= 0)
        return {};
    return {width, height};
}

bool CRecipeSheet::Layout(CPrintLayout& layout) const
{
    CCursor at{layout.Page(), layout.Body().y()};
    const int line = layout.LineHeight(layout.Font2());
    AddName(layout, at);
    if (m_request.Sheet == ERecipeSheet::Recipe) {
        AddLine(layout, at,
                Text(StringId::kSellingPriceLabel) + Money(m_recipe.GetPriceSell() * MoneyFactor(), {}));
        at.Y += line / 2;
    }
    AddPictureAndRemark(layout, at);
    if (m_request.Sheet == ERecipeSheet::Calculation) {
        AddPrices(layout, at);
        at.Y += line / 2;
    }
    AddLine(layout, at,
            WithPortions(StringId::kIngredientsFor,
                         m_request.ForPortions ? m_request.Portions : m_recipe.NbPortion));
    at.Y += line / 4;

    CListCtrlData lines;
    FillLines(lines, m_recipe, m_request);
    return CTablePrinter::Layout(layout, lines, at.Y - layout.Body().y());
}

// The value with two decimals, a blank and the currency's name (the first currency's when
// `currency` is empty).
QString CRecipeSheet::Money(double value, const std::string& currency) const
{
    const std::string& unit = !currency.empty() || !m_recipe.Owner ? currency : m_recipe.Owner->CurrencyUnit;
    return ToQString(NumberText::Format(value, 2) + " " + unit);
}

void CRecipeSheet::MakeRoom(CPrintLayout& layout, CCursor& at, int height)
{
    const QRect& body = layout.Body();
    if (at.Y + height > body.y() + body.height() && at.Y > body.y()) {
        at.Page = layout.NewPage();
        at.Y = body.y();
    }
}

void CRecipeSheet::AddLine(CPrintLayout& layout, CCursor& at, const QString& text) const
{
    const int line = layout.LineHeight(layout.Font2());
    MakeRoom(layout, at, line);
    layout.AddText(at.Page, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                   QRect(layout.Body().x(), at.Y, layout.Body().width(), line), layout.Font2());
    at.Y += line;
}

void CRecipeSheet::AddName(CPrintLayout& layout, CCursor& at) const
{
    const QString name = ToQString(m_recipe.Name);
    const QRect& body = layout.Body();
    const int height =
        std::min(body.height(), std::max(layout.LineHeight(layout.Font1()),
                                         layout.WrappedHeight(name, layout.Font1(), body.width())));
    layout.AddText(at.Page, name, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                   QRect(body.x(), at.Y, body.width(), height), layout.Font1());
    at.Y += height + layout.LineHeight(layout.Font2()) / 2;
}

// The picture at the left edge, the remark wrapped four lines to the right of it (at the left
// edge without a picture). A remark longer than the page goes on at the top of the next page,
// across the whole width once it has passed the picture.
void CRecipeSheet::AddPictureAndRemark(CPrintLayout& layout, CCursor& at) const
{
    const QRect& body = layout.Body();
    const int line = layout.LineHeight(layout.Font2());
    const QSize picture = m_picturePath.isEmpty() ? QSize()
                                                  : PictureSize(CRecipePicture::Size(m_picturePath),
                                                                layout.Content().width(), line);
    const QStringList remark = RemarkParagraphs();
    if (picture.isEmpty() && remark.isEmpty())
        return;
    CBeside beside{at.Page, at.Y, body.x()};
    if (!picture.isEmpty()) {
        MakeRoom(layout, at, picture.height());
        layout.AddPicture(at.Page, m_picturePath, QRect(QPoint(body.x(), at.Y), picture));
        beside = {at.Page, at.Y + picture.height(), body.x() + picture.width() + 4 * line};
    }
    const int top = at.Y;
    for (const QString& paragraph : remark)
        AddParagraph(layout, at, beside, paragraph);
    if (at.Page == beside.Page)
        at.Y = std::max(at.Y, beside.Bottom);
    if (at.Y > top || at.Page != beside.Page)
        at.Y += line / 2;
}

// The remark's paragraphs, none when it holds nothing but blanks.
QStringList CRecipeSheet::RemarkParagraphs() const
{
    QString remark = ToQString(m_recipe.Comment);
    if (remark.trimmed().isEmpty())
        return {};
    remark.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    remark.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return remark.split(QLatin1Char('\n'));
}

// One paragraph line by line: beside the picture while the lines stand next to it, across the
// whole width below it, on the next page when a line does not fit above the body's bottom.
void CRecipeSheet::AddParagraph(CPrintLayout& layout, CCursor& at, const CBeside& beside,
                                const QString& paragraph) const
{
    const QRect& body = layout.Body();
    const int spacing = layout.Metrics(layout.Font2()).lineSpacing();
    QTextLayout lines(paragraph, layout.QtFont(layout.Font2()), &layout.Device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    lines.setTextOption(option);
    lines.beginLayout();
    for (QTextLine next = lines.createLine(); next.isValid() || paragraph.isEmpty();
         next = lines.createLine()) {
        if (at.Y + spacing > body.y() + body.height()) {
            at.Page = layout.NewPage();
            at.Y = body.y();
        }
        const bool besidePicture = at.Page == beside.Page && at.Y < beside.Bottom;
        const int x = besidePicture ? beside.X : body.x();
        const int width = body.x() + body.width() - x;
        QString text;
        if (next.isValid()) {
            next.setLineWidth(width);
            text = paragraph.mid(next.textStart(), next.textLength()).trimmed();
        }
        if (!text.isEmpty())
            layout.AddText(at.Page, text, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                           QRect(x, at.Y, width, spacing), layout.Font2());
        at.Y += spacing;
        if (paragraph.isEmpty())
            break;
    }
    lines.endLayout();
}

// Money values are per portion, or for N portions on an N-portions sheet; the ratio stays.
void CRecipeSheet::AddPrices(CPrintLayout& layout, CCursor& at) const
{
    const double factor = MoneyFactor();
    const QString buying = m_request.ForPortions
                               ? WithPortions(StringId::kPriceForPortionsLabel, m_request.Portions)
                               : Text(StringId::kPricePerPortionLabel);
    AddLine(layout, at, buying + Money(m_recipe.GetPriceBuyPerPortion() * factor, {}));
    AddLine(layout, at, Text(StringId::kMarginLabel) + Money(m_recipe.GetContributionMargin() * factor, {}));
    AddLine(layout, at,
            Text(StringId::kCostRatioLabel) +
                Money(m_recipe.GetCostRatio(), CStringTables::Load(StringId::kPercentUnit)));
    AddLine(layout, at,
            Text(StringId::kCalculatedGrossLabel) + Money(m_recipe.GetPriceSellCalculatedTax() * factor, {}));
    AddLine(layout, at,
            Text(StringId::kCalculatedNetLabel) + Money(m_recipe.GetPriceSellCalculatedNoTax() * factor, {}));
    AddLine(layout, at, Text(StringId::kActualGrossLabel) + Money(m_recipe.GetPriceSell() * factor, {}));
    AddLine(layout, at, Text(StringId::kActualNetLabel) + Money(m_recipe.GetPriceSellNoTax() * factor, {}));
    if (m_recipe.Owner && !m_recipe.Owner->CurrencyUnit2.empty())
        AddLine(layout, at,
                Text(StringId::kActualGrossCurrency2Label) +
                    Money(m_recipe.GetPriceSellCurrency2() * factor, m_recipe.Owner->CurrencyUnit2));
}
