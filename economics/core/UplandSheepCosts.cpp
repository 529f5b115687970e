#include "economics/core/CostBlocks.h"

// Formulas in the order of their table, left to right. A division by a work rate is made only where the
// branch taken needs it, so only then can a zero rate stop the block.

namespace talvo::costs {
namespace {

// Roughage days by scenario; none outside the three named ones.
std::optional<Double> roughageDays(CostInputs& in)
{
    switch (in.scenario()) {
    case Scenario::S1:
        return in.A(102);
    case Scenario::S2:
        return in.A(103);
    case Scenario::S3:
        return in.A(104);
    case Scenario::Other:
        break;
    }
    return std::nullopt;
}

std::optional<Double> roughageCost(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    const auto D = roughageDays(in);
    if (!IsYes(in.Roughage()) || !D)
        return std::nullopt;
    return *D * A(6) * A(107) * A(99) / 1000;
}

BlockResult earlySale(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    // Each option text ends in one blank.
    if (in.Sale() == QStringLiteral("Finished for slaughter "))
        return {(A(74) - A(79) * A(31)) * A(6), A(136) * A(30)};
    if (in.Sale() == QStringLiteral("For fattening elsewhere "))
        return {(A(75) - A(79) * A(31)) * A(6), A(80) * A(30)};
    return {};
}

} // namespace

BlockResult UplandSheepCosts(int k, CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    const Double sheepPrice = A(6) * A(74);
    const Double eweMargin = A(95) * A(40) / 100;
    const Double lambMargin = A(6) * A(95) / 100;
    switch (k) {
    case 15: // "Administer AFCF to upland sheep."
        return {A(72) * A(6), sheepPrice};
    case 16: { // "Improve land where upland sheep are."
        const auto W3 = FullImprovement(in, A(28));
        return {W3 ? std::optional<Double>(*W3 + A(28) * A(124)) : std::nullopt, eweMargin};
    }
    case 17: // "Intensify the use of improved land where upland sheep are."
        return {Intensification(in, A(29)) + A(29) * A(124), eweMargin};
    case 18: // "Lime the soil where upland sheep are."
        return {A(89) * A(26) * A(91) + A(92) * A(26), lambMargin};
    case 19: { // "Apply K fertiliser to area where upland sheep graze."
        const Double K = PotassiumFertiliser(in);
        return {K + FertilisingLabour(in), lambMargin};
    }
    case 20: // "Sell upland lambs early for fattening."
        return earlySale(in);
    case 21: { // "Exclude production of upland sheep."
        const Double M = A(95) * A(40) / 100;
        return {A(41) * A(40) * A(67) / 1000 + M, 0.0};
    }
    case 22: // "Afforestation of area where upland sheep are."
        return {A(4) * A(96) + A(41) * A(40) * A(67) / 1000, A(68) * A(4)};
    case 23: // "Fatten upland sheep on clean roughage."
        if (IsNo(in.Roughage()))
            return {0.0, sheepPrice};
        return {roughageCost(in), sheepPrice};
    case 24: // "Fatten upland sheep on clean concentrate."
        return {(90 - A(84) * A(85)) * A(6) * A(86) / 1000, sheepPrice};
    case 25: // "Sell upland lambs for fattening."
        return {(A(74) - A(75)) * A(6), A(6) * A(81)};
    case 26: // "Administer AFCF to upland sheep & fatten on clean roughage."
        return {roughageCost(in).value_or(0) + A(72) * A(6), sheepPrice};
    case 27: // "Administer AFCF to upland sheep &  sell for fattening."
        return {A(72) * A(6) + (A(74) - A(75)) * A(6), A(6) * A(81)};
    case 28: // "Administer AFCF to upland sheep & intensify improved land."
        return {A(72) * A(6) + A(29) * A(124) + Intensification(in, A(29)), eweMargin};
    case 29: { // "Administer AFCF to upland sheep & apply K fertiliser."
        const Double K = PotassiumFertiliser(in);
        return {K + A(72) * A(6) + FertilisingLabour(in), lambMargin};
    }
    case 30: { // "Administer AFCF to upland sheep & improve land."
        const auto W2 = ShortImprovement(in, A(28));
        const Double P = W2 ? *W2 + A(28) * A(124) : 0;
        return {A(72) * A(6) + P, eweMargin};
    }
    default:
        return {};
    }
}

} // namespace talvo::costs
