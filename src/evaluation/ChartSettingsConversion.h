#pragma once

#include "evaluation/EvaluationSettings.h"
#include "platform/Clock.h"
#include "settings/ChartSettings.h"

// Between the evaluation settings that the program remembers from run to run and those the
// evaluation page works with. The series flags are not remembered: a page starts with "Alle",
// "Alle Speisen" and "Alle Getränke".
class CChartSettingsConversion
{
public:
    // The remembered measure (the default one when it names none), flags and range. A date that is
    // not valid takes its default (a year back from today, today at 23:59:59); an end before
    // the start becomes the last second of the start's month, so that there is a month to show.
    static CEvaluationSettings ToEvaluation(const CChartSettings& chart, const CLocalTime& today);
    // Measure, flags and range into the remembered values; the display kind stays.
    static void Remember(const CEvaluationSettings& settings, CChartSettings& chart);
};
