#include "DialogPriceImpact.h"

#include "catalogue/Data.h"
#include "catalogue/NumberText.h"
#include "controls/DialogHelp.h"
#include "controls/ListCtrlEx.h"
#include "pages/common/FormFields.h"
#include "pages/common/PageHost.h"
#include "pages/ingredients/ImpactList.h"
#include "platform/qt/TextConversion.h"
#include "priceimpact/PriceScenario.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// "Butter : 2,00 → 3,00 EUR / kg"
QString PriceLine(const CData& data, const CIngredient& original, const CIngredient& changed)
{
    const std::string unit = data.CurrencyUnit + (original.Unit.empty() ? "" : " / " + original.Unit);
    return ToQString(original.Name + " : " + NumberText::Format(original.GetPricePerUnit(), 2)) +
           QStringLiteral(" \u2192 ") +
           ToQString(NumberText::Format(changed.GetPricePerUnit(), 2) + " " + unit);
}

} // namespace

CDialogPriceImpact::CDialogPriceImpact(CPageHost& host, const CIngredient& original,
                                       const CIngredient& changed, QWidget* parent)
    : QDialog(parent), m_host(host)
{
    setWindowTitle(UiText(DialogText::PriceImpact::kWindowTitle));
    setObjectName(QStringLiteral("dialogPriceImpact"));
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("impactSummary"));
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("impactList"));
    ImpactList::AddColumns(*m_list, false);
    m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
    connect(m_list, &CListCtrlEx::LayoutEdited, this,
            [this] { m_list->SaveLayout(m_host.Profile(), kLayoutSection, kLayoutEntry); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(FormFields::Label(UiText(DialogText::PriceImpact::kList), m_list, this));
    layout->addWidget(m_list, 1);
    layout->addWidget(BuildButtons());
    Compute(original, changed);
    ImpactList::FitWidth(*m_list);
    FormFields::SetTabOrder({m_list, m_buttons});
    m_list->setFocus();
}

void CDialogPriceImpact::Compute(const CIngredient& original, const CIngredient& changed)
{
    const CData* data = m_host.GetData();
    if (!data)
        return;
    CPriceScenario scenario(*data);
    CIngredient* replacement = scenario.Replace(original);
    if (replacement && replacement->CopyFrom(changed) && scenario.Build())
        m_rows = PriceImpact::Rows(scenario);
    ImpactList::Fill(*m_list, *data, m_rows);
    QString summary = PriceLine(*data, original, changed);
    if (m_rows.empty())
        summary += QLatin1Char('\n') + ToQString(CStringTables::Load(StringId::kImpactNoRecipe));
    m_summary->setText(summary);
}

QWidget* CDialogPriceImpact::BuildButtons()
{
    QPushButton* print =
        FormFields::Button(UiText(DialogText::PriceImpact::kPrint), "printButton", this, false);
    QPushButton* exportButton =
        FormFields::Button(UiText(DialogText::PriceImpact::kExport), "exportButton", this, false);
    QPushButton* close =
        FormFields::Button(UiText(DialogText::PriceImpact::kClose), "closeButton", this, false);
    CDialogHelp::Attach(*this, [this] { m_host.OpenHelp(m_host.HelpAddress(kHelpAnchor)); });
    QDialogButtonBox* box = FormFields::ButtonBox(this, {{print, QDialogButtonBox::ActionRole},
                                                         {exportButton, QDialogButtonBox::ActionRole},
                                                         {close, QDialogButtonBox::RejectRole}});
    print->setEnabled(m_host.CanPrint());
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(print, &QPushButton::clicked, this,
            [this] { m_host.PrintList(*m_list, StringId::kImpactListTitle); });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        static_cast<void>(
            ImpactList::Export(m_host, *m_list, CStringTables::Load(StringId::kImpactListTitle)));
    });
    m_buttons = box;
    return box;
}
