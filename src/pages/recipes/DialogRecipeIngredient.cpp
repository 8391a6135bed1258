#include "DialogRecipeIngredient.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FieldLeaveWatcher.h"
#include "pages/common/FormFields.h"
#include "pages/common/GroupMenu.h"
#include "pages/common/NumberField.h"
#include "pages/common/PageHost.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"
#include "resources/StringTables.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kFigurePrecision = 2;
constexpr int kInputPrecision = -1;

constexpr CListColumnSetup kColumns[] = {{StringId::kNameHeader, EColumnFormat::Left, 180},
                                         {StringId::kGroupHeader, EColumnFormat::Left, 140},
                                         {StringId::kPriceHeader, EColumnFormat::Left, 90},
                                         {StringId::kAmountHeader, EColumnFormat::Left, 90},
                                         {StringId::kUnitHeader, EColumnFormat::Left, 90}};

QLineEdit* DisplayField(const char* objectName, QWidget* parent)
{
    QLineEdit* field = FormFields::TextField(objectName, parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

bool SameItem(const CIngredientChoices::CChoice& a, const CIngredientChoices::CChoice& b)
{
    return a.Ingredient == b.Ingredient && a.Recipe == b.Recipe;
}

} // namespace

CDialogRecipeIngredient::CDialogRecipeIngredient(CPageHost& host, const CRecipe* edited,
                                                 const CRecipeIngredient* line, QWidget* parent)
    : CEditDialog(host, "DialogRecipeIngredient", parent), m_edited(edited),
      m_groups(CIngredientChoices::RecipeGroup())
{
    setWindowTitle(UiText(DialogText::RecipeIngredient::kWindowTitle));
    setObjectName(QStringLiteral("dialogRecipeIngredient"));
    BuildForm();
    AddColumns();
    m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
    FormFields::FitToColumns(m_list);
    if (line)
        TakeLine(*line);
    NumberField::Show(m_amountField, m_amount, kInputPrecision);
    NumberField::Show(m_weightLossField, m_weightLoss, kInputPrecision);
    FillList();
    m_amountField->setFocus();
}

void CDialogRecipeIngredient::BuildForm()
{
    m_list = new CListCtrlEx(this);
    m_list->setObjectName(QStringLiteral("ingredientList"));
    // A line takes one ingredient or recipe.
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumSize(600, 220);
    m_groupButton = new QPushButton(UiText(DialogText::RecipeIngredient::kGroups), this);
    m_groupButton->setObjectName(QStringLiteral("groupButton"));
    m_groupButton->setAutoDefault(false);
    auto* groupRow = new QHBoxLayout;
    groupRow->addStretch(1);
    groupRow->addWidget(m_groupButton);
    QDialogButtonBox* buttons = FormFields::ButtonBox(
        this, {{OkButton(), QDialogButtonBox::AcceptRole}, {CancelButton(), QDialogButtonBox::RejectRole}});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildFields());
    layout->addLayout(groupRow);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    // The fields row by row, the group menu above the list, then the dialog's buttons.
    FormFields::SetTabOrder({m_name, m_amountField, m_purchasePrice, m_weightLossField, m_purchaseAmount,
                             m_groupButton, m_list, buttons});
    connect(m_groupButton, &QPushButton::clicked, this, &CDialogRecipeIngredient::ChooseGroup);
    connect(m_list, &CListCtrlEx::SelectionChanged, this, &CDialogRecipeIngredient::OnSelectionChanged);
    Watcher().Watch(m_amountField, [this] { LeaveNumber(m_amountField, m_amount); });
    Watcher().Watch(m_weightLossField, [this] { LeaveNumber(m_weightLossField, m_weightLoss); });
}

QLayout* CDialogRecipeIngredient::BuildFields()
{
    m_name = DisplayField("name", this);
    m_amountField = FormFields::TextField("amount", this);
    m_weightLossField = FormFields::TextField("weightLoss", this);
    m_purchasePrice = DisplayField("purchasePrice", this);
    m_purchaseAmount = DisplayField("purchaseAmount", this);
    for (QLineEdit* field : {m_amountField, m_weightLossField, m_purchasePrice, m_purchaseAmount})
        NumberField::FitWidth(field);
    m_amountUnit = new QLabel(this);
    m_purchaseUnit = new QLabel(this);
    const CData* data = Host().GetData();
    auto* grid = new QGridLayout;
    FormFields::AddRow(grid, 0, 0, UiText(DialogText::RecipeIngredient::kIngredient), m_name, 2);
    FormFields::AddRow(grid, 1, 0, UiText(DialogText::RecipeIngredient::kAmount), m_amountField);
    grid->addWidget(m_amountUnit, 1, 2);
    FormFields::AddRow(grid, 2, 0, UiText(DialogText::RecipeIngredient::kWeightLoss), m_weightLossField);
    grid->addWidget(new QLabel(ToQString(CStringTables::Load(StringId::kPercentUnit)), this), 2, 2);
    FormFields::AddRow(grid, 1, 3, UiText(DialogText::RecipeIngredient::kPurchasePrice), m_purchasePrice);
    grid->addWidget(new QLabel(ToQString(data ? data->CurrencyUnit : std::string()), this), 1, 5);
    FormFields::AddRow(grid, 2, 3, UiText(DialogText::RecipeIngredient::kPurchaseAmount), m_purchaseAmount);
    grid->addWidget(m_purchaseUnit, 2, 5);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
    return grid;
}

