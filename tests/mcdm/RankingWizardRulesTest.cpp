#include "mcdm/core/RankingWizardRules.h"
#include "mcdm/core/ChartContents.h"
#include "tests/mcdm/RankingCase.h"

#include <limits>

namespace talvo::test {
namespace {

TEST(RankingWizardRules, StoredWeightsBecomeSliderPositions)
{
    const struct
    {
        Single weight;
        int position;
    } cases[] = {{0, 0},    {5, 5},      {10, 10},
                 {2.5F, 2}, {3.5F, 4},   {-1, 0},
                 {11, 10},  {1e30F, 10}, {std::numeric_limits<Single>::quiet_NaN(), 5}};
    for (const auto& c : cases)
        EXPECT_EQ(WeightToSliderValue(c.weight), c.position) << c.weight;
}

TEST(ChartContents, TheScoreChartHasASeriesPerCriterion)
{
    RankingCase ranking({QStringLiteral("A"), QStringLiteral("B")});
    InitialiseChartColours(ranking.state);
    ranking.setAllScores(0, Third);
    const ChartContents chart = ScoresChartContents(ranking.state);
    EXPECT_EQ(chart.Categories, (QStringList{"A", "B"}));
    ASSERT_EQ(chart.Series.size(), 10);
    EXPECT_EQ(chart.Series.at(7).Label, QStringLiteral("Ammonia Emissions"));
    EXPECT_EQ(chart.Series.at(7).Values, (QList<double>{0.3333333, 0}));
    EXPECT_EQ(chart.Series.at(9).Colour.Red, 141);
    EXPECT_FALSE(chart.OneBarPerCategory);
    EXPECT_EQ(chart.AxisMinimum, -1);
    EXPECT_EQ(chart.AxisMaximum, 1);
}

TEST(ChartContents, TheRankingChartTakesEveryRankedCountermeasure)
{
    // Nineteen final countermeasures: more than the nine the chart once held, and positions beyond the sixteen
    // chart colours.
    QStringList names;
    for (int i = 0; i < 19; ++i)
        names << QStringLiteral("CM%1").arg(i);
    RankingCase ranking(names);
    InitialiseChartColours(ranking.state);
    ranking.state.MCDMDone = true;
    for (int r = 0; r < 19; ++r)
        ranking.state.FinalScores(r) = FinalScoreRecord{static_cast<Single>(19 - r), static_cast<Integer>(18 - r)};

    RankingChartData data;
    LoadGraphData(data, ranking.state, 1);
    const ChartContents chart = RankingChartContents(ranking.state, data);
    EXPECT_EQ(chart.Title, QStringLiteral("Ideal Point Analysis"));
    EXPECT_EQ(chart.CategoryTitle, QStringLiteral("Countermeasures"));
    ASSERT_EQ(chart.Categories.size(), 19);
    EXPECT_EQ(chart.Categories.first(), QStringLiteral("CM18"));
    EXPECT_EQ(chart.Categories.last(), QStringLiteral("CM0"));
    ASSERT_EQ(chart.Series.size(), 19);
    // Position 18 takes the colour table from its start again: entry 2.
    EXPECT_EQ(chart.Series.at(0).Colour.Red, 253);
    EXPECT_EQ(chart.Series.at(18).Colour.Green, 255);
    EXPECT_EQ(chart.Series.at(0).Values.at(0), 19);
    EXPECT_EQ(chart.AxisMaximum, 19);
}

TEST(ChartContents, TheRankingIsCopiedOnlyForAFinishedRankingAndMCDMGraphedOne)
{
    RankingCase ranking({QStringLiteral("A"), QStringLiteral("B")});
    ranking.state.FinalScores(0) = FinalScoreRecord{4, 1};
    RankingChartData data;
    LoadGraphData(data, ranking.state, 1);
    EXPECT_EQ(data.Title, QString());
    EXPECT_EQ(data.Scores(0).Score, 0);
    ranking.state.MCDMDone = true;
    LoadGraphData(data, ranking.state, 0);
    EXPECT_EQ(data.Scores(0).Score, 0);
    LoadGraphData(data, ranking.state, 1);
    EXPECT_EQ(data.Scores(0).Score, 4);
    EXPECT_EQ(data.Title, QStringLiteral("Ideal Point Analysis"));
}

TEST(ChartContents, WeightsOutsideTheSliderRangeWidenTheAxis)
{
    RankingCase ranking({QStringLiteral("A"), QStringLiteral("B")});
    ranking.state.Criteria(2).Weight = 25;
    ranking.state.Criteria(3).Weight = -2;
    const ChartContents chart = WeightsChartContents(ranking.state);
    EXPECT_EQ(chart.AxisMaximum, 25);
    EXPECT_EQ(chart.AxisMinimum, -2);
    EXPECT_EQ(chart.Series.at(0).Colour.Red, 50);
    EXPECT_EQ(chart.Series.at(2).Values, (QList<double>{0, 0, 25, 0, 0, 0, 0, 0, 0, 0}));
}

} // namespace
} // namespace talvo::test
