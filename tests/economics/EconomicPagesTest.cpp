#include "economics/core/EconomicAnswers.h"
#include "economics/core/EconomicPageLayout.h"
#include "economics/core/EconomicQuestionSelection.h"
#include "tables/core/ReferenceTables.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace talvo;

namespace {

class EconomicPages : public ::testing::Test
{
protected:
    void SetUp() override { InitialiseReferenceTables(state); }

    void need(std::initializer_list<int> records)
    {
        for (int r : records)
            state.EconomicQuestions(r).Needed = true;
    }
    // The first n variables that exist, 42 upwards.
    void needVariables(int n)
    {
        for (int r = 42; r < 42 + n; ++r)
            state.EconomicQuestions(r).Needed = true;
    }

    AssessmentState state;
    EconomicSession session;
};

TEST_F(EconomicPages, FarmDataPageKeepsTheHiddenBarleyAreaRow)
{
    state.AgricultureType = QStringLiteral("Dairy Production");
    WhichCosts(state, QStringLiteral("Feed dairy cows concentrate grown on the farm."));
    const auto placements = FarmDataPageLayout(state, session);
    ASSERT_EQ(placements.size(), 5u);
    const int records[] = {0, 1, 2, 5, 25};
    const Single tops[] = {750, 1150, 1550, 1950, 2350};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(placements[i].Record, records[i]);
        EXPECT_EQ(placements[i].Top, tops[i]);
        EXPECT_EQ(placements[i].Left, 125);
        EXPECT_EQ(placements[i].Frame, EconomicFrame::FrameEcQuestions1);
        EXPECT_EQ(placements[i].Visible, records[i] != 2);
    }
    EXPECT_EQ(session.QuestionCount, 5);

    EXPECT_FALSE(BarleyAreaVisible(state));
    state.EconomicQuestions(1).AnswerText = QStringLiteral("Yes");
    EXPECT_TRUE(BarleyAreaVisible(state));
    state.EconomicQuestions(1).AnswerText = QStringLiteral("No");
    EXPECT_FALSE(BarleyAreaVisible(state));
}

TEST_F(EconomicPages, RecordOrders)
{
    need({7, 8, 15, 16});
    const auto placements = FarmDataPageLayout(state, session);
    ASSERT_EQ(placements.size(), 4u);
    EXPECT_EQ(placements[0].Record, 7);
    EXPECT_EQ(placements[1].Record, 8);
    EXPECT_EQ(placements[2].Record, 16);
    EXPECT_EQ(placements[3].Record, 15);
    EXPECT_EQ(FarmDataCheckOrder()[7], 8);
    EXPECT_EQ(FarmDataCheckOrder()[8], 7);
    EXPECT_EQ(FarmDataCheckOrder()[15], 16);
    EXPECT_EQ(FarmDataCheckOrder()[16], 15);
    EXPECT_EQ(FarmDataCreationOrder()[7], 7);
    EXPECT_EQ(FarmDataCreationOrder()[41], 41);
}

// The 13 farm-data questions of upland sheep all go on the one page; the last two lie below the frame.
TEST_F(EconomicPages, ThirteenFarmDataQuestionsStayOnOnePage)
{
    state.AgricultureType = QStringLiteral("Sheep on Upland/Hill Farm");
    for (int k = 15; k <= 30; ++k)
        WhichCosts(state, state.Countermeasures(k).Name);
    const auto placements = FarmDataPageLayout(state, session);
    ASSERT_EQ(placements.size(), 13u);
    EXPECT_EQ(placements.back().Top, 5550);
    EXPECT_EQ(session.QuestionCount, 13);
}

struct PageCase
{
    int variables;
    bool page3Used;
    bool page4Used;
    int lastCount; // QuestionCount afterwards
};

std::ostream& operator<<(std::ostream& out, const PageCase& c)
{
    return out << c.variables << " variables";
}

class VariablePages : public EconomicPages, public ::testing::WithParamInterface<PageCase>
{
};

TEST_P(VariablePages, ElevenToAPage)
{
    const PageCase& c = GetParam();
    needVariables(c.variables);
    session.FrameEcQuestions3Used = true; // left from an earlier run
    session.FrameEcQuestions4Used = true;
    const auto placements = EconomicVariablePagesLayout(state, session);
    ASSERT_EQ(static_cast<int>(placements.size()), c.variables);
    for (int i = 0; i < c.variables; ++i) {
        const auto& placement = placements[static_cast<std::size_t>(i)];
        EXPECT_EQ(placement.Record, 42 + i);
        EXPECT_EQ(placement.Left, 130);
        EXPECT_EQ(placement.Top, 750 + 400 * (i % 11));
        const EconomicFrame expected = i < 11   ? EconomicFrame::FrameEcQuestions2
                                       : i < 22 ? EconomicFrame::FrameEcQuestions3
                                                : EconomicFrame::FrameEcQuestions4;
        EXPECT_EQ(placement.Frame, expected) << i;
    }
    EXPECT_EQ(session.FrameEcQuestions3Used, c.page3Used);
    EXPECT_EQ(session.FrameEcQuestions4Used, c.page4Used);
    EXPECT_EQ(session.QuestionCount, c.lastCount);
}

