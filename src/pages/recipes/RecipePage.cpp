#include "RecipePage.h"

#include "catalogue/CostMemo.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FormFields.h"
#include "pages/common/GroupSelection.h"
#include "pages/common/MessageText.h"
#include "pages/common/PageHost.h"
#include "pages/recipes/DialogRecipe.h"
#include "pages/recipes/RecipeFigures.h"
#include "resources/StringIds.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum EColumn {
    kName,
    kGroup,
    kPriceBuy,
    kCalculatedNet,
    kCalculatedGross,
    kActualNet,
    kActualGross,
    kMargin,
    kCostRatio,
    kNbColumns
};

constexpr CListColumnSpec kColumns[kNbColumns] = {
    {StringId::kNameHeader, EColumnFormat::Left, 200},
    {StringId::kGroupHeader, EColumnFormat::Left, 120},
    {StringId::kPurchasePriceHeader, EColumnFormat::Right, 90},
    {StringId::kCalculatedNetHeader, EColumnFormat::Right, 90},
    {StringId::kCalculatedGrossHeader, EColumnFormat::Right, 90},
    {StringId::kActualNetHeader, EColumnFormat::Right, 90},
    {StringId::kActualGrossHeader, EColumnFormat::Right, 90},
    {StringId::kMarginHeader, EColumnFormat::Right, 90},
    {StringId::kCostRatioHeader, EColumnFormat::Right, 90},
};

} // namespace

CRecipePage::CRecipePage(CPageHost& host, const COptions& options, QWidget* parent)
    : CSubDialog(host, options, parent)
{
    Title()->setText(QStringLiteral("Rezepturen"));
    Subtitle()->setText(
        QStringLiteral("Sobald Sie mindestens eine Rezeptur angelegt haben, können Sie im nächsten "
                       "Schritt Abverkäufe aus Ihrem Journal erfassen"));
    BuildBody();
    AddColumns();
    m_list->LoadLayout(host.Profile(), kLayoutSection, kLayoutEntry);
}

CRecipePage::~CRecipePage()
{
    m_list->SaveLayout(Host().Profile(), kLayoutSection, kLayoutEntry);
}

