#include "CostTestSupport.h"

using namespace talvo;
using namespace talvo::test;

namespace {

// 200 deer, 10 stags and 20 hinds stalked, 50 shot in all at 60 kg, 100 ha to afforest, 30 ha to improve;
// plough not free; first scenario. Hay 432, venison 4500, stalking fees 7500.
void deerFarm(AssessmentState& state)
{
    SetValues(state, {{4, 100}, {28, 30}, {32, 200}, {34, 10}, {35, 20}, {36, 50}, {37, 60}});
    SetText(state, 17, "No");
}

void scenario(AssessmentState& s, const QString& name)
{
    s.DepositionScenario = name;
}

class DeerCosts : public CostCaseTest
{
};

TEST_P(DeerCosts, MatchHandComputedAmounts)
{
    Check("Management for Deer", S1, deerFarm);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, DeerCosts,
    ::testing::Values(
        // 432 + 200 x 0.02 x 60
        CostCase{"HayAndAfcfS1", "Supply hay and AFCF.", nullptr, 672, 12000, "672", "12000", "11328"},
        // 365 days under the third scenario, A45 ignored
        CostCase{"HayAndAfcfS3", "Supply hay and AFCF.", [](AssessmentState& s) { scenario(s, S3); }, 1892, 12000,
                 "1892", "12000", "10108"},
        CostCase{"HayAndAfcfS4", "Supply hay and AFCF.", [](AssessmentState& s) { scenario(s, S4); }, 432, 12000, "432",
                 "12000", "11568"},
        // 432 + 200 x 0.02 (no days) + (35 + 14.4 + 14.4) x 30 + 30 x 96
        CostCase{"ImproveS1Contractors", "Improve grassland and supply hay & AFCF.", nullptr, 5230, 12000, "5230",
                 "12000", "6770"},
        // 432 + 32 + (30/3 + 30/0.9 + 30/10.4) x 6.1 + 2880
        CostCase{"ImproveS3OwnPlough", "Improve grassland and supply hay & AFCF.",
                 [](AssessmentState& s) {
                     scenario(s, S3);
                     SetText(s, 17, "Yes");
                 },
                 3625.9294871794873, 12000, "3626", "12000", "8374"},
        CostCase{"ImproveS4PloughUnanswered", "Improve grassland and supply hay & AFCF.",
                 [](AssessmentState& s) {
                     scenario(s, S4);
                     SetText(s, 17, "");
                 },
                 432, 12000, "432", "12000", "11568"},
        CostCase{"Afforest", "Afforestation of area where deer are.", nullptr, 12000, 5000, "12000", "5000", "-7000"},
        CostCase{"CeaseHunting", "Cease hunting of deer.", nullptr, 12000, 0, "12000", "0", "-12000"}),
    LabelOf);

// 50 ha of winter wheat (margin 652), 40 ha for K, 20 kg K now.
void arableFarm(AssessmentState& state)
{
    SetValues(state, {{9, 20}, {19, 50}, {27, 40}});
    state.LimitationQuestions(33).AnswerText = QStringLiteral("Winter Wheat");
}

void crop(AssessmentState& s, const char* name)
{
    s.LimitationQuestions(33).AnswerText = QString::fromLatin1(name);
}

class ArableCosts : public CostCaseTest
{
};

TEST_P(ArableCosts, MatchHandComputedAmounts)
{
    Check("Arable Production", S2, arableFarm);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, ArableCosts,
    ::testing::Values(
        CostCase{"DeepPlough", "Deep plough.", nullptr, 1750, 32600, "1750", "32600", "30850"},
        CostCase{"SkimAndBury", "Skim & bury.", nullptr, 1750, 32600, "1750", "32600", "30850"},
        CostCase{"DeepPloughNoCropArea", "Deep plough.",
                 [](AssessmentState& s) {
                     SetValues(s, {{19, 0}});
                 },
                 0, 0, "0", "0", "0"},
        // Without a crop area only the K on the area for K is left: 80 x 220 x 40 x 1.2 / 1000
        CostCase{"LimeAndKNoCropArea", "Shallow plough & apply lime and K fertiliser.",
                 [](AssessmentState& s) {
                     SetValues(s, {{19, 0}});
                 },
                 844.8, 0, "845", "0", "-845"},
        // Ploughing (50/0.9 + 50/3) x 6.1, K on the 40 ha for K: 844.8, fertilising 6.1 x 50 / 3
        CostCase{"ShallowPloughK", "Shallow plough & apply K fertiliser.", nullptr, 1387.0222222222221, 32600, "1387",
                 "32600", "31213"},
        CostCase{"ShallowPloughLime", "Shallow plough & apply lime.", nullptr, 3740.5555555555557, 32600, "3741",
                 "32600", "28859"},
        CostCase{"OilseedRape", "Grow oilseed rape instead of cereal or root crops.", nullptr, 32600, 30750, "32600",
                 "30750", "-1850"},
        CostCase{"OilseedRapeOnRape", "Grow oilseed rape instead of cereal or root crops.",
                 [](AssessmentState& s) { crop(s, "Spring Oilseed Rape"); }, 30750, 30750, "30750", "30750", "0"},
        CostCase{"Afforest", "Afforestation of arable land.", nullptr, 32600, 8300, "32600", "8300", "-24300"},
        CostCase{"Fallow", "Leave arable land fallow.", nullptr, 32600, 0, "32600", "0", "-32600"},
        CostCase{"ShallowPloughLimeAndK", "Shallow plough & apply lime and K fertiliser.", nullptr, 4687.022222222222,
                 32600, "4687", "32600", "27913"},
        CostCase{"SpringBarley", "Deep plough.", [](AssessmentState& s) { crop(s, "Spring Barley"); }, 1750,
                 27310.000000000004, "1750", "27310", "25560"},
        CostCase{"WinterBarley", "Deep plough.", [](AssessmentState& s) { crop(s, "Winter Barley"); }, 1750, 34700,
                 "1750", "34700", "32950"},
        CostCase{"WinterRape", "Deep plough.", [](AssessmentState& s) { crop(s, "Winter Oilseed Rape"); }, 1750, 29950,
                 "1750", "29950", "28200"},
        CostCase{"Swedes", "Deep plough.", [](AssessmentState& s) { crop(s, "Swedes"); }, 1750, 133900, "1750",
                 "133900", "132150"},
        CostCase{"Potatoes", "Deep plough.", [](AssessmentState& s) { crop(s, "Potatoes"); }, 1750, 104550, "1750",
                 "104550", "102800"}),
    LabelOf);

// A crop outside the seven gives no margin: the field that takes it keeps its value, the other is computed.
TEST(ArableKeptValues, UnknownCropKeepsTheMarginField)
{
    AssessmentState state;
    InitialiseReferenceTables(state);
    state.AgricultureType = QStringLiteral("Arable Production");
    arableFarm(state);
    crop(state, "Swedes ");
    EconomicSession session;

    const QString deep = QStringLiteral("Deep plough.");
    CountermeasureRecord& deepRecord = state.Countermeasures(CatalogueIndex(state, deep));
    deepRecord.Benefit = 500;
    deepRecord.Cost = 1;
    EXPECT_FALSE(CalculateEconomics(state, session, deep));
    EXPECT_EQ(deepRecord.Benefit, 500);
    EXPECT_EQ(deepRecord.Cost, 1750);
    EXPECT_EQ(deepRecord.NetBenefit, 500 - 1750);

    const QString fallow = QStringLiteral("Leave arable land fallow.");
    CountermeasureRecord& fallowRecord = state.Countermeasures(CatalogueIndex(state, fallow));
    EXPECT_FALSE(CalculateEconomics(state, session, fallow));
    EXPECT_EQ(fallowRecord.Cost, 0); // never computed
    EXPECT_EQ(fallowRecord.Benefit, 0);
}

TEST(ArableKeptValues, MarginGoesIntoTheBlocksOwnRecord)
{
    AssessmentState state;
    InitialiseReferenceTables(state);
    state.AgricultureType = QStringLiteral("Arable Production");
    arableFarm(state);
    crop(state, "Spring Oilseed Rape");
    EconomicSession session;
    EXPECT_FALSE(CalculateEconomics(state, session, QStringLiteral("Shallow plough & apply lime.")));
    EXPECT_EQ(state.Countermeasures(57).Benefit, 615 * 50);
    EXPECT_EQ(state.Countermeasures(54).Benefit, 0);
    EXPECT_EQ(state.Countermeasures(54).Cost, 0);
}

} // namespace
