#pragma once

#include "platform/core/BasicTypes.h"

#include <QString>

namespace talvo {

// The cost/benefit wizard's own variables. They belong to the wizard object rather than to its window, so they
// outlive the window: the text report reads the four texts after the wizard has closed, and the evaluation-file
// reader rebuilds EconomicVariablesText with no window open.
struct EconomicSession
{
    // True once the variable pages have put at least one question on the second / third variable page.
    bool FrameEcQuestions3Used = false;
    bool FrameEcQuestions4Used = false;
    // Widgets placed on the page filled last.
    Integer QuestionCount = 0;

    QString EconomicVariablesText;      // the questions asked with their answers and values
    QString CountermeasureCostsText;    // one line per calculated countermeasure
    QString CountermeasureBenefitsText; // likewise
    QString CostBenefitSummaryText;     // likewise, the net benefit
};

// The process-wide instance that the wizard, the results window and the text report share.
EconomicSession& TheEconomicSession();

} // namespace talvo
