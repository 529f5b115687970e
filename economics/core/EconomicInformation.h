#pragma once

#include "economics/core/EconomicSession.h"
#include "tables/core/AssessmentState.h"

namespace talvo {

// Rebuilds session.EconomicVariablesText from the flagged questions and returns it; the caller shows it in the
// results window's RichTextBoxEconomicInformation. Each flagged record, farm data in check order then the
// variables in ascending order, adds CR LF, its question, a TAB and its answer: the stored text for farm data,
// FormatStandard(AnswerValue) for a variable. Empty when nothing is flagged. Reads the flags, never changes them.
const QString& WriteEconomicInformation(const AssessmentState& state, EconomicSession& session);

} // namespace talvo
