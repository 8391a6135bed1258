#pragma once

#include "registerimport/RegisterSales.h"

#include <string>
#include <vector>

struct CImportPlan;

// One row of the summary shown before an import is booked.
struct CImportSummaryRow
{
    enum class EKind { Dish, OpenItem, NoDishItem, Skipped, AlreadyImported };

    EKind Kind = EKind::Dish;
    ERegisterSkip Reason = ERegisterSkip::OtherLine; // for Skipped
    std::string Name;                                // Windows-1252; empty for Skipped
    int Lines = 0;
    double Portions = 0.0;
    double Gross = 0.0;
    bool HasFigures = true; // false for a source booked before: only its name
};

namespace ImportSummaryRows {

// The dishes booked, the items left open, those marked "kein Gericht", the lines left out by
// reason (sources booked before among them) and the names of those sources, in that order.
std::vector<CImportSummaryRow> Rows(const CImportPlan& plan);

} // namespace ImportSummaryRows
