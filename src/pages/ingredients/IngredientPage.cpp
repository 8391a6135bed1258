#include "IngredientPage.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "pages/common/FormFields.h"
#include "pages/common/GroupMenu.h"
#include "pages/common/PageHost.h"
#include "pages/ingredients/DialogIngredient.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

enum EColumn { kName, kSupplier, kGroup, kPricePerUnit, kTotalPrice, kAmount, kUnit, kNbColumns };

// Prices are shown whole up to "99.999,99".
constexpr const char* kWidestPrice = "99.999,99";

constexpr CListColumnSetup kColumns[kNbColumns] = {
    {StringId::kNameHeader, EColumnFormat::Left, 180},
    {StringId::kSupplierHeader, EColumnFormat::Left, 140},
    {StringId::kGroupHeader, EColumnFormat::Left, 140},
    {StringId::kPricePerUnitHeader, EColumnFormat::Right, 90, kWidestPrice},
    {StringId::kTotalPriceHeader, EColumnFormat::Right, 90, kWidestPrice},
    {StringId::kAmountHeader, EColumnFormat::Right, 90, "99.999"},
    {StringId::kUnitHeader, EColumnFormat::Left, 90},
};

const CListPage::CListSetup kList{"ingredientList", kColumns, CIngredientPage::kLayoutSection,
                                  CIngredientPage::kLayoutEntry, StringId::kIngredientListTitle};

} // namespace

CIngredientPage::CIngredientPage(CPageHost& host, const COptions& options, QWidget* parent)
    : CListPage(host, options, kList, parent)
{
    Title()->setText(UiText(DialogText::IngredientPage::kTitle));
    Subtitle()->setText(UiText(DialogText::IngredientPage::kSubtitle));
    QHBoxLayout* buttons = EditButtons("addIngredient", "changeIngredient", "deleteIngredient");
    m_groupButton = FormFields::Button(UiText(DialogText::IngredientPage::kGroups), "groupButton", Body());
    buttons->addWidget(m_groupButton);
    connect(m_groupButton, &QPushButton::clicked, this, &CIngredientPage::ChooseGroup);
}

void CIngredientPage::SetFilter(const std::string& filter)
{
    m_filter = filter;
    FillList();
}

// The ingredients of the filter's group, all without one.
void CIngredientPage::AddRows(CData& data)
{
    for (const CIngredient& ingredient : data.Ingredients) {
        if (m_filter.empty() || ingredient.Group == m_filter)
            AddRow(ingredient);
    }
}

int CIngredientPage::CountRecords(const CData& data) const
{
    return data.GetNbIngredients();
}

void CIngredientPage::AddRow(const CIngredient& ingredient)
{
    CListCtrlEx& list = *List();
    const std::uint32_t row = AddRecordRow(ingredient.Id);
    list.SetCellText(row, kName, ingredient.Name);
    list.SetCellText(row, kSupplier, ingredient.GetSupplierName());
    list.SetCellText(row, kGroup, ingredient.Group);
    list.SetCellNumber(row, kPricePerUnit, ingredient.GetPricePerUnit(), ECellType::TwoDecimals);
    list.SetCellNumber(row, kTotalPrice, ingredient.GetPrice(), ECellType::TwoDecimals);
    list.SetCellNumber(row, kAmount, ingredient.GetAmount(), ECellType::General);
    list.SetCellText(row, kUnit, ingredient.Unit);
}

CIngredient* CIngredientPage::SelectedIngredient() const
{
    CData* data = Host().GetData();
    return data ? SelectedIn(data->Ingredients) : nullptr;
}

void CIngredientPage::AddRecord()
{
    CData* data = Host().GetData();
    if (!data)
        return;
    CIngredient copy(data);
    CDialogIngredient dialog(Host(), copy, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int before = data->GetNbIngredients();
    std::optional<int> added;
    if (data->AddIngredient(copy) == 1)
        added = data->Ingredients.At(data->Ingredients.Count() - 1)->Id;
    AfterEdit(before, added);
}

void CIngredientPage::ChangeRecord()
{
    CIngredient* ingredient = SelectedIngredient();
    if (!ingredient || !CDialogIngredient::ChangeStored(Host(), *ingredient, this))
        return;
    AfterEdit(CountRecords(*Host().GetData()), ingredient->Id);
}

void CIngredientPage::DeleteRecord()
{
    CIngredient* ingredient = SelectedIngredient();
    CData* data = Host().GetData();
    if (!ingredient || !data)
        return;
    if (!ConfirmDelete(data->CanDeleteIngredient(ingredient), StringId::kIngredientInUse,
                       StringId::kDeleteIngredientQuestion, ingredient->Name))
        return;
    const int before = data->GetNbIngredients();
    if (data->DeleteIngredient(ingredient) != 1)
        return;
    AfterEdit(before, std::nullopt);
}

void CIngredientPage::ChooseGroup()
{
    if (const CData* data = Host().GetData())
        m_groups.Rebuild(data->Ingredients);
    if (const auto chosen = GroupMenu::Choose(m_groups, m_groupButton))
        SetFilter(*chosen);
}
