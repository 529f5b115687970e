#pragma once

#include "selection/core/LimitationLayout.h"
#include "selection/core/SelectionSession.h"
#include "tables/core/AssessmentState.h"

#include <QStringList>

namespace talvo {

// Marks the limitation questions that one countermeasure needs (it only ever sets Needed flags) and sets
// LimeAssessed / PotassiumAssessed. A lime countermeasure also stores "Yes" as the answer of ctlKnowCEC, whose
// question is then not asked. A name outside every group changes nothing. Needs no window.
void SetLimitationAssessment(AssessmentState& state, SelectionSession& session, const QString& Countermeasure);

// Needed := False for all 34 questions; LimeAssessed := PotassiumAssessed := False. Answers stay.
void DisableAllLimitationQuestions(AssessmentState& state, SelectionSession& session);

// SetLimitationAssessment for each selected item, in list order, then the question layout of the pages.
LimitationLayout AssessSelectedCountermeasures(AssessmentState& state, SelectionSession& session,
                                               const QStringList& selectedItems);

} // namespace talvo
