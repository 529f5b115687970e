#include "economics/core/EconomicInformation.h"
#include "economics/core/EconomicAnswers.h"
#include "economics/core/EconomicQuestionSelection.h"
#include "tables/core/ReferenceTables.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace talvo;

namespace {

class EconomicInformation : public ::testing::Test
{
protected:
    void SetUp() override { InitialiseReferenceTables(state); }
    AssessmentState state;
    EconomicSession session;
};

TEST_F(EconomicInformation, AfcfDairyRunListsFourEntries)
{
    state.AgricultureType = QStringLiteral("Dairy Production");
    WhichCosts(state, QStringLiteral("Administer AFCF to dairy cows."));
    StoreTypedAnswer(state.EconomicQuestions(0), QStringLiteral("120"));
    const QString expected = QStringLiteral("\r\nHow many milking cows are on the farm?\t120"
                                            "\r\nCost of AFCF to dairy (") +
                             QChar(0x00A3) +
                             QStringLiteral("/day/animal):\t0.024"
                                            "\r\nAverage milk yield (litres/cow/year):\t6000"
                                            "\r\nGross margin (") +
                             QChar(0x00A3) + QStringLiteral("/litre/cow):\t0.113");
    EXPECT_EQ(WriteEconomicInformation(state, session), expected);
    EXPECT_EQ(session.EconomicVariablesText, expected);
    EXPECT_TRUE(state.EconomicQuestions(0).Needed); // flags are read, not cleared
}

TEST_F(EconomicInformation, NothingFlaggedGivesTheEmptyText)
{
    session.EconomicVariablesText = QStringLiteral("from before");
    EXPECT_TRUE(WriteEconomicInformation(state, session).isEmpty());
    EXPECT_TRUE(session.EconomicVariablesText.isEmpty());
}

TEST_F(EconomicInformation, FarmDataAnswersAsStoredVariablesAsValues)
{
    for (int r : {1, 2, 15, 16, 17, 42, 44})
        state.EconomicQuestions(r).Needed = true;
    state.EconomicQuestions(1).AnswerText = QStringLiteral("No"); // the barley area shows what was last typed
    state.EconomicQuestions(15).AnswerText = QStringLiteral("550");
    state.EconomicQuestions(16).AnswerText = QStringLiteral("-");
    state.EconomicQuestions(17).AnswerText = QStringLiteral("Yes");
    // A variable whose text was emptied shows the last number stored.
    StoreTypedAnswer(state.EconomicQuestions(42), QStringLiteral("0.5"));
    StoreTypedAnswer(state.EconomicQuestions(42), QString());
    state.EconomicQuestions(44).AnswerValue = 12345678.25;

    const QStringList lines = WriteEconomicInformation(state, session).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8);
    EXPECT_TRUE(lines[0].isEmpty());
    EXPECT_EQ(lines[1], QStringLiteral("Is barley grown on the farm to feed to cows?\tNo"));
    EXPECT_EQ(lines[2], QStringLiteral("How many hectares are used for barley production\t"));
    EXPECT_EQ(lines[3], QStringLiteral("How many upland beef cattle are finished on the farm?\t-"));
    EXPECT_EQ(lines[4], QStringLiteral("What is the average weight of finished cattle (kg)?\t550"));
    EXPECT_EQ(lines[5], QStringLiteral("Is a plough available at no extra cost?\tYes"));
    EXPECT_TRUE(lines[6].endsWith(QStringLiteral(":\t0.5")));
    EXPECT_TRUE(lines[7].endsWith(QStringLiteral(":\t12345678.25")));
}

} // namespace
