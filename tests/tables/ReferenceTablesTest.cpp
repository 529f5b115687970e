#include "tables/core/ReferenceTables.h"

#include <gtest/gtest.h>

#include <QSet>

using namespace talvo;

namespace {

class ReferenceTables : public ::testing::Test
{
protected:
    void SetUp() override { InitialiseReferenceTables(state); }
    AssessmentState state;
};

TEST_F(ReferenceTables, StartUpScalars)
{
    EXPECT_EQ(state.NumberOfCriteria, 10);
    EXPECT_EQ(state.PValue, 1);
    EXPECT_EQ(state.NumberOfCountermeasures, 0);
    EXPECT_FALSE(state.MCDMDone);
    EXPECT_FALSE(state.EconomicDone);
    for (const auto& criterion : state.Criteria)
        EXPECT_EQ(criterion.Weight, 0.0f);
    EXPECT_TRUE(state.Criteria(10).Name.isEmpty());
    EXPECT_TRUE(state.Criteria(12).Direction.isEmpty());
}

TEST_F(ReferenceTables, CriteriaAndColours)
{
    EXPECT_EQ(state.Criteria(0).Name, QStringLiteral("Soil Erosion and Sedimentation"));
    EXPECT_EQ(state.Criteria(0).Direction, QStringLiteral("Minimize"));
    EXPECT_EQ(state.Criteria(7).Name, QStringLiteral("Ammonia Emissions"));
    EXPECT_EQ(state.Criteria(7).Direction, QStringLiteral("Maximize"));
    EXPECT_EQ(state.Criteria(9).Name, QStringLiteral("Landscape Quality"));
    const ChartColourRecord six = state.ChartColours(6);
    EXPECT_EQ(six.Red, 0);
    EXPECT_EQ(six.Green, 1);
    EXPECT_EQ(six.Blue, 238);
    EXPECT_EQ(state.ChartColours(0).Green, 255);
    EXPECT_EQ(state.ChartColours(15).Red + state.ChartColours(15).Green + state.ChartColours(15).Blue, 0);
}

TEST_F(ReferenceTables, CatalogueKeepsItsIrregularNames)
{
    int filled = 0;
    for (int i = 0; i <= 61; ++i) {
        if (!state.Countermeasures(i).Name.isEmpty()) {
            ++filled;
            EXPECT_FALSE(state.Countermeasures(i).Description.isEmpty()) << i;
        }
    }
    EXPECT_EQ(filled, 61);
    EXPECT_TRUE(state.Countermeasures(53).Name.isEmpty());
    EXPECT_TRUE(state.Countermeasures(53).Description.isEmpty());
    EXPECT_EQ(state.Countermeasures(13).Name,
              QStringLiteral("Administer AFCF to lowland sheep and fatten on clean roughage "));
    EXPECT_EQ(state.Countermeasures(27).Name, QStringLiteral("Administer AFCF to upland sheep &  sell for fattening."));
    EXPECT_EQ(state.Countermeasures(52).Description, state.Countermeasures(52).Name);
    EXPECT_EQ(state.Countermeasures(58).Description, state.Countermeasures(58).Name);
    EXPECT_EQ(state.Countermeasures(35).Description, QStringLiteral("Cease animal production & leave land fallow."));
    EXPECT_EQ(state.Countermeasures(3).Description, QStringLiteral("Cease animal production and leave land fallow."));
    EXPECT_EQ(state.Countermeasures(33).Description,
              QStringLiteral("Feed beef cattle uncontaminated concentrate and roughage during the last part of the "
                             "fattening  period. Sell for slaughter."));
    EXPECT_EQ(state.Countermeasures(61).Name, QStringLiteral("Shallow plough & apply lime and K fertiliser."));
    EXPECT_EQ(state.NoSuitableCountermeasures.Message,
              QStringLiteral("There are no suitable countermeasures available."));
    EXPECT_EQ(state.NoCountermeasuresNeeded.Message, QStringLiteral("No countermeasures are needed. "));
    EXPECT_FALSE(state.NoSuitableCountermeasures.IsSet);
    EXPECT_FALSE(state.NoCountermeasuresNeeded.IsSet);
}

TEST_F(ReferenceTables, LimitationQuestions)
{
    QSet<QString> names;
    int textBoxes = 0, yesNo = 0, lists = 0;
    for (const auto& question : state.LimitationQuestions) {
        names.insert(question.ControlName);
        EXPECT_TRUE(question.ControlName.startsWith(QStringLiteral("ctl")));
        EXPECT_FALSE(question.Needed);
        EXPECT_TRUE(question.AnswerText.isEmpty());
        textBoxes += question.ProgID == ProgIDTextBox;
        yesNo += question.ProgID == ProgIDYesNo;
        lists += question.ProgID == ProgIDList;
    }
    EXPECT_EQ(names.size(), 34);
    EXPECT_EQ(textBoxes, 12);
    EXPECT_EQ(yesNo, 8);
    EXPECT_EQ(lists, 14);
    EXPECT_EQ(state.LimitationQuestions(5).QuestionText,
              QStringLiteral(" At what depth is the field drainage system (cm)?"));
    for (int i : {16, 17, 19, 20, 27})
        EXPECT_TRUE(state.LimitationQuestions(i).QuestionText.endsWith(QStringLiteral(": "))) << i;
    EXPECT_EQ(state.LimitationQuestions(26).ControlName, QStringLiteral("ctlKstatus"));
    EXPECT_EQ(state.LimitationQuestions(33).ControlName, QStringLiteral("ctlExistCrop"));
    EXPECT_EQ(state.LimitationQuestions(23).QuestionText,
              QStringLiteral("Do you have suitable housing to accomodate all of your lambs for 3 months?"));
}

TEST_F(ReferenceTables, EconomicQuestionsAndDefaults)
{
    QSet<QString> names;
    for (int i = 0; i <= 136; ++i) {
        const auto& question = state.EconomicQuestions(i);
        names.insert(question.ControlName);
        EXPECT_FALSE(question.Needed);
        EXPECT_TRUE(question.AnswerText.isEmpty());
        EXPECT_NE(question.ProgID, ProgIDList) << i;
        if (i <= LastFarmDataQuestion)
            EXPECT_EQ(question.AnswerValue, 0.0) << i;
        else
            EXPECT_EQ(question.ProgID, ProgIDTextBox) << i;
    }
    EXPECT_EQ(names.size(), 137);
    EXPECT_EQ(state.EconomicQuestions(42).AnswerValue, 0.024);
    EXPECT_EQ(state.EconomicQuestions(93).AnswerValue, 3931.0);
    EXPECT_EQ(state.EconomicQuestions(133).AnswerValue, 546.2);
    EXPECT_EQ(state.EconomicQuestions(136).AnswerValue, 8.4);
    EXPECT_EQ(state.EconomicQuestions(2).QuestionText,
              QStringLiteral("How many hectares are used for barley production"));
    EXPECT_EQ(state.EconomicQuestions(39).QuestionText, state.EconomicQuestions(40).QuestionText);
    EXPECT_EQ(state.EconomicQuestions(1).ProgID, ProgIDYesNo);
    EXPECT_EQ(state.EconomicQuestions(42).QuestionText, QStringLiteral("Cost of AFCF to dairy (£/day/animal):"));
}

TEST(AssessmentState, ProcessWideInstanceIsOne)
{
    EXPECT_EQ(&TheAssessment(), &TheAssessment());
    AssessmentState fresh;
    EXPECT_THROW(fresh.FinalCountermeasures(19), SubscriptOutOfRange);
    EXPECT_THROW(fresh.ScoreMatrix(0, 21), SubscriptOutOfRange);
    EXPECT_NO_THROW(fresh.IdealValues(15));
}

} // namespace
