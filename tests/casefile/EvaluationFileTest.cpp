#include "casefile/core/EvaluationFile.h"
#include "casefile/core/EvaluationFileApply.h"
#include "tests/casefile/CaseFileTestSupport.h"

#include "platform/core/NumberForms.h"
#include "tables/core/ScoreScale.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <string>

using namespace talvo;
using namespace talvo::test;

namespace {

const QDateTime Modified(QDate(2024, 3, 12), QTime(14, 22, 5));

// Reads a file into a fresh assessment the way File Open does and writes the assessment back out.
QByteArray openAndSave(const QByteArray& bytes, AssessmentState& state, const CaseFileCallbacks& callbacks = {})
{
    QString error;
    const auto content = ParseEvaluationFile(bytes, &error);
    EXPECT_TRUE(content.has_value()) << error.toStdString();
    if (!content)
        return {};
    ApplyEvaluationFile(*content, state, callbacks, OpenPurpose::UserOpen, Modified);
    EvaluationFileContent again;
    EXPECT_TRUE(ContentFromState(state, again, &error)) << error.toStdString();
    return EncodeEvaluationFile(again);
}

class GoldenFile : public ::testing::TestWithParam<const char*>
{
};

// Every shape of the file (neither done flag, ranking only, economics only, both) opens and saves back to the
// same bytes, with and without going through the assessment.
TEST_P(GoldenFile, OpensAndSavesBackByteForByte)
{
    const QByteArray original = ReadTestData(QString::fromLatin1(GetParam()));
    ASSERT_FALSE(original.isEmpty());

    QString error;
    const auto content = ParseEvaluationFile(original, &error);
    ASSERT_TRUE(content.has_value()) << error.toStdString();
    EXPECT_EQ(EncodeEvaluationFile(*content), original);

    AssessmentState state = FreshState();
    EXPECT_EQ(openAndSave(original, state), original);
}

INSTANTIATE_TEST_SUITE_P(Shapes, GoldenFile,
                         ::testing::Values("neither.tlv", "ranking.tlv", "economics.tlv", "both.tlv"));

TEST(EvaluationFile, ShapeFollowsTheDoneFlags)
{
    // 4 + NC + NC x NK + 35 lines without the optional sections.
    const auto lines = [](const char* name) {
        return SplitFileLines(DecodeFileText(ReadTestData(QString::fromLatin1(name)))).size();
    };
    EXPECT_EQ(lines("neither.tlv"), 4 + 3 + 30 + 35);
    EXPECT_EQ(lines("ranking.tlv"), lines("neither.tlv") + 10 + 2 * 3 + 10 + 1);
    EXPECT_EQ(lines("economics.tlv"), lines("neither.tlv") + 3 * 3 + 43 + 95);
    EXPECT_EQ(lines("both.tlv"), lines("ranking.tlv") + 3 * 3 + 43 + 95);

    const QStringList neither = SplitFileLines(DecodeFileText(ReadTestData(QStringLiteral("neither.tlv"))));
    EXPECT_EQ(neither.mid(neither.size() - 2), (QStringList{QStringLiteral("#FALSE#"), QStringLiteral("#FALSE#")}));
}

TEST(EvaluationFile, ReadsTheItemsIntoTheAssessment)
{
    AssessmentState state = FreshState();
    openAndSave(ReadTestData(QStringLiteral("both.tlv")), state);

    // Leading blanks of the scenario and the trailing blank of a name are kept.
    EXPECT_EQ(state.DepositionScenario, QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241"));
    EXPECT_EQ(state.AgricultureType, QStringLiteral("Sheep on Lowland Farm"));
    EXPECT_EQ(state.NumberOfCountermeasures, 3);
    EXPECT_EQ(state.NumberOfCriteria, 10);
    EXPECT_EQ(state.FinalCountermeasures(2),
              QStringLiteral("Administer AFCF to lowland sheep and fatten on clean roughage "));
    EXPECT_EQ(ConvertScoretoText(state.ScoreMatrix(0, 1)), QStringLiteral("Moderately Decreases"));
    EXPECT_EQ(ConvertScoretoText(state.ScoreMatrix(0, 5)), QStringLiteral("Moderately Increases"));
    EXPECT_EQ(state.LimitationQuestions(9).AnswerText, QStringLiteral("No"));
    EXPECT_EQ(state.LimitationQuestions(20).AnswerText, QStringLiteral("80"));
    EXPECT_EQ(state.LimitationQuestions(19).AnswerText, QStringLiteral("30"));
    EXPECT_TRUE(state.MCDMDone);
    EXPECT_TRUE(state.EconomicDone);
    EXPECT_EQ(state.Criteria(0).Weight, 5.0f);
    EXPECT_EQ(state.FinalScores(0).CountermeasureIndex, 1);
    EXPECT_EQ(state.FinalScores(0).Score, 1.25f);
    EXPECT_EQ(state.IdealValues(1), 0.6667f);
    EXPECT_EQ(state.PValue, 2);
    EXPECT_EQ(state.EconomicResults(0).Cost, 876.0);
    EXPECT_EQ(state.EconomicResults(0).Benefit, 67800.0);
    EXPECT_EQ(state.EconomicQuestions(16).AnswerText, QString());
    EXPECT_EQ(state.EconomicQuestions(8).AnswerText, QStringLiteral("35"));
    EXPECT_EQ(state.EconomicQuestions(42).AnswerValue, 25.0);
    EXPECT_EQ(state.EconomicQuestions(46).AnswerValue, 1e-05);
    EXPECT_EQ(state.EconomicQuestions(50).AnswerValue, 1.234567890123e15);
}

TEST(EvaluationFile, LineFeedsAloneReadLikeCrLf)
{
    const QByteArray original = ReadTestData(QStringLiteral("both.tlv"));
    QByteArray unix = original;
    unix.replace("\r\n", "\n");
    AssessmentState state = FreshState();
    EXPECT_EQ(openAndSave(unix, state), original);
}

TEST(EvaluationFile, EconomicRecordEightKeepsItsSecondLine)
{
    QStringList lines = SplitFileLines(DecodeFileText(ReadTestData(QStringLiteral("economics.tlv"))));
    // Item 15 starts after the 9 lines of item 14: its lines 8 and 10 are record 8.
    const int item15 = 4 + 3 + 30 + 33 + 2 + 9;
    ASSERT_EQ(lines[item15 + 7], QStringLiteral("\"35\""));
    ASSERT_EQ(lines[item15 + 9], QStringLiteral("\"35\""));
    lines[item15 + 7] = QStringLiteral("\"40\"");
    lines[item15 + 9] = QStringLiteral("\"41\"");
    lines << QString(); // the last line's end
    QString error;
    const auto content = ParseEvaluationFile(lines.join(QStringLiteral("\r\n")).toLatin1(), &error);
    ASSERT_TRUE(content.has_value()) << error.toStdString();
    EXPECT_EQ(content->EconomicAnswers[8], QStringLiteral("41"));
    // Saved again, both lines hold the kept value.
    const QStringList saved = EvaluationFileLines(*content);
    EXPECT_EQ(saved[item15 + 7], QStringLiteral("\"41\""));
    EXPECT_EQ(saved[item15 + 9], QStringLiteral("\"41\""));
}

TEST(EvaluationFile, ReaderBuildsItsOwnRankingWeightsAndIdealsTexts)
{
    AssessmentState state = FreshState();
    QString error;
    const auto content = ParseEvaluationFile(ReadTestData(QStringLiteral("ranking.tlv")), &error);
    ASSERT_TRUE(content.has_value());
    const ResultsWindowUpdate update = ApplyEvaluationFile(*content, state, {}, OpenPurpose::UserOpen, Modified);

    // The file holds the largest distance first; the text shows the best first.
    ASSERT_TRUE(update.IdealPtResults.has_value());
    EXPECT_EQ(*update.IdealPtResults,
              QStringLiteral("Administer AFCF to lowland sheep and fatten on clean roughage    (Score =  0.3333333)\r\n"
                             "Lime the soil of the lowland sheep farm.   (Score =  0.75)\r\n"
                             "Apply K fertiliser to area where lowland sheep graze.   (Score =  1.25)\r\n"));
    ASSERT_TRUE(update.CriteriaWeights.has_value());
    EXPECT_TRUE(update.CriteriaWeights->startsWith(
        QStringLiteral("\r\n5    Soil Erosion and Sedimentation\r\n3    Soil Organic Matter\r\n0    ")));
    ASSERT_TRUE(update.IdealPtIdeals.has_value());
    EXPECT_TRUE(update.IdealPtIdeals->startsWith(QStringLiteral(
        "\r\nSoil Erosion and Sedimentation     Ideal Value = 1\r\nSoil Organic Matter     Ideal Value = 0.6667\r\n")));
    EXPECT_TRUE(update.IdealPtIdeals->endsWith(QStringLiteral("Landscape Quality     Ideal Value = 0")));
    EXPECT_EQ(update.PUsed, QStringLiteral("P Used = 2"));
    EXPECT_FALSE(update.FillCostBenefitGrid);
    EXPECT_FALSE(update.EconomicInformation.has_value());
}

TEST(EvaluationFile, WithoutRankingTheRankingControlsKeepTheirContents)
{
    AssessmentState state = FreshState();
    const auto content = ParseEvaluationFile(ReadTestData(QStringLiteral("economics.tlv")), nullptr);
    ASSERT_TRUE(content.has_value());
    const ResultsWindowUpdate update = ApplyEvaluationFile(*content, state, {}, OpenPurpose::UserOpen, Modified);
    EXPECT_FALSE(update.IdealPtResults || update.CriteriaWeights || update.IdealPtIdeals || update.PUsed);
    EXPECT_TRUE(update.FillCostBenefitGrid);
    EXPECT_EQ(update.CountermeasureList,
              QStringLiteral("Lime the soil of the lowland sheep farm.\r\n"
                             "Apply K fertiliser to area where lowland sheep graze.\r\n"
                             "Administer AFCF to lowland sheep and fatten on clean roughage "));
    EXPECT_TRUE(update.AssessmentCriteria.startsWith(QStringLiteral("\r\nSoil Erosion and Sedimentation\r\n")));
    EXPECT_EQ(update.DepositionSelectedName, QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241"));
    EXPECT_TRUE(update.LastModified.startsWith(QStringLiteral("LastModified: ")));
    EXPECT_TRUE(update.LastModified.endsWith(QStringLiteral("14:22:05")));
}

// Each name is assessed as it is read, the answers follow (so the stored CEC-known answer replaces the lime
// preset), then the limitation text; the economic answers come before WhichCosts and the economic text.
TEST(EvaluationFile, CallsTheWizardsInTheStoredOrder)
{
    RecordingCallbacks recorder;
    AssessmentState state = FreshState();
    openAndSave(ReadTestData(QStringLiteral("both.tlv")), state, recorder.callbacks);
    EXPECT_EQ(recorder.calls,
              (QStringList{QStringLiteral("Disable"), QStringLiteral("Assess:Lime the soil of the lowland sheep farm."),
                           QStringLiteral("Assess:Apply K fertiliser to area where lowland sheep graze."),
                           QStringLiteral("Assess:Administer AFCF to lowland sheep and fatten on clean roughage "),
                           QStringLiteral("Information:No"),
                           QStringLiteral("Costs:Lime the soil of the lowland sheep farm.:250"),
                           QStringLiteral("Costs:Apply K fertiliser to area where lowland sheep graze.:250"),
                           QStringLiteral("Costs:Administer AFCF to lowland sheep and fatten on clean roughage :250"),
                           QStringLiteral("Economic")}));
    EXPECT_EQ(state.LimitationQuestions(9).AnswerText, QStringLiteral("No"));
}

TEST(EvaluationFile, WithoutEconomicsNoCostsAreAssessed)
{
    RecordingCallbacks recorder;
    AssessmentState state = FreshState();
    openAndSave(ReadTestData(QStringLiteral("ranking.tlv")), state, recorder.callbacks);
    EXPECT_FALSE(recorder.calls.join(QLatin1Char('|')).contains(QStringLiteral("Costs")));
    EXPECT_FALSE(recorder.calls.contains(QStringLiteral("Economic")));
}

// Leftovers of an assessment held earlier in the run: question flags, status flags, the crop answer.
void holdEarlierAssessment(AssessmentState& state)
{
    state.LimitationQuestions(24).Needed = true;
    state.EconomicQuestions(100).Needed = true;
    state.EconomicQuestions(3).Needed = true;
    state.NoSuitableCountermeasures.IsSet = true;
    state.LimitationQuestions(33).AnswerText = QStringLiteral("Potatoes");
}

TEST(EvaluationFile, FileOpenStartsFromClearedFlagsAndNoCrop)
{
    RecordingCallbacks recorder;
    AssessmentState state = FreshState();
    holdEarlierAssessment(state);
    const auto content = ParseEvaluationFile(ReadTestData(QStringLiteral("both.tlv")), nullptr);
    ASSERT_TRUE(content.has_value());
    const ResultsWindowUpdate update =
        ApplyEvaluationFile(*content, state, recorder.callbacks, OpenPurpose::UserOpen, Modified);
    EXPECT_FALSE(state.LimitationQuestions(24).Needed);
    EXPECT_TRUE(state.LimitationQuestions(0).Needed); // set again by the assessment
    EXPECT_FALSE(state.EconomicQuestions(100).Needed);
    EXPECT_FALSE(state.EconomicQuestions(3).Needed);
    EXPECT_TRUE(state.EconomicQuestions(6).Needed);
    EXPECT_FALSE(state.NoSuitableCountermeasures.IsSet);
    EXPECT_TRUE(state.LimitationQuestions(33).AnswerText.isEmpty());
    EXPECT_TRUE(update.FillScoreGrid);
    EXPECT_EQ(update.LimitationsInformation, QStringLiteral("limitations of Sheep on Lowland Farm"));
    EXPECT_EQ(update.EconomicInformation, QStringLiteral("economics with 250"));
}

TEST(EvaluationFile, WorkingFileReadBackKeepsTheSelectionsFlags)
{
    RecordingCallbacks recorder;
    AssessmentState state = FreshState();
    holdEarlierAssessment(state);
    const auto content = ParseEvaluationFile(ReadTestData(QStringLiteral("neither.tlv")), nullptr);
    ASSERT_TRUE(content.has_value());
    const ResultsWindowUpdate update =
        ApplyEvaluationFile(*content, state, recorder.callbacks, OpenPurpose::WorkingFileReadBack, Modified);
    EXPECT_FALSE(recorder.calls.contains(QStringLiteral("Disable")));
    EXPECT_TRUE(state.LimitationQuestions(24).Needed);
    EXPECT_TRUE(state.EconomicQuestions(100).Needed);
    EXPECT_TRUE(state.NoSuitableCountermeasures.IsSet);
    EXPECT_EQ(state.LimitationQuestions(33).AnswerText, QStringLiteral("Potatoes"));
    // A status flag leaves the score grid as it was.
    EXPECT_FALSE(update.FillScoreGrid);
}

TEST(EvaluationFile, WhatTheFileDoesNotHoldKeepsItsValue)
{
    AssessmentState state = FreshState();
    state.FinalCountermeasures(5) = QStringLiteral("older name");
    state.ScoreMatrix(5, 5) = 1;
    state.PValue = 7;
    state.Criteria(0).Weight = 9;
    openAndSave(ReadTestData(QStringLiteral("economics.tlv")), state);
    EXPECT_EQ(state.FinalCountermeasures(5), QStringLiteral("older name"));
    EXPECT_EQ(state.ScoreMatrix(5, 5), 1.0f);
    EXPECT_EQ(state.PValue, 7);
    EXPECT_EQ(state.Criteria(0).Weight, 9.0f);
}

// An index at or beyond NC, which older files can hold, shows whatever name that slot holds.
TEST(EvaluationFile, RankingIndexBeyondTheCountShowsThatSlot)
{
    QStringList lines = SplitFileLines(DecodeFileText(ReadTestData(QStringLiteral("ranking.tlv"))));
    const int item11 = 4 + 3 + 30 + 33 + 2 + 10;
    lines[item11] = QStringLiteral("18");
    AssessmentState state = FreshState();
    state.FinalCountermeasures(18) = QStringLiteral("Slot eighteen");
    lines << QString(); // the last line's end
    const auto content = ParseEvaluationFile(lines.join(QStringLiteral("\r\n")).toLatin1(), nullptr);
    ASSERT_TRUE(content.has_value());
    const auto update = ApplyEvaluationFile(*content, state, {}, OpenPurpose::UserOpen, Modified);
    EXPECT_TRUE(update.IdealPtResults->endsWith(QStringLiteral("Slot eighteen   (Score =  1.25)\r\n")));
}

TEST(EvaluationFile, EachScaleValueSurvivesTheFile)
{
    AssessmentState state = FreshState();
    state.NumberOfCountermeasures = 1;
    state.FinalCountermeasures(0) = QStringLiteral("Deep plough.");
    const QStringList words = ScoreWordsForLists();
    for (int j = 0; j < 7; ++j)
        state.ScoreMatrix(0, j) = ConvertScoreNametoNum(words[j]);
    EvaluationFileContent content;
    ASSERT_TRUE(ContentFromState(state, content, nullptr));
    const auto back = ParseEvaluationFile(EncodeEvaluationFile(content), nullptr);
    ASSERT_TRUE(back.has_value());
    for (int j = 0; j < 7; ++j)
        EXPECT_EQ(ConvertScoretoText(back->Scores[0][static_cast<std::size_t>(j)]), words[j]);
}

TEST(EvaluationFile, WriterRefusesWhatNoFileCanHold)
{
    AssessmentState state = FreshState();
    EvaluationFileContent content;
    QString error;
    state.NumberOfCountermeasures = 20;
    EXPECT_FALSE(ContentFromState(state, content, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("20")));
    state.NumberOfCountermeasures = 1;
    state.LimitationQuestions(3).AnswerText = QStringLiteral("two\r\nlines");
    EXPECT_FALSE(ContentFromState(state, content, &error));
    state.LimitationQuestions(3).AnswerText = QStringLiteral("12\u20AC"); // pasted, beyond Latin-1
    EXPECT_FALSE(ContentFromState(state, content, &error));
    EXPECT_TRUE(error.contains(state.LimitationQuestions(3).QuestionText) && error.contains(QStringLiteral("\u20AC")));
    state.LimitationQuestions(3).AnswerText.clear();
    EXPECT_TRUE(ContentFromState(state, content, &error));
}

// Bytes are read as Latin-1 and written back as they were, whether or not they happen to be valid UTF-8.
TEST(EvaluationFile, Latin1TextSavesBackUnchanged)
{
    QByteArray bytes = ReadTestData(QStringLiteral("neither.tlv"));
    bytes.replace("\"Sheep on Lowland Farm\"", "\"Sheep \xA3 Farm\"");
    const auto content = ParseEvaluationFile(bytes, nullptr);
    ASSERT_TRUE(content.has_value());
    EXPECT_EQ(content->AgricultureType, QStringLiteral("Sheep \u00A3 Farm"));
    EXPECT_EQ(EncodeEvaluationFile(*content), bytes);

    bytes.replace("\xA3", "\xC3\xA9");
    const auto utf8Looking = ParseEvaluationFile(bytes, nullptr);
    ASSERT_TRUE(utf8Looking.has_value());
    EXPECT_EQ(utf8Looking->AgricultureType, QStringLiteral("Sheep \u00C3\u00A9 Farm"));
    EXPECT_EQ(EncodeEvaluationFile(*utf8Looking), bytes);
}

// The user's locale, even one with a decimal comma, reaches neither the file nor its reading.
TEST(EvaluationFile, GermanLocaleChangesNothing)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const char* oldC = std::setlocale(LC_ALL, nullptr);
    const std::string saved = oldC ? oldC : "C";
    std::setlocale(LC_ALL, "de_DE.UTF-8"); // may not exist; then the Qt default alone is under test

    const QByteArray original = ReadTestData(QStringLiteral("both.tlv"));
    AssessmentState state = FreshState();
    EXPECT_EQ(openAndSave(original, state), original);
    EXPECT_EQ(state.EconomicQuestions(43).AnswerValue, 0.5);
    EXPECT_EQ(ReaderIdealsText(state).split(QStringLiteral("\r\n"))[2],
              QStringLiteral("Soil Organic Matter     Ideal Value = 0.6667"));

    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(previous);
}

} // namespace
