#include "CostTestSupport.h"

#include "economics/core/CostBlocks.h"

#include <cmath>

using namespace talvo;
using namespace talvo::test;

namespace {

class CalculationFrame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        InitialiseReferenceTables(state);
        state.AgricultureType = QStringLiteral("Dairy Production");
        state.DepositionScenario = S1;
        SetValues(state, {{0, 100}});
    }
    AssessmentState state;
    EconomicSession session;
};

TEST(WholePounds, HalvesGoToTheEvenNeighbour)
{
    const std::pair<double, const char*> cases[] = {
        {2.5, "2"},
        {3.5, "4"},
        {-2.5, "-2"},
        {1234.5, "1234"},
        {1235.5, "1236"},
        {876.4, "876"},
        {67800.5, "67800"},
        {-0.4, "0"},
        {-1234.6, "-1235"},
        {0, "0"},
        {123456789.5, "123456790"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(WholePoundsText(value), QString::fromLatin1(text)) << value;
}

TEST_F(CalculationFrame, AppendsOneLinePerTextInTheFixedForm)
{
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("Administer AFCF to dairy cows.")));
    const QString pound = QString(QChar(0x00A3));
    EXPECT_EQ(session.CountermeasureCostsText, "Administer AFCF to dairy cows.=   " + pound + "876\r\n");
    EXPECT_EQ(session.CountermeasureBenefitsText, "Administer AFCF to dairy cows.=   " + pound + "67800\r\n");
    EXPECT_EQ(session.CostBenefitSummaryText, "Administer AFCF to dairy cows.=   " + pound + "66924\r\n");

    // Without emptying, a second call appends the same lines again.
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("Administer AFCF to dairy cows.")));
    EXPECT_EQ(session.CountermeasureCostsText.count(QStringLiteral("\r\n")), 2);
}

TEST_F(CalculationFrame, OtherFarmTypesAndNamesDoNothing)
{
    state.Countermeasures(1).Cost = 5;
    state.AgricultureType = QStringLiteral("Sheep on Lowland Farm");
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("Supply Ca.")));
    state.AgricultureType = QStringLiteral("dairy production");
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("Supply Ca.")));
    state.AgricultureType = QStringLiteral("Dairy Production");
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("supply Ca.")));
    EXPECT_FALSE(CalculateEconomics(state, session, QString()));
    EXPECT_EQ(state.Countermeasures(1).Cost, 5);
    EXPECT_TRUE(session.CountermeasureCostsText.isEmpty());
    EXPECT_TRUE(session.CountermeasureBenefitsText.isEmpty());
    EXPECT_TRUE(session.CostBenefitSummaryText.isEmpty());
}

TEST_F(CalculationFrame, FinalListIsCalculatedInOrderAfterEmptyingTheTexts)
{
    session.CountermeasureCostsText = QStringLiteral("old");
    session.CountermeasureBenefitsText = QStringLiteral("old");
    session.CostBenefitSummaryText = QStringLiteral("old");
    session.EconomicVariablesText = QStringLiteral("kept");
    state.FinalCountermeasures(0) = QStringLiteral("Supply Ca.");
    state.FinalCountermeasures(1) = QStringLiteral("Administer AFCF to dairy cows.");
    state.NumberOfCountermeasures = 2;
    EXPECT_TRUE(CalculateFinalEconomics(state, session).empty());
    EXPECT_TRUE(session.CountermeasureCostsText.startsWith(QStringLiteral("Supply Ca.=")));
    EXPECT_TRUE(
        session.CountermeasureCostsText.endsWith(Line(QStringLiteral("Administer AFCF to dairy cows."), "876")));
    EXPECT_EQ(session.CountermeasureCostsText.count(QStringLiteral("\r\n")), 2);
    EXPECT_EQ(session.EconomicVariablesText, QStringLiteral("kept"));

    // A second run lists each countermeasure once.
    EXPECT_TRUE(CalculateFinalEconomics(state, session).empty());
    EXPECT_EQ(session.CostBenefitSummaryText.count(QStringLiteral("\r\n")), 2);
}

// A zero divisor that the block evaluates for the answers given: all three values 0, lines with 0, and a message
// naming the question(s).
struct ZeroCase
{
    const char* label;
    const char* farmType;
    const char* countermeasure;
    std::function<void(AssessmentState&)> answers;
    std::vector<int> zeroRecords; // in the order the message names them
};

std::ostream& operator<<(std::ostream& out, const ZeroCase& c)
{
    return out << c.label;
}

void zero(AssessmentState& s, std::initializer_list<int> records)
{
    for (int r : records)
        s.EconomicQuestions(r).AnswerValue = 0;
}

