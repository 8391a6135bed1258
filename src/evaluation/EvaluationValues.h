#pragma once

#include "catalogue/Data.h"

#include <vector>

class CEvaluationWindows;

// The measure of every series (selectors 0..22) in every month of an evaluation, undivided:
// CData::EvaluateSales of the series over the month's window (monthly values) or from the
// start up to the month's end (running totals).
class CEvaluationValues
{
public:
    // One walk over the sales, each added to its month's sums in catalogue order; the values
    // equal the definition bit for bit. Current prices are taken once per recipe.
    static CEvaluationValues Compute(const CData& data, const CEvaluationWindows& windows, EMeasure measure,
                                     bool perMonth, bool originalData);
    // Zero for every series and month.
    explicit CEvaluationValues(int monthCount);

    int GetMonthCount() const { return m_monthCount; }
    double Get(unsigned selector, int month) const { return m_values[selector * m_monthCount + month]; }
    void Set(unsigned selector, int month, double value) { At(selector, month) = value; }
    // Whether every value has the same bits as in `other`.
    bool IsIdenticalTo(const CEvaluationValues& other) const;

private:
    double& At(unsigned selector, int month) { return m_values[selector * m_monthCount + month]; }

    int m_monthCount;
    std::vector<double> m_values;
};
