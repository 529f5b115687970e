#include "selection/core/LimitationAssessment.h"

#include "selection/core/LimitationAnswers.h"

#include <algorithm>
#include <vector>

namespace talvo {
namespace {

enum class Effect { None, Lime, Potassium };

struct AssessmentRule
{
    std::vector<int> countermeasures; // catalogue indexes
    std::vector<int> questions;       // limitation record indexes
    Effect effect = Effect::None;
};

const std::vector<AssessmentRule>& assessmentRules()
{
    using namespace lq;
    static const std::vector<AssessmentRule> rules = {
        {{0, 7, 13, 15, 26, 27, 28, 29, 30, 31, 37, 46, 47, 48}, {SoilType}},
        {{54, 55}, {Slope, SoilDepth, Stoniness60, Rocks, DrainDepth, SoilWetness, Drainage}},
        {{56, 57, 61}, {Slope, SoilDepth, Rocks, DrainDepth, SoilWetness, Drainage}},
        {{9, 18, 32, 41, 57, 61}, {Slope, CEC, KnowCEC, SoilType, pH}, Effect::Lime},
        {{14, 19, 29, 36, 40, 48, 56}, {Slope, CEC, KnowCEC, SoilType, Kstatus, pH}, Effect::Potassium},
        {{16, 30, 38, 46, 50},
         {Slope, SoilDepth, Stoniness30, Rocks, SoilWetness, Drainage, Fertilise, GrazingN, GrazingP,
          FertiliseFrequency, PeatySurfaceDepth}},
        {{17, 28, 39, 47},
         {Fertilise, GrazingN, GrazingP, PercentGrassMowed, MowingP, MowingN, FertiliseFrequency, StockDensity}},
        {{11, 13, 23, 26}, {CleanFeedAvail, FeedFacAvail}},
        {{33}, {CleanFeedAvail, FeedFacAvail, CleanConcAvailable}},
        {{45}, {CleanFeedAvail, FeedFacAvail}},
        {{2, 6}, {EnrgyConcentrate, CleanConcAvailable}},
        {{5}, {EnrgyConcentrate}},
        {{4, 12, 22, 34, 44, 51, 59}, {Slope, SoilDepth, SoilWetness, Drainage}},
        {{5}, {Slope, SoilDepth, Stoniness30, Rocks, DrainDepth, SoilWetness, Drainage, Elev, LandSuitabilityClass}},
        {{8, 24}, {HousingAvail, HouseCapacity, CleanConcAvailable}},
        {{20, 23, 25, 26, 27, 42, 45}, {AnimalSell}},
        {{16, 22, 30, 38, 44, 46, 50, 51}, {RoughGrazing}},
        {{54, 55, 56, 57, 58, 59, 60, 61}, {ExistCrop}},
    };
    return rules;
}

bool inGroup(const AssessmentState& state, const std::vector<int>& group, const QString& name)
{
    return std::any_of(group.begin(), group.end(),
                       [&](int index) { return state.Countermeasures(index).Name == name; });
}

} // namespace

void SetLimitationAssessment(AssessmentState& state, SelectionSession& session, const QString& Countermeasure)
{
    for (const AssessmentRule& rule : assessmentRules()) {
        if (!inGroup(state, rule.countermeasures, Countermeasure))
            continue;
        for (int question : rule.questions)
            state.LimitationQuestions(question).Needed = true;
        if (rule.effect == Effect::Lime) {
            session.LimeAssessed = true;
            state.LimitationQuestions(lq::KnowCEC).AnswerText = answer::Yes;
        } else if (rule.effect == Effect::Potassium) {
            session.PotassiumAssessed = true;
        }
    }
}

void DisableAllLimitationQuestions(AssessmentState& state, SelectionSession& session)
{
    for (auto& question : state.LimitationQuestions)
        question.Needed = false;
    session.LimeAssessed = false;
    session.PotassiumAssessed = false;
}

LimitationLayout AssessSelectedCountermeasures(AssessmentState& state, SelectionSession& session,
                                               const QStringList& selectedItems)
{
    for (const QString& item : selectedItems)
        SetLimitationAssessment(state, session, item);
    return FillLimitationsFrame(state, session);
}

} // namespace talvo
