#include "LiteralEvaluation.h"

#include "evaluation/EvaluationWindows.h"

CEvaluationValues ComputeEvaluationLiterally(const CData& data, const CEvaluationWindows& windows,
                                             EMeasure measure, bool perMonth, bool originalData)
{
    CEvaluationValues values(windows.GetCount());
    for (unsigned selector = 0; selector < CData::NbSeries; ++selector) {
        for (int month = 0; month < values.GetMonthCount(); ++month) {
            values.Set(selector, month,
                       data.EvaluateSales(selector, measure, originalData,
                                          windows.GetWindowStart(month, perMonth), windows.GetEnd(month)));
        }
    }
    return values;
}
