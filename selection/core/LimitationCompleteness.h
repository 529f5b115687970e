#pragma once

#include "platform/core/Seams.h"
#include "selection/core/SelectionSession.h"
#include "tables/core/AssessmentState.h"

#include <QString>

#include <vector>

namespace talvo {

inline const QString MissingLimitationTitle = QStringLiteral("Missing Limitation Information");

// One box per needed question that has no answer, in the order the wizard shows them (exclamation icon, OK
// button, title "Missing Limitation Information"); all answered when the list is empty. A numeric answer that is
// not a number counts as missing. CECRequired and KStatusRequired are derived here, from the assessed
// countermeasures and the stored CEC-known answer, and kept in the session.
std::vector<MessageRequest> CheckAllQuestionsAnswered(const AssessmentState& state, SelectionSession& session);
// The records of those boxes, in the same order, with CECRequired and KStatusRequired as they stand.
std::vector<int> MissingLimitationAnswers(const AssessmentState& state, const SelectionSession& session);

// The text of RichTextBoxLimitationsInformation: one line per needed question, "<question>     <answer>" and
// CR LF, hidden follow-ups left out, the crop question never listed. Empty when nothing is needed.
QString SetLimitationInformation(const AssessmentState& state);

} // namespace talvo