INSTANTIATE_TEST_SUITE_P(Counts, VariablePages,
                         ::testing::Values(PageCase{0, false, false, 0}, PageCase{1, false, false, 1},
                                           PageCase{11, false, false, 11}, PageCase{12, true, false, 1},
                                           PageCase{22, true, false, 11}, PageCase{23, true, true, 1},
                                           PageCase{33, true, true, 11}));

TEST_F(EconomicPages, AllUplandSheepVariablesFillThreePages)
{
    state.AgricultureType = QStringLiteral("Sheep on Upland/Hill Farm");
    for (int k = 15; k <= 30; ++k)
        WhichCosts(state, state.Countermeasures(k).Name);
    const auto placements = EconomicVariablePagesLayout(state, session);
    ASSERT_EQ(placements.size(), 33u);
    EXPECT_EQ(placements.front().Record, 67);
    EXPECT_EQ(placements.front().Frame, EconomicFrame::FrameEcQuestions2);
    EXPECT_EQ(placements.back().Record, 136);
    EXPECT_EQ(placements.back().Frame, EconomicFrame::FrameEcQuestions4);
    EXPECT_EQ(placements.back().Top, 4750);
}

TEST_F(EconomicPages, NextFrameMovesOnlyFromTheEleventhRow)
{
    EconomicFrame frame = EconomicFrame::FrameEcQuestions2;
    EXPECT_FALSE(NextEconomicQuestionsFrame(session, 4350, frame));
    EXPECT_FALSE(NextEconomicQuestionsFrame(session, 0, frame));
    EXPECT_EQ(frame, EconomicFrame::FrameEcQuestions2);
    EXPECT_TRUE(NextEconomicQuestionsFrame(session, 4750, frame));
    EXPECT_EQ(frame, EconomicFrame::FrameEcQuestions3);
    EXPECT_TRUE(session.FrameEcQuestions3Used);
    EXPECT_FALSE(session.FrameEcQuestions4Used);
    EXPECT_TRUE(NextEconomicQuestionsFrame(session, 4750, frame));
    EXPECT_EQ(frame, EconomicFrame::FrameEcQuestions4);
    EXPECT_TRUE(session.FrameEcQuestions4Used);
}

TEST(EconomicAnswers, TypedTextKeepsTheLastNumber)
{
    EconomicQuestionRecord question;
    question.AnswerValue = 8.2;
    StoreTypedAnswer(question, QString());
    EXPECT_TRUE(question.AnswerText.isEmpty());
    EXPECT_EQ(question.AnswerValue, 8.2);

    const std::pair<const char*, double> keystrokes[] = {{"1", 1}, {"12", 12}, {"12.", 12}, {"12.5", 12.5}};
    for (const auto& [text, value] : keystrokes) {
        StoreTypedAnswer(question, QString::fromLatin1(text));
        EXPECT_EQ(question.AnswerText, QString::fromLatin1(text));
        EXPECT_EQ(question.AnswerValue, value);
    }
    // On the way to a number, or not a number at all: the text is kept, the value stays.
    for (const char* text : {"-", ".", "1.2.3", "", "-.", "1e5"}) {
        StoreTypedAnswer(question, QString::fromLatin1(text));
        EXPECT_EQ(question.AnswerText, QString::fromLatin1(text));
        EXPECT_EQ(question.AnswerValue, 12.5) << text;
    }
    StoreTypedAnswer(question, QStringLiteral("-.5"));
    EXPECT_EQ(question.AnswerValue, -0.5);
}