class ZeroDivisors : public ::testing::TestWithParam<ZeroCase>
{
};

TEST_P(ZeroDivisors, GiveZeroAndAMessage)
{
    const ZeroCase& c = GetParam();
    AssessmentState state;
    InitialiseReferenceTables(state);
    state.AgricultureType = QString::fromLatin1(c.farmType);
    state.DepositionScenario = S1;
    SetValues(state, {{0, 100}, {6, 100}, {16, 50}, {19, 40}, {27, 30}, {28, 20}, {29, 10}, {13, 10}});
    c.answers(state);
    const QString name = QString::fromLatin1(c.countermeasure);
    CountermeasureRecord& record = state.Countermeasures(CatalogueIndex(state, name));
    record.Cost = 500;
    record.Benefit = 700;
    record.NetBenefit = 200;
    EconomicSession session;

    const auto message = CalculateEconomics(state, session, name);
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(record.Cost, 0);
    EXPECT_EQ(record.Benefit, 0);
    EXPECT_EQ(record.NetBenefit, 0);
    EXPECT_EQ(session.CountermeasureCostsText, Line(name, "0"));
    EXPECT_EQ(session.CountermeasureBenefitsText, Line(name, "0"));
    EXPECT_EQ(session.CostBenefitSummaryText, Line(name, "0"));
    EXPECT_EQ(message->icon, MessageIcon::Exclamation);
    EXPECT_EQ(message->buttons, MessageButtons::OK);
    EXPECT_EQ(message->title, CostCalculationTitle);
    EXPECT_TRUE(message->text.contains(QLatin1Char('"') + name + QLatin1Char('"')));
    QStringList named;
    for (int r : c.zeroRecords)
        named << state.EconomicQuestions(r).QuestionText;
    EXPECT_TRUE(message->text.contains(named.join(QLatin1Char('\n')))) << message->text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Blocks, ZeroDivisors,
                         ::testing::Values(ZeroCase{"BarleyYield",
                                                    "Dairy Production",
                                                    "Feed dairy cows concentrate grown on the farm.",
                                                    [](AssessmentState& s) { zero(s, {25}); },
                                                    {25}},
                                           ZeroCase{"LowlandSheepK",
                                                    "Sheep on Lowland Farm",
                                                    "Apply K fertiliser to area where lowland sheep graze.",
                                                    [](AssessmentState& s) { zero(s, {122}); },
                                                    {122}},
                                           ZeroCase{"UplandImproveOwnPlough",
                                                    "Sheep on Upland/Hill Farm",
                                                    "Improve land where upland sheep are.",
                                                    [](AssessmentState& s) {
                                                        SetText(s, 17, "Yes");
                                                        zero(s, {123, 128});
                                                    },
                                                    {123, 128}},
                                           ZeroCase{"UplandIntensify",
                                                    "Sheep on Upland/Hill Farm",
                                                    "Intensify the use of improved land where upland sheep are.",
                                                    [](AssessmentState& s) { zero(s, {128}); },
                                                    {128}},
                                           ZeroCase{"UplandAfcfIntensify",
                                                    "Sheep on Upland/Hill Farm",
                                                    "Administer AFCF to upland sheep & intensify improved land.",
                                                    [](AssessmentState& s) { zero(s, {122}); },
                                                    {122}},
                                           ZeroCase{"UplandAfcfK",
                                                    "Sheep on Upland/Hill Farm",
                                                    "Administer AFCF to upland sheep & apply K fertiliser.",
                                                    [](AssessmentState& s) { zero(s, {122}); },
                                                    {122}},
                                           ZeroCase{"UplandAfcfImprove",
                                                    "Sheep on Upland/Hill Farm",
                                                    "Administer AFCF to upland sheep & improve land.",
                                                    [](AssessmentState& s) {
                                                        SetText(s, 17, "Yes");
                                                        zero(s, {123});
                                                    },
                                                    {123}},
                                           ZeroCase{"LowlandBeefK",
                                                    "Beef Production on Lowland Farm",
                                                    "Apply K fertiliser to area where lowland beef cattle are.",
                                                    [](AssessmentState& s) { zero(s, {122}); },
                                                    {122}},
                                           ZeroCase{"UplandBeefIntensifyTwo",
                                                    "Beef Production on Upland/Hill Farm",
                                                    "Administer AFCF to upland cattle & intensify improved land.",
                                                    [](AssessmentState& s) {
                                                        zero(s, {122, 123});
                                                    },
                                                    {122, 123}},
                                           ZeroCase{"DeerImprove",
                                                    "Management for Deer",
                                                    "Improve grassland and supply hay & AFCF.",
                                                    [](AssessmentState& s) {
                                                        SetText(s, 17, "Yes");
                                                        zero(s, {122});
                                                    },
                                                    {122}},
                                           ZeroCase{"ArableShallowPlough",
                                                    "Arable Production",
                                                    "Shallow plough & apply lime.",
                                                    [](AssessmentState& s) { zero(s, {123}); },
                                                    {123}}),
                         LabelOf);

