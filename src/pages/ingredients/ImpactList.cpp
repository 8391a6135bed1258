#include "ImpactList.h"

#include "catalogue/Data.h"
#include "controls/ListCtrlEx.h"
#include "evaluation/EvaluationTableText.h"
#include "pages/common/ExportFile.h"
#include "pages/common/PageHost.h"
#include "platform/qt/TextConversion.h"
#include "priceimpact/PriceImpact.h"
#include "resources/GermanDialogTexts.h"
#include "resources/StringIds.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

namespace {

// The list may take nearly the width of a 1280 × 800 screen, so that every column shows at once.
constexpr int kWidestList = 1240;

// Prices are shown whole up to "99.999,99".
constexpr const char* kWidestPrice = "99.999,99";
constexpr const char* kWidestRatio = "100,00";

constexpr CListColumnSetup kColumns[ImpactList::kNbColumns] = {
    {StringId::kImpactRecipeHeader, EColumnFormat::Left, 180},
    {StringId::kImpactGroupHeader, EColumnFormat::Left, 120},
    {StringId::kImpactPriceSellHeader, EColumnFormat::Right, 50, kWidestPrice},
    {StringId::kImpactCostBeforeHeader, EColumnFormat::Right, 50, kWidestPrice},
    {StringId::kImpactCostAfterHeader, EColumnFormat::Right, 50, kWidestPrice},
    {StringId::kImpactRatioBeforeHeader, EColumnFormat::Right, 50, kWidestRatio},
    {StringId::kImpactRatioAfterHeader, EColumnFormat::Right, 50, kWidestRatio},
    {StringId::kImpactMarginBeforeHeader, EColumnFormat::Right, 50, kWidestPrice},
    {StringId::kImpactMarginAfterHeader, EColumnFormat::Right, 50, kWidestPrice},
    {StringId::kImpactMarginLossHeader, EColumnFormat::Right, 50, kWidestPrice},
    {StringId::kImpactTargetPriceHeader, EColumnFormat::Right, 50, kWidestPrice},
    {StringId::kImpactNewPriceHeader, EColumnFormat::Right, 50, kWidestPrice},
};

void SetNumber(CListCtrlEx& list, std::uint32_t row, ImpactList::EColumn column, double value)
{
    list.SetCellNumber(row, column, value, ECellType::TwoDecimals);
}

} // namespace

namespace ImpactList {

void AddColumns(CListCtrlEx& list, bool withNewPrice)
{
    list.InsertColumns(std::span(kColumns, withNewPrice ? kNbColumns : kNbColumns - 1));
    // Largest loss of margin first, until the user sorts otherwise.
    list.SetSortState(-(kMarginLoss + 1));
}

void Fill(CListCtrlEx& list, const CData& data, const std::vector<CImpactRow>& rows,
          const std::vector<double>* newPrices)
{
    list.DeleteAllRows();
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const CImpactRow& impact = rows[index];
        const std::uint32_t row = list.AddRow(static_cast<std::uint32_t>(index));
        list.SetCellText(row, kRecipe, impact.Name);
        list.SetCellText(row, kGroup, data.GetGroupName(impact.NameGroupIndex));
        SetNumber(list, row, kPriceSell, impact.PriceSell);
        SetNumber(list, row, kCostBefore, impact.Before.PriceBuyPerPortion);
        SetNumber(list, row, kCostAfter, impact.After.PriceBuyPerPortion);
        SetNumber(list, row, kRatioBefore, impact.Before.CostRatio);
        SetNumber(list, row, kRatioAfter, impact.After.CostRatio);
        SetNumber(list, row, kMarginBefore, impact.Before.ContributionMargin);
        SetNumber(list, row, kMarginAfter, impact.After.ContributionMargin);
        SetNumber(list, row, kMarginLoss, impact.MarginLoss());
        SetNumber(list, row, kTargetPrice, impact.After.PriceSellCalculatedTax);
        if (newPrices)
            SetNumber(list, row, kNewPrice, (*newPrices)[index]);
    }
    list.Fill();
    list.Sort();
}

void FitWidth(CListCtrlEx& list)
{
    const int frame = 2 * list.frameWidth();
    const int scrollBar = list.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &list);
    list.setMinimumWidth(std::min(list.header()->length() + frame + scrollBar, kWidestList));
}

std::string ToCsv(const CListCtrlEx& list)
{
    return CEvaluationTableText::ToCsv(list.GetData(), CEvaluationTableText::EFirstColumn::Kept);
}

bool Export(CPageHost& host, const CListCtrlEx& list, const std::string& defaultName)
{
    const std::optional<std::string> path =
        ExportFile::AskPath(host, "csv", defaultName + ".csv", DialogText::PriceImpact::kCsvFilter);
    return path && ExportFile::WriteCsv(host, *path, ToCsv(list));
}

} // namespace ImpactList
