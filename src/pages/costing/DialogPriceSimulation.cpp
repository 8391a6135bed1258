#include "DialogPriceSimulation.h"

#include "catalogue/Data.h"
#include "controls/DialogHelp.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FormFields.h"
#include "pages/common/MessageText.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"
#include "pages/ingredients/ImpactList.h"
#include "pages/ingredients/IngredientEditor.h"
#include "platform/qt/TextConversion.h"
#include "priceimpact/PriceScenario.h"
#include "priceimpact/SellPriceRounding.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

using namespace DialogText::PriceSimulation;

enum EIngredientColumn { kName, kGroup, kSupplier, kPrice, kNbIngredientColumns };

constexpr CListColumnSetup kIngredientColumns[kNbIngredientColumns] = {
    {StringId::kNameHeader, EColumnFormat::Left, 150},
    {StringId::kGroupHeader, EColumnFormat::Left, 110},
    {StringId::kSupplierHeader, EColumnFormat::Left, 160},
    {StringId::kPriceHeader, EColumnFormat::Right, 80, "99.999,99"},
};

// The rounding choices in the order of the box.
constexpr SellPriceRounding::ERounding kRoundings[] = {SellPriceRounding::Cents, SellPriceRounding::Tenths,
                                                       SellPriceRounding::Endings50And90};

QRadioButton* Radio(const char* text, const char* objectName, QWidget* parent)
{
    auto* radio = new QRadioButton(UiText(text), parent);
    radio->setObjectName(QString::fromLatin1(objectName));
    return radio;
}

QComboBox* Choices(const char* objectName, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

} // namespace

CDialogPriceSimulation::CDialogPriceSimulation(CPageHost& host, QWidget* parent)
    : QDialog(parent), m_host(host)
{
    setWindowTitle(UiText(kWindowTitle));
    setObjectName(QStringLiteral("dialogPriceSimulation"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildSelection(), 1);
    layout->addWidget(BuildChange());
    layout->addLayout(BuildResult(), 2);
    layout->addWidget(BuildButtons());
    FillChoices();
    FormFields::SetTabOrder({m_oneByOne, m_ingredients, m_byGroup, m_groups, m_bySupplier, m_suppliers,
                             m_percentMode, m_percent, m_priceMode, m_price, m_calculate, m_result,
                             m_rounding, m_buttons});
    m_oneByOne->setFocus();
}

QWidget* CDialogPriceSimulation::BuildSelection()
{
    auto* box = new QGroupBox(UiText(kIngredientsBox), this);
    m_oneByOne = Radio(kOneByOne, "oneByOne", box);
    m_byGroup = Radio(kByGroup, "byGroup", box);
    m_bySupplier = Radio(kBySupplier, "bySupplier", box);
    m_oneByOne->setChecked(true);
    m_ingredients = new CListCtrlEx(box);
    m_ingredients->setObjectName(QStringLiteral("ingredientList"));
    m_ingredients->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_ingredients->InsertColumns(kIngredientColumns);
    m_ingredients->setMinimumHeight(150);
    m_groups = Choices("groupChoice", box);
    m_suppliers = Choices("supplierChoice", box);
    auto* grid = new QGridLayout(box);
    grid->addWidget(m_oneByOne, 0, 0, Qt::AlignTop);
    grid->addWidget(m_ingredients, 0, 1);
    grid->addWidget(m_byGroup, 1, 0);
    grid->addWidget(m_groups, 1, 1);
    grid->addWidget(m_bySupplier, 2, 0);
    grid->addWidget(m_suppliers, 2, 1);
    grid->setColumnStretch(1, 1);
    connect(m_ingredients, &CListCtrlEx::SelectionChanged, this, [this] { m_oneByOne->setChecked(true); });
    connect(m_groups, qOverload<int>(&QComboBox::activated), this, [this] { m_byGroup->setChecked(true); });
    connect(m_suppliers, qOverload<int>(&QComboBox::activated), this,
            [this] { m_bySupplier->setChecked(true); });
    return box;
}

QWidget* CDialogPriceSimulation::BuildChange()
{
    auto* box = new QGroupBox(UiText(kChangeBox), this);
    m_percentMode = Radio(kPercent, "percentMode", box);
    m_priceMode = Radio(kNewPrice, "priceMode", box);
    m_percentMode->setChecked(true);
    m_percent = FormFields::TextField("percent", box);
    m_price = FormFields::TextField("newPrice", box);
    for (QLineEdit* field : {m_percent, m_price}) {
        field->setAlignment(Qt::AlignRight);
        NumberField::FitWidth(field);
    }
    NumberField::Show(m_percent, 0.0, 2);
    NumberField::Show(m_price, 0.0, 2);
    m_calculate = FormFields::Button(UiText(kCalculate), "calculateButton", box);
    // Enter in a field or the lists calculates; the dialog closes only through its buttons.
    m_calculate->setDefault(true);
    const CData* data = m_host.GetData();
    auto* row = new QHBoxLayout(box);
    row->addWidget(m_percentMode);
    row->addWidget(m_percent);
    row->addWidget(new QLabel(QStringLiteral("%"), box));
    row->addSpacing(16);
    row->addWidget(m_priceMode);
    row->addWidget(m_price);
    row->addWidget(new QLabel(ToQString(data ? data->CurrencyUnit : std::string()), box));
    row->addStretch(1);
    row->addWidget(m_calculate);
    connect(m_percent, &QLineEdit::textEdited, this, [this] { m_percentMode->setChecked(true); });
    connect(m_price, &QLineEdit::textEdited, this, [this] { m_priceMode->setChecked(true); });
    connect(m_calculate, &QPushButton::clicked, this, [this] { static_cast<void>(Calculate()); });
    return box;
}

QLayout* CDialogPriceSimulation::BuildResult()
{
    m_result = new CListCtrlEx(this);
    m_result->setObjectName(QStringLiteral("simulationList"));
    m_result->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ImpactList::AddColumns(*m_result, true);
    m_result->LoadLayout(m_host.Profile(), kLayoutSection, kLayoutEntry);
    m_result->setMinimumHeight(180);
    ImpactList::FitWidth(*m_result);
    connect(m_result, &CListCtrlEx::LayoutEdited, this,
            [this] { m_result->SaveLayout(m_host.Profile(), kLayoutSection, kLayoutEntry); });
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("simulationSummary"));
    m_rounding = Choices("rounding", this);
    for (const char* text : {kRoundCents, kRoundTenths, kRoundEndings})
        m_rounding->addItem(UiText(text));
    connect(m_rounding, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] { FillResult(); });
    auto* roundingRow = new QHBoxLayout;
    roundingRow->addWidget(m_summary, 1);
    roundingRow->addWidget(FormFields::Label(UiText(kRounding), m_rounding, this));
    roundingRow->addWidget(m_rounding);
    auto* layout = new QVBoxLayout;
    layout->addWidget(FormFields::Label(UiText(kResult), m_result, this));
    layout->addWidget(m_result, 1);
    layout->addLayout(roundingRow);
    return layout;
}