TEST_F(EconomicPages, YesNoEventsStoreTextOnly)
{
    state.EconomicQuestions(11).AnswerValue = 3;
    EXPECT_FALSE(StoreYesNoAnswer(state, 11, QStringLiteral("Click")));
    EXPECT_TRUE(state.EconomicQuestions(11).AnswerText.isEmpty());
    EXPECT_FALSE(StoreYesNoAnswer(state, 11, QStringLiteral("QuestionAnsweredYes")));
    EXPECT_EQ(state.EconomicQuestions(11).AnswerText, QStringLiteral("Yes"));
    EXPECT_FALSE(StoreYesNoAnswer(state, 11, QStringLiteral("QuestionAnsweredNo")));
    EXPECT_EQ(state.EconomicQuestions(11).AnswerText, QStringLiteral("No"));
    EXPECT_EQ(state.EconomicQuestions(11).AnswerValue, 3);

    // The barley question shows or hides the barley area.
    EXPECT_EQ(StoreYesNoAnswer(state, 1, QStringLiteral("QuestionAnsweredYes")), std::optional<bool>(true));
    EXPECT_EQ(StoreYesNoAnswer(state, 1, QStringLiteral("QuestionAnsweredNo")), std::optional<bool>(false));
    EXPECT_EQ(StoreYesNoAnswer(state, 1, QStringLiteral("KeyPress")), std::nullopt);
    EXPECT_EQ(state.EconomicQuestions(1).AnswerText, QStringLiteral("No"));
}

TEST_F(EconomicPages, MissingAnswersInCheckOrderWithTheirBoxes)
{
    need({0, 16, 15, 25, 26, 38});
    state.EconomicQuestions(26).AnswerText = QStringLiteral("12");
    const auto messages = CheckAllCostQuestionsAnswered(state);
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0].text,
              QStringLiteral("You must answer how many milking cows are on the farm before proceeding."));
    EXPECT_EQ(
        messages[1].text,
        QStringLiteral("You must answer how many upland beef cattle are finished on the farm before proceeding."));
    EXPECT_EQ(messages[2].text,
              QStringLiteral("You must estimate the weight of the finishing beef cattle before proceeding."));
    EXPECT_EQ(messages[3].text, QStringLiteral("You must input the barley yield before proceeding."));
    EXPECT_EQ(messages[4].text, QStringLiteral("You must answer whether there are sufficient indoor feeding "
                                               "facilities for fattening lambs before proceeding."));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(messages[i].icon, MessageIcon::Exclamation);
        EXPECT_EQ(messages[i].title, QStringLiteral("Missing Cost Information"));
        EXPECT_EQ(messages[i].buttons, MessageButtons::OK);
    }
    for (std::size_t i = 3; i < 5; ++i) {
        EXPECT_EQ(messages[i].icon, MessageIcon::None);
        EXPECT_TRUE(messages[i].title.isEmpty());
        EXPECT_EQ(messages[i].buttons, MessageButtons::OK);
    }
}

TEST_F(EconomicPages, BoxKindChangesAtRecord24)
{
    EXPECT_EQ(MissingCostMessage(23).icon, MessageIcon::Exclamation);
    EXPECT_EQ(MissingCostMessage(24).icon, MessageIcon::None);
    EXPECT_EQ(MissingCostMessage(10).text, QStringLiteral("You must whether there is fertilising machinerary "
                                                          "available on the farm or not before proceeding."));
    EXPECT_THROW(MissingCostMessage(42), SubscriptOutOfRange);
}

TEST_F(EconomicPages, BarleyAreaIsCheckedOnlyUnderYes)
{
    need({1, 2});
    auto messages = CheckAllCostQuestionsAnswered(state);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, MissingCostMessage(1).text);

    state.EconomicQuestions(1).AnswerText = QStringLiteral("No");
    EXPECT_TRUE(CheckAllCostQuestionsAnswered(state).empty());

    state.EconomicQuestions(1).AnswerText = QStringLiteral("Yes");
    messages = CheckAllCostQuestionsAnswered(state);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, MissingCostMessage(2).text);

    state.EconomicQuestions(2).AnswerText = QStringLiteral("4");
    EXPECT_TRUE(CheckAllCostQuestionsAnswered(state).empty());
}

// A typed text that is not a number does not answer a numeric question; the yes/no answers are text anyway.
TEST_F(EconomicPages, TextThatIsNotANumberCountsAsMissing)
{
    need({0, 17});
    state.EconomicQuestions(17).AnswerText = QStringLiteral("No");
    for (const char* text : {"-", ".", "1.2.3"}) {
        StoreTypedAnswer(state.EconomicQuestions(0), QString::fromLatin1(text));
        const auto messages = CheckAllCostQuestionsAnswered(state);
        ASSERT_EQ(messages.size(), 1u) << text;
        EXPECT_EQ(messages[0].text, MissingCostMessage(0).text);
    }
    StoreTypedAnswer(state.EconomicQuestions(0), QStringLiteral("-5"));
    EXPECT_TRUE(CheckAllCostQuestionsAnswered(state).empty());
}

TEST_F(EconomicPages, UnneededQuestionsAreNotChecked)
{
    EXPECT_TRUE(CheckAllCostQuestionsAnswered(state).empty());
    need({42});
    EXPECT_TRUE(CheckAllCostQuestionsAnswered(state).empty());
}

} // namespace
