#include "SelectionFixture.h"

#include "selection/core/LimitationHandlers.h"

using namespace talvo;
using talvo::test::SelectionTest;

namespace {

std::vector<std::pair<QString, bool>> shown(const LimitationEventOutcome& outcome)
{
    std::vector<std::pair<QString, bool>> list;
    for (const VisibilityChange& change : outcome.Visibility)
        list.emplace_back(change.WidgetReference, change.Visible);
    return list;
}

TEST_F(SelectionTest, TextHandlersStoreWhatIsTypedOnAnyEvent)
{
    for (const QString& typed :
         {QStringLiteral("12"), QStringLiteral("-"), QStringLiteral("."), QStringLiteral("1.2.3"), QString()}) {
        const auto outcome = HandleLimitationEvent(state, session, 15, QStringLiteral("Change"), typed);
        EXPECT_EQ(outcome.Store, typed);
        EXPECT_EQ(state.LimitationQuestions(15).AnswerText, typed);
        EXPECT_FALSE(outcome.Message.has_value());
    }
}

TEST_F(SelectionTest, YesNoHandlersStoreAndShowTheirFollowUps)
{
    auto outcome = HandleLimitationEvent(state, session, 11, QStringLiteral("QuestionAnsweredYes"), {});
    EXPECT_EQ(state.LimitationQuestions(11).AnswerText, QStringLiteral("Yes"));
    EXPECT_EQ(shown(outcome), (std::vector<std::pair<QString, bool>>{
                                  {"ctlGrazingN", true}, {"ctlGrazingP", true}, {"ctlFertiliserFrequency", true}}));

    state.LimitationQuestions(16).AnswerText = QStringLiteral("80");
    outcome = HandleLimitationEvent(state, session, 11, QStringLiteral("QuestionAnsweredNo"), {});
    EXPECT_EQ(state.LimitationQuestions(11).AnswerText, QStringLiteral("No"));
    EXPECT_EQ(outcome.Visibility.size(), 3u);
    EXPECT_FALSE(outcome.Visibility[0].Visible);
    EXPECT_EQ(state.LimitationQuestions(16).AnswerText, QStringLiteral("80")); // hidden, not forgotten

    outcome = HandleLimitationEvent(state, session, 12, QStringLiteral("QuestionAnsweredYes"), {});
    EXPECT_EQ(shown(outcome), (std::vector<std::pair<QString, bool>>{{"ctlHousingCapacity", true}}));

    outcome = HandleLimitationEvent(state, session, 13, QStringLiteral("Click"), {});
    EXPECT_FALSE(outcome.Store.has_value());
    EXPECT_TRUE(state.LimitationQuestions(13).AnswerText.isEmpty());
}

TEST_F(SelectionTest, CecKnownHandlerTouchesTheSoilPotassiumOnlyUnderPotassium)
{
    auto outcome = HandleLimitationEvent(state, session, 9, QStringLiteral("QuestionAnsweredNo"), {});
    EXPECT_EQ(shown(outcome), (std::vector<std::pair<QString, bool>>{{"ctlCEC", false}}));
    EXPECT_FALSE(session.KStatusRequired);

    session.PotassiumAssessed = true;
    outcome = HandleLimitationEvent(state, session, 9, QStringLiteral("QuestionAnsweredNo"), {});
    EXPECT_EQ(shown(outcome), (std::vector<std::pair<QString, bool>>{{"ctlCEC", false}, {"ctlKStatus", true}}));
    EXPECT_FALSE(session.CECRequired);
    EXPECT_TRUE(session.KStatusRequired);

    outcome = HandleLimitationEvent(state, session, 9, QStringLiteral("QuestionAnsweredYes"), {});
    EXPECT_EQ(shown(outcome), (std::vector<std::pair<QString, bool>>{{"ctlCEC", true}, {"ctlKStatus", false}}));
    EXPECT_TRUE(session.CECRequired);
    EXPECT_FALSE(session.KStatusRequired);
    EXPECT_EQ(state.LimitationQuestions(9).AnswerText, QStringLiteral("Yes"));
}

struct ListCase
{
    int index;
    QString event; // the one event the handler acts on
    QString message;
};

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << "question " << c.index;
}

class ListHandlers : public ::testing::TestWithParam<ListCase>, public talvo::test::SelectionFixture
{
};

