#include "CostTestSupport.h"

using namespace talvo;
using namespace talvo::test;

namespace {

// 80 cattle of 550 kg, 10 ha to afforest, 20 kg K now, 20 ha to lime, 15 ha for K; roughage contaminated.
void lowlandBeefFarm(AssessmentState& state)
{
    SetValues(state, {{4, 10}, {9, 20}, {13, 80}, {15, 550}, {26, 20}, {27, 15}});
    SetText(state, 11, "Yes");
}

class LowlandBeefCosts : public CostCaseTest
{
};

TEST_P(LowlandBeefCosts, MatchHandComputedAmounts)
{
    Check("Beef Production on Lowland Farm", S2, lowlandBeefFarm);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, LowlandBeefCosts,
    ::testing::Values(
        CostCase{"AFCF", "Administer AFCF to lowland cattle.", nullptr, 96, 25840, "96", "25840", "25744"},
        CostCase{"Lime", "Lime the soil where lowland beef cattle are.", nullptr, 1320, 25840, "1320", "25840",
                 "24520"},
        // 40 days x 80 x 7.8 kg x 60 / 1000
        CostCase{"CleanFeed", "Fatten lowland cattle on clean feed.", nullptr, 1497.6, 25840, "1498", "25840", "24342"},
        CostCase{"CleanFeedRoughageClean", "Fatten lowland cattle on clean feed.",
                 [](AssessmentState& s) { SetText(s, 11, "No"); }, 0, 25840, "0", "25840", "25840"},
        CostCase{"Afforest", "Afforestation of area where lowland beef cattle are.", nullptr, 26940, 1660, "26940",
                 "1660", "-25280"},
        CostCase{"Exclude", "Exclude production of lowland beef.", nullptr, 26940, 0, "26940", "0", "-26940"},
        // 316.8 + 6.1 x 15 / 3
        CostCase{"Potassium", "Apply K fertiliser to area where lowland beef cattle are.", nullptr, 347.3, 25840, "347",
                 "25840", "25493"}),
    LabelOf);

// 60 cattle of 500 kg, 40 ha to afforest, 20 kg K now, 20 ha to lime, 15 ha for K, 20 ha to improve, 15 ha to
// intensify; plough free, roughage contaminated; third scenario.
void uplandBeefFarm(AssessmentState& state)
{
    SetValues(state, {{4, 40}, {9, 20}, {15, 500}, {16, 60}, {26, 20}, {27, 15}, {28, 20}, {29, 15}});
    SetText(state, 11, "Yes");
    SetText(state, 17, "Yes");
}

void ploughNo(AssessmentState& s)
{
    SetText(s, 17, "No");
}
void scenario(AssessmentState& s, const QString& name)
{
    s.DepositionScenario = name;
}

class UplandBeefCosts : public CostCaseTest
{
};

TEST_P(UplandBeefCosts, MatchHandComputedAmounts)
{
    Check("Beef Production on Upland/Hill Farm", S3, uplandBeefFarm);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, UplandBeefCosts,
    ::testing::Values(
        // Eight times the three boli under the third scenario: 10.5 x 60 x 8
        CostCase{"AfcfS3", "Administer AFCF to upland cattle.", nullptr, 5040, 19380, "5040", "19380", "14340"},
        CostCase{"AfcfS1", "Administer AFCF to upland cattle.", [](AssessmentState& s) { scenario(s, S1); }, 630, 19380,
                 "630", "19380", "18750"},
        CostCase{"ImproveOwnPlough", "Improve land where upland beef cattle graze.", nullptr, 2107.9529914529912, 19380,
                 "2108", "19380", "17272"},
        CostCase{"ImproveContractors", "Improve land where upland beef cattle graze.", ploughNo, 3196, 19380, "3196",
                 "19380", "16184"},
        CostCase{"Intensify", "Intensify the use of improved land where upland beef cattle graze.", nullptr,
                 1580.9647435897436, 19380, "1581", "19380", "17799"},
        CostCase{"Potassium", "Apply K fertiliser to where upland beef cattle graze.", nullptr, 347.3, 19380, "347",
                 "19380", "19033"},
        CostCase{"Lime", "Lime the soil where upland beef cattle graze.", nullptr, 1320, 19380, "1320", "19380",
                 "18060"},
        // (500 - 378) x 60 and 60 x 125
        CostCase{"Sell", "Sell upland cattle for fattening.", nullptr, 7320, 7500, "7320", "7500", "180"},
        CostCase{"Exclude", "Exclude production of upland cattle.", nullptr, 20130, 0, "20130", "0", "-20130"},
        CostCase{"Afforest", "Afforestation of area where upland beef cattle are.", nullptr, 20130, 2000, "20130",
                 "2000", "-18130"},
        // 60 x 100 days x 5.9 x 60 / 1000 under the third scenario, 40 days under the first two
        CostCase{"CleanFeedS3", "Fatten upland cattle on clean feed.", nullptr, 2124, 19380, "2124", "19380", "17256"},
        CostCase{"CleanFeedS1", "Fatten upland cattle on clean feed.", [](AssessmentState& s) { scenario(s, S1); },
                 849.6, 19380, "850", "19380", "18530"},
        CostCase{"CleanFeedS4", "Fatten upland cattle on clean feed.", [](AssessmentState& s) { scenario(s, S4); }, 0,
                 19380, "0", "19380", "19380"},
        CostCase{"CleanFeedRoughageClean", "Fatten upland cattle on clean feed.",
                 [](AssessmentState& s) { SetText(s, 11, "No"); }, 0, 19380, "0", "19380", "19380"},
        // Fertilising and ploughing labour only: 5040 + (20/3 + 20/0.9) x 6.1 + 1920
        CostCase{"AfcfAndImproveOwnPlough", "Administer AFCF to upland cattle & improve land.", nullptr,
                 7136.222222222223, 19380, "7136", "19380", "12244"},
        CostCase{"AfcfAndImproveContractors", "Administer AFCF to upland cattle & improve land.", ploughNo, 7948, 19380,
                 "7948", "19380", "11432"},
        CostCase{"AfcfAndImproveUnanswered", "Administer AFCF to upland cattle & improve land.",
                 [](AssessmentState& s) { SetText(s, 17, ""); }, 5040, 19380, "5040", "19380", "14340"},
        // Two operations on the intensification area: 5040 + ((5 + 16.667) x 6.1 + 1440)
        CostCase{"AfcfAndIntensify", "Administer AFCF to upland cattle & intensify improved land.", nullptr,
                 6612.166666666667, 19380, "6612", "19380", "12768"},
        CostCase{"AfcfAndPotassium", "Administer AFCF to upland cattle & apply K fertiliser.", nullptr, 5387.3, 19380,
                 "5387", "19380", "13993"},
        // No AFCF cost outside the three named scenarios.
        CostCase{"AfcfAndPotassiumS4", "Administer AFCF to upland cattle & apply K fertiliser.",
                 [](AssessmentState& s) { scenario(s, S4); }, 347.3, 19380, "347", "19380", "19033"}),
    LabelOf);

TEST(UplandBeefKeptValues, AfcfUnderTheFourthScenarioKeepsItsCost)
{
    AssessmentState state;
    InitialiseReferenceTables(state);
    state.AgricultureType = QStringLiteral("Beef Production on Upland/Hill Farm");
    state.DepositionScenario = S4;
    uplandBeefFarm(state);
    const QString name = QStringLiteral("Administer AFCF to upland cattle.");
    CountermeasureRecord& record = state.Countermeasures(CatalogueIndex(state, name));
    EconomicSession session;
    EXPECT_FALSE(CalculateEconomics(state, session, name));
    EXPECT_EQ(record.Cost, 0); // never computed
    record.Cost = 630;
    EXPECT_FALSE(CalculateEconomics(state, session, name));
    EXPECT_EQ(record.Cost, 630);
    EXPECT_EQ(record.NetBenefit, 19380 - 630);
}

TEST(LowlandBeefKeptValues, CleanFeedWithUnansweredRoughageKeepsItsCost)
{
    AssessmentState state;
    InitialiseReferenceTables(state);
    state.AgricultureType = QStringLiteral("Beef Production on Lowland Farm");
    lowlandBeefFarm(state);
    SetText(state, 11, "");
    const QString name = QStringLiteral("Fatten lowland cattle on clean feed.");
    CountermeasureRecord& record = state.Countermeasures(CatalogueIndex(state, name));
    record.Cost = 75.5;
    EconomicSession session;
    EXPECT_FALSE(CalculateEconomics(state, session, name));
    EXPECT_EQ(record.Cost, 75.5);
    EXPECT_EQ(record.Benefit, 25840);
    EXPECT_EQ(session.CountermeasureCostsText, Line(name, "76"));
}

} // namespace
