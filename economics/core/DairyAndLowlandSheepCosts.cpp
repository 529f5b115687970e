#include "economics/core/CostBlocks.h"

// Every formula is written in the order of its table, left to right: the rounding of Double arithmetic follows
// that order.

namespace talvo::costs {
namespace {

Double supplyCaCost(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    return (A(47) - A(33)) * A(0) * 365 * A(46) / 1000000;
}

Double cleanConcentrateCost(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    return ((A(55) - A(53)) * A(51) + (A(54) - A(52)) * A(50)) * A(0) * A(49) / 1000;
}

Double cleanConcentrateBenefit(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    return A(65) * A(0) * A(48) + (A(58) - A(59)) * A(0) * A(62) + (A(60) - A(61)) * A(0) * A(63) +
           A(51) * A(0) * A(64) * A(49) / 1000;
}

// "Feed dairy cows concentrate grown on the farm.": barley grown on the existing barley area and on converted
// grassland replaces bought concentrate.
BlockResult homeGrownBarley(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    // The barley area is asked only when barley is grown; an answer left from before must not count.
    const Double A2 = IsYes(in.BarleyGrown()) ? A(2) : 0;

    const Double T = ((A(57) - A(53)) * A(51) + (A(56) - A(52)) * A(50)) * A(0) / 1000;
    const Double H = in.Div(T, 25);
    const Double U = A(5) + A2 < H ? A(5) + A2 : H;
    const Double C1 = (H - U) * A(25) * A(49);
    Double C2 = 0;
    Double C3 = 0;
    Double B1 = 0;
    Double B3 = 0;
    Double B4 = 0;
    if (U > A2) {
        C2 = (U - A2) * A(70);
        C3 = (U - A2) * A(71);
        B1 = ((A(53) * A(51) + A(52) * A(50)) - A2 * A(25) * A(49)) * A(0) / 1000;
        B3 = (U - A2) * A(62);
        B4 = (U - A2) * A(63);
    }
    return {C1 + C2 + C3, B1 + A(65) * A(0) * A(48) + B3 + B4};
}

// Roughage bought in for the lambs when the home supply is contaminated, under the two higher scenarios.
Double lowlandRoughage(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    if (!IsYes(in.Roughage()))
        return 0;
    if (in.scenario() == Scenario::S2)
        return A(100) * A(6) * A(107) * A(99) / 1000;
    if (in.scenario() == Scenario::S3)
        return A(6) * A(101) * A(107) * A(99) / 1000;
    return 0;
}

} // namespace

BlockResult DairyCosts(int k, CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    const Double milkMargin = A(65) * A(0) * A(48);
    switch (k) {
    case 0: // "Administer AFCF to dairy cows."
        return {A(42) * A(0) * 365, milkMargin};
    case 1: // "Supply Ca."
        return {supplyCaCost(in), milkMargin};
    case 2: // "Feed dairy cows clean concentrate."
        return {cleanConcentrateCost(in), cleanConcentrateBenefit(in)};
    case 3: // "Exclude production of dairy cows."
        return {A(65) * A(0) * A(48) + A(3) * A(0) * A(67) / 1000, 0.0};
    case 4: // "Afforestation of area where dairy cows are."
        return {A(66) * A(4) * A(48) + A(3) * A(0) * A(67) / 1000, A(69) * A(4)};
    case 5: // "Feed dairy cows concentrate grown on the farm."
        return homeGrownBarley(in);
    case 6: // "Supply Ca & feed clean concentrate."
        return {supplyCaCost(in) + cleanConcentrateCost(in), cleanConcentrateBenefit(in)};
    default:
        return {};
    }
}

BlockResult LowlandSheepCosts(int k, CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    const Double lambPrice = A(73) * A(6);
    switch (k) {
    case 7: // "Administer AFCF to lowland sheep."
        return {A(72) * A(6), lambPrice};
    case 8: // "Fatten lowland lambs on clean concentrate."
        return {(90 - A(85) * A(83)) * A(6) * A(86) / 1000, lambPrice};
    case 9: // "Lime the soil of the lowland sheep farm."
        return {A(89) * A(26) * A(91) + A(92) * A(26), lambPrice};
    case 10: // "Exclude production of lowland sheep."
        return {A(93) * A(39) / 100 + A(41) * A(39) * A(67) / 1000, 0.0};
    case 11: // "Fatten lowland lambs on clean roughage."
        return {lowlandRoughage(in), lambPrice};
    case 12: // "Afforestation of area where lowland sheep are."
        return {A(4) * A(94) + A(41) * A(39) * A(67) / 1000, A(69) * A(4)};
    case 13: // "Administer AFCF to lowland sheep and fatten on clean roughage "
        return {lowlandRoughage(in) + A(72) * A(6), lambPrice};
    case 14: { // "Apply K fertiliser to area where lowland sheep graze."
        const Double K = (A(120) - A(9)) * A(119) * A(27) * A(90) / 1000;
        return {K + in.Div(A(121) * A(27), 122), lambPrice};
    }
    default:
        return {};
    }
}

} // namespace talvo::costs
