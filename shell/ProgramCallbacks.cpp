#include "shell/ProgramCallbacks.h"

#include "economics/core/EconomicInformation.h"
#include "economics/core/EconomicQuestionSelection.h"
#include "economics/core/EconomicSession.h"
#include "selection/core/LimitationAssessment.h"
#include "selection/core/LimitationCompleteness.h"
#include "selection/core/SelectionSession.h"

namespace talvo {

CaseFileCallbacks ProgramCaseFileCallbacks()
{
    CaseFileCallbacks callbacks;
    callbacks.DisableAllLimitationQuestions = [](AssessmentState& state) {
        DisableAllLimitationQuestions(state, TheSelectionSession());
    };
    callbacks.SetLimitationAssessment = [](AssessmentState& state, const QString& countermeasure) {
        SetLimitationAssessment(state, TheSelectionSession(), countermeasure);
    };
    callbacks.SetLimitationInformation = [](const AssessmentState& state) { return SetLimitationInformation(state); };
    callbacks.WhichCosts = [](AssessmentState& state, const QString& countermeasure) {
        WhichCosts(state, countermeasure);
    };
    callbacks.WriteEconomicInformation = [](const AssessmentState& state) {
        return WriteEconomicInformation(state, TheEconomicSession());
    };
    callbacks.CountermeasureCostsText = [] { return TheEconomicSession().CountermeasureCostsText; };
    callbacks.CountermeasureBenefitsText = [] { return TheEconomicSession().CountermeasureBenefitsText; };
    callbacks.CostBenefitSummaryText = [] { return TheEconomicSession().CostBenefitSummaryText; };
    callbacks.EconomicVariablesText = [] { return TheEconomicSession().EconomicVariablesText; };
    return callbacks;
}

} // namespace talvo
