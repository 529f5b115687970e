#include "mcdm/core/FurtherRankingProcedures.h"
#include "tests/mcdm/RankingCase.h"
#include "tests/support/RecordingSeams.h"

#include <cctype>

using namespace talvo;
using namespace talvo::test;

namespace {

TEST(NormalizeWeights, DividesByTheTotalAndTracesIt)
{
    RankingCase c({QStringLiteral("A")});
    for (int j = 0; j < 10; ++j)
        c.state.Criteria(j).Weight = static_cast<Single>(j + 1);
    ASSERT_TRUE(NormalizeWeights(c.state));

    for (int j = 0; j < 10; ++j)
        EXPECT_EQ(c.state.Criteria(j).Weight, static_cast<Single>(j + 1) / 55.0f) << j;
    const QStringList trace = c.lines(NormalizeWeightsFileName);
    ASSERT_EQ(trace.size(), 22);
    EXPECT_EQ(trace.at(0), QStringLiteral(" 1 "));
    EXPECT_EQ(trace.at(10), QStringLiteral("Total Weight is   55 "));
    EXPECT_EQ(trace.at(11), QStringLiteral("******"));
    EXPECT_EQ(trace.at(12), QStringLiteral("Standardised Weight for Criteria  0  is  .02 "));
    EXPECT_EQ(trace.at(21), QStringLiteral("Standardised Weight for Criteria  9  is  .18 "));
}

TEST(NormalizeWeights, AllZeroLeavesTheWeightsAsTheyAre)
{
    RankingCase c({QStringLiteral("A")});
    c.setWeights(0);
    ASSERT_TRUE(NormalizeWeights(c.state));
    for (int j = 0; j < 10; ++j)
        EXPECT_EQ(c.state.Criteria(j).Weight, 0.0f) << j;
    EXPECT_EQ(c.lines(NormalizeWeightsFileName).at(12), QStringLiteral("Standardised Weight for Criteria  0  is  0 "));
}

struct ColumnCase
{
    const char* what;
    Single top, bottom; // the column's two scores
    Single max, min;    // what the column search finds
    Single normalisedTop, normalisedBottom;
};

class NormalizeColumn : public ::testing::TestWithParam<ColumnCase>
{
};

TEST_P(NormalizeColumn, MapsMinToZeroAndMaxToOne)
{
    const ColumnCase& p = GetParam();
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")});
    c.state.NumberOfCriteria = 1;
    c.setScores(0, {p.top});
    c.setScores(1, {p.bottom});
    c.state.ScoreMatrix(2, 0) = -5; // below count: neither searched nor changed

    EXPECT_EQ(FindMaxMatrix(0, 2, c.state.ScoreMatrix), p.max);
    EXPECT_EQ(FindMinMatrix(0, 2, c.state.ScoreMatrix), p.min);
    NormalizeMatrix(c.state, 2);
    EXPECT_FLOAT_EQ(c.state.ScoreMatrix(0, 0), p.normalisedTop);
    EXPECT_FLOAT_EQ(c.state.ScoreMatrix(1, 0), p.normalisedBottom);
    EXPECT_EQ(c.state.ScoreMatrix(2, 0), -5.0f);
}

INSTANTIATE_TEST_SUITE_P(Columns, NormalizeColumn,
                         ::testing::Values(ColumnCase{"thirds", Third, -Third, Third, -Third, 1, 0},
                                           // The search starts at 0, so an all-negative column has the maximum 0.
                                           ColumnCase{"negative", -1, -Third, 0, -1, 0, 2.0f / 3.0f},
                                           ColumnCase{"all zero", 0, 0, 0, 0, 0, 0},
                                           ColumnCase{"all equal", 0.5f, 0.5f, 0.5f, 0.5f, 0, 0},
                                           // ... and starts at 1000 for the minimum.
                                           ColumnCase{"above 1000", 2000, 3000, 3000, 1000, 0.5f, 1}),
                         [](const auto& test) {
                             std::string name = test.param.what;
                             for (char& ch : name)
                                 ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
                             return name;
                         });

TEST(WeightedSummation, SumsTheSingleProductsWithoutSorting)
{
    RankingCase c({QStringLiteral("Alpha"), QStringLiteral("Beta")});
    c.setAllScores(0, Third);
    c.setAllScores(1, 1);
    ASSERT_TRUE(WeightedSummation(c.state, c.workspace.RankingTable, c.count()));

    EXPECT_NEAR(c.workspace.RankingTable(0).SumScore, 16.6667, 1e-4);
    EXPECT_EQ(c.workspace.RankingTable(0).SumIndex, 0);
    EXPECT_EQ(c.workspace.RankingTable(1).SumScore, 50.0f);
    EXPECT_EQ(c.workspace.RankingTable(1).SumIndex, 1);
    const QStringList trace = c.lines(WeightedSummationFileName);
    ASSERT_EQ(trace.size(), 24);
    EXPECT_EQ(trace.at(0), QStringLiteral(" 1.666667 = 5 * .3333333 "));
    EXPECT_EQ(trace.at(10), QStringLiteral("Final Score for             Alpha 1  is 16.67 "));
    EXPECT_EQ(trace.at(11), QString());
}

// Two criteria: A is far better on the heavy one, B slightly better on the light one.
struct SmallOutranking : ::testing::Test
{
    RankingCase c{{QStringLiteral("A"), QStringLiteral("B")}};