void CDialogRecipeIngredient::AddColumns()
{
    m_list->InsertColumns(kColumns);
}

void CDialogRecipeIngredient::TakeLine(const CRecipeIngredient& line)
{
    m_amount = line.Amount;
    m_weightLoss = line.WeightLoss;
    m_chosen.Ingredient = line.SubRecipe ? nullptr : line.Ingredient;
    m_chosen.Recipe = line.SubRecipe;
}

// Selects the row of the chosen item when the filter shows it. A filter that hides it keeps
// it chosen (the name field still shows it), so that it is selected again when the filter
// shows it once more; only a click on another row chooses anew.
void CDialogRecipeIngredient::FillList()
{
    m_filling = true;
    m_list->DeleteAllRows();
    m_choices = CIngredientChoices::Build(*Host().GetData(), m_edited, m_filter);
    std::uint32_t chosenRow = 0;
    for (std::uint32_t index = 0; index < m_choices.size(); ++index) {
        const CIngredientChoices::CChoice& choice = m_choices[index];
        const std::uint32_t row = m_list->AddRow(index);
        m_list->SetCellText(row, 0, choice.Name);
        m_list->SetCellText(row, 1, choice.Group);
        m_list->SetCellNumber(row, 2, choice.Price, ECellType::TwoDecimals);
        m_list->SetCellNumber(row, 3, choice.Amount, ECellType::General);
        m_list->SetCellText(row, 4, choice.Unit);
        if (SameItem(choice, m_chosen))
            chosenRow = row;
    }
    m_list->Fill();
    m_list->Sort();
    m_filling = false;
    if (chosenRow != 0)
        m_list->SelectRowById(chosenRow);
    ShowChosen();
}

void CDialogRecipeIngredient::OnSelectionChanged()
{
    if (m_filling)
        return;
    const auto index = m_list->GetSelectedUserData();
    m_chosen = index && *index < m_choices.size() ? m_choices[*index] : CIngredientChoices::CChoice{};
    ShowChosen();
}

void CDialogRecipeIngredient::ShowChosen()
{
    FormFields::SetText(m_name, m_chosen.Name);
    m_amountUnit->setText(ToQString(m_chosen.Unit));
    m_purchaseUnit->setText(ToQString(m_chosen.Unit));
    ShowFigures();
}

void CDialogRecipeIngredient::ShowFigures()
{
    if (!m_chosen.Ingredient && !m_chosen.Recipe) {
        m_purchasePrice->clear();
        m_purchaseAmount->clear();
        return;
    }
    const auto figures =
        CIngredientChoices::LineFigures(m_chosen.Ingredient, m_chosen.Recipe, m_amount, m_weightLoss);
    NumberField::Show(m_purchaseAmount, figures.AmountGross, kFigurePrecision);
    NumberField::Show(m_purchasePrice, figures.Price, kFigurePrecision);
}

void CDialogRecipeIngredient::LeaveNumber(QLineEdit* field, double& value)
{
    if (NumberField::Read(field, Host().Messages(), value))
        ShowFigures();
}

void CDialogRecipeIngredient::ChooseGroup()
{
    m_groups.Rebuild(Host().GetData()->Ingredients);
    if (const auto chosen = GroupMenu::Choose(m_groups, m_groupButton)) {
        m_filter = *chosen;
        FillList();
    }
}

void CDialogRecipeIngredient::accept()
{
    if (!NumberField::ReadOnClose(m_amountField, Host().Messages(), m_amount) ||
        !NumberField::ReadOnClose(m_weightLossField, Host().Messages(), m_weightLoss))
        return;
    if ((!m_chosen.Ingredient && !m_chosen.Recipe) || !(m_amount > 0.0)) {
        CProgramMessages::Show(Host().Messages(), StringId::kNoIngredientChosen);
        return;
    }
    m_list->SaveLayout(Host().Profile(), kLayoutSection, kLayoutEntry);
    CEditDialog::accept();
}
