#include "SelectionFixture.h"

#include "selection/core/LimitationAssessment.h"
#include "selection/core/LimitationLayout.h"

using namespace talvo;
using talvo::test::SelectionTest;

namespace {

const PlacedQuestion* placed(const LimitationLayout& layout, int index)
{
    for (const PlacedQuestion& q : layout.Questions) {
        if (q.Index == index)
            return &q;
    }
    return nullptr;
}

TEST_F(SelectionTest, TenRowsAFrameThenTheNextFrame)
{
    // 22 questions in creation order: 0..7, 9, 8, 10, 11, 16, 17, 21, 12, 13, 14, 15, 18, 20, 19.
    for (int q = 0; q <= 21; ++q)
        state.LimitationQuestions(q).Needed = true;
    const LimitationLayout layout = FillLimitationsFrame(state, session);
    ASSERT_EQ(layout.Questions.size(), 22u);
    for (std::size_t i = 0; i < 22; ++i) {
        const PlacedQuestion& q = layout.Questions[i];
        const auto frame = static_cast<LimitationsFrame>(i / 10);
        EXPECT_EQ(q.Frame, frame) << i;
        EXPECT_EQ(q.Top, 400 * static_cast<int>(i % 10 + 1)) << i;
        EXPECT_EQ(q.FrameSwitched, i == 10 || i == 20) << i;
        EXPECT_EQ(q.Left, 120);
        EXPECT_EQ(q.Width, 5535);
        EXPECT_EQ(q.Height, 400);
    }
    EXPECT_EQ(layout.Questions[9].Index, 8);   // the CEC question stands behind the CEC-known one
    EXPECT_EQ(layout.Questions[10].Index, 10); // the eleventh opens FrameLimitations2
    EXPECT_EQ(layout.Questions[20].Index, 20); // the twenty-first opens FrameLimitations3
    EXPECT_EQ(layout.QuestionCount, 2);
    EXPECT_TRUE(session.FrameLimitations2Used);
    EXPECT_TRUE(session.FrameLimitations3Used);
    EXPECT_EQ(session.CurrentLimitationsFrame, LimitationsFrame::FrameLimitations3);
}

TEST_F(SelectionTest, HiddenFollowUpsKeepTheirRows)
{
    need({0, 1, 4, 6, 11, 16, 17, 21, 12});
    const LimitationLayout layout = FillLimitationsFrame(state, session);
    EXPECT_EQ(placed(layout, 11)->Top, 2000); // row 5
    for (int followUp : {16, 17, 21}) {
        EXPECT_FALSE(placed(layout, followUp)->Visible);
    }
    EXPECT_EQ(placed(layout, 16)->Top, 2400);
    EXPECT_EQ(placed(layout, 21)->Top, 3200);
    EXPECT_EQ(placed(layout, 12)->Top, 3600); // row 9
    EXPECT_TRUE(placed(layout, 12)->Visible);
    EXPECT_FALSE(session.FrameLimitations2Used);
    EXPECT_EQ(session.QuestionCount, 9);
}

TEST_F(SelectionTest, UnderLimeTheCecQuestionTakesTheRowOfTheHiddenCecKnownQuestion)
{
    state.LimitationQuestions(0).AnswerText = QStringLiteral("7.5");
    const LimitationLayout layout = AssessSelectedCountermeasures(state, session, {name(9)});
    ASSERT_EQ(layout.Questions.size(), 5u);
    const PlacedQuestion* knowCEC = placed(layout, 9);
    const PlacedQuestion* cec = placed(layout, 8);
    EXPECT_FALSE(knowCEC->Visible);
    EXPECT_TRUE(cec->Visible);
    EXPECT_EQ(knowCEC->Top, 800);
    EXPECT_EQ(cec->Top, 800);
    EXPECT_EQ(placed(layout, 10)->Top, 1200);
    EXPECT_EQ(placed(layout, 28)->Top, 1600);
    EXPECT_EQ(layout.QuestionCount, 4);
    // Only the slope box shows its stored answer.
    EXPECT_EQ(placed(layout, 0)->Answer, QStringLiteral("7.5"));
    EXPECT_FALSE(cec->Answer.has_value());
}

struct FollowUpCase
{
    QString storedKnowCEC;
    std::vector<int> countermeasures;
    bool cecVisible;
    bool kStatusVisible;
};

void PrintTo(const FollowUpCase& c, std::ostream* os)
{
    *os << '"' << c.storedKnowCEC.toStdString() << '"';
}

class CecFollowUpsAtCreation : public ::testing::TestWithParam<FollowUpCase>, public talvo::test::SelectionFixture
{
};

// A stored CEC-known answer survives Back: the follow-up the check will demand is created visible.
TEST_P(CecFollowUpsAtCreation, FollowTheStoredAnswer)
{
    const FollowUpCase& c = GetParam();
    state.LimitationQuestions(9).AnswerText = c.storedKnowCEC;
    QStringList names;
    for (int i : c.countermeasures)
        names.append(name(i));
    const LimitationLayout layout = AssessSelectedCountermeasures(state, session, names);
    EXPECT_EQ(placed(layout, 8)->Visible, c.cecVisible);
    if (const PlacedQuestion* k = placed(layout, 26)) {
        EXPECT_EQ(k->Visible, c.kStatusVisible);
    }
}

INSTANTIATE_TEST_SUITE_P(Stored, CecFollowUpsAtCreation,
                         ::testing::Values(FollowUpCase{QString(), {14}, false, false},
                                           FollowUpCase{QStringLiteral("Yes"), {14}, true, false},
                                           FollowUpCase{QStringLiteral("No"), {14}, false, true},
                                           FollowUpCase{QStringLiteral("No"), {14, 9}, true, false},
                                           FollowUpCase{QStringLiteral("No"), {9}, true, false}));

TEST_F(SelectionTest, WidgetsCarryTheirNamesKindsAndOptions)
{
    need({10, 12, 33});
    const LimitationLayout layout = FillLimitationsFrame(state, session);
    const PlacedQuestion* soil = placed(layout, 10);
    EXPECT_EQ(soil->ProgID, QStringLiteral("ProjectPromptList.PromptList"));
    EXPECT_EQ(soil->AnswerOptions, QStringList({"Sandy ", "Loamy  ", "Podsolic ", "Organic not waterlogged",
                                                "Organic waterlogged", "Clay "}));
    EXPECT_EQ(soil->Question, QStringLiteral("What is the soil type?"));
    const PlacedQuestion* housing = placed(layout, 12);
    EXPECT_EQ(housing->ControlName, QStringLiteral("ctlHousingAvail"));
    EXPECT_EQ(housing->WidgetReference, QStringLiteral("ctlHousingAvailable"));
    EXPECT_TRUE(housing->AnswerOptions.isEmpty());
    EXPECT_EQ(placed(layout, 33)->WidgetReference, QStringLiteral("ctlexistcrop"));
    EXPECT_EQ(placed(layout, 33)->AnswerOptions.size(), 7);
}

TEST_F(SelectionTest, NoNeededQuestionLeavesTheCountAtZero)
{
    session.FrameLimitations2Used = true;
    const LimitationLayout layout = AssessSelectedCountermeasures(state, session, {name(3), name(1)});
    EXPECT_TRUE(layout.Questions.empty());
    EXPECT_EQ(session.QuestionCount, 0);
    EXPECT_FALSE(session.FrameLimitations2Used);
    EXPECT_FALSE(session.FrameLimitations3Used);
}

TEST_F(SelectionTest, NextFrameOnlyFromTheLastRow)
{
    EXPECT_FALSE(NextLimitationsFrame(session, 3600));
    EXPECT_TRUE(NextLimitationsFrame(session, 4000));
    EXPECT_EQ(session.CurrentLimitationsFrame, LimitationsFrame::FrameLimitations2);
    EXPECT_FALSE(session.FrameLimitations3Used);
    EXPECT_TRUE(NextLimitationsFrame(session, 4000));
    EXPECT_EQ(session.CurrentLimitationsFrame, LimitationsFrame::FrameLimitations3);
    EXPECT_TRUE(session.FrameLimitations3Used);
    EXPECT_EQ(LimitationsFrameName(session.CurrentLimitationsFrame), QStringLiteral("FrameLimitations3"));
}

TEST_F(SelectionTest, EmptyingRemovesNeededWidgetsInItsOrder)
{
    need({0, 16, 17, 18, 19, 20, 21, 33});
    session.LimeAssessed = session.PotassiumAssessed = true;
    EXPECT_EQ(EmptyLimitationsFrame(state, session),
              QStringList({"ctlSlope", "ctlPercentGrassMowed", "ctlMowingN", "ctlMowingP", "ctlGrazingN", "ctlGrazingP",
                           "ctlFertiliseFrequency", "ctlExistCrop"}));
    EXPECT_FALSE(session.LimeAssessed);
    EXPECT_FALSE(session.PotassiumAssessed);
    EXPECT_TRUE(state.LimitationQuestions(16).Needed);
}

} // namespace
