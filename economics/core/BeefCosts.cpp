#include "economics/core/CostBlocks.h"

// Formulas in the order of their table, left to right. A division by a work rate is made only where the
// branch taken needs it.

namespace talvo::costs {
namespace {

Double liming(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    return A(89) * A(26) * A(91) + A(92) * A(26);
}

Double intensifyTwo(CostInputs& in, Double a)
{
    return (in.Div(a, 122) + in.Div(a, 123)) * in.A(121);
}

// A44 buys three boli per animal; the highest named scenario needs eight times as many.
std::optional<Double> uplandAfcf(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    if (in.scenario() == Scenario::S1 || in.scenario() == Scenario::S2)
        return A(44) * A(16);
    if (in.scenario() == Scenario::S3)
        return A(44) * A(16) * 8;
    return std::nullopt;
}

} // namespace

BlockResult LowlandBeefCosts(int k, CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    const Double margin = A(97) * A(13);
    switch (k) {
    case 31: // "Administer AFCF to lowland cattle."
        return {A(43) * A(13) * A(45), margin};
    case 32: // "Lime the soil where lowland beef cattle are."
        return {liming(in), margin};
    case 33: // "Fatten lowland cattle on clean feed."
        if (IsNo(in.Roughage()))
            return {0.0, margin};
        if (IsYes(in.Roughage()))
            return {A(105) * A(13) * A(106) * A(99) / 1000, margin};
        return {std::nullopt, margin};
    case 34: // "Afforestation of area where lowland beef cattle are."
        return {A(15) * A(13) * A(67) / 1000 + A(97) * A(13), A(69) * A(4)};
    case 35: // "Exclude production of lowland beef."
        return {A(15) * A(13) * A(67) / 1000 + A(97) * A(13), 0.0};
    case 36: { // "Apply K fertiliser to area where lowland beef cattle are."
        const Double K = PotassiumFertiliser(in);
        return {K + FertilisingLabour(in), margin};
    }
    default:
        return {};
    }
}

BlockResult UplandBeefCosts(int k, CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    const Double margin = A(98) * A(16);
    switch (k) {
    case 37: // "Administer AFCF to upland cattle."
        return {uplandAfcf(in), margin};
    case 38: { // "Improve land where upland beef cattle graze."
        const auto W3 = FullImprovement(in, A(28));
        return {W3 ? std::optional<Double>(*W3 + A(28) * A(124)) : std::nullopt, margin};
    }
    case 39: // "Intensify the use of improved land where upland beef cattle graze."
        return {A(29) * A(124) + Intensification(in, A(29)), margin};
    case 40: { // "Apply K fertiliser to where upland beef cattle graze."
        const Double F = FertilisingLabour(in);
        return {F + PotassiumFertiliser(in), margin};
    }
    case 41: // "Lime the soil where upland beef cattle graze."
        return {liming(in), margin};
    case 42: // "Sell upland cattle for fattening."
        return {(A(76) - A(77)) * A(16), A(16) * A(82)};
    case 43: // "Exclude production of upland cattle."
        return {A(98) * A(16) + A(16) * A(15) * A(67) / 1000, 0.0};
    case 44: // "Afforestation of area where upland beef cattle are."
        return {A(98) * A(16) + A(16) * A(15) * A(67) / 1000, A(68) * A(4)};
    case 45: { // "Fatten upland cattle on clean feed."
        Double X = 0;
        if (IsYes(in.Roughage())) {
            if (in.scenario() == Scenario::S1 || in.scenario() == Scenario::S2)
                X = A(16) * A(108) * A(110) * A(99) / 1000;
            else if (in.scenario() == Scenario::S3)
                X = A(16) * A(109) * A(110) * A(99) / 1000;
        }
        return {X, margin};
    }
    case 46: { // "Administer AFCF to upland cattle & improve land."
        const Double G = uplandAfcf(in).value_or(0);
        const auto W2 = ShortImprovement(in, A(28));
        const Double P = W2 ? *W2 + A(28) * A(124) : 0;
        return {G + P, margin};
    }
    case 47: { // "Administer AFCF to upland cattle & intensify improved land."
        const Double G = uplandAfcf(in).value_or(0);
        return {G + (intensifyTwo(in, A(29)) + A(29) * A(124)), margin};
    }
    case 48: { // "Administer AFCF to upland cattle & apply K fertiliser."
        const Double G = uplandAfcf(in).value_or(0);
        const Double F = FertilisingLabour(in);
        return {F + PotassiumFertiliser(in) + G, margin};
    }
    default:
        return {};
    }
}

} // namespace talvo::costs
