#include "SelectionFixture.h"

#include "selection/core/FeasibilityRules.h"

using namespace talvo;

namespace {

struct Stored
{
    int question;
    QString text;
    bool needed = true;
};

struct FeasibilityCase
{
    const char* label;
    int countermeasure;
    std::vector<Stored> answers;
    bool limeAssessed;
    bool feasible;
};

class Feasibility : public ::testing::TestWithParam<FeasibilityCase>, public talvo::test::SelectionFixture
{
};

TEST_P(Feasibility, Decides)
{
    const FeasibilityCase& c = GetParam();
    for (const Stored& s : c.answers)
        answer(s.question, s.text, s.needed);
    session.LimeAssessed = c.limeAssessed;
    EXPECT_EQ(IsCountermeasureFeasible(state, session, name(c.countermeasure)), c.feasible) << c.label;
}

std::string caseName(const ::testing::TestParamInfo<FeasibilityCase>& info)
{
    return info.param.label;
}
void PrintTo(const FeasibilityCase& c, std::ostream* os)
{
    *os << c.label;
}

// Podsolic soil, slope 5: the base of the CEC and pH cases.
std::vector<Stored> podsolic(const QString& pH, const QString& cec)
{
    return {{0, "5"}, {10, "Podsolic "}, {28, pH}, {8, cec}};
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Feasibility,
    ::testing::Values(
        FeasibilityCase{"NoGroupAlwaysFeasible", 1, {{0, "80"}, {10, "Clay "}, {7, "Poor "}}, false, true},
        // Every shallow-ploughing countermeasure also carries a lime or potassium rule (slope > 15).
        FeasibilityCase{"ShallowSlope15Kept", 56, {{0, "15"}}, false, true},
        FeasibilityCase{"ShallowSlope20Dropped", 57, {{0, "20"}}, false, false},
        FeasibilityCase{"DeepSlope25Kept", 54, {{0, "25"}}, false, true},
        FeasibilityCase{"DeepSlope25_5Dropped", 55, {{0, "25.5"}}, false, false},
        FeasibilityCase{"ShallowShallowDrains", 57, {{5, " < 30cm "}}, false, false},
        FeasibilityCase{"ShallowMediumDrainsKept", 56, {{5, " 30cm - 60cm "}}, false, true},
        FeasibilityCase{"DeepMediumRocks", 54, {{4, " 30cm - 60cm "}}, false, false},
        FeasibilityCase{"DeepStonyTo60", 55, {{3, " > 35% by volume "}}, false, false},
        FeasibilityCase{
            "DeepDeepSoilKept", 55, {{1, " > 60cm "}, {4, " > 60cm "}, {5, "No Drains in Area "}}, false, true},
        FeasibilityCase{"PotassiumSlope15Kept", 14, {{0, "15"}, {10, "Sandy "}, {9, "No"}, {26, "100"}}, false, true},
        FeasibilityCase{"PotassiumSlope15_01Dropped", 14, {{0, "15.01"}}, false, false},
        FeasibilityCase{"PotassiumKStatus121", 14, {{0, "5"}, {10, "Sandy "}, {9, "No"}, {26, "121"}}, false, false},
        FeasibilityCase{"PotassiumKStatus120", 14, {{0, "5"}, {10, "Sandy "}, {9, "No"}, {26, "120"}}, false, true},
        // Under lime the CEC and pH decide, whatever the CEC-known answer.
        FeasibilityCase{"PotassiumUnderLimeByCec",
                        14,
                        {{0, "5"}, {10, "Sandy "}, {9, "No"}, {26, "10"}, {28, "5"}, {8, "15"}},
                        true,
                        false},
        FeasibilityCase{"PotassiumUnderLimeLowCec",
                        14,
                        {{0, "5"}, {10, "Sandy "}, {9, "No"}, {26, "500"}, {28, "5"}, {8, "14.9"}},
                        true,
                        true},
        FeasibilityCase{"PotassiumLoamyPh6_2", 19, {{10, "Loamy  "}, {9, "Yes"}, {28, "6.2"}, {8, "1"}}, false, false},
        FeasibilityCase{"PotassiumOneBlankLoamyNoRule", 19, {{10, "Loamy "}, {9, "Yes"}, {28, "6.2"}}, false, true},
        FeasibilityCase{
            "PotassiumPodsolicSecondWindow", 36, {{10, "Podsolic "}, {9, "Yes"}, {28, "5.1"}, {8, "14"}}, false, true},
        FeasibilityCase{
            "PotassiumPodsolicCec30", 36, {{10, "Podsolic "}, {9, "Yes"}, {28, "4.3"}, {8, "30"}}, false, false},
        FeasibilityCase{"PotassiumOrganicCec130",
                        40,
                        {{10, "Organic not waterlogged"}, {9, "Yes"}, {28, "4"}, {8, "130"}},
                        false,
                        false},
        FeasibilityCase{
            "PotassiumOrganicPh4_5NoCec", 40, {{10, "Organic not waterlogged"}, {9, "No"}, {28, "4.5"}}, false, false},
        FeasibilityCase{
            "PotassiumOrganicPh4_49NoCec", 40, {{10, "Organic not waterlogged"}, {9, "No"}, {28, "4.49"}}, false, true},
        FeasibilityCase{"PotassiumClay", 48, {{10, "Clay "}}, false, false},
        FeasibilityCase{"PotassiumCecUnanswered", 48, {{10, "Sandy "}, {26, "900"}, {28, "9"}}, false, true},
        FeasibilityCase{"LimePodsolicFeasible", 9, podsolic("4.3", "10"), false, true},
        FeasibilityCase{"LimePodsolicEmptyCec", 9, podsolic("4.3", ""), false, false},
        FeasibilityCase{"LimePodsolicCecNotANumber", 9, podsolic("4.3", "."), false, false},
        FeasibilityCase{"LimePodsolicPh4_4", 9, podsolic("4.4", "10"), false, false},
        FeasibilityCase{
            "LimeUnansweredPhIsAcid", 18, {{0, "5"}, {10, "Podsolic "}, {28, ""}, {8, "19.9"}}, false, true},
        FeasibilityCase{"LimeSlope15Kept", 32, {{0, "15"}, {10, "Podsolic "}, {28, "4"}, {8, "10"}}, false, true},
        FeasibilityCase{"LimeSandy", 41, {{10, "Sandy "}}, false, false},
        FeasibilityCase{
            "LimeOrganicSecondWindow", 41, {{10, "Organic not waterlogged"}, {28, "5.3"}, {8, "69"}}, false, true},
        FeasibilityCase{
            "LimeOrganicCec70", 41, {{10, "Organic not waterlogged"}, {28, "5.3"}, {8, "70"}}, false, false},
        FeasibilityCase{"PloughLimeKLoamy", 61, {{10, "Loamy  "}, {28, "4"}, {8, "5"}}, false, false},
        // pH 4.4 and CEC 20 pass the combined rule (> 4.4, > 20) but fail the lime rule (< 4.4 needed).
        FeasibilityCase{"PloughLimeKPodsolicEdge", 61, podsolic("4.4", "20"), false, false},
        FeasibilityCase{"PloughLimeKPodsolicGood", 61, podsolic("4.3", "10"), true, true},
        FeasibilityCase{
            "PloughLimeKOrganicCec100", 61, {{10, "Organic not waterlogged"}, {28, "4"}, {8, "100"}}, false, false},
        FeasibilityCase{"ImproveLandPeaty", 16, {{32, "Yes"}}, false, false},
        FeasibilityCase{"ImproveLandFertilisedOften", 30, {{11, "Yes"}, {21, "Every 3-5 years "}}, false, false},
        FeasibilityCase{"ImproveLandFertilisedRarely", 30, {{11, "Yes"}, {21, "Less Frequently "}}, false, true},
        FeasibilityCase{"ImproveLandSlope15", 50, {{0, "15"}, {2, " < 35% by volume "}}, false, true},
        FeasibilityCase{"IntensifyNoFertiliser", 17, {{11, "No"}}, false, false},
        FeasibilityCase{"IntensifyDensity1_5", 28, {{11, "Yes"}, {22, "1.5"}, {16, "90"}, {17, "70"}}, false, true},
        FeasibilityCase{"IntensifyDensity1_51", 28, {{11, "Yes"}, {22, "1.51"}}, false, false},
        FeasibilityCase{"IntensifyGrazingN91", 39, {{11, "Yes"}, {16, "91"}}, false, false},
        FeasibilityCase{"IntensifyMowingP101", 47, {{11, "Yes"}, {18, "Greater Than 10%"}, {19, "101"}}, false, false},
        FeasibilityCase{
            "IntensifyMowingUnderTenPercent", 47, {{11, "Yes"}, {18, "Less Than 10%"}, {20, "500"}}, false, true},
        // Not needed: the number reads 0, but a text answer counts as stored.
        FeasibilityCase{
            "NumberNotNeededReadsZero", 47, {{11, "Yes"}, {18, "Greater Than 10%"}, {20, "500", false}}, false, true},
        FeasibilityCase{"TextAnswerCountsWhenNotNeeded", 23, {{13, "Yes", false}, {14, "No", false}}, false, false},
        FeasibilityCase{"OilseedOnWinterRape", 58, {{33, "Winter Oilseed Rape"}}, false, false},
        FeasibilityCase{"OilseedOnPotatoes", 58, {{33, "Potatoes"}}, false, true},
        FeasibilityCase{"OilseedUnanswered", 58, {}, false, true},
        FeasibilityCase{"CleanRoughageLowland", 13, {{13, "No"}, {14, "No"}}, false, false},
        FeasibilityCase{"CleanRoughageLowlandFacilitiesIgnored", 11, {{13, "Yes"}, {14, "No"}}, false, true},
        FeasibilityCase{"DairyConcentrate65", 6, {{25, "65"}, {31, "Yes"}}, false, true},
        FeasibilityCase{"DairyConcentrate65_5", 2, {{25, "65.5"}}, false, false},
        FeasibilityCase{"SheepConcentrateNoCapacity", 24, {{12, "Yes"}, {23, "No"}}, false, false},
        FeasibilityCase{"SheepConcentrateCapacityIgnoredWithoutHousing", 8, {{12, ""}, {23, "No"}}, false, true},
        FeasibilityCase{"UplandCattleNoFacilities", 45, {{14, "No"}}, false, false},
        FeasibilityCase{"LowlandCattleFacilitiesIgnored", 33, {{14, "No"}}, false, true},
        FeasibilityCase{"AfforestSlope25", 51, {{0, "25"}, {6, "Class I, II, III "}}, false, true},
        FeasibilityCase{"AfforestVeryPoor", 59, {{7, "Very Poor "}}, false, false},
        FeasibilityCase{"HomeGrownSlope11", 5, {{0, "11"}, {15, "220"}, {27, " Class 4.1 or Better"}}, false, true},
        FeasibilityCase{"HomeGrownElevation220_5", 5, {{15, "220.5"}}, false, false},
        FeasibilityCase{"HomeGrownPoorLand", 5, {{27, " Worse than Class 4.1 "}}, false, false},
        FeasibilityCase{"SlopeNotANumberReadsZero", 22, {{0, "-"}}, false, true},
        FeasibilityCase{"NegativeSlope", 22, {{0, "-30"}}, false, true}),
    caseName);

TEST(FeasibilityNames, AreComparedWithTheirTrailingBlank)
{
    struct Fixture : talvo::test::SelectionFixture
    {
        bool feasible(const QString& text) { return IsCountermeasureFeasible(state, session, text); }
        void noFeed() { answer(13, QStringLiteral("No")); }
    } f;
    f.noFeed();
    EXPECT_FALSE(f.feasible(QStringLiteral("Administer AFCF to lowland sheep and fatten on clean roughage ")));
    EXPECT_TRUE(f.feasible(QStringLiteral("Administer AFCF to lowland sheep and fatten on clean roughage")));
}

} // namespace
