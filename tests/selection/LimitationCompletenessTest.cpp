#include "SelectionFixture.h"

#include "selection/core/LimitationAssessment.h"
#include "selection/core/LimitationCompleteness.h"
#include "selection/core/LimitationHandlers.h"

using namespace talvo;
using talvo::test::SelectionTest;

namespace {

QStringList texts(const std::vector<MessageRequest>& boxes)
{
    QStringList list;
    for (const MessageRequest& box : boxes)
        list.append(box.text);
    return list;
}

struct CheckCase
{
    int index;
    QString message;
};

void PrintTo(const CheckCase& c, std::ostream* os)
{
    *os << "question " << c.index;
}

class EachCheck : public ::testing::TestWithParam<CheckCase>, public talvo::test::SelectionFixture
{
};

// Each check alone, with its extra condition holding.
TEST_P(EachCheck, ShowsItsMessageWhenTheNeededAnswerIsEmpty)
{
    const CheckCase& c = GetParam();
    session.PotassiumAssessed = true;
    if (c.index == 8)
        state.LimitationQuestions(9).AnswerText = QStringLiteral("Yes");
    if (c.index == 26)
        state.LimitationQuestions(9).AnswerText = QStringLiteral("No");
    state.LimitationQuestions(18).AnswerText = QStringLiteral("Greater Than 10%");
    state.LimitationQuestions(11).AnswerText = QStringLiteral("Yes");
    state.LimitationQuestions(12).AnswerText = QStringLiteral("Yes");
    need({c.index});

    const auto boxes = CheckAllQuestionsAnswered(state, session);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, c.message);
    EXPECT_EQ(boxes[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(boxes[0].buttons, MessageButtons::OK);
    EXPECT_EQ(boxes[0].title, QStringLiteral("Missing Limitation Information"));

    state.LimitationQuestions(c.index).AnswerText = QStringLiteral("1");
    EXPECT_TRUE(CheckAllQuestionsAnswered(state, session).empty());
}

INSTANTIATE_TEST_SUITE_P(
    InOrder, EachCheck,
    ::testing::Values(
        CheckCase{0, "You must answer the question about slope before proceeding."},
        CheckCase{1, "You must answer the soil depth question before proceeding."},
        CheckCase{2, "You must answer the soil stoniness (assessed to 30 cm) question before proceeding."},
        CheckCase{3, "You must answer the soil stoniness (assessed to 60 cm) question before proceeding."},
        CheckCase{4, "You must answer the soil rockiness question before proceeding."},
        CheckCase{5, "You must answer the soil drain depth question before proceeding."},
        CheckCase{6, "You must answer the soil wetness question before proceeding."},
        CheckCase{7, "You must answer the soil drainage question before proceeding."},
        CheckCase{8, "You must answer the cation exchange capacity question before proceeding."},
        CheckCase{10, "You must answer the soil type question before proceeding."},
        CheckCase{13, "You must answer whether there is clean feed available or not before proceeding."},
        CheckCase{14, "You must answer whether there are feeding facilities available or not before proceeding."},
        CheckCase{15, "You must answer the elevation question before proceeding."},
        CheckCase{20, "You must answer the question about the amount of N applied to mowing grass before "
                      "proceeding."},
        CheckCase{19, "You must answer the question about the amount of P applied to mowing grass before "
                      "proceeding."},
        CheckCase{16, "You must answer the question about the amount of N applied to grazing grass before "
                      "proceeding."},
        CheckCase{17, "You must answer the question about the amount of P applied to grazing grass before "
                      "proceeding."},
        CheckCase{21, "You must answer the question about the frequency of fertiliser application before "
                      "proceeding."},
        CheckCase{22, "You must answer the question about stocking density before proceeding."},
        CheckCase{23, "You must answer the question about animal housing capacity before proceeding."},
        CheckCase{24, "You must answer the question about the number of days that the animals are housed before "
                      "proceeding."},
        CheckCase{25, "You must answer the question about the percentage of energy the animals receive from "
                      "concentrate before proceeding."},
        CheckCase{26, "You must answer the question about the soil K status before proceeding."},
        CheckCase{27, "You must select a land suitability class for the area you are assessing before proceeding."},
        CheckCase{28, "You must answer the question about soil pH before proceeding."},
        CheckCase{29, "You must answer the question about how your animals are primarily sold before proceeding."},
        CheckCase{30, "You must answer the question about what your rough grazing land primarily consists of before "
                      "proceeding."},
        CheckCase{31, "You must answer the question about whether clean concentrate is available for purchase or "
                      "not before proceeding."},
        CheckCase{32, "You must answer the question about whether your soil has a peaty surface layer greater than "
                      "20cm before proceeding."}));

TEST_F(SelectionTest, EveryMissingAnswerGetsItsBoxInTableOrder)
{
    need({9, 11, 12, 18, 28, 0});
    const auto boxes = CheckAllQuestionsAnswered(state, session);
    EXPECT_EQ(texts(boxes),
              QStringList({"You must answer the question about slope before proceeding.",
                           "You must answer whether you know the cation exchange capacity or not before proceeding.",
                           "You must answer whether you use fertilise your land or not before proceeding.",
                           "You must answer whether there is housing available or not before proceeding.",
                           "You must answer the percentage of grass mowed question before proceeding.",
                           "You must answer the question about soil pH before proceeding."}));
}

TEST_F(SelectionTest, HiddenFollowUpsAndTheCropAreNotDemanded)
{
    answer(11, QStringLiteral("No"));
    answer(12, QStringLiteral("No"));
    answer(18, QStringLiteral("Less Than 10%"));
    need({16, 17, 21, 23, 19, 20, 33, 8, 26});
    EXPECT_TRUE(CheckAllQuestionsAnswered(state, session).empty());
}

TEST_F(SelectionTest, NumericAnswersThatAreNotNumbersCountAsMissing)
{
    for (const QString& typed :
         {QStringLiteral("-"), QStringLiteral("."), QStringLiteral("1.2.3"), QStringLiteral("-.")}) {
        answer(0, typed);
        EXPECT_EQ(texts(CheckAllQuestionsAnswered(state, session)),
                  QStringList({"You must answer the question about slope before proceeding."}))
            << typed.toStdString();
    }
    for (const QString& typed : {QStringLiteral("5."), QStringLiteral("-.5"), QStringLiteral("0")}) {
        answer(0, typed);
        EXPECT_TRUE(CheckAllQuestionsAnswered(state, session).empty()) << typed.toStdString();
    }
    // A list answer is tested for emptiness only.
    answer(10, QStringLiteral("-"));
    EXPECT_TRUE(CheckAllQuestionsAnswered(state, session).empty());
}

TEST_F(SelectionTest, CecIsDemandedOnlyUnderPotassiumWithoutLime)
{
    // Lime alone: the CEC question is shown but not demanded.
    AssessSelectedCountermeasures(state, session, {name(9)});
    answer(0, QStringLiteral("3"));
    answer(10, QStringLiteral("Podsolic "));
    answer(28, QStringLiteral("4"));
    EXPECT_TRUE(CheckAllQuestionsAnswered(state, session).empty());

    // Potassium alone with a stored "Yes": demanded, with no handler having run in this pass.
    DisableAllLimitationQuestions(state, session);
    AssessSelectedCountermeasures(state, session, {name(14)});
    EXPECT_EQ(texts(CheckAllQuestionsAnswered(state, session)),
              QStringList({"You must answer the cation exchange capacity question before proceeding."}));
    EXPECT_TRUE(session.CECRequired);
    EXPECT_FALSE(session.KStatusRequired);
}

// The user answered "No" under potassium, stepped back and added a lime countermeasure: the soil potassium
// question is hidden now, and demanding it would leave Cancel as the only way out.
TEST_F(SelectionTest, RequiredFlagsFollowTheCurrentSelection)
{
    AssessSelectedCountermeasures(state, session, {name(14)});
    HandleLimitationEvent(state, session, 9, QStringLiteral("QuestionAnsweredNo"), {});
    ASSERT_TRUE(session.KStatusRequired);
    answer(0, QStringLiteral("3"));
    answer(10, QStringLiteral("Sandy "));
    answer(28, QStringLiteral("5"));
    EXPECT_EQ(texts(CheckAllQuestionsAnswered(state, session)),
              QStringList({"You must answer the question about the soil K status before proceeding."}));

    DisableAllLimitationQuestions(state, session);
    AssessSelectedCountermeasures(state, session, {name(9), name(14)});
    EXPECT_TRUE(CheckAllQuestionsAnswered(state, session).empty());
    EXPECT_FALSE(session.KStatusRequired);
    EXPECT_FALSE(session.CECRequired);
}

TEST_F(SelectionTest, LimitationTextListsNeededQuestionsWithFiveBlanks)
{
    const auto q = [this](int i) { return state.LimitationQuestions(i).QuestionText; };
    answer(0, QStringLiteral("12"));
    answer(9, QStringLiteral("No"));
    need({8});
    answer(18, QStringLiteral("Greater Than 10%"));
    answer(20, QStringLiteral("140"));
    answer(19, QStringLiteral("90"));
    answer(11, QStringLiteral("No"));
    answer(16, QStringLiteral("80"));
    answer(28, QStringLiteral("5.5"));
    answer(33, QStringLiteral("Swedes"));
    EXPECT_EQ(SetLimitationInformation(state),
              QStringLiteral("What is the average slope (in degrees) on your land?     12\r\n") + q(9) + "     No\r\n" +
                  q(8) + "     \r\n" + q(11) + "     No\r\n" + q(18) + "     Greater Than 10%\r\n" + q(20) +
                  "     140\r\n" + q(19) + "     90\r\n" + q(28) + "     5.5\r\n");

    answer(11, QStringLiteral("Yes"));
    answer(18, QStringLiteral("Less Than 10%"));
    const QString text = SetLimitationInformation(state);
    EXPECT_FALSE(text.contains(q(20)));
    EXPECT_TRUE(text.contains(q(11) + "     Yes\r\n" + q(18) + "     Less Than 10%\r\n" + q(16) + "     80\r\n"));

    DisableAllLimitationQuestions(state, session);
    EXPECT_EQ(SetLimitationInformation(state), QString());
}

} // namespace