TEST(ZeroDivisorMessage, NamesTheQuestionInFull)
{
    AssessmentState state;
    InitialiseReferenceTables(state);
    state.AgricultureType = QStringLiteral("Sheep on Lowland Farm");
    state.EconomicQuestions(122).AnswerValue = 0;
    EconomicSession session;
    const auto message =
        CalculateEconomics(state, session, QStringLiteral("Apply K fertiliser to area where lowland sheep graze."));
    ASSERT_TRUE(message);
    EXPECT_EQ(message->text, QStringLiteral("The costs and benefits of \"Apply K fertiliser to area where lowland "
                                            "sheep graze.\" cannot be calculated, because this answer is 0:\n"
                                            "Fertilising working rate (ha/hour):\nThey are shown as 0."));
}

// A rate that only the branch not taken divides by stops nothing.
TEST(ZeroDivisorMessage, OnlyForDivisionsTheBranchMakes)
{
    AssessmentState state;
    InitialiseReferenceTables(state);
    state.AgricultureType = QStringLiteral("Sheep on Upland/Hill Farm");
    SetValues(state, {{6, 300}, {28, 20}, {40, 250}});
    SetValues(state, {{122, 0}, {123, 0}, {128, 0}});
    EconomicSession session;
    SetText(state, 17, "No");
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("Improve land where upland sheep are.")));
    ExpectAmount(state.Countermeasures(16).Cost, 3196);
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("Administer AFCF to upland sheep & improve land.")));
    ExpectAmount(state.Countermeasures(30).Cost, 4258);

    // Sowing labour is not counted in the combined improvement, so a zero sowing rate does not matter there.
    SetText(state, 17, "Yes");
    SetValues(state, {{122, 3}, {123, 0.9}});
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("Administer AFCF to upland sheep & improve land.")));
    ExpectAmount(state.Countermeasures(30).Cost, 3446.222222222222);
    EXPECT_TRUE(CalculateEconomics(state, session, QStringLiteral("Improve land where upland sheep are.")));
}

TEST_F(CalculationFrame, ResultTooLargeIsZeroWithAMessage)
{
    SetValues(state, {{0, 1e10}, {48, 1e300}});
    const auto message = CalculateEconomics(state, session, QStringLiteral("Administer AFCF to dairy cows."));
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->text.contains(QStringLiteral("too large")));
    EXPECT_EQ(state.Countermeasures(0).Benefit, 0);
    EXPECT_EQ(state.Countermeasures(0).NetBenefit, 0);
}

// Whatever the answers, nothing stored is ever infinite or not a number: every block of every farm type with
// every divisor 0, under every plough, roughage and scenario answer.
TEST(CalculationSweep, NeverStoresNonFiniteValues)
{
    const QString scenarios[] = {S1, S2, S3, S4};
    const char* const yesNo[] = {"Yes", "No", ""};
    for (const auto& blocks : costs::AllFarmTypeBlocks()) {
        for (const QString& scenarioName : scenarios) {
            for (const char* answer : yesNo) {
                AssessmentState state;
                InitialiseReferenceTables(state);
                state.AgricultureType = QString::fromLatin1(blocks.farmType);
                state.DepositionScenario = scenarioName;
                for (int r = 0; r <= 41; ++r)
                    state.EconomicQuestions(r).AnswerValue = 7;
                SetValues(state, {{25, 0}, {122, 0}, {123, 0}, {128, 0}});
                SetText(state, 1, answer);
                SetText(state, 11, answer);
                SetText(state, 17, answer);
                EconomicSession session;
                for (int k = blocks.first; k <= blocks.last; ++k) {
                    CalculateEconomics(state, session, state.Countermeasures(k).Name);
                    const CountermeasureRecord& record = state.Countermeasures(k);
                    EXPECT_TRUE(std::isfinite(record.Cost) && std::isfinite(record.Benefit) &&
                                std::isfinite(record.NetBenefit))
                        << record.Name.toStdString();
                }
                EXPECT_EQ(session.CountermeasureCostsText.count(QStringLiteral("\r\n")),
                          blocks.last - blocks.first + 1);
                EXPECT_FALSE(session.CostBenefitSummaryText.contains(QStringLiteral("nf")));
            }
        }
    }
}

} // namespace
