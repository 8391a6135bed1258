#pragma once

#include <string>
#include <vector>

class CData;
class CListCtrlEx;
class CPageHost;
class QWidget;
struct CImpactRow;

// The list of recipes a purchase price change reaches, as the ingredient dialog's impact and
// the price simulation show it: one row per recipe, its figures before and after, largest
// loss of margin first; and what both dialogs do with it (print, export).
namespace ImpactList {

enum EColumn {
    kRecipe,
    kGroup,
    kPriceSell,
    kCostBefore,
    kCostAfter,
    kRatioBefore,
    kRatioAfter,
    kMarginBefore,
    kMarginAfter,
    kMarginLoss,
    kTargetPrice,
    // Only with new prices: the price that would be applied.
    kNewPrice,
    kNbColumns
};

// The columns, with or without kNewPrice; sorted by the loss of margin, largest first.
void AddColumns(CListCtrlEx& list, bool withNewPrice);
// One row per impact row, its user data the row's index; `newPrices` (when given) has one
// price per row. The rows keep their order unless the user sorted the list.
void Fill(CListCtrlEx& list, const CData& data, const std::vector<CImpactRow>& rows,
          const std::vector<double>* newPrices = nullptr);
// Keeps the list wide enough to show every column at once, up to nearly a 1280 × 800 screen.
void FitWidth(CListCtrlEx& list);
// The shown columns in shown order, the rows as shown, separated by semicolons.
std::string ToCsv(const CListCtrlEx& list);
// Asks for a file and writes ToCsv to it as UTF-8 with a byte order mark, so that
// spreadsheets read the umlauts; a failed write says so. False when nothing was written.
bool Export(CPageHost& host, const CListCtrlEx& list, const std::string& defaultName);

} // namespace ImpactList