    void SetUp() override
    {
        c.state.NumberOfCriteria = 2;
        c.state.Criteria(0).Weight = 3;
        c.state.Criteria(1).Weight = 1;
        c.setScores(0, {1, 0});
        c.setScores(1, {0, Third});
    }
};

TEST_F(SmallOutranking, AutomaticThresholdsAreTheMeansOfTheNonZeroIndexes)
{
    ASSERT_TRUE(ConcordanceDiscordance(c.state, c.workspace, c.count()));

    const IndexMatrix& conc = c.workspace.ConcordanceMatrix;
    const IndexMatrix& disc = c.workspace.DiscordanceMatrix;
    EXPECT_EQ(conc(0, 1), 3.0f);
    EXPECT_EQ(conc(1, 0), 1.0f);
    EXPECT_EQ(disc(0, 1), Third);
    EXPECT_EQ(disc(1, 0), 1.0f);
    EXPECT_EQ(conc(0, 0), 0.0f);
    EXPECT_EQ(c.state.ConcordanceThreshold, 2.0f);
    EXPECT_FLOAT_EQ(c.state.DiscordanceThreshold, 2.0f / 3.0f);
    EXPECT_EQ(c.workspace.RankingTable(0).OutrankScore, 1.0f);
    EXPECT_EQ(c.workspace.RankingTable(1).OutrankScore, -1.0f);
    EXPECT_EQ(c.workspace.RankingTable(1).OutrankIndex, 1);

    const QStringList trace = c.lines(ConcDiscFileName);
    EXPECT_EQ(trace.at(0), QStringLiteral(" 0             1             0             1  0  3  3  3 "));
    EXPECT_EQ(trace.at(2),
              QStringLiteral("*****Concordance Index       0             1            is             3 *****"));
    EXPECT_TRUE(trace.contains(QStringLiteral("nThreshold =   2 ")));
    EXPECT_EQ(trace.at(trace.size() - 3),
              QStringLiteral("*****Final Score             0            is             1 *****"));
}

TEST_F(SmallOutranking, DialogLevelsReplaceTheAutomaticThresholds)
{
    ASSERT_TRUE(ConcordanceDiscordance(c.state, c.workspace, c.count(), ThresholdLevels{0.7f, 0.3f}));
    EXPECT_EQ(c.state.ConcordanceThreshold, 0.7f);
    EXPECT_EQ(c.state.DiscordanceThreshold, 0.3f);
    // A's discordance of 1/3 is above 0.3: nothing outranks.
    EXPECT_EQ(c.workspace.RankingTable(0).OutrankScore, 0.0f);
    EXPECT_EQ(c.workspace.RankingTable(1).OutrankScore, 0.0f);
}

TEST(Outranking, EqualAlternativesAndDominanceNeverOutrank)
{
    RankingCase c({QStringLiteral("Same1"), QStringLiteral("Same2"), QStringLiteral("Better")});
    c.setAllScores(0, 0);
    c.setAllScores(1, 0);
    c.setAllScores(2, 0);
    c.setScores(2, {Third});
    ASSERT_TRUE(ConcordanceDiscordance(c.state, c.workspace, c.count()));

    const IndexMatrix& conc = c.workspace.ConcordanceMatrix;
    const IndexMatrix& disc = c.workspace.DiscordanceMatrix;
    EXPECT_EQ(conc(0, 1), 50.0f);
    EXPECT_EQ(conc(1, 0), 50.0f);
    EXPECT_EQ(disc(0, 1), 0.0f);
    EXPECT_EQ(disc(1, 0), 0.0f);
    EXPECT_EQ(disc(2, 0), 0.0f); // dominates, so its discordance is 0 ...
    EXPECT_EQ(conc(2, 0), 50.0f);
    for (int i = 0; i < 3; ++i) // ... and it does not outrank either
        EXPECT_EQ(c.workspace.RankingTable(i).OutrankScore, 0.0f) << i;
}

TEST(Outranking, NoNonZeroIndexGivesThresholdZero)
{
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")});
    c.setWeights(0);
    ASSERT_TRUE(ConcordanceDiscordance(c.state, c.workspace, c.count()));
    EXPECT_EQ(c.state.ConcordanceThreshold, 0.0f);
    EXPECT_EQ(c.state.DiscordanceThreshold, 0.0f);
    EXPECT_EQ(CalculatenThreshold(c.workspace.ConcordanceMatrix, 0), 0.0f);
}

TEST(Outranking, NineteenAlternativesFitAndStaleEntriesAreEmptied)
{
    QStringList names;
    for (int i = 0; i < 19; ++i)
        names << QStringLiteral("CM%1").arg(i);
    RankingCase c(names);
    for (int i = 0; i < 19; ++i)
        c.setAllScores(i, static_cast<Single>(i % 7 - 3) / 3.0f);
    c.workspace.ConcordanceMatrix(18, 18) = 99;
    ASSERT_TRUE(ConcordanceDiscordance(c.state, c.workspace, 19));
    EXPECT_EQ(c.workspace.ConcordanceMatrix(18, 18), 0.0f);
    EXPECT_EQ(c.workspace.ConcordanceMatrix(18, 17), 50.0f);
    EXPECT_EQ(c.workspace.ConcordanceMatrix(17, 18), 0.0f);
    EXPECT_EQ(c.workspace.DiscordanceMatrix(17, 18), Third);
    EXPECT_EQ(c.workspace.RankingTable(18).OutrankIndex, 18);
}

TEST(FurtherRankingTraces, UnwritableFolderIsReportedAndTheResultsStand)
{
    RecordingMessageSeam messages;
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")});
    c.setScores(0, {1});
    c.state.TempFolder = QDir(c.folder.path()).filePath(QStringLiteral("missing/folder"));

    EXPECT_FALSE(WeightedSummation(c.state, c.workspace.RankingTable, c.count()));
    EXPECT_FALSE(ConcordanceDiscordance(c.state, c.workspace, c.count()));
    EXPECT_FALSE(NormalizeWeights(c.state));

    ASSERT_EQ(messages.shown().size(), 3u);
    EXPECT_TRUE(messages.texts().at(0).contains(WeightedSummationFileName));
    EXPECT_TRUE(messages.texts().at(1).contains(ConcDiscFileName));
    EXPECT_TRUE(messages.texts().at(2).contains(NormalizeWeightsFileName));
    EXPECT_EQ(c.workspace.RankingTable(0).SumScore, 5.0f);
    EXPECT_EQ(c.workspace.ConcordanceMatrix(0, 1), 50.0f);
    EXPECT_EQ(c.state.Criteria(0).Weight, 0.1f);
}

} // namespace
