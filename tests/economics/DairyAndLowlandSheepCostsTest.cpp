#include "CostTestSupport.h"

using namespace talvo;
using namespace talvo::test;

namespace {

// 100 cows of 600 kg, 20 ha to afforest, 200 g Ca fed now; barley grown on 5 ha, 10 ha of grass convertible,
// 6 t/ha barley yield.
void dairyFarm(AssessmentState& state)
{
    SetValues(state, {{0, 100}, {2, 5}, {3, 600}, {4, 20}, {5, 10}, {25, 6}, {33, 200}});
    SetText(state, 1, "Yes");
}

class DairyCosts : public CostCaseTest
{
};

TEST_P(DairyCosts, MatchHandComputedAmounts)
{
    Check("Dairy Production", S1, dairyFarm);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, DairyCosts,
    ::testing::Values(
        // 0.024 x 100 x 365 and 0.113 x 100 x 6000
        CostCase{"AFCF", "Administer AFCF to dairy cows.", nullptr, 876, 67800, "876", "67800", "66924"},
        // (500 - 200) x 100 x 365 x 25 / 1000000
        CostCase{"Calcium", "Supply Ca.", nullptr, 273.75, 67800, "274", "67800", "67526"},
        // ((14 - 7.25) x 190 + (12.5 - 2) x 175) x 100 x 150 / 1000; margin + 2261 + 2760 + 8550
        CostCase{"CleanConcentrate", "Feed dairy cows clean concentrate.", nullptr, 46800, 81371, "46800", "81371",
                 "34571"},
        CostCase{"Exclude", "Exclude production of dairy cows.", nullptr, 69300, 0, "69300", "0", "-69300"},
        CostCase{"Afforest", "Afforestation of area where dairy cows are.", nullptr, 28620, 3320, "28620", "3320",
                 "-25300"},
        // T = 151.25 t, H = 25.2083 ha, U = 15 ha. By hand the cost is 11357.5, but (H - U) x 6 x 150 comes out
        // a hair below, so it shows 11357.
        CostCase{"HomeBarley", "Feed dairy cows concentrate grown on the farm.", nullptr, 11357.5, 70692.75, "11357",
                 "70693", "59335"},
        // Barley not grown: the 5 ha typed earlier do not count, so U = 10.
        CostCase{"HomeBarleyNotGrown", "Feed dairy cows concentrate grown on the farm.",
                 [](AssessmentState& s) { SetText(s, 1, "No"); }, 15857.5, 71142.75, "15857", "71143", "55285"},
        CostCase{"HomeBarleyUnanswered", "Feed dairy cows concentrate grown on the farm.",
                 [](AssessmentState& s) { SetText(s, 1, ""); }, 15857.5, 71142.75, "15857", "71143", "55285"},
        // Existing barley covers the need: U = H <= A2, only the milk margin remains.
        CostCase{"HomeBarleyCovered", "Feed dairy cows concentrate grown on the farm.",
                 [](AssessmentState& s) {
                     SetValues(s, {{2, 30}});
                 },
                 0, 67800, "0", "67800", "67800"},
        // Convertible grass covers the need: U = H > A2, nothing is bought.
        CostCase{"HomeBarleyConverted", "Feed dairy cows concentrate grown on the farm.",
                 [](AssessmentState& s) {
                     SetValues(s, {{5, 30}});
                 },
                 4385.208333333332, 73928.79166666666, "4385", "73929", "69544"},
        // No barley area and no grass to convert: U = 0, all the concentrate is bought. The summary line rounds
        // the unrounded net 45112.5 to the even 45112.
        CostCase{"HomeBarleyNoArea", "Feed dairy cows concentrate grown on the farm.",
                 [](AssessmentState& s) {
                     SetValues(s, {{2, 0}, {5, 0}});
                 },
                 22687.499999999996, 67800, "22687", "67800", "45112"},
        CostCase{"CalciumAndConcentrate", "Supply Ca & feed clean concentrate.", nullptr, 47073.75, 81371, "47074",
                 "81371", "34297"}),
    LabelOf);

// 200 lambs, 20 ha to afforest, 20 kg K now, 30 ha to lime, 25 ha for K, 150 ewes of 70 kg; roughage
// contaminated; second scenario.
void lowlandSheepFarm(AssessmentState& state)
{
    SetValues(state, {{4, 20}, {6, 200}, {9, 20}, {26, 30}, {27, 25}, {39, 150}, {41, 70}});
    SetText(state, 11, "Yes");
}

class LowlandSheepCosts : public CostCaseTest
{
};

TEST_P(LowlandSheepCosts, MatchHandComputedAmounts)
{
    Check("Sheep on Lowland Farm", S2, lowlandSheepFarm);
}

const char* const AfcfAndRoughage = "Administer AFCF to lowland sheep and fatten on clean roughage ";

INSTANTIATE_TEST_SUITE_P(
    Blocks, LowlandSheepCosts,
    ::testing::Values(
        CostCase{"AFCF", "Administer AFCF to lowland sheep.", nullptr, 900, 8000, "900", "8000", "7100"},
        // (90 - 90 x 0.18) x 200 x 90 / 1000
        CostCase{"Concentrate", "Fatten lowland lambs on clean concentrate.", nullptr, 1328.4, 8000, "1328", "8000",
                 "6672"},
        CostCase{"Lime", "Lime the soil of the lowland sheep farm.", nullptr, 1980, 8000, "1980", "8000", "6020"},
        CostCase{"LimeNoArea", "Lime the soil of the lowland sheep farm.",
                 [](AssessmentState& s) {
                     SetValues(s, {{26, 0}});
                 },
                 0, 8000, "0", "8000", "8000"},
        // 5896.5 + 262.5
        CostCase{"Exclude", "Exclude production of lowland sheep.", nullptr, 6159, 0, "6159", "0", "-6159"},
        // 60 days x 200 x 1 kg x 60 / 1000 under the second scenario, 90 days under the third
        CostCase{"RoughageS2", "Fatten lowland lambs on clean roughage.", nullptr, 720, 8000, "720", "8000", "7280"},
        CostCase{"RoughageS3", "Fatten lowland lambs on clean roughage.",
                 [](AssessmentState& s) { s.DepositionScenario = S3; }, 1080, 8000, "1080", "8000", "6920"},
        CostCase{"RoughageS1", "Fatten lowland lambs on clean roughage.",
                 [](AssessmentState& s) { s.DepositionScenario = S1; }, 0, 8000, "0", "8000", "8000"},
        CostCase{"RoughageClean", "Fatten lowland lambs on clean roughage.",
                 [](AssessmentState& s) { SetText(s, 11, "No"); }, 0, 8000, "0", "8000", "8000"},
        CostCase{"RoughageUnanswered", "Fatten lowland lambs on clean roughage.",
                 [](AssessmentState& s) { SetText(s, 11, ""); }, 0, 8000, "0", "8000", "8000"},
        // 11600 + 262.5 = 11862.5 and 3320 - 11862.5 = -8542.5: both halves go to the even neighbour.
        CostCase{"Afforest", "Afforestation of area where lowland sheep are.", nullptr, 11862.5, 3320, "11862", "3320",
                 "-8542"},
        CostCase{"AfcfAndRoughage", AfcfAndRoughage, nullptr, 1620, 8000, "1620", "8000", "6380"},
        // K = 80 x 220 x 25 x 1.2 / 1000 = 528, labour 6.1 x 25 / 3
        CostCase{"Potassium", "Apply K fertiliser to area where lowland sheep graze.", nullptr, 578.8333333333334, 8000,
                 "579", "8000", "7421"}),
    LabelOf);

} // namespace
