#pragma once

#include "catalogue/Data.h"

#include <optional>

// The first of the month of the earliest valid sale, where the benchmarks' periods start; none
// without a sale.
inline std::optional<CDateTime> FirstSaleMonth(const CData& data)
{
    std::optional<CDateTime> earliest;
    for (const CSale& sale : data.Sales) {
        if (sale.DateTime.IsValid() && (!earliest || sale.DateTime < *earliest))
            earliest = sale.DateTime;
    }
    if (!earliest)
        return std::nullopt;
    return CDateTime(earliest->GetYear(), earliest->GetMonth(), 1);
}
