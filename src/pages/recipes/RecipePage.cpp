#include "RecipePage.h"

#include "catalogue/CostMemo.h"
#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "datafile/ProgramMessages.h"
#include "pages/common/FormFields.h"
#include "pages/common/GroupSelection.h"
#include "pages/common/PageHost.h"
#include "pages/recipes/DialogRecipe.h"
#include "pages/recipes/RecipeFigures.h"
#include "platform/qt/TextConversion.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"

#include <QLabel>

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

// Prices are shown whole up to "99.999,99".
constexpr const char* kWidestPrice = "99.999,99";

constexpr CListColumnSetup kColumns[kNbColumns] = {
    {StringId::kNameHeader, EColumnFormat::Left, 200},
    {StringId::kGroupHeader, EColumnFormat::Left, 120},
    {StringId::kPurchasePriceHeader, EColumnFormat::Right, 90, kWidestPrice},
    {StringId::kCalculatedNetHeader, EColumnFormat::Right, 90, kWidestPrice},
    {StringId::kCalculatedGrossHeader, EColumnFormat::Right, 90, kWidestPrice},
    {StringId::kActualNetHeader, EColumnFormat::Right, 90, kWidestPrice},
    {StringId::kActualGrossHeader, EColumnFormat::Right, 90, kWidestPrice},
    {StringId::kMarginHeader, EColumnFormat::Right, 90, kWidestPrice},
    {StringId::kCostRatioHeader, EColumnFormat::Right, 90, "999,99"},
};

const CListPage::CListSetup kList{"recipeList", kColumns, CRecipePage::kLayoutSection,
                                  CRecipePage::kLayoutEntry, StringId::kRecipeListTitle};

} // namespace

CRecipePage::CRecipePage(CPageHost& host, const COptions& options, QWidget* parent)
    : CListPage(host, options, kList, parent)
{
    Title()->setText(UiText(DialogText::RecipePage::kTitle));
    Subtitle()->setText(UiText(DialogText::RecipePage::kSubtitle));
    EditButtons("addRecipe", "changeRecipe", "deleteRecipe");
}

// The recipes of the selected section; each sub-recipe is costed once for the whole list.
void CRecipePage::AddRows(CData& data)
{
    const CGroupSelection selection = Host().GetGroupSelection();
    CCostMemo memo;
    for (const CRecipe& recipe : data.Recipes) {
        if (selection.ShowsGroup(recipe.NameGroupIndex, data))
            AddRow(data, recipe, memo);
    }
}

int CRecipePage::CountRecords(const CData& data) const
{
    return data.GetNbRecipes();
}

void CRecipePage::AddRow(const CData& data, const CRecipe& recipe, CCostMemo& memo)
{
    CListCtrlEx& list = *List();
    const CRecipeFigures figures = CRecipeFigures::Of(recipe, 1.0, &memo);
    const std::uint32_t row = AddRecordRow(recipe.Id);
    list.SetCellText(row, kName, recipe.Name);
    list.SetCellText(row, kGroup, data.GetGroupName(recipe.NameGroupIndex));
    list.SetCellNumber(row, kPriceBuy, figures.PriceBuy, ECellType::TwoDecimals);
    list.SetCellNumber(row, kCalculatedNet, figures.PriceSellCalculatedNoTax, ECellType::TwoDecimals);
    list.SetCellNumber(row, kCalculatedGross, figures.PriceSellCalculatedTax, ECellType::TwoDecimals);
    list.SetCellNumber(row, kActualNet, figures.PriceSellNoTax, ECellType::TwoDecimals);
    list.SetCellNumber(row, kActualGross, figures.PriceSell, ECellType::TwoDecimals);
    list.SetCellNumber(row, kMargin, figures.ContributionMargin, ECellType::TwoDecimalsAlt);
    list.SetCellNumber(row, kCostRatio, figures.CostRatio, ECellType::TwoDecimalsAlt);
}

CRecipe* CRecipePage::SelectedRecipe() const
{
    CData* data = Host().GetData();
    return data ? SelectedIn(data->Recipes) : nullptr;
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
void CRecipePage::AddRecord()
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
    const int before = data->GetNbRecipes();
    std::optional<int> added;
    if (data->AddRecipe(working) == 1)
        added = data->Recipes.At(data->Recipes.Count() - 1)->Id;
    AfterEdit(before, added);
}

void CRecipePage::ChangeRecord()
{
    CRecipe* recipe = SelectedRecipe();
    if (!recipe || !CDialogRecipe::ChangeStored(Host(), *recipe, this))
        return;
    AfterEdit(CountRecords(*Host().GetData()), recipe->Id);
}

void CRecipePage::DeleteRecord()
{
    CRecipe* recipe = SelectedRecipe();
    CData* data = Host().GetData();
    if (!recipe || !data)
        return;
    if (!ConfirmDelete(data->CanDeleteRecipe(recipe), StringId::kRecipeInUse, StringId::kDeleteRecipeQuestion,
                       recipe->Name))
        return;
    const int before = data->GetNbRecipes();
    if (data->DeleteRecipe(recipe) != 1)
        return;
    AfterEdit(before, std::nullopt);
}