void CRecipePage::BuildBody()
{
    m_list = new CListCtrlEx(Body());
    m_list->setObjectName(QStringLiteral("recipeList"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list, 1);
    layout->addWidget(BuildButtons());
    connect(m_list, &CListCtrlEx::RowDoubleClicked, this, [this] { ChangeRecipe(); });
    connect(m_list, &CListCtrlEx::RowActivated, this, [this] { ChangeRecipe(); });
}

QWidget* CRecipePage::BuildButtons()
{
    auto* row = new QWidget(Body());
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QPushButton* add = CFormFields::Button(QStringLiteral("&Hinzufügen"), "addRecipe", row);
    QPushButton* change = CFormFields::Button(QStringLiteral("Ä&ndern"), "changeRecipe", row);
    QPushButton* remove = CFormFields::Button(QStringLiteral("&Löschen"), "deleteRecipe", row);
    for (QPushButton* button : {add, change, remove})
        layout->addWidget(button);
    layout->addStretch(1);
    connect(add, &QPushButton::clicked, this, &CRecipePage::AddRecipe);
    connect(change, &QPushButton::clicked, this, &CRecipePage::ChangeRecipe);
    connect(remove, &QPushButton::clicked, this, &CRecipePage::DeleteRecipe);
    return row;
}

void CRecipePage::AddColumns()
{
    m_list->InsertColumns(kColumns);
}

void CRecipePage::InitFromData(CData& data)
{
    (void)data;
    FillList();
}

void CRecipePage::RefreshPage()
{
    FillList();
}

void CRecipePage::Print()
{
    Host().PrintList(*m_list, StringId::kRecipeListTitle);
}

// The recipes of the selected section in catalogue order, then sorted as the user last sorted
// the list. Each sub-recipe is costed once for the whole list.
void CRecipePage::FillList()
{
    m_list->DeleteAllRows();
    m_rows.clear();
    if (const CData* data = Host().GetData()) {
        const CGroupSelection selection = Host().GetGroupSelection();
        CCostMemo memo;
        for (CRecipe& recipe : Host().GetData()->Recipes) {
            if (selection.ShowsGroup(recipe.NameGroupIndex, *data)) {
                AddRow(*data, recipe, static_cast<std::uint32_t>(m_rows.size()), memo);
                m_rows.push_back(&recipe);
            }
        }
    }
    m_list->Fill();
    m_list->Sort();
    UpdateHint();
}

void CRecipePage::AddRow(const CData& data, const CRecipe& recipe, std::uint32_t index, CCostMemo& memo)
{
    const CRecipeFigures figures = CRecipeFigures::Of(recipe, 1.0, &memo);
    const std::uint32_t row = m_list->AddRow(index);
    m_list->SetCellText(row, kName, recipe.Name);
    m_list->SetCellText(row, kGroup, data.GetGroupName(recipe.NameGroupIndex));
    m_list->SetCellNumber(row, kPriceBuy, figures.PriceBuy, ECellType::TwoDecimals);
    m_list->SetCellNumber(row, kCalculatedNet, figures.PriceSellCalculatedNoTax, ECellType::TwoDecimals);
    m_list->SetCellNumber(row, kCalculatedGross, figures.PriceSellCalculatedTax, ECellType::TwoDecimals);
    m_list->SetCellNumber(row, kActualNet, figures.PriceSellNoTax, ECellType::TwoDecimals);
    m_list->SetCellNumber(row, kActualGross, figures.PriceSell, ECellType::TwoDecimals);
    m_list->SetCellNumber(row, kMargin, figures.ContributionMargin, ECellType::TwoDecimalsAlt);
    m_list->SetCellNumber(row, kCostRatio, figures.CostRatio, ECellType::TwoDecimalsAlt);
}

CRecipe* CRecipePage::SelectedRecipe() const
{
    const auto index = m_list->GetSelectedUserData();
    return index && *index < m_rows.size() ? m_rows[*index] : nullptr;
}

std::optional<int> CRecipePage::SelectedGroup(const CGroupSelection& selection, const CData& data)
{
    if (selection.Selected < 0 || selection.Selected == selection.All ||
        selection.Selected == selection.AllFood || selection.Selected == selection.AllDrinks)
        return std::nullopt;
    for (int group = 0; group < CData::kNbGroups; ++group) {
        if (data.GroupSection[group] == selection.Selected)
            return group;
    }
    return std::nullopt;
}

// A new recipe goes into the group whose section is selected; the general sections have none.
void CRecipePage::AddRecipe()
{
    CData* data = Host().GetData();
    if (!data)
        return;
    const std::optional<int> group = SelectedGroup(Host().GetGroupSelection(), *data);
    if (!group) {
        CProgramMessages::Show(Host().Messages(), StringId::kRecipeGeneralGroup);
        return;
    }
    CRecipe working(data);
    working.NameGroupIndex = *group;
    CDialogRecipe dialog(Host(), working, nullptr, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    working.NameGroupIndex = *group;
    const bool wasEmpty = data->GetNbRecipes() == 0;
    if (data->AddRecipe(working) != 1)
        return;
    FillList();
    AfterCountChange(wasEmpty);
}

void CRecipePage::ChangeRecipe()
{
    CRecipe* recipe = SelectedRecipe();
    if (!recipe)
        return;
    CRecipe working(recipe->Owner);
    if (!working.CopyFrom(*recipe))
        return;
    CDialogRecipe dialog(Host(), working, recipe, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // A failed copy (out of memory) has been reported; the list shows what is stored.
    static_cast<void>(recipe->CopyFrom(working));
    FillList();
}

void CRecipePage::DeleteRecipe()
{
    CRecipe* recipe = SelectedRecipe();
    CData* data = Host().GetData();
    if (!recipe || !data)
        return;
    if (!data->CanDeleteRecipe(recipe)) {
        CProgramMessages::Show(Host().Messages(), StringId::kRecipeInUse);
        return;
    }
    if (!CProgramMessages::AskYesNo(Host().Messages(),
                                    CMessageText::WithName(StringId::kDeleteRecipeQuestion, recipe->Name)))
        return;
    if (data->DeleteRecipe(recipe) != 1)
        return;
    FillList();
    AfterCountChange(false);
}

// The tabs follow when the first recipe came or the last one went.
void CRecipePage::AfterCountChange(bool wasEmpty)
{
    const CData* data = Host().GetData();
    if (data && (wasEmpty || data->GetNbRecipes() == 0))
        Host().RebuildTabs(-1);
}

void CRecipePage::UpdateHint()
{
    const CData* data = Host().GetData();
    Subtitle()->setVisible(!data || data->GetNbRecipes() == 0);
}
