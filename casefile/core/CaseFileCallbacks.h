#pragma once

#include "tables/core/AssessmentState.h"

#include <QString>

#include <functional>

namespace talvo {

// The procedures of the selection and economic wizards that the evaluation file and the text report call. The
// program wires them once at start-up to the cores that own them; an unset entry does nothing and gives an
// empty text, so the casefile can be used (and tested) on its own.
struct CaseFileCallbacks
{
    // Clears the Needed flags of the limitation questions together with the lime and potassium flags.
    std::function<void(AssessmentState&)> DisableAllLimitationQuestions;
    // Marks the limitation questions one final countermeasure needs (may preset the CEC-known answer).
    std::function<void(AssessmentState&, const QString& Countermeasure)> SetLimitationAssessment;
    // The text of RichTextBoxLimitationsInformation, built from the Needed flags and answers.
    std::function<QString(const AssessmentState&)> SetLimitationInformation;
    // Marks the economic questions one final countermeasure needs.
    std::function<void(AssessmentState&, const QString& Countermeasure)> WhichCosts;
    // Rebuilds EconomicVariablesText from the Needed flags and returns it (for RichTextBoxEconomicInformation).
    std::function<QString(const AssessmentState&)> WriteEconomicInformation;

    // The economic wizard's texts that outlive it, read by the text report in this order.
    std::function<QString()> CountermeasureCostsText;
    std::function<QString()> CountermeasureBenefitsText;
    std::function<QString()> CostBenefitSummaryText;
    std::function<QString()> EconomicVariablesText;
};

// The process-wide set that the results window uses.
CaseFileCallbacks& TheCaseFileCallbacks();

// Calls an entry when it is set; a text entry that is not set gives the empty text.
template <typename F, typename... Args> auto InvokeCallback(const std::function<F>& callback, Args&&... args)
{
    using Result = typename std::function<F>::result_type;
    if (!callback)
        return Result();
    return callback(std::forward<Args>(args)...);
}

} // namespace talvo