TEST_P(ListHandlers, StoreTheChosenOptionOrComplain)
{
    const ListCase& c = GetParam();
    const QString other = c.event == "Click" ? QStringLiteral("QuestionAnswered") : QStringLiteral("Click");
    EXPECT_FALSE(HandleLimitationEvent(state, session, c.index, other, 0).Store.has_value());

    const auto chosen = HandleLimitationEvent(state, session, c.index, c.event, 1);
    EXPECT_EQ(chosen.Store, LimitationAnswerOptions(c.index).at(1));
    EXPECT_EQ(state.LimitationQuestions(c.index).AnswerText, LimitationAnswerOptions(c.index).at(1));

    for (const auto& [event, value] : {std::pair{c.event, -1}, std::pair{QStringLiteral("KeyPress"), 0}}) {
        const auto complaint = HandleLimitationEvent(state, session, c.index, event, value);
        ASSERT_TRUE(complaint.Message.has_value());
        EXPECT_EQ(complaint.Message->text, c.message);
        EXPECT_EQ(complaint.Message->icon, MessageIcon::None);
        EXPECT_EQ(complaint.Message->buttons, MessageButtons::OK);
        EXPECT_TRUE(complaint.Message->title.isEmpty());
        EXPECT_FALSE(complaint.Store.has_value());
    }
    // A position past the options does nothing.
    const auto past = HandleLimitationEvent(state, session, c.index, c.event,
                                            static_cast<int>(LimitationAnswerOptions(c.index).size()));
    EXPECT_FALSE(past.Store.has_value());
    EXPECT_FALSE(past.Message.has_value());
    EXPECT_EQ(state.LimitationQuestions(c.index).AnswerText, LimitationAnswerOptions(c.index).at(1));
}

const QString pickDepth = QStringLiteral("Please select from the soil depth options provided in the drop down box.");
const QString pickStones = QStringLiteral("Please select from the stoniness options provided in the drop down box.");
const QString pickAny = QStringLiteral("Please select from the options provided in the drop down box.");

INSTANTIATE_TEST_SUITE_P(
    EveryList, ListHandlers,
    ::testing::Values(
        ListCase{1, "QuestionAnswered", pickDepth}, ListCase{2, "QuestionAnswered", pickStones},
        ListCase{3, "QuestionAnswered", pickStones},
        ListCase{4, "QuestionAnswered", "Please select from the rock depth options provided in the drop down box."},
        ListCase{5, "Click", "Please select from the drain depth options provided in the drop down box."},
        ListCase{6, "QuestionAnswered", "Please select from the soil wetness options provided in the drop down box."},
        ListCase{7, "Click", "Please select from the drainage options provided in the drop down box."},
        ListCase{10, "QuestionAnswered", "Please select from the soil type options provided in the drop down box."},
        ListCase{18, "Click", pickAny},
        ListCase{21, "QuestionAnswered",
                 "Please select from the fertiliser frequency options provided in the drop down box."},
        ListCase{27, "QuestionAnswered",
                 "Please select from the land suitability options provided in the drop down box."},
        ListCase{29, "QuestionAnswered", pickAny}, ListCase{30, "QuestionAnswered", pickAny},
        ListCase{33, "Click", "Please select from the crop options provided in the drop down box."}));

TEST_F(SelectionTest, SoilTypeAndMowingOptions)
{
    HandleLimitationEvent(state, session, 10, QStringLiteral("QuestionAnswered"), 2);
    EXPECT_EQ(state.LimitationQuestions(10).AnswerText, QStringLiteral("Podsolic "));

    auto outcome = HandleLimitationEvent(state, session, 18, QStringLiteral("Click"), 1);
    EXPECT_EQ(outcome.Store, QStringLiteral("Greater Than 10%"));
    EXPECT_EQ(shown(outcome), (std::vector<std::pair<QString, bool>>{{"ctlMowingN", true}, {"ctlMowingP", true}}));
    outcome = HandleLimitationEvent(state, session, 18, QStringLiteral("Click"), 0);
    EXPECT_EQ(shown(outcome), (std::vector<std::pair<QString, bool>>{{"ctlMowingN", false}, {"ctlMowingP", false}}));
}

TEST_F(SelectionTest, WidgetsAreFoundByReferenceOrControlName)
{
    EXPECT_EQ(LimitationQuestionForWidget(state, QStringLiteral("ctlKStatus")), 26);
    EXPECT_EQ(LimitationQuestionForWidget(state, QStringLiteral("ctlKstatus")), 26);
    EXPECT_EQ(LimitationQuestionForWidget(state, QStringLiteral("ctlPercentEnergyfromConcentrate")), 25);
    EXPECT_EQ(LimitationQuestionForWidget(state, QStringLiteral("ctlExistCrop")), 33);
    EXPECT_FALSE(LimitationQuestionForWidget(state, QStringLiteral("ctlslope")).has_value());
    EXPECT_FALSE(HandleLimitationEvent(state, session, 34, QStringLiteral("Click"), 0).Store.has_value());
}

} // namespace
