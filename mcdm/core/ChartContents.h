#pragma once

#include "platform/core/BoundedArray.h"
#include "tables/core/AssessmentState.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace talvo {

// What each chart window draws, taken from the assessment when the window is loaded.

// One series of bars: a value for each category of the chart.
struct ChartSeries
{
    QString Label; // what the legend shows
    QList<double> Values;
    ChartColourRecord Colour;
};

struct ChartContents
{
    QString Title;
    int TitlePointSize = 18;
    QStringList Categories; // along the category axis, in order
    QString CategoryTitle;  // the axis title, empty for none
    QList<ChartSeries> Series;
    // Each series holds a value in its own category only, so every bar can carry a colour of its own: the bars are
    // drawn one above the other rather than side by side.
    bool OneBarPerCategory = false;
    bool LegendVisible = true;
    double AxisMinimum = 0;
    double AxisMaximum = 1;
};

inline const QString ScoresChartTitle = QStringLiteral("Graph of Alternative/Criteria Scores");
inline const QString WeightsChartTitle = QStringLiteral("Graph of Criteria Weights");
inline const QString RankingChartTitle = QStringLiteral("Ideal Point Analysis");
inline const QString RankingChartColumnLabel = QStringLiteral("Countermeasures");
inline const ChartColourRecord WeightsChartGrey{50, 50, 50};

// The colour of chart series `index`: ChartColours(index); the table repeats for an index beyond its last entry.
ChartColourRecord SeriesColour(const AssessmentState& state, int index);

// A number as the chart is given it: the Single in its ordinary decimal text, read back.
double ChartValue(Single value);

// Score chart: a group of bars per final countermeasure, one bar per criterion; criterion j's series (and legend
// entry) has colour ChartColours(j).
ChartContents ScoresChartContents(const AssessmentState& state);

// Weights chart: one grey bar per criterion for the first, the others in the chart colours; no legend.
ChartContents WeightsChartContents(const AssessmentState& state);

// The ranking chart's own copy of the last ranking, largest distance first.
struct RankingChartData
{
    QString Title; // empty until a ranking was copied
    BoundedArray<FinalScoreRecord, 0, 18> Scores;
};

// Copies the ranking (and sets the title) when MCDMGraphed is 1 and a ranking was done; otherwise leaves the
// data as it is.
void LoadGraphData(RankingChartData& data, const AssessmentState& state, int MCDMGraphed);

// Ranking chart: one bar per final countermeasure in the order of the copy, coloured by the countermeasure's
// position in FinalCountermeasures.
ChartContents RankingChartContents(const AssessmentState& state, const RankingChartData& data);

} // namespace talvo
