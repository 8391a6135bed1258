#include "IngredientPage.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FormFields.h"
#include "pages/common/GroupMenu.h"
#include "pages/common/MessageText.h"
#include "pages/common/PageHost.h"
#include "pages/ingredients/DialogIngredient.h"
#include "resources/StringIds.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum EColumn { kName, kSupplier, kGroup, kPricePerUnit, kTotalPrice, kAmount, kUnit, kNbColumns };

constexpr CListColumnSpec kColumns[kNbColumns] = {
    {StringId::kNameHeader, EColumnFormat::Left, 180},
    {StringId::kSupplierHeader, EColumnFormat::Left, 140},
    {StringId::kGroupHeader, EColumnFormat::Left, 140},
    {StringId::kPricePerUnitHeader, EColumnFormat::Right, 90},
    {StringId::kTotalPriceHeader, EColumnFormat::Right, 90},
    {StringId::kAmountHeader, EColumnFormat::Right, 90},
    {StringId::kUnitHeader, EColumnFormat::Left, 90},
};

} // namespace

CIngredientPage::CIngredientPage(CPageHost& host, const COptions& options, QWidget* parent)
    : CSubDialog(host, options, parent)
{
    Title()->setText(QStringLiteral("Einkauf und Zutaten"));
    Subtitle()->setText(
        QStringLiteral("Sobald Sie mindestens eine Zutat angelegt haben, können Sie im nächsten "
                       "Schritt Rezepturen zusammen stellen"));
    BuildBody();
    AddColumns();
    m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
}

CIngredientPage::~CIngredientPage()
{
    m_list->SaveLayout(Host().Profile(), kLayoutSection, kLayoutEntry);
}

void CIngredientPage::BuildBody()
{
    m_list = new CListCtrlEx(Body());
    m_list->setObjectName(QStringLiteral("ingredientList"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addWidget(BuildButtons());
    connect(m_list, &CListCtrlEx::RowDoubleClicked, this, [this] { ChangeIngredient(); });
    connect(m_list, &CListCtrlEx::RowActivated, this, [this] { ChangeIngredient(); });
}

QWidget* CIngredientPage::BuildButtons()
{
    auto* row = new QWidget(Body());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* add = CFormFields::Button(QStringLiteral("&Hinzufügen"), "addIngredient", row);
    QPushButton* change = CFormFields::Button(QStringLiteral("Ä&ndern"), "changeIngredient", row);
    QPushButton* remove = CFormFields::Button(QStringLiteral("&Löschen"), "deleteIngredient", row);
    m_groupButton = CFormFields::Button(QStringLiteral("&Warengruppen"), "groupButton", row);
    for (QPushButton* button : {add, change, remove})
        layout->addWidget(button);
    layout->addStretch(1);
    layout->addWidget(m_groupButton);
    connect(add, &QPushButton::clicked, this, &CIngredientPage::AddIngredient);
    connect(change, &QPushButton::clicked, this, &CIngredientPage::ChangeIngredient);
    connect(remove, &QPushButton::clicked, this, &CIngredientPage::DeleteIngredient);
    connect(m_groupButton, &QPushButton::clicked, this, &CIngredientPage::ChooseGroup);
    return row;
}

void CIngredientPage::AddColumns()
{
    m_list->InsertColumns(kColumns);
}

void CIngredientPage::InitFromData(CData& data)
{
    (void)data;
    FillList();
}

void CIngredientPage::RefreshPage()
{
    FillList();
}

// The list as shown: its columns, order and group filter.
void CIngredientPage::Print()
{
    Host().PrintList(*m_list, StringId::kIngredientListTitle);
}

void CIngredientPage::SetFilter(const std::string& filter)
{
    m_filter = filter;
    FillList();
}

// The ingredients of the filter's group (all without one) in catalogue order, then sorted as
// the user last sorted the list.
void CIngredientPage::FillList()
{
    m_list->DeleteAllRows();
    m_rows.clear();
    if (CData* data = Host().GetData()) {
        for (CIngredient& ingredient : data->Ingredients) {
            if (m_filter.empty() || ingredient.Group == m_filter) {
                AddRow(ingredient, static_cast<std::uint32_t>(m_rows.size()));
                m_rows.push_back(&ingredient);
            }
        }
    }
    m_list->Fill();
    m_list->Sort();
    UpdateHint();
}

void CIngredientPage::AddRow(const CIngredient& ingredient, std::uint32_t index)
{
    const std::uint32_t row = m_list->AddRow(index);
    m_list->SetCellText(row, kName, ingredient.Name);
    m_list->SetCellText(row, kSupplier, ingredient.GetSupplierName());
    m_list->SetCellText(row, kGroup, ingredient.Group);
    m_list->SetCellNumber(row, kPricePerUnit, ingredient.GetPricePerUnit(), ECellType::TwoDecimals);
    m_list->SetCellNumber(row, kTotalPrice, ingredient.GetPrice(), ECellType::TwoDecimals);
    m_list->SetCellNumber(row, kAmount, ingredient.GetAmount(), ECellType::General);
    m_list->SetCellText(row, kUnit, ingredient.Unit);
}

CIngredient* CIngredientPage::SelectedIngredient() const
{
    const auto index = m_list->GetSelectedUserData();
    return index && *index < m_rows.size() ? m_rows[*index] : nullptr;
}

void CIngredientPage::AddIngredient()
{
    CData* data = Host().GetData();
    if (!data)
        return;
    CIngredient copy(data);
    CDialogIngredient dialog(Host(), copy, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool wasEmpty = data->GetNbIngredients() == 0;
    if (data->AddIngredient(copy) != 1)
        return;
    FillList();
    AfterCountChange(wasEmpty);
}

void CIngredientPage::ChangeIngredient()
{
    CIngredient* ingredient = SelectedIngredient();
    if (!ingredient)
        return;
    CIngredient copy(ingredient->Owner);
    if (!copy.CopyFrom(*ingredient))
        return;
    CDialogIngredient dialog(Host(), copy, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A failed copy (out of memory) has been reported; the list shows what is stored.
    static_cast<void>(ingredient->CopyFrom(copy));
    FillList();
}

void CIngredientPage::DeleteIngredient()
{
    CIngredient* ingredient = SelectedIngredient();
    CData* data = Host().GetData();
    if (!ingredient || !data)
        return;
    if (!data->CanDeleteIngredient(ingredient)) {
        CProgramMessages::Show(Host().Messages(), StringId::kIngredientInUse);
        return;
    }
    if (!CProgramMessages::AskYesNo(
            Host().Messages(), CMessageText::WithName(StringId::kDeleteIngredientQuestion, ingredient->Name)))
        return;
    if (data->DeleteIngredient(ingredient) != 1)
        return;
    FillList();
    AfterCountChange(false);
}

// The tabs follow when the first ingredient came or the last one went.
void CIngredientPage::AfterCountChange(bool wasEmpty)
{
    const CData* data = Host().GetData();
    if (data && (wasEmpty || data->GetNbIngredients() == 0))
        Host().RebuildTabs(-1);
}

void CIngredientPage::ChooseGroup()
{
    if (const CData* data = Host().GetData())
        m_groups.Rebuild(data->Ingredients);
    if (const auto chosen = CGroupMenu::Choose(m_groups, m_groupButton))
        SetFilter(*chosen);
}

void CIngredientPage::UpdateHint()
{
    const CData* data = Host().GetData();
    Subtitle()->setVisible(!data || data->GetNbIngredients() == 0);
}
