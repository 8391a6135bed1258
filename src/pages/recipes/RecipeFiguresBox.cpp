#include "RecipeFiguresBox.h"

#include "catalogue/Data.h"
#include "pages/common/FormFields.h"
#include "pages/common/NumberField.h"
#include "pages/recipes/RecipeFigures.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>
#include <vector>

namespace {

constexpr int kPrecision = 2;

struct CFigureRow
{
    CRecipeFiguresBox::EFigure Figure;
    const char* ObjectName;
    const char* Label;
};

using EFigure = CRecipeFiguresBox::EFigure;

constexpr CFigureRow kRows[CRecipeFiguresBox::kNbFigures] = {
    {EFigure::PriceBuy, "priceBuy", DialogText::Recipe::kPriceBuy},
    {EFigure::PriceSellCalculatedNoTax, "priceSellCalculatedNoTax",
     DialogText::Recipe::kPriceSellCalculatedNoTax},
    {EFigure::PriceSellCalculatedTax, "priceSellCalculatedTax", DialogText::Recipe::kPriceSellCalculatedTax},
    {EFigure::PriceSell, "priceSell", DialogText::Recipe::kPriceSell},
    {EFigure::PriceSellNoTax, "priceSellNoTax", DialogText::Recipe::kPriceSellNoTax},
    {EFigure::PriceSellCurrency2, "priceSellCurrency2", DialogText::Recipe::kPriceSellCurrency2},
    {EFigure::ContributionMargin, "contributionMargin", DialogText::Recipe::kContributionMargin},
    {EFigure::CostRatio, "costRatio", DialogText::Recipe::kCostRatio},
};

} // namespace

CRecipeFiguresBox::CRecipeFiguresBox(const CData* data, QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    const QString currency = ToQString(data ? data->CurrencyUnit : std::string());
    const QString currency2 = ToQString(data ? data->CurrencyUnit2 : std::string());
    const QString percent = ToQString(CStringTables::Load(StringId::kPercentUnit));
    for (int row = 0; row < kNbFigures; ++row) {
        const EFigure figure = kRows[row].Figure;
        const QString unit = figure == EFigure::CostRatio            ? percent
                             : figure == EFigure::PriceSellCurrency2 ? currency2
                                                                     : currency;
        AddRow(row, figure, QString::fromUtf8(kRows[row].Label), unit);
    }
    grid->setColumnStretch(1, 1);
    std::vector<QWidget*> order;
    for (const CFigureRow& row : kRows)
        order.push_back(Field(row.Figure));
    FormFields::SetTabOrder(order);
    SetPriceSellEditable(false);
}

QLineEdit* CRecipeFiguresBox::FirstField() const
{
    return Field(kRows[0].Figure);
}

QLineEdit* CRecipeFiguresBox::LastField() const
{
    return Field(kRows[kNbFigures - 1].Figure);
}

// The second currency's row (label, field, unit) stays hidden while it has no name.
void CRecipeFiguresBox::AddRow(int row, EFigure figure, const QString& label, const QString& unit)
{
    auto* grid = static_cast<QGridLayout*>(layout());
    QLineEdit* field = FormFields::TextField(kRows[row].ObjectName, this);
    field->setAlignment(Qt::AlignRight);
    field->setReadOnly(true);
    NumberField::FitWidth(field);
    m_fields[static_cast<size_t>(figure)] = field;
    QLabel* caption = FormFields::Label(label, field, this);
    auto* unitLabel = new QLabel(unit, this);
    unitLabel->setObjectName(QString::fromLatin1(kRows[row].ObjectName) + QStringLiteral("Unit"));
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(unitLabel, row, 2);
    if (figure == EFigure::PriceSellCurrency2 && unit.isEmpty()) {
        caption->hide();
        field->hide();
        unitLabel->hide();
    }
}

void CRecipeFiguresBox::Show(const CRecipeFigures& figures)
{
    SetFigure(EFigure::PriceBuy, figures.PriceBuy);
    SetFigure(EFigure::PriceSellCalculatedNoTax, figures.PriceSellCalculatedNoTax);
    SetFigure(EFigure::PriceSellCalculatedTax, figures.PriceSellCalculatedTax);
    SetFigure(EFigure::PriceSell, figures.PriceSell);
    SetFigure(EFigure::PriceSellNoTax, figures.PriceSellNoTax);
    SetFigure(EFigure::PriceSellCurrency2, figures.PriceSellCurrency2);
    SetFigure(EFigure::ContributionMargin, figures.ContributionMargin);
    SetFigure(EFigure::CostRatio, figures.CostRatio);
}

void CRecipeFiguresBox::ShowPurchasePriceOnly(double priceBuy)
{
    for (QLineEdit* field : m_fields)
        field->clear();
    SetFigure(EFigure::PriceBuy, priceBuy);
}

void CRecipeFiguresBox::SetPriceSellEditable(bool editable)
{
    QLineEdit* field = PriceSellField();
    field->setReadOnly(!editable);
    field->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
}

// A value beyond what a double holds (a typed 1e308 times a number of portions) shows as an
// empty field, never as "inf".
void CRecipeFiguresBox::SetFigure(EFigure figure, double value)
{
    QLineEdit* field = Field(figure);
    if (std::isfinite(value))
        NumberField::Show(field, value, kPrecision);
    else
        field->clear();
}
