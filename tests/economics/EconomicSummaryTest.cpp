#include "economics/core/EconomicSummary.h"
#include "economics/core/CalculateEconomics.h"
#include "economics/core/EconomicQuestionSelection.h"
#include "tables/core/ReferenceTables.h"

#include <gtest/gtest.h>

using namespace talvo;

namespace {

const QString Pound = QString(QChar(0x00A3)) + QLatin1Char(' ');

class EconomicSummary : public ::testing::Test
{
protected:
    void SetUp() override { InitialiseReferenceTables(state); }

    void finalList(std::initializer_list<const char*> names)
    {
        state.NumberOfCountermeasures = 0;
        for (const char* name : names)
            state.FinalCountermeasures(state.NumberOfCountermeasures++) = QString::fromLatin1(name);
    }

    AssessmentState state;
    EconomicSession session;
};

TEST_F(EconomicSummary, LookupsByExactName)
{
    state.Countermeasures(1).Cost = 12.5;
    state.Countermeasures(1).Benefit = 7;
    EXPECT_EQ(FindMatchingCost(state, QStringLiteral("Supply Ca.")), 12.5);
    EXPECT_EQ(FindMatchingBenefit(state, QStringLiteral("Supply Ca.")), 7);
    EXPECT_EQ(FindMatchingCost(state, QStringLiteral("Supply Ca")), 0);
    // Slot 53 holds no countermeasure: an empty name matches nothing there.
    state.Countermeasures(53).Cost = 99;
    EXPECT_EQ(FindMatchingCost(state, QString()), 0);
}

TEST_F(EconomicSummary, GridRoundsEachAmountAndMarksLosses)
{
    finalList({"Administer AFCF to dairy cows.", "Exclude production of dairy cows.", "Supply Ca.", "Not a name"});
    state.Countermeasures(0).Cost = 876.4;
    state.Countermeasures(0).Benefit = 67800.5;
    state.Countermeasures(3).Cost = 1500;
    state.Countermeasures(3).Benefit = 0;
    state.Countermeasures(1).Cost = 2.5; // summary 0 from the rounded 2 - 2
    state.Countermeasures(1).Benefit = 1.5;

    const EconomicSummaryGrid grid = FillEcSpreadSheet(state);
    ASSERT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.Cell(0, 0), QStringLiteral("Countermeasure"));
    EXPECT_EQ(grid.Cell(0, 1), QStringLiteral("Costs"));
    EXPECT_EQ(grid.Cell(0, 2), QStringLiteral("Benefits"));
    EXPECT_EQ(grid.Cell(0, 3), QStringLiteral("Summary"));

    EXPECT_EQ(grid.Cell(1, 0), QStringLiteral("Administer AFCF to dairy cows."));
    EXPECT_EQ(grid.Cell(1, 1), Pound + QStringLiteral("876"));
    EXPECT_EQ(grid.Cell(1, 2), Pound + QStringLiteral("67800"));
    EXPECT_EQ(grid.Cell(1, 3), Pound + QStringLiteral("66924"));
    EXPECT_EQ(grid.Countermeasures[0].SummaryColour, SummaryColourBlack);

    EXPECT_EQ(grid.Cell(2, 1), Pound + QStringLiteral("1500"));
    EXPECT_EQ(grid.Cell(2, 2), Pound + QStringLiteral("0"));
    EXPECT_EQ(grid.Cell(2, 3), Pound + QStringLiteral("-1500"));
    EXPECT_EQ(grid.Countermeasures[1].SummaryColour, SummaryColourRed);

    EXPECT_EQ(grid.Cell(3, 3), Pound + QStringLiteral("0"));
    EXPECT_EQ(grid.Countermeasures[2].SummaryColour, SummaryColourBlack);

    for (int col = 1; col <= 3; ++col)
        EXPECT_EQ(grid.Cell(4, col), Pound + QStringLiteral("0"));
    EXPECT_THROW(grid.Cell(5, 0), SubscriptOutOfRange);
    EXPECT_THROW(grid.Cell(0, 4), SubscriptOutOfRange);
}

TEST_F(EconomicSummary, OneCountermeasureGivesTwoRows)
{
    finalList({"Supply Ca."});
    EXPECT_EQ(FillEcSpreadSheet(state).Rows(), 2);
    finalList({});
    EXPECT_EQ(FillEcSpreadSheet(state).Rows(), 1);
}

TEST_F(EconomicSummary, FinishStoresResultsTextAndClearsFlags)
{
    state.AgricultureType = QStringLiteral("Dairy Production");
    state.DepositionScenario = QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241");
    finalList({"Supply Ca.", "Administer AFCF to dairy cows."});
    state.EconomicResults(2).Cost = 42; // beyond the list: kept
    for (int i = 0; i < state.NumberOfCountermeasures; ++i)
        WhichCosts(state, state.FinalCountermeasures(i));
    state.EconomicQuestions(0).AnswerText = QStringLiteral("100");
    state.EconomicQuestions(0).AnswerValue = 100;
    state.EconomicQuestions(33).AnswerText = QStringLiteral("200");
    state.EconomicQuestions(33).AnswerValue = 200;
    EXPECT_TRUE(CalculateFinalEconomics(state, session).empty());
    const QString costs = session.CountermeasureCostsText;

    const EconomicFinish finish = FinishEconomicAssessment(state, session);
    EXPECT_TRUE(state.EconomicDone);
    EXPECT_EQ(finish.Grid.Rows(), 3);
    EXPECT_EQ(state.EconomicResults(0).CountermeasureIndex, 0);
    EXPECT_EQ(state.EconomicResults(0).Cost, 274); // 273.75
    EXPECT_EQ(state.EconomicResults(0).Benefit, 67800);
    EXPECT_EQ(state.EconomicResults(1).CountermeasureIndex, 1);
    EXPECT_EQ(state.EconomicResults(1).Cost, 876);
    EXPECT_EQ(state.EconomicResults(2).Cost, 42);

    // The text lists the questions of this run, built before the flags went.
    EXPECT_TRUE(finish.InformationText.startsWith(QStringLiteral("\r\nHow many milking cows are on the farm?\t100")));
    EXPECT_EQ(finish.InformationText, session.EconomicVariablesText);
    EXPECT_EQ(finish.InformationText.count(QStringLiteral("\r\n")), 7); // 0, 33, 42, 46, 47, 48, 65
    for (const auto& question : state.EconomicQuestions)
        EXPECT_FALSE(question.Needed);
    EXPECT_EQ(session.CountermeasureCostsText, costs);
}

} // namespace
