#include "GroupRatesPage.h"

#include "catalogue/Data.h"
#include "pages/common/FormFields.h"
#include "pages/common/PageHost.h"
#include "pages/masterdata/StoredNumbers.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kRowsPerColumn = 5;
// Rates are shown as typed: up to 15 significant digits, no trailing zeros (19 reads "19").
constexpr int kPrecision = -1;

struct CPageTexts
{
    const char* Title;
    int SectionId;
};

// By kind, then food or drinks.
constexpr CPageTexts kTexts[2][2] = {
    {{DialogText::GroupRatesPage::kFoodTaxesTitle, 109}, {DialogText::GroupRatesPage::kDrinkTaxesTitle, 132}},
    {{DialogText::GroupRatesPage::kFoodQuotesTitle, 110},
     {DialogText::GroupRatesPage::kDrinkQuotesTitle, 133}},
};

std::array<double, CData::kNbGroups>& Rates(CData& data, CGroupRatesPage::EKind kind)
{
    return kind == CGroupRatesPage::Taxes ? data.Taxes : data.Quotes;
}

// Null for a group number beyond the catalogue's groups.
double* RateOf(CData& data, CGroupRatesPage::EKind kind, int group)
{
    return CData::IsValidGroup(group) ? &Rates(data, kind)[group] : nullptr;
}

} // namespace

CGroupRatesPage::CGroupRatesPage(CPageHost& host, const COptions& options, EKind kind, bool drinks,
                                 QWidget* parent)
    : CMasterDataPage(host, options, parent), m_kind(kind), m_drinks(drinks),
      m_numbers(new CStoredNumbers(host, this))
{
    const CPageTexts& texts = kTexts[kind][drinks ? 1 : 0];
    Title()->setText(QString::fromUtf8(texts.Title));
    Subtitle()->setText(ToQString(CStringTables::Load(texts.SectionId)));
    BuildForm();
}

// The field handlers go first: a field that has the focus loses it on its way out.
CGroupRatesPage::~CGroupRatesPage()
{
    delete m_numbers;
}

void CGroupRatesPage::BuildForm()
{
    auto* grid = new QGridLayout(Body());
    for (int row = 0; row < MasterDataRules::kNbRows; ++row)
        AddRow(grid, row);
    for (int row = 1; row < MasterDataRules::kNbRows; ++row)
        setTabOrder(m_fields[row - 1], m_fields[row]);
    // The two columns keep together at the left; the room to spare stays right of them.
    grid->setColumnMinimumWidth(3, 24);
    grid->setColumnStretch(7, 1);
    grid->setRowStretch(kRowsPerColumn, 1);
}

// Label, number field and "Prozent"; rows 6 to 10 in the right column.
void CGroupRatesPage::AddRow(QGridLayout* grid, int row)
{
    const int column = 4 * (row / kRowsPerColumn);
    const QByteArray name = "rate" + QByteArray::number(row + 1);
    m_fields[row] = FormFields::TextField(name.constData(), Body());
    m_fields[row]->setAlignment(Qt::AlignRight);
    m_fields[row]->setMaximumWidth(90);
    m_labels[row] = FormFields::Label(QString(), m_fields[row], Body());
    auto* unit = new QLabel(ToQString(CStringTables::Load(StringId::kPercentUnit)), Body());
    grid->addWidget(m_labels[row], row % kRowsPerColumn, column);
    grid->addWidget(m_fields[row], row % kRowsPerColumn, column + 1);
    grid->addWidget(unit, row % kRowsPerColumn, column + 2);
    m_numbers->Bind(
        m_fields[row],
        [this, row](CData& data) {
            return RateOf(data, m_kind, MasterDataRules::FirstGroup(data, m_drinks) + row);
        },
        kPrecision);
}

void CGroupRatesPage::InitFromData(CData& data)
{
    m_numbers->Show(data);
    UpdateLabels(data);
}

// Only the rates the user changed; the window asks RefusedField first.
bool CGroupRatesPage::TakeIntoData(CData& data)
{
    m_numbers->Take(data);
    return true;
}

QLineEdit* CGroupRatesPage::RefusedField() const
{
    return m_numbers->Refused();
}

void CGroupRatesPage::RefreshPage()
{
    if (const CData* data = Host().GetData())
        UpdateLabels(*data);
}

void CGroupRatesPage::UpdateLabels(const CData& data)
{
    const int first = MasterDataRules::FirstGroup(data, m_drinks);
    for (int row = 0; row < MasterDataRules::kNbRows; ++row) {
        const std::string label = MasterDataRules::RowLabel(data, first + row);
        m_labels[row]->setText(ToQString(label).replace(QLatin1Char('&'), QStringLiteral("&&")));
        m_fields[row]->setEnabled(!label.empty());
    }
}
