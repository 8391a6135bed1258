#include "evaluation/ChartSettingsConversion.h"

#include <gtest/gtest.h>

namespace {

const CLocalTime kToday{2009, 5, 19, 14, 12, 0};

TEST(ChartSettingsConversion, RememberedChoicesBecomeThePagesSettingsWithTheDefaultSeries)
{
    CChartSettings chart;
    chart.ChartActive = EMeasure::GrossRevenue;
    chart.ChartPerMonth = false;
    chart.ChartOriginal = false;
    chart.Start = CDateTime(2008, 1, 1);
    chart.End = CDateTime(2008, 6, 30, 23, 59, 59);
    const CEvaluationSettings settings = CChartSettingsConversion::ToEvaluation(chart, kToday);
    EXPECT_EQ(settings.Measure, EMeasure::GrossRevenue);
    EXPECT_FALSE(settings.PerMonth);
    EXPECT_FALSE(settings.OriginalData);
    EXPECT_EQ(settings.Start, chart.Start);
    EXPECT_EQ(settings.End, chart.End);
    for (unsigned selector = 0; selector < CData::NbSeries; ++selector)
        EXPECT_EQ(settings.SeriesFlags[selector], selector >= CData::SeriesAll) << selector;

    chart.ChartActive = static_cast<EMeasure>(9); // names no measure
    EXPECT_EQ(CChartSettingsConversion::ToEvaluation(chart, kToday).Measure, EMeasure::CostRatio);
}

TEST(ChartSettingsConversion, DatesThatAreNotValidTakeTheDefaultRange)
{
    const CChartSettings fresh; // nothing remembered yet
    CEvaluationSettings settings = CChartSettingsConversion::ToEvaluation(fresh, kToday);
    EXPECT_EQ(settings.Start, CDateTime(2008, 5, 19));
    EXPECT_EQ(settings.End, CDateTime(2009, 5, 19, 23, 59, 59));

    CChartSettings chart;
    chart.Start = CDateTime(2009, 1, 1);
    chart.End = CDateTime::MakeInvalid();
    settings = CChartSettingsConversion::ToEvaluation(chart, {2008, 2, 29, 9, 0, 0});
    EXPECT_EQ(settings.Start, CDateTime(2009, 1, 1));
    // Today's end lies before the remembered start: the start's month is shown.
    EXPECT_EQ(settings.End, CDateTime(2009, 1, 31, 23, 59, 59));
    chart.Start = CDateTime::MakeInvalid();
    EXPECT_EQ(CChartSettingsConversion::ToEvaluation(chart, {2008, 2, 29, 9, 0, 0}).Start,
              CDateTime(2007, 2, 28));
}

TEST(ChartSettingsConversion, AnEndBeforeTheStartShowsTheStartsMonth)
{
    CChartSettings chart;
    chart.Start = CDateTime(2009, 7, 12);
    chart.End = CDateTime(2009, 3, 1, 23, 59, 59);
    const CEvaluationSettings settings = CChartSettingsConversion::ToEvaluation(chart, kToday);
    EXPECT_EQ(settings.Start, CDateTime(2009, 7, 12));
    EXPECT_EQ(settings.End, CDateTime(2009, 7, 31, 23, 59, 59));
}

TEST(ChartSettingsConversion, RememberWritesTheChoicesBackAndKeepsTheDisplayKind)
{
    CEvaluationSettings settings;
    settings.Measure = EMeasure::CostRatio;
    settings.PerMonth = false;
    settings.OriginalData = true;
    settings.Start = CDateTime(2007, 3, 1);
    settings.End = CDateTime(2007, 4, 30, 23, 59, 59);
    CChartSettings chart;
    chart.ShowActive = EChartDisplay::Table;
    CChartSettingsConversion::Remember(settings, chart);
    EXPECT_EQ(chart.ShowActive, EChartDisplay::Table);
    EXPECT_EQ(chart.ChartActive, EMeasure::CostRatio);
    EXPECT_FALSE(chart.ChartPerMonth);
    EXPECT_TRUE(chart.ChartOriginal);
    EXPECT_EQ(chart.Start, settings.Start);
    EXPECT_EQ(chart.End, settings.End);
    const CEvaluationSettings back = CChartSettingsConversion::ToEvaluation(chart, kToday);
    EXPECT_EQ(back.Measure, settings.Measure);
    EXPECT_EQ(back.Start, settings.Start);
    EXPECT_EQ(back.End, settings.End);
}

} // namespace
