#include "mcdm/core/ChartContents.h"

#include "platform/core/NumberForms.h"

#include <algorithm>

namespace talvo {
namespace {

// Rows the tables of the assessment can hold, whatever the counts say.
int countermeasureRows(const AssessmentState& state)
{
    return std::clamp(static_cast<int>(state.NumberOfCountermeasures), 0, decltype(state.FinalScores)::Size);
}

int criterionColumns(const AssessmentState& state)
{
    return std::clamp(static_cast<int>(state.NumberOfCriteria), 0, decltype(state.Criteria)::Size);
}

QString countermeasureName(const AssessmentState& state, int index)
{
    return state.FinalCountermeasures.inBounds(index) ? state.FinalCountermeasures(index) : QString();
}

// A series that holds `value` in category `own` of `count` and nothing in the others.
QList<double> onlyIn(int own, int count, double value)
{
    QList<double> values(count, 0.0);
    values[own] = value;
    return values;
}

} // namespace

ChartColourRecord SeriesColour(const AssessmentState& state, int index)
{
    constexpr int size = decltype(state.ChartColours)::Size;
    return state.ChartColours(((index % size) + size) % size);
}

double ChartValue(Single value)
{
    return FormatStandard(value).toDouble();
}

ChartContents ScoresChartContents(const AssessmentState& state)
{
    ChartContents chart;
    chart.Title = ScoresChartTitle;
    chart.TitlePointSize = 18;
    chart.AxisMinimum = -1;
    chart.AxisMaximum = 1;
    const int rows = countermeasureRows(state);
    for (int r = 0; r < rows; ++r)
        chart.Categories << state.FinalCountermeasures(r);
    for (int c = 0; c < criterionColumns(state); ++c) {
        ChartSeries series;
        series.Label = state.Criteria(c).Name;
        for (int r = 0; r < rows; ++r)
            series.Values << ChartValue(state.ScoreMatrix(r, c));
        series.Colour = SeriesColour(state, c);
        chart.Series << series;
    }
    return chart;
}

ChartContents WeightsChartContents(const AssessmentState& state)
{
    ChartContents chart;
    chart.Title = WeightsChartTitle;
    chart.TitlePointSize = 18;
    chart.OneBarPerCategory = true;
    chart.LegendVisible = false;
    chart.AxisMinimum = 0;
    chart.AxisMaximum = 10;
    const int columns = criterionColumns(state);
    for (int c = 0; c < columns; ++c)
        chart.Categories << state.Criteria(c).Name;
    for (int c = 0; c < columns; ++c) {
        const double weight = ChartValue(state.Criteria(c).Weight);
        ChartSeries series;
        series.Label = state.Criteria(c).Name;
        series.Values = onlyIn(c, columns, weight);
        series.Colour = c == 0 ? WeightsChartGrey : SeriesColour(state, c);
        chart.Series << series;
        // A weight read from a file may lie outside the sliders' range.
        chart.AxisMinimum = std::min(chart.AxisMinimum, weight);
        chart.AxisMaximum = std::max(chart.AxisMaximum, weight);
    }
    return chart;
}

void LoadGraphData(RankingChartData& data, const AssessmentState& state, int MCDMGraphed)
{
    if (MCDMGraphed != 1 || !state.MCDMDone)
        return;
    data.Title = RankingChartTitle;
    for (int r = 0; r < countermeasureRows(state); ++r)
        data.Scores(r) = state.FinalScores(r);
}

ChartContents RankingChartContents(const AssessmentState& state, const RankingChartData& data)
{
    ChartContents chart;
    chart.Title = data.Title;
    chart.TitlePointSize = 14;
    chart.CategoryTitle = RankingChartColumnLabel;
    chart.OneBarPerCategory = true;
    chart.AxisMinimum = 0;
    chart.AxisMaximum = 1;
    const int rows = countermeasureRows(state);
    for (int r = 0; r < rows; ++r)
        chart.Categories << countermeasureName(state, data.Scores(r).CountermeasureIndex);
    for (int r = 0; r < rows; ++r) {
        const FinalScoreRecord& entry = data.Scores(r);
        const double score = ChartValue(entry.Score);
        ChartSeries series;
        series.Label = countermeasureName(state, entry.CountermeasureIndex);
        series.Values = onlyIn(r, rows, score);
        series.Colour = SeriesColour(state, entry.CountermeasureIndex);
        chart.Series << series;
        chart.AxisMinimum = std::min(chart.AxisMinimum, score);
        chart.AxisMaximum = std::max(chart.AxisMaximum, score);
    }
    return chart;
}

} // namespace talvo
