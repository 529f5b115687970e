#pragma once

// The formula blocks behind CalculateEconomics, one function per farm type. Internal to economics_core.

#include "tables/core/AssessmentState.h"

#include <optional>
#include <vector>

namespace talvo::costs {

enum class Scenario { S1, S2, S3, Other };

// What the formulas read. A(n) is EconomicQuestions(n).AnswerValue. Div(x, n) is x / A(n); a zero A(n) is
// recorded instead of divided by, and the block's result is then thrown away by the caller.
class CostInputs
{
public:
    explicit CostInputs(const AssessmentState& state);

    Double A(int n) const { return state_.EconomicQuestions(n).AnswerValue; }
    Double Div(Double numerator, int n);

    Scenario scenario() const { return scenario_; }
    bool underS1toS3() const { return scenario_ != Scenario::Other; }
    // The answer texts the blocks branch on, compared exactly.
    const QString& Roughage() const; // "Is the existing supply of roughage contaminated?"
    const QString& Plough() const;   // "Is a plough available at no extra cost?"
    const QString& BarleyGrown() const;
    const QString& Sale() const; // "How do you mainly sell your animals?"
    const QString& Crop() const; // "What is the crop?"

    const std::vector<int>& ZeroDivisors() const { return zeroDivisors_; }

private:
    const AssessmentState& state_;
    Scenario scenario_;
    std::vector<int> zeroDivisors_;
};

bool IsYes(const QString& answer);
bool IsNo(const QString& answer);

// An empty field keeps the value the catalogue already holds.
struct BlockResult
{
    std::optional<Double> Cost;
    std::optional<Double> Benefit;
};

using BlockFormulas = BlockResult (*)(int k, CostInputs& in);

struct FarmTypeBlocks
{
    const char* farmType;
    int first; // catalogue indexes of the farm type's countermeasures
    int last;
    BlockFormulas formulas;
};

BlockResult DairyCosts(int k, CostInputs& in);        // 0 to 6
BlockResult LowlandSheepCosts(int k, CostInputs& in); // 7 to 14
BlockResult UplandSheepCosts(int k, CostInputs& in);  // 15 to 30
BlockResult LowlandBeefCosts(int k, CostInputs& in);  // 31 to 36
BlockResult UplandBeefCosts(int k, CostInputs& in);   // 37 to 48
BlockResult DeerCosts(int k, CostInputs& in);         // 49 to 52
BlockResult ArableCosts(int k, CostInputs& in);       // 54 to 61

// Grassland work shared by the upland sheep and beef blocks.
Double PotassiumFertiliser(CostInputs& in); // K fertiliser on the K area A27
Double FertilisingLabour(CostInputs& in);   // own labour to spread it
// Fertilising, ploughing and sowing a hectares: own labour when the plough is free, contractors otherwise;
// nothing when the plough question has no answer.
std::optional<Double> FullImprovement(CostInputs& in, Double a);
// The same without sowing.
std::optional<Double> ShortImprovement(CostInputs& in, Double a);
// Fertilising, ploughing and sowing a hectares with own labour.
Double Intensification(CostInputs& in, Double a);

// The farm types in the order they are compared.
const std::vector<FarmTypeBlocks>& AllFarmTypeBlocks();

} // namespace talvo::costs
