#include "RecipeLineList.h"

#include "catalogue/CostMemo.h"
#include "catalogue/Recipe.h"
#include "controls/ListCtrlEx.h"
#include "pages/recipes/RecipeEditor.h"
#include "resources/StringIds.h"

namespace {

enum EColumn { kNumber, kName, kAmount, kUnit, kPrice, kNbColumns };

// Amounts and prices are shown whole up to "99.999,99", order numbers up to 999.
constexpr const char* kWidestFigure = "99.999,99";

constexpr CListColumnSetup kColumns[kNbColumns] = {
    {StringId::kLineNumberHeader, EColumnFormat::Left, 30, "999"},
    {StringId::kNameHeader, EColumnFormat::Left, 180},
    {StringId::kAmountHeader, EColumnFormat::Left, 110, kWidestFigure},
    {StringId::kUnitHeader, EColumnFormat::Left, 110},
    {StringId::kPriceHeader, EColumnFormat::Left, 110, kWidestFigure}};

} // namespace

void RecipeLineList::AddColumns(CListCtrlEx& list)
{
    // Every command on the lines acts on one line.
    list.setSelectionMode(QAbstractItemView::SingleSelection);
    list.InsertColumns(kColumns);
}

std::uint32_t RecipeLineList::Fill(CListCtrlEx& list, const CRecipe& recipe, double factor, int selectLineId)
{
    list.DeleteAllRows();
    CCostMemo memo;
    std::uint32_t selected = 0;
    for (const CRecipeIngredient* line : recipe.GetLinesInOrder()) {
        const std::uint32_t row = list.AddRow(static_cast<std::uint32_t>(line->Id));
        if (line->Id == selectLineId)
            selected = row;
        list.SetCellNumber(row, kNumber, line->SortNum, ECellType::Integer);
        list.SetCellText(row, kName, line->GetName());
        list.SetCellNumber(row, kAmount, line->GetAmountGross() * factor, ECellType::TwoDecimalsAlt);
        list.SetCellText(row, kUnit, line->GetUnit());
        list.SetCellNumber(row, kPrice, line->GetPrice(&memo) * factor, ECellType::TwoDecimals);
    }
    list.Fill();
    list.Sort();
    return selected;
}