QWidget* CDialogPriceSimulation::BuildButtons()
{
    QPushButton* print =
        FormFields::Button(UiText(DialogText::PriceImpact::kPrint), "printButton", this, false);
    QPushButton* exportButton =
        FormFields::Button(UiText(DialogText::PriceImpact::kExport), "exportButton", this, false);
    m_apply = FormFields::Button(UiText(kApply), "applyButton", this, false);
    QPushButton* close =
        FormFields::Button(UiText(DialogText::PriceImpact::kClose), "closeButton", this, false);
    CDialogHelp::Attach(*this, [this] { m_host.OpenHelp(m_host.HelpAddress(kHelpAnchor)); });
    QDialogButtonBox* box = FormFields::ButtonBox(this, {{m_apply, QDialogButtonBox::ActionRole},
                                                         {print, QDialogButtonBox::ActionRole},
                                                         {exportButton, QDialogButtonBox::ActionRole},
                                                         {close, QDialogButtonBox::RejectRole}});
    print->setEnabled(m_host.CanPrint());
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_apply, &QPushButton::clicked, this, &CDialogPriceSimulation::Apply);
    connect(print, &QPushButton::clicked, this,
            [this] { m_host.PrintList(*m_result, StringId::kSimulationListTitle); });
    connect(exportButton, &QPushButton::clicked, this, [this] {
        static_cast<void>(
            ImpactList::Export(m_host, *m_result, CStringTables::Load(StringId::kSimulationListTitle)));
    });
    m_buttons = box;
    return box;
}

