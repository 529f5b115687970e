#include "economics/core/CostBlocks.h"

#include <algorithm>

namespace talvo::costs {
namespace {

constexpr int RoughageRecord = 11;
constexpr int PloughRecord = 17;
constexpr int BarleyGrownRecord = 1;
constexpr int SaleQuestion = 29;
constexpr int CropQuestion = 33;

// The blanks in front are part of the names.
Scenario scenarioOf(const QString& text)
{
    if (text == QStringLiteral(" 100 Cs137 / 2 Sr90 / 1 Pu241"))
        return Scenario::S1;
    if (text == QStringLiteral(" 100 Cs137 / 100 Sr90 / 1 Pu241"))
        return Scenario::S2;
    if (text == QStringLiteral("1000 Cs137 / 200 Sr90 / 10 Pu241"))
        return Scenario::S3;
    return Scenario::Other;
}

} // namespace

CostInputs::CostInputs(const AssessmentState& state) : state_(state), scenario_(scenarioOf(state.DepositionScenario)) {}

Double CostInputs::Div(Double numerator, int n)
{
    const Double divisor = A(n);
    if (divisor == 0) {
        if (std::find(zeroDivisors_.begin(), zeroDivisors_.end(), n) == zeroDivisors_.end())
            zeroDivisors_.push_back(n);
        return 0;
    }
    return numerator / divisor;
}

const QString& CostInputs::Roughage() const
{
    return state_.EconomicQuestions(RoughageRecord).AnswerText;
}
const QString& CostInputs::Plough() const
{
    return state_.EconomicQuestions(PloughRecord).AnswerText;
}
const QString& CostInputs::BarleyGrown() const
{
    return state_.EconomicQuestions(BarleyGrownRecord).AnswerText;
}
const QString& CostInputs::Sale() const
{
    return state_.LimitationQuestions(SaleQuestion).AnswerText;
}
const QString& CostInputs::Crop() const
{
    return state_.LimitationQuestions(CropQuestion).AnswerText;
}

bool IsYes(const QString& answer)
{
    return answer == QStringLiteral("Yes");
}
bool IsNo(const QString& answer)
{
    return answer == QStringLiteral("No");
}

const std::vector<FarmTypeBlocks>& AllFarmTypeBlocks()
{
    static const std::vector<FarmTypeBlocks> blocks = {
        {"Dairy Production", 0, 6, DairyCosts},
        {"Sheep on Lowland Farm", 7, 14, LowlandSheepCosts},
        {"Sheep on Upland/Hill Farm", 15, 30, UplandSheepCosts},
        {"Beef Production on Lowland Farm", 31, 36, LowlandBeefCosts},
        {"Beef Production on Upland/Hill Farm", 37, 48, UplandBeefCosts},
        {"Management for Deer", 49, 52, DeerCosts},
        {"Arable Production", 54, 61, ArableCosts},
    };
    return blocks;
}

Double PotassiumFertiliser(CostInputs& in)
{
    const auto A = [&in](int n) { return in.A(n); };
    return (A(120) - A(9)) * A(119) * A(27) * A(90) / 1000;
}

Double FertilisingLabour(CostInputs& in)
{
    return in.Div(in.A(121) * in.A(27), 122);
}

std::optional<Double> FullImprovement(CostInputs& in, Double a)
{
    const auto A = [&in](int n) { return in.A(n); };
    if (IsYes(in.Plough()))
        return (in.Div(a, 122) + in.Div(a, 123) + in.Div(a, 128)) * A(121);
    if (IsNo(in.Plough()))
        return (A(70) + A(125) + A(127)) * a;
    return std::nullopt;
}

std::optional<Double> ShortImprovement(CostInputs& in, Double a)
{
    const auto A = [&in](int n) { return in.A(n); };
    if (IsYes(in.Plough()))
        return (in.Div(a, 122) + in.Div(a, 123)) * A(121);
    if (IsNo(in.Plough()))
        return (A(70) + A(125)) * a;
    return std::nullopt;
}

Double Intensification(CostInputs& in, Double a)
{
    return (in.Div(a, 122) + in.Div(a, 123) + in.Div(a, 128)) * in.A(121);
}

} // namespace talvo::costs
