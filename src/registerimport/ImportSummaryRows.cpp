#include "ImportSummaryRows.h"

#include "registerimport/ImportPlan.h"

namespace ImportSummaryRows {

std::vector<CImportSummaryRow> Rows(const CImportPlan& plan)
{
    using EKind = CImportSummaryRow::EKind;
    std::vector<CImportSummaryRow> rows;
    for (const CImportDishRow& dish : plan.Dishes)
        rows.push_back(
            {EKind::Dish, ERegisterSkip::OtherLine, dish.Name, dish.Lines, dish.Portions, dish.Gross});
    for (const CImportItemRow& item : plan.OpenItems)
        rows.push_back(
            {EKind::OpenItem, ERegisterSkip::OtherLine, item.Text, item.Lines, item.Portions, item.Gross});
    for (const CImportItemRow& item : plan.NoDishItems)
        rows.push_back(
            {EKind::NoDishItem, ERegisterSkip::OtherLine, item.Text, item.Lines, item.Portions, item.Gross});
    for (const auto& [reason, count] : plan.Skipped) {
        if (count.Lines != 0)
            rows.push_back({EKind::Skipped, reason, {}, count.Lines, 0.0, count.Gross});
    }
    for (const std::string& label : plan.AlreadyImported)
        rows.push_back({EKind::AlreadyImported, ERegisterSkip::AlreadyImported, label, 0, 0.0, 0.0, false});
    return rows;
}

} // namespace ImportSummaryRows