// The ingredients that have a supplier in use, the goods groups and the suppliers in use.
void CDialogPriceSimulation::FillChoices()
{
    const CData* data = m_host.GetData();
    if (!data)
        return;
    for (const CIngredient& ingredient : data->Ingredients) {
        if (!ingredient.SupplierInUse)
            continue;
        const std::uint32_t row = m_ingredients->AddRow(static_cast<std::uint32_t>(ingredient.Id));
        m_ingredients->SetCellText(row, kName, ingredient.Name);
        m_ingredients->SetCellText(row, kGroup, ingredient.Group);
        m_ingredients->SetCellText(row, kSupplier, ingredient.GetSupplierName());
        m_ingredients->SetCellNumber(row, kPrice, ingredient.GetPrice(), ECellType::TwoDecimals);
    }
    m_ingredients->Fill();
    m_ingredients->Sort();
    for (const std::string& name : CIngredientEditor::GroupNames(*data))
        m_groups->addItem(ToQString(name));
    for (const std::string& name : PriceChange::SupplierNamesInUse(*data))
        m_suppliers->addItem(ToQString(name));
}

bool CDialogPriceSimulation::ReadChange(CPriceChange& change)
{
    QLineEdit* field = m_percentMode->isChecked() ? m_percent : m_price;
    change.Mode = m_percentMode->isChecked() ? CPriceChange::Percent : CPriceChange::NewPrice;
    if (!NumberField::Read(field, m_host.Messages(), change.Value))
        return false;
    if (m_byGroup->isChecked() || m_bySupplier->isChecked()) {
        change.Selection = m_byGroup->isChecked() ? CPriceChange::ByGroup : CPriceChange::BySupplier;
        change.Key = FromQStringLossy((m_byGroup->isChecked() ? m_groups : m_suppliers)->currentText());
        return true;
    }
    change.Selection = CPriceChange::ByIngredients;
    for (const std::uint32_t rowId : m_ingredients->GetSelectedRowIds()) {
        if (const CListRow* row = m_ingredients->GetData().FindRow(rowId))
            change.IngredientIds.push_back(static_cast<int>(row->UserData));
    }
    return true;
}

bool CDialogPriceSimulation::Calculate()
{
    const CData* data = m_host.GetData();
    CPriceChange change;
    if (!data || !ReadChange(change))
        return false;
    CPriceScenario scenario(*data);
    if (!PriceChange::Fill(scenario, change))
        return false;
    const std::size_t changed = scenario.Ingredients().size();
    m_rows = changed ? PriceImpact::Rows(scenario, true) : std::vector<CImpactRow>();
    FillResult();
    m_summary->setText(
        ToQString(MessageText::WithName(StringId::kSimulationChangedCount, std::to_string(changed)) +
                  std::to_string(m_rows.size())));
    if (changed == 0) {
        CProgramMessages::Show(m_host.Messages(), StringId::kSimulationNoIngredient);
        return false;
    }
    return true;
}

void CDialogPriceSimulation::FillResult()
{
    const CData* data = m_host.GetData();
    if (!data)
        return;
    const auto rounding = kRoundings[std::max(0, m_rounding->currentIndex())];
    m_newPrices.clear();
    for (const CImpactRow& row : m_rows)
        m_newPrices.push_back(SellPriceRounding::Round(row.After.PriceSellCalculatedTax, rounding));
    ImpactList::Fill(*m_result, *data, m_rows, &m_newPrices);
}

// The selected dishes with a price to charge; none selected keeps the dialog open.
void CDialogPriceSimulation::Apply()
{
    m_chosen.clear();
    for (const std::uint32_t rowId : m_result->GetSelectedRowIds()) {
        const CListRow* row = m_result->GetData().FindRow(rowId);
        if (row && row->UserData < m_rows.size() && m_newPrices[row->UserData] > 0.0)
            m_chosen.emplace_back(m_rows[row->UserData].RecipeId, m_newPrices[row->UserData]);
    }
    if (m_chosen.empty()) {
        CProgramMessages::Show(m_host.Messages(), StringId::kSimulationNoDish);
        return;
    }
    accept();
}

std::vector<CSellPriceStep::CNewPrice> CDialogPriceSimulation::ChosenPrices(CData& data) const
{
    std::vector<CSellPriceStep::CNewPrice> prices;
    for (const auto& [id, price] : m_chosen) {
        for (CRecipe& recipe : data.Recipes) {
            if (recipe.Id == id)
                prices.push_back({&recipe, price});
        }
    }
    return prices;
}
