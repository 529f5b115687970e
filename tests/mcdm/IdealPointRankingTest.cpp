#include "mcdm/core/IdealPointRanking.h"
#include "tests/mcdm/RankingCase.h"
#include "tests/support/RecordingSeams.h"

#include <QLocale>

#include <cmath>

using namespace talvo;
using namespace talvo::test;

namespace {

const QString CrLf = QStringLiteral("\r\n");

QString rankLine(const QString& name, const QString& score)
{
    return CrLf + QStringLiteral("   ") + name + QStringLiteral("  (Score =") + score + QStringLiteral(")");
}

RankingTexts rank(RankingCase& c, bool resultsWindowVisible = true)
{
    EXPECT_TRUE(IdealPointAnalysis(c.state, c.workspace.RankingTable, c.count()));
    return WriteFinalScoresFile(c.state, c.workspace.RankingTable, c.count(), resultsWindowVisible);
}

TEST(IdealPointRanking, POneIsTheWeightedSumOfAbsoluteDeviations)
{
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")});
    c.setIdeals(1);
    c.setAllScores(0, 1);
    c.setAllScores(1, 0);
    const RankingTexts texts = rank(c);

    EXPECT_EQ(texts.IdealPtResults, rankLine("A", "0") + rankLine("B", "50"));
    EXPECT_EQ(c.state.FinalScores(0).Score, 50.0f);
    EXPECT_EQ(c.state.FinalScores(0).CountermeasureIndex, 1);
    EXPECT_EQ(c.state.FinalScores(1).Score, 0.0f);
    EXPECT_EQ(c.state.FinalScores(1).CountermeasureIndex, 0);
}

TEST(IdealPointRanking, PTwoRaisesTheWeightButNotTheDeviation)
{
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")}, 2);
    c.setIdeals(1);
    c.setAllScores(0, 1);
    c.setScores(0, {-1});
    c.setAllScores(1, 1);
    c.setScores(1, {-Third, -Third});
    ASSERT_TRUE(IdealPointAnalysis(c.state, c.workspace.RankingTable, c.count()));

    // 25 x 2 under the root, where a Euclidean distance would give sqrt(25 x 4) = 10.
    EXPECT_FLOAT_EQ(c.workspace.RankingTable(0).IdealScore, static_cast<float>(std::sqrt(50.0)));
    EXPECT_NEAR(c.workspace.RankingTable(1).IdealScore, std::sqrt(2 * 25 * (4.0 / 3.0)), 1e-5);
}

class ZeroWeight : public ::testing::TestWithParam<int>
{
};

TEST_P(ZeroWeight, RemovesItsCriterionWhateverP)
{
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")}, static_cast<Integer>(GetParam()));
    c.setWeights(2);
    c.state.Criteria(0).Weight = 0;
    c.setIdeals(0);
    c.setAllScores(0, 0);
    c.setScores(0, {-1});
    c.setAllScores(1, 0);
    c.setScores(1, {0, 1});
    ASSERT_TRUE(IdealPointAnalysis(c.state, c.workspace.RankingTable, c.count()));
    EXPECT_EQ(c.workspace.RankingTable(0).IdealScore, 0.0f);
    EXPECT_FLOAT_EQ(c.workspace.RankingTable(1).IdealScore, 2.0f);
}

INSTANTIATE_TEST_SUITE_P(P, ZeroWeight, ::testing::Values(1, 2, 3, 10));

TEST(IdealPointRanking, AllWeightsZeroListsTheAlternativesInReverse)
{
    RankingCase c({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, 3);
    c.setWeights(0);
    c.setAllScores(1, -1);
    c.setAllScores(2, 1);
    const RankingTexts texts = rank(c);

    EXPECT_EQ(texts.IdealPtResults, rankLine("C", "0") + rankLine("B", "0") + rankLine("A", "0"));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(c.state.FinalScores(k).Score, 0.0f);
        EXPECT_EQ(c.state.FinalScores(k).CountermeasureIndex, k);
    }
}

TEST(IdealPointRanking, EqualDistancesKeepTheirOrderInTheTable)
{
    RankingCase c({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")});
    c.setWeights(1);
    c.setIdeals(0);
    c.setScores(0, {1});              // 1
    c.setScores(1, {1, 1});           // 2
    c.setScores(2, {-1});             // 1
    c.setScores(3, {Third});          // 0.3333333
    c.state.FinalScores(4).Score = 7; // beyond count: untouched
    const RankingTexts texts = rank(c);

    EXPECT_EQ(texts.IdealPtResults,
              rankLine("D", "0.33") + rankLine("C", "1") + rankLine("A", "1") + rankLine("B", "2"));
    const int expectedOrder[] = {1, 0, 2, 3};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(c.state.FinalScores(k).CountermeasureIndex, expectedOrder[k]) << k;
    EXPECT_EQ(c.state.FinalScores(4).Score, 7.0f);

    const QStringList file = c.lines(FinalResultsFileName);
    ASSERT_EQ(file.size(), 9);
    EXPECT_EQ(file.mid(5), QStringList({" .3333333  3 D", " 1  2 C", " 1  0 A", " 2  1 B"}));
}

TEST(IdealPointRanking, AModeratelyDecreasingIdealEntersWithFourDecimals)
{
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")});
    c.setWeights(0);
    c.state.Criteria(0).Weight = 1;
    c.setScores(0, {static_cast<Single>(-2.0 / 3.0)});
    QStringList words(10, QStringLiteral("No Effect"));
    words[0] = QStringLiteral("Moderately Decreases");
    ASSERT_TRUE(IdealPointAnalysis(c.state, c.workspace.RankingTable, c.count(), words));

    EXPECT_EQ(c.state.IdealValues(0), -0.6667f);
    const float distance = c.workspace.RankingTable(0).IdealScore;
    EXPECT_GT(distance, 3.3e-5f);
    EXPECT_LT(distance, 3.34e-5f);
    const RankingTexts texts = WriteFinalScoresFile(c.state, c.workspace.RankingTable, c.count(), true);
    ASSERT_TRUE(texts.IdealPtIdeals.has_value());
    EXPECT_TRUE(texts.IdealPtIdeals->startsWith(CrLf + "-0.667\tSoil Erosion and Sedimentation" + CrLf + "0\t"));
}

TEST(IdealPointRanking, GenerateIdealsTakesNoSelectionAsNoEffect)
{
    AssessmentState state;
    state.IdealValues.fill(5);
    GenerateIdeals(state, {QStringLiteral("Greatly Increases"), QStringLiteral("Slightly Decreases"),
                           QStringLiteral("greatly increases")});
    const float expected[] = {1, -0.3333f, 0, 0, 0, 0, 0, 0, 0, 0, 5};
    for (int k = 0; k < 11; ++k)
        EXPECT_EQ(state.IdealValues(k), expected[k]) << k;
}

TEST(IdealPointRanking, HiddenResultsWindowLeavesTheRankingAlone)
{
    RecordingMessageSeam messages;
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")});
    c.setIdeals(1);
    c.setAllScores(1, 0);
    c.state.FinalScores(0) = FinalScoreRecord{9, 4};
    const RankingTexts texts = rank(c, false);

    EXPECT_EQ(messages.texts(), QStringList{NoFileOpenForMCDMMessage});
    EXPECT_EQ(messages.shown().at(0).title, QString());
    EXPECT_TRUE(texts.ResultsFileWritten);
    EXPECT_EQ(QFile(QDir(c.folder.path()).filePath(FinalResultsFileName)).size(), 0);
    EXPECT_FALSE(texts.IdealPtResults || texts.IdealPtIdeals || texts.PUsed);
    EXPECT_TRUE(texts.CriteriaWeights.startsWith("5\tSoil Erosion and Sedimentation\r\n"));
    EXPECT_EQ(c.state.FinalScores(0).Score, 9.0f);
    EXPECT_EQ(c.state.FinalScores(0).CountermeasureIndex, 4);
    EXPECT_EQ(c.workspace.RankingTable(0).IdealIndex, 0); // not sorted
}

TEST(IdealPointRanking, UnwritableFolderIsReportedAndTheRankingStillArrives)
{
    RecordingMessageSeam messages;
    RankingCase c({QStringLiteral("A"), QStringLiteral("B")});
    c.setIdeals(1);
    c.setAllScores(0, 1);
    c.setAllScores(1, 0);
    // A file where the folder should be: not even root can create files under it.
    const QString notAFolder = QDir(c.folder.path()).filePath(QStringLiteral("plain"));
    {
        QFile plain(notAFolder);
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    }
    c.state.TempFolder = notAFolder;

    EXPECT_FALSE(IdealPointAnalysis(c.state, c.workspace.RankingTable, c.count()));
    const RankingTexts texts = WriteFinalScoresFile(c.state, c.workspace.RankingTable, c.count(), true);

    EXPECT_FALSE(texts.ResultsFileWritten);
    ASSERT_EQ(messages.shown().size(), 2u);
    for (const auto& shown : messages.shown()) {
        EXPECT_EQ(shown.icon, MessageIcon::Critical);
        EXPECT_EQ(shown.title, FailureTitle);
    }
    EXPECT_TRUE(messages.texts().at(0).contains(IdealPointFileName));
    EXPECT_TRUE(messages.texts().at(1).contains(FinalResultsFileName));
    EXPECT_EQ(texts.IdealPtResults, rankLine("A", "0") + rankLine("B", "50"));
    EXPECT_EQ(texts.PUsed, QStringLiteral("P Used = 1"));
    EXPECT_EQ(c.state.FinalScores(0).Score, 50.0f);
}

// Three countermeasures of the dairy farm, p = 2, mixed weights and one ideal moved off its default.
const QStringList goldenNames = {QStringLiteral("Administer AFCF to dairy cows."), QStringLiteral("Supply Ca."),
                                 QStringLiteral("Feed dairy cows clean concentrate.")};

void setUpGoldenCase(RankingCase& c)
{
    const Single weights[] = {5, 3, 0, 10, 5, 5, 7, 1, 2, 5};
    for (int j = 0; j < 10; ++j)
        c.state.Criteria(j).Weight = weights[j];
    const auto word = [](const char* text) { return ConvertScoreNametoNum(QString::fromLatin1(text)); };
    c.setScores(0, {word("No Effect"), word("Slightly Increases"), word("No Effect"), word("Greatly Decreases"),
                    word("Slightly Decreases"), word("No Effect"), word("No Effect"), word("No Effect"),
                    word("No Effect"), word("No Effect")});
    c.setScores(1, {word("Slightly Increases"), word("Moderately Decreases"), word("Greatly Increases"),
                    word("No Effect"), word("No Effect"), word("Slightly Increases"), word("Moderately Increases"),
                    word("No Effect"), word("Slightly Decreases"), word("No Effect")});
    c.setScores(2, {word("Greatly Decreases"), word("Greatly Increases"), word("No Effect"), word("Greatly Decreases"),
                    word("Moderately Increases"), word("Greatly Increases"), word("Greatly Increases"),
                    word("Slightly Decreases"), word("Greatly Increases"), word("Greatly Increases")});
}

// Default ideals, with "Moderately Decreases" for Animal Welfare.
QStringList goldenIdealWords()
{
    QStringList words;
    for (int k = 0; k < 10; ++k) {
        const bool decreases = k == 0 || k == 2 || k == 3 || k == 7;
        words << (decreases ? QStringLiteral("Greatly Decreases") : QStringLiteral("Greatly Increases"));
    }
    words[4] = QStringLiteral("Moderately Decreases");
    return words;
}

class GoldenFiles : public ::testing::TestWithParam<QLocale::Language>
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(GetParam())); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(GoldenFiles, MatchLineByLineWhateverTheLocale)
{
    RankingCase c(goldenNames, 2);
    setUpGoldenCase(c);
    ASSERT_TRUE(IdealPointAnalysis(c.state, c.workspace.RankingTable, c.count(), goldenIdealWords()));
    const RankingTexts texts = WriteFinalScoresFile(c.state, c.workspace.RankingTable, c.count(), true);

    for (const QString& name : {IdealPointFileName, FinalResultsFileName}) {
        const QStringList expected = RankingCase::crLfLines(QStringLiteral(MCDM_TEST_DATA "/") + name);
        const QStringList actual = c.lines(name);
        ASSERT_EQ(actual.size(), expected.size()) << name.toStdString();
        for (qsizetype n = 0; n < expected.size(); ++n)
            EXPECT_EQ(actual.at(n), expected.at(n)) << name.toStdString() << " line " << n + 1;
    }
    // The name starts in the third print zone, column 29.
    EXPECT_EQ(c.lines(IdealPointFileName).at(11),
              QStringLiteral("Final Score for             Administer AFCF to dairy cows. is 11.97 "));

    EXPECT_EQ(texts.IdealPtResults, rankLine("Feed dairy cows clean concentrate.", "5.83") +
                                        rankLine("Administer AFCF to dairy cows.", "11.97") +
                                        rankLine("Supply Ca.", "15.14"));
    EXPECT_EQ(texts.IdealPtIdeals, "\r\n-1\tSoil Erosion and Sedimentation"
                                   "\r\n1\tSoil Organic Matter"
                                   "\r\n-1\tSoil Nutrient Transport to Water"
                                   "\r\n-1\tSoil Pollutant Transport to Water"
                                   "\r\n-0.667\tAnimal Welfare"
                                   "\r\n1\tProduct Quality"
                                   "\r\n1\tProduct Quantity"
                                   "\r\n-1\tAmmonia Emissions"
                                   "\r\n1\tBiodiversity"
                                   "\r\n1\tLandscape Quality");
    EXPECT_EQ(texts.CriteriaWeights, "5\tSoil Erosion and Sedimentation\r\n"
                                     "3\tSoil Organic Matter\r\n"
                                     "0\tSoil Nutrient Transport to Water\r\n"
                                     "10\tSoil Pollutant Transport to Water\r\n"
                                     "5\tAnimal Welfare\r\n"
                                     "5\tProduct Quality\r\n"
                                     "7\tProduct Quantity\r\n"
                                     "1\tAmmonia Emissions\r\n"
                                     "2\tBiodiversity\r\n"
                                     "5\tLandscape Quality\r\n");
    EXPECT_EQ(texts.PUsed, QStringLiteral("P Used = 2"));
}

INSTANTIATE_TEST_SUITE_P(Locale, GoldenFiles, ::testing::Values(QLocale::C, QLocale::German));

} // namespace
