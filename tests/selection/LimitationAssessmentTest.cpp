#include "SelectionFixture.h"

#include "selection/core/LimitationAssessment.h"
#include "selection/core/OfferTable.h"
#include "selection/core/SelectionTexts.h"

#include <set>

using namespace talvo;
using talvo::test::SelectionTest;

namespace {

std::set<int> neededQuestions(const AssessmentState& state)
{
    std::set<int> needed;
    for (int q = 0; q <= 33; ++q) {
        if (state.LimitationQuestions(q).Needed)
            needed.insert(q);
    }
    return needed;
}

struct NeededCase
{
    std::vector<int> countermeasures;
    std::set<int> questions;
    bool lime;
    bool potassium;
};

void PrintTo(const NeededCase& c, std::ostream* os)
{
    for (int i : c.countermeasures)
        *os << i << ' ';
}

class NeededQuestions : public ::testing::TestWithParam<NeededCase>, public talvo::test::SelectionFixture
{
};

TEST_P(NeededQuestions, AreTheUnionOfTheRulesThatFire)
{
    const NeededCase& c = GetParam();
    for (int i : c.countermeasures)
        SetLimitationAssessment(state, session, name(i));
    EXPECT_EQ(neededQuestions(state), c.questions);
    EXPECT_EQ(session.LimeAssessed, c.lime);
    EXPECT_EQ(session.PotassiumAssessed, c.potassium);
}

INSTANTIATE_TEST_SUITE_P(Rules, NeededQuestions,
                         ::testing::Values(
                             // Lime alone.
                             NeededCase{{9}, {0, 8, 9, 10, 28}, true, false},
                             // Lime then potassium (potassium comes later in the list).
                             NeededCase{{9, 14}, {0, 8, 9, 10, 26, 28}, true, true},
                             // Home-grown concentrate: rules 12 and 14, ten questions.
                             NeededCase{{5}, {0, 1, 2, 4, 5, 6, 7, 15, 25, 27}, false, false},
                             // Shallow plough with lime and K: rules 3, 4 and 18, not the potassium rule.
                             NeededCase{{61}, {0, 1, 4, 5, 6, 7, 8, 9, 10, 28, 33}, true, false},
                             NeededCase{{56}, {0, 1, 4, 5, 6, 7, 8, 9, 10, 26, 28, 33}, false, true},
                             NeededCase{{54}, {0, 1, 3, 4, 5, 6, 7, 33}, false, false},
                             NeededCase{{16}, {0, 1, 2, 4, 6, 7, 11, 16, 17, 21, 30, 32}, false, false},
                             NeededCase{{17}, {11, 16, 17, 18, 19, 20, 21, 22}, false, false},
                             NeededCase{{33}, {13, 14, 31}, false, false}, NeededCase{{2}, {25, 31}, false, false},
                             NeededCase{{8}, {12, 23, 31}, false, false},
                             NeededCase{{26}, {10, 13, 14, 29}, false, false},
                             NeededCase{{51}, {0, 1, 6, 7, 30}, false, false}, NeededCase{{58}, {33}, false, false},
                             // No rule at all.
                             NeededCase{{1, 3, 10, 21, 35, 43, 49, 52}, {}, false, false}));

TEST_F(SelectionTest, LimePresetsTheCecKnownAnswerWhateverTheOrder)
{
    state.LimitationQuestions(9).AnswerText = QStringLiteral("No");
    SetLimitationAssessment(state, session, name(14));
    EXPECT_EQ(state.LimitationQuestions(9).AnswerText, QStringLiteral("No"));
    SetLimitationAssessment(state, session, name(9));
    EXPECT_EQ(state.LimitationQuestions(9).AnswerText, QStringLiteral("Yes"));
    EXPECT_TRUE(session.LimeAssessed);
    EXPECT_TRUE(session.PotassiumAssessed);
}

TEST_F(SelectionTest, NamesOutsideEveryGroupChangeNothing)
{
    for (const QString& text : {QStringLiteral("Lime the soil of the lowland sheep farm"), QString(),
                                name(13).trimmed(), QStringLiteral("Deep plough. ")})
        SetLimitationAssessment(state, session, text);
    EXPECT_TRUE(neededQuestions(state).empty());
    EXPECT_FALSE(session.LimeAssessed);
    EXPECT_TRUE(state.LimitationQuestions(9).AnswerText.isEmpty());
}

TEST_F(SelectionTest, DisableAllClearsFlagsButKeepsAnswers)
{
    SetLimitationAssessment(state, session, name(57));
    SetLimitationAssessment(state, session, name(56));
    state.LimitationQuestions(0).AnswerText = QStringLiteral("12");
    DisableAllLimitationQuestions(state, session);
    EXPECT_TRUE(neededQuestions(state).empty());
    EXPECT_FALSE(session.LimeAssessed);
    EXPECT_FALSE(session.PotassiumAssessed);
    EXPECT_EQ(state.LimitationQuestions(0).AnswerText, QStringLiteral("12"));
    EXPECT_EQ(state.LimitationQuestions(9).AnswerText, QStringLiteral("Yes"));
}

// Everything a farm type offers, selected at once, needs at most this many questions; none needs question 24.
TEST_F(SelectionTest, LargestUnionPerFarmType)
{
    const std::vector<std::pair<QString, std::size_t>> maxima = {
        {QStringLiteral("Dairy Production"), 12},
        {QStringLiteral("Sheep on Lowland Farm"), 14},
        {QStringLiteral("Sheep on Upland/Hill Farm"), 27},
        {QStringLiteral("Beef Production on Lowland Farm"), 12},
        {QStringLiteral("Beef Production on Upland/Hill Farm"), 24},
        {QStringLiteral("Management for Deer"), 12},
        {QStringLiteral("Arable Production"), 13},
    };
    for (const auto& [farm, maximum] : maxima) {
        DisableAllLimitationQuestions(state, session);
        state.AgricultureType = farm;
        state.DepositionScenario = QStringLiteral("Consider All Scenarios");
        const LimitationLayout layout =
            AssessSelectedCountermeasures(state, session, OfferCountermeasures(state).Names);
        EXPECT_EQ(neededQuestions(state).size(), maximum) << farm.toStdString();
        EXPECT_EQ(layout.Questions.size(), maximum) << farm.toStdString();
        EXPECT_FALSE(state.LimitationQuestions(24).Needed);
    }
}

} // namespace
