#include "CurrencyPage.h"

#include "catalogue/Data.h"
#include "pages/common/FieldLeaveWatcher.h"
#include "pages/common/FormFields.h"
#include "pages/masterdata/MasterDataRules.h"
#include "pages/masterdata/StoredNumbers.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr int kFactorPrecision = -1;

} // namespace

CCurrencyPage::CCurrencyPage(CPageHost& host, const COptions& options, QWidget* parent)
    : CMasterDataPage(host, options, parent), m_watcher(new CFieldLeaveWatcher(this)),
      m_numbers(new CStoredNumbers(host, this))
{
    Title()->setText(UiText(DialogText::CurrencyPage::kTitle));
    Subtitle()->setText(ToQString(CStringTables::Load(StringId::kCurrenciesSection)));
    BuildForm();
}

// The field handlers go first: a field that has the focus loses it on its way out.
CCurrencyPage::~CCurrencyPage()
{
    delete m_numbers;
    delete m_watcher;
}

void CCurrencyPage::BuildForm()
{
    m_currency = FormFields::TextField("currency", Body());
    m_currency2 = FormFields::TextField("currency2", Body());
    m_factor = FormFields::TextField("factor", Body());
    m_factor->setAlignment(Qt::AlignRight);
    m_factorBefore = FormFields::Label(QString(), m_factor, Body());
    m_factorBefore->setObjectName(QStringLiteral("factorBefore"));
    m_factorAfter = new QLabel(Body());
    m_factorAfter->setObjectName(QStringLiteral("factorAfter"));
    auto* grid = new QGridLayout(Body());
    FormFields::AddRow(grid, 0, 0, UiText(DialogText::CurrencyPage::kCurrency), m_currency);
    FormFields::AddRow(grid, 1, 0, UiText(DialogText::CurrencyPage::kCurrency2), m_currency2);
    grid->addWidget(new QLabel(UiText(DialogText::CurrencyPage::kCurrency2Example), Body()), 1, 2);
    grid->addWidget(m_factorBefore, 2, 0, Qt::AlignRight);
    grid->addWidget(m_factor, 2, 1);
    grid->addWidget(m_factorAfter, 2, 2);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(3, 1);
    m_watcher->Watch(m_currency, [this] { UpdateLabels(); });
    m_watcher->Watch(m_currency2, [this] { UpdateLabels(); });
    m_numbers->Bind(
        m_factor, [](CData& data) { return &data.CurrencyFactor2; }, kFactorPrecision);
}

void CCurrencyPage::InitFromData(CData& data)
{
    FormFields::SetText(m_currency, data.CurrencyUnit);
    FormFields::SetText(m_currency2, data.CurrencyUnit2);
    m_numbers->Show(data);
    UpdateLabels();
}

bool CCurrencyPage::TakeIntoData(CData& data)
{
    data.CurrencyUnit = FormFields::Text(m_currency);
    data.CurrencyUnit2 = FormFields::Text(m_currency2);
    m_numbers->Take(data);
    return true;
}

QLineEdit* CCurrencyPage::RefusedField() const
{
    return m_numbers->Refused();
}

void CCurrencyPage::RefreshPage()
{
    UpdateLabels();
}

void CCurrencyPage::UpdateLabels()
{
    const QString before = ToQString(MasterDataRules::FactorLabel(FormFields::Text(m_currency)));
    m_factorBefore->setText(QString(before).replace(QLatin1Char('&'), QStringLiteral("&&")));
    m_factorAfter->setText(m_currency2->text());
}
