#include "ChartSettingsConversion.h"

#include "evaluation/EvaluationRange.h"
#include "evaluation/SeriesMenuPlan.h"

#include <algorithm>

CEvaluationSettings CChartSettingsConversion::ToEvaluation(const CChartSettings& chart,
                                                           const CLocalTime& today)
{
    CEvaluationSettings settings;
    if (!MeasureFromIndex(static_cast<int>(chart.ChartActive), settings.Measure))
        settings.Measure = CChartSettings().ChartActive;
    settings.PerMonth = chart.ChartPerMonth;
    settings.OriginalData = chart.ChartOriginal;
    settings.Start = chart.Start.IsValid() ? chart.Start : CChartSettings::DefaultStart(today);
    settings.End = chart.End.IsValid() ? chart.End : CChartSettings::DefaultEnd(today);
    if (settings.End < settings.Start)
        settings.End = CEvaluationRange::LastSecondOfMonth(settings.Start);
    const CSeriesMenuPlan::CFlags flags = CSeriesMenuPlan::DefaultFlags();
    std::copy(flags.begin(), flags.end(), settings.SeriesFlags.begin());
    return settings;
}

void CChartSettingsConversion::Remember(const CEvaluationSettings& settings, CChartSettings& chart)
{
    chart.ChartActive = settings.Measure;
    chart.ChartPerMonth = settings.PerMonth;
    chart.ChartOriginal = settings.OriginalData;
    chart.Start = settings.Start;
    chart.End = settings.End;
}
