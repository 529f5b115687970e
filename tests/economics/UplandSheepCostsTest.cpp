#include "CostTestSupport.h"

using namespace talvo;
using namespace talvo::test;

namespace {

const char* const Slaughter = "Finished for slaughter ";
const char* const Elsewhere = "For fattening elsewhere ";

// 300 lambs, 50 ha to afforest, 20 kg K now, 40 ha to lime, 30 ha for K, 20 ha to improve, 15 ha to intensify,
// 100 lambs of 25 kg to wean early, 250 ewes of 60 kg; plough free, roughage contaminated, lambs finished for
// slaughter; first scenario.
void uplandSheepFarm(AssessmentState& state)
{
    SetValues(
        state,
        {{4, 50}, {6, 300}, {9, 20}, {26, 40}, {27, 30}, {28, 20}, {29, 15}, {30, 100}, {31, 25}, {40, 250}, {41, 60}});
    SetText(state, 11, "Yes");
    SetText(state, 17, "Yes");
    state.LimitationQuestions(29).AnswerText = QString::fromLatin1(Slaughter);
}

void ploughNo(AssessmentState& s)
{
    SetText(s, 17, "No");
}

class UplandSheepCosts : public CostCaseTest
{
};

TEST_P(UplandSheepCosts, MatchHandComputedAmounts)
{
    Check("Sheep on Upland/Hill Farm", S1, uplandSheepFarm);
}

INSTANTIATE_TEST_SUITE_P(
    Blocks, UplandSheepCosts,
    ::testing::Values(
        CostCase{"AFCF", "Administer AFCF to upland sheep.", nullptr, 1350, 12000, "1350", "12000", "10650"},
        // Own labour: (20/3 + 20/0.9 + 20/10.4) x 6.1 + 20 x 96; margin 3937 x 250 / 100 = 9842.5
        CostCase{"ImproveOwnPlough", "Improve land where upland sheep are.", nullptr, 2107.9529914529912, 9842.5,
                 "2108", "9842", "7735"},
        // Contractors: (35 + 14.4 + 14.4) x 20 + 20 x 96
        CostCase{"ImproveContractors", "Improve land where upland sheep are.", ploughNo, 3196, 9842.5, "3196", "9842",
                 "6646"},
        CostCase{"ImproveNoArea", "Improve land where upland sheep are.",
                 [](AssessmentState& s) {
                     SetValues(s, {{28, 0}});
                 },
                 0, 9842.5, "0", "9842", "9842"},
        CostCase{"IntensifyNoArea", "Intensify the use of improved land where upland sheep are.",
                 [](AssessmentState& s) {
                     SetValues(s, {{29, 0}});
                 },
                 0, 9842.5, "0", "9842", "9842"},
        CostCase{"Intensify", "Intensify the use of improved land where upland sheep are.", nullptr, 1580.9647435897436,
                 9842.5, "1581", "9842", "8262"},
        CostCase{"Lime", "Lime the soil where upland sheep are.", nullptr, 2640, 11811, "2640", "11811", "9171"},
        CostCase{"Potassium", "Apply K fertiliser to area where upland sheep graze.", nullptr, 694.6, 11811, "695",
                 "11811", "11116"},
        // (40 - 0.8 x 25) x 300 and 8.4 x 100
        CostCase{"EarlySaleSlaughter", "Sell upland lambs early for fattening.", nullptr, 6000, 840, "6000", "840",
                 "-5160"},
        CostCase{"EarlySaleElsewhere", "Sell upland lambs early for fattening.",
                 [](AssessmentState& s) { s.LimitationQuestions(29).AnswerText = QString::fromLatin1(Elsewhere); },
                 4200, 420, "4200", "420", "-3780"},
        // 375 + 9842.5
        CostCase{"Exclude", "Exclude production of upland sheep.", nullptr, 10217.5, 0, "10218", "0", "-10218"},
        // The lost margin 50 x 328 and the ewes to landfill 375
        CostCase{"Afforest", "Afforestation of area where upland sheep are.", nullptr, 16775, 2500, "16775", "2500",
                 "-14275"},
        // 30 x 328 + 55 x 420 x 25 / 1000: amounts of an exact half go to the even pound
        CostCase{"AfforestHalfPounds", "Afforestation of area where upland sheep are.",
                 [](AssessmentState& s) {
                     SetValues(s, {{4, 30}, {40, 420}, {41, 55}});
                 },
                 10417.5, 1500, "10418", "1500", "-8918"},
        // The margin asked is the margin counted.
        CostCase{"AfforestOwnMargin", "Afforestation of area where upland sheep are.",
                 [](AssessmentState& s) {
                     SetValues(s, {{4, 30}, {40, 420}, {41, 55}, {96, 9999}});
                 },
                 300547.5, 1500, "300548", "1500", "-299048"},
        // 63 days x 300 x 1 x 60 / 1000 under the first scenario
        CostCase{"RoughageS1", "Fatten upland sheep on clean roughage.", nullptr, 1134, 12000, "1134", "12000",
                 "10866"},
        CostCase{"RoughageS3", "Fatten upland sheep on clean roughage.",
                 [](AssessmentState& s) { s.DepositionScenario = S3; }, 1890, 12000, "1890", "12000", "10110"},
        CostCase{"RoughageClean", "Fatten upland sheep on clean roughage.",
                 [](AssessmentState& s) { SetText(s, 11, "No"); }, 0, 12000, "0", "12000", "12000"},
        CostCase{"Concentrate", "Fatten upland sheep on clean concentrate.", nullptr, 1992.6, 12000, "1993", "12000",
                 "10007"},
        CostCase{"SellForFattening", "Sell upland lambs for fattening.", nullptr, 1800, 1260, "1800", "1260", "-540"},
        CostCase{"AfcfAndRoughage", "Administer AFCF to upland sheep & fatten on clean roughage.", nullptr, 2484, 12000,
                 "2484", "12000", "9516"},
        // No roughage days under the fourth scenario: the twin counts the roughage as 0.
        CostCase{"AfcfAndRoughageS4", "Administer AFCF to upland sheep & fatten on clean roughage.",
                 [](AssessmentState& s) { s.DepositionScenario = S4; }, 1350, 12000, "1350", "12000", "10650"},
        CostCase{"AfcfAndSell", "Administer AFCF to upland sheep &  sell for fattening.", nullptr, 3150, 1260, "3150",
                 "1260", "-1890"},
        CostCase{"AfcfAndIntensify", "Administer AFCF to upland sheep & intensify improved land.", nullptr,
                 2930.9647435897436, 9842.5, "2931", "9842", "6912"},
        CostCase{"AfcfAndPotassium", "Administer AFCF to upland sheep & apply K fertiliser.", nullptr, 2044.6, 11811,
                 "2045", "11811", "9766"},
        // Fertilising and ploughing labour, no sowing: (20/3 + 20/0.9) x 6.1 + 1920 + 1350
        CostCase{"AfcfAndImproveOwnPlough", "Administer AFCF to upland sheep & improve land.", nullptr,
                 3446.222222222222, 9842.5, "3446", "9842", "6396"},
        // Ploughing and fertilising contractors, no sowing contractor: (35 + 14.4) x 20 + 1920 + 1350
        CostCase{"AfcfAndImproveContractors", "Administer AFCF to upland sheep & improve land.", ploughNo, 4258, 9842.5,
                 "4258", "9842", "5584"},
        CostCase{"AfcfAndImproveUnanswered", "Administer AFCF to upland sheep & improve land.",
                 [](AssessmentState& s) { SetText(s, 17, ""); }, 1350, 9842.5, "1350", "9842", "8492"}),
    LabelOf);

// Where a block says the field keeps its value, an earlier calculation's amount stays and the net benefit is
// computed from it.
struct KeptCase
{
    const char* label;
    const char* countermeasure;
    std::function<void(AssessmentState&)> answers;
    bool costKept;
    bool benefitKept;
};

std::ostream& operator<<(std::ostream& out, const KeptCase& c)
{
    return out << c.label;
}

class UplandSheepKeptValues : public ::testing::TestWithParam<KeptCase>
{
};

TEST_P(UplandSheepKeptValues, KeepEarlierAmounts)
{
    const KeptCase& c = GetParam();
    AssessmentState state;
    InitialiseReferenceTables(state);
    state.AgricultureType = QStringLiteral("Sheep on Upland/Hill Farm");
    state.DepositionScenario = S1;
    uplandSheepFarm(state);
    c.answers(state);
    const QString name = QString::fromLatin1(c.countermeasure);
    CountermeasureRecord& record = state.Countermeasures(CatalogueIndex(state, name));
    record.Cost = 1234.5;
    record.Benefit = 99.25;
    EconomicSession session;
    EXPECT_FALSE(CalculateEconomics(state, session, name));
    EXPECT_EQ(record.Cost == 1234.5, c.costKept);
    EXPECT_EQ(record.Benefit == 99.25, c.benefitKept);
    EXPECT_EQ(record.NetBenefit, record.Benefit - record.Cost);
    if (c.costKept) { // 1234.5 shows as 1234
        EXPECT_EQ(session.CountermeasureCostsText, Line(name, "1234"));
    }
}

INSTANTIATE_TEST_SUITE_P(Branches, UplandSheepKeptValues,
                         ::testing::Values(KeptCase{"ImprovePloughUnanswered", "Improve land where upland sheep are.",
                                                    [](AssessmentState& s) { SetText(s, 17, ""); }, true, false},
                                           // The option text lacks its trailing blank.
                                           KeptCase{"EarlySaleWithoutBlank", "Sell upland lambs early for fattening.",
                                                    [](AssessmentState& s) {
                                                        s.LimitationQuestions(29).AnswerText =
                                                            QStringLiteral("Finished for slaughter");
                                                    },
                                                    true, true},
                                           KeptCase{"RoughageS4", "Fatten upland sheep on clean roughage.",
                                                    [](AssessmentState& s) { s.DepositionScenario = S4; }, true, false},
                                           KeptCase{"RoughageUnanswered", "Fatten upland sheep on clean roughage.",
                                                    [](AssessmentState& s) { SetText(s, 11, ""); }, true, false}),
                         LabelOf);

} // namespace
