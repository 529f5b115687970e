#include "economics/core/CostBlocks.h"

// Formulas in the order of their table, left to right. A division by a work rate is made only where the
// branch taken needs it.

namespace talvo::costs {
namespace {

// The crop margin (£ per ha) of the existing crop; none for an answer outside the seven crops.
std::optional<Double> cropMargin(CostInputs& in)
{
    struct CropMargin
    {
        const char* crop;
        int record;
    };
    static const CropMargin margins[] = {
        {"Spring Barley", 133},       {"Winter Barley", 132}, {"Winter Wheat", 131}, {"Spring Oilseed Rape", 129},
        {"Winter Oilseed Rape", 130}, {"Swedes", 135},        {"Potatoes", 134},
    };
    for (const CropMargin& margin : margins) {
        if (in.Crop() == QLatin1String(margin.crop))
            return in.A(margin.record);
    }
    return std::nullopt;
}

std::optional<Double> timesCropArea(const std::optional<Double>& m, Double area)
{
    if (!m)
        return std::nullopt;
    return *m * area;
}

} // namespace

BlockResult DeerCosts(int k, CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    const Double HC = A(32) * A(99) * A(114) * A(115) / 1000;
    const Double VN = A(37) * A(36) * A(118);
    const Double SF = A(117) * A(35) + A(116) * A(34);
    switch (k) {
    case 49: { // "Supply hay and AFCF."
        Double G = 0;
        if (in.scenario() == Scenario::S1 || in.scenario() == Scenario::S2)
            G = A(32) * A(43) * A(45);
        else if (in.scenario() == Scenario::S3)
            G = A(32) * A(43) * 365;
        return {HC + G, VN + SF};
    }
    case 50: { // "Improve grassland and supply hay & AFCF."
        Double G2 = 0;
        if (in.scenario() == Scenario::S1 || in.scenario() == Scenario::S2)
            G2 = A(32) * A(43);
        else if (in.scenario() == Scenario::S3)
            G2 = A(32) * A(43) * 8;
        Double P = 0;
        if (IsYes(in.Plough()))
            P = (in.Div(A(28), 122) + in.Div(A(28), 123) + in.Div(A(28), 128)) * A(121) + A(28) * A(124);
        else if (IsNo(in.Plough()))
            P = (A(70) + A(125) + A(127)) * A(28) + A(28) * A(124);
        return {HC + G2 + P, VN + SF};
    }
    case 51: // "Afforestation of area where deer are."
        return {VN + SF, A(68) * A(4)};
    case 52: // "Cease hunting of deer."
        return {SF + VN, 0.0};
    default:
        return {};
    }
}

// The crop margin goes into the block's own record: into Benefit where the crop is kept, into Cost where it is
// given up.
BlockResult ArableCosts(int k, CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    const auto m = cropMargin(in);
    const auto cropValue = timesCropArea(m, A(19));
    const auto shallowPlough = [&in, &A] { return (in.Div(A(19), 123) + in.Div(A(19), 122)) * A(121); };
    const auto potassium = [&A] { return (A(120) - A(9)) * A(119) * A(27) * A(90) / 1000; };
    const auto fertilising = [&in, &A] { return in.Div(A(121) * A(19), 122); };
    const auto liming = [&A] { return A(89) * A(19) * A(91) + A(92) * A(19); };
    switch (k) {
    case 54: // "Deep plough."
    case 55: // "Skim & bury."
        return {A(126) * A(19), cropValue};
    case 56: { // "Shallow plough & apply K fertiliser."
        const Double PL = shallowPlough();
        const Double K = potassium();
        return {PL + K + fertilising(), cropValue};
    }
    case 57: { // "Shallow plough & apply lime."
        const Double PL = shallowPlough();
        return {PL + liming(), cropValue};
    }
    case 58: // "Grow oilseed rape instead of cereal or root crops."
        return {cropValue, A(129) * A(19)};
    case 59: // "Afforestation of arable land."
        return {cropValue, A(69) * A(19)};
    case 60: // "Leave arable land fallow."
        return {cropValue, 0.0};
    case 61: { // "Shallow plough & apply lime and K fertiliser."
        const Double K = potassium();
        const Double PL = shallowPlough();
        const Double FL = fertilising();
        return {K + PL + FL + liming(), cropValue};
    }
    default:
        return {};
    }
}

} // namespace talvo::costs
